// Several observers on one engine: each is told every hook in the order they were added, one may
// leave inside a hook, and a table is minimized when any observer's is.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/run_observer.h"
#include "engine_fixture.h"

namespace kragmoor {
namespace {

// Notes its name and the hook in a shared journal.
struct Journal : RunObserver {
    Journal(std::string own_name, std::vector<std::string>& shared)
        : name(std::move(own_name)), journal(shared) {}
    void Yield() override {
        journal.push_back(name + " yield");
        if (on_yield) on_yield();
    }
    void HitsRefreshed() override { journal.push_back(name + " hits"); }
    void ChartPointAdded(const ChartPoint&) override { journal.push_back(name + " point"); }
    bool HitsMinimized() override { return minimized; }

    std::string name;
    std::vector<std::string>& journal;
    std::function<void()> on_yield;
    bool minimized = false;
};

TEST(ObserverList, TellsEachInTurnAndLetsOneLeaveInsideAHook) {
    std::vector<std::string> journal;
    Journal a("a", journal), b("b", journal), c("c", journal);
    ObserverList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);  // once only
    list.Add(&c);
    b.on_yield = [&] { list.Remove(&c); };  // c is not told this yield
    list.Yield();
    b.on_yield = nullptr;
    list.Yield();
    EXPECT_EQ(journal, (std::vector<std::string>{"a yield", "b yield", "a yield", "b yield"}));

    EXPECT_FALSE(list.HitsMinimized());
    b.minimized = true;
    EXPECT_TRUE(list.HitsMinimized());
    list.Remove(&b);
    EXPECT_FALSE(list.HitsMinimized());
}

// Observers added to an engine follow an automatic run side by side with the one that stops it:
// every yield, every chart point and every refresh of the hit table (every 10000 games).
using Observers = test::EngineTest;

TEST_F(Observers, EveryObserverOfAnEngineFollowsTheRun) {
    Start();
    std::vector<std::string> journal;
    Journal chart("chart", journal), hits("hits", journal);
    sim().AddObserver(&chart);
    sim().AddObserver(&hits);
    int yields = 0;
    observer.on_yield = [&] {
        ++yields;
        if (sim().State().Games >= 20000 && sim().Running()) sim().StartOrStop();
    };
    sim().StartOrStop();
    sim().RemoveObserver(&chart);
    sim().RemoveObserver(&hits);
    const auto count = [&](const std::string& entry) {
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    };
    ASSERT_GE(yields, 200);
    for (const char* name : {"chart", "hits"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(count(std::string(name) + " yield"), yields);
        EXPECT_EQ(count(std::string(name) + " point"), static_cast<int>(observer.points.size()));
        EXPECT_EQ(count(std::string(name) + " hits"), 2);
    }
    EXPECT_EQ(journal.at(0), "chart point") << "told in the order they were added";
    EXPECT_EQ(journal.at(1), "hits point");
}

}  // namespace
}  // namespace kragmoor
