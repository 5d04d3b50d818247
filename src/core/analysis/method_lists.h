// The lists of the method chooser ("Methods"): item captions and the method code each
// item stands for. The window fills its lists from here and hands back the code of the
// item picked (27 leaves). Items that run at once in the chooser (Routh, Mikhailov,
// Nyquist's question, D-decomposition) have codes of their own above 2000.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/analysis_state.h"
#include "core/host.h"

namespace velmar {

inline constexpr int kLeaveCode = 27;

enum MethodCode : int {
    kCodeRootsNumerator = 41,
    kCodeRootsDenominator = 42,
    kCodeRootsFieldNumerator = 43,
    kCodeRootsFieldDenominator = 44,
    kCodeRootsBoth = 45,
    kCodeModifiedPopov = 60,
    kCodeCoefficientsByRoots = 82,
    kCodeErrorCoefficients = 101,
    kCodeHurwitz = 102,
    kCodeSquareIntegralEstimation = 331,
    kCodeRouth = 2001,
    kCodeNyquist = 2002,
    kCodeMikhailov = 2003,
    kCodeDDecomposition = 2004,
};

struct MethodItem {
    std::string caption;
    int code;
};

const std::vector<MethodItem>& MethodItems(MethodList list);

// The list a method group makes visible in the chooser; false for a group without one.
bool ListForGroup(MethodGroup group, MethodList& list);

// The group whose list offers a code (for starting a method directly by its code).
MethodGroup GroupForCode(int code);

// The caption of the item with this code in any list; empty when none.
std::string CaptionOfCode(int code);

}  // namespace velmar
