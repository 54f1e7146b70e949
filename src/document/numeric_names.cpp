#include "document/numeric_names.h"

#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {

ReadStatus ReadAskingNumericNames(const DataTextRead& read) {
    Diagnostics said;
    ReadStatus status = read(NumericNames::Ask, said);
    if (status == ReadStatus::NumericNamesQuestion) {
        Speak(said);
        if (AskYesNo(LoadString(ids::kNumericColumnNames)) != Answer::Yes) {
            return ReadStatus::Refused;
        }
        // The second reading goes over the same text: what it says before the question
        // has been shown already.
        const size_t shown = said.Items().size();
        said.Clear();
        status = read(NumericNames::Accepted, said);
        said.DropFirst(shown);
    }
    Speak(said);
    return status;
}

}  // namespace lumox
