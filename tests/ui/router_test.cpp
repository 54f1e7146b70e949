// The command route: the first target that handles a command runs it when the command's
// rules allow; a command nobody handles is disabled; one abandoned by UserAbort ends quietly.
#include <gtest/gtest.h>

#include "platform/abort.h"
#include "ui/command_router.h"

namespace lumox {
namespace {

class Target : public CommandTarget {
public:
    using CommandTarget::OnCommand;
};

// Rules that enable every command but 1 (until told) and check 3.
CommandRouter::Rules Rules(const bool& oneEnabled) {
    return [&oneEnabled](int id) {
        CommandState state;
        state.enabled = id != 1 || oneEnabled;
        state.checkable = state.checked = id == 3;
        return state;
    };
}

TEST(CommandRouter, TheFirstTargetOnTheRouteRunsWhatTheRulesAllow) {
    Target view, document, app;
    std::vector<std::string> ran;
    bool oneEnabled = false;
    view.OnCommand(1, [&] { ran.push_back("view 1"); });
    document.OnCommand(1, [&] { ran.push_back("document 1"); });
    document.OnCommand(2, [&] { ran.push_back("document 2"); });
    app.OnCommand(2, [&] { ran.push_back("app 2"); });
    app.OnCommand(3, [&] { ran.push_back("app 3"); });
    CommandTarget* viewOnRoute = &view;
    int after = 0;
    CommandRouter router(
        [&] {
            return std::vector<CommandTarget*>{viewOnRoute, &document, nullptr, &app};
        },
        Rules(oneEnabled));
    router.SetAfterCommand([&] { ++after; });

    // 1 is handled but its rule disables it: nothing runs.
    EXPECT_TRUE(router.Query(1).handled);
    EXPECT_FALSE(router.Query(1).enabled);
    EXPECT_FALSE(router.Execute(1));
    oneEnabled = true;
    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_TRUE(router.Query(3).checkable);
    EXPECT_TRUE(router.Query(3).checked);
    // Nobody handles 4: disabled, though its rule would allow it.
    EXPECT_FALSE(router.Query(4).handled);
    EXPECT_FALSE(router.Query(4).enabled);
    EXPECT_FALSE(router.Execute(4));
    // Without a view the document takes 1.
    viewOnRoute = nullptr;
    EXPECT_TRUE(router.Execute(1));
    EXPECT_EQ(ran, (std::vector<std::string>{"view 1", "document 2", "document 1"}));
    EXPECT_EQ(after, 3);
}

TEST(CommandRouter, AnAbandonedCommandEndsSilently) {
    Target target;
    target.OnCommand(7, [] { AbandonCommand(); });
    int after = 0;
    const bool enabled = true;
    CommandRouter router([&] { return std::vector<CommandTarget*>{&target}; }, Rules(enabled));
    router.SetAfterCommand([&] { ++after; });
    EXPECT_NO_THROW(EXPECT_TRUE(router.Execute(7)));
    EXPECT_EQ(after, 1);
}

}  // namespace
}  // namespace lumox
