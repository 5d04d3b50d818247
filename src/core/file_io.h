// Whole-file reading and replacing writes, shared by every file format of the core.
//
// Every file the system writes goes through a replacing write: the new content is
// written to a temporary file beside the target and renamed over it, so a failed write
// (a full disk, a killed process) leaves the previous file whole. The replacement keeps
// the previous file's permissions. The temporary file is named after its target and the
// writing process ("NAME.velmar-PID.tmp"); a write of the same target removes the
// leftovers of processes that no longer run, so a killed save leaves no lasting litter.
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

// A file written beside its final name and renamed over it only by commit; without
// commit the written copy is removed. Throws FileError.
class PendingFile {
public:
    PendingFile(std::filesystem::path target, std::string_view content,
                LinkPolicy links = LinkPolicy::WriteTarget);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { discard(); }

    // The file commit replaces (the link's target under WriteTarget).
    const std::filesystem::path& target() const { return target_; }
    void commit();

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temp_;
};

// Writes a whole file through a PendingFile.
void replaceFile(const std::filesystem::path& target, std::string_view content,
                 LinkPolicy links = LinkPolicy::WriteTarget);

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
