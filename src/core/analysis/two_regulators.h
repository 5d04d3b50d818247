// The structure with two plant parts and two regulators ("Sintez of the regulator"):
//
//   r -> R1 -> [ inner loop: R2 -> W3, unity feedback ] -> W1 -> y, unity feedback
//
// W1 = M1/N1 and W3 = M3/N3 are typed page by page ("System Parameters"); the types of
// both regulators are chosen in "Regulators Main Calculating". Regulator 2 is tuned by
// M on W3 alone; regulator 1 then by M on W1 in series with the closed inner loop
// R2·W3 / (1 + R2·W3). Both use the frequency grid and the M of one dialog each.
#pragma once

#include "core/analysis/synthesis.h"

namespace velmar {

class Host;
struct AnalysisState;

struct TwoPartPlant {
    TransferFunction w1;  // M1 / N1
    TransferFunction w3;  // M3 / N3
};

// The closed inner loop R·W3 / (1 + R·W3).
TransferFunction ClosedLoop(const TransferFunction& w3, const Regulator& r);

// "System Parameters": the orders "M1(s) order", "N1(s) order", "M3(s) order",
// "N3(s) order" (default 2) and the coefficients ("M1 c0", ...; default 1). A malformed
// number is refused with "Неправильный формат числа" (the page stays open); a
// denominator that is 0 ends the method with a message. False when cancelled.
bool AskTwoPartPlant(Host& host, TwoPartPlant& plant);

// "Regulators Main Calculating": the types of "Regulator 1" and "Regulator 2".
bool AskRegulatorTypes(Host& host, RegulatorType& first, RegulatorType& second);

// The result table: each regulator's type with "k=", "ti=", "td=".
ResultTable RegulatorTable(const Regulator& first, const Regulator& second);

// 341.
void TuneTwoRegulators(Host& host, AnalysisState& state);

}  // namespace velmar
