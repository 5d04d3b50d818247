// Sources and signal generators.
#pragma once

#include <random>

#include "../model/element.h"

namespace velmar {

// Random input (35): R is shown in the dialog, its scale R/65535 is what the scheme
// file keeps. Each block has its own generator, reseeded by its dialog.
class RandomInput : public Element {
public:
    explicit RandomInput(std::uint8_t code);
    void EditParameters(Workbench& wb) override;
    void ReadParameters(ByteReader& in) override;
    Extended Scale() const { return param(1); }
    void reseed();

protected:
    std::mt19937 generator_;
};

// Polynomial signal generator (118): y = a0 + a1 t + ... + an t^n. Params[0] is n,
// Params[1..n+1] are a0..an.
//
// Scheme file layout: a0, n, a1, ..., an (6-byte reals). For n = 0 this is the layout
// of earlier versions (a0, then n); putting n second lets a reader know how many
// coefficients follow, which the older layout (all coefficients, then n) did not.
class PolynomialSignal : public Element {
public:
    using Element::Element;
    void EditParameters(Workbench& wb) override;
    void SetDefaults() override;
    void WriteParameters(ByteWriter& out) const override;
    void ReadParameters(ByteReader& in) override;

    int degree() const { return static_cast<int>(Params.size()) - 2; }
    void setDegree(int n);  // coefficients keep their index; added ones start at 0
};

}  // namespace velmar
