// The curves the graph viewer shows, as CSV: the header "slot,name,index,x,y", then one
// row per point of every occupied slot in slot order, the name as the legend gives it
// and x and y in 17 significant digits.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/graphs/viewer_slots.h"

namespace velmar {

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a quote, a line
// break or a blank at either end; as it is otherwise.
std::string csvField(std::string_view text);

std::string shownCurvesCsv(const ViewerSlots& viewer);

// Writes the CSV beside `file` and renames it over the file once it is whole. Throws
// FileError.
void writeShownCurvesCsv(const std::filesystem::path& file, const ViewerSlots& viewer);

}  // namespace velmar
