// Whole-file reading and replacing writes, shared by every file format of the core.
#pragma once

#include <cstdint>
#include <filesystem>
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

// A file written beside its final name and renamed over it only by commit, so a failed
// write leaves the previous file whole; without commit the written copy is removed.
// Throws FileError.
class PendingFile {
public:
    PendingFile(std::filesystem::path target, std::string_view content);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() { discard(); }

    void commit();

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temp_;
};

}  // namespace velmar
