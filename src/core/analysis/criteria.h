// The Routh, Hurwitz and Mikhailov items of the stability list. Each tests the
// characteristic polynomial D(s) = B(s) of the transfer function the analysis block
// solved, clears the report memo, writes its report there and shows the verdict in the
// information box. Without a solved transfer function (an empty B), or with a
// polynomial above kMaxCriterionOrder, the error box says so and nothing is tested.
#pragma once

#include "core/model/polynomial.h"

namespace velmar {

class Host;

void routhCriterion(Host& host, const TransferFunction& w);
void hurwitzCriterion(Host& host, const TransferFunction& w);
// After the verdict, asks a frequency range (defaults 0, 2, 0.01) and hands the
// hodograph X(w) against Y(w) to the graph viewer (kind 13, "Indicator").
void mikhailovCriterion(Host& host, const TransferFunction& w);

inline constexpr const char* kNoTransferFunction =
    "No transfer function to test: solve an analysis block first";

inline constexpr int kMikhailovGraphKind = 13;

}  // namespace velmar
