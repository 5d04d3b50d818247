#include "gui/shell/hint_form.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

namespace velmar::gui {

namespace {

const QRect kPlace(110, 80, 600, 400);
constexpr int kLabelInset = 50;  // the label is this much narrower than the window
constexpr int kMargin = 8;

}  // namespace

int descriptionPanelHeight(int percent) { return static_cast<int>(percent * 1.7 - 25); }

THintForm::THintForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HintForm");
    setWindowTitle("Description");
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = Label1->font();
    f.setPointSize(10);
    Label1->setFont(f);
    auto* close = new QPushButton("OK", this);
    close->setObjectName("BitBtn1");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    describe({});
}

void THintForm::showEmpty() {
    describe({});
    setGeometry(kPlace);
    show();
    raise();
    activateWindow();
}

void THintForm::describe(const TestDescription& description) {
    Label1->setText(QString::fromStdString(description.label()));
    Panel1->setFixedHeight(std::max(0, descriptionPanelHeight(description.percent)));
    resizeEvent(nullptr);
}

void THintForm::resizeEvent(QResizeEvent* event) {
    if (event) QWidget::resizeEvent(event);
    Panel1->setGeometry(kMargin, kMargin, width() - 2 * kMargin, Panel1->height());
    Label1->setGeometry(kMargin, kMargin, width() - kLabelInset, Panel1->height() - 2 * kMargin);
    if (auto* close = findChild<QPushButton*>("BitBtn1"))
        close->setGeometry(width() - 100, height() - 40, 88, 30);
}

}  // namespace velmar::gui
