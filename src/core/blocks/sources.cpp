#include "sources.h"

#include <cmath>
#include <string>

#include "../model/bytes.h"
#include "../model/value_dialog.h"
#include "../workbench.h"
#include "families.h"

namespace velmar {

RandomInput::RandomInput(std::uint8_t code) : Element(code) { reseed(); }

void RandomInput::reseed() { generator_.seed(std::random_device{}()); }

void RandomInput::EditParameters(Workbench& wb) {
    reseed();
    if (editCatalogueParameters(wb)) Params[1].Value = param(0) / 65535;
}

void RandomInput::ReadParameters(ByteReader& in) {
    Element::ReadParameters(in);  // the scale
    Params[0].Value = Scale() * 65535;
}

void PolynomialSignal::SetDefaults() {
    Params = {{Real48(0), false, "n"}, {Real48(1), false, "a0"}};
}

void PolynomialSignal::setDegree(int n) {
    const std::size_t old = Params.size();
    Params.resize(static_cast<size_t>(n) + 2);
    for (std::size_t i = old; i < Params.size(); ++i)
        Params[i] = {Real48(0), false, "a" + std::to_string(i - 1)};
    Params[0].Value = n;
}

void PolynomialSignal::EditParameters(Workbench& wb) {
    GridEdit& pending = wb.gridEdit;
    if (pending.index != 0) {
        const int k = pending.index;
        pending.index = 0;
        if (k == 1 && degreeProblem(pending.value).empty())
            setDegree(static_cast<int>(std::lround(pending.value.get())));
        else if (k >= 2 && k <= static_cast<int>(Params.size()))
            Params[static_cast<size_t>(k - 1)].Value = pending.value;
        return;
    }
    std::vector<DialogValue> degreeRow = {{"n", param(0), Params[0].Varied, true, true, {}}};
    const ValueCheck whole = [](const std::vector<Extended>& v) { return degreeProblem(v[0]); };
    if (!AskValues(wb.ui(), degreeRow, "Function", whole)) return;
    PolynomialSignal edited(Code);
    edited.Params = Params;
    edited.setDegree(static_cast<int>(std::lround(degreeRow[0].value)));
    edited.Params[0].Varied = degreeRow[0].marked;
    // The coefficients, up to seven rows per dialog.
    for (std::size_t first = 1; first < edited.Params.size(); first += kMaxDialogRows) {
        std::vector<DialogValue> rows;
        for (std::size_t i = first; i < edited.Params.size() && i < first + kMaxDialogRows; ++i)
            rows.push_back({"a" + std::to_string(i - 1), edited.param(static_cast<int>(i)), false,
                            false, true, {}});
        if (!AskValues(wb.ui(), rows, "Function")) return;
        for (std::size_t k = 0; k < rows.size(); ++k) edited.Params[first + k].Value = rows[k].value;
    }
    Params = std::move(edited.Params);
}

// Record: a0, n, a1 .. an (see the class comment). A reader of the older layout (all
// coefficients, then n) meets the same bytes for n = 0.
void PolynomialSignal::WriteParameters(ByteWriter& out) const {
    out.real(Params[1].Value);
    out.real(Params[0].Value);
    for (std::size_t i = 2; i < Params.size(); ++i) out.real(Params[i].Value);
}

void PolynomialSignal::ReadParameters(ByteReader& in) {
    const Real48 a0 = in.real();
    const Extended n = in.real();
    if (!degreeProblem(n).empty()) throw FileError("polynomial signal degree out of range");
    // Read into a scratch element first: a record cut short leaves this one untouched.
    PolynomialSignal read(Code);
    read.Params = Params;
    read.setDegree(static_cast<int>(std::lround(n)));
    read.Params[1].Value = a0;
    for (std::size_t i = 2; i < read.Params.size(); ++i) read.Params[i].Value = in.real();
    Params = std::move(read.Params);
}

std::unique_ptr<Element> createSource(std::uint8_t code) {
    switch (code) {
        case 35: return std::make_unique<RandomInput>(code);
        case 118: return std::make_unique<PolynomialSignal>(code);
        default: return std::make_unique<Element>(code);
    }
}

}  // namespace velmar
