#include "core/blocks/linear.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

std::vector<Extended> coefficientsOf(const Polynomial& p) {
    std::vector<Extended> c;
    for (int i = 0; i <= p.order(); ++i) c.push_back(p[i]);
    return c;
}

// A link at rest at `value`: the previous point's value, every higher difference 0.
std::vector<Extended> atRest(int count, Extended value) {
    std::vector<Extended> differences(static_cast<size_t>(count), 0.0L);
    if (count > 0) differences.front() = value;
    return differences;
}

}  // namespace

const PolynomialEntry* linkPolynomials(const Element& e) {
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
        a_.clear();
        b_.clear();
        inputDifferences_.clear();
        outputDifferences_.clear();
        return;
    }
    h_ = ctx.run.h;
    a_ = coefficientsOf(entry.A);
    b_ = coefficientsOf(entry.B);
    // sum b_i h^(n-i), by Horner's scheme in h from b_0 up.
    lead_ = 0;
    for (const Extended b : b_) lead_ = lead_ * h_ + b;
    inputDifferences_ = atRest(entry.m(), entry.initialA[0]);
    outputDifferences_ = atRest(entry.n(), entry.initialB[0]);
}

void PolynomialLink::Advance(RunContext&) {
    const Element* in = Input();
    if (!in) return;
    // A(s) u with s^i u the i-th difference of the input at this point, each found from
    // the one below it and the previous point's, which it then replaces.
    Extended difference = in->Output;
    Extended forward = a_[0] * difference;
    for (size_t i = 1; i < a_.size(); ++i) {
        Extended& previous = inputDifferences_[i - 1];
        const Extended next = (difference - previous) / h_;
        previous = difference;
        difference = next;
        forward += a_[i] * difference;
    }
    // The output's differences at this point are d_i = p_i + h d_(i+1), p_i those of the
    // previous point. With q_n = 0, q_i = p_i + h q_(i+1) they are d_i = q_i + h^(n-i) d_n,
    // and B(s) y = forward gives d_n = (forward - sum b_i q_i) / sum b_i h^(n-i).
    Extended carried = 0, known = 0;
    for (size_t i = outputDifferences_.size(); i-- > 0;) {
        carried = outputDifferences_[i] + h_ * carried;
        known += b_[i] * carried;
    }
    difference = quotient(forward - known, lead_);
    for (size_t i = outputDifferences_.size(); i-- > 0;) {
        difference = outputDifferences_[i] + h_ * difference;
        outputDifferences_[i] = difference;
    }
    Output = difference;
}

}  // namespace velmar
