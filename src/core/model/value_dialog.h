// The common value dialog as the core uses it: numbers in, numbers out. Texts are
// shown with valueText and read back with parseValueText (the "pi" suffix); a text
// that is not a number, or one no stored value can hold, is refused and the dialog
// stays open with every row as typed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"
#include "core/real48.h"

namespace velmar {

inline constexpr int kMaxDialogRows = 7;

struct DialogValue {
    std::string label;
    Extended value = 0;
    bool marked = false;
    bool markEnabled = true;
    bool editable = true;
    std::string key;  // full label when `label` was cut for showing
    // A count or an element number: a fraction is refused rather than rounded away.
    bool whole = false;
};

// Checks the converted values of a confirmed dialog; a non-empty answer is shown and
// the dialog stays open.
using ValueCheck = std::function<std::string(const std::vector<Extended>&)>;

// Shows the rows (at most seven); returns false when cancelled, leaving the values as
// they were. An empty caption is the dialog's own, "Input Parameters:".
bool AskValues(Host& host, std::vector<DialogValue>& rows, std::string_view caption = {},
               const ValueCheck& check = {});

// The message for a text of a whole-number row that holds a fraction.
std::string wholeNumberMessage(std::string_view label, std::string_view text);

// What a dialog text gives: its value, or the message refusing it (a text that is not
// a number, or a number too large for a 6-byte real). The parameter grid reads its
// cells the same way.
struct ValueReading {
    std::optional<Extended> value;
    std::string problem;
};
ValueReading readValueText(std::string_view label, std::string_view text);

// The message for a degree that is not a whole number from 0 to 255.
std::string degreeProblem(Extended value);

// Cuts a label to its first `n` characters (UTF-8 aware).
std::string cutLabel(std::string_view label, std::size_t n = 10);

}  // namespace velmar
