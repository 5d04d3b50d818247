// The parameter searches of the optimisation, by the index of the "Method" group.
// Each starts from x with the start steps h (one third of each start value), calls the
// objective once per evaluation, stops at its own rule or as soon as the objective is
// aborted, and leaves in x the point it was at.
//
// Hooke-Jeeves: exploration along each parameter (+h, then -h, kept when strictly
//   lower), pattern moves x := 2x - b after an improvement of more than 1e-8; without
//   one the steps shrink tenfold, down to a sum below 1e-7.
// Poisk 2 and Poisk 4: a coordinate search with a budget of 500 evaluations. Along
//   each parameter a move of one step is tried; while moves succeed they go on with
//   the multiplier doubled, as long as it stays below 16 (Poisk 2) or 4 (Poisk 4) in
//   absolute value; after a first failure the opposite direction is tried (multiplier
//   -1). The next visit starts from half the last successful move; when both
//   directions fail the step is multiplied by 0.5 (Poisk 2) or 0.25 (Poisk 4). The
//   search ends when no relative step |step| / (|x| + 1e-10) of a whole cycle exceeds
//   the accuracy, when the budget is spent, at a criterion value of exactly 0, or on
//   abort.
// Nelder-Mead: reflection 1, contraction 0.5, expansion 2, the simplex x, x + h_i e_i;
//   ends when the variance of the vertex values is below 1e-10.
// Gradient: forward differences with increments 0.2 L, moves of length L along the
//   normalised gradient while the value decreases; L = 0.003, then 0.0001.
// Coordinate descent: each parameter in turn moves by d while the value decreases;
//   then d := -0.2 d, from 0.5 down to 2e-5.
#pragma once

#include <vector>

#include "core/analysis/optimisation/objective.h"

namespace velmar {

enum class SearchMethod { Poisk2, Poisk4, NelderMead, HookeJeeves, Gradient, CoordinateDescent };
inline constexpr int kSearchMethods = 6;

// The start steps: each start value times 0.33333333333333333334.
std::vector<Real48> startSteps(const std::vector<Real48>& x);

// `accuracy` is the relative step at which Poisk 2 and Poisk 4 stop.
void runSearch(SearchMethod method, Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h,
               Extended accuracy);

void HookeJeeves(Objective& f, std::vector<Real48>& x, std::vector<Real48> h);
void Poisk(Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h, Extended growLimit,
           Extended shrink, Extended accuracy);
void NelderMead(Objective& f, std::vector<Real48>& x, const std::vector<Real48>& h);
void Gradient(Objective& f, std::vector<Real48>& x);
void CoordinateDescent(Objective& f, std::vector<Real48>& x);

}  // namespace velmar
