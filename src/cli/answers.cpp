#include "cli/answers.h"

#include <algorithm>
#include <vector>

namespace velmar::cli {

namespace {

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

bool answersAccepted(const ScriptedHost& host, const std::string& verb, std::ostream& err) {
    const auto refused = std::find_if(host.dialogs.begin(), host.dialogs.end(),
                                      [](const ScriptedHost::Dialog& d) { return !d.refusal.empty(); });
    if (refused == host.dialogs.end()) return true;
    std::string problem = refused->refusal;
    std::replace(problem.begin(), problem.end(), '\n', ' ');
    err << "velmar-cli " << verb << ": the dialog refused the answers: " << problem << "\n";
    return false;
}

bool answersAllTaken(const ScriptedHost& host, const std::string& verb, std::ostream& err) {
    const std::vector<std::string> unused = host.unusedAnswers();
    if (unused.empty()) return true;
    const std::vector<std::string> asked = host.askedLabels();
    err << "velmar-cli " << verb << ": no dialog asked for --answer " << joined(unused)
        << " (the rows asked: " << (asked.empty() ? std::string("none") : joined(asked)) << ")\n";
    return false;
}

bool addAnswers(ScriptedHost& host, const std::vector<std::string>& answers, const std::string& verb,
                std::ostream& err) {
    for (const std::string& a : answers)
        if (!host.addAnswer(a)) {
            err << "velmar-cli " << verb << ": an answer must read LABEL=VALUE: " << a << "\n";
            return false;
        }
    return true;
}

}  // namespace velmar::cli
