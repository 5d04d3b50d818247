#include "core/graphs/shown_curves_csv.h"

#include "core/file_io.h"
#include "core/numtext.h"

namespace velmar {

std::string csvField(std::string_view text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string shownCurvesCsv(const ViewerSlots& viewer) {
    std::string csv = "slot,name,index,x,y\n";
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& s = viewer.slot(n);
        const std::string lead = std::to_string(n) + ',' + csvField(viewer.legendText(n)) + ',';
        for (int i = 0; i < s.count(); ++i)
            csv += lead + std::to_string(i) + ',' + significantText(s.x(i), 17) + ',' +
                   significantText(s.y(i), 17) + '\n';
    }
    return csv;
}

void writeShownCurvesCsv(const std::filesystem::path& file, const ViewerSlots& viewer) {
    PendingFile pending(file, shownCurvesCsv(viewer));
    pending.commit();
}

}  // namespace velmar
