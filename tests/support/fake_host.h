#ifndef LUMOX_TESTS_SUPPORT_FAKE_HOST_H
#define LUMOX_TESTS_SUPPORT_FAKE_HOST_H

#include <optional>
#include <string>

#include "document/document_host.h"

namespace lumox::test {

// A Results window that is just its text, with the window's capacity.
class FakeResults : public ResultsView {
public:
    std::string GetText() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void AppendText(std::string bytes) override {
        text += bytes;
        ++appends;
    }
    size_t TextSize() const override { return text.size(); }
    size_t Capacity() const override { return 52000; }
    std::string text;
    int appends = 0;
};

// A host with one fake Results window (none when hasResults is false) whose save dialog
// answers saveName.
class FakeHost : public DocumentHost {
public:
    ResultsView* GetResultsView() override { return hasResults ? &results : nullptr; }
    std::optional<std::string> AskSaveFileName(const std::string&) override { return saveName; }
    void UpdateAllViews() override { ++viewUpdates; }
    FakeResults results;
    int viewUpdates = 0;
    bool hasResults = true;
    std::optional<std::string> saveName;
};

}  // namespace lumox::test

#endif
