#include "core/grid/parameter_grid.h"

#include "core/model/scheme.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"
#include "core/workbench/workbench.h"

namespace velmar {

std::vector<GridRow> parameterGridRows(const Scheme& scheme, NameSet names) {
    std::vector<GridRow> rows;
    std::vector<ParameterRow> params;
    for (const auto& e : scheme.ElementList()) {
        if (e->info().isNode()) continue;
        params.clear();
        e->ListParameters(params);
        GridRow first{std::to_string(e->Number), blockName(e->Code, names), {}, {}};
        if (params.empty()) {
            rows.push_back(std::move(first));
            continue;
        }
        for (std::size_t i = 0; i < params.size(); ++i) {
            GridRow row = i == 0 ? first : GridRow{};
            row.parameter = params[i].name;
            row.value = params[i].value;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::optional<GridTarget> locateGridEdit(const std::vector<std::string>& numberColumn, int row) {
    if (row < 0 || row >= static_cast<int>(numberColumn.size())) return std::nullopt;
    for (int r = row; r >= 0; --r) {
        const std::string& number = numberColumn[static_cast<std::size_t>(r)];
        if (number.empty()) continue;
        const auto value = parseNumber(number);
        if (!value) return std::nullopt;
        return GridTarget{static_cast<int>(*value), row - r + 1};
    }
    return std::nullopt;
}

bool commitGridValue(Workbench& wb, GridTarget target, std::string_view text) {
    const auto value = readValueText({}, text).value;
    return value && writeParameter(wb, target, *value);
}

bool writeParameter(Workbench& wb, GridTarget target, Real48 value) {
    if (target.element < 1 || target.element > wb.scheme.ElementCount()) return false;
    wb.gridEdit.value = value;
    wb.gridEdit.index = target.index;
    wb.scheme.element(target.element).EditParameters(wb);
    wb.gridEdit.index = 0;
    return true;
}

std::string setParameterByLabel(Workbench& wb, int element, std::string_view label, Real48 value) {
    if (element < 1 || element > wb.scheme.ElementCount())
        return "the scheme has no element " + std::to_string(element);
    Element& e = wb.scheme.element(element);
    const ParameterRef ref = parameterByLabel(e, label);
    if (!ref.param)
        return "element " + std::to_string(element) + " has no parameter \"" + std::string(label) + "\"";
    writeParameter(wb, {element, ref.row}, value);
    // Blocks with a dialog of their own (polynomials, tables) number their rows
    // differently: a value that did not arrive is refused rather than put elsewhere.
    if (!(ref.param->Value == value))
        return "element " + std::to_string(element) + " does not take \"" + std::string(label) +
               "\" from the command line";
    return {};
}

}  // namespace velmar
