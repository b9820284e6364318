// Command routing: the view before the document before the frame before the application, and the
// update rules that enable and check commands.
#include "segmentation/core/commandrouter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using segmentation::CommandRouter;
using segmentation::CommandState;
using segmentation::CommandTarget;

constexpr int kId = 57601;

struct RoutingCase
{
    std::vector<CommandTarget> handledBy;
    std::string ranAt; // the target whose handler runs, "" for none
};

void PrintTo(const RoutingCase& c, std::ostream* os)
{
    *os << c.handledBy.size() << " handlers, runs at \"" << c.ranAt << '"';
}

std::string nameOf(CommandTarget target)
{
    switch (target) {
    case CommandTarget::View:
        return "view";
    case CommandTarget::Document:
        return "document";
    case CommandTarget::Frame:
        return "frame";
    case CommandTarget::Application:
        return "application";
    }
    return {};
}

class CommandRouting : public ::testing::TestWithParam<RoutingCase>
{
};

TEST_P(CommandRouting, TheFirstTargetInOrderRunsTheCommand)
{
    CommandRouter router;
    std::vector<std::string> ran;
    for (CommandTarget target : GetParam().handledBy)
        router.setHandler(target, kId, [&ran, target] { ran.push_back(nameOf(target)); });
    EXPECT_EQ(router.route(kId), !GetParam().ranAt.empty());
    EXPECT_EQ(ran, GetParam().ranAt.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{GetParam().ranAt});
}

INSTANTIATE_TEST_SUITE_P(
    Order, CommandRouting,
    ::testing::Values(RoutingCase{{CommandTarget::Application, CommandTarget::Frame, CommandTarget::Document,
                                   CommandTarget::View},
                                  "view"},
                      RoutingCase{{CommandTarget::Application, CommandTarget::Frame, CommandTarget::Document},
                                  "document"},
                      RoutingCase{{CommandTarget::Application, CommandTarget::Frame}, "frame"},
                      RoutingCase{{CommandTarget::Application}, "application"}, RoutingCase{{}, ""}));

TEST(CommandState, WithoutAnUpdateRuleACommandIsEnabledExactlyWhenSomethingHandlesIt)
{
    CommandRouter router;
    EXPECT_FALSE(router.state(kId).enabled);
    router.setHandler(CommandTarget::Application, kId, [] {});
    EXPECT_TRUE(router.state(kId).enabled);
    EXPECT_FALSE(router.state(kId).checked.has_value());
    router.setHandler(CommandTarget::Application, kId, {});
    EXPECT_FALSE(router.state(kId).enabled);
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
