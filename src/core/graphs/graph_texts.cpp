#include "core/graphs/graph_texts.h"

#include <array>

namespace velmar {

namespace {

// nullptr: the kind keeps the title it found.
constexpr std::array<const char*, kGraphKindCount> kTitles = {
    " Графики ",
    " Переходный процесс",
    " Фазовая плоскость",
    " А Ф Ч Х ",
    " А Ф Х ",
    " А Ч Х ",
    " Л А Ч Х ",
    " Ф Ч Х ",
    nullptr,
    nullptr,
    " Л А Ч Х ",
    " Гармоническая линеаризация ",
    " Корни на комплексной плоскости ",
    nullptr,
};

constexpr std::array<const char*, kGraphKindCount> kAxisCaptions = {
    "", "", "", "", "", "", "", "", "Re (w) ", "Im (w) ", "", "", "", "Mikhailov's Godograph",
};

}  // namespace

void GraphHeading::applyKind(int kind) {
    if (kind < 0 || kind >= kGraphKindCount) kind = 0;
    const auto k = static_cast<std::size_t>(kind);
    if (kTitles[k] != nullptr) title = kTitles[k];
    axisCaption = kAxisCaptions[k];
}

bool drawsPointMarks(int kind) { return kind == kStemKind || kind == kRootsKind; }

}  // namespace velmar
