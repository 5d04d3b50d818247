// Options that change a loaded scheme before anything runs: `--mark E:LABEL` ticks the
// "Mark" of element E's parameter whose dialog row is labelled LABEL.
#pragma once

#include <string>
#include <vector>

#include "core/model/scheme.h"

namespace velmar::cli {

// Applies every `E:LABEL` in order. False, with `error` saying which one and why, when
// an element does not exist or has no markable row of that label; the scheme may then
// hold the marks applied before it.
bool applyMarks(Scheme& scheme, const std::vector<std::string>& marks, std::string& error);

}  // namespace velmar::cli
