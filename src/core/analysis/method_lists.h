// The lists of the method chooser ("Methods"): item captions and the method code each
// item stands for. The window fills its lists from here and hands back the code of the
// item picked (MethodCode, host.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/analysis_state.h"
#include "core/host.h"

namespace velmar {

struct MethodItem {
    std::string caption;
    MethodCode code;
};

const std::vector<MethodItem>& methodItems(MethodList list);

// The list a method group makes visible in the chooser; false for a group without one.
bool listForGroup(MethodGroup group, MethodList& list);

// The group whose list offers a code (for starting a method directly by its code).
MethodGroup groupForCode(MethodCode code);

// The caption of the item with this code in any list; empty when none.
std::string captionOfCode(MethodCode code);

}  // namespace velmar
