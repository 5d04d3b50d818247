#include "core/analysis/frequency.h"

#include <cmath>

#include "core/analysis/analysis_state.h"
#include "core/host.h"
#include "core/model/value_dialog.h"
#include "core/numtext.h"

namespace velmar {

namespace {

const char* const kReversedRange = " w(begin) > w(end) ";
const char* const kStepNotPositive = " step must be greater than 0 ";
const char* const kTooManyPoints = " Too many frequency points: take a larger step ";

// arctan(ImNum/ReNum) with the quadrant corrections; at ReNum = 0 its limit +-pi/2.
Extended phaseOf(Extended reNum, Extended imNum) {
    if (reNum == 0) return imNum > 0 ? kPi / 2 : imNum < 0 ? -kPi / 2 : 0;  // the limit
    Extended phi = std::atan(imNum / reNum);
    if (reNum < 0) phi += imNum >= 0 ? kPi : -kPi;
    return phi;
}

}  // namespace

FrequencySplit::FrequencySplit(const TransferFunction& w) {
    Polynomial PA, QA, PB, QB;
    w.A.SplitAtJw(PA, QA);
    w.B.SplitAtJw(PB, QB);
    // ImNum = PB QA - PA QB
    ImNum.MultiplyAdd(PB, QA);
    Polynomial PAneg = PA;
    PAneg.Negate();
    ImNum.MultiplyAdd(PAneg, QB);
    // ReNum = PB PA + QB QA
    ReNum.MultiplyAdd(PB, PA);
    ReNum.MultiplyAdd(QB, QA);
    // Den = PB^2 + QB^2
    Den.MultiplyAdd(PB, PB);
    Den.MultiplyAdd(QB, QB);
}

Extended gridStart(Extended wBegin) {
    if (wBegin <= 0) return Real48(1e-6L);
    if (wBegin == 1) return Real48(1.000001L);
    return wBegin;
}

long gridPlaces(const FrequencyRange& range) {
    return std::lround((range.end - gridStart(range.begin)) / range.step) + 1;
}

bool askFrequencyRange(Host& host, FrequencyRange& range) {
    std::vector<DialogValue> rows = {
        {"w(begin)", range.begin, false, false, true, {}},
        {"w(end)", range.end, false, false, true, {}},
        {"step", range.step, false, false, true, {}},
    };
    for (;;) {
        if (!AskValues(host, rows)) return false;
        const FrequencyRange typed{rows[0].value, rows[1].value, rows[2].value};
        if (typed.begin > typed.end) {
            host.message(Box::Error, kReversedRange);
            continue;
        }
        if (typed.begin == typed.end) continue;
        if (typed.step <= 0) {
            host.message(Box::Error, kStepNotPositive);
            continue;
        }
        if ((typed.end - gridStart(typed.begin)) / typed.step > kMaxGridPoints) {
            host.message(Box::Error, kTooManyPoints);
            continue;
        }
        range = typed;
        return true;
    }
}

bool askKeptFrequencyRange(Host& host, AnalysisState& state, FrequencyRange& range) {
    range = {state.wBegin, state.wEnd, state.wStep};
    if (!askFrequencyRange(host, range)) return false;
    state.wBegin = range.begin;
    state.wEnd = range.end;
    state.wStep = range.step;
    return true;
}

Curve frequencyCharacteristic(const FrequencySplit& w, MethodCode code, const FrequencyRange& range) {
    Curve curve;
    const long places = gridPlaces(range);
    curve.x.reserve(static_cast<size_t>(places));
    curve.y.reserve(static_cast<size_t>(places));
    const Extended end = range.end, step = range.step;
    for (Real48 omega = gridStart(range.begin); omega < end; omega = omega + step) {
        const Extended den = w.Den.Evaluate(omega);
        if (den == 0) continue;  // a pole on the imaginary axis
        const Extended reNum = w.ReNum.Evaluate(omega);
        const Extended imNum = w.ImNum.Evaluate(omega);
        const Extended re = reNum / den, im = imNum / den;
        Extended x = omega, y = 0;
        switch (code) {
            case MethodCode::Hodograph:
                x = re;
                y = im;
                break;
            case MethodCode::Amplitude: y = std::sqrt(re * re + im * im); break;
            case MethodCode::LogAmplitude: {
                const Extended a = std::sqrt(re * re + im * im);
                if (a == 0) continue;  // a zero on the imaginary axis: no logarithm
                x = std::log(omega.get()) / std::log(10.0L);
                y = 20 * std::log(a) / std::log(10.0L);
                break;
            }
            case MethodCode::Phase: y = phaseOf(reNum, imNum); break;
            case MethodCode::Real: y = re; break;
            case MethodCode::Imaginary: y = im; break;
            default: return curve;
        }
        curve.x.emplace_back(x);
        curve.y.emplace_back(y);
    }
    return curve;
}

int frequencyGraphKind(MethodCode code) {
    switch (code) {
        case MethodCode::Hodograph: return 3;
        case MethodCode::Amplitude: return 5;
        case MethodCode::LogAmplitude: return 6;
        case MethodCode::Phase: return 7;
        case MethodCode::Real: return 8;
        case MethodCode::Imaginary: return 9;
        default: return 0;
    }
}

void showFrequencyCharacteristic(Host& host, AnalysisState& state, const TransferFunction& w,
                                 MethodCode code) {
    const FrequencySplit split(w);
    FrequencyRange range;
    if (!askKeptFrequencyRange(host, state, range)) return;
    const Curve curve = frequencyCharacteristic(split, code, range);
    Diagrams slots;
    slots[0] = {curve.x.data(), curve.y.data(), static_cast<int>(curve.x.size()), "Indicator"};
    host.showGraph(slots, frequencyGraphKind(code));
}

}  // namespace velmar
