// The caption editor `Discrip` ("Введите описание блоков"): a grid of one caption per
// element number, and how names and captions are shown on the canvas (check boxes,
// font size, above or below the block).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace velmar::gui {

class TFormMain;

class TDiscrip : public QDialog {
    Q_OBJECT
public:
    explicit TDiscrip(TFormMain& form);

    QTableWidget* grid() const { return grid_; }
    // Rebuilds the rows from the scheme's elements and labels.
    void refresh();
    // The grid's titles and the recommended font size in the interface language; the
    // labels being typed stay.
    void showTitles();
    // The check boxes take the state of their menu items.
    void syncChecks();
    // "Обновить" is offered while the bank is shown, when blocks may be added.
    void bankShown(bool shown);
    // Shows the window; beside a maximised main window it goes to the lower right.
    void showBeside();

public slots:
    void ApplyBtnClick();   // "Применить"
    void ExitBtnClick();    // "Выход"
    void BitBtn1Click();    // "Обновить"
    void CheckBox1Click();  // captions shown
    void CheckBox2Click();  // names shown
    void ComboBox1Change(int index);
    void PositionClick();

protected:
    bool event(QEvent* event) override;

private:
    void applyCaptions();

    TFormMain& form_;
    QTableWidget* grid_;
    QCheckBox* labels_;
    QCheckBox* names_;
    QComboBox* fontSize_;
    QRadioButton* namesBelow_;
    QRadioButton* namesAbove_;
    QRadioButton* labelsBelow_;
    QRadioButton* labelsAbove_;
    QPushButton* refresh_;
};

}  // namespace velmar::gui
