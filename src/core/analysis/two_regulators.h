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

// The questions asked before "System Parameters":
//  - "Input W1-M(p) order" and "Input W3-M(p) order" preset the orders of the
//    numerators M1 and M3 shown on their pages ("M1(s) order", "M3(s) order");
//  - "Regulator RG1 type:" presets the choice of "Regulator 1";
//  - "k=", "ti=", "td=" are regulator 1's own values. A ti above 0 fixes the integral
//    time of a PI or PID regulator 1: its gain is tuned by M at that Ti alone (with
//    Td = td for PID) instead of over the Ti values asked otherwise. A k above 0 is the
//    gain regulator 1 keeps when M limits none (the loop's hodograph never reaches the
//    M-circle); with k = 0 that case ends the method with its message.
struct TwoRegulatorPresets {
    int w1Order = 2;
    int w3Order = 2;
    Regulator first{RegulatorType::PI};
};
bool askTwoRegulatorPresets(Host& host, TwoRegulatorPresets& presets);

// The closed inner loop R·W3 / (1 + R·W3).
TransferFunction closedLoop(const TransferFunction& w3, const Regulator& r);

// "System Parameters": the orders "M1(s) order", "N1(s) order", "M3(s) order",
// "N3(s) order" (default 2) and the coefficients ("M1 c0", ...; default 1). A malformed
// number is refused with "Неправильный формат числа" (the page stays open); a
// denominator that is 0 ends the method with a message. False when cancelled. The
// pages of M1 and M3 start with the preset orders.
bool askTwoPartPlant(Host& host, TwoPartPlant& plant, const TwoRegulatorPresets& presets = {});

// "Regulators Main Calculating": the types of "Regulator 1" and "Regulator 2".
bool askRegulatorTypes(Host& host, RegulatorType& first, RegulatorType& second);

// The result table: each regulator's type with "k=", "ti=", "td=".
ResultTable regulatorTable(const Regulator& first, const Regulator& second);

// 341.
void tuneTwoRegulators(Host& host, AnalysisState& state);

}  // namespace velmar
