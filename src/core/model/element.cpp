#include "core/model/element.h"

#include <algorithm>
#include <cctype>

#include "core/model/bytes.h"
#include "core/model/compiled.h"
#include "core/model/run_context.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

Element::Element(std::uint8_t code) : Code(code) {}
Element::~Element() = default;

void Element::ReleaseResults() {}
void Element::ShowResults(RunContext&) {}

void Element::BindInputs(int n, const CompiledScheme& compiled) {
    Inputs.fill(nullptr);
    std::vector<int> ones, twos, all;
    for (int i = 1; i <= compiled.N; ++i) {
        const std::uint8_t v = compiled.link(i, n);
        if (v == 0) continue;
        all.push_back(i);
        (v == 2 ? twos : ones).push_back(i);
    }
    auto fill = [&](std::size_t first, const std::vector<int>& feeders, std::size_t slots) {
        for (std::size_t k = 0; k < feeders.size() && first + k < slots; ++k)
            Inputs[first + k] = compiled.Elements[static_cast<size_t>(feeders[k])];
    };
    switch (info().inputs) {
        case InputKind::None: break;
        case InputKind::Single:
            if (!all.empty()) Inputs[0] = compiled.Elements[static_cast<size_t>(all.back())];
            break;
        case InputKind::Three: fill(0, all, 3); break;
        case InputKind::Seven: fill(0, all, 7); break;
        case InputKind::SubtractMinusFirst:  // 18, 19: the subtracted input first
            if (!twos.empty()) Inputs[0] = compiled.Elements[static_cast<size_t>(twos.back())];
            fill(1, ones, 3);
            break;
        case InputKind::SubtractPlusFirst:  // 20: the added input first
            if (!ones.empty()) Inputs[0] = compiled.Elements[static_cast<size_t>(ones.back())];
            fill(1, twos, 3);
            break;
    }
}

bool Element::editCatalogueParameters(RunContext& ctx) {
    const BlockInfo& row = info();
    std::vector<int> visible;
    for (std::size_t i = 0; i < row.params.size() && i < Params.size(); ++i)
        if (!row.params[i].hidden) visible.push_back(static_cast<int>(i));
    if (visible.empty()) return false;
    const int count = static_cast<int>(visible.size());

    // A value typed into the parameter grid is applied without showing the dialog.
    GridEdit& pending = ctx.gridEdit;
    if (pending.index != 0) {
        const int k = pending.index;
        pending.index = 0;
        if (k < 1 || k > count) return false;
        Params[static_cast<size_t>(visible[k - 1])].Value = pending.value;
        return true;
    }
    pending.value = Params[static_cast<size_t>(visible[0])].Value;

    std::vector<DialogValue> rows;
    for (int i : visible) {
        const ParamInfo& p = row.params[static_cast<size_t>(i)];
        const ParamRec& rec = Params[static_cast<size_t>(i)];
        rows.push_back({cutLabel(p.label), rec.Value, rec.Varied, p.markEnabled, true, p.label});
    }
    if (!row.noteRow.empty()) rows.push_back({cutLabel(row.noteRow), 0, false, false, false, row.noteRow});
    if (!AskValues(ctx.ui(), rows)) return false;
    for (int k = 0; k < count; ++k) {
        ParamRec& rec = Params[static_cast<size_t>(visible[static_cast<size_t>(k)])];
        rec.Value = rows[static_cast<size_t>(k)].value;
        rec.Varied = rows[static_cast<size_t>(k)].marked;
    }
    return true;
}

void Element::EditParameters(RunContext& ctx) { editCatalogueParameters(ctx); }

namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

ParameterRef parameterByLabel(Element& e, std::string_view label) {
    const std::vector<ParamInfo>& rows = e.info().params;
    int row = 0;
    for (std::size_t i = 0; i < rows.size() && i < e.Params.size(); ++i) {
        if (rows[i].hidden) continue;
        ++row;
        if (trimmed(rows[i].label) == trimmed(label)) return {&e.Params[i], rows[i].markEnabled, row};
    }
    return {};
}

void Element::SetDefaults() {
    Params.clear();
    for (const ParamInfo& p : info().params) Params.push_back({Real48(p.defaultValue), false, p.storedName});
}

void Element::Advance(RunContext&) {}
void Element::LoadState(int, const StateVector&, RunContext&) {}
void Element::Derivatives(int, const StateVector&, StateVector&, RunContext&) {}
Polynomial Element::Numerator() const { return Polynomial{1}; }
Polynomial Element::Denominator() const { return Polynomial{1}; }
void Element::InitRun(RunContext&) { Output = 0; }

std::string numberedParameterName(const std::string& name, int number) {
    std::string numbered;
    for (char ch : name)
        if (!std::isdigit(static_cast<unsigned char>(ch))) numbered += ch;
    numbered += std::to_string(number);
    if (numbered.size() > 254) numbered.resize(254);
    return numbered;
}

void Element::RegisterParameters(TunedParameters& tuned) {
    for (ParamRec& p : Params)
        if (p.Varied && tuned.add(p, *this)) p.Name = numberedParameterName(p.Name, Number);
}

void Element::FinishRun(RunContext&) {}
void Element::AllocateResults(RunContext&) {}

void Element::WriteParameters(ByteWriter& out) const {
    for (int i : info().fileOrder) out.real(Params[static_cast<size_t>(i)].Value);
}

// A parameter is listed under the label its dialog shows ("H y"), not the name it is
// stored and tuned under ("Nu").
void Element::ListParameters(std::vector<ParameterRow>& rows) const {
    const BlockInfo& row = info();
    for (std::size_t i = 0; i < Params.size(); ++i) {
        if (i < row.params.size() && row.params[i].hidden) continue;
        const std::string name = i < row.params.size() ? cutLabel(row.params[i].label) : Params[i].Name;
        rows.push_back({name, generalText(Params[i].Value, 9, 4)});
    }
}

void Element::ReadParameters(ByteReader& in) {
    for (int i : info().fileOrder) Params[static_cast<size_t>(i)].Value = in.real();
}

Extended Element::DescribingGain(Extended) const { return 0; }
Extended Element::OscillationAmplitude(Extended, Extended, Host&) const { return 0; }
std::uint8_t Element::TypeCode() const { return Code; }
std::string Element::SideText() const { return {}; }
void Element::ReadSideText(std::string_view) {}

}  // namespace velmar
