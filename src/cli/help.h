// What velmar-cli tells about itself: the help of the tool and of every verb (the
// options, the methods a verb accepts by code and name, the exit codes, examples), the
// short usage a wrong call gets, and the version.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace velmar::cli {

// The exit codes every verb keeps to.
inline constexpr int kDone = 0;
inline constexpr int kDoneWithWarning = 1;  // or the method refused, or the run failed
inline constexpr int kWrongCall = 2;

// `velmar-cli --help` for an empty verb, `velmar-cli VERB --help` otherwise; false for
// a verb the tool does not have.
bool printHelp(std::string_view verb, std::ostream& out);

// A wrong call of VERB: "velmar-cli VERB: WHAT", the verb's synopsis and where its help
// is, on standard error. Returns kWrongCall.
int usageError(std::string_view verb, const std::string& what);

// "velmar-cli VERSION (GIT DESCRIPTION)".
std::string versionText();

}  // namespace velmar::cli
