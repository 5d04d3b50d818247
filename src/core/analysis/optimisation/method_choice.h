// The optimisation method chosen outside the window, by the Run menu's method items
// ("Optim. Methods: Poisk 2"), and the method those items show.
#pragma once

#include "core/analysis/optimisation/settings.h"

namespace velmar {

// Taken at once while the method group is enabled (a criterion by runs), otherwise
// kept for when it is enabled again.
inline void chooseSearchMethod(OptimisationSettings& s, int index) {
    if (index < 0 || index >= kSearchMethods) return;
    if (s.method) s.method = index;
    else s.rememberedMethod = index;
}

// The method the group shows, or will show again once enabled.
inline int chosenSearchMethod(const OptimisationSettings& s) { return s.method.value_or(s.rememberedMethod); }

}  // namespace velmar
