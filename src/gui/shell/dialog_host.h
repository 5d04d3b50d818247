// The person at the screen as the core sees them: value dialogs, message boxes and
// questions on real windows, and the graph hand-over.
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/host.h"

namespace velmar::gui {

class DialogHost : public Host {
public:
    explicit DialogHost(QWidget* owner) : owner_(owner) {}

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override;
    bool askText(std::string_view caption, std::string_view label, std::string& text,
                 const TextCheck& check) override;
    void message(Box box, std::string_view text) override;
    Reply ask(std::string_view caption, std::string_view text, bool withCancel) override;
    int showGraph(const Diagrams& diagrams, int kind) override;
    int showGraphWithTexts(const Diagrams& diagrams, int kind,
                           const std::vector<std::string>& texts) override;

private:
    QPointer<QWidget> owner_;
};

// Shows up to five curves handed over by a recorder or an analysis, with the lines of
// text that came with them, and returns the key code that closed the window. The one
// implementation of the graph hand-over.
int showGraphWindow(QWidget* owner, const Diagrams& diagrams, int kind,
                    const std::vector<std::string>& texts = {});

}  // namespace velmar::gui
