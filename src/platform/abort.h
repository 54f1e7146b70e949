#ifndef LUMOX_PLATFORM_ABORT_H
#define LUMOX_PLATFORM_ABORT_H

#include <exception>

#include "platform/diagnostics.h"
#include "platform/prompt.h"

namespace lumox {

// Abandons the running user command after its message has been shown. The GUI's command
// router and the command line catch it without a further message.
class UserAbort : public std::exception {
public:
    const char* what() const noexcept override { return "command abandoned"; }
};

[[noreturn]] void AbandonCommand();

// Shows the string-table text of id with the stop icon, then abandons the command.
[[noreturn]] void FailCommand(int id);

// Runs one step of a command to its end: a step abandoned after its message, or stopped by
// a computation that could not go on (whose message is shown here), ends here, since an
// exception must not cross a window system's event. False when the step did not complete.
template <typename Step>
bool RunCommandStep(Step&& step) {
    try {
        step();
    } catch (const UserAbort&) {
        return false;
    } catch (const ComputeError& error) {
        Speak(error.Said());
        return false;
    }
    return true;
}

}  // namespace lumox

#endif
