#include <algorithm>

#include "core/blocks/linear.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

// The coefficients of z^-j, j = 0 .. order, of p(s) under s = (1 - z^-1) / h:
// p_i s^i contributes p_i C(i, j) (-1)^j / h^i.
std::vector<Real48> differenceCoefficients(const Polynomial& p, Extended h) {
    const int order = p.order();
    std::vector<Extended> sum(static_cast<size_t>(order) + 1, 0.0L);
    Extended hPower = 1;  // h^i
    for (int i = 0; i <= order; ++i) {
        const Extended term = p[i] / hPower;
        Extended binomial = 1;  // C(i, j)
        for (int j = 0; j <= i; ++j) {
            sum[static_cast<size_t>(j)] += (j % 2 == 0 ? term : -term) * binomial;
            binomial = binomial * (i - j) / (j + 1);
        }
        hPower *= h;
    }
    return {sum.begin(), sum.end()};
}

}  // namespace

const PolynomialEntry* LinkPolynomials(const Element& e) {
    const auto* link = dynamic_cast<const PolynomialLink*>(&e);
    return link ? &link->entry : nullptr;
}

void PolynomialLink::SetDefaults() {
    Element::SetDefaults();
    entry.reset(1.0L);
}

void PolynomialLink::EditParameters(RunContext& ctx) {
    GridEdit& pending = ctx.gridEdit;
    if (pending.index != 0) {
        entry.setListed(pending.index, pending.value);
        pending.index = 0;
        return;
    }
    entry.edit(ctx.ui());
}

void PolynomialLink::clearWorkingFields(RunContext& ctx) {
    const bool stateForm = ctx.settings.VariableStep && entry.n() > 0;
    if (stateForm) {
        alpha_.clear();
        beta_.clear();
        inputs_.clear();
        outputs_.clear();
        return;
    }
    alpha_ = differenceCoefficients(entry.A, ctx.run.h);
    beta_ = differenceCoefficients(entry.B, ctx.run.h);
    inputs_.assign(static_cast<size_t>(entry.m()), entry.initialA[0]);
    outputs_.assign(static_cast<size_t>(entry.n()), entry.initialB[0]);
}

void PolynomialLink::Advance(RunContext&) {
    const Element* in = Input();
    if (!in) return;
    const Extended u = in->Output;
    // y' = (sum_j alpha_j u[t-j] - sum_(j>=1) beta_j y[t-j]) / beta_0
    Extended forward = alpha_[0] * u;
    for (size_t j = 1; j < alpha_.size(); ++j) forward += alpha_[j] * inputs_[j - 1];
    Extended feedback = 0;
    for (size_t j = 1; j < beta_.size(); ++j) feedback += beta_[j] * outputs_[j - 1];
    Output = quotient(forward - feedback, beta_[0]);

    if (!inputs_.empty()) {
        std::copy_backward(inputs_.begin(), inputs_.end() - 1, inputs_.end());
        inputs_.front() = u;
    }
    if (!outputs_.empty()) {
        std::copy_backward(outputs_.begin(), outputs_.end() - 1, outputs_.end());
        outputs_.front() = Output;
    }
}

}  // namespace velmar
