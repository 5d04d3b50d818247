#include "gui/shell/lock_keys.h"

#include <QGuiApplication>

#ifdef VELMAR_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace velmar::gui {

bool lockKeyOn(LockKey key) {
#ifdef VELMAR_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) return false;
    Display* display = x11->display();
    const Atom name = XInternAtom(display, key == LockKey::NumLock ? "Num Lock" : "Scroll Lock", True);
    if (name == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr)) return false;
    return on;
#else
    (void)key;
    return false;
#endif
}

}  // namespace velmar::gui
