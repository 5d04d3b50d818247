// The point-reading cursor of the graph viewer and the magnifier's choice of points.
// The cursor is an index into the current diagram's points 0..count-1.
#pragma once

#include <optional>

#include "core/graphs/viewer_slots.h"

namespace velmar {

enum class CursorKey { Up, Down, Tab, Enter };

// Up: next point, not beyond the last. Down: previous point, not below 0. Tab: a tenth
// of the points forward while that stays inside the diagram. Enter: one point forward,
// one back when on the last point.
int moveCursor(int cursor, int count, CursorKey key);

// The points the magnifier shows for two chosen points, in either order: from the
// lower index up to, not including, the higher one. Nothing when they are less than two
// points apart ("Мало точек").
struct PointRange {
    int first = 0;
    int count = 0;
};
std::optional<PointRange> magnifierRange(int a, int b);

// A copy of the range of a slot's diagram, named "  Лупа".
Slot magnifiedSlot(const Slot& source, PointRange range);

}  // namespace velmar
