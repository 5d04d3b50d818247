#include "gui/editor/cell_metrics.h"

namespace velmar::gui {

QFont canvasFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);  // even spacing at a few pixels
    return font;
}

}  // namespace velmar::gui
