// The drawing area: the 1890 x 990 image `ImageMain` on which the scheme is drawn, the
// cursor patch `ImageTmp`, and the widget that shows the image inside the scroll box.
//
// A full redraw walks every cell; a change reported by the scheme model repaints just
// the changed cells (the same drawing, clipped), taking the cursor off and putting it
// back around it. A cursor move restores one patch and saves another.
#pragma once

#include <QImage>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>
#include <map>
#include <utility>

#include "core/editor/editor_state.h"
#include "core/editor/editor_view.h"
#include "core/host.h"
#include "core/workbench/workbench.h"
#include "gui/editor/image_widget.h"
#include "gui/editor/picture_cache.h"

namespace velmar::gui {

class SchemeCanvas : public editor::EditorView {
public:
    SchemeCanvas(Workbench& wb, editor::EditorState& state);
    ~SchemeCanvas() override;

    // Places the image widget into the scroll box and starts listening to the scheme.
    void attach(QScrollArea* scrollBox);
    ImageWidget* widget() const { return widget_; }
    const QImage& image() const { return image_; }

    // --- EditorView ---
    editor::Viewport viewport() const override;
    void scrollTo(int x, int y) override;
    void savePatch(Cell at) override;
    void restorePatch() override;
    void drawCursor(Cell at, std::uint8_t code) override;
    void redraw() override;

    bool cursorShown() const { return cursorShown_; }
    // The cursor's x on the screen (its canvas x minus the scroll position), as it was
    // when the patch was last restored.
    int cursorScreenX() const { return cursorScreenX_; }

    // A picture shown under the scheme instead of the green background; a null image
    // removes it.
    void setBackground(const QImage& picture);
    // A recorder's thumbnail, drawn in its square until the results are released.
    void setThumbnail(const Thumbnail& thumbnail);
    void clearThumbnails();
    // A text written onto the canvas by an analysis.
    void drawText(int x, int y, const QString& text);

    // The scheme drawn anew for print, black on white over the whole canvas: the cells,
    // numbers, names and labels, without the cursor, the mark, the fault cells, the
    // thumbnails or a background picture.
    QImage printPicture() const;

private:
    void cellsChanged(int col, int row, int cols, int rows);
    void paintScene(const QRect& clip);
    void paint(QPainter& p, const QRect& clip, bool forPrint) const;
    void paintCells(QPainter& p, const QRect& clip, bool forPrint) const;
    void paintCaptions(QPainter& p, bool forPrint) const;
    void paintThumbnails(QPainter& p) const;
    void update(const QRect& r);

    Workbench& wb_;
    editor::EditorState& state_;
    QImage image_;
    QImage patch_;  // ImageTmp
    QPoint patchAt_;
    bool patchSaved_ = false;
    bool cursorShown_ = false;
    Cell cursorAt_{editor::kCursorMin, editor::kCursorMin};
    std::uint8_t cursorCode_ = 0;
    int cursorScreenX_ = 0;
    QImage background_;
    mutable PictureCache pictures_;  // a cache: filling it does not change what is drawn
    std::map<std::pair<int, int>, Thumbnail> thumbnails_;
    ImageWidget* widget_ = nullptr;
    QPointer<QScrollArea> scrollBox_;
};

}  // namespace velmar::gui
