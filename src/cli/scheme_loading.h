// Reading the scheme a verb works on, with its labels file.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "core/model/scheme_file.h"

namespace velmar::cli {

// Loads `file` into the scheme. A file that cannot be read is told on `err`
// ("velmar-cli VERB: REASON") and nothing is returned (the verb exits with 2). A scheme
// whose records end early loads; what the read found is returned for the verb to warn.
std::optional<SchemeRead> loadScheme(const std::string& verb, const std::string& file, Scheme& scheme,
                                     std::ostream& err);

// Loads as above and warns on `err` ("velmar-cli VERB: warning: ...") about elements
// left at their defaults: for the verbs whose standard output is data.
bool loadSchemeWarning(const std::string& verb, const std::string& file, Scheme& scheme, std::ostream& err);

}  // namespace velmar::cli
