#include "cli/csv_output.h"

#include <iostream>

#include "cli/help.h"
#include "core/errors.h"

namespace velmar::cli {

CsvOutput::CsvOutput(const std::optional<std::string>& path) {
    if (path && *path != "-") file_ = std::make_unique<FileWriter>(*path);
}

void CsvOutput::write(std::string_view text) {
    if (file_) file_->write(text);
    else std::cout << text;
}

void CsvOutput::finish() {
    if (file_) file_->commit();
}

int writeCsv(const std::string& verb, const std::optional<std::string>& path, std::string_view text) {
    try {
        CsvOutput out(path);
        out.write(text);
        out.finish();
    } catch (const FileError& e) {
        std::cerr << "velmar-cli " << verb << ": " << e.what() << "\n";
        return kWrongCall;
    }
    return kDone;
}

}  // namespace velmar::cli
