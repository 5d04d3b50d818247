#include "gui/graphs/graph_viewer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/graphs/graph_texts.h"
#include "core/numtext.h"
#include "gui/comments/text_windows.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_painter.h"
#include "gui/graphs/metrics_panel.h"
#include "gui/graphs/point_grid.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

namespace {

constexpr int kUserYMiddle = 5;  // the up-down control's start; each step doubles or halves

QToolButton* toolButton(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

}  // namespace

ViewerTexts& viewerTexts() {
    static ViewerTexts texts;
    return texts;
}

TFormGraphPg::TFormGraphPg(QWidget* parent, int recorder) : QMainWindow(parent), recorder_(recorder) {
    setObjectName("FormGraphPg");
    setWindowTitle(viewerTexts().caption);
    setWindowFlag(Qt::Window);
    buildWindow();
    buildMenus();
    topComments_ = new TFormTopComments(this);
    textPad_ = new TFormTextPad(this);
    resize(760, 560);  // the printed graph then fits across a page
}

TFormGraphPg::~TFormGraphPg() {
    for (QEventLoop* loop : loops_) loop->exit(kLeaveEsc);
}

void TFormGraphPg::buildWindow() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(buildSlotBar());
    column->addWidget(buildArithmeticPanel());
    column->addWidget(buildCommentsPanel());
    canvas_ = new GraphCanvas(central);
    canvas_->setObjectName("ImageGraph");
    metricsPanel_ = new MetricsPanel(central);
    metricsPanel_->setVisible(false);
    auto* plotRow = new QHBoxLayout;
    plotRow->setSpacing(2);
    plotRow->addWidget(canvas_, 1);
    plotRow->addWidget(metricsPanel_);
    column->addLayout(plotRow, 1);
    auto* captions = new QHBoxLayout;
    ScaleXLabel = new QLabel(central);
    ScaleXLabel->setObjectName("ScaleXLabel");
    ScaleYLabel = new QLabel(central);
    ScaleYLabel->setObjectName("ScaleYLabel");
    captions->addWidget(ScaleXLabel);
    captions->addSpacing(30);
    captions->addWidget(ScaleYLabel);
    captions->addStretch();
    column->addLayout(captions);
    setCentralWidget(central);

    connect(canvas_, &GraphCanvas::keyPressed, this, &TFormGraphPg::handleKey);
    connect(canvas_, &GraphCanvas::resized, this, [this] {
        rescale();
        redraw();
    });
    connect(canvas_, &GraphCanvas::pressed, this, [this] { selectLabel(nullptr); });
}

QWidget* TFormGraphPg::buildSlotBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("SpeedPanel");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (int n = 1; n <= kSlotCount; ++n) {
        auto* cell = new QWidget(bar);
        auto* stack = new QVBoxLayout(cell);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(1);
        QToolButton* b = toolButton(QString("SpeedButton%1").arg(n), QString::number(n), cell);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setMinimumWidth(32);
        auto* strip = new QWidget(cell);
        strip->setFixedHeight(4);
        strip->setAutoFillBackground(true);
        QPalette pal = strip->palette();
        pal.setColor(QPalette::Window, slotColour(n));
        strip->setPalette(pal);
        stack->addWidget(b);
        stack->addWidget(strip);
        row->addWidget(cell);
        slotButtons_[static_cast<std::size_t>(n - 1)] = b;
        connect(b, &QToolButton::clicked, this, [this, n] { SpeedButtonClick(n); });
    }
    UpDown1 = new QSpinBox(bar);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setRange(0, 10);
    UpDown1->setValue(kUserYMiddle);
    UpDown1->setFocusPolicy(Qt::NoFocus);
    UpDown1->setToolTip("Y stretch: each step doubles or halves the curves' height");
    connect(UpDown1, &QSpinBox::valueChanged, this, &TFormGraphPg::UpDown1Change);
    row->addWidget(UpDown1);

    MagnPointBtn = toolButton("MagnPointBtn", "?", bar);
    MagnPointBtn->setToolTip(viewerTexts().firstPoint);
    MagnPointBtn->setVisible(false);
    connect(MagnPointBtn, &QToolButton::clicked, this, &TFormGraphPg::MagnPointBtnClick);
    row->addWidget(MagnPointBtn);

    const struct {
        const char* name;
        const char* text;
        void (TFormGraphPg::*slot)();
    } buttons[] = {
        {"ArithmeticSpBtn", "&Arithmetic", &TFormGraphPg::ArithmeticSpBtnClick},
        {"MagnifierBtn", "&Magnifier", &TFormGraphPg::MagnifierBtnClick},
        {"SpeedButton8", "&Delete", &TFormGraphPg::SpeedButton8Click},
        {"SpeedButton9", "&Esc", &TFormGraphPg::SpeedButton9Click},
        {"SpeedButton10", "&Points", &TFormGraphPg::SpeedButton10Click},
        {"CommentsSpBtn", "&Comments", &TFormGraphPg::CommentsSpBtnClick},
    };
    for (const auto& b : buttons) {
        QToolButton* button = toolButton(b.name, b.text, bar);
        connect(button, &QToolButton::clicked, this, b.slot);
        row->addWidget(button);
    }
    addComparisonButtons(row);
    return bar;
}

QWidget* TFormGraphPg::buildArithmeticPanel() {
    ArithmeticPanel = new QWidget(this);
    ArithmeticPanel->setObjectName("ArithmeticPanel");
    auto* row = new QHBoxLayout(ArithmeticPanel);
    row->setContentsMargins(0, 0, 0, 0);
    const QStringList numbers{"1", "2", "3", "4", "5"};
    ComboBox1 = new QComboBox(ArithmeticPanel);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems(numbers);
    ComboBoxSign = new QComboBox(ArithmeticPanel);
    ComboBoxSign->setObjectName("ComboBoxSign");
    ComboBoxSign->addItems({"+", "-", "*", "/"});
    ComboBox2 = new QComboBox(ArithmeticPanel);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->addItems(numbers);
    ComboBox2->setCurrentIndex(1);
    QToolButton* solve = toolButton("SolveSpBtn", "&Solve", ArithmeticPanel);
    connect(solve, &QToolButton::clicked, this, &TFormGraphPg::SolveSpBtnClick);
    for (QWidget* w : std::initializer_list<QWidget*>{ComboBox1, ComboBoxSign, ComboBox2, solve})
        row->addWidget(w);
    row->addStretch();
    ArithmeticPanel->setVisible(false);
    return ArithmeticPanel;
}

QWidget* TFormGraphPg::buildCommentsPanel() {
    CommentsPanel = new QWidget(this);
    CommentsPanel->setObjectName("CommentsPanel");
    auto* row = new QHBoxLayout(CommentsPanel);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton* create = toolButton("CreateSpBtn", "C&reate", CommentsPanel);
    QToolButton* destroy = toolButton("DestroySpBtn", "Des&troy", CommentsPanel);
    RxLabelEdit = new QLineEdit(CommentsPanel);
    RxLabelEdit->setObjectName("RxLabelEdit");
    connect(create, &QToolButton::clicked, this, &TFormGraphPg::CreateSpBtnClick);
    connect(destroy, &QToolButton::clicked, this, &TFormGraphPg::DestroySpBtnClick);
    connect(RxLabelEdit, &QLineEdit::textEdited, this, &TFormGraphPg::RxLabelEditChange);
    row->addWidget(create);
    row->addWidget(destroy);
    row->addWidget(RxLabelEdit, 1);
    CommentsPanel->setVisible(false);
    return CommentsPanel;
}

void TFormGraphPg::buildMenus() {
    const struct {
        const char* name;
        const char* text;
        void (TFormGraphPg::*slot)();
    } file[] =
        {
            {"OpenPNT", "&Open...", &TFormGraphPg::OpenPNTClick},
            {"SavePNT", "&Save", &TFormGraphPg::SavePNTClick},
            {"SaveAsPNT", "Save &As...", &TFormGraphPg::SaveAsPNTClick},
            {"ExportGraph", "&Export...", &TFormGraphPg::ExportGraphClick},
            {"PrintPreview1", "Print Pre&view...", &TFormGraphPg::PrintPreview1Click},
            {"PrintSetupPNT", "P&rint Setup...", &TFormGraphPg::PrintSetupPNTClick},
            {"PrintPNT", "&Print...", &TFormGraphPg::PrintPNTClick},
            {"ExitPNT", "E&xit", &TFormGraphPg::SpeedButton9Click},
        },
      comments[] = {
          {"Create1", "C&reate", &TFormGraphPg::CreateSpBtnClick},
          {"Destroy1", "Des&troy", &TFormGraphPg::DestroySpBtnClick},
          {"Title1", "&Title", &TFormGraphPg::Title1Click},
          {"Text1", "&Main Comments", &TFormGraphPg::Text1Click},
          {"Font1", "Fo&nt", &TFormGraphPg::Font1Click},
      };
    QMenu* fileMenu = menuBar()->addMenu("&File");
    fileMenu->menuAction()->setObjectName("File1");
    for (const auto& item : file) fileMenu->addAction(item.text, this, item.slot)->setObjectName(item.name);
    QMenu* commentsMenu = menuBar()->addMenu("Comme&nts");
    commentsMenu->menuAction()->setObjectName("Comments1");
    for (const auto& item : comments)
        commentsMenu->addAction(item.text, this, item.slot)->setObjectName(item.name);
    addComparisonMenu();
}

void TFormGraphPg::open(const Diagrams& diagrams, int kind, bool withKept) {
    slots_.open(diagrams, kind);
    if (withKept) slots_.showKept();
    opened();
}

void TFormGraphPg::openCopies(const Diagrams& diagrams, int kind) {
    slots_.openCopies(diagrams, kind);
    slots_.showKept();
    opened();
}

void TFormGraphPg::opened() {
    reading_ = false;
    selecting_ = 0;
    MagnPointBtn->setVisible(false);
    syncSlotButtons();
    slotsChanged();
}

void TFormGraphPg::bringForward() {
    setWindowTitle(viewerTexts().caption);
    show();
    raise();
    activateWindow();
    canvas_->setFocus();
}

int TFormGraphPg::ShowGraph(const Diagrams& diagrams, int kind, const std::vector<std::string>& texts) {
    if (!loops_.empty()) return magnify(diagrams, kind);
    slots_.texts = texts;
    open(diagrams, kind);
    bringForward();
    const int key = waitForKey();
    finish();
    return key;
}

int TFormGraphPg::magnify(const Diagrams& diagrams, int kind) {
    ViewerSlots::State outer = slots_.save();
    open(diagrams, kind, false);  // only what it is given, without the kept curves
    bringForward();
    const int key = waitForKey();
    slots_.restore(std::move(outer));
    opened();
    // A window only opened (a recorder's) that was closed meanwhile is done with.
    if (loops_.empty() && !isVisible()) finish();
    return key;
}

int TFormGraphPg::waitForKey() {
    QEventLoop loop;
    loops_.push_back(&loop);
    const int key = loop.exec();
    loops_.pop_back();
    return key;
}

void TFormGraphPg::leave(int key) {
    // Nobody waits for the key of a window only opened: leaving closes it.
    if (loops_.empty()) close();
    else loops_.back()->exit(key);
}

void TFormGraphPg::closeEvent(QCloseEvent* event) {
    // Closing the window ends every nested viewer; the last to return cleans up.
    for (QEventLoop* loop : loops_) loop->exit(kLeaveEsc);
    if (loops_.empty()) finish();
    event->accept();
}

void TFormGraphPg::finish() {
    hide();
    for (CommentLabel* label : commentLabels()) delete label;
    selectedLabel_ = nullptr;
    topComments_->close();
    textPad_->close();
    if (pointGrid_ != nullptr) pointGrid_->close();
    // The arrays were the caller's: forget them, and the texts that came with them.
    slots_.open(Diagrams{}, slots_.kind());
    slots_.texts.clear();
}

std::vector<CommentLabel*> TFormGraphPg::commentLabels() const {
    const QList<CommentLabel*> found =
        canvas_->findChildren<CommentLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

void TFormGraphPg::rescale() {
    area_ = PlotArea::forImage(canvas_->width(), canvas_->height());
    const Extended userY = std::pow(2.0L, UpDown1->value() - kUserYMiddle);
    scale_ = computeScale(slots_.all(), area_, userY, drawsPointMarks(slots_.kind()));
    ScaleXLabel->setText(viewerTexts().scaleX + QString::fromStdString(generalText(scale_.shownX(), 6, 2)));
    ScaleYLabel->setText(viewerTexts().scaleY + QString::fromStdString(generalText(scale_.shownY(), 6, 2)));
}

void TFormGraphPg::redraw() {
    QImage& image = canvas_->image();
    if (image.size() != canvas_->size()) image = QImage(canvas_->size(), QImage::Format_RGB32);
    paintGraph(image, slots_, scale_, area_);
    if (reading_) {
        const Slot& s = slots_.currentSlot();
        paintPointCursor(image, s, s.cursor, scale_, area_);
    }
    canvas_->update();
}

void TFormGraphPg::slotsChanged() {
    rescale();
    redraw();
    refreshPointGrid();
    refreshMetrics();
}

void TFormGraphPg::refreshPointGrid() {
    if (pointGrid_ == nullptr || !pointGrid_->isVisible()) return;
    pointGrid_->showSlot(slots_.currentSlot());
    if (reading_) pointGrid_->selectPoint(slots_.currentSlot().cursor);
}

void TFormGraphPg::syncSlotButtons() {
    for (int n = 1; n <= kSlotCount; ++n) {
        QToolButton* b = slotButtons_[static_cast<std::size_t>(n - 1)];
        b->setChecked(n == slots_.current());
        b->setToolTip(QString::fromStdString(slots_.slot(n).diagram.name));
    }
}

void TFormGraphPg::SpeedButtonClick(int slot) {
    if (reading_) endReading();
    slots_.setCurrent(slot);
    syncSlotButtons();
    refreshPointGrid();
    refreshMetrics();
}

void TFormGraphPg::SpeedButton10Click() {
    if (pointGrid_ == nullptr) {
        pointGrid_ = new TPntGridForm(this);
        connect(pointGrid_, &TPntGridForm::backToViewer, this, [this] {
            raise();
            activateWindow();
        });
    }
    pointGrid_->show();
    pointGrid_->raise();
    refreshPointGrid();
}

void TFormGraphPg::UpDown1Change(int) {
    rescale();
    redraw();
}

void TFormGraphPg::ArithmeticSpBtnClick() { ArithmeticPanel->setVisible(!ArithmeticPanel->isVisible()); }
void TFormGraphPg::CommentsSpBtnClick() { CommentsPanel->setVisible(!CommentsPanel->isVisible()); }
void TFormGraphPg::SpeedButton9Click() { leave(kLeaveEsc); }

void TFormGraphPg::showError(const QString& text) { viewerDialogs().message(this, velmar::Box::Error, text); }

// --- comment labels ---

void TFormGraphPg::CreateSpBtnClick() {
    ++labelNumber_;
    // Text typed while no comment is selected is the new comment's text.
    const QString typed = selectedLabel_ == nullptr ? RxLabelEdit->text() : QString();
    auto* label =
        new CommentLabel(typed.isEmpty() ? viewerTexts().comment.arg(labelNumber_) : typed, canvas_);
    label->setObjectName(QString("Label%1").arg(labelNumber_));
    label->setFont(labelFont_);
    label->adjustSize();
    const int step = 18 * (static_cast<int>(commentLabels().size()) % 10);
    label->move(area_.left + 40, area_.top + 40 + step);
    label->show();
    connect(label, &CommentLabel::selected, this, &TFormGraphPg::selectLabel);
    selectLabel(label);
}

void TFormGraphPg::DestroySpBtnClick() {
    delete selectedLabel_;
    selectedLabel_ = nullptr;
    RxLabelEdit->clear();
}

void TFormGraphPg::selectLabel(CommentLabel* label) {
    if (selectedLabel_ != nullptr) selectedLabel_->setFrameStyle(QFrame::NoFrame);
    selectedLabel_ = label;
    if (label == nullptr) return;
    label->setFrameStyle(QFrame::Box);
    RxLabelEdit->setText(label->text());
    if (CommentsPanel->isVisible()) RxLabelEdit->setFocus();
}

void TFormGraphPg::RxLabelEditChange(const QString& text) {
    if (selectedLabel_ == nullptr) return;
    selectedLabel_->setText(text);
    selectedLabel_->adjustSize();
}

void TFormGraphPg::Font1Click() {
    if (!viewerDialogs().chooseFont(this, labelFont_)) return;
    for (CommentLabel* label : commentLabels()) {
        label->setFont(labelFont_);
        label->adjustSize();
    }
}

void TFormGraphPg::Title1Click() {
    topComments_->show();
    topComments_->raise();
}

void TFormGraphPg::Text1Click() {
    textPad_->show();
    textPad_->raise();
}

}  // namespace velmar::gui
