#ifndef LUMOX_DATA_NUMERIC_ENTRY_CHECK_H
#define LUMOX_DATA_NUMERIC_ENTRY_CHECK_H

#include <string>
#include <string_view>

#include "data/field_validation.h"

namespace lumox {

// The keystroke check of a number typed into a grid cell. Modes are rows of its own limits
// table: 0 whole numbers 0 .. 40, 1 two decimals 0.01 .. 1000000, 2 any number with up to
// six decimals and an exponent, between -1e20 and 1e20 (the mode data cells use).
class CNumericEntryCheck {
public:
    static constexpr int kDataCellMode = 2;
    // Texts of 13 characters or more are refused.
    static constexpr size_t kMaxLength = 13;

    explicit CNumericEntryCheck(int mode = kDataCellMode);

    // True when text may stand as typed so far. On a refusal Reason() tells why; it is
    // empty for a character that is refused without words.
    bool Check(std::string_view text);
    const std::string& Reason() const { return reason_; }

    static const FieldLimits& Limits(int mode);

private:
    const FieldLimits& limits_;
    std::string reason_;
};

}  // namespace lumox

#endif
