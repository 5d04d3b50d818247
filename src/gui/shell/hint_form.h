// The "Description" window `HintForm`: the heading and text of the loaded test scheme
// on a panel whose height follows the description's percentage; the text is kept 50
// pixels narrower than the window, also when the window is resized.
#pragma once

#include <QWidget>

#include "core/shell/test_schemes.h"

class QFrame;
class QLabel;

namespace velmar::gui {

class THintForm : public QWidget {
    Q_OBJECT
public:
    explicit THintForm(QWidget* parent = nullptr);

    // Shows the window at its place and size, empty.
    void showEmpty();
    void describe(const TestDescription& description);

    QLabel* label() const { return Label1; }
    QFrame* panel() const { return Panel1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
};

// The panel's height for a description's percentage.
int descriptionPanelHeight(int percent);

}  // namespace velmar::gui
