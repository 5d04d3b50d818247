#include "cli/answers.h"

#include <vector>

namespace velmar::cli {

namespace {

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

bool answersAllTaken(const ScriptedHost& host, const std::string& verb, std::ostream& err) {
    const std::vector<std::string> unused = host.unusedAnswers();
    if (unused.empty()) return true;
    const std::vector<std::string> asked = host.askedLabels();
    err << "velmar-cli " << verb << ": no dialog asked for --answer " << joined(unused)
        << " (the rows asked: " << (asked.empty() ? std::string("none") : joined(asked)) << ")\n";
    return false;
}

}  // namespace velmar::cli
