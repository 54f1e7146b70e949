#include "data/field_validation.h"

#include <cmath>
#include <iterator>

#include "numeric/number_text.h"
#include "numeric/scanner.h"
#include "platform/format.h"

namespace lumox {
namespace {

constexpr size_t kMaxFieldText = 80;    // the fields' text buffers hold 81 bytes
constexpr size_t kMaxListText = 32750;  // characters of a list read on saving
constexpr int kMaxExponentMagnitude = 999;

// A fault of the program itself, not of what was typed: the command cannot go on.
[[noreturn]] void InternalError(const char* text) { throw ComputeError(text, Icon::Stop); }

// The fields' messages are cut to the length of their text buffers.
void Say(Diagnostics* said, const std::string& text, Icon icon) {
    if (said != nullptr) said->Add(text.substr(0, kMaxFieldText), icon);
}

const FieldLimits& LimitsOf(const DataTableEntry& entry) {
    if (entry.limitRow >= std::size(kFieldLimits)) {
        InternalError("INTERNAL ERROR: Incorrect Edit ID!");
    }
    return kFieldLimits[entry.limitRow];
}

// The value of the exponent text after an e (as atoi reads it), its magnitude capped so
// that no count can overflow.
int ExponentValue(std::string_view digits) {
    size_t i = 0;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) negative = digits[i++] == '-';
    int value = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) {
        value = std::min(value * 10 + (digits[i] - '0'), kMaxExponentMagnitude);
    }
    return negative ? -value : value;
}

// A limit or value in the row's display format; digits-only rows show whole numbers.
std::string FormatNumber(double value, const FieldLimits& limits) {
    return Format(limits.format, limits.decimals < 0 ? std::trunc(value) : value);
}

// One edit field of a dialog with its table entry. For a multi-line control the text is
// the line holding the caret.
class CFieldText {
public:
    CFieldText(CDataTable& table, FieldDialog& dialog, uint32_t controlId) : controlId_(controlId) {
        entry_ = table.Find(controlId);
        control_ = entry_ != nullptr ? dialog.FindEditField(controlId) : nullptr;
        if (control_ == nullptr) InternalError("INTERNAL ERROR: Incorrect Edit ID!");
        limits_ = &LimitsOf(*entry_);
        const std::string whole = control_->Text();
        fieldLength_ = whole.size();
        if (control_->IsMultiLine()) {
            TextLineReader reader(whole);
            const uint32_t caretLine = control_->CaretLine();
            for (uint32_t line = 0; line <= caretLine; ++line) {
                if (reader.ReadLine(text_) == 0) break;
            }
        } else {
            text_ = whole;
        }
        if (text_.size() > kMaxFieldText) text_.resize(kMaxFieldText);
    }

    EditField& Control() const { return *control_; }
    DataTableEntry& Entry() const { return *entry_; }
    const FieldLimits& Limits() const { return *limits_; }
    uint32_t ControlId() const { return controlId_; }
    const std::string& Text() const { return text_; }
    size_t FieldLength() const { return fieldLength_; }

private:
    uint32_t controlId_;
    DataTableEntry* entry_ = nullptr;
    EditField* control_ = nullptr;
    const FieldLimits* limits_ = nullptr;
    std::string text_;
    size_t fieldLength_ = 0;
};

class CNumberField : public CFieldText {
public:
    CNumberField(CDataTable& table, FieldDialog& dialog, uint32_t controlId)
        : CFieldText(table, dialog, controlId), value_(AtoF(Text())) {}

    double Value() const { return value_; }

    // The typing check of one number text; a refused keystroke is beeped at and taken back.
    bool CheckTyped(std::string_view text, Diagnostics& said) const {
        const TypedFault fault = CheckTypedText(text, Limits(), allowExponent_);
        if (fault == TypedFault::None) return true;
        said.AddBeep();
        Control().SendBackspace();
        if (fault == TypedFault::AboveMaximum || fault == TypedFault::BelowMinimum) {
            Say(&said, LimitMessage(fault == TypedFault::AboveMaximum, Limits()), Icon::None);
        } else if (fault == TypedFault::TooLong) {
            Say(&said, "Too many characters...", Icon::Exclamation);
        }
        return false;
    }

protected:
    double value_;
    bool allowExponent_ = false;
};

// A multi-line list of numbers: its caret line is checked token by token, exponents allowed.
class CNumberListField : public CNumberField {
public:
    CNumberListField(CDataTable& table, FieldDialog& dialog, uint32_t controlId)
        : CNumberField(table, dialog, controlId) {
        allowExponent_ = true;
    }
};

}  // namespace

DataTableEntry* CDataTable::Find(uint32_t controlId) {
    for (DataTableEntry& entry : entries_) {
        if (entry.controlId == controlId) return &entry;
    }
    return nullptr;
}

CDataTable PointEstimateTable() {
    return CDataTable({{field_ids::kPointEstimateConfidence, kConfidenceLimits, 0, 1},
                       {field_ids::kPointEstimateValues, kNumberLimits, 0, 1}});
}

CDataTable RecordReportsTable() {
    return CDataTable({{field_ids::kRecordConfidence, kConfidenceLimits, 0, 1}});
}

TypedFault CheckTypedText(std::string_view text, const FieldLimits& limits, bool allowExponent,
                          size_t maxLength) {
    const double value = AtoF(text);
    if (value > limits.maximum) return TypedFault::AboveMaximum;
    if (text.size() >= maxLength) return TypedFault::TooLong;

    const bool digitsOnly = limits.decimals < 0;
    int decimals = 0;
    bool point = false;
    bool exponent = false;
    bool nonZero = false;
    size_t pointAt = 0;
    int exponentValue = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && i == 0 && limits.minimum < 0) continue;
        if (c >= '0' && c <= '9') {
            if (digitsOnly) continue;
            if (c != '0') nonZero = true;
            if (point && !exponent) decimals = static_cast<int>(i - pointAt);
            // A negative exponent moves every digit after it further behind the point.
            if (exponent && exponentValue < 0) decimals -= exponentValue;
            if (decimals > limits.decimals) return TypedFault::BadCharacter;
            continue;
        }
        if (digitsOnly) return TypedFault::BadCharacter;
        // A point belongs to the mantissa: one, and none inside the exponent.
        if (c == '.' && !point && !exponent) {
            point = true;
            pointAt = i;
            continue;
        }
        if (!allowExponent) return TypedFault::BadCharacter;
        if ((c == 'e' || c == 'E') && !exponent && nonZero) {
            exponent = true;
            exponentValue = ExponentValue(text.substr(i + 1));
            continue;
        }
        if ((c == '+' || c == '-') && exponent && (text[i - 1] == 'e' || text[i - 1] == 'E')) {
            continue;
        }
        return TypedFault::BadCharacter;
    }
    if (limits.minimum < 0 && value < limits.minimum) return TypedFault::BelowMinimum;
    return TypedFault::None;
}

std::string LimitMessage(bool maximum, const FieldLimits& limits) {
    return std::string(maximum ? "Maximum value is:" : "Minimum value is:") +
           FormatNumber(maximum ? limits.maximum : limits.minimum, limits);
}

bool PassesRepeatFilter(DataTableEntry& entry, size_t fieldLength, size_t checkedLength) {
    const bool deleting = fieldLength < entry.typedLength;
    entry.typedLength = fieldLength;
    entry.state = static_cast<uint32_t>(checkedLength);
    return checkedLength > 0 && !deleting;
}

bool RangeCheck(std::string_view text, DataTableEntry& entry, Diagnostics* said) {
    const FieldLimits& limits = LimitsOf(entry);
    entry.state = 0;
    if (text.empty()) {
        if (!entry.required) return true;
        Say(said, "Please enter data...", Icon::Exclamation);
        return false;
    }
    const double value = AtoF(text);
    if (value >= limits.minimum && value <= limits.maximum) {
        entry.state = 1;
        return true;
    }
    Say(said, LimitMessage(value >= limits.minimum, limits), Icon::None);
    return false;
}

bool ValidateNumberList(std::string_view text, DataTableEntry& entry, uint32_t valuesPerLine,
                        Diagnostics* said, uint32_t& lineCount) {
    lineCount = 0;
    if (text.empty()) return RangeCheck(text, entry, said);
    auto fail = [&](const char* reason, uint32_t line) {
        entry.state = 0;
        Say(said, Format("%s on line %d !", reason, static_cast<int>(line)), Icon::Exclamation);
        return false;
    };
    TextLineReader reader(text);
    std::string line;
    std::string token;
    uint32_t number = 0;
    while (reader.ReadLine(line) != 0) {
        ++number;
        if (line.empty()) return fail("Check for empty line", number);
        TokenSplitter splitter(line);
        uint32_t values = 0;
        while (splitter.NextToken(token)) {
            if (!RangeCheck(token, entry, said)) {
                values = 0;
                break;
            }
            ++values;
        }
        const bool counted = valuesPerLine == 0 ? values > 0 : values == valuesPerLine;
        if (!counted) return fail("Check for missing or extra number", number);
    }
    entry.state = 1;
    lineCount = number;
    return true;
}

std::optional<double> ReadWholeNumber(std::string_view text, const FieldLimits& limits,
                                      bool allowExponent, std::string& problem) {
    if (text.empty()) {
        problem = "Please enter data...";
        return std::nullopt;
    }
    const TypedFault fault = CheckTypedText(text, limits, allowExponent);
    const size_t exponent = text.find_first_of("eE");
    const bool mantissaDigit =
        text.substr(0, exponent).find_first_of("0123456789") != std::string_view::npos;
    const bool complete =
        mantissaDigit && (text.back() == '.' || (text.back() >= '0' && text.back() <= '9'));
    if (fault == TypedFault::TooLong) {
        problem = "Too many characters...";
    } else if (fault == TypedFault::BadCharacter || (fault == TypedFault::None && !complete)) {
        problem = limits.decimals < 0
                      ? std::string("not a whole number")
                      : Format("not a number with at most %d decimals", limits.decimals);
    } else {
        const double value = AtoF(text);
        if (value >= limits.minimum && value <= limits.maximum) return value;
        problem = LimitMessage(value >= limits.minimum, limits);
    }
    return std::nullopt;
}

std::optional<double> ReadConfidenceLevel(std::string_view text, Diagnostics& said) {
    std::string problem;
    const std::optional<double> level =
        ReadWholeNumber(text, kFieldLimits[kConfidenceLimits], false, problem);
    if (!level) Say(&said, problem, Icon::Exclamation);
    return level;
}

void FieldValidator::InitFieldStates() {
    for (DataTableEntry& entry : table_.Entries()) {
        EditField* control = dialog_.FindEditField(entry.controlId);
        if (control == nullptr) InternalError("INTERNAL ERROR: Incorrect Edit ID!");
        const size_t length = control->Text().size();
        entry.state = static_cast<uint32_t>(length);
        entry.typedLength = length;
    }
}

void FieldValidator::CheckTypedNumber(uint32_t controlId, Diagnostics& said) {
    const CNumberField field(table_, dialog_, controlId);
    if (!PassesRepeatFilter(field.Entry(), field.FieldLength(), field.Text().size())) return;
    field.CheckTyped(field.Text(), said);
}

void FieldValidator::CheckTypedNumberList(uint32_t controlId, Diagnostics& said) {
    const CNumberListField field(table_, dialog_, controlId);
    if (!PassesRepeatFilter(field.Entry(), field.FieldLength(), field.Text().size())) return;
    TokenSplitter splitter(field.Text());
    std::string token;
    while (splitter.NextToken(token)) {
        if (!field.CheckTyped(token, said)) return;
    }
}

bool FieldValidator::ExchangeNumber(Exchange exchange, uint32_t controlId, double& value,
                                    Diagnostics& said) {
    const CNumberField field(table_, dialog_, controlId);
    if (exchange == Exchange::Load) {
        const std::string text = FormatNumber(value, field.Limits()).substr(0, kMaxFieldText);
        if (RangeCheck(text, field.Entry(), nullptr)) field.Control().SetText(text);
        return true;
    }
    if (!RangeCheck(field.Text(), field.Entry(), &said)) {
        field.Control().TakeFocus();
        return false;
    }
    value = field.Value();
    return true;
}

bool FieldValidator::ExchangeNumberList(Exchange exchange, uint32_t controlId, std::string& text,
                                        uint32_t& lineCount, uint32_t valuesPerLine,
                                        Diagnostics& said) {
    const CNumberListField field(table_, dialog_, controlId);
    if (exchange == Exchange::Load) {
        ValidateNumberList(text, field.Entry(), valuesPerLine, nullptr, lineCount);
        field.Control().SetText(text);
        return true;
    }
    const std::string all = field.Control().Text().substr(0, kMaxListText);
    uint32_t lines = 0;
    if (!ValidateNumberList(all, field.Entry(), valuesPerLine, &said, lines)) {
        field.Control().TakeFocus();
        return false;
    }
    text = all;
    lineCount = lines;
    return true;
}

}  // namespace lumox
