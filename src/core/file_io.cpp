#include "core/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#include "core/errors.h"
#include "core/process_table.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTag = ".velmar-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::string_view kBackupSuffix = ".old";
constexpr int kMaxLinkDepth = 40;
constexpr std::size_t kWriteBlock = 1 << 16;

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// Removes the temporary files and backups of `target` (a name relative to the open
// folder `folder`) left by processes that no longer run (and by an earlier process that
// had this one's id). Called before this process puts any of its own beside the target.
void removeLeftovers(int folder, const fs::path& target, const std::string& self) {
    if (self.empty()) return;
    const fs::path parent = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::openat(folder, parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* entries = ::fdopendir(fd);
    if (!entries) {
        ::close(fd);
        return;
    }
    const std::string prefix = target.filename().string() + std::string(kTag);
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix)) continue;
        std::string_view id = name.substr(prefix.size());
        if (id.ends_with(kTempSuffix)) id.remove_suffix(kTempSuffix.size());
        else if (id.ends_with(kBackupSuffix)) id.remove_suffix(kBackupSuffix.size());
        else continue;
        if (!allDigits(id) || (id != self && processRuns(id))) continue;
        ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(entries);
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

// What is written in place rather than replaced: whatever a program writes into
// without it being a file of the folder (a device, a FIFO, a socket).
bool writtenInPlace(const struct stat& st) {
    return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode);
}

// Whether `name` (links followed) is written in place.
bool streamTarget(const fs::path& name) {
    struct stat st {};
    return ::stat(name.c_str(), &st) == 0 && writtenInPlace(st);
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

FileWriter::FileWriter(fs::path target, LinkPolicy links) : folder_(AT_FDCWD), name_(std::move(target)) {
    // A link to a device or a pipe (/dev/stdout) is written through, whatever the policy
    // would do with a link to a file: replacing it would take the device's name away.
    if (links == LinkPolicy::WriteTarget && !streamTarget(name_)) name_ = resolveLinks(name_);
    shown_ = name_;
    open(links);
}

FileWriter::FileWriter(int folder, const fs::path& name, fs::path shown)
    : folder_(::fcntl(folder, F_DUPFD_CLOEXEC, 0)), name_(name), shown_(std::move(shown)) {
    if (folder_ < 0) throw FileError(describeFile(shown_, withReason("Cannot open the folder of", errno)));
    try {
        open(LinkPolicy::ReplaceLink);
    } catch (const FileError&) {
        ::close(folder_);  // no destructor runs for a constructor that throws
        throw;
    }
}

FileWriter::~FileWriter() {
    discard();
    if (folder_ != AT_FDCWD) ::close(folder_);
}

void FileWriter::open(LinkPolicy links) {
    struct stat st {};
    const int statFlags = links == LinkPolicy::WriteTarget ? 0 : AT_SYMLINK_NOFOLLOW;
    const bool exists = ::fstatat(folder_, name_.c_str(), &st, statFlags) == 0;
    if (exists && S_ISDIR(st.st_mode))
        throw FileError(describeFile(shown_, "Cannot replace a folder by the file"));
    if (exists && writtenInPlace(st)) {
        const int noFollow = links == LinkPolicy::WriteTarget ? 0 : O_NOFOLLOW;
        fd_ = ::openat(folder_, name_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | noFollow);
        if (fd_ < 0) throw FileError(describeFile(shown_, withReason("Cannot open the file", errno)));
        inPlace_ = true;
        return;
    }
    const bool replacesFile = exists && S_ISREG(st.st_mode);
    if (replacesFile && ::faccessat(folder_, name_.c_str(), W_OK, AT_EACCESS) != 0)
        throw FileError(describeFile(shown_, withReason("Cannot write the file", errno)));
    const std::string id = processTag();
    removeLeftovers(folder_, name_, id);
    const fs::path temp = besideTarget(name_, id, kTempSuffix);
    ::unlinkat(folder_, temp.c_str(), 0);
    // Created afresh, so no link planted at the temporary name is followed.
    fd_ = ::openat(folder_, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) throw FileError(describeFile(shown_, withReason("Cannot create the file", errno)));
    temp_ = temp;
    // The replacement keeps the permissions of the file it replaces.
    if (replacesFile) ::fchmod(fd_, st.st_mode & 07777);
}

void FileWriter::write(std::string_view text) {
    pending_ += text;
    if (pending_.size() >= kWriteBlock) flush();
}

void FileWriter::flush() {
    std::string_view rest = pending_;
    while (!rest.empty()) {
        const ssize_t n = ::write(fd_, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            throw FileError(describeFile(shown_, withReason("Cannot write the file", n < 0 ? errno : EIO)));
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    pending_.clear();
}

void FileWriter::commit() {
    flush();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) throw FileError(describeFile(shown_, withReason("Cannot write the file", errno)));
    if (inPlace_) return;
    if (::renameat(folder_, temp_.c_str(), folder_, name_.c_str()) != 0)
        throw FileError(describeFile(shown_, withReason("Cannot write the file", errno)));
    temp_.clear();
}

void FileWriter::discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temp_.empty()) ::unlinkat(folder_, temp_.c_str(), 0);
    temp_.clear();
}

PendingFile::PendingFile(fs::path target, std::string_view content, LinkPolicy links)
    : writer_(std::move(target), links) {
    writer_.write(content);
    writer_.flush();
}

void replaceFile(const fs::path& target, std::string_view content, LinkPolicy links) {
    PendingFile(target, content, links).commit();
}

void replaceFileBelow(const fs::path& base, const fs::path& name, std::string_view content) {
    std::error_code ec;
    fs::create_directories(base, ec);
    if (ec) throw FileError(describeFile(base, "Cannot make the folder (" + ec.message() + ")"));
    int folder = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) throw FileError(describeFile(base, withReason("Cannot open the folder", errno)));
    fs::path reached = base;
    try {
        for (const fs::path& part : name.parent_path()) {
            reached /= part;
            if (part == "..") throw FileError(describeFile(reached, "Cannot leave the folder"));
            if (::mkdirat(folder, part.c_str(), 0777) != 0 && errno != EEXIST)
                throw FileError(describeFile(reached, withReason("Cannot make the folder", errno)));
            const int next = ::openat(folder, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            const int error = errno;
            struct stat st {};
            if (next < 0 && ::fstatat(folder, part.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(st.st_mode))
                throw FileError(describeFile(reached, "A symbolic link is in the way of the folder"));
            if (next < 0) throw FileError(describeFile(reached, withReason("Cannot open the folder", error)));
            ::close(std::exchange(folder, next));
        }
        FileWriter writer(folder, name.filename(), base / name);
        writer.write(content);
        writer.commit();
    } catch (const FileError&) {
        ::close(folder);
        throw;
    }
    ::close(folder);
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
            removeLeftovers(AT_FDCWD, step.target, id);
        }
        // What was written in place has no previous state to keep.
        const bool inPlace = step.pending && step.pending->inPlace();
        if (!inPlace && present(step.target)) step.backup = besideTarget(step.target, id, kBackupSuffix);
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
