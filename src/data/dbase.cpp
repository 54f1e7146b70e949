#include "data/dbase.h"

#include "platform/abort.h"
#include "platform/prompt.h"

namespace lumox {

// dBase tables arrive with their reader and writer; until then they are refused plainly.
void ReadDbaseFile(CLumoxDoc&, std::istream&) {
    ShowMessage("Data File: dBase tables are not supported yet!", Icon::Stop);
    AbandonCommand();
}

bool WriteDbaseFile(CLumoxDoc&, std::ostream&) {
    ShowMessage("Data File: dBase tables are not supported yet!", Icon::Stop);
    return false;
}

}  // namespace lumox
