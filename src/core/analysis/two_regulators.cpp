#include "core/analysis/two_regulators.h"

#include <cmath>

#include "core/analysis/analysis_state.h"
#include "core/analysis/harmonic.h"
#include "core/host.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr std::size_t kMostCoefficients = 31;
const char* const kSystemParameters = "System Parameters";
const char* const kRegulatorsMain = "Regulators Main Calculating";
const char* const kPartNames[] = {"M1", "N1", "M3", "N3"};
const char* const kZeroDenominator = " N1(s) = 0 or N3(s) = 0 ";
const char* const kPresetsCaption = "Sintez of the regulator";
const char* const kBadOrder = " The order is a whole number from 0 to 30 ";
const char* const kNegativeValue = " k, ti and td are not negative ";

Polynomial polynomialOf(const ValueList& page) {
    Polynomial p;
    p.Allocate(static_cast<int>(page.values.size()) - 1);
    for (std::size_t i = 0; i < page.values.size(); ++i)
        p.set(static_cast<int>(i), parseValueText(page.values[i]).value_or(0));
    return p;
}

bool isZero(const Polynomial& p) {
    for (const Real48& c : p.coefficients())
        if (c.get() != 0) return false;
    return true;
}

std::string regulatorLine(const char* name, const Regulator& r) {
    return std::string(name) + ": " + regulatorTypeNames()[static_cast<std::size_t>(r.type)] +
           "  k=" + floatText(r.k) + "  ti=" + floatText(r.ti) + "  td=" + floatText(r.td);
}

}  // namespace

bool askTwoRegulatorPresets(Host& host, TwoRegulatorPresets& presets) {
    std::vector<DialogValue> orders = {
        {"Input W1-M(p) order", static_cast<Extended>(presets.w1Order), false, false, true, {}},
        {"Input W3-M(p) order", static_cast<Extended>(presets.w3Order), false, false, true, {}}};
    const ValueCheck wholeOrders = [](const std::vector<Extended>& v) -> std::string {
        for (const Extended x : v)
            if (x < 0 || x > static_cast<Extended>(kMostCoefficients - 1) || x != std::floor(x))
                return kBadOrder;
        return {};
    };
    if (!AskValues(host, orders, kPresetsCaption, wholeOrders)) return false;
    std::vector<ChoiceRow> type = {
        {"Regulator RG1 type:", regulatorTypeNames(), static_cast<int>(presets.first.type)}};
    if (!host.askChoices(kPresetsCaption, type)) return false;
    // Answered by k, ti and td: "LABEL=VALUE" cannot name a label that ends in "=".
    std::vector<DialogValue> values = {{"k=", presets.first.k, false, false, true, "k"},
                                       {"ti=", presets.first.ti, false, false, true, "ti"},
                                       {"td=", presets.first.td, false, false, true, "td"}};
    const ValueCheck notNegative = [](const std::vector<Extended>& v) -> std::string {
        for (const Extended x : v)
            if (x < 0) return kNegativeValue;
        return {};
    };
    if (!AskValues(host, values, kPresetsCaption, notNegative)) return false;
    presets.w1Order = static_cast<int>(orders[0].value);
    presets.w3Order = static_cast<int>(orders[1].value);
    presets.first = {static_cast<RegulatorType>(type[0].index), values[0].value, values[1].value,
                     values[2].value};
    return true;
}

TransferFunction closedLoop(const TransferFunction& w3, const Regulator& r) {
    const TransferFunction reg = regulatorFunction(r);
    const Polynomial open = reg.A * w3.A;
    return {open, reg.B * w3.B + open};
}

bool askTwoPartPlant(Host& host, TwoPartPlant& plant, const TwoRegulatorPresets& presets) {
    std::vector<ValueList> pages;
    const int orders[] = {presets.w1Order, 2, presets.w3Order, 2};
    for (const char* name : kPartNames) {
        ValueList p;
        p.caption = kSystemParameters;
        p.countLabel = std::string(name) + "(s) order";
        p.countShift = 1;
        p.maxCount = kMostCoefficients;
        p.valueLabel = std::string(name) + " c";
        p.firstIndex = 0;
        p.values.assign(static_cast<std::size_t>(orders[pages.size()]) + 1, p.fill);
        pages.push_back(std::move(p));
    }
    const RowCheck check = [](const std::vector<ValueRow>& rows) -> std::string {
        for (const ValueRow& r : rows) {
            const auto v = parseValueText(r.text);
            if (!v) return kBadNumber;
            const bool order = r.name().find("order") != std::string::npos;
            if (order && (*v < 0 || *v > static_cast<Extended>(kMostCoefficients - 1))) return kBadNumber;
        }
        return {};
    };
    if (!host.askValuePages(pages, check)) return false;
    plant = {{polynomialOf(pages[0]), polynomialOf(pages[1])},
             {polynomialOf(pages[2]), polynomialOf(pages[3])}};
    if (!isZero(plant.w1.B) && !isZero(plant.w3.B)) return true;
    host.message(Box::Error, kZeroDenominator);
    return false;
}

bool askRegulatorTypes(Host& host, RegulatorType& first, RegulatorType& second) {
    std::vector<ChoiceRow> rows = {{"Regulator 1", regulatorTypeNames(), static_cast<int>(first)},
                                   {"Regulator 2", regulatorTypeNames(), static_cast<int>(second)}};
    if (!host.askChoices(kRegulatorsMain, rows)) return false;
    first = static_cast<RegulatorType>(rows[0].index);
    second = static_cast<RegulatorType>(rows[1].index);
    return true;
}

ResultTable regulatorTable(const Regulator& first, const Regulator& second) {
    ResultTable t;
    t.caption = kRegulatorsMain;
    t.columns = {"", "", "k=", "ti=", "td="};
    const std::pair<const char*, const Regulator*> rows[] = {{"Regulator 1", &first},
                                                             {"Regulator 2", &second}};
    for (const auto& [name, r] : rows)
        t.rows.push_back({name, regulatorTypeNames()[static_cast<std::size_t>(r->type)], floatText(r->k),
                          floatText(r->ti), floatText(r->td)});
    return t;
}

void tuneTwoRegulators(Host& host, AnalysisState& state) {
    TwoRegulatorPresets presets;
    if (!askTwoRegulatorPresets(host, presets)) return;
    TwoPartPlant plant;
    if (!askTwoPartPlant(host, plant, presets)) return;
    Regulator first = presets.first, second{RegulatorType::P};
    if (!askRegulatorTypes(host, first.type, second.type)) return;
    FrequencyRange range;
    if (!askKeptFrequencyRange(host, state, range)) return;
    Extended M = kDefaultM;
    if (!askOscillationIndex(host, M)) return;
    // Regulator 2 on the inner plant part, then regulator 1 on the rest.
    const std::pair<Regulator*, const char*> order[] = {{&second, "Regulator 2"}, {&first, "Regulator 1"}};
    for (const auto& [r, name] : order) {
        std::vector<Extended> tis;
        Extended alpha = 0.25L;
        bool showEach = false;
        const bool fixedTi = r == &first && r->type != RegulatorType::P && presets.first.ti > 0;
        if (fixedTi) {
            tis = {presets.first.ti};
            alpha = presets.first.td / presets.first.ti;
        } else if (r->type != RegulatorType::P && !askTiValues(host, name, r->type, tis, alpha, showEach)) {
            return;
        }
        TransferFunction w = plant.w3;
        if (r == &first) {
            const TransferFunction inner = closedLoop(plant.w3, second);
            w = {inner.A * plant.w1.A, inner.B * plant.w1.B};
        }
        bool tuned =
            tuneRegulator(hodographOf(w, range), M, tis, alpha, *r, waitCounter(host), escapeStop(host));
        closeWaitCounter(host);
        if (!tuned && r == &first && presets.first.k > 0 && (r->type == RegulatorType::P || fixedTi)) {
            // M limits no gain: regulator 1 keeps the values given for it.
            const bool pid = r->type == RegulatorType::PID;
            *r = {r->type, presets.first.k, fixedTi ? presets.first.ti : 0, pid ? presets.first.td : 0};
            tuned = true;
        }
        if (!tuned) {
            host.message(Box::Error, std::string(name) + ": " + kCannotSolve);
            return;
        }
    }
    host.report(regulatorLine("Regulator 1", first));
    host.report(regulatorLine("Regulator 2", second));
    host.showTable(regulatorTable(first, second));
}

}  // namespace velmar
