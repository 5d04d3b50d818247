// The scripted host with the "Mark" check box of the next value dialog: the rows named
// in `markNext` are ticked as a person would tick them, once. With `viewerOwner` set,
// every graph also opens in the real viewer (with the texts that came with it), so that
// a person's steps can work in it.
#pragma once

#include <set>
#include <string>
#include <utility>

#include "core/scripted_host.h"
#include "gui/shell/dialog_host.h"

namespace velmar::gui {

class MarkingHost : public ScriptedHost {
public:
    std::set<std::string> markNext;
    QWidget* viewerOwner = nullptr;

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        for (ValueRow& row : rows)
            if (row.markEnabled && markNext.count(row.name())) row.marked = true;
        markNext.clear();
        return ScriptedHost::askValues(caption, rows, check);
    }
    int showGraph(const Diagrams& diagrams, int kind) override {
        const int key = ScriptedHost::showGraph(diagrams, kind);
        return viewerOwner ? showGraphWindow(viewerOwner, diagrams, kind, std::exchange(texts_, {})) : key;
    }
    // The scripted host records the texts and hands the curves to showGraph.
    int showGraphWithTexts(const Diagrams& diagrams, int kind,
                           const std::vector<std::string>& texts) override {
        texts_ = texts;
        return ScriptedHost::showGraphWithTexts(diagrams, kind, texts);
    }

private:
    std::vector<std::string> texts_;
};

}  // namespace velmar::gui
