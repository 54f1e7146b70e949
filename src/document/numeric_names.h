#ifndef LUMOX_DOCUMENT_NUMERIC_NAMES_H
#define LUMOX_DOCUMENT_NUMERIC_NAMES_H

#include <functional>

#include "data/text_data.h"

namespace lumox {

// A reading of a data text with the given answer to the numeric-names question.
using DataTextRead = std::function<ReadStatus(NumericNames names, Diagnostics& said)>;

// Runs read; when it returns the numeric-names question, shows what it said so far, asks
// the person and reads again with the answer. Every diagnostic is shown once, in the order
// it arose. Read when the text was read; a declined question gives Refused.
ReadStatus ReadAskingNumericNames(const DataTextRead& read);

}  // namespace lumox

#endif
