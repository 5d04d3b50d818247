#include "gui/shell/caption_editor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/shell/form_main.h"
#include "gui/shell/window_options.h"

namespace velmar::gui {

namespace {

constexpr int kRecommendedSize = 1;  // the font size list's "6 (рекомендуется)"

QRadioButton* addChoice(QVBoxLayout* layout, QWidget* parent, const char* name, const char* text) {
    auto* b = new QRadioButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    layout->addWidget(b);
    return b;
}

QGroupBox* positionGroup(QWidget* parent, const char* name, const char* title, const char* below,
                         const char* above, QRadioButton*& belowButton, QRadioButton*& aboveButton) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(name);
    group->setToolTip(QString::fromUtf8(
        "При одинаковом положении пишутся пояснения и только если их нет пишется названия"));
    auto* l = new QVBoxLayout(group);
    belowButton = addChoice(l, group, below, "Подпись снизу");
    aboveButton = addChoice(l, group, above, "Подпись сверху");
    belowButton->setChecked(true);
    return group;
}

}  // namespace

TDiscrip::TDiscrip(TFormMain& form) : QDialog(&form, Qt::Tool), form_(form) {
    setObjectName("Discrip");
    setWindowTitle(QString::fromUtf8("Введите описание блоков"));
    auto* outer = new QHBoxLayout(this);

    grid_ = new QTableWidget(1, 2, this);
    grid_->setObjectName("StringGrid1");
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, 66);
    grid_->setColumnWidth(1, 166);
    grid_->setFixedWidth(66 + 166 + 10);
    outer->addWidget(grid_);

    auto* side = new QVBoxLayout;
    labels_ = new QCheckBox(QString::fromUtf8("Пояснение к элементам "), this);
    labels_->setObjectName("CheckBox1");
    names_ = new QCheckBox(QString::fromUtf8("Название элементов"), this);
    names_->setObjectName("CheckBox2");
    side->addWidget(labels_);
    side->addWidget(names_);
    auto* sizeRow = new QHBoxLayout;
    auto* sizeLabel = new QLabel(QString::fromUtf8("Размер шрифта"), this);
    sizeLabel->setObjectName("FontSizeLabel");
    sizeRow->addWidget(sizeLabel);
    fontSize_ = new QComboBox(this);
    fontSize_->setObjectName("ComboBox1");
    for (const char* item : {"5", "6 (рекомендуется)", "7 ", "8", "9", "10"})
        fontSize_->addItem(QString::fromUtf8(item));
    fontSize_->setCurrentIndex(kRecommendedSize);
    sizeRow->addWidget(fontSize_);
    side->addLayout(sizeRow);
    side->addWidget(positionGroup(this, "NamesGroup", "Название элементов", "RadioButton1", "RadioButton2",
                                  namesBelow_, namesAbove_));
    side->addWidget(positionGroup(this, "LabelsGroup", "Пояснение элементов", "RadioButton3", "RadioButton4",
                                  labelsBelow_, labelsAbove_));
    const struct {
        const char* name;
        const char* text;
    } notes[] = {
        {"Note1", "Чтобы поставить пробел   нажмите Ctrl+Пробел"},
        {"Note2", "Сумматоры и блоки перемножения являются блоками, но подписать их нельзя"},
        {"Note3", "Настоятельно рекомендуется вводить комментарии в окончательном варианте проекта"}};
    for (const auto& note : notes) {
        auto* l = new QLabel(QString::fromUtf8(note.text), this);
        l->setObjectName(note.name);
        l->setWordWrap(true);
        side->addWidget(l);
    }
    side->addStretch(1);
    auto* buttons = new QHBoxLayout;
    refresh_ = new QPushButton(QString::fromUtf8("Обновить"), this);
    refresh_->setObjectName("BitBtn1");
    refresh_->setToolTip(
        QString::fromUtf8("Нажмите эту кнопку если вы добавили новые блоки\nчтобы получить доступ к "
                          "редактированию\nнезакрывая при этом это окно"));
    auto* apply = new QPushButton(QString::fromUtf8("Применить"), this);
    apply->setObjectName("ApplyBtn");
    apply->setToolTip(QString::fromUtf8(
        "Нажмите эту кнопку если вы хотите просмотреть\n сделанные изменения не закрывая это окно"));
    auto* exit = new QPushButton(QString::fromUtf8("Выход"), this);
    exit->setObjectName("ExitBtn");
    exit->setToolTip(QString::fromUtf8("Выйти и сохранить изменения"));
    // Enter commits a caption; it presses no button.
    for (QPushButton* b : {refresh_, apply, exit}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    side->addLayout(buttons);
    outer->addLayout(side);

    connect(apply, &QPushButton::clicked, this, &TDiscrip::ApplyBtnClick);
    connect(exit, &QPushButton::clicked, this, &TDiscrip::ExitBtnClick);
    connect(refresh_, &QPushButton::clicked, this, &TDiscrip::BitBtn1Click);
    connect(labels_, &QCheckBox::clicked, this, &TDiscrip::CheckBox1Click);
    connect(names_, &QCheckBox::clicked, this, &TDiscrip::CheckBox2Click);
    connect(fontSize_, &QComboBox::activated, this, &TDiscrip::ComboBox1Change);
    for (QRadioButton* b : {namesBelow_, namesAbove_, labelsBelow_, labelsAbove_})
        connect(b, &QRadioButton::clicked, this, &TDiscrip::PositionClick);
    // Ctrl+Space types a blank into the caption being edited, as the window says.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this), &QShortcut::activated, this, [this] {
        if (auto* edit = qobject_cast<QLineEdit*>(focusWidget())) edit->insert(" ");
    });
    refresh();
}

// The main window's key items would take the keys of a tool window of its own (Enter
// opening the parameters of the block under its cursor): what is typed here stays here,
// but for the window's own Ctrl+Space.
bool TDiscrip::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() != QKeyCombination(Qt::CTRL, Qt::Key_Space)) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void TDiscrip::refresh() {
    const Scheme& s = form_.workbench().scheme;
    const int n = s.ElementCount();
    grid_->setRowCount(n + 1);
    for (int r = 1; r <= n; ++r)
        grid_->setItem(r, 1,
                       new QTableWidgetItem(QString::fromStdString(s.Labels[static_cast<std::size_t>(r)])));
    showTitles();
}

void TDiscrip::showTitles() {
    const auto say = [this](const std::string& text) { return QString::fromStdString(form_.say(text)); };
    const auto fixed = [&](int row, int column, const std::string& text) {
        auto* item = new QTableWidgetItem(say(text));
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(QColor(224, 224, 224));
        grid_->setItem(row, column, item);
    };
    fixed(0, 0, "№ Блока");
    fixed(0, 1, "Пояснение");
    for (int r = 1; r < grid_->rowCount(); ++r) fixed(r, 0, "Блок №" + std::to_string(r));
    fontSize_->setItemText(kRecommendedSize, say("6 (рекомендуется)"));
}

void TDiscrip::syncChecks() {
    labels_->setChecked(form_.action("N25")->isChecked());
    names_->setChecked(form_.action("N24")->isChecked());
}

void TDiscrip::bankShown(bool shown) { refresh_->setVisible(shown); }

void TDiscrip::showBeside() {
    syncChecks();
    refresh();
    refresh_->hide();
    show();
    if (form_.isMaximized())
        move(form_.x() + form_.width() - width() - 10,
             form_.y() + form_.height() - height() - form_.statusBar()->height() - 10);
    raise();
    // The keys typed now are the captions': the window takes them from the main window,
    // whose keys would otherwise move its cursor or open a block's parameters.
    activateWindow();
    grid_->setFocus();
    if (grid_->rowCount() > 1) grid_->setCurrentCell(1, 1);
}

void TDiscrip::applyCaptions() {
    Scheme& s = form_.workbench().scheme;
    const int n = std::min(s.ElementCount(), grid_->rowCount() - 1);
    for (int r = 1; r <= n; ++r) {
        const QTableWidgetItem* item = grid_->item(r, 1);
        s.Labels[static_cast<std::size_t>(r)] = item ? item->text().toStdString() : std::string();
    }
    form_.redrawAll();
}

void TDiscrip::ApplyBtnClick() { applyCaptions(); }

void TDiscrip::ExitBtnClick() {
    applyCaptions();
    close();
}

void TDiscrip::BitBtn1Click() {
    if (form_.workbench().scheme.ElementCount() == 0) {
        close();
        return;
    }
    refresh();
}

void TDiscrip::CheckBox1Click() {
    form_.action("N25")->setChecked(labels_->isChecked());
    form_.options().switchLabels();
}

void TDiscrip::CheckBox2Click() {
    form_.action("N24")->setChecked(names_->isChecked());
    form_.options().switchNames();
}

void TDiscrip::ComboBox1Change(int index) {
    form_.editorState().captions.labelFontSize = index + 5;
    form_.redrawAll();
}

void TDiscrip::PositionClick() {
    auto& c = form_.editorState().captions;
    c.namesBelow = namesBelow_->isChecked();
    c.labelsBelow = labelsBelow_->isChecked();
    form_.redrawAll();
}

}  // namespace velmar::gui
