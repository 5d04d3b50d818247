#include "test_schemes/sketch.h"

#include <stdexcept>

#include "core/blocks/linear.h"
#include "core/blocks/sources.h"

namespace velmar::tools {

namespace {

// The dialog rows of the blocks whose row count follows their degrees: m, n, a0..am,
// b0..bn for the polynomial link; n, a0..an for the polynomial signal generator.
void setPolynomials(PolynomialLink& link, const std::vector<Extended>& rows) {
    const auto m = static_cast<std::size_t>(rows.at(0)), n = static_cast<std::size_t>(rows.at(1));
    if (rows.size() != m + n + 4) throw std::logic_error("polynomial link rows do not match its degrees");
    link.entry.setDegrees(static_cast<int>(m), static_cast<int>(n));
    for (std::size_t i = 0; i <= m; ++i) link.entry.A.set(static_cast<int>(i), rows[2 + i]);
    for (std::size_t i = 0; i <= n; ++i) link.entry.B.set(static_cast<int>(i), rows[3 + m + i]);
}

void setParameters(Element& e, const std::vector<Extended>& rows) {
    if (auto* link = dynamic_cast<PolynomialLink*>(&e); link && !rows.empty())
        return setPolynomials(*link, rows);
    if (auto* signal = dynamic_cast<PolynomialSignal*>(&e); signal && !rows.empty())
        signal->setDegree(static_cast<int>(rows[0]));
    if (rows.size() > e.Params.size())
        throw std::logic_error("too many parameters for " + std::to_string(e.Code));
    for (std::size_t i = 0; i < rows.size(); ++i) e.Params[i].Value = rows[i];
}

}  // namespace

Element& Sketch::put(int code, int col, int row, const std::vector<Extended>& params,
                     std::string_view caption) {
    const int before = scheme_.ElementCount();
    Element& e = draw_.block(code, col, row);
    if (scheme_.ElementCount() != before + 1)
        throw std::logic_error("block " + std::to_string(code) + " erased a neighbour");
    setParameters(e, params);
    if (!caption.empty()) captions_.emplace_back(&e, std::string(caption));
    return e;
}

Element& Sketch::node(int code, int col, int row) {
    const int before = scheme_.ElementCount();
    Element& e = draw_.node(code, col, row);
    if (scheme_.ElementCount() != before + 1)
        throw std::logic_error("node " + std::to_string(code) + " erased a neighbour");
    return e;
}

void Sketch::route(const Element& from, const Element& to, int entry, int turn) {
    const Cell start = out(from);
    const Cell end = in(to, entry);
    if (start.row == end.row) wire({start, end});
    else wire({start, {turn, start.row}, {turn, end.row}, end});
}

void Sketch::finish() {
    for (const auto& [element, caption] : captions_) scheme_.Labels[element->Number] = caption;
}

namespace {
int size(const Element& e) { return e.Code >= 22 ? 3 : 1; }
}  // namespace

Cell out(const Element& e) { return {SchemeDrawing::rightCol(e), SchemeDrawing::middleRow(e)}; }
Cell in(const Element& e, int k) { return {e.Col - 1, size(e) == 3 ? e.Row + k : e.Row}; }
Cell above(const Element& e, int k) { return {size(e) == 3 ? e.Col + k : e.Col, e.Row - 1}; }
Cell below(const Element& e, int k) { return {size(e) == 3 ? e.Col + k : e.Col, e.Row + size(e)}; }

}  // namespace velmar::tools
