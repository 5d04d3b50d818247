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

// Loads as above and, with `warn`, warns on `err` ("velmar-cli VERB: warning: ...")
// about elements left at their defaults: for the verbs whose standard output is data.
// Returns the least exit code the call can end with (1 for a scheme read in part), or
// nothing when the file cannot be read.
std::optional<int> loadSchemeWarning(const std::string& verb, const std::string& file, Scheme& scheme,
                                     std::ostream& err, bool warn = true);

}  // namespace velmar::cli
