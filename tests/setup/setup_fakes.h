#ifndef LUMOX_TESTS_SETUP_SETUP_FAKES_H
#define LUMOX_TESTS_SETUP_SETUP_FAKES_H

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "setup/file_copy.h"
#include "setup/installer.h"
#include "setup/menu_client.h"
#include "setup/setup_prompt.h"

namespace lumox::setup::test {

struct Shown {
    std::string text;
    std::string caption;
    PromptIcon icon;
    bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "{\"" << shown.text << "\", \"" << shown.caption << "\", "
         << static_cast<int>(shown.icon) << "}";
}

// Records every message and question; answers questions from a script (No when it runs out).
class RecordingPrompt : public SetupPrompt {
public:
    void Show(const std::string& text, const std::string& caption, PromptIcon icon) override {
        shown.push_back({text, caption, icon});
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, PromptIcon::kQuestion});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    int beeps = 0;
};

// The COPY dialog without a window: onPump runs while the given file is shown, standing for
// a press of Cancel.
class FakeProgress : public CopyProgress {
public:
    explicit FakeProgress(SetupPrompt& prompt) : prompt_(prompt) {}
    void ShowFile(const std::string& name) override { names.push_back(name); }
    void Pump() override {
        if (cancelAt && names.back() == *cancelAt && ConfirmQuit(prompt_)) confirmed_ = true;
    }
    bool CancelConfirmed() const override { return confirmed_; }

    std::vector<std::string> names;
    std::optional<std::string> cancelAt;

private:
    SetupPrompt& prompt_;
    bool confirmed_ = false;
};

// The installer's windows answered from a script of targets (nothing stands for Cancel).
class FakeUi : public InstallerUi {
public:
    std::optional<std::string> AskTarget(const std::string& target) override {
        offered.push_back(target);
        if (targets.empty()) return std::nullopt;
        std::optional<std::string> answer = targets.front();
        targets.pop_front();
        return answer;
    }
    CopyProgress& OpenCopy() override {
        ++copyOpened;
        return progress;
    }
    void CloseCopy() override { ++copyClosed; }
    SetupPrompt& Prompt() override { return prompt; }

    std::deque<std::optional<std::string>> targets;
    std::vector<std::string> offered;
    RecordingPrompt prompt;
    FakeProgress progress{prompt};
    int copyOpened = 0;
    int copyClosed = 0;
};

// A menu client that records its calls and fails the call named in failAt.
class FakeMenu : public MenuClient {
public:
    bool Connect() override { return Call("connect"); }
    bool FindMenu() override { return Call("find"); }
    bool CreateGroup(const std::string& name, const MenuEntry& first) override {
        return Call("group " + name + " " + Describe(first));
    }
    bool AddItem(const MenuEntry& entry) override { return Call("item " + Describe(entry)); }
    void Release() override { Call("release"); }

    std::vector<std::string> calls;
    std::string failAt;

private:
    static std::string Describe(const MenuEntry& entry) {
        return entry.id + " " + entry.path + " " + entry.title + (entry.program ? " program" : "");
    }
    bool Call(const std::string& call) {
        calls.push_back(call);
        return failAt.empty() || call.rfind(failAt, 0) != 0;
    }
};

}  // namespace lumox::setup::test

#endif
