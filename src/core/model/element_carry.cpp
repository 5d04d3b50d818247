#include "core/model/element_carry.h"

#include <algorithm>

#include "core/model/bytes.h"

namespace velmar {

ElementCarry carryOf(const Scheme& scheme, const Element& e) {
    ElementCarry carry;
    carry.code = e.Code;
    ByteWriter out;
    e.WriteParameters(out);
    carry.record = std::move(out.bytes());
    for (const ParamRec& p : e.Params) carry.marks.push_back(p.Varied);
    carry.label = scheme.Labels[e.Number];
    return carry;
}

void landCarry(Scheme& scheme, int col, int row, const ElementCarry& carry) {
    Element* e = scheme.ElementAt(col, row);
    if (e == nullptr || e->Col != col || e->Row != row || e->Code != carry.code) return;
    if (!carry.record.empty()) {  // an empty record keeps the defaults
        ByteReader in(carry.record);
        e->ReadParameters(in);
    }
    const std::size_t marked = std::min(carry.marks.size(), e->Params.size());
    for (std::size_t i = 0; i < marked; ++i) e->Params[i].Varied = carry.marks[i];
    scheme.Labels[e->Number] = carry.label;
}

}  // namespace velmar
