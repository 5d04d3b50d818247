// Options that change a loaded scheme before anything runs: `--mark E:LABEL` ticks the
// "Mark" of element E's parameter whose dialog row is labelled LABEL; `--set
// E:LABEL=VALUE` gives that parameter a value for this call, as typed into the
// parameter grid; `--edit E` opens element E's own parameter dialog, as Enter on the
// block does, for the --answer options to answer (the user function's "f (x)=").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/scheme.h"
#include "core/real48.h"

namespace velmar {
class ScriptedHost;
class Workbench;
}

namespace velmar::cli {

// Applies every `E:LABEL` in order. False, with `error` saying which one and why, when
// an element does not exist or has no markable row of that label; the scheme may then
// hold the marks applied before it.
bool applyMarks(Scheme& scheme, const std::vector<std::string>& marks, std::string& error);

// "E:LABEL" split into the element number and the label; nothing, with `error` saying
// why, without a colon or when E is not a whole number from 1.
struct ParameterName {
    int element = 0;
    std::string label;
    bool operator==(const ParameterName&) const = default;
};
std::optional<ParameterName> parseParameterName(std::string_view text, std::string& error);

// Applies every `E:LABEL=VALUE` in order, the value read as in the dialog ("2pi"). False,
// with `error` naming the option and the reason, at the first that cannot be applied.
bool applySets(Workbench& wb, const std::vector<std::string>& sets, std::string& error);

// Opens the dialog of every element E in order, answered by `host`, the workbench's
// host. False, with `error` naming the option, for an element the scheme does not have
// or a dialog the answers leave unconfirmed (the reason it was refused has been said).
bool applyEdits(Workbench& wb, const ScriptedHost& host, const std::vector<std::string>& edits,
                std::string& error);

}  // namespace velmar::cli
