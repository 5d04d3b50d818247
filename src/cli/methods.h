// The methods `analyze --method` accepts: a code of an item of the chooser's lists, or
// the name of an item without one; harmonic and popov are menu commands rather than
// list items.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar::cli {

// The code of a method; a menu command as its negative; nothing for an unknown method.
std::optional<int> methodCode(const std::string& text);

// The name `analyze` knows the code by; empty for a code used as a number.
std::string_view methodName(int code);

}  // namespace velmar::cli
