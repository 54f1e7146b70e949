#ifndef LUMOX_DATA_FIELD_VALIDATION_H
#define LUMOX_DATA_FIELD_VALIDATION_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

// One row of limits for numeric edit fields.
struct FieldLimits {
    int32_t decimals;  // decimals allowed; negative: digits only
    double minimum;
    double maximum;
    const char* format;  // printf format of one number, for the limit messages
};

// The program's limit rows: 0 confidence levels in percent, 1 general numbers.
inline constexpr FieldLimits kFieldLimits[] = {
    {2, 50.0, 99.99, "%-2.2f"},
    {6, -1e20, 1e20, "%-.6g"},
};
constexpr uint32_t kConfidenceLimits = 0;
constexpr uint32_t kNumberLimits = 1;

// One numeric edit field of a dialog.
struct DataTableEntry {
    uint32_t controlId = 0;
    uint32_t limitRow = 0;
    // 0 empty or not yet valid; while typing, the text length at the last check;
    // 1 after a range check passed.
    uint32_t state = 0;
    uint32_t required = 0;  // 1: the field may not be left empty
    // The field's whole text length at the last update; a shorter text means deleting.
    size_t typedLength = 0;
};

// The numeric edit fields of one dialog.
class CDataTable {
public:
    explicit CDataTable(std::vector<DataTableEntry> entries) : entries_(std::move(entries)) {}
    std::vector<DataTableEntry>& Entries() { return entries_; }
    // The entry of a control, or null when the table has none.
    DataTableEntry* Find(uint32_t controlId);

private:
    std::vector<DataTableEntry> entries_;
};

// Control ids of the dialogs that validate numbers.
namespace field_ids {
constexpr uint32_t kPointEstimateConfidence = 1101;
constexpr uint32_t kPointEstimateValues = 1093;  // multi-line, one value per line
constexpr uint32_t kRecordConfidence = 1089;
}  // namespace field_ids

// The tables of the Point Estimate and Select Reports to Record dialogs.
CDataTable PointEstimateTable();
CDataTable RecordReportsTable();

// An edit control as the validation sees it; the Qt dialogs adapt their edits to it.
class EditField {
public:
    virtual ~EditField() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual bool IsMultiLine() const = 0;
    // The line holding the caret, counted from 0.
    virtual uint32_t CaretLine() const = 0;
    // Removes the character before the caret, as a typed backspace does.
    virtual void SendBackspace() = 0;
    virtual void TakeFocus() = 0;
};

// A dialog that owns edit fields by control id.
class FieldDialog {
public:
    virtual ~FieldDialog() = default;
    // The edit of a control, or null when the dialog has none.
    virtual EditField* FindEditField(uint32_t controlId) = 0;
};

// Why a typed number text is refused.
enum class TypedFault { None, BadCharacter, AboveMaximum, BelowMinimum, TooLong };

// The typing check of one number text: maximum first, then the length (maxLength characters
// or more are refused), the characters in order, then a negative minimum. A number still
// below a minimum of 0 or more passes: it may still be typed up to it.
TypedFault CheckTypedText(std::string_view text, const FieldLimits& limits, bool allowExponent,
                          size_t maxLength = 17);

// "Minimum value is:" or "Maximum value is:" followed by the limit in the row's format.
std::string LimitMessage(bool maximum, const FieldLimits& limits);

// The repeat filter of a typing check: true when the checked text (the field, or the caret
// line of a list) must be checked. A field that got shorter is being deleted from and is
// never checked, so deleting never beeps.
bool PassesRepeatFilter(DataTableEntry& entry, size_t fieldLength, size_t checkedLength);

// The range check of an exchange: empty text is valid unless required ("Please enter
// data..."); otherwise minimum <= value <= maximum. Sets the entry's state to 1 when valid.
// The message of a refusal goes to said, when it is not null.
bool RangeCheck(std::string_view text, DataTableEntry& entry, Diagnostics* said);

// Validates a list of numbers, valuesPerLine on every line (0: any count but at least one).
// Lines end at CR LF, LF or CR; an empty line or a wrong count of valid numbers fails with
// "%s on line %d !". On success sets the entry's state to 1 and lineCount to the lines.
bool ValidateNumberList(std::string_view text, DataTableEntry& entry, uint32_t valuesPerLine,
                        Diagnostics* said, uint32_t& lineCount);

// A whole number text checked by the rules of a field of the limit row: the typed
// characters, a complete number (a digit before any exponent, no dangling exponent), then
// the range. No value when it is refused; problem then holds why, in the fields' own words
// where they have them ("Maximum value is:99.99").
std::optional<double> ReadWholeNumber(std::string_view text, const FieldLimits& limits,
                                      bool allowExponent, std::string& problem);

// The confidence level typed as text, checked as the dialogs' level fields check it; no
// value when it is refused, with the fields' message in said.
std::optional<double> ReadConfidenceLevel(std::string_view text, Diagnostics& said);

// Direction of a dialog data exchange.
enum class Exchange { Load, Save };

// The numeric fields of one dialog: its table and its edits. What a check has to tell (a
// beep, a message) goes to the said of the call. A control id that the table or the
// dialog does not know is a fault of the program: a ComputeError.
class FieldValidator {
public:
    FieldValidator(CDataTable& table, FieldDialog& dialog) : table_(table), dialog_(dialog) {}

    // Sets every entry's state to its control's current text length; call when the dialog
    // opens.
    void InitFieldStates();
    // The typing check of a single-number field; call on every change of the control.
    // A refused keystroke beeps and is taken back with a backspace.
    void CheckTypedNumber(uint32_t controlId, Diagnostics& said);
    // The typing check of the caret line of a multi-line list (exponents allowed); the count
    // of values per line is left to the exchange, since a line being typed is incomplete.
    void CheckTypedNumberList(uint32_t controlId, Diagnostics& said);

    // Loading puts value into the control when it is within the limits; saving range-checks
    // the control's text with messages and stores its value. False when saving fails: the
    // focus is back on the field and the dialog stays open.
    bool ExchangeNumber(Exchange exchange, uint32_t controlId, double& value, Diagnostics& said);
    // Loading validates text silently and puts it into the control; saving validates the
    // control's text (up to 32750 characters) with messages and stores it and its line count.
    bool ExchangeNumberList(Exchange exchange, uint32_t controlId, std::string& text,
                            uint32_t& lineCount, uint32_t valuesPerLine, Diagnostics& said);

private:
    CDataTable& table_;
    FieldDialog& dialog_;
};

}  // namespace lumox

#endif
