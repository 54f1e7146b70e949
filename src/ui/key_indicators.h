#ifndef LUMOX_UI_KEY_INDICATORS_H
#define LUMOX_UI_KEY_INDICATORS_H

namespace lumox {

// The lock keys as the keyboard's indicators show them.
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Asks the X server for its Caps, Num and Scroll Lock indicators; all off where that
// cannot be asked (another window system).
LockKeys QueryLockKeys();

}  // namespace lumox

#endif
