#include "core/shell/recovery.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>
#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/model/scheme_file.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kInfoExtension = ".run";
constexpr std::uintmax_t kMaxInfoSize = 64 * 1024;

// "ID-START": the name of a process's files.
std::string keyOf(const ProcessStamp& process) { return process.id + "-" + process.started; }

fs::path infoFileFor(const fs::path& copy) {
    fs::path info = copy;
    info.replace_extension(kInfoExtension);
    return info;
}

// The info file: the stamp, the time and the file name, one a line.
std::string infoText(const ProcessStamp& process, std::int64_t keptAt, const std::string& fileName) {
    return stampText(process) + "\n" + std::to_string(keptAt) + "\n" + fileName + "\n";
}

struct Info {
    ProcessStamp process;
    std::int64_t keptAt = 0;
    std::string fileName;
};

std::optional<Info> readInfo(const fs::path& file) {
    std::string text;
    try {
        const std::vector<std::uint8_t> bytes = readFileBytes(file, kMaxInfoSize, "TOO_LARGE");
        text.assign(bytes.begin(), bytes.end());
    } catch (const FileError&) { return std::nullopt; }
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
    if (second == std::string::npos || !text.ends_with('\n')) return std::nullopt;
    Info info;
    const std::optional<ProcessStamp> stamp = readStamp(std::string_view(text).substr(0, first));
    const char* timeEnd = text.data() + second;
    if (!stamp || std::from_chars(text.data() + first + 1, timeEnd, info.keptAt).ptr != timeEnd)
        return std::nullopt;
    info.process = *stamp;
    info.fileName = text.substr(second + 1, text.size() - second - 2);
    return info;
}

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

}  // namespace

RecoveryStore::RecoveryStore(fs::path folder, ProcessStamp process)
    : folder_(std::move(folder)), process_(std::move(process)) {}

fs::path RecoveryStore::schemeFile() const { return folder_ / (keyOf(process_) + ".shm"); }

void RecoveryStore::keep(const Scheme& scheme, const std::string& fileName) {
    if (process_.id.empty()) throw FileError("This process cannot name itself (no /proc)");
    std::vector<std::uint8_t> bytes = SchemeBytes(scheme);
    std::string labels = labelsText(scheme);
    if (kept_ && bytes == keptBytes_ && labels == keptLabels_ && fileName == keptName_) return;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) throw FileError(describeFile(folder_, "Cannot create the folder (" + ec.message() + ")"));
    // The scheme first: an info file is only ever beside a whole copy.
    SaveScheme(scheme, schemeFile(), labelsFileFor(schemeFile()));
    replaceFile(infoFileFor(schemeFile()), infoText(process_, now(), fileName));
    kept_ = true;
    keptBytes_ = std::move(bytes);
    keptLabels_ = std::move(labels);
    keptName_ = fileName;
}

void RecoveryStore::drop() {
    if (process_.id.empty()) return;
    std::error_code ec;
    // The info file first: a copy without it is never offered.
    fs::remove(infoFileFor(schemeFile()), ec);
    fs::remove(schemeFile(), ec);
    fs::remove(labelsFileFor(schemeFile()), ec);
    kept_ = false;
}

bool RecoveryStore::holdsCopy() const { return !process_.id.empty() && isFile(infoFileFor(schemeFile())); }

std::vector<RecoveredScheme> RecoveryStore::orphans() const {
    std::vector<RecoveredScheme> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path info = it->path();
        if (info.extension() != kInfoExtension) continue;
        const std::optional<Info> read = readInfo(info);
        fs::path copy = info;
        copy.replace_extension(".shm");
        // The name must be the process's inside: a file copied in by hand is no one's.
        if (!read || keyOf(read->process) != info.stem().string() || stillRuns(read->process) || !isFile(copy))
            continue;
        found.push_back({copy, read->fileName, read->keptAt});
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveredScheme& a, const RecoveredScheme& b) { return a.keptAt > b.keptAt; });
    return found;
}

void RecoveryStore::reopen(const RecoveredScheme& orphan, Scheme& into) {
    LoadScheme(into, orphan.copy, labelsFileFor(orphan.copy));
}

void RecoveryStore::discard(const RecoveredScheme& orphan) {
    std::error_code ec;
    fs::remove(infoFileFor(orphan.copy), ec);
    fs::remove(orphan.copy, ec);
    fs::remove(labelsFileFor(orphan.copy), ec);
}

}  // namespace velmar
