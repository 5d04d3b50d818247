#include "core/blocks/transfer_link.h"

#include "core/model/run_context.h"

namespace velmar {

void TransferLink::InitRun(RunContext& ctx) {
    Output = initialOutput();
    clearWorkingFields(ctx);
    if (ctx.settings.VariableStep && Denominator().order() > 0) form_.prepare(Numerator(), Denominator());
}

void TransferLink::LoadState(int k, const StateVector& y, RunContext&) {
    Output = form_.output(k, y, Input() ? Input()->Output.get() : 0.0L);
}

void TransferLink::Derivatives(int k, const StateVector& y, StateVector& dy, RunContext&) {
    if (Input()) {
        form_.rates(k, y, Input()->Output, dy);
        return;
    }
    for (int i = 0; i < form_.order(); ++i) dy[static_cast<size_t>(k + i)] = 0.0L;
}

}  // namespace velmar
