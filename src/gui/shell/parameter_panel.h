// The live parameter panel ("Live Parameters", Tools menu): a dock beside the canvas
// with a slider, a value field and an editable range for every parameter ticked with
// "Mark". In the Run regime a new value goes into the block through the parameter
// grid's path and the scheme runs again at once, without the run dialog: the recorders'
// thumbnails follow, and so does an open graph viewer (a recorder's curves, or the
// frequency characteristic the Solve operation is showing, computed afresh).
//
// The panel never holds the window up: slider moves coalesce into the next run, a move
// during a run of the constant step stops it for the newer value, and a run waits while
// another command of the window is working (it may go on while that command only waits
// in the graph viewer).
//
// Each change is one undo step: a value typed, a key on a slider, or a whole drag of a
// slider from press to release, however many runs it made on the way.
#pragma once

#include <QDockWidget>
#include <QTimer>
#include <optional>
#include <vector>

#include "core/editor/undo_history.h"
#include "core/workbench/live_parameters.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

namespace velmar::gui {

class TFormMain;
class TFormGraphPg;

class TParameterPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit TParameterPanel(TFormMain& form);
    ~TParameterPanel() override;

    // The parameters shown, one row each.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const LiveParameter& parameter(int row) const { return rows_[index(row)].param; }
    LiveRange range(int row) const { return rows_[index(row)].range; }
    QSlider* slider(int row) const { return rows_[index(row)].slider; }
    QLineEdit* valueEdit(int row) const { return rows_[index(row)].value; }
    QLineEdit* lowEdit(int row) const { return rows_[index(row)].low; }
    QLineEdit* highEdit(int row) const { return rows_[index(row)].high; }
    QString statusText() const;
    // Nothing waits and no run is in progress.
    bool idle() const { return !changes_.running() && !changes_.waiting(); }
    bool running() const { return changes_.running(); }
    // Runs of the panel so far.
    int runCount() const { return runs_; }

    // Reads the marked parameters and their values again (done by itself while shown).
    void sync();
    // Runs what waits now rather than at the next turn of the event loop.
    void flush() { runWaiting(); }

private:
    struct Row {
        LiveParameter param;
        LiveRange range;
        QLabel* name = nullptr;
        QSlider* slider = nullptr;
        QLineEdit* value = nullptr;
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
    };
    static std::size_t index(int row) { return static_cast<std::size_t>(row); }

    bool live() const;
    void rebuild(const std::vector<LiveParameter>& list);
    void showRow(Row& row);
    void sliderMoved(std::size_t row, int position);
    void valueTyped(std::size_t row);
    void rangeTyped(std::size_t row);
    void offer(std::size_t row, Real48 value);
    void runWaiting();
    // The undo step of the change in progress ends once its values are in and no slider
    // is held.
    void endStep();
    std::string write(const LiveChange& change);
    void setStatus(const QString& text);

    // The analysis viewer while it is open, and the viewers after a run: the recorders'
    // take their new curves, the analysis viewer the characteristic computed afresh.
    TFormGraphPg* analysisViewer() const;
    void refreshViewers();

    TFormMain& form_;
    LiveChanges changes_;
    std::vector<Row> rows_;
    QWidget* rowsBox_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QLabel* status_ = nullptr;
    QObject* keyFilter_ = nullptr;  // keeps typed keys in the panel's fields
    QTimer coalesce_;               // the next turn of the event loop: moves made meanwhile join in
    QTimer retry_;                  // a run that had to wait for the window
    QTimer poll_;                   // marks and values changed elsewhere, while shown
    int runs_ = 0;
    // The scheme before the change in progress, and whether a slider is being dragged.
    std::optional<editor::UndoHistory::State> before_;
    bool dragging_ = false;

    // The characteristic computed afresh that the analysis viewer shows on the panel's
    // behalf, until the viewer is given another.
    Curve viewerCurve_;
};

// Makes the panel, docked right of the canvas and hidden, with its item "Live
// Parameters" in the Tools menu.
TParameterPanel* installParameterPanel(TFormMain& form);

}  // namespace velmar::gui
