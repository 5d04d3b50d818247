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

void MethodNotAvailable(Host& host, const std::string& what) {
    host.message(Box::Error, what + ": this method is not available yet");
}

void RunMethod(Host& host, AnalysisState& state, const TransferFunction& w, int code) {
    switch (code) {
        case 51:
        case 52:
        case 53:
        case 54:
        case 55:
        case 56: ShowFrequencyCharacteristic(host, state, w, code); break;
        case kCodeRouth: RouthCriterion(host, w); break;
        case kCodeHurwitz: HurwitzCriterion(host, w); break;
        case kCodeMikhailov: MikhailovCriterion(host, w); break;
        case kCodeNyquist:
            if (host.ask("Confirm", kNyquistQuestion, false) != Reply::Yes) break;
            state.methodGroup = MethodGroup::Character;
            state.nyquist = true;
            ShowFrequencyCharacteristic(host, state, w, kCodeHodograph);
            break;
        case kCodeRootsNumerator:
        case kCodeRootsDenominator:
        case kCodeRootsFieldNumerator:
        case kCodeRootsFieldDenominator:
        case kCodeRootsBoth: ShowRoots(host, w, code, state.workingFolder); break;
        case kCodeModifiedPopov: ShowModifiedPopov(host, state, w); break;
        case kCodePRegulator: TunePRegulator(host, state, w); break;
        case kCodePiRegulator: TunePiRegulator(host, state, w, RegulatorType::PI); break;
        case kCodePidRegulator: TunePiRegulator(host, state, w, RegulatorType::PID); break;
        case kCodeTwoRegulators: TuneTwoRegulators(host, state); break;
        case kCodeErrorCoefficients: ShowErrorCoefficients(host, w); break;
        case kCodeSquareIntegralEstimation: SquareIntegralEstimation(host, w); break;
        case 106:
        case 107:
        case 108: FunctionalMinimisationItem(host, w, code); break;
        default: {
            const std::string caption = CaptionOfCode(code);
            MethodNotAvailable(host, caption.empty() ? "Method " + std::to_string(code) : caption);
        }
    }
}

std::vector<std::string> CoefficientLines(char letter, const Polynomial& p) {
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
