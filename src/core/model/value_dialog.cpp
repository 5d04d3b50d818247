#include "core/model/value_dialog.h"

#include <cmath>

#include "core/errors.h"
#include "core/numtext.h"

namespace velmar {

std::string cutLabel(std::string_view label, std::size_t n) {
    std::size_t chars = 0, i = 0;
    while (i < label.size() && chars < n) {
        const auto byte = static_cast<unsigned char>(label[i]);
        std::size_t len = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        i += len;
        ++chars;
    }
    return std::string(label.substr(0, std::min(i, label.size())));
}

namespace {

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

ValueReading readValueText(std::string_view label, std::string_view text) {
    const auto value = parseValueText(text);
    if (!value) return {std::nullopt, notANumberMessage(label, text)};
    try {
        (void)Real48(*value);  // every value ends up stored as one
    } catch (const MathError& e) {
        return {std::nullopt, std::string(e.what()) + ": \"" + std::string(text) + "\" (" +
                                  std::string(withoutBlanks(label)) + ")"};
    }
    return {value, {}};
}

std::string degreeProblem(Extended value) {
    // The degree is the value rounded half away from zero, so -0.5 would be -1.
    if (value <= -0.5L || value >= 255.5L) return "The degree must be a whole number from 0 to 255";
    return {};
}

std::string wholeNumberMessage(std::string_view label, std::string_view text) {
    return std::string(label) + " must be a whole number, not " + std::string(text);
}

bool AskValues(Host& host, std::vector<DialogValue>& rows, std::string_view caption,
               const ValueCheck& extra) {
    std::vector<ValueRow> shown;
    shown.reserve(rows.size());
    for (const DialogValue& r : rows)
        shown.push_back({r.label, r.editable ? valueText(Real48(r.value)) : std::string(), r.marked,
                         r.markEnabled, r.editable, r.key});
    const RowCheck check = [&extra, &rows](const std::vector<ValueRow>& confirmed) -> std::string {
        std::vector<Extended> values;
        for (std::size_t i = 0; i < confirmed.size(); ++i) {
            const ValueRow& r = confirmed[i];
            if (!r.editable) {
                values.push_back(0);
                continue;
            }
            const ValueReading reading = readValueText(r.name(), r.text);
            if (!reading.value) return reading.problem;
            if (rows[i].whole && *reading.value != std::trunc(*reading.value))
                return wholeNumberMessage(r.name(), r.text);
            values.push_back(*reading.value);
        }
        return extra ? extra(values) : std::string();
    };
    if (!host.askValues(caption, shown, check)) return false;
    // A host that does not run the check still never gets a non-number stored.
    if (const std::string problem = check(shown); !problem.empty()) {
        host.message(Box::Error, problem);
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].editable) continue;
        rows[i].value = *parseValueText(shown[i].text);
        if (rows[i].markEnabled) rows[i].marked = shown[i].marked;
    }
    return true;
}

}  // namespace velmar
