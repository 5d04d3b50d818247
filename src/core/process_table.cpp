#include "core/process_table.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace velmar {

namespace fs = std::filesystem;

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// Field 22 of /proc/ID/stat. The second field, the command name in parentheses, may
// itself hold blanks and parentheses, so the fields are counted after the last ')'.
std::string startTime(std::string_view id) {
    std::ifstream in(fs::path("/proc") / std::string(id) / "stat");
    std::string stat;
    if (!in || !std::getline(in, stat)) return {};
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int n = 3; n <= 22 && fields >> field; ++n)
        if (n == 22) return allDigits(field) ? field : std::string();
    return {};
}

}  // namespace

ProcessStamp thisProcess() {
    std::error_code ec;
    const std::string id = fs::read_symlink("/proc/self", ec).string();
    if (ec || !allDigits(id)) return {};
    return {id, startTime(id)};
}

bool processRuns(std::string_view id) {
    std::error_code ec;
    return allDigits(id) && fs::exists(fs::path("/proc") / std::string(id), ec);
}

std::optional<ProcessStamp> runningProcess(std::string_view id) {
    if (!processRuns(id)) return std::nullopt;
    return ProcessStamp{std::string(id), startTime(id)};
}

bool stillRuns(const ProcessStamp& process) {
    const std::optional<ProcessStamp> now = runningProcess(process.id);
    return now && (process.started.empty() || now->started == process.started);
}

std::string stampText(const ProcessStamp& process) { return process.id + " " + process.started; }

std::optional<ProcessStamp> readStamp(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    ProcessStamp stamp{std::string(text.substr(0, blank)), std::string(text.substr(blank + 1))};
    if (!allDigits(stamp.id) || (!stamp.started.empty() && !allDigits(stamp.started))) return std::nullopt;
    return stamp;
}

}  // namespace velmar
