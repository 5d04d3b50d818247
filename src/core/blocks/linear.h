// Linear dynamic links: the element types with a transfer function.
#pragma once

#include "../model/element.h"
#include "polynomial_entry.h"

namespace velmar {

// The user polynomial link (28) and its twin, the correction link (46), which is the
// same type and reports 28.
class PolynomialLink : public Element {
public:
    using Element::Element;
    void EditParameters(Workbench& wb) override;
    void SetDefaults() override;
    Polynomial Numerator() const override { return entry.A; }
    Polynomial Denominator() const override { return entry.B; }
    void WriteParameters(ByteWriter& out) const override { entry.write(out); }
    void ListParameters(std::vector<ParameterRow>& rows) const override { entry.list(rows); }
    void ReadParameters(ByteReader& in) override { entry.read(in); }
    std::uint8_t TypeCode() const override { return 28; }

    PolynomialEntry entry;
};

// Band-pass (142) and band-stop (143) filters: their dialog insists on W1 < W2.
class BandFilter : public Element {
public:
    using Element::Element;
    void EditParameters(Workbench& wb) override;
};

}  // namespace velmar
