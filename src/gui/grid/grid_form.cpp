#include "gui/grid/grid_form.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

#include "core/errors.h"
#include "core/grid/parameter_grid.h"
#include "core/model/value_dialog.h"
#include "core/workbench/workbench.h"
#include "gui/print/print_page.h"
#include "gui/print/print_prompts.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

namespace {

constexpr int kValueColumn = 3;
constexpr int kEmptyRows = 5;
constexpr int kNormalRowHeight = 18;
constexpr int kLargeRowHeight = 24;

// The editor of a value cell. The value goes to the block when the edit ends (Enter,
// Tab, another cell), so that a value on the way to the one typed ("1e4" of "1e400")
// is never stored and Esc leaves the parameter as it was. A text that is no value is
// refused with the value dialogs' message and the cell is opened again with the text
// as typed.
class ValueDelegate : public QStyledItemDelegate {
public:
    explicit ValueDelegate(TGridForm& form) : QStyledItemDelegate(&form), form_(form) {}

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (refused_ && *refused_ == index) {
            static_cast<QLineEdit*>(editor)->setText(refusedText_);
            refused_.reset();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        const QString parameter = model->index(index.row(), 2).data().toString();
        const velmar::ValueReading reading = velmar::readValueText(parameter.toStdString(), text.toStdString());
        if (reading.value) {
            form_.StringGrid1SetEditText(index.row(), text);
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        viewerDialogs().message(&form_, velmar::Box::Error, QString::fromStdString(reading.problem));
        refused_ = QPersistentModelIndex(index);
        refusedText_ = text;
        QTimer::singleShot(0, &form_, [this, cell = QPersistentModelIndex(index)] {
            if (!cell.isValid()) return;
            form_.grid()->setCurrentIndex(cell);
            form_.grid()->edit(cell);
        });
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->installEventFilter(const_cast<ValueDelegate*>(this));
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(watched);
        if (editor == nullptr || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) return QStyledItemDelegate::eventFilter(watched, event);
        const auto result = form_.StringGrid1KeyPress(text.at(0), editor->text());
        if (result && text.at(0).toUpper() == 'P') {  // pi replaces the text, not the letter
            editor->setText(*result);
            return true;
        }
        return !result;  // dropped keys stop here; accepted ones reach the editor
    }

private:
    TGridForm& form_;
    mutable std::optional<QPersistentModelIndex> refused_;  // the cell opened again, with its text
    mutable QString refusedText_;
};

QTableWidgetItem* fixedCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TGridForm::TGridForm(velmar::Workbench& wb, QWidget* parent)
    : QMainWindow(parent), wb_(wb), StringGrid1(new QTableWidget(kEmptyRows, 4, this)) {
    setObjectName("GridForm");
    setWindowTitle("Параметры");
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setHorizontalHeaderLabels({"№ Блока", "Название", "Параметр", "Значение"});
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kNormalRowHeight);
    StringGrid1->setColumnWidth(0, 75);
    StringGrid1->setColumnWidth(1, 300);
    StringGrid1->setItemDelegateForColumn(kValueColumn, new ValueDelegate(*this));
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::EditKeyPressed);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid1SelectCell(row, column); });
    setCentralWidget(StringGrid1);

    menuBar()
        ->addAction("&Вернуться в программу", this, &TGridForm::MainPage1Click)
        ->setObjectName("MainPage1");
    QMenu* options = menuBar()->addMenu("&Опции");
    options->menuAction()->setObjectName("Options1");
    OnTop2 = options->addAction("Всегда &сверху");
    OnTop2->setObjectName("OnTop2");
    QMenu* heights = options->addMenu("Высота &рядов");
    heights->menuAction()->setObjectName("RowHeight1");
    heights->addAction("&Нормальная", this, [this] { RowHeightClick(kNormalRowHeight); })
        ->setObjectName("Normal1");
    heights->addAction("&Большая", this, [this] { RowHeightClick(kLargeRowHeight); })
        ->setObjectName("Large1");
    QAction* print = menuBar()->addAction("Печать", this, &TGridForm::PrintGrdFClick);
    print->setObjectName("PrintGrdF");
    print->setToolTip("Print the list");
    OnTop1 = new QAction("Всегда &сверху", this);
    OnTop1->setObjectName("OnTop1");
    for (QAction* a : {OnTop1, OnTop2}) {
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::triggered, this, &TGridForm::OnTopClick);
    }
    StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    StringGrid1->addAction(OnTop1);

    const int width = 75 + 300 + 2 * StringGrid1->horizontalHeader()->defaultSectionSize() + 50;
    resize(width, 400);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().left(), y());
}

void TGridForm::ResetGrid() {
    StringGrid1->clearContents();
    StringGrid1->setRowCount(kEmptyRows);
}

void TGridForm::RefreshGrid() {
    const std::vector<velmar::GridRow> rows = velmar::parameterGridRows(wb_.scheme, wb_.names);
    StringGrid1->clearContents();
    StringGrid1->setRowCount(std::max<int>(static_cast<int>(rows.size()), 1));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const velmar::GridRow& row = rows[static_cast<std::size_t>(r)];
        StringGrid1->setItem(r, 0, fixedCell(QString::fromStdString(row.number)));
        StringGrid1->setItem(r, 1, fixedCell(QString::fromStdString(row.name)));
        StringGrid1->setItem(r, 2, fixedCell(QString::fromStdString(row.parameter)));
        auto* value = new QTableWidgetItem(QString::fromStdString(row.value));
        // Only parameter rows take a value.
        if (row.parameter.empty()) value->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, kValueColumn, value);
    }
}

void TGridForm::setFilling(bool on) {
    if (filling_ == on) return;
    filling_ = on;
    emit fillingChanged(on);
}

void TGridForm::OpenFromSpeedButton() {
    setFilling(true);
    RefreshGrid();
    show();
    raise();
}

void TGridForm::StringGrid1SelectCell(int row, int) { row_ = row; }

std::optional<QString> TGridForm::StringGrid1KeyPress(QChar key, const QString& cellText) {
    if (key.toUpper() == 'P') {
        const QString pi = velmar::kGridPiText;
        if (QTableWidgetItem* cell = StringGrid1->item(row_, kValueColumn)) cell->setText(pi);
        StringGrid1SetEditText(row_, pi);
        return pi;
    }
    return cellText;
}

void TGridForm::StringGrid1SetEditText(int row, const QString& text) {
    std::vector<std::string> numbers;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        const QTableWidgetItem* cell = StringGrid1->item(r, 0);
        numbers.push_back(cell != nullptr ? cell->text().toStdString() : std::string());
    }
    const auto target = velmar::locateGridEdit(numbers, row);
    if (!target) {
        ResetGrid();
        return;
    }
    const auto store = [&] {
        try {
            velmar::commitGridValue(wb_, *target, text.toStdString());
        } catch (const velmar::MathError& e) {
            viewerDialogs().message(this, velmar::Box::Error, QString::fromStdString(e.what()));
        }
    };
    if (asUndoStep) asUndoStep(store);
    else store();
}

void TGridForm::MainPage1Click() {
    setFilling(false);
    close();
}

void TGridForm::OnTopClick(bool on) {
    OnTop1->setChecked(on);
    OnTop2->setChecked(on);
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
}

void TGridForm::RowHeightClick(int height) {
    StringGrid1->verticalHeader()->setDefaultSectionSize(height);
    for (int r = 0; r < StringGrid1->rowCount(); ++r) StringGrid1->setRowHeight(r, height);
}

bool TGridForm::PrintGrdFClick() {
    QPrinter& printer = sharedPrinter();
    printer.setDocName(printTitle_);
    return printCentred(printer, grab().toImage());
}

void TGridForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) setFilling(false);
    QMainWindow::changeEvent(event);
}

}  // namespace velmar::gui
