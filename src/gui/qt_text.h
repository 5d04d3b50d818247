// The core's texts are UTF-8; the windows show them as QStrings.
#pragma once

#include <QString>
#include <string_view>

namespace velmar::gui {

inline QString qText(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace velmar::gui
