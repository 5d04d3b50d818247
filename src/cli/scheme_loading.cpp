#include "cli/scheme_loading.h"

#include "cli/help.h"
#include "core/errors.h"

namespace velmar::cli {

std::optional<SchemeRead> loadScheme(const std::string& verb, const std::string& file, Scheme& scheme,
                                     std::ostream& err) {
    try {
        return LoadScheme(scheme, file, labelsFileFor(file));
    } catch (const FileError& e) {
        err << "velmar-cli " << verb << ": " << e.what() << "\n";
        return std::nullopt;
    }
}

std::optional<int> loadSchemeWarning(const std::string& verb, const std::string& file, Scheme& scheme,
                                     std::ostream& err, bool warn) {
    const std::optional<SchemeRead> read = loadScheme(verb, file, scheme, err);
    if (!read) return std::nullopt;
    if (read->whole()) return kDone;
    if (warn) err << "velmar-cli " << verb << ": warning: " << file << ": " << read->warning() << "\n";
    return kDoneWithWarning;
}

}  // namespace velmar::cli
