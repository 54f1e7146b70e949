#ifndef LUMOX_UI_GUARDED_H
#define LUMOX_UI_GUARDED_H

#include "platform/abort.h"

namespace lumox {

// Runs one step of a dialog's button or edit. A step abandoned after its message (a
// computation that stopped) ends here, since an exception must not cross a Qt signal.
// False when the step was abandoned.
template <typename Step>
bool Guarded(Step&& step) {
    try {
        step();
    } catch (const UserAbort&) {
        return false;
    }
    return true;
}

}  // namespace lumox

#endif
