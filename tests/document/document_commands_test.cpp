// The Results file commands of the document: save flows, the question before closing,
// Record Input Data, and their enable rules.
#include <gtest/gtest.h>

#include <functional>

#include <filesystem>

#include "document/lumox_doc.h"
#include "support/fake_host.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox {
namespace {

using test::FakeResults;
using test::ReadFile;
using test::ScriptedPrompt;
using test::TempDir;

// Answers the save-file dialog from a script and records what it suggested.
class FakeHost : public DocumentHost {
public:
    ResultsView* GetResultsView() override {
        ++shown;
        return &results;
    }
    std::optional<std::string> AskSaveFileName(const std::string& suggested) override {
        suggestions.push_back(suggested);
        if (names.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        std::optional<std::string> name = names.front();
        names.erase(names.begin());
        return name;
    }
    FakeResults results;
    std::vector<std::optional<std::string>> names;
    std::vector<std::string> suggestions;
    int shown = 0;
};

struct Fixture {
    Fixture() { doc.SetHost(&host); }
    TempDir dir;
    ScriptedPrompt prompt;
    FakeHost host;
    CLumoxDoc doc;
};

TEST(DocumentCommands, SaveResultsAsksWhileTheNameIsTheDefaultThenSavesInPlace) {
    Fixture f;
    f.host.results.text = "one\r\n";
    f.doc.SetModifiedFlag(true);
    const std::string chosen = f.dir.File("out.txt");
    f.host.names = {chosen};
    f.doc.OnFileSaveResults();
    EXPECT_EQ(f.host.suggestions, std::vector<std::string>{"RESULTS.TXT"});
    EXPECT_EQ(ReadFile(chosen), "one\r\n");
    EXPECT_EQ(f.doc.ResultsPath(), chosen);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_GE(f.host.shown, 1);  // the Results window was brought forward

    // The name is now chosen: the next save writes it without a dialog.
    f.host.results.text = "one\r\ntwo\r\n";
    f.doc.SetModifiedFlag(true);
    f.doc.OnFileSaveResults();
    EXPECT_EQ(f.host.suggestions.size(), 1u);
    EXPECT_EQ(ReadFile(chosen), "one\r\ntwo\r\n");
    EXPECT_TRUE(f.prompt.messages.empty());
}

TEST(DocumentCommands, SaveResultsAsksWhenTheChosenFileIsGoneOrReadOnly) {
    namespace fs = std::filesystem;
    Fixture f;
    f.host.results.text = "text";
    const std::string gone = f.dir.File("gone.txt");
    const std::string readOnly = f.dir.File("ro.txt");
    const std::string fresh = f.dir.File("fresh.txt");
    // Each file is chosen by Save Results As, then removed or made read-only.
    const std::pair<std::string, std::function<void(const std::string&)>> cases[] = {
        {gone, [](const std::string& path) { fs::remove(path); }},
        {readOnly,
         [](const std::string& path) {
             fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
         }},
    };
    for (const auto& [path, spoil] : cases) {
        f.host.names = {path};
        f.doc.OnFileSaveResultsAs();
        ASSERT_EQ(f.doc.ResultsPath(), path);
        spoil(path);
        f.host.names = {fresh};
        f.host.suggestions.clear();
        f.doc.OnFileSaveResults();
        EXPECT_EQ(f.host.suggestions, std::vector<std::string>{path});
        EXPECT_EQ(f.doc.ResultsPath(), fresh);
    }
    EXPECT_EQ(ReadFile(readOnly), "text");
}

TEST(DocumentCommands, ACancelledOrFailedSaveChangesNothing) {
    Fixture f;
    f.host.results.text = "text";
    f.doc.SetModifiedFlag(true);
    f.host.names = {std::nullopt, f.dir.File("no/such/folder/r.txt")};
    f.doc.OnFileSaveResultsAs();
    f.doc.OnFileSaveResultsAs();
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(f.doc.ResultsPath(), "RESULTS.TXT");
    EXPECT_EQ(f.prompt.Texts(), std::vector<std::string>{"Could not save Results to file!\n" +
                                                         f.dir.File("no/such/folder/r.txt") +
                                                         ": No such file or directory"});
    EXPECT_EQ(f.prompt.messages[0].icon, Icon::Stop);
}

TEST(DocumentCommands, SaveResultsAsAlwaysAsksSuggestingTheLastName) {
    Fixture f;
    f.host.results.text = "r";
    const std::string first = f.dir.File("first.txt");
    const std::string second = f.dir.File("second.txt");
    f.host.names = {first, second};
    f.doc.OnFileSaveResultsAs();
    f.doc.OnFileSaveResultsAs();
    EXPECT_EQ(f.host.suggestions, (std::vector<std::string>{"RESULTS.TXT", first}));
    EXPECT_EQ(ReadFile(second), "r");
    EXPECT_EQ(f.doc.ResultsPath(), second);
}

TEST(DocumentCommands, EnableRulesOfTheResultsCommands) {
    Fixture f;
    EXPECT_FALSE(f.doc.CanSaveResults());
    EXPECT_FALSE(f.doc.CanSaveResultsAs());
    EXPECT_FALSE(f.doc.CanRecordInputData());

    // A change enables Save Results, and Save Results As for good; asking changes nothing.
    f.doc.SetModifiedFlag(true);
    EXPECT_TRUE(f.doc.CanSaveResults());
    EXPECT_TRUE(f.doc.CanSaveResultsAs());
    f.doc.SetModifiedFlag(false);
    EXPECT_FALSE(f.doc.CanSaveResults());
    EXPECT_TRUE(f.doc.CanSaveResultsAs());

    // Clear All: neither until the Results change again.
    f.doc.SetModifiedFlag(true);
    f.doc.OnResultsCleared();
    EXPECT_FALSE(f.doc.CanSaveResults());
    EXPECT_FALSE(f.doc.CanSaveResultsAs());

    ASSERT_TRUE(f.doc.OnOpenDocument(f.dir.Write("xy.dat", "X Y\r\n1 2\r\n3 4\r\n")));
    EXPECT_TRUE(f.doc.CanRecordInputData());
    ASSERT_TRUE(f.doc.OnOpenDocument(f.dir.Write("empty.dat", "")));
    EXPECT_FALSE(f.doc.CanRecordInputData());
}

// The question before closing, with each answer.
TEST(DocumentCommands, SaveModifiedAnswers) {
    struct Case {
        const char* name;
        bool modified;
        std::vector<Answer> answers;
        std::vector<std::optional<std::string>> dialog;  // "" stands for the chosen file
        bool closes;
        bool written;
    };
    const std::vector<Case> cases = {
        {"unmodified: no question", false, {}, {}, true, false},
        {"Cancel keeps the document", true, {Answer::Cancel}, {}, false, false},
        {"No closes without saving", true, {Answer::No}, {}, true, false},
        {"Yes saves, then closes", true, {Answer::Yes}, {""}, true, true},
        {"Yes, dialog cancelled: stays", true, {Answer::Yes}, {std::nullopt}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const std::string file = f.dir.File("saved.txt");
        f.host.results.text = "R\r\n";
        f.doc.SetModifiedFlag(c.modified);
        f.prompt.answers.assign(c.answers.begin(), c.answers.end());
        for (const auto& name : c.dialog) f.host.names.push_back(name ? file : name);
        EXPECT_EQ(f.doc.SaveModified(), c.closes);
        EXPECT_EQ(std::filesystem::exists(file), c.written);
        if (c.modified) {
            EXPECT_EQ(f.prompt.Texts(), std::vector<std::string>{"Save Results to a file?"});
        } else {
            EXPECT_TRUE(f.prompt.messages.empty());
        }
        // Yes always asks for the name, suggesting the last one.
        if (!c.dialog.empty()) {
            EXPECT_EQ(f.host.suggestions[0], "RESULTS.TXT");
        }
        EXPECT_EQ(f.doc.IsModified(), c.modified && !c.written);
    }
}

TEST(DocumentCommands, RecordInputDataAppendsTheListingAlone) {
    Fixture f;
    ASSERT_TRUE(f.doc.OnOpenDocument(f.dir.Write("xy.dat", "X Y\r\n1 2\r\n3 4\r\n")));
    // Flags left from an earlier recording must not join in.
    f.doc.SetRecordedReports({ReportKind::Equation, ReportKind::Descriptive});
    f.host.results.text = "typed\r\n";
    f.doc.OnRecordInputData();
    EXPECT_EQ(f.host.results.text,
              "typed\r\n"
              "\r\n\r\nINPUT DATA\r\n\r\n"
              "X  Y  \r\n"
              "1  2\r\n"
              "3  4\r\n");
    EXPECT_EQ(f.doc.RecordedReports(), ReportKinds{ReportKind::InputData});
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_TRUE(f.prompt.messages.empty());
}

}  // namespace
}  // namespace lumox
