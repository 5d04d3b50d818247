#include "gui/print/preview_form.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "gui/print/print_compose.h"
#include "gui/print/print_page.h"
#include "gui/print/print_prompts.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

namespace {

constexpr int kPanelMargin = 20;

QToolButton* button(const QString& name, const QString& text, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

QComboBox* makeZoomBox(const QString& name, const QStringList& items, const QString& hint, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setToolTip(hint);
    box->setCurrentText("100%");
    return box;
}

}  // namespace

TPrePrnForm::TPrePrnForm(QPrinter& printer, QWidget* parent) : QDialog(parent), printer_(printer) {
    setObjectName("PrePrnForm");
    setWindowTitle("Preview");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    auto* bar = new QHBoxLayout;
    bar->setObjectName("SpeedPanel");
    const struct {
        const char* name;
        const char* text;
        const char* hint;
        void (TPrePrnForm::*slot)();
    } buttons[] = {
        {"ExitBtn", "Exit", "Exit|", nullptr},
        {"PrintBtn", "Print", "Print", nullptr},
        {"PrintSetBtn", "Setup", "Printer Setup", &TPrePrnForm::PrintSetBtnClick},
        {"CopyBtn", "Copy", "Copy to Clipboard", &TPrePrnForm::CopyBtnClick},
        {"PasteBtn", "Paste", "Paste from Clipboard", &TPrePrnForm::PasteBtnClick},
        {"SpeedButton1", "Image editor", "Открыть рисунок в графическом редакторе", nullptr},
    };
    for (const auto& b : buttons) {
        QToolButton* tb = button(b.name, b.text, b.hint, this);
        if (b.slot != nullptr) connect(tb, &QToolButton::clicked, this, b.slot);
        bar->addWidget(tb);
    }
    connect(findChild<QToolButton*>("ExitBtn"), &QToolButton::clicked, this, &QDialog::reject);
    connect(findChild<QToolButton*>("PrintBtn"), &QToolButton::clicked, this, &TPrePrnForm::PrintBtnClick);
    connect(findChild<QToolButton*>("SpeedButton1"), &QToolButton::clicked, this,
            &TPrePrnForm::SpeedButton1Click);

    ZoomComboBox = makeZoomBox("ZoomComboBox",
                               {"150%", "100%", "75%", "50%", "25%", "10%", kPageWidthText, kWholePageText},
                               "Page Zoom", this);
    ComboBox1 =
        makeZoomBox("ComboBox1", {"200%", "150%", "100%", "75%", "50%", "25%", "10%"}, "Object Zoom", this);
    ZoomComboBox->lineEdit()->installEventFilter(this);
    ComboBox1->lineEdit()->installEventFilter(this);
    connect(ZoomComboBox, &QComboBox::activated, this, &TPrePrnForm::ZoomComboBoxCommit);
    connect(ZoomComboBox->lineEdit(), &QLineEdit::editingFinished, this, &TPrePrnForm::ZoomComboBoxCommit);
    connect(ComboBox1, &QComboBox::activated, this, &TPrePrnForm::ComboBox1Commit);
    connect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, this, &TPrePrnForm::ComboBox1Commit);
    bar->addWidget(ZoomComboBox);
    bar->addWidget(ComboBox1);
    bar->addStretch();
    column->addLayout(bar);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    PrePrnPanel = new QWidget;
    PrePrnPanel->setObjectName("PrePrnPanel");
    PrePrnImage = new PreviewPage(*this, PrePrnPanel);
    PrePrnImage->setObjectName("PrePrnImage");
    ScrollBox1->setWidget(PrePrnPanel);
    column->addWidget(ScrollBox1, 1);
    resize(900, 700);
}

void TPrePrnForm::preview(const QImage& picture) {
    setPrintImage(picture);
    showPreview();
    exec();
    setPrintImage(QImage());
}

void TPrePrnForm::setPrintImage(const QImage& picture) {
    ImagePrn = picture;
    scaled_ = picture;
}

void TPrePrnForm::showPreview() {
    page_ = pageInScreenPixels(printer_);
    pageZoom_ = objectZoom_ = 100;
    pageFit_ = velmar::PageZoomChoice::Kind::Percent;
    ZoomComboBox->setCurrentText("100%");
    ComboBox1->setCurrentText("100%");
    scaled_ = ImagePrn;
    placement_ = velmar::initialPlacement(page_.width(), ImagePrn.width(), ImagePrn.height());
    applyPageZoom();
}

void TPrePrnForm::applyPageZoom() {
    const QSize room = ScrollBox1->viewport()->size();
    if (pageFit_ == velmar::PageZoomChoice::Kind::PageWidth)
        pageZoom_ = velmar::fittingZoom(room.width() - 2 * kPanelMargin, page_.width());
    else if (pageFit_ == velmar::PageZoomChoice::Kind::WholePage)
        pageZoom_ = velmar::fittingZoom(room.height() - 2 * kPanelMargin, page_.height());
    pageZoom_ = std::max(pageZoom_, 1);
    const QSize panel(static_cast<int>(page_.width() * pageZoom_ / 100),
                      static_cast<int>(page_.height() * pageZoom_ / 100));
    // A page smaller than the room is centred in it, a larger one sits 20 px in.
    const int x = panel.width() < room.width() ? (room.width() - panel.width()) / 2 : kPanelMargin;
    const int y = panel.height() < room.height() ? (room.height() - panel.height()) / 2 : kPanelMargin;
    PrePrnPanel->resize(std::max(room.width(), panel.width() + 2 * kPanelMargin),
                        std::max(room.height(), panel.height() + 2 * kPanelMargin));
    PrePrnImage->setGeometry(x, y, panel.width(), panel.height());
    drawPage();
}

void TPrePrnForm::drawPage() {
    QImage& page = PrePrnImage->image();
    page = QImage(PrePrnImage->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    page.fill(Qt::white);
    const velmar::Placement shown = placement_.zoomed(pageZoom_);
    const QRect rect(static_cast<int>(std::lround(shown.left)), static_cast<int>(std::lround(shown.top)),
                     static_cast<int>(std::lround(shown.width)), static_cast<int>(std::lround(shown.height)));
    PrePrnImage->setPictureRect(rect);
    if (!scaled_.isNull()) {
        QPainter p(&page);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect, scaled_);
    }
    PrePrnImage->update();
}

void TPrePrnForm::applyObjectZoom(int percent) {
    objectZoom_ = percent;
    scaled_ = ImagePrn.isNull() ? ImagePrn
                                : ImagePrn.scaled(std::max(1, ImagePrn.width() * percent / 100),
                                                  std::max(1, ImagePrn.height() * percent / 100),
                                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    placement_.width = ImagePrn.isNull() ? 0 : scaled_.width();
    placement_.height = ImagePrn.isNull() ? 0 : scaled_.height();
    placement_ = velmar::pulledInside(placement_, page_.width(), page_.height());
    drawPage();
}

void TPrePrnForm::dropPicture(QPoint displayedTopLeft) {
    placement_.left = displayedTopLeft.x() * 100.0 / pageZoom_;
    placement_.top = displayedTopLeft.y() * 100.0 / pageZoom_;
    applyObjectZoom(objectZoom_);
}

void TPrePrnForm::ZoomComboBoxCommit() {
    const velmar::PageZoomChoice choice = velmar::commitPageZoom(ZoomComboBox->currentText().toStdString());
    if (choice.kind == velmar::PageZoomChoice::Kind::Refused) {
        ZoomComboBox->setFocus();
        return;
    }
    ZoomComboBox->setCurrentText(QString::fromStdString(choice.text));
    pageFit_ = choice.kind;
    if (choice.kind == velmar::PageZoomChoice::Kind::Percent) pageZoom_ = choice.percent;
    applyPageZoom();
}

void TPrePrnForm::ComboBox1Commit() {
    const auto percent = velmar::zoomPercent(ComboBox1->currentText().toStdString());
    if (!percent || *percent <= 0) {
        ComboBox1->setFocus();
        return;
    }
    ComboBox1->setCurrentText(QString("%1%").arg(*percent));
    if (*percent != objectZoom_) applyObjectZoom(*percent);
}

bool TPrePrnForm::eventFilter(QObject* watched, QEvent* event) {
    // The page-zoom box takes only digits and Backspace as typed.
    if (watched == ZoomComboBox->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !velmar::pageZoomKeyAccepted(static_cast<char>(text.at(0).toLatin1())))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPrePrnForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyPageZoom();
}

void TPrePrnForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyPageZoom();
}

bool TPrePrnForm::PrintBtnClick() {
    return printAndTell(printer_, this, [this](QPrinter& printer) {
        return printPlaced(printer, ImagePrn, placement_, objectZoom_);
    });
}

void TPrePrnForm::PrintSetBtnClick() {
    printPrompts().setup(printer_, this);
    page_ = pageInScreenPixels(printer_);
    applyPageZoom();
}

void TPrePrnForm::CopyBtnClick() { QApplication::clipboard()->setImage(ImagePrn); }

void TPrePrnForm::PasteBtnClick() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasImage()) return;
    setPrintImage(qvariant_cast<QImage>(data->imageData()));
    showPreview();
}

bool TPrePrnForm::SpeedButton1Click() {
    const QString path = QDir::temp().filePath("velmar-picture.png");
    if (!ImagePrn.save(path, "PNG")) {
        viewerDialogs().message(this, velmar::Box::Error, "Cannot write " + path);
        return false;
    }
    if (printPrompts().openPicture(path)) return true;
    viewerDialogs().message(this, velmar::Box::Error, "No program opens " + path);
    return false;
}

PreviewPage::PreviewPage(TPrePrnForm& form, QWidget* parent) : QWidget(parent), form_(form) {}

void PreviewPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (dragging_) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(focus_);
    }
}

void PreviewPage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !picture_.contains(at)) return;
    dragging_ = true;
    grip_ = at - picture_.topLeft();
    focus_ = picture_;
    update();
}

void PreviewPage::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    focus_.moveTopLeft(event->position().toPoint() - grip_);
    update();
}

void PreviewPage::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return;
    dragging_ = false;
    form_.dropPicture(event->position().toPoint() - grip_);
}

TPrePrnForm& printPreviewForm() {
    static QPointer<TPrePrnForm> form;
    if (form.isNull()) {
        form = new TPrePrnForm(sharedPrinter());
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, form.data(), &QObject::deleteLater);
    }
    return *form;
}

void PrintPreviewScheme(QWidget*, const QImage& printPicture, const velmar::Scheme& scheme) {
    printPreviewForm().preview(composeSchemePrint(printPicture, scheme));
}

void PrinterSetup(QWidget* parent) { printPrompts().setup(sharedPrinter(), parent); }

PrintOutcome PrintScheme(QWidget* parent, const QImage& printPicture, const velmar::Scheme& scheme) {
    return printThroughDialog(sharedPrinter(), parent, [&](QPrinter& printer) {
        return printCentred(printer, composeSchemePrint(printPicture, scheme));
    });
}

}  // namespace velmar::gui
