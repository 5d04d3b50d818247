// Where a verb's CSV goes: the file OUT, written through the core's replacing write (a
// device or a FIFO written in place), or the standard output when no OUT or "-" is
// given. The text may come piece by piece (a sweep writes every value as it is done).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_io.h"

namespace velmar::cli {

class CsvOutput {
public:
    // Throws FileError when OUT cannot be written.
    explicit CsvOutput(const std::optional<std::string>& path);

    bool toStandardOutput() const { return !file_; }
    void write(std::string_view text);  // throws FileError
    void finish();                      // OUT takes the text; throws FileError

private:
    std::unique_ptr<FileWriter> file_;
};

// Writes the whole text as above: 0, or 2 with "velmar-cli VERB: REASON" on standard
// error when OUT cannot be written.
int writeCsv(const std::string& verb, const std::optional<std::string>& path, std::string_view text);

}  // namespace velmar::cli
