#include "gui/editor/scheme_canvas.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/editor/caption_layout.h"
#include "gui/editor/cell_pictures.h"
#include "gui/editor/colours.h"

namespace velmar::gui {

SchemeCanvas::SchemeCanvas(Workbench& wb, editor::EditorState& state)
    : wb_(wb),
      state_(state),
      image_(editor::kCanvasWidth, editor::kCanvasHeight, QImage::Format_RGB32),
      patch_(editor::kBlockWidth, editor::kBlockHeight, QImage::Format_RGB32) {
    image_.fill(tableColour(Green));
    widget_ = new ImageWidget(image_);
    widget_->setObjectName("ImageMain");
    wb_.scheme.onCellsChanged = [this](int c, int r, int w, int h) { cellsChanged(c, r, w, h); };
}

SchemeCanvas::~SchemeCanvas() {
    wb_.scheme.onCellsChanged = nullptr;
    if (!scrollBox_) delete widget_;
}

void SchemeCanvas::attach(QScrollArea* scrollBox) {
    scrollBox_ = scrollBox;
    scrollBox->setWidget(widget_);
    scrollBox->horizontalScrollBar()->setSingleStep(kCellWidth);
    scrollBox->verticalScrollBar()->setSingleStep(kCellHeight);
}

editor::Viewport SchemeCanvas::viewport() const {
    if (!scrollBox_) return {0, 0, image_.width(), image_.height()};
    const QWidget* vp = scrollBox_->viewport();
    return {scrollBox_->horizontalScrollBar()->value(), scrollBox_->verticalScrollBar()->value(), vp->width(),
            vp->height()};
}

void SchemeCanvas::scrollTo(int x, int y) {
    if (!scrollBox_) return;
    scrollBox_->horizontalScrollBar()->setValue(x);
    scrollBox_->verticalScrollBar()->setValue(y);
}

void SchemeCanvas::update(const QRect& r) {
    if (widget_) widget_->update(r);
}

void SchemeCanvas::savePatch(Cell at) {
    patchAt_ = QPoint(at.col * kCellWidth, at.row * kCellHeight);
    patch_ = image_.copy(QRect(patchAt_, patch_.size()));
    patchSaved_ = true;
}

void SchemeCanvas::restorePatch() {
    // Without the cursor on the canvas the patch may be older than what it covers.
    if (!patchSaved_ || !cursorShown_) return;
    QPainter p(&image_);
    p.drawImage(patchAt_, patch_);
    p.end();
    cursorShown_ = false;
    cursorScreenX_ = patchAt_.x() - viewport().x;
    update(QRect(patchAt_, patch_.size()));
}

void SchemeCanvas::drawCursor(Cell at, std::uint8_t code) {
    const int x = at.col * kCellWidth, y = at.row * kCellHeight;
    QPainter p(&image_);
    pictures_.draw(p, QPoint(x, y), code, Gray, Fuchsia);
    p.end();
    cursorShown_ = true;
    cursorAt_ = at;
    cursorCode_ = code;
    update(QRect(x, y, editor::kBlockWidth, editor::kBlockHeight));
}

void SchemeCanvas::cellsChanged(int col, int row, int cols, int rows) {
    const bool cursor = cursorShown_;
    if (cursor) restorePatch();
    paintScene(QRect(col * kCellWidth, row * kCellHeight, cols * kCellWidth, rows * kCellHeight));
    if (cursor) {
        savePatch(cursorAt_);
        drawCursor(cursorAt_, cursorCode_);
    }
}

void SchemeCanvas::redraw() {
    cursorShown_ = false;
    patchSaved_ = false;
    paintScene(image_.rect());
}

void SchemeCanvas::paintScene(const QRect& clip) {
    QPainter p(&image_);
    p.setClipRect(clip);
    paint(p, clip, false);
    p.end();
    update(clip);
}

QImage SchemeCanvas::printPicture() const {
    QImage picture(image_.size(), QImage::Format_RGB32);
    QPainter p(&picture);
    paint(p, picture.rect(), true);
    return picture;
}

void SchemeCanvas::paint(QPainter& p, const QRect& clip, bool forPrint) const {
    if (forPrint) {
        p.fillRect(clip, Qt::white);
    } else {
        p.fillRect(clip, tableColour(Green));
        if (!background_.isNull()) p.drawImage(0, 0, background_);
    }
    const Mark& m = wb_.scheme.mark;
    if (!forPrint && !m.empty() && state_.regime != editor::Regime::AdvRed)
        p.fillRect(QRect(QPoint(m.left * kCellWidth, m.top * kCellHeight),
                         QPoint(m.right * kCellWidth + 20, m.bottom * kCellHeight + 10)),
                   tableColour(Olive));
    paintCells(p, clip, forPrint);
    if (!forPrint) paintThumbnails(p);
    if (state_.captionsShown) paintCaptions(p, forPrint);
}

namespace {

struct CellColours {
    int background;
    int line;
};

// Inside the mark the keyboard editor fills the cells, the mouse editor draws the
// selected items in silver; a print is black on white.
CellColours cellColours(bool block, bool inside, bool mouseEditor, bool forPrint) {
    if (forPrint) return {White, Black};
    if (block) return {inside && !mouseEditor ? Maroon : Purple, inside && mouseEditor ? Silver : White};
    if (!inside) return {Green, White};
    return mouseEditor ? CellColours{Green, Silver} : CellColours{Olive, Maroon};
}

}  // namespace

void SchemeCanvas::paintCells(QPainter& p, const QRect& clip, bool forPrint) const {
    const Scheme& s = wb_.scheme;
    const Mark& m = s.mark;
    const bool mouseEditor = state_.regime == editor::Regime::AdvRed;
    // A block's picture starts up to two cells before the area it covers.
    const int c1 = std::max(clip.left() / kCellWidth - 2, 0),
              c2 = std::min(clip.right() / kCellWidth, kGridSize - 1);
    const int r1 = std::max(clip.top() / kCellHeight - 2, 0),
              r2 = std::min(clip.bottom() / kCellHeight, kGridSize - 1);
    for (int i = c1; i <= c2; ++i) {
        for (int j = r1; j <= r2; ++j) {
            const std::uint8_t code = s.cell(i, j);
            const bool block = s.IsBlockCorner(i, j);
            if (!block && (code == 0 || isBlockCode(code))) continue;
            const CellColours c = cellColours(block, m.contains(i, j), mouseEditor, forPrint);
            pictures_.draw(p, QPoint(i * kCellWidth, j * kCellHeight), code, c.background, c.line);
        }
    }
    if (forPrint) return;
    for (const Cell& f : s.ConnectErrors)
        pictures_.draw(p, QPoint(f.col * kCellWidth, f.row * kCellHeight), s.cell(f.col, f.row), Navy,
                       Fuchsia);
}

void SchemeCanvas::paintCaptions(QPainter& p, bool forPrint) const {
    using Kind = editor::CanvasCaption::Kind;
    QFont numberFont("DejaVu Sans");
    numberFont.setBold(true);
    numberFont.setPixelSize(7);
    QFont nameFont("DejaVu Sans");
    nameFont.setPixelSize(8);
    QFont labelFont("DejaVu Sans");
    labelFont.setBold(true);
    labelFont.setPointSize(state_.captions.labelFontSize);
    for (const auto& c :
         editor::blockCaptions(wb_.scheme, state_.captions, wb_.names, image_.width(), image_.height())) {
        const QString text = QString::fromStdString(c.text);
        switch (c.kind) {
            case Kind::Number: {
                p.setFont(numberFont);
                const int w = std::max(8, p.fontMetrics().horizontalAdvance(text) + 2);
                const QRect r(c.x, c.y, w, 8);
                if (!forPrint) p.fillRect(r, tableColour(Purple));
                p.setPen(forPrint ? Qt::black : tableColour(White));
                p.drawText(r, Qt::AlignCenter, text);
                break;
            }
            case Kind::Name:
                p.setFont(nameFont);
                p.setPen(forPrint ? Qt::black : tableColour(Yellow));
                p.drawText(QPoint(c.x, c.y + p.fontMetrics().ascent()), text);
                break;
            case Kind::Label: {
                p.setFont(labelFont);
                const QRect r =
                    p.fontMetrics().boundingRect(text).translated(c.x, c.y + p.fontMetrics().ascent());
                p.fillRect(r, forPrint ? Qt::white : tableColour(Green));
                p.setPen(forPrint ? Qt::black : tableColour(White));
                p.drawText(QPoint(c.x, c.y + p.fontMetrics().ascent()), text);
                break;
            }
        }
    }
}

void SchemeCanvas::paintThumbnails(QPainter& p) const {
    if (!wb_.run.ResultsAllocated) return;
    static const int kCurveColours[] = {Yellow, Aqua, White};
    for (const auto& [at, t] : thumbnails_) {
        const std::uint8_t code = wb_.scheme.cell(t.col, t.row);
        if (!blockInfo(code).isRecorder() || !wb_.scheme.IsBlockCorner(t.col, t.row)) continue;
        const QPoint o(t.col * kCellWidth, t.row * kCellHeight);
        p.fillRect(QRect(o, QSize(editor::kBlockWidth, editor::kBlockHeight)), tableColour(Navy));
        p.setPen(tableColour(Silver));
        for (const auto& a : t.axes) p.drawLine(o + QPoint(a.x1, a.y1), o + QPoint(a.x2, a.y2));
        for (std::size_t k = 0; k < t.curves.size(); ++k) {
            p.setPen(tableColour(kCurveColours[k % 3]));
            const auto& curve = t.curves[k];
            for (std::size_t i = 1; i < curve.size(); ++i)
                p.drawLine(o + QPoint(curve[i - 1].first, curve[i - 1].second),
                           o + QPoint(curve[i].first, curve[i].second));
        }
        p.setPen(tableColour(White));
        p.drawRect(QRect(o, QSize(editor::kBlockWidth - 1, editor::kBlockHeight - 1)));
    }
}

void SchemeCanvas::setBackground(const QImage& picture) {
    background_ = picture;
    redraw();
}

void SchemeCanvas::setThumbnail(const Thumbnail& t) {
    thumbnails_[{t.col, t.row}] = t;
    const bool cursor = cursorShown_;
    if (cursor) restorePatch();
    paintScene(QRect(t.col * kCellWidth, t.row * kCellHeight, editor::kBlockWidth, editor::kBlockHeight));
    if (cursor) {
        savePatch(cursorAt_);
        drawCursor(cursorAt_, cursorCode_);
    }
}

void SchemeCanvas::clearThumbnails() { thumbnails_.clear(); }

void SchemeCanvas::drawText(int x, int y, const QString& text) {
    QPainter p(&image_);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(tableColour(White));
    const QRect r = p.fontMetrics().boundingRect(text).translated(x, y + p.fontMetrics().ascent());
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
    p.end();
    update(r.adjusted(-1, -1, 1, 1));
}

}  // namespace velmar::gui
