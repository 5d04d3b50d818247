#include "core/graphs/point_cursor.h"

#include <algorithm>
#include <utility>

namespace velmar {

int moveCursor(int cursor, int count, CursorKey key) {
    if (count <= 0) return 0;
    const int last = count - 1;
    cursor = std::clamp(cursor, 0, last);
    switch (key) {
        case CursorKey::Up: return std::min(cursor + 1, last);
        case CursorKey::Down: return std::max(cursor - 1, 0);
        case CursorKey::Tab: {
            const int jump = count / 10;
            return cursor + jump <= last ? cursor + jump : cursor;
        }
        case CursorKey::Enter: return cursor == last ? std::max(cursor - 1, 0) : cursor + 1;
    }
    return cursor;
}

std::optional<PointRange> magnifierRange(int a, int b) {
    if (a > b) std::swap(a, b);
    if (b - a < 2) return std::nullopt;
    return PointRange{a, b - a};
}

Slot magnifiedSlot(const Slot& source, PointRange range) {
    const int first = std::clamp(range.first, 0, source.count());
    const int end = std::clamp(range.first + range.count, first, source.count());
    std::vector<Real48> x(source.diagram.x + first, source.diagram.x + end);
    std::vector<Real48> y(source.diagram.y + first, source.diagram.y + end);
    return ownedSlot(std::move(x), std::move(y), end - first, kMagnifierName);
}

}  // namespace velmar
