// The command route: the first target that handles a command runs it and answers for
// its state; a command abandoned by UserAbort ends quietly.
#include <gtest/gtest.h>

#include "platform/abort.h"
#include "ui/command_router.h"

namespace lumox {
namespace {

class Target : public CommandTarget {
public:
    using CommandTarget::OnCommand;
};

TEST(CommandRouter, TheFirstTargetOnTheRouteDecides) {
    Target view, document, app;
    std::vector<std::string> ran;
    bool viewEnabled = false;
    view.OnCommand(
        1, [&] { ran.push_back("view 1"); }, [&] { return viewEnabled; });
    document.OnCommand(1, [&] { ran.push_back("document 1"); });
    document.OnCommand(2, [&] { ran.push_back("document 2"); });
    app.OnCommand(2, [&] { ran.push_back("app 2"); });
    app.OnCommand(
        3, [&] { ran.push_back("app 3"); }, {}, [] { return true; });
    CommandTarget* viewOnRoute = &view;
    int after = 0;
    CommandRouter router([&] {
        return std::vector<CommandTarget*>{viewOnRoute, &document, nullptr, &app};
    });
    router.SetAfterCommand([&] { ++after; });

    // The view handles 1 but disables it: nothing runs, even though the document could.
    EXPECT_FALSE(router.Query(1).enabled);
    EXPECT_FALSE(router.Execute(1));
    viewEnabled = true;
    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_TRUE(router.Query(3).checkable);
    EXPECT_TRUE(router.Query(3).checked);
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
    CommandRouter router([&] { return std::vector<CommandTarget*>{&target}; });
    router.SetAfterCommand([&] { ++after; });
    EXPECT_NO_THROW(EXPECT_TRUE(router.Execute(7)));
    EXPECT_EQ(after, 1);
}

}  // namespace
}  // namespace lumox
