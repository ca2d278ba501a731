#include "framework/Clock.h"
#include "framework/Random.h"
#include "framework/Timer.h"

#include <QObject>

#include <gtest/gtest.h>

#include <set>
#include <vector>

// Timers on the test clock, owned by one object as a window owns its timers.
class TestClockTimers : public ::testing::Test {
protected:
    fw::ScopedTestClock clock;
    QObject owner;
};

TEST_F(TestClockTimers, RepeatingTimerFiresEveryPeriod)
{
    fw::Timer timer(&owner, 2, 700);
    std::vector<qint64> fired;
    timer.onAction = [&] { fired.push_back(clock->nowMs()); };
    clock->advance(699);
    EXPECT_TRUE(fired.empty());
    clock->advance(2100 - 699);
    EXPECT_EQ(fired, (std::vector<qint64>{700, 1400, 2100}));
}

TEST_F(TestClockTimers, SingleShotFiresOnceAndTurnsItselfOff)
{
    fw::Timer timer(&owner, 1, 300);
    int fired = 0;
    timer.onAction = [&] { ++fired; };
    clock->advance(5000);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timer.Mode(), 0);
}

TEST_F(TestClockTimers, ModeZeroStopsAndChangesInsideActionGovernLaterFirings)
{
    fw::Timer timer(&owner, 2, 100);
    std::vector<qint64> fired;
    timer.onAction = [&] {
        fired.push_back(clock->nowMs());
        if (fired.size() == 2)
            timer.setPeriod(500);
        if (fired.size() == 3)
            timer.setMode(0);
    };
    clock->advance(10'000);
    EXPECT_EQ(fired, (std::vector<qint64>{100, 200, 700}));
}

TEST_F(TestClockTimers, TimersHandOverWithoutInterleaving)
{
    // One timer stopping itself and starting another, as the game pauses do.
    fw::Timer first(&owner, 2, 1000);
    fw::Timer second(&owner, 0, 700);
    std::vector<std::pair<char, qint64>> log;
    first.onAction = [&] {
        log.emplace_back('a', clock->nowMs());
        first.setMode(0);
        second.setMode(2);
    };
    second.onAction = [&] { log.emplace_back('b', clock->nowMs()); };
    clock->advance(2400);
    EXPECT_EQ(log, (std::vector<std::pair<char, qint64>>{{'a', 1000}, {'b', 1700}, {'b', 2400}}));
}

TEST_F(TestClockTimers, DeletedTimerNeverFires)
{
    int fired = 0;
    {
        QObject shortLived;
        auto* timer = new fw::Timer(&shortLived, 2, 10);
        timer->onAction = [&] { ++fired; };
    }
    clock->advance(100);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(clock->armedCount(), 0);
}

TEST(RandomInRange, IncludesBothBoundsAndNothingElse)
{
    fw::Random random(42);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int v = random.InRange(0, 3);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(random.InRange(7, 7), 7);
}

TEST(RandomInRange, SameSeedGivesTheSameSequence)
{
    fw::Random a(9);
    fw::Random b(9);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(a.InRange(0, 223), b.InRange(0, 223));
}
