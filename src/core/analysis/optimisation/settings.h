// The optimisation's settings, kept from one optimisation to the next while the
// program runs: the criterion and method of the window's two radio groups, tau,
// Limitation and the user criterion's expression.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/analysis/optimisation/search.h"
#include "core/analysis/optimisation/user_criterion.h"
#include "core/real48.h"

namespace velmar {

// Criteria by index of the "Сriteria" group (the first letter is a Cyrillic С). The
// first two are computed from the scheme's transfer function, the others by runs.
inline constexpr std::array<const char*, 6> kCriterionCaptions = {
    "Integral(e^2)", "Int(e^2+tau^2*(de/dt)^2)", "Maximum", "T1max(c)", "Integral(x^2)", "User Criterion"};
inline constexpr int kCriterionIntegralE2 = 0;
inline constexpr int kCriterionIntegralE2Tau = 1;
inline constexpr int kCriterionUser = 5;
inline constexpr int kFirstRunCriterion = 2;

// Methods by index of the "&Method" group.
inline constexpr std::array<const char*, kSearchMethods> kMethodCaptions = {
    "Poisk &2", "Poisk &4", "&Nelder-Mid", "&Huk-Jivs", "&Gradient", "Coordinate &Down"};

// The search of the transfer-function criteria, whose method group is disabled.
inline constexpr SearchMethod kTransferFunctionSearch = SearchMethod::NelderMead;

inline bool isRunCriterion(int criterion) { return criterion >= kFirstRunCriterion; }

struct OptimisationSettings {
    int criterion = kCriterionIntegralE2;
    std::optional<int> method;  // none while a transfer-function criterion is chosen
    int rememberedMethod = 0;   // the choice given back when a run criterion is chosen again
    Real48 tau = 1.0L;
    Real48 limitation = 0.0L;
    std::string expression = kDefaultUserExpression;
    // The relative step at which Poisk 2 and Poisk 4 stop.
    Real48 accuracy = 1e-4L;
};

}  // namespace velmar
