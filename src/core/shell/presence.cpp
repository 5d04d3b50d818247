#include "core/shell/presence.h"

#include <string>
#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "velmar-";
constexpr std::string_view kSuffix = ".run";

std::string markName(const ProcessStamp& process) {
    return std::string(kPrefix) + process.id + std::string(kSuffix);
}

bool isMark(const std::string& name) { return name.starts_with(kPrefix) && name.ends_with(kSuffix); }

// The stamp a mark holds; nothing for a file that cannot be read as one.
std::optional<ProcessStamp> stampIn(const fs::path& mark) {
    try {
        const std::vector<std::uint8_t> bytes = readFileBytes(mark, 256, "TOO_LARGE");
        return readStamp(std::string(bytes.begin(), bytes.end()));
    } catch (const FileError&) { return std::nullopt; }
}

}  // namespace

PresenceMark::PresenceMark(fs::path folder, ProcessStamp process) : folder_(std::move(folder)) {
    if (process.id.empty()) throw FileError("This process cannot name itself (no /proc)");
    file_ = folder_ / markName(process);
    replaceFile(file_, stampText(process));
}

PresenceMark::~PresenceMark() {
    std::error_code ec;
    fs::remove(file_, ec);
}

bool PresenceMark::othersRun() const {
    bool found = false;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path mark = it->path();
        const std::string name = mark.filename().string();
        if (mark == file_ || !isMark(name)) continue;
        // A mark that cannot be read still names its process.
        const std::optional<ProcessStamp> stamp = stampIn(mark);
        const std::string id = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        if (stamp ? stillRuns(*stamp) : processRuns(id)) {
            found = true;
        } else {
            std::error_code removeError;
            fs::remove(mark, removeError);
        }
    }
    return found;
}

}  // namespace velmar
