// The parameter grid: every block of the scheme with all its parameters in one table,
// and the way a value typed into the table reaches the block.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/catalogue.h"
#include "core/real48.h"

namespace velmar {

class Scheme;
class Workbench;

// One table row: the element number and block name on an element's first row only,
// then a parameter's stored name and value.
struct GridRow {
    std::string number;
    std::string name;
    std::string parameter;
    std::string value;
};

// The rows of every block (codes above 21; nodes and line items are not listed), in
// element order. A block without parameters still gets its own row.
std::vector<GridRow> parameterGridRows(const Scheme& scheme, NameSet names);

// Which parameter an edited row stands for: walking up from the row to the nearest row
// with an element number gives the element, and the rows passed give the parameter's
// index (1 on the element's own row). Nothing when no element row lies above.
struct GridTarget {
    int element = 0;
    int index = 0;
};
std::optional<GridTarget> locateGridEdit(const std::vector<std::string>& numberColumn, int row);

// The letter that types pi into a value cell (P or p), and its text.
inline constexpr const char* kGridPiText = "3.142";

// Stores a typed value into the target parameter through the element's own
// EditParameters, as the grid's transfer value. A cell reads what a value dialog reads
// (readValueText: exponents, the "pi" suffix); a text it refuses changes nothing and
// gives false, and the window shows the refusal when the edit ends.
bool commitGridValue(Workbench& wb, GridTarget target, std::string_view text);

// Stores a value into the target parameter the same way, for the callers that hold a
// number (the command line's overrides and sweeps, the live parameter panel). False
// when the element does not exist.
bool writeParameter(Workbench& wb, GridTarget target, Real48 value);

// Stores `value` into the parameter of element `element` whose dialog row is labelled
// `label`, through the grid's path. Returns what went wrong, or an empty text: no such
// element, no such row, or a block that does not keep the value as given.
std::string setParameterByLabel(Workbench& wb, int element, std::string_view label, Real48 value);

}  // namespace velmar
