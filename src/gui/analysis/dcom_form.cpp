#include "gui/analysis/dcom_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "core/analysis/d_decomposition.h"
#include "gui/analysis/named_label.h"

namespace velmar::gui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QColor qColour(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

TDComForm::TDComForm(const DDecompositionMap& map, bool russian, QWidget* owner)
    : QDialog(owner), map_(map), picture_(kPictureWidth, kPictureHeight, QImage::Format_RGB32) {
    const DDecompositionTexts& texts = DDecompositionTextsFor(russian);
    const AxisLabels axes = axisLabelsOf(map);
    setObjectName("DComForm");
    setWindowTitle(qs(texts.caption));

    auto* outer = new QHBoxLayout(this);
    auto* plane = new QGridLayout;
    // Y's range beside the picture, its end at the top; X's under it.
    plane->addWidget(namedLabel(this, "YEndLabel", qs(axes.yEnd)), 0, 0, Qt::AlignRight | Qt::AlignTop);
    plane->addWidget(namedLabel(this, "YNameLabel", qs(axes.yName)), 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    plane->addWidget(namedLabel(this, "YBeginLabel", qs(axes.yBegin)), 2, 0, Qt::AlignRight | Qt::AlignBottom);
    image_ = new QLabel(this);
    image_->setObjectName("DComImage");
    image_->setFixedSize(kPictureWidth, kPictureHeight);
    image_->installEventFilter(this);
    plane->addWidget(image_, 0, 1, 3, 3);
    plane->addWidget(namedLabel(this, "XBeginLabel", qs(axes.xBegin)), 3, 1, Qt::AlignLeft);
    plane->addWidget(namedLabel(this, "XNameLabel", qs(axes.xName)), 3, 2, Qt::AlignHCenter);
    plane->addWidget(namedLabel(this, "XEndLabel", qs(axes.xEnd)), 3, 3, Qt::AlignRight);
    auto* values = new QHBoxLayout;
    values->addWidget(new QLabel(qs(axes.xName) + " =", this));
    xValue_ = namedLabel(this, "XValueLabel", QString());
    xValue_->setMinimumWidth(80);
    values->addWidget(xValue_);
    values->addWidget(new QLabel(qs(axes.yName) + " =", this));
    yValue_ = namedLabel(this, "YValueLabel", QString());
    yValue_->setMinimumWidth(80);
    values->addWidget(yValue_);
    values->addStretch(1);
    plane->addLayout(values, 4, 1, 1, 3);
    outer->addLayout(plane);

    auto* legend = new QGroupBox(qs(texts.legend), this);
    legend->setObjectName("LegendPanel");
    auto* rows = new QGridLayout(legend);
    rows->addWidget(namedLabel(legend, "RightRootsLabel", qs(texts.rightRoots)), 0, 0, 1, 2);
    int row = 1;
    // The rows are named by their place, for the interface language's texts.
    for (const LegendRow& r : legendRows(russian)) {
        auto* swatch = new QLabel(legend);
        swatch->setFixedSize(28, 14);
        swatch->setStyleSheet(
            QString("background-color: %1; border: 1px solid black;").arg(qColour(r.colour).name()));
        rows->addWidget(swatch, row, 0);
        rows->addWidget(namedLabel(legend, qPrintable(QString("LegendCaption%1").arg(row - 1)), qs(r.caption)), row, 1);
        ++row;
    }
    rows->setRowStretch(row, 1);
    outer->addWidget(legend);

    paintMap();
}

void TDComForm::paintMap() {
    picture_.fill(Qt::lightGray);
    QPainter p(&picture_);
    p.setPen(Qt::NoPen);
    for (const PaintedCell& c : paintedCells(map_, kPictureWidth, kPictureHeight))
        p.fillRect(c.left, c.top, c.width, c.height, qColour(c.colour));
    p.end();
    image_->setPixmap(QPixmap::fromImage(picture_));
}

void TDComForm::readOutAt(QPoint at) {
    const ReadOut r = ReadOutAt(map_, kPictureWidth, kPictureHeight, at.x(), at.y());
    xValue_->setText(qs(r.xText));
    yValue_->setText(qs(r.yText));
}

bool TDComForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != image_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) tracking_ = true;
            break;
        case QEvent::MouseMove:
            if (tracking_) readOutAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) tracking_ = false;
            break;
        default: break;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmar::gui
