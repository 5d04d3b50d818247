// The base of the links with a transfer function W(s) = Numerator / Denominator that a
// variable-step run integrates through its observable canonical form (state_form.h):
// the link's states are as many as the degree of its Denominator. The linear links
// (linear.h) and the filters (filters.h) are built on it.
#pragma once

#include "core/blocks/state_form.h"
#include "core/model/element.h"

namespace velmar {

class TransferLink : public Element {
public:
    using Element::Element;
    // Output := the link's initial value, working fields cleared, and before a
    // variable-step run the canonical form of Numerator / Denominator prepared.
    void InitRun(RunContext& ctx) override;
    void LoadState(int k, const StateVector& y, RunContext& ctx) override;
    void Derivatives(int k, const StateVector& y, StateVector& dy, RunContext& ctx) override;

protected:
    virtual Extended initialOutput() const { return 0; }
    virtual void clearWorkingFields(RunContext& ctx) = 0;

private:
    StateForm form_;
};

}  // namespace velmar
