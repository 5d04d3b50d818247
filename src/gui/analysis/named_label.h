// A label of an analysis window with a name of its own: the interface language finds
// its text by that name.
#pragma once

#include <QLabel>

namespace velmar::gui {

inline QLabel* namedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace velmar::gui
