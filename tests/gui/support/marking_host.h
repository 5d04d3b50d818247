// The scripted host with the "Mark" check box of the next value dialog: the rows named
// in `markNext` are ticked as a person would tick them, once.
#pragma once

#include <set>
#include <string>

#include "core/scripted_host.h"

namespace velmar::gui {

class MarkingHost : public ScriptedHost {
public:
    std::set<std::string> markNext;

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        for (ValueRow& row : rows)
            if (row.markEnabled && markNext.count(row.name())) row.marked = true;
        markNext.clear();
        return ScriptedHost::askValues(caption, rows, check);
    }
};

}  // namespace velmar::gui
