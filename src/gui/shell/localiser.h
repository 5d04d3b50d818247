// Puts the texts of the interface language on the windows, by the names of their
// components. The main window gets a language's rows at once; the windows made or
// shown later (the graph viewer, the value dialog, the method chooser, the print
// preview, the help window) get the texts in force when they are shown.
#pragma once

#include <QObject>
#include <vector>

#include "core/shell/translations.h"

class QWidget;

namespace velmar::gui {

// Assigns the rows that belong to `window` (by its objectName) to its components. A
// window's own caption changes only while it is one of the row's texts, so a caption
// its caller gave it stays.
void applyRows(QWidget* window, const Localisation& texts, const std::vector<std::size_t>& rows);
// Assigns the rows to the main window `owner`, to every other open window but another
// main window, and to the global strings.
void applyEverywhere(QWidget* owner, const Localisation& texts, const std::vector<std::size_t>& rows);

// Gives every window the texts in force when it is shown; lives as long as its owner.
class WindowLocaliser : public QObject {
public:
    explicit WindowLocaliser(const Localisation& texts, QObject* parent);
    ~WindowLocaliser() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Localisation& texts_;
};

}  // namespace velmar::gui
