#include "ui/key_indicators.h"

#include <dlfcn.h>

#include <QGuiApplication>

namespace lumox {

#if QT_CONFIG(xcb)
namespace {

// The two Xlib calls that answer the question, looked up at run time: the X library is
// loaded already by the X platform plugin, and the build then needs no X headers.
struct XkbCalls {
    using Atom = unsigned long;
    Atom (*internAtom)(Display*, const char*, int) = nullptr;
    int (*getNamedIndicator)(Display*, Atom, int*, int*, void*, int*) = nullptr;

    XkbCalls() {
        void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
        if (library == nullptr) library = dlopen("libX11.so.6", RTLD_LAZY);
        if (library == nullptr) return;
        internAtom = reinterpret_cast<decltype(internAtom)>(dlsym(library, "XInternAtom"));
        getNamedIndicator =
            reinterpret_cast<decltype(getNamedIndicator)>(dlsym(library, "XkbGetNamedIndicator"));
    }

    bool State(Display* display, const char* name) const {
        int on = 0;
        const Atom atom = internAtom(display, name, 0);
        return atom != 0 && getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    }
};

}  // namespace
#endif

LockKeys QueryLockKeys() {
    LockKeys keys;
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) return keys;
    static const XkbCalls calls;
    if (calls.internAtom == nullptr || calls.getNamedIndicator == nullptr) return keys;
    keys.caps = calls.State(display, "Caps Lock");
    keys.num = calls.State(display, "Num Lock");
    keys.scroll = calls.State(display, "Scroll Lock");
#endif
    return keys;
}

}  // namespace lumox
