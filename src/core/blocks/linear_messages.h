// Fixed texts of the linear links.
#pragma once

namespace velmar {

// Parameters a block cannot work with (band filter limits, a negative delay, a link
// whose numerator outgrows its denominator in a variable-step run).
inline constexpr const char* kErrorInInputData = "Error in input data";

}  // namespace velmar
