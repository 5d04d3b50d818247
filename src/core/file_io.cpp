#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <system_error>

#include "core/errors.h"
#include "core/process_table.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTag = ".velmar-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::string_view kBackupSuffix = ".old";
constexpr int kMaxLinkDepth = 40;

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// Removes the temporary files and backups of `target` left by processes that no longer
// run (and by an earlier process that had this one's id). Called before this process
// puts any of its own beside the target.
void removeLeftovers(const fs::path& target, const std::string& self) {
    if (self.empty()) return;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = target.filename().string() + std::string(kTag);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        std::string_view id = std::string_view(name).substr(prefix.size());
        if (id.ends_with(kTempSuffix)) id.remove_suffix(kTempSuffix.size());
        else if (id.ends_with(kBackupSuffix)) id.remove_suffix(kBackupSuffix.size());
        else continue;
        if (!allDigits(id) || (id != self && processRuns(id))) continue;
        std::error_code removeError;
        fs::remove(it->path(), removeError);
    }
}

// "NAME.velmar-ID.SUFFIX" beside the target.
fs::path besideTarget(const fs::path& target, const std::string& id, std::string_view suffix) {
    fs::path p = target;
    p += std::string(kTag) + id + std::string(suffix);
    return p;
}

std::string processTag() {
    // Empty without /proc, where no one can tell a leftover from a save in progress.
    std::string id = thisProcess().id;
    if (id.empty()) id = "r" + std::to_string(std::random_device{}());
    return id;
}

// Follows a chain of symbolic links to the file it ends at (which may not exist yet).
fs::path resolveLinks(fs::path p) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) return p;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) throw FileError(describeFile(p, "Cannot follow the link (" + ec.message() + ")"));
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    throw FileError(describeFile(p, "Too many levels of symbolic links"));
}

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() == fs::file_type::directory;
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

std::string withReason(const char* what, int error) {
    return std::string(what) + " (" + std::strerror(error) + ")";
}

// Creates `file`, which must not exist yet (so no link planted at its name is followed),
// and writes the content. The file is removed again when any of it fails.
void writeNewFile(const fs::path& file, std::string_view content, const fs::path& named) {
    std::FILE* out = std::fopen(file.c_str(), "wbx");
    if (!out) throw FileError(describeFile(named, withReason("Cannot create the file", errno)));
    bool ok = std::fwrite(content.data(), 1, content.size(), out) == content.size() && std::fflush(out) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) return;
    std::error_code ec;
    fs::remove(file, ec);
    throw FileError(describeFile(named, withReason("Cannot write the file", error)));
}

void renameOver(const fs::path& from, const fs::path& to, const char* what) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) throw FileError(describeFile(to, std::string(what) + " (" + ec.message() + ")"));
}

}  // namespace

std::string describeFile(const fs::path& file, const std::string& what) {
    return what + " \"" + file.string() + "\"";
}

std::vector<std::uint8_t> readFileBytes(const fs::path& file, std::uintmax_t maxSize,
                                        const std::string& tooLarge) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) throw FileError(describeFile(file, "Cannot open the file"));
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) throw FileError(describeFile(file, "Cannot read the file"));
    if (size > maxSize) throw FileError(describeFile(file, tooLarge));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError(describeFile(file, "Cannot open the file"));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size())
        throw FileError(describeFile(file, "Cannot read the file"));
    return bytes;
}

PendingFile::PendingFile(fs::path target, std::string_view content, LinkPolicy links)
    : target_(links == LinkPolicy::WriteTarget ? resolveLinks(std::move(target)) : std::move(target)) {
    if (isFolder(target_)) throw FileError(describeFile(target_, "Cannot replace a folder by the file"));
    const std::string id = processTag();
    removeLeftovers(target_, id);
    const fs::path temp = besideTarget(target_, id, kTempSuffix);
    std::error_code ec;
    fs::remove(temp, ec);
    writeNewFile(temp, content, target_);
    temp_ = temp;
    // The replacement keeps the permissions of the file it replaces.
    if (fs::exists(target_, ec)) {
        const fs::perms mode = fs::status(target_, ec).permissions();
        if (!ec) fs::permissions(temp_, mode, ec);
    }
}

void PendingFile::commit() {
    renameOver(temp_, target_, "Cannot write the file");
    temp_.clear();
}

void PendingFile::discard() {
    if (temp_.empty()) return;
    std::error_code ec;
    fs::remove(temp_, ec);
    temp_.clear();
}

void replaceFile(const fs::path& target, std::string_view content, LinkPolicy links) {
    PendingFile(target, content, links).commit();
}

void replaceFiles(const std::vector<FileChange>& changes) {
    // Prepared: every content written, every target known. A target that exists is
    // kept as a backup (a second name of the same file) until all changes are made.
    struct Step {
        std::unique_ptr<PendingFile> pending;  // null: the target is removed
        fs::path target;
        fs::path backup;  // empty when the target did not exist
    };
    const std::string id = processTag();
    std::vector<Step> steps;
    for (const FileChange& change : changes) {
        Step step;
        if (change.content) {
            step.pending = std::make_unique<PendingFile>(change.target, *change.content);
            step.target = step.pending->target();
        } else {
            step.target = change.target;
            if (isFolder(step.target)) throw FileError(describeFile(step.target, "Cannot delete the folder"));
            removeLeftovers(step.target, id);
        }
        if (present(step.target)) step.backup = besideTarget(step.target, id, kBackupSuffix);
        steps.push_back(std::move(step));
    }

    auto apply = [](Step& s) {
        if (!s.pending) {
            if (!s.backup.empty()) renameOver(s.target, s.backup, "Cannot delete the file");
            return;
        }
        if (!s.backup.empty()) {
            std::error_code ec;
            fs::remove(s.backup, ec);
            fs::create_hard_link(s.target, s.backup, ec);
            if (ec) fs::copy_file(s.target, s.backup, ec);
            if (ec)
                throw FileError(
                    describeFile(s.target, "Cannot keep the previous file (" + ec.message() + ")"));
        }
        try {
            s.pending->commit();
        } catch (const FileError&) {
            std::error_code ec;
            if (!s.backup.empty()) fs::remove(s.backup, ec);
            throw;
        }
    };
    auto undo = [](Step& s) {
        std::error_code ec;
        if (s.backup.empty()) fs::remove(s.target, ec);
        else fs::rename(s.backup, s.target, ec);
    };

    std::size_t done = 0;
    try {
        for (; done < steps.size(); ++done) apply(steps[done]);
    } catch (const FileError&) {
        while (done > 0) undo(steps[--done]);
        throw;
    }
    for (const Step& s : steps) {
        std::error_code ec;
        if (!s.backup.empty()) fs::remove(s.backup, ec);
    }
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb ? ca == cb : a.lexically_normal() == b.lexically_normal();
}

}  // namespace velmar
