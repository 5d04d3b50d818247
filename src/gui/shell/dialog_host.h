// The person at the screen as the core sees them: value dialogs, message boxes and
// questions on real windows, and the graph hand-over.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/host.h"

namespace velmar::gui {

class DialogHost : public Host {
public:
    // `say` gives a message box's title in the interface language.
    using Say = std::function<std::string(std::string_view)>;
    explicit DialogHost(
        QWidget* owner, Say say = [](std::string_view t) { return std::string(t); })
        : owner_(owner), say_(std::move(say)) {}

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
    Say say_;
};

class TFormMain;

// Shows up to five curves handed over by a recorder or an analysis, with the lines of
// text that came with them. The one implementation of the graph hand-over. A
// recorder's curves go to its own viewer beside the main window and the call returns
// at once (Esc's code); any other graph waits in the analysis viewer and returns the
// key code that closed it.
int showGraphWindow(QWidget* owner, const Diagrams& diagrams, int kind,
                    const std::vector<std::string>& texts = {});

// Gives every open recorder viewer of the main window its recorder's curves of the
// last run.
void followRecorders(TFormMain& form);

}  // namespace velmar::gui
