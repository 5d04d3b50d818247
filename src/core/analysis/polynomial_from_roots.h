// A real polynomial given by its roots: the product of (s - root) multiplied out, and
// the dialogs that ask for the roots (the functional minimisation's "by roots" item and
// the coefficients by roots).
#pragma once

#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "core/real48.h"

namespace velmar {

class Host;

inline constexpr const char* kRootsNotConjugate = "Complex roots must come in conjugate pairs";

// The product of (s - root) in ascending powers (the leading coefficient is 1); nothing
// when a complex root comes without its conjugate (the product would not be real).
std::optional<std::vector<Extended>> polynomialFromRoots(const std::vector<std::complex<Extended>>& roots);

// A whole number from 1 to `most` asked under `label` (offered as 2); nothing when
// cancelled.
std::optional<int> AskCount(Host& host, const std::string& label, int most);

// "Roots number" (1 to `most`), then one dialog per root pairing "Re"k with "Im"k
// (offered as -1 and 0), multiplied out. Nothing when a dialog is cancelled or, with
// the error shown, when the complex roots do not come in conjugate pairs.
std::optional<std::vector<Extended>> askPolynomialByRoots(Host& host, int most);

}  // namespace velmar
