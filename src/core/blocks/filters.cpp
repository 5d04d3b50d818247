#include "core/blocks/filters.h"

#include "core/blocks/linear_messages.h"
#include "core/model/run_context.h"

namespace velmar {

Extended StageFilter::Stage::lowPass(Extended k, Extended Wo, Extended u, Extended h) {
    const Extended wh = Wo * h;
    output = (k * u + quotient(output, wh)) / (quotient(1, wh) + 1);
    previousInput = u;
    return output;
}

Extended StageFilter::Stage::highPass(Extended k, Extended Wo, Extended u, Extended h) {
    const Extended wh = Wo * h;
    output = (quotient(k, Wo) * (u - previousInput) / h + quotient(output, wh)) / (quotient(1, wh) + 1);
    previousInput = u;
    return output;
}

void StageFilter::Advance(RunContext& ctx) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output, h = ctx.run.h, k = param(0);
    switch (Code) {
        case 138: Output = stages_[0].lowPass(k, param(1), u, h); break;
        case 140: Output = stages_[0].highPass(k, param(1), u, h); break;
        case 141: {
            const Extended first = stages_[0].highPass(k, param(1), u, h);
            Output = stages_[1].highPass(k, param(1), first, h);
            break;
        }
        case 142: {
            const Extended first = stages_[0].highPass(k, param(1), u, h);
            Output = stages_[1].lowPass(1, param(2), first, h);
            break;
        }
        case 143: {
            const Extended low = stages_[0].lowPass(k, param(1), u, h);
            Output = low + stages_[1].highPass(k, param(2), u, h);
            break;
        }
    }
}

Polynomial StageFilter::Numerator() const {
    const Extended k = param(0);
    switch (Code) {
        case 140: return Polynomial{0, quotient(k, param(1))};
        case 141: {
            const Extended kw = quotient(k, param(1));
            return Polynomial{0, 0, kw * kw};
        }
        case 142: return Polynomial{0, quotient(k, param(1))};
        case 143: {
            const Extended W1 = param(1), W2 = param(2);
            return Polynomial{k, quotient(2 * k, W2), quotient(k, W1 * W2)};
        }
        default: return Polynomial{k};  // 138
    }
}

Polynomial StageFilter::Denominator() const {
    const Extended W1 = param(1);
    switch (Code) {
        case 138:
        case 140: return Polynomial{1, quotient(1, W1)};
        case 141: return Polynomial{1, quotient(2, W1), quotient(1, W1 * W1)};
        default: {  // 142, 143: (s/W1 + 1)(s/W2 + 1)
            const Extended W2 = param(2);
            return Polynomial{1, quotient(1, W1) + quotient(1, W2), quotient(1, W1 * W2)};
        }
    }
}

void BandFilter::EditParameters(RunContext& ctx) {
    if (editCatalogueParameters(ctx) && param(1) >= param(2)) ctx.ui().message(Box::Error, kErrorInInputData);
}

}  // namespace velmar
