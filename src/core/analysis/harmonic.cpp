#include "core/analysis/harmonic.h"

#include <cmath>

#include "core/analysis/frequency.h"
#include "core/analysis/real_roots.h"
#include "core/analysis/stability.h"
#include "core/host.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

constexpr long kMaxSweepSteps = 100000;
constexpr long kMaxScanPoints = 1000000;
// A balance point is kept only where q(A)·Re W is this close to 1 (a describing gain
// that jumps changes sign without a balance).
constexpr Extended kBalanceTolerance = 1e-6L;
constexpr int kHarmonicGraph = 11;

const char* const kBadSweep = " (end) >= (beg), (step) > 0 ";
const char* const kBadGrid = " w and A: (end) > (beg) > 0, (step) > 0 ";
const char* const kTooManySteps = " Too many points: take a larger step ";

int sign(Extended v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// The root of f in [a, b] where f(a) and f(b) have opposite signs.
Extended bisect(const std::function<Extended(Extended)>& f, Extended a, Extended b) {
    const int sa = sign(f(a));
    for (int i = 0; i < 400; ++i) {
        const Extended m = a + (b - a) / 2;
        if (m <= a || m >= b) break;
        const int s = sign(f(m));
        if (s == 0) return m;
        if (s == sa) a = m;
        else b = m;
    }
    return a + (b - a) / 2;
}

// Every root of f on the grid x(k), k = 0..count-1: where f is 0 at a grid point or
// changes sign between neighbours.
std::vector<Extended> gridRoots(const std::function<Extended(Extended)>& f,
                                const std::function<Extended(long)>& x, long count) {
    std::vector<Extended> roots;
    Extended previous = x(0);
    int sp = sign(f(previous));
    if (sp == 0) roots.push_back(previous);
    for (long k = 1; k < count; ++k) {
        const Extended at = x(k);
        const int s = sign(f(at));
        if (s == 0) roots.push_back(at);
        else if (sp != 0 && s != sp) roots.push_back(bisect(f, previous, at));
        previous = at;
        sp = s;
    }
    return roots;
}

Diagram diagramOf(const std::vector<Real48>& x, const std::vector<Real48>& y, const char* name) {
    return {x.data(), y.data(), static_cast<int>(x.size()), name};
}

}  // namespace

bool linearPartStable(const Polynomial& B) {
    Coefficients c = CoefficientsOf(B);
    while (!c.empty() && c.back() == 0) c.pop_back();
    std::size_t zeros = 0;
    while (zeros < c.size() && c[zeros] == 0) ++zeros;
    if (zeros == c.size()) return false;  // B = 0: no linear part
    Polynomial rest;
    rest.Allocate(static_cast<int>(c.size() - zeros) - 1);
    for (std::size_t i = zeros; i < c.size(); ++i) rest.set(static_cast<int>(i - zeros), c[i]);
    if (rest.order() == 0) return true;
    const RouthResult r = routhTable(rest);
    return r.determined && r.rightRoots == 0;
}

SelfOscillation findSelfOscillation(const TransferFunction& w, const AmplitudeRule& amplitude) {
    SelfOscillation s;
    if (!linearPartStable(w.B)) {
        s.status = OscillationStatus::Unstable;
        return s;
    }
    Polynomial PA, QA, PB, QB;
    w.A.SplitAtJw(PA, QA);
    w.B.SplitAtJw(PB, QB);
    const FrequencySplit split(w);
    for (const Extended omega : positiveRealRoots(split.ImNum)) {
        const Extended re[2] = {PA.Evaluate(omega), PB.Evaluate(omega)};
        const Extended im[2] = {QA.Evaluate(omega), QB.Evaluate(omega)};
        const bool real = std::fabs(re[0]) + std::fabs(re[1]) > std::fabs(im[0]) + std::fabs(im[1]);
        Crossover c{omega, real ? re[0] : im[0], real ? re[1] : im[1], 0};
        if (c.y == 0) continue;  // A and B vanish together: no crossover of W
        c.amplitude = amplitude(c.x, c.y);
        s.crossovers.push_back(c);
    }
    if (s.crossovers.empty()) return s;
    s.status = OscillationStatus::Found;
    for (const Crossover& c : s.crossovers)
        if (c.amplitude > 0) {
            s.frequency = c.omega;
            s.amplitude = c.amplitude;
        }
    return s;
}

void showSelfOscillation(Host& host, const SelfOscillation& s) {
    switch (s.status) {
        case OscillationStatus::Unstable: host.message(Box::Error, kNotStabil); return;
        case OscillationStatus::NoCrossover: host.message(Box::Error, kCannotSolve); return;
        case OscillationStatus::Found: break;
    }
    for (const Crossover& c : s.crossovers)
        host.report("w = " + floatText(c.omega) + "  A = " + floatText(c.amplitude));
    host.report("W = " + floatText(s.frequency) + " ,A = " + floatText(s.amplitude));
    host.message(Box::Information,
                 "W = " + scientificText(s.frequency, 11) + ",A = " + scientificText(s.amplitude, 11));
}

long SweepRange::steps() const { return static_cast<long>(std::trunc((end - begin) / step)); }

bool askSweepRange(Host& host, const std::string& name, SweepRange& range) {
    std::vector<DialogValue> rows = {
        {name + "(beg)", range.begin, false, false, true, {}},
        {name + "(end)", range.end, false, false, true, {}},
        {name + "(step)", range.step, false, false, true, {}},
    };
    const ValueCheck check = [](const std::vector<Extended>& v) -> std::string {
        if (!(v[2] > 0) || v[1] < v[0]) return kBadSweep;
        if ((v[1] - v[0]) / v[2] > kMaxSweepSteps) return kTooManySteps;
        return {};
    };
    if (!AskValues(host, rows, {}, check)) return false;
    range = {rows[0].value, rows[1].value, rows[2].value};
    return true;
}

std::vector<std::string> sweepCaptions(const std::string& parameter) {
    return {"W( " + parameter + " )", " A( " + parameter + " )"};
}

void offerSweep(Host& host, const std::string& parameter, const std::vector<SweepPoint>& points) {
    std::vector<Real48> value, frequency, amplitude;
    for (const SweepPoint& p : points) {
        value.emplace_back(p.value);
        frequency.emplace_back(p.frequency);
        amplitude.emplace_back(p.amplitude);
    }
    for (;;) {
        const MethodCode code = host.chooseRelabelled(MethodList::Harmonic, sweepCaptions(parameter));
        if (code != MethodCode::HarmonicFrequency && code != MethodCode::HarmonicAmplitude) return;
        Diagrams slots;
        slots[0] = code == MethodCode::HarmonicFrequency ? diagramOf(value, frequency, "Frecuency")
                                                         : diagramOf(value, amplitude, "Amlitude");
        host.showGraph(slots, kHarmonicGraph);
    }
}

long ScanGrid::points() const {
    return static_cast<long>(std::floor((end - begin) / step * (1 + 1e-12L))) + 1;
}

bool askScanGrids(Host& host, ScanGrid& omega, ScanGrid& amplitude) {
    std::vector<DialogValue> rows = {
        {"w(beg)", omega.begin, false, false, true, {}},
        {"w(end)", omega.end, false, false, true, {}},
        {"w(step)", omega.step, false, false, true, {}},
        {"A(beg)", amplitude.begin, false, false, true, {}},
        {"A(end)", amplitude.end, false, false, true, {}},
        {"A(step)", amplitude.step, false, false, true, {}},
    };
    const ValueCheck check = [](const std::vector<Extended>& v) -> std::string {
        for (int g = 0; g < 2; ++g) {
            const Extended b = v[3 * g], e = v[3 * g + 1], s = v[3 * g + 2];
            if (!(b > 0) || !(e > b) || !(s > 0)) return kBadGrid;
            if ((e - b) / s > kMaxScanPoints) return kTooManySteps;
        }
        return {};
    };
    if (!AskValues(host, rows, {}, check)) return false;
    omega = {rows[0].value, rows[1].value, rows[2].value};
    amplitude = {rows[3].value, rows[4].value, rows[5].value};
    return true;
}

std::vector<BalancePoint> scanBalance(const TransferFunction& w, const std::function<Extended(Extended)>& q,
                                      const ScanGrid& omega, const ScanGrid& amplitude) {
    const FrequencySplit split(w);
    const Coefficients im = CoefficientsOf(split.ImNum);
    const auto imW = [&im](Extended x) { return evaluateAt(im, x); };
    const auto omegaAt = [&omega](long k) { return omega.begin + omega.step * k; };
    const auto amplitudeAt = [&amplitude](long k) { return amplitude.begin + amplitude.step * k; };
    std::vector<BalancePoint> points;
    for (const Extended wc : gridRoots(imW, omegaAt, omega.points())) {
        const Extended den = split.Den.Evaluate(wc);
        if (den == 0) continue;
        const Extended re = split.ReNum.Evaluate(wc) / den;
        const auto balance = [&q, re](Extended A) { return q(A) * re - 1; };
        for (const Extended A : gridRoots(balance, amplitudeAt, amplitude.points()))
            if (std::fabs(balance(A)) <= kBalanceTolerance) points.push_back({wc, A});
    }
    return points;
}

void showBalance(Host& host, const std::vector<BalancePoint>& points) {
    if (points.empty()) {
        host.message(Box::Error, kCannotSolve);
        return;
    }
    std::vector<Real48> index, omega, amplitude;
    for (std::size_t k = 0; k < points.size(); ++k) {
        index.emplace_back(static_cast<Extended>(k + 1));
        omega.emplace_back(points[k].omega);
        amplitude.emplace_back(points[k].amplitude);
        host.report("w = " + floatText(points[k].omega) + "  A = " + floatText(points[k].amplitude));
    }
    Diagrams slots;
    slots[0] = diagramOf(index, omega, "Frecuency");
    slots[1] = diagramOf(index, amplitude, "Amplitude");
    host.showGraph(slots, kHarmonicGraph);
}

}  // namespace velmar
