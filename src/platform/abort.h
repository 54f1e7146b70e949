#ifndef LUMOX_PLATFORM_ABORT_H
#define LUMOX_PLATFORM_ABORT_H

#include <exception>

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

}  // namespace lumox

#endif
