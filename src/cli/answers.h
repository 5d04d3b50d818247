// The checks every verb that answers dialogs from `--answer LABEL=VALUE` makes once its
// dialogs have been asked: an answer a dialog refused (a text that is no number, a value
// out of its range) and an answer no row took (a misspelt or wrongly-cased label would
// otherwise leave the default in place without a word) are mistakes of the call.
#pragma once

#include <ostream>
#include <string>

#include "core/scripted_host.h"

namespace velmar::cli {

// True when no dialog refused its answers. Otherwise tells on `err` "velmar-cli VERB:
// the dialog refused the answers: PROBLEM" (the dialog's message, its lines joined)
// and returns false; the verb then exits with 2.
bool answersAccepted(const ScriptedHost& host, const std::string& verb, std::ostream& err);

// True when every answer was taken. Otherwise tells on `err`
// "velmar-cli VERB: no dialog asked for --answer A, B (the rows asked: X, Y)" and
// returns false; the verb then exits with 2.
bool answersAllTaken(const ScriptedHost& host, const std::string& verb, std::ostream& err);

// Every --answer added to the host; false, with "velmar-cli VERB: an answer must read
// LABEL=VALUE: TEXT" on `err`, at the first without "=".
bool addAnswers(ScriptedHost& host, const std::vector<std::string>& answers, const std::string& verb,
                std::ostream& err);

}  // namespace velmar::cli
