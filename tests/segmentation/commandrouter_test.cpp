// Command routing: the view before the document before the frame before the application, and the
// update rules that enable and check commands.
#include "segmentation/core/commandrouter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using segmentation::CommandRouter;
using segmentation::CommandState;
using segmentation::CommandTarget;

constexpr int kId = 57601;

TEST(CommandRouting, TheFirstTargetInOrderRunsTheCommand)
{
    const std::vector<CommandTarget> order = {CommandTarget::View, CommandTarget::Document,
                                              CommandTarget::Frame, CommandTarget::Application};
    // Handlers are taken away from the front of the order one by one; each time the next one runs.
    CommandRouter router;
    std::vector<CommandTarget> ran;
    for (CommandTarget target : order)
        router.setHandler(target, kId, [&ran, target] { ran.push_back(target); });
    for (CommandTarget target : order) {
        ran.clear();
        EXPECT_TRUE(router.route(kId));
        EXPECT_EQ(ran, std::vector<CommandTarget>{target});
        router.setHandler(target, kId, {});
    }
    ran.clear();
    EXPECT_FALSE(router.route(kId));
    EXPECT_TRUE(ran.empty());
}

TEST(CommandState, WithoutAnUpdateRuleACommandIsEnabledExactlyWhenSomethingHandlesIt)
{
    CommandRouter router;
    EXPECT_FALSE(router.state(kId).enabled);
    router.setHandler(CommandTarget::Application, kId, [] {});
    EXPECT_TRUE(router.state(kId).enabled);
    EXPECT_FALSE(router.state(kId).checked.has_value());
}

TEST(CommandState, TheFirstUpdateRuleInOrderDecidesAlsoForACommandNobodyHandles)
{
    CommandRouter router;
    bool testing = false;
    router.setUpdateHandler(CommandTarget::View, kId, [&testing](CommandState& s) { s.enabled = !testing; });
    router.setUpdateHandler(CommandTarget::Frame, kId, [](CommandState& s) {
        s.enabled = false;
        s.checked = true;
    });
    EXPECT_TRUE(router.state(kId).enabled);
    EXPECT_FALSE(router.state(kId).checked.has_value());
    testing = true;
    EXPECT_FALSE(router.state(kId).enabled);
}

TEST(CommandRouting, ADisabledCommandIsNotRunEvenWhenItArrives)
{
    CommandRouter router;
    bool testing = true;
    int runs = 0;
    router.setHandler(CommandTarget::Frame, kId, [&runs] { ++runs; });
    router.setUpdateHandler(CommandTarget::View, kId, [&testing](CommandState& s) { s.enabled = !testing; });
    EXPECT_FALSE(router.route(kId));
    testing = false;
    EXPECT_TRUE(router.route(kId));
    EXPECT_EQ(runs, 1);
}

TEST(CommandRouting, AHandlerMayReplaceItselfWhileItRuns)
{
    CommandRouter router;
    int second = 0;
    router.setHandler(CommandTarget::Frame, kId,
                      [&] { router.setHandler(CommandTarget::Frame, kId, [&second] { ++second; }); });
    EXPECT_TRUE(router.route(kId));
    EXPECT_TRUE(router.route(kId));
    EXPECT_EQ(second, 1);
}

} // namespace
