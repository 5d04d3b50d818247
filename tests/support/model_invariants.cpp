#include "support/model_invariants.h"

namespace velmar::testing {

namespace {

int sizeOf(int code) { return code >= 22 ? 3 : 1; }

std::string at(int c, int r) { return " at (" + std::to_string(c) + "," + std::to_string(r) + ")"; }

}  // namespace

std::string modelProblem(const Scheme& s) {
    const auto& list = s.ElementList();
    if (list.size() > static_cast<size_t>(kMaxElements)) return "more than 255 elements";
    for (size_t i = 0; i < list.size(); ++i) {
        const Element& e = *list[i];
        if (e.Number != i + 1) return "element numbered " + std::to_string(e.Number) + at(e.Col, e.Row);
        if (i > 0) {
            const Element& p = *list[i - 1];
            if (listPlace(p) >= listPlace(e)) return "list out of order" + at(e.Col, e.Row);
        }
        if (e.Code < 17 || e.Code > 144)
            return "element with code " + std::to_string(e.Code) + at(e.Col, e.Row);
        const int n = sizeOf(e.Code);
        for (int c = e.Col; c < e.Col + n; ++c)
            for (int r = e.Row; r < e.Row + n; ++r)
                if (s.cell(c, r) != e.Code) return "element cell without its code" + at(c, r);
        if (n == 3 && !s.IsBlockCorner(e.Col, e.Row))
            return "element not at a square corner" + at(e.Col, e.Row);
        for (size_t j = 0; j < i; ++j) {
            const Element& o = *list[j];
            const int m = sizeOf(o.Code);
            if (o.Col <= e.Col + n && e.Col <= o.Col + m && o.Row <= e.Row + n && e.Row <= o.Row + m)
                return "elements touch" + at(o.Col, o.Row) + at(e.Col, e.Row);
        }
    }
    for (int c = 0; c < kGridSize; ++c)
        for (int r = 0; r < kGridSize; ++r) {
            const int code = s.cell(c, r);
            if (code > 144) return "code " + std::to_string(code) + at(c, r);
            if (code >= 22) {
                const Cell k = s.ElementCorner(c, r);
                if (!s.IsBlockCorner(k.col, k.row) || c > k.col + 2 || r > k.row + 2)
                    return "block cell outside a whole square" + at(c, r);
            }
            if (code >= 17) {
                const Element* e = s.ElementAt(c, r);
                if (!e || e->Code != code) return "cell without its element" + at(c, r);
            }
        }
    return {};
}

}  // namespace velmar::testing
