// The keyboard's lock states where the platform lets a program read them (the X11
// keyboard extension); elsewhere they read as off and the Tools menu items stand in.
#pragma once

namespace velmar::gui {

enum class LockKey { NumLock, ScrollLock };

bool lockKeyOn(LockKey key);

}  // namespace velmar::gui
