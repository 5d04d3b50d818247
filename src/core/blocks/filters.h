// The first-order filters and the filters built of first-order stages.
//
// Two stage kinds, each advanced by the backward-Euler rule with its own output and
// previous input:
//   low-pass I   k / (s/Wo + 1):          y' = (k u + y/(Wo h)) / (1/(Wo h) + 1)
//   high-pass I  (k/Wo) s / (s/Wo + 1):   y' = ((k/Wo)(u - u_prev)/h + y/(Wo h)) / (1/(Wo h) + 1)
// The filters:
//   138 low-pass I, 140 high-pass I: one stage;
//   141 high-pass II: two high-pass stages with the same k and Wo in cascade;
//   142 band-pass: high-pass (k, W1) on u, then low-pass (1, W2) on its output;
//   143 band-stop: low-pass (k, W1) and high-pass (k, W2), both on u, summed.
// A zero Wo, W1 or W2 raises the division-by-zero fault.
#pragma once

#include <array>

#include "core/blocks/transfer_link.h"

namespace velmar {

class StageFilter : public TransferLink {
public:
    using TransferLink::TransferLink;
    void Advance(RunContext& ctx) override;
    Polynomial Numerator() const override;
    Polynomial Denominator() const override;

    struct Stage {
        Real48 output;
        Real48 previousInput;
        Extended lowPass(Extended k, Extended Wo, Extended u, Extended h);
        Extended highPass(Extended k, Extended Wo, Extended u, Extended h);
    };

protected:
    void clearWorkingFields(RunContext&) override { stages_ = {}; }

private:
    std::array<Stage, 2> stages_{};
};

// Band-pass (142) and band-stop (143): their dialog insists on W1 < W2.
class BandFilter : public StageFilter {
public:
    using StageFilter::StageFilter;
    void EditParameters(RunContext& ctx) override;
};

}  // namespace velmar
