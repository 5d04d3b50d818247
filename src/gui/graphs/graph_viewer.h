// TFormGraphPg, the graph viewer ("Graph viewer"): up to five diagrams in one plot,
// with point reading, the magnifier, curve arithmetic, comment labels, the point grid,
// point files and printing.
//
// Keys (on the plot): Enter or F12 saves the current diagram as a point file, or loads
// one into an empty slot; Tab, Up and Down start point reading; Left and Right change
// the current slot (wrapping); Del empties the current slot; L starts and leaves the
// magnifier; Ctrl+A and Ctrl+C show or hide the arithmetic and comments panels; Esc,
// Home, PgUp, End and PgDn leave the viewer and are returned as their key code times
// 256 (Esc 6912, Home 18176, PgUp 18688, End 20224, PgDn 20736).
//
// Beside these: "Metrics" shows the step-response metrics of the current curve in a
// panel to the right of the plot; "Keep for comparison" keeps a copy of the current
// curve that comes back with the next graphs of the same kind, drawn thinner;
// "Difference" puts the current curve minus the latest kept one into a free slot (all
// three on the slot bar and in the Compare menu); and File, "Export..." writes the
// graph as drawn (PNG, SVG) or the shown curves (CSV).
#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <array>
#include <vector>

#include "core/graphs/graph_scale.h"
#include "core/graphs/viewer_slots.h"

class QAction;
class QComboBox;
class QBoxLayout;
class QEventLoop;
class QLabel;
class QLineEdit;
class QPainter;
class QSpinBox;
class QToolButton;
class QWidget;

namespace velmar::gui {

class CommentLabel;
class GraphCanvas;
class MetricsPanel;
class TPntGridForm;
class TFormTopComments;
class TFormTextPad;

// The closing key codes.
enum GraphKey : int {
    kLeaveEsc = 27 * 256,
    kLeaveHome = 71 * 256,
    kLeavePgUp = 73 * 256,
    kLeaveEnd = 79 * 256,
    kLeavePgDn = 81 * 256,
};

// Texts that follow the interface language.
struct ViewerTexts {
    QString scaleX = "Scale(X) = X * ";
    QString scaleY = "Scale(Y) = Y * ";
    QString firstPoint = "Select 1-st Point";
    QString secondPoint = "Select 2-nd Point";
    QString caption = "Graph viewer";
    QString comment = "Комментарий %1";  // a new comment's text, numbered
};
ViewerTexts& viewerTexts();

// A window beside the main window, never modal: a recorder's viewer (`recorder` > 0)
// shows copies of its curves and lets the command go on, the analysis viewer waits in
// ShowGraph while the rest of the workbench stays usable.
class TFormGraphPg : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormGraphPg(QWidget* parent = nullptr, int recorder = 0);
    ~TFormGraphPg() override;

    // The element whose curves the window shows; 0 for the analysis viewer.
    int recorder() const { return recorder_; }

    // Shows the diagrams and processes commands until a leaving key; returns its code.
    // A call made while another waits (the magnifier's) keeps the outer diagrams and
    // restores them when it returns. `texts` are lines drawn beside
    // the curves (in the plot, so that they are printed and exported with it) until the
    // viewer is left; a nested call keeps the outer ones.
    int ShowGraph(const Diagrams& diagrams, int kind, const std::vector<std::string>& texts = {});
    // Fills the slots, with the kept curves of the kind unless `withKept` is false, and
    // draws, without waiting.
    void open(const Diagrams& diagrams, int kind, bool withKept = true);
    // The same with copies of the arrays (a recorder's, which its next run releases).
    void openCopies(const Diagrams& diagrams, int kind);
    // Shows the window in front, the plot taking the keys.
    void bringForward();
    // What the run whose curves come next marked and stepped (for kept curves' names,
    // the legend and the metrics).
    void setRunNote(const RunNote& note) { slots_.runNote = note; }

    void setStepIsVariable(bool variable) { variableStep_ = variable; }
    // ShowGraph calls in progress: 0 when only opened (a recorder's curves), 2 while the
    // magnifier runs over a waiting analysis.
    int showDepth() const { return static_cast<int>(loops_.size()); }

    const ViewerSlots& diagramSlots() const { return slots_; }
    const std::vector<std::string>& graphTexts() const { return slots_.texts; }
    const GraphScale& scale() const { return scale_; }
    const PlotArea& plotArea() const { return area_; }
    GraphCanvas* canvas() const { return canvas_; }
    bool isReadingPoints() const { return reading_; }
    int magnifierStage() const { return selecting_; }  // 0, or the point being chosen (1, 2)
    std::vector<CommentLabel*> commentLabels() const;
    TPntGridForm* pointGrid() const { return pointGrid_; }
    TFormTopComments* topComments() const { return topComments_; }
    TFormTextPad* textPad() const { return textPad_; }
    // The picture to print: the plot with its labels, dark on white, the top text above
    // it, the pad's text below it. A selected label is printed without its frame.
    QImage printPicture();

    // Loads a point file into the current slot and redraws; errors are shown.
    void loadPointFile(const QString& path);
    // Writes the current diagram; errors are shown. False when nothing was written.
    bool writePointFile(const QString& path);

    // Writes the graph by the file's extension: ".png" the picture as printed, ".svg"
    // the same drawn as vectors, ".csv" the shown curves. Errors are shown; false when
    // nothing was written.
    bool exportGraph(const QString& path);
    static bool svgAvailable();
    MetricsPanel* metricsPanel() const { return metricsPanel_; }

public slots:
    void handleKey(QKeyEvent* event);
    void SpeedButtonClick(int slot);
    void MagnPointBtnClick();
    void ArithmeticSpBtnClick();
    void MagnifierBtnClick();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void CommentsSpBtnClick();
    void SolveSpBtnClick();
    void CreateSpBtnClick();
    void DestroySpBtnClick();
    void RxLabelEditChange(const QString& text);
    void Font1Click();
    void Title1Click();
    void Text1Click();
    void OpenPNTClick();
    void SavePNTClick();
    void SaveAsPNTClick();
    void PrintPreview1Click();
    void PrintSetupPNTClick();
    void PrintPNTClick();
    void UpDown1Change(int position);
    void Metrics1Click();
    void KeepForComparison1Click();
    void Difference1Click();
    void ExportGraphClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    QWidget* buildSlotBar();
    QWidget* buildArithmeticPanel();
    QWidget* buildCommentsPanel();
    void buildMenus();

    void leave(int key);
    // The magnifier's view over the diagrams shown, until a leaving key; they come back
    // afterwards.
    int magnify(const Diagrams& diagrams, int kind);
    // Processes commands until a leaving key, and returns its code.
    int waitForKey();
    void finish();
    // Resets the modes and draws the slots just filled.
    void opened();
    void rescale();
    void redraw();
    void slotsChanged();
    void refreshPointGrid();
    void refreshMetrics();
    void addComparisonButtons(QBoxLayout* row);
    void addComparisonMenu();
    QByteArray svgDrawing();
    // The plot with its labels in the print colours, at the canvas's size.
    void paintPrinted(QPainter& p);
    void syncSlotButtons();
    void moveCursor(int key);
    void startReading();
    void endReading();
    void startMagnifier();
    void endMagnifier();
    void fixMagnifierPoint();
    void selectLabel(CommentLabel* label);
    void showError(const QString& text);
    // Shows the message of a curve operation, or the slots it changed.
    void arithmeticDone(const std::string& error);
    bool handleModeKey(int key);

    int recorder_ = 0;
    ViewerSlots slots_;
    GraphScale scale_;
    PlotArea area_;
    bool variableStep_ = false;
    bool reading_ = false;
    int selecting_ = 0;
    int firstPoint_ = 0;
    std::vector<QEventLoop*> loops_;
    int labelNumber_ = 0;
    CommentLabel* selectedLabel_ = nullptr;
    QFont labelFont_;

    GraphCanvas* canvas_ = nullptr;
    std::array<QToolButton*, kSlotCount> slotButtons_{};
    QSpinBox* UpDown1 = nullptr;
    QToolButton* MagnPointBtn = nullptr;
    QWidget* ArithmeticPanel = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBoxSign = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QWidget* CommentsPanel = nullptr;
    QLineEdit* RxLabelEdit = nullptr;
    QLabel* ScaleXLabel = nullptr;
    QLabel* ScaleYLabel = nullptr;
    QList<QAction*> comparisonActions_;  // on the slot bar and in the Compare menu
    MetricsPanel* metricsPanel_ = nullptr;
    TPntGridForm* pointGrid_ = nullptr;
    TFormTopComments* topComments_ = nullptr;
    TFormTextPad* textPad_ = nullptr;
};

}  // namespace velmar::gui
