#include "platform/abort.h"

namespace lumox {

void AbandonCommand() { throw UserAbort(); }

void FailCommand(int id) {
    ShowMessage(id, Icon::Stop);
    throw UserAbort();
}

}  // namespace lumox
