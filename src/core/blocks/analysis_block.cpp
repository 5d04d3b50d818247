#include "core/blocks/analysis_block.h"

#include "core/blocks/families.h"
#include "core/model/run_context.h"

namespace velmar {

AnalysisBlock::AnalysisBlock(std::uint8_t code) : Element(code) {
    hand.reset(1.0L);
    W = {hand.A, hand.B};
}

void AnalysisBlock::EditParameters(RunContext& ctx) { ctx.SolveAnalysis(*this); }

std::unique_ptr<Element> createAnalysis(std::uint8_t code) { return std::make_unique<AnalysisBlock>(code); }

}  // namespace velmar
