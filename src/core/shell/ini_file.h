// Initialisation files: the configuration file "VELMAR.INI" and the test-scheme
// descriptions ("Descript.dts", "Descriere.dts").
//
// The format is lines of text: "[Section]" opens a section, "Key=Value" sets a key in
// the section above it, lines starting with ";" are comments, anything else is kept
// but means nothing. Section and key names compare without regard to ASCII case and
// surrounding blanks; a value is the text after the first "=", trimmed of blanks, with
// one pair of surrounding double quotes removed. Where a section or key occurs twice the
// first one counts. A leading UTF-8 byte-order mark is ignored.
//
// The file keeps every line it was read with: writing a key replaces the value on its
// line or adds a line at the end of its section (the section is appended when missing),
// so other sections, comments and the order of lines survive a write-back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class IniFile {
public:
    IniFile() = default;
    // Text with LF or CR LF line ends; writing back uses the line end of the first line.
    static IniFile parse(std::string_view text);
    // Reads a file; a file that does not exist reads as an empty one. Throws FileError
    // when an existing file cannot be read.
    static IniFile load(const std::filesystem::path& file);

    bool hasSection(std::string_view section) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // "1", "true", "yes", "on" are true and "0", "false", "no", "off" false, in any
    // case; a missing key or any other text gives the fallback.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeBool(std::string_view section, std::string_view key, bool value);  // "1" or "0"

    std::string text() const;
    // Writes the text to a temporary file beside the target and renames it over the
    // target, so a failed write leaves the old file whole. Throws FileError.
    void save(const std::filesystem::path& file) const;

private:
    // The line of the section's header; the line of a key in the section opened there.
    std::optional<std::size_t> sectionLine(std::string_view section) const;
    std::optional<std::size_t> keyLine(std::size_t header, std::string_view key) const;
    // One past the section's last line that is not blank.
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};

}  // namespace velmar
