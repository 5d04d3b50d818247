// Whole-file reading and replacing writes, shared by every file format of the core.
//
// Every file the system writes goes through a replacing write: the new content is
// written to a temporary file beside the target and renamed over it, so a failed write
// (a full disk, a killed process) leaves the previous file whole. The replacement keeps
// the previous file's permissions; a file this user may not write is refused, as the
// shell's redirection would refuse it. The temporary file is named after its target and
// the writing process ("NAME.velmar-PID.tmp"); a write of the same target removes the
// leftovers of processes that no longer run, so a killed save leaves no lasting litter.
//
// Only regular files are replaced. A target that exists as something else a program
// writes into (a character or block device, a FIFO, a socket) is opened and written in
// place, so `/dev/null`, a terminal or a pipe stay what they are and a failing write
// (`/dev/full`) is reported. A folder is never written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// "WHAT \"FILE\"": the text of a file error.
std::string describeFile(const std::filesystem::path& file, const std::string& what);

// The bytes of a regular file. Throws FileError when it cannot be opened or read, or
// when it is larger than maxSize ("TOO_LARGE \"FILE\"").
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& file, std::uintmax_t maxSize,
                                        const std::string& tooLarge);

// What a replacing write does with a symbolic link at the target's name.
enum class LinkPolicy {
    WriteTarget,  // a save through a link replaces the file the link points at
    ReplaceLink,  // the link itself gives way to the new file: nothing is written through it
};

// A file written piece by piece: a regular target (or a new one) is written beside its
// name and renamed over it only by commit, and without commit the written copy is
// removed; a device, FIFO or socket is written in place as the pieces come. Pieces are
// gathered and written in large blocks. Throws FileError.
class FileWriter {
public:
    explicit FileWriter(std::filesystem::path target, LinkPolicy links = LinkPolicy::WriteTarget);
    // `name` inside the open folder `folder` (a descriptor the writer does not keep), a
    // link at the name replaced rather than followed; `shown` names it in the messages.
    FileWriter(int folder, const std::filesystem::path& name, std::filesystem::path shown);
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    ~FileWriter();

    // The file commit replaces (the link's target under WriteTarget).
    const std::filesystem::path& target() const { return shown_; }
    // Whether the target is written in place: nothing of it can be kept or undone.
    bool inPlace() const { return inPlace_; }
    void write(std::string_view text);
    // Writes out what has been gathered.
    void flush();
    void commit();

private:
    void open(LinkPolicy links);
    void discard();

    int folder_ = -1;              // the folder the names are relative to
    std::filesystem::path name_;   // the target
    std::filesystem::path shown_;  // the target as the messages name it
    std::filesystem::path temp_;   // the copy commit renames over the target
    bool inPlace_ = false;
    int fd_ = -1;
    std::string pending_;
};

// A file whose whole content is written at once and put in place by commit.
class PendingFile {
public:
    PendingFile(std::filesystem::path target, std::string_view content,
                LinkPolicy links = LinkPolicy::WriteTarget);

    const std::filesystem::path& target() const { return writer_.target(); }
    bool inPlace() const { return writer_.inPlace(); }
    void commit() { writer_.commit(); }

private:
    FileWriter writer_;
};

// Writes a whole file through a PendingFile.
void replaceFile(const std::filesystem::path& target, std::string_view content,
                 LinkPolicy links = LinkPolicy::WriteTarget);

// Writes `name` (relative, e.g. "mcad/root_u.prn") below the folder `base` (made when
// missing; it may itself be reached through a link) without following any link below
// it: each folder on the way is made when missing and opened without following a link,
// a link in the way is refused, and a link at the file's own name is replaced.
void replaceFileBelow(const std::filesystem::path& base, const std::filesystem::path& name,
                      std::string_view content);

// One file of a group replaced together: written with the content, or removed without.
struct FileChange {
    std::filesystem::path target;
    std::optional<std::string_view> content;
};

// Replaces the files as one: every new content is written and every target checked
// first, then the changes are made in order; when one fails, those made before it are
// undone. Either every file changes or none does. Throws FileError.
void replaceFiles(const std::vector<FileChange>& changes);

// True when both names lead to one file (or would, once it exists).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace velmar
