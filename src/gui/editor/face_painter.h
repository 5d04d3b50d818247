// Draws a block face from its layout (face_layouts.h) into the 62 x 32 picture whose
// top-left corner is the painter's origin. Used by the cell painter only.
#pragma once

#include <QRect>

#include <vector>

class QPainter;

namespace velmar::gui {

// Draws the frame, the shapes and the face texts of `code` with the painter's pen.
void drawBlockFace(QPainter& painter, int code);

// Where the face texts of `code` land: the rectangle covering each text's ink, in face
// text order; an empty rectangle for a text the layout could not place.
std::vector<QRect> faceTextBounds(int code);

}  // namespace velmar::gui
