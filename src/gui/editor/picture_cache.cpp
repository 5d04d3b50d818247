#include "gui/editor/picture_cache.h"

#include <QPainter>

#include "gui/editor/cell_pictures.h"

namespace velmar::gui {

const QImage& PictureCache::picture(int code, int backgroundIndex, int lineIndex) {
    const std::uint32_t key = static_cast<std::uint32_t>(code & 0xff) |
                              static_cast<std::uint32_t>(backgroundIndex & 0xff) << 8 |
                              static_cast<std::uint32_t>(lineIndex & 0xff) << 16;
    auto [at, made] = pictures_.try_emplace(key);
    if (made) {
        at->second = QImage(cellPictureSize(code), QImage::Format_RGB32);
        QPainter painter(&at->second);
        drawCellPicture(painter, QPoint(0, 0), code, backgroundIndex, lineIndex);
    }
    return at->second;
}

void PictureCache::draw(QPainter& painter, QPoint topLeft, int code, int backgroundIndex, int lineIndex) {
    painter.drawImage(topLeft, picture(code, backgroundIndex, lineIndex));
}

}  // namespace velmar::gui
