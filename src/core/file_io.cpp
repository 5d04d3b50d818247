#include "core/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "core/errors.h"

namespace velmar {

namespace fs = std::filesystem;

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

PendingFile::PendingFile(fs::path target, std::string_view content) : target_(std::move(target)) {
    std::random_device seed;
    temp_ = target_;
    temp_ += ".tmp" + std::to_string(seed() % 1000000);
    std::ofstream out(temp_, std::ios::binary | std::ios::trunc);
    if (!out)
        throw FileError(
            describeFile(target_, std::string("Cannot create the file (") + std::strerror(errno) + ")"));
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        discard();
        throw FileError(describeFile(target_, "Cannot write the file"));
    }
}

void PendingFile::commit() {
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec) throw FileError(describeFile(target_, "Cannot write the file (" + ec.message() + ")"));
    temp_.clear();
}

void PendingFile::discard() {
    if (temp_.empty()) return;
    std::error_code ec;
    fs::remove(temp_, ec);
    temp_.clear();
}

}  // namespace velmar
