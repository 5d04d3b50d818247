#include "gui/analysis/method_form.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "core/analysis/method_lists.h"
#include "core/analysis/synthesis.h"
#include "gui/analysis/general_forms.h"
#include "gui/analysis/integral_form.h"
#include "gui/analysis/rooter_form.h"
#include "gui/analysis/transfer_formula.h"

namespace velmar::gui {

namespace {

// The lists by their component names; the items come from the core's table.
constexpr std::pair<MethodList, const char*> kLists[] = {
    {MethodList::Characteristics, "CharacteristicsList"},
    {MethodList::Stability, "StabilityList"},
    {MethodList::Quality, "QualityList"},
    {MethodList::Roots, "RootsList"},
    {MethodList::Other, "OtherList"},
    {MethodList::Regulators, "RegulatorsList"},
    {MethodList::Synthesis, "SynthesisList"},
    {MethodList::RootsDisplay, "RootsDisplayList"},
    {MethodList::FunctionalMinimisation, "FunctionalsList"},
    {MethodList::Harmonic, "HarmonicList"},
};

QPlainTextEdit* memo(QWidget* parent, const char* name, const QFont& font) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setFont(font);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TMethodForm::TMethodForm(Host& messages, QWidget* owner) : QWidget(owner, Qt::Window), messages_(messages) {
    setObjectName("MethodForm");
    setWindowTitle("Methods");
    // Left open, the chooser does not keep the program running after the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* outer = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;

    auto* left = new QVBoxLayout;
    for (const auto& [which, name] : kLists) left->addWidget(addList(which, name), 1);
    selection_ = new QGroupBox(this);
    selection_->setObjectName("SelectPanel");
    auto* choices = new QVBoxLayout(selection_);
    rootsChoice_ = new QRadioButton("Roots", selection_);
    rootsChoice_->setObjectName("RootsRadio");
    rootsChoice_->setChecked(true);
    functionalsChoice_ = new QRadioButton("Functionals", selection_);
    functionalsChoice_->setObjectName("FunctionalsRadio");
    regulatorsChoice_ = new QRadioButton("Regulators", selection_);
    regulatorsChoice_->setObjectName("RegulatorsRadio");
    auto* open = new QPushButton("&Open", selection_);
    open->setObjectName("SelectBitBtn");
    connect(open, &QPushButton::clicked, this, &TMethodForm::SelectBitBtnClick);
    for (QWidget* w :
         std::initializer_list<QWidget*>{rootsChoice_, functionalsChoice_, regulatorsChoice_, open})
        choices->addWidget(w);
    selection_->hide();
    left->addWidget(selection_);
    upper->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    labelRF_ = new QLabel("Gear function", this);
    labelRF_->setObjectName("LabelRF");
    QFont bold = labelRF_->font();
    bold.setBold(true);
    labelRF_->setFont(bold);
    right->addWidget(labelRF_);
    formula_ = new TransferFormula(this);
    right->addWidget(formula_);
    auto* memos = new QHBoxLayout;
    leftMemo_ = memo(this, "LeftMemo", fixed);
    rightMemo_ = memo(this, "RightMemo", fixed);
    memos->addWidget(leftMemo_);
    memos->addWidget(rightMemo_);
    right->addLayout(memos, 1);
    upper->addLayout(right, 3);
    outer->addLayout(upper, 3);
    // The general forms run across the window, above the report.
    generalForms_ = new GeneralForms(this);
    generalForms_->hide();
    outer->addWidget(generalForms_);

    reportMemo_ = memo(this, "ReportMemo", fixed);
    outer->addWidget(reportMemo_, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("CloseBitBtn");
    connect(close, &QPushButton::clicked, this, &TMethodForm::CloseBitBtnClick);
    buttons->addWidget(close);
    outer->addLayout(buttons);
    resize(600, 480);
}

QListWidget* TMethodForm::addList(MethodList which, const char* name) {
    auto* l = new QListWidget(this);
    l->setObjectName(name);
    for (const MethodItem& m : methodItems(which)) {
        auto* item = new QListWidgetItem(QString::fromStdString(m.caption), l);
        item->setData(Qt::UserRole, static_cast<int>(m.code));
    }
    l->installEventFilter(this);
    l->viewport()->installEventFilter(this);
    l->hide();
    lists_[which] = l;
    return l;
}

QListWidget* TMethodForm::visibleList() const {
    for (const auto& [which, l] : lists_)
        if (!l->isHidden()) return l;
    return nullptr;
}

MethodCode TMethodForm::choose(MethodList which) {
    if (loop_) return MethodCode::Leave;  // one wait at a time
    for (const auto& [w, l] : lists_) l->setVisible(w == which);
    generalForms_->setVisible(which == MethodList::Synthesis);
    QListWidget* l = lists_.at(which);
    if (!l->currentItem() && l->count() > 0) l->setCurrentRow(0);
    showBesideOwner();
    l->setFocus();

    QEventLoop loop;
    loop_ = &loop;
    answer_ = MethodCode::Leave;
    loop.exec();
    loop_ = nullptr;  // also when the loop was ended from outside (the program quits)
    return answer_;
}

MethodCode TMethodForm::choose(MethodList which, const QStringList& captions) {
    QListWidget* l = lists_.at(which);
    const int shown = std::min(l->count(), static_cast<int>(captions.size()));
    QStringList own;
    for (int i = 0; i < shown; ++i) {
        own << l->item(i)->text();
        l->item(i)->setText(captions[i]);
    }
    const MethodCode code = choose(which);
    for (int i = 0; i < shown; ++i) l->item(i)->setText(own[i]);
    return code;
}

void TMethodForm::pick(const QListWidgetItem* item) {
    if (item) finish(MethodCode{item->data(Qt::UserRole).toInt()});
}

void TMethodForm::finish(MethodCode code) {
    if (!loop_) return;
    answer_ = code;
    QEventLoop* loop = loop_;
    loop_ = nullptr;  // a second pick before the loop returns is not taken
    loop->quit();
}

bool TMethodForm::eventFilter(QObject* watched, QEvent* event) {
    if (auto* l = qobject_cast<QListWidget*>(watched); l && isEnter(event)) {
        pick(l->currentItem());
        return true;
    }
    auto* l = watched->parent() ? qobject_cast<QListWidget*>(watched->parent()) : nullptr;
    if (!l || watched != l->viewport()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed_ = l->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            clickPicked_ = false;
            break;
        case QEvent::MouseButtonRelease: {
            const QListWidgetItem* at = l->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (at && at == pressed_ && loop_) {
                pick(at);
                clickPicked_ = true;
            }
            pressed_ = nullptr;
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (!clickPicked_) pick(l->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void TMethodForm::showTransferFunction(const QStringList& numeratorLines,
                                       const QStringList& denominatorLines) {
    leftMemo_->setPlainText(numeratorLines.join('\n'));
    rightMemo_->setPlainText(denominatorLines.join('\n'));
    // One line per coefficient: the orders are one less than the counts.
    formula_->setOrders(static_cast<int>(numeratorLines.size()) - 1,
                        static_cast<int>(denominatorLines.size()) - 1);
    showBesideOwner();
}

void TMethodForm::clearReport() { reportMemo_->clear(); }

void TMethodForm::report(const QString& line) {
    reportMemo_->appendPlainText(line);
    if (!isVisible()) showBesideOwner();
}

void TMethodForm::setSelectionShown(bool shown) { selection_->setVisible(shown); }

void TMethodForm::clearMemos() {
    leftMemo_->clear();
    rightMemo_->clear();
    reportMemo_->clear();
    formula_->clear();
}

void TMethodForm::CloseBitBtnClick() { close(); }

void TMethodForm::keyPressEvent(QKeyEvent* event) {
    // Escape reaches the window from the lists, memos and buttons, which leave it be.
    if (event->key() == Qt::Key_Escape) CloseBitBtnClick();
    else QWidget::keyPressEvent(event);
}

void TMethodForm::closeEvent(QCloseEvent* event) {
    clearMemos();
    finish(MethodCode::Leave);
    event->accept();
}

namespace {

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void TMethodForm::SelectBitBtnClick() {
    if (rootsChoice_->isChecked()) {
        if (!rooter_) rooter_ = new TFormRooter(messages_, this);
        bringUp(rooter_);
    } else if (functionalsChoice_->isChecked()) {
        if (!integral_) integral_ = new TFormIntegral(messages_, this);
        bringUp(integral_);
    } else if (waiting()) {
        // The two-regulator structure runs as the synthesis list's item does.
        finish(MethodCode::TwoRegulators);
    } else {
        messages_.message(Box::Information,
                          "Regulators Main Calculating: while a method runs, finish it first");
    }
}

void TMethodForm::showBesideOwner() {
    if (!placed_) {
        if (const QWidget* owner = parentWidget()) {
            const QRect g = owner->frameGeometry();
            move(std::max(g.left(), g.right() - width() - 24), g.top() + 80);
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace velmar::gui
