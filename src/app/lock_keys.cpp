#include "lock_keys.h"

#include <QGuiApplication>

#ifdef MARKWISE_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace markwise {

std::optional<LockKeys> ReadLockKeys() {
#ifdef MARKWISE_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // By the indicators' names: their bit positions differ between keyboard maps.
    const auto lit = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, False);
        return atom != None &&
               XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    return LockKeys{lit("Caps Lock"), lit("Num Lock"), lit("Scroll Lock")};
#else
    return std::nullopt;
#endif
}

} // namespace markwise
