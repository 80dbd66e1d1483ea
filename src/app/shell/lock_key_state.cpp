#include "app/shell/lock_key_state.h"

#include <QGuiApplication>

// Last: Xlib defines macros (KeyPress, None, Bool) that clash with Qt's names.
#include <X11/XKBlib.h>

namespace {
bool IndicatorOn(Display* display, const char* name) {
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
           on;
}
} // namespace

std::array<bool, 3> LockKeyStates() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Other platforms may offer the interface without a display behind it.
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) {
        return {};
    }
    return {IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
            IndicatorOn(display, "Scroll Lock")};
}
