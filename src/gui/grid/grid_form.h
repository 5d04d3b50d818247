// TGridForm, the parameter grid ("Параметры"): every block of the scheme with its
// parameters in one table; a value typed into the "Значение" column goes to the block
// through its own EditParameters, as if typed into its dialog.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

class QTableWidget;
class QAction;

namespace velmar {
class Workbench;
}

namespace velmar::gui {

class TGridForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TGridForm(velmar::Workbench& wb, QWidget* parent = nullptr);

    // Empties the table and fills it from the scheme.
    void RefreshGrid();
    // 5 empty rows.
    void ResetGrid();
    // SpeedButton1 "Параметры": sets the grid-fill flag, refreshes and shows.
    void OpenFromSpeedButton();
    // True while the grid was opened from SpeedButton1 and not left; the Run regime
    // then opens no block dialog on Enter.
    bool isFilling() const { return filling_; }
    // The printed page's title: the last test scheme asked for.
    void setPrintTitle(const QString& title) { printTitle_ = title; }

    QTableWidget* grid() const { return StringGrid1; }
    // The row whose cell was selected last.
    int rememberedRow() const { return row_; }

    // Makes a value typed into the grid; the main window turns each one into an undo
    // step. Unset, the value is simply stored.
    std::function<void(const std::function<void()>& store)> asUndoStep;

signals:
    // The grid-fill flag changed.
    void fillingChanged(bool filling);

public slots:
    void StringGrid1SelectCell(int row, int column);
    void StringGrid1SetEditText(int row, const QString& text);
    // A character typed into a value cell: P writes 3.142 into the remembered row,
    // anything else goes in (a text that is no value is refused when the edit ends).
    // Returns the text the cell then holds, or nothing when the key was dropped.
    std::optional<QString> StringGrid1KeyPress(QChar key, const QString& cellText);
    void MainPage1Click();
    void OnTopClick(bool on);
    void RowHeightClick(int height);
    bool PrintGrdFClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setFilling(bool on);

    velmar::Workbench& wb_;
    QTableWidget* StringGrid1;
    QAction* OnTop1 = nullptr;
    QAction* OnTop2 = nullptr;
    bool filling_ = false;
    int row_ = 0;
    QString printTitle_;
};

}  // namespace velmar::gui
