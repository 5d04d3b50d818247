// The analysis block (60): owns the transfer function W(s) = A(s)/B(s) that the
// analysis methods work on. `Entry` names the element whose output is the studied
// input; 0 selects the polynomials typed in by hand. Its EditParameters is the Solve
// operation, which the run context hands to the analysis dispatcher above the blocks
// (workbench/dispatcher.h). The block has no time behaviour and writes nothing to the
// scheme file.
#pragma once

#include "core/blocks/polynomial_entry.h"
#include "core/model/element.h"
#include "core/model/polynomial.h"

namespace velmar {

class AnalysisBlock : public Element {
public:
    explicit AnalysisBlock(std::uint8_t code);

    std::uint8_t Entry = 0;
    PolynomialEntry hand;  // hand entry: A, B with their "H.y." values; defaults 1
    TransferFunction W;    // replaced at each Solve operation

    void EditParameters(RunContext& ctx) override;
};

}  // namespace velmar
