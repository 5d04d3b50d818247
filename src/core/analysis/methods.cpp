#include "core/analysis/methods.h"

#include "core/analysis/analysis_state.h"
#include "core/analysis/criteria.h"
#include "core/analysis/frequency.h"
#include "core/analysis/method_lists.h"
#include "core/analysis/popov.h"
#include "core/analysis/quality.h"
#include "core/analysis/roots_list.h"
#include "core/analysis/square_functional.h"
#include "core/analysis/synthesis.h"
#include "core/analysis/two_regulators.h"
#include "core/host.h"
#include "core/numtext.h"

namespace velmar {

namespace {

const char* const kNyquistQuestion = "Главная ОС должна быть разомкнута. Продолжить?";

}  // namespace

void methodNotAvailable(Host& host, const std::string& what) {
    host.message(Box::Error, what + ": this method is not available yet");
}

void RunMethod(Host& host, AnalysisState& state, const TransferFunction& w, MethodCode code) {
    switch (code) {
        case MethodCode::Hodograph:
        case MethodCode::Amplitude:
        case MethodCode::LogAmplitude:
        case MethodCode::Phase:
        case MethodCode::Real:
        case MethodCode::Imaginary: showFrequencyCharacteristic(host, state, w, code); break;
        case MethodCode::Routh: routhCriterion(host, w); break;
        case MethodCode::Hurwitz: hurwitzCriterion(host, w); break;
        case MethodCode::Mikhailov: mikhailovCriterion(host, w); break;
        case MethodCode::Nyquist:
            if (host.ask("Confirm", kNyquistQuestion, false) != Reply::Yes) break;
            state.methodGroup = MethodGroup::Character;
            state.nyquist = true;
            showFrequencyCharacteristic(host, state, w, MethodCode::Hodograph);
            break;
        case MethodCode::RootsNumerator:
        case MethodCode::RootsDenominator:
        case MethodCode::RootsFieldNumerator:
        case MethodCode::RootsFieldDenominator:
        case MethodCode::RootsBoth: showRoots(host, w, code, state.workingFolder); break;
        case MethodCode::ModifiedPopov: showModifiedPopov(host, state, w); break;
        case MethodCode::PRegulator: tunePRegulator(host, state, w); break;
        case MethodCode::PiRegulator: tunePiRegulator(host, state, w, RegulatorType::PI); break;
        case MethodCode::PidRegulator: tunePiRegulator(host, state, w, RegulatorType::PID); break;
        case MethodCode::TwoRegulators: tuneTwoRegulators(host, state); break;
        case MethodCode::errorCoefficients: showErrorCoefficients(host, w); break;
        case MethodCode::squareIntegralEstimation: squareIntegralEstimation(host, w); break;
        case MethodCode::MinimiseByCoefficients:
        case MethodCode::MinimiseByRoots:
        case MethodCode::MinimiseByCurrent: functionalMinimisationItem(host, w, code); break;
        default: {
            const std::string caption = captionOfCode(code);
            methodNotAvailable(
                host, caption.empty() ? "Method " + std::to_string(static_cast<int>(code)) : caption);
        }
    }
}

std::vector<std::string> coefficientLines(char letter, const Polynomial& p) {
    std::vector<std::string> lines;
    for (int i = 0; i <= p.order() && !p.empty(); ++i) {
        // Appended piece by piece into one string: joining the two temporaries with
        // `+` inserts the letter in front of the index's buffer, a copy GCC 12 at -O3
        // wrongly takes for an overlapping one (-Wrestrict).
        std::string line(1, letter);
        line += fixedText(i, 2, 0);
        line += " =";
        line += fixedText(p[i], 10, 5);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace velmar
