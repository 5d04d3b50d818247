// The texts the main window's items show before any language is applied: the window's
// own. Most are the English set's. The items the system left in Russian (the Tools
// menu, the mouse editor's popups) show the Russian set's, and a few are texts no set
// repeats: the menu hints without the key in brackets, "Clear &screen", the Step
// submenu's caption naming the constant step. Keeping them as references into the
// translation table leaves every caption written once.
#pragma once

#include <string_view>

#include "core/shell/translations.h"

namespace velmar {

// The window whose items these are.
inline constexpr std::string_view kMainWindow = "FormMain";

// The main window's own text of a target; empty when neither the window nor the
// English set has one.
std::string_view mainWindowText(std::string_view component, TextProperty property);

}  // namespace velmar
