// The cell pictures a canvas draws again and again. Each code's picture in a pair of
// colours is painted once and then copied: a full redraw of a filled grid copies a few
// thousand small images instead of painting every wire, face and face text anew. The
// copies are the pixels drawCellPicture paints (its pictures depend on the code and the
// colours alone, use no other colour and stay inside their area).
#pragma once

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <unordered_map>

class QPainter;

namespace velmar::gui {

class PictureCache {
public:
    // Draws the picture of `code` with its top-left corner at `topLeft`, as
    // drawCellPicture would.
    void draw(QPainter& painter, QPoint topLeft, int code, int backgroundIndex, int lineIndex);

private:
    const QImage& picture(int code, int backgroundIndex, int lineIndex);

    std::unordered_map<std::uint32_t, QImage> pictures_;
};

}  // namespace velmar::gui
