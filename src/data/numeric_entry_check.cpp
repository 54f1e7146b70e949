#include "data/numeric_entry_check.h"

#include <algorithm>
#include <iterator>

#include "platform/format.h"

namespace lumox {
namespace {

constexpr FieldLimits kEntryLimits[] = {
    {-1, 0.0, 40.0, "%-.0f"},
    {2, 0.01, 1000000.0, "%-.2f"},
    {6, -1.0e20, 1.0e20, "%-.6g"},
};

}  // namespace

const FieldLimits& CNumericEntryCheck::Limits(int mode) {
    const int last = static_cast<int>(std::size(kEntryLimits)) - 1;
    return kEntryLimits[std::clamp(mode, 0, last)];
}

CNumericEntryCheck::CNumericEntryCheck(int mode) : limits_(Limits(mode)) {}

bool CNumericEntryCheck::Check(std::string_view text) {
    reason_.clear();
    if (text.empty()) return true;
    switch (CheckTypedText(text, limits_, true, kMaxLength)) {
        case TypedFault::None:
            return true;
        case TypedFault::AboveMaximum:
            reason_ = "Maximum value is: " + Format(limits_.format, limits_.maximum);
            break;
        case TypedFault::BelowMinimum:
            reason_ = "Minimum value is: " + Format(limits_.format, limits_.minimum);
            break;
        case TypedFault::TooLong:
            reason_ = "Too many characters...";
            break;
        case TypedFault::BadCharacter:
            break;
    }
    return false;
}

}  // namespace lumox
