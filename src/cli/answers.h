// The check every verb that answers dialogs from `--answer LABEL=VALUE` makes once its
// dialogs have been asked: an answer no row took is a mistake (a misspelt or
// wrongly-cased label would otherwise leave the default in place without a word).
#pragma once

#include <ostream>
#include <string>

#include "core/scripted_host.h"

namespace velmar::cli {

// True when every answer was taken. Otherwise tells on `err`
// "velmar-cli VERB: no dialog asked for --answer A, B (the rows asked: X, Y)" and
// returns false; the verb then exits with 2.
bool answersAllTaken(const ScriptedHost& host, const std::string& verb, std::ostream& err);

}  // namespace velmar::cli
