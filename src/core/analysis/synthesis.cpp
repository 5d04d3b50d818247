#include "core/analysis/synthesis.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "core/analysis/analysis_state.h"
#include "core/analysis/harmonic.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr int kHodographGraph = 3;
constexpr int kPlainGraph = 0;
constexpr long kMostTi = 1000;
const char* const kWaitCaption = "Я думаю !!!";
const char* const kWaitLabel = "Iteration";
const char* const kTiCountLabel = "Задайте кол-во значений Тi";
const char* const kTiShowEach = "Визуализировать графики для каждого значения Тi";
const char* const kBadTiRange = " Ti beg > 0, Ti end >= Ti beg, Ti step > 0 ";

Diagram diagramOf(const std::vector<Real48>& x, const std::vector<Real48>& y, const char* name) {
    return {x.data(), y.data(), static_cast<int>(x.size()), name};
}

// The hodograph with its touching circle and tangent, and the texts beside them.
void showTouch(Host& host, const Hodograph& h, const MCircleTouch& touch, Extended M,
               std::vector<std::string> texts) {
    const Curve circle = circleCurve(touch), tangent = tangentCurve(touch, M);
    Diagrams slots;
    slots[0] = diagramOf(h.re, h.im, "Godograf");
    slots[1] = diagramOf(circle.x, circle.y, "Okrujnosti");
    slots[2] = diagramOf(tangent.x, tangent.y, "Line m");
    const std::vector<std::string> circleTexts = CircleTexts(touch);
    texts.insert(texts.begin(), circleTexts.begin(), circleTexts.end());
    host.showGraphWithTexts(slots, kHodographGraph, texts);
}

// The Ti to tune over: a range, or the list of the Ti values window (whose check box
// asks for every Ti's hodograph). False when cancelled.
}  // namespace

bool askTiValues(Host& host, std::string_view caption, RegulatorType type, std::vector<Extended>& tis,
                 Extended& alpha, bool& showEach) {
    std::vector<ChoiceRow> source = {{"Ti", {"range", "list"}, 0}};
    if (!host.askChoices(caption, source)) return false;
    const bool pid = type == RegulatorType::PID;
    if (source[0].index == 0) {
        std::vector<DialogValue> rows = {{"Ti beg", 0.5L, false, false, true, {}},
                                         {"Ti end", 5, false, false, true, {}},
                                         {"Ti step", 0.5L, false, false, true, {}}};
        if (pid) rows.push_back({"alifa-dif", alpha, false, false, true, {}});
        const ValueCheck check = [](const std::vector<Extended>& v) -> std::string {
            if (!(v[0] > 0) || v[1] < v[0] || !(v[2] > 0)) return kBadTiRange;
            if ((v[1] - v[0]) / v[2] >= kMostTi) return " Too many Ti: take a larger step ";
            return {};
        };
        if (!AskValues(host, rows, caption, check)) return false;
        tis = tiRange(rows[0].value, rows[1].value, rows[2].value);
        if (pid) alpha = rows[3].value;
        showEach = false;
        return true;
    }
    std::vector<ValueList> pages(1);
    ValueList& list = pages[0];
    list.caption = kTiValuesCaption;
    list.countLabel = kTiCountLabel;
    list.valueLabel = "Ti";
    list.values = {"1", "2", "3", "4"};
    list.checkLabel = kTiShowEach;
    const RowCheck check = [](const std::vector<ValueRow>& rows) -> std::string {
        for (const ValueRow& r : rows) {
            const auto v = parseValueText(r.text);
            if (!v || (r.name().rfind("Ti", 0) == 0 && !(*v > 0))) return kBadNumber;
        }
        return {};
    };
    if (!host.askValuePages(pages, check)) return false;
    tis.clear();
    for (const std::string& text : list.values) tis.push_back(parseValueText(text).value_or(0));
    showEach = list.checked;
    if (pid) {
        std::vector<DialogValue> rows = {{"alifa-dif", alpha, false, false, true, {}}};
        if (!AskValues(host, rows)) return false;
        alpha = rows[0].value;
    }
    return true;
}

std::string numberTextProblem(std::string_view text, bool editing) {
    if (parseValueText(text)) return {};
    return editing ? kBadNumberWhileEditing : kBadNumber;
}

const std::vector<std::string>& regulatorTypeNames() {
    static const std::vector<std::string> names = {"P    regulator", "PI   regulator", "PID regulator"};
    return names;
}

TransferFunction regulatorFunction(const Regulator& r) {
    switch (r.type) {
        case RegulatorType::P: return {Polynomial{r.k}, Polynomial{1}};
        case RegulatorType::PI: return {Polynomial{r.k, r.k * r.ti}, Polynomial{0, r.ti}};
        case RegulatorType::PID: return {Polynomial{r.k, r.k * r.ti, r.k * r.ti * r.td}, Polynomial{0, r.ti}};
    }
    return {};
}

Hodograph hodographOf(const TransferFunction& w, const FrequencyRange& range) {
    const FrequencySplit split(w);
    Hodograph h;
    const Extended end = range.end, step = range.step;
    for (Real48 omega = gridStart(range.begin); omega < end; omega = omega + step) {
        const Extended den = split.Den.Evaluate(omega);
        if (den == 0) continue;
        h.omega.push_back(omega);
        h.re.emplace_back(split.ReNum.Evaluate(omega) / den);
        h.im.emplace_back(split.ImNum.Evaluate(omega) / den);
    }
    return h;
}

Hodograph withRegulator(const Hodograph& w, RegulatorType type, Extended ti, Extended td) {
    if (type == RegulatorType::P) return w;
    Hodograph h;
    h.omega = w.omega;
    for (std::size_t k = 0; k < w.omega.size(); ++k) {
        const Extended omega = w.omega[k];
        const std::complex<Extended> r(1, omega * td - 1 / (omega * ti));
        const std::complex<Extended> v = r * std::complex<Extended>(w.re[k], w.im[k]);
        h.re.emplace_back(v.real());
        h.im.emplace_back(v.imag());
    }
    return h;
}

std::vector<Extended> tiRange(Extended begin, Extended end, Extended step) {
    std::vector<Extended> tis;
    const long n = static_cast<long>(std::floor((end - begin) / step * (1 + 1e-12L)));
    for (long k = 0; k <= n; ++k) tis.push_back(begin + step * k);
    return tis;
}

TiSweep tuneOverTi(const Hodograph& w, Extended M, RegulatorType type, const std::vector<Extended>& tis,
                   Extended alpha, const std::function<void(int)>& iteration,
                   const std::function<bool()>& stop) {
    TiSweep sweep;
    for (std::size_t i = 0; i < tis.size() && !sweep.stopped; ++i) {
        const Extended ti = tis[i];
        const Hodograph h = withRegulator(w, type, ti, type == RegulatorType::PID ? alpha * ti : 0);
        sweep.rows.push_back({ti, touchingMCircle(h.re, h.im, M)});
        if (iteration) iteration(static_cast<int>(i) + 1);
        sweep.stopped = stop && i + 1 < tis.size() && stop();
    }
    for (std::size_t i = 0; i < sweep.rows.size(); ++i)
        if (sweep.rows[i].touch.found &&
            (sweep.optimum < 0 ||
             sweep.rows[i].ki() > sweep.rows[static_cast<std::size_t>(sweep.optimum)].ki()))
            sweep.optimum = static_cast<int>(i);
    return sweep;
}

std::function<bool()> escapeStop(Host& host) {
    return [&host] {
        bool escape = false;
        while (host.keyWaiting())
            if (host.readKey() == kEscapeKey) escape = true;
        return escape;
    };
}

bool tuneRegulator(const Hodograph& w, Extended M, const std::vector<Extended>& tis, Extended alpha,
                   Regulator& regulator, const std::function<void(int)>& iteration,
                   const std::function<bool()>& stop) {
    if (regulator.type == RegulatorType::P) {
        const MCircleTouch touch = touchingMCircle(w.re, w.im, M);
        if (iteration) iteration(1);
        if (!touch.found) return false;
        regulator = {RegulatorType::P, touch.gain, 0, 0};
        return true;
    }
    const TiSweep sweep = tuneOverTi(w, M, regulator.type, tis, alpha, iteration, stop);
    if (sweep.optimum < 0) return false;
    const TiRow& best = sweep.rows[static_cast<std::size_t>(sweep.optimum)];
    regulator.k = best.touch.gain;
    regulator.ti = best.ti;
    regulator.td = regulator.type == RegulatorType::PID ? alpha * best.ti : 0;
    return true;
}

std::function<void(int)> waitCounter(Host& host) {
    return [&host](int n) { host.showCounter(kWaitCaption, kWaitLabel, n); };
}

void closeWaitCounter(Host& host) { host.showCounter(kWaitCaption, kWaitLabel, -1); }

ResultTable krTable(const TiSweep& sweep) {
    ResultTable t;
    t.caption = "Синтез регулятора";
    t.title = "Значения &Кр при различных &Ти";
    t.columns = {"Ti", "Kr", "Ki"};
    for (const TiRow& r : sweep.rows)
        t.rows.push_back({floatText(r.ti), r.touch.found ? floatText(r.touch.gain) : "-", floatText(r.ki())});
    t.button = "Показать график";
    return t;
}

std::vector<std::string> optimumTexts(const TiSweep& sweep, RegulatorType type, Extended alpha) {
    const TiRow& best = sweep.rows.at(static_cast<std::size_t>(sweep.optimum));
    std::vector<std::string> texts = {"Результат настройки ПИ-регулятора ",
                                      "Кр=" + floatText(best.touch.gain), "Ti=" + floatText(best.ti),
                                      "Ki=1/Ti=" + floatText(best.ki())};
    if (type == RegulatorType::PID) {
        texts.push_back("В случии б если вы выбрали ПИД-регулиатор то ");
        texts.push_back("Тд=альфа*Ти=" + floatText(alpha * best.ti));
    }
    return texts;
}

void krCurves(const TiSweep& sweep, Curve& curve, Curve& tangent) {
    curve = {};
    tangent = {};
    Extended lastTi = 0;
    for (const TiRow& r : sweep.rows)
        if (r.touch.found) {
            curve.x.emplace_back(r.ti);
            curve.y.emplace_back(r.touch.gain);
            lastTi = std::max(lastTi, r.ti);
        }
    if (sweep.optimum < 0) return;
    const Extended ki = sweep.rows[static_cast<std::size_t>(sweep.optimum)].ki();
    tangent.x = {Real48(0.0L), Real48(lastTi)};
    tangent.y = {Real48(0.0L), Real48(ki * lastTi)};
}

void tunePRegulator(Host& host, AnalysisState& state, const TransferFunction& w) {
    FrequencyRange range;
    if (!askKeptFrequencyRange(host, state, range)) return;
    Extended M = kDefaultM;
    if (!askOscillationIndex(host, M)) return;
    const Hodograph h = hodographOf(w, range);
    const MCircleTouch touch = touchingMCircle(h.re, h.im, M);
    waitCounter(host)(1);
    closeWaitCounter(host);
    if (!touch.found) {
        host.message(Box::Error, kCannotSolve);
        return;
    }
    host.report("Kr = " + floatText(touch.gain));
    showTouch(host, h, touch, M, {"Результат настройки п-регулятора", "Kr =" + floatText(touch.gain)});
}

void tunePiRegulator(Host& host, AnalysisState& state, const TransferFunction& w, RegulatorType type) {
    FrequencyRange range;
    if (!askKeptFrequencyRange(host, state, range)) return;
    Extended M = kDefaultM, alpha = 0.25L;
    if (!askOscillationIndex(host, M)) return;
    std::vector<Extended> tis;
    bool showEach = false;
    if (!askTiValues(host, "Ti", type, tis, alpha, showEach)) return;
    const Hodograph h = hodographOf(w, range);
    const TiSweep sweep = tuneOverTi(h, M, type, tis, alpha, waitCounter(host), escapeStop(host));
    closeWaitCounter(host);
    if (sweep.stopped)
        host.report("Escape: " + std::to_string(sweep.rows.size()) + " of " + std::to_string(tis.size()) +
                    " Ti tuned");
    if (sweep.optimum < 0) {
        host.message(Box::Error, kCannotSolve);
        return;
    }
    if (!host.showTable(krTable(sweep))) return;
    Curve curve, tangent;
    krCurves(sweep, curve, tangent);
    Diagrams slots;
    slots[0] = diagramOf(curve.x, curve.y, "Grafic Kr(Ti) ");
    slots[1] = diagramOf(tangent.x, tangent.y, "Kassatelinaia");
    host.showGraphWithTexts(slots, kPlainGraph, optimumTexts(sweep, type, alpha));
    if (!showEach) return;
    for (const TiRow& r : sweep.rows) {
        if (!r.touch.found) continue;
        const Hodograph each = withRegulator(h, type, r.ti, type == RegulatorType::PID ? alpha * r.ti : 0);
        showTouch(host, each, r.touch, M,
                  {"Визуализировать графики для каждого Ти", "ti     =" + floatText(r.ti),
                   "Kr =" + floatText(r.touch.gain)});
    }
}

}  // namespace velmar
