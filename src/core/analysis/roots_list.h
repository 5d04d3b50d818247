// The roots list of the method chooser (codes 41..45) and the stand-alone roots
// calculator's logic ("Polinom roots calculation").
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

// The graph kind of roots shown as points in the complex plane.
inline constexpr int kRootsGraphKind = 12;

// Codes 41 and 42 list the roots of the numerator or the denominator on the drawing
// area ("Re" + k + " =" + value, "Im" + k + " =" + value) and write the real parts to
// "mcad/root_u.prn" and the imaginary parts to "mcad/root_v.prn" in `folder` (side
// files: none without a folder, a failure is a warning); 43 and
// 44 then also plot them (real against imaginary, "Indicator"); 45 finds both sets
// and ends with an information message. A search that finds no roots (NotFound) shows
// "Not found roots" in the error box; an order above 30 is refused.
void showRoots(Host& host, const TransferFunction& w, MethodCode code, const std::filesystem::path& folder);

// The calculator: the order typed into "Polinom order" (1..30), or nothing with a
// message shown.
std::optional<int> rooterOrder(Host& host, std::string_view text);

// Column headers of the coefficient grid ("C0".."Cn") and the result grid ("X1".."Xn").
std::vector<std::string> rooterCoefficientHeaders(int order);
std::vector<std::string> rooterRootHeaders(int order);

// "Solve": reads C0..Cn (Ci the coefficient of s^i) and gives the rows "Re" and "Im"
// of the result grid in scientific notation. Nothing, with the conversion error shown,
// when a text is not a number (the grids stay as they were); "Not found roots" is
// shown in the information box when no roots were found (NotFound).
struct RooterRows {
    std::vector<std::string> re;
    std::vector<std::string> im;
};
std::optional<RooterRows> solveRooter(Host& host, const std::vector<std::string>& coefficients);

}  // namespace velmar
