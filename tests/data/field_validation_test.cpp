#include "data/field_validation.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/diagnostics.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Message;
using test::ScriptedPrompt;
using test::Spoken;

// An edit control with a caret; like a real control it reports every change of its text,
// including the one its own backspace makes.
class FakeEdit : public EditField {
public:
    explicit FakeEdit(bool multiLine) : multiLine_(multiLine) {}

    std::string Text() const override { return text; }
    void SetText(const std::string& t) override {
        text = t;
        caret = t.size();
        onChange();
    }
    bool IsMultiLine() const override { return multiLine_; }
    uint32_t CaretLine() const override {
        uint32_t line = 0;
        for (size_t i = 0; i < caret; ++i) line += text[i] == '\n' ? 1 : 0;
        return line;
    }
    void SendBackspace() override { Backspace(); }
    void TakeFocus() override { ++focused; }

    void Type(std::string_view keys) {
        for (const char key : keys) {
            text.insert(caret++, 1, key);
            onChange();
        }
    }
    void Backspace() {
        if (caret == 0) return;
        text.erase(--caret, 1);
        onChange();
    }

    std::string text;
    size_t caret = 0;
    int focused = 0;
    std::function<void()> onChange = [] {};

private:
    bool multiLine_;
};

class FakeDialog : public FieldDialog {
public:
    EditField* FindEditField(uint32_t id) override {
        const auto found = edits.find(id);
        return found == edits.end() ? nullptr : found->second;
    }
    std::map<uint32_t, EditField*> edits;
};

// The validator as a dialog's fields use it: what a check says is shown at once.
class SpeakingValidator {
public:
    SpeakingValidator(CDataTable& table, FieldDialog& dialog) : validator_(table, dialog) {}
    void InitFieldStates() { validator_.InitFieldStates(); }
    void CheckTypedNumber(uint32_t id) { Spoken([&](Diagnostics& s) { validator_.CheckTypedNumber(id, s); }); }
    void CheckTypedNumberList(uint32_t id) {
        Spoken([&](Diagnostics& s) { validator_.CheckTypedNumberList(id, s); });
    }
    bool ExchangeNumber(Exchange exchange, uint32_t id, double& value) {
        return Spoken([&](Diagnostics& s) { return validator_.ExchangeNumber(exchange, id, value, s); });
    }
    bool ExchangeNumberList(Exchange exchange, uint32_t id, std::string& text, uint32_t& lines,
                            uint32_t perLine) {
        return Spoken([&](Diagnostics& s) {
            return validator_.ExchangeNumberList(exchange, id, text, lines, perLine, s);
        });
    }

private:
    FieldValidator validator_;
};

// The Point Estimate dialog: its confidence level and its list of X values, one per line.
class FieldValidation : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.edits = {{field_ids::kPointEstimateConfidence, &level},
                        {field_ids::kPointEstimateValues, &values}};
        level.onChange = [this] { validator.CheckTypedNumber(field_ids::kPointEstimateConfidence); };
        values.onChange = [this] { validator.CheckTypedNumberList(field_ids::kPointEstimateValues); };
        validator.InitFieldStates();
    }

    DataTableEntry& Entry(uint32_t id) { return *table.Find(id); }

    ScriptedPrompt prompt;
    CDataTable table = PointEstimateTable();
    FakeDialog dialog;
    FakeEdit level{false};
    FakeEdit values{true};
    SpeakingValidator validator{table, dialog};
};

TEST_F(FieldValidation, ConfidenceLevelWhileTyping) {
    level.Type("95.5");
    EXPECT_EQ(level.text, "95.5");
    level.Type("5");
    level.Type("5");  // a third decimal
    EXPECT_EQ(level.text, "95.55");
    EXPECT_EQ(prompt.beeps, 1);
    EXPECT_TRUE(prompt.messages.empty());

    level.SetText("");
    level.Type("-");
    EXPECT_EQ(level.text, "");
    EXPECT_EQ(prompt.beeps, 2);

    level.Type("100");
    EXPECT_EQ(level.text, "10");
    EXPECT_EQ(prompt.beeps, 3);
    EXPECT_EQ(prompt.messages, (std::vector<Message>{{"Maximum value is:99.99", Icon::None}}));
}

TEST_F(FieldValidation, ConfidenceLevelOnExchange) {
    double value = 0;
    level.SetText("4");
    EXPECT_FALSE(validator.ExchangeNumber(Exchange::Save, field_ids::kPointEstimateConfidence, value));
    EXPECT_EQ(prompt.messages, (std::vector<Message>{{"Minimum value is:50.00", Icon::None}}));
    EXPECT_EQ(level.focused, 1);
    EXPECT_EQ(Entry(field_ids::kPointEstimateConfidence).state, 0u);

    level.SetText("");
    EXPECT_FALSE(validator.ExchangeNumber(Exchange::Save, field_ids::kPointEstimateConfidence, value));
    EXPECT_EQ(prompt.messages.back(), (Message{"Please enter data...", Icon::Exclamation}));

    level.SetText("97.25");
    EXPECT_TRUE(validator.ExchangeNumber(Exchange::Save, field_ids::kPointEstimateConfidence, value));
    EXPECT_EQ(value, 97.25);
    EXPECT_EQ(Entry(field_ids::kPointEstimateConfidence).state, 1u);

    value = 95.0;
    EXPECT_TRUE(validator.ExchangeNumber(Exchange::Load, field_ids::kPointEstimateConfidence, value));
    EXPECT_EQ(level.text, "95.00");
    value = 120.0;  // outside the limits: the control keeps its text
    EXPECT_TRUE(validator.ExchangeNumber(Exchange::Load, field_ids::kPointEstimateConfidence, value));
    EXPECT_EQ(level.text, "95.00");
    EXPECT_EQ(prompt.messages.size(), 2u);
}

TEST_F(FieldValidation, ValuesListWhileTyping) {
    values.Type("2e-3\n-1.5e-5\n0.000001");
    EXPECT_EQ(values.text, "2e-3\n-1.5e-5\n0.000001");
    EXPECT_EQ(prompt.beeps, 0);

    values.Type("\n0e");  // e before any non-zero digit
    EXPECT_EQ(values.text, "2e-3\n-1.5e-5\n0.000001\n0");
    values.Type(".0e1");
    EXPECT_EQ(values.text, "2e-3\n-1.5e-5\n0.000001\n0.01");
    EXPECT_EQ(prompt.beeps, 2);
    EXPECT_TRUE(prompt.messages.empty());

    values.Type("\n1234567890123456");
    values.Type("7");
    EXPECT_EQ(values.text, "2e-3\n-1.5e-5\n0.000001\n0.01\n1234567890123456");
    EXPECT_EQ(prompt.beeps, 3);
    EXPECT_EQ(prompt.messages,
              (std::vector<Message>{{"Too many characters...", Icon::Exclamation}}));
}

TEST_F(FieldValidation, ValuesListOnExchange) {
    std::string text;
    uint32_t lines = 99;
    const struct {
        std::string text;
        uint32_t valuesPerLine;
        std::vector<std::string> messages;
    } refused[] = {
        {"1\n2 3\n4", 1, {"Check for missing or extra number on line 2 !"}},
        {"1\r\n\r\n2", 1, {"Check for empty line on line 2 !"}},
        {"1\n2e21", 1, {"Maximum value is:1e+20", "Check for missing or extra number on line 2 !"}},
        {"1 2\n3", 2, {"Check for missing or extra number on line 2 !"}},
        {" \t", 0, {"Check for missing or extra number on line 1 !"}},
        {"", 1, {"Please enter data..."}},
    };
    for (const auto& c : refused) {
        prompt.messages.clear();
        values.text = c.text;  // pasted, say: no typing check has seen it
        EXPECT_FALSE(validator.ExchangeNumberList(Exchange::Save, field_ids::kPointEstimateValues, text,
                                        lines, c.valuesPerLine))
            << c.text;
        EXPECT_EQ(prompt.Texts(), c.messages) << c.text;
        EXPECT_EQ(Entry(field_ids::kPointEstimateValues).state, 0u);
    }
    EXPECT_EQ(values.focused, 6);
    EXPECT_EQ(prompt.messages.back().icon, Icon::Exclamation);

    prompt.messages.clear();
    values.SetText("1.5\r\n-2e3\r3\n");  // every kind of line end, and a final one
    ASSERT_TRUE(
        validator.ExchangeNumberList(Exchange::Save, field_ids::kPointEstimateValues, text, lines, 1));
    EXPECT_EQ(text, "1.5\r\n-2e3\r3\n");
    EXPECT_EQ(lines, 3u);
    EXPECT_EQ(Entry(field_ids::kPointEstimateValues).state, 1u);
    values.SetText("1 2 3\n4");
    ASSERT_TRUE(
        validator.ExchangeNumberList(Exchange::Save, field_ids::kPointEstimateValues, text, lines, 0));
    EXPECT_EQ(lines, 2u);

    text = "7\n8";
    ASSERT_TRUE(
        validator.ExchangeNumberList(Exchange::Load, field_ids::kPointEstimateValues, text, lines, 1));
    EXPECT_EQ(values.text, "7\n8");
    EXPECT_EQ(lines, 2u);
    EXPECT_TRUE(prompt.messages.empty());
}

// Every way of deleting, including those where what is left would be refused if typed.
TEST_F(FieldValidation, DeletingNeverBeeps) {
    level.SetText("10.5");
    validator.InitFieldStates();
    level.caret = 3;
    level.Backspace();  // "105" is above the maximum
    EXPECT_EQ(level.text, "105");

    values.SetText("1e5\n1234567890\n1234567");
    validator.InitFieldStates();
    values.caret = 15;   // after the second line end
    values.Backspace();  // joins the lines into 17 characters
    EXPECT_EQ(values.text, "1e5\n12345678901234567");

    // After an exchange has passed (state 1) the dialog stays open for the next Calculate.
    std::string text;
    uint32_t lines = 0;
    values.SetText("1e5");
    ASSERT_TRUE(
        validator.ExchangeNumberList(Exchange::Save, field_ids::kPointEstimateValues, text, lines, 1));
    values.caret = 1;
    values.Backspace();  // "e5": an e before any digit
    EXPECT_EQ(values.text, "e5");
    level.SetText("");
    level.Type("95");
    level.Backspace();
    level.Backspace();
    EXPECT_EQ(prompt.beeps, 0);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(TypedNumberText, CharactersDecimalsAndLimits) {
    const FieldLimits digitsOnly = {-1, 0.0, 40.0, "%-.0f"};
    const struct {
        const char* text;
        const FieldLimits& limits;
        bool allowExponent;
        TypedFault fault;
    } cases[] = {
        {"95.55", kFieldLimits[0], false, TypedFault::None},
        {"95.555", kFieldLimits[0], false, TypedFault::BadCharacter},
        {"4", kFieldLimits[0], false, TypedFault::None},  // may still grow to the minimum
        {"-", kFieldLimits[0], false, TypedFault::BadCharacter},
        {"100", kFieldLimits[0], false, TypedFault::AboveMaximum},
        {"9e", kFieldLimits[0], false, TypedFault::BadCharacter},
        {"-5", kFieldLimits[1], false, TypedFault::None},
        {"2e", kFieldLimits[1], false, TypedFault::BadCharacter},
        {"2e-3", kFieldLimits[1], true, TypedFault::None},
        {"1e-", kFieldLimits[1], true, TypedFault::None},
        {"0e", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1.5e-5", kFieldLimits[1], true, TypedFault::None},  // 1 + 5 decimals
        {"1.5e-6", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"0.0000001", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1e+30", kFieldLimits[1], true, TypedFault::AboveMaximum},
        {"-1e+30", kFieldLimits[1], true, TypedFault::BelowMinimum},
        {"1e-99999999999", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1.2.3", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"2e-3.5", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1e5e", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"+1", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"5-", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1,5", kFieldLimits[1], true, TypedFault::BadCharacter},
        {"1234567890123456", kFieldLimits[1], true, TypedFault::None},
        {"12345678901234567", kFieldLimits[1], true, TypedFault::TooLong},
        {"12", digitsOnly, false, TypedFault::None},
        {"1.5", digitsOnly, false, TypedFault::BadCharacter},
        {"41", digitsOnly, false, TypedFault::AboveMaximum},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckTypedText(c.text, c.limits, c.allowExponent), c.fault) << c.text;
    }
    EXPECT_EQ(CheckTypedText("123456789012", kFieldLimits[1], true, 13), TypedFault::None);
    EXPECT_EQ(CheckTypedText("1234567890123", kFieldLimits[1], true, 13), TypedFault::TooLong);

    EXPECT_EQ(LimitMessage(true, kFieldLimits[1]), "Maximum value is:1e+20");
    EXPECT_EQ(LimitMessage(false, kFieldLimits[1]), "Minimum value is:-1e+20");
    EXPECT_EQ(LimitMessage(true, digitsOnly), "Maximum value is:40");
}

TEST(FieldBinding, AControlTheTableOrDialogLacksStopsTheCommand) {
    CDataTable table = RecordReportsTable();
    FakeDialog dialog;
    FakeEdit level(false);
    dialog.edits[field_ids::kRecordConfidence] = &level;
    FieldValidator validator(table, dialog);
    double value = 0;
    Diagnostics said;
    const Message wrongId{"INTERNAL ERROR: Incorrect Edit ID!", Icon::Stop};
    auto saysWrongId = [&](auto step) {
        try {
            step();
        } catch (const ComputeError& error) {
            return error.Said() == wrongId;
        }
        return false;
    };
    EXPECT_TRUE(saysWrongId([&] {
        validator.ExchangeNumber(Exchange::Save, field_ids::kPointEstimateConfidence, value, said);
    }));
    dialog.edits.clear();  // in the table, but the dialog has no such control
    EXPECT_TRUE(saysWrongId([&] { validator.InitFieldStates(); }));
    EXPECT_TRUE(saysWrongId([&] { validator.CheckTypedNumber(field_ids::kRecordConfidence, said); }));
    EXPECT_TRUE(said.Empty());
}

TEST(FieldBinding, ConfidenceLevelTextIsCheckedAsTheDialogsCheckIt) {
    Diagnostics said;
    EXPECT_EQ(ReadConfidenceLevel("90", said), 90.0);
    EXPECT_EQ(ReadConfidenceLevel("99.99", said), 99.99);
    EXPECT_FALSE(ReadConfidenceLevel("49.9", said));
    EXPECT_FALSE(ReadConfidenceLevel("100", said));
    EXPECT_FALSE(ReadConfidenceLevel("", said));
    EXPECT_EQ(said.Items(), (std::vector<Message>{{"Minimum value is:50.00", Icon::Exclamation},
                                                 {"Maximum value is:99.99", Icon::Exclamation},
                                                 {"Please enter data...", Icon::Exclamation}}));
}

}  // namespace
}  // namespace lumox
