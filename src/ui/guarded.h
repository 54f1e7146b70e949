#ifndef LUMOX_UI_GUARDED_H
#define LUMOX_UI_GUARDED_H

#include <utility>

#include "platform/abort.h"

namespace lumox {

// Runs one step of a dialog's button or edit to its end (RunCommandStep): an exception
// must not cross a Qt signal. False when the step was abandoned.
template <typename Step>
bool Guarded(Step&& step) {
    return RunCommandStep(std::forward<Step>(step));
}

}  // namespace lumox

#endif
