#include "cli/scheme_loading.h"

#include "core/errors.h"

namespace velmar::cli {

std::optional<SchemeRead> loadScheme(const std::string& verb, const std::string& file, Scheme& scheme,
                                     std::ostream& err) {
    try {
        return LoadScheme(scheme, file, LabelsFileFor(file));
    } catch (const FileError& e) {
        err << "velmar-cli " << verb << ": " << e.what() << "\n";
        return std::nullopt;
    }
}

bool loadSchemeWarning(const std::string& verb, const std::string& file, Scheme& scheme, std::ostream& err) {
    const std::optional<SchemeRead> read = loadScheme(verb, file, scheme, err);
    if (read && !read->whole())
        err << "velmar-cli " << verb << ": warning: " << file << ": " << read->warning() << "\n";
    return read.has_value();
}

}  // namespace velmar::cli
