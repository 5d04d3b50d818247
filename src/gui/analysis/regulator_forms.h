// The windows of the regulator synthesis that are not value pages: the waiting window
// "Я думаю !!!" with its live "Iteration" counter (`TuningProgressForm`), the choice of
// the regulator types "Regulators Main Calculating" (`TFormRegMain`, one radio group per
// choice; the Ti source choice uses it too) and the result window (`TForm2`, "Синтез
// регулятора": the grid "Значения &Кр при различных &Ти" and "Показать график"; the
// two-regulator settings without a button).
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "core/host.h"

namespace velmar::gui {

class TuningProgressForm : public QWidget {
    Q_OBJECT
public:
    // `stop` puts Escape into the main window's key queue: pressed here, or the window
    // closed, it ends the sweep at its next Ti.
    TuningProgressForm(std::function<void()> stop, QWidget* owner);

    // Shown or updated with count >= 0 (painted at once), hidden with a negative count.
    void showCount(const QString& caption, const QString& label, int count);
    QLabel* counter() const { return counter_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> stop_;
    QLabel* label_;
    QLabel* counter_;
};

class TFormRegMain : public QDialog {
    Q_OBJECT
public:
    TFormRegMain(const QString& caption, const std::vector<ChoiceRow>& rows, QWidget* owner);

    // The item checked in each group.
    std::vector<int> chosen() const;
    QButtonGroup* group(int k) const { return groups_.at(static_cast<std::size_t>(k)); }
    QPushButton* okButton() const { return ok_; }

private:
    std::vector<QButtonGroup*> groups_;
    QPushButton* ok_;
};

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(const ResultTable& table, QWidget* owner);

    QTableWidget* grid() const { return grid_; }
    // Null when the table has no button.
    QPushButton* graphButton() const { return button_; }
    // The button was pressed (the window then closes).
    bool pressed() const { return result() == QDialog::Accepted; }

private:
    QTableWidget* grid_;
    QPushButton* button_ = nullptr;
};

}  // namespace velmar::gui
