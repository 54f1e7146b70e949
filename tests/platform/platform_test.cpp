#include <gtest/gtest.h>

#include <filesystem>

#include "platform/abort.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

TEST(Format, ProducesPrintfOutputOfAnyLength) {
    EXPECT_EQ(Format("%-16.9g|", 1.0 / 3.0), "0.333333333     |");
    EXPECT_EQ(Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
    EXPECT_EQ(Format("%s", ""), "");
}

TEST(StringTable, HoldsTheProgramsTextsByteExact) {
    EXPECT_STREQ(LoadString(ids::kMatrixTooLarge), "Matrix: too large");
    EXPECT_STREQ(LoadString(ids::kEquationDoesNotFit),
                 "The equation does not fit the data! Sum of squares\r\nfor Error is greater "
                 "than sum of squares for Total...\n");
    EXPECT_STREQ(LoadString(ids::kModelConstantTooLarge),
                 "A constant for the selected equation is too large!\nThe linearized version will "
                 "be displayed.\"\n");
    EXPECT_STREQ(LoadString(12345), "");
}

TEST(Abort, FailCommandShowsTheMessageThenThrowsSilently) {
    test::ScriptedPrompt prompt;
    EXPECT_THROW(FailCommand(ids::kSvdFailed), UserAbort);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, "SVD: Unable to calculate equation coefficients!");
    EXPECT_EQ(prompt.messages[0].icon, Icon::Stop);
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFileWhole) {
    test::TempDir dir;
    const std::string path = dir.Write("keep.txt", "old");
    EXPECT_FALSE(WriteFileAtomically(path, [](std::ostream& out) {
        out << "half";
        return false;
    }));
    EXPECT_EQ(test::ReadFile(path), "old");
    EXPECT_TRUE(WriteFileAtomically(path, [](std::ostream& out) {
        out << "new";
        return true;
    }));
    EXPECT_EQ(test::ReadFile(path), "new");
    // No temporary file is left beside the target.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace lumox
