#include "framework/Clock.h"
#include "framework/Random.h"
#include "framework/Sound.h"
#include "framework/Timer.h"

#include <QBuffer>
#include <QObject>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

QByteArray wav(int sampleRate, int samples)
{
    QByteArray data;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    };
    data.append("RIFF");
    u32(36 + samples * 2);
    data.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(sampleRate);
    u32(sampleRate * 2);
    u16(2);
    u16(16);
    data.append("data");
    u32(samples * 2);
    data.append(QByteArray(samples * 2, '\0'));
    return data;
}

} // namespace

TEST(TestClockTimers, RepeatingTimerFiresEveryPeriod)
{
    fw::ScopedTestClock clock;
    QObject owner;
    fw::Timer timer(&owner, 2, 700);
    std::vector<qint64> fired;
    timer.onAction = [&] { fired.push_back(clock->nowMs()); };
    clock->advance(699);
    EXPECT_TRUE(fired.empty());
    clock->advance(2100 - 699);
    EXPECT_EQ(fired, (std::vector<qint64>{700, 1400, 2100}));
}

TEST(TestClockTimers, SingleShotFiresOnceAndTurnsItselfOff)
{
    fw::ScopedTestClock clock;
    QObject owner;
    fw::Timer timer(&owner, 1, 300);
    int fired = 0;
    timer.onAction = [&] { ++fired; };
    clock->advance(5000);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timer.Mode(), 0);
}

TEST(TestClockTimers, ModeZeroStopsAndChangesInsideActionGovernLaterFirings)
{
    fw::ScopedTestClock clock;
    QObject owner;
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

TEST(TestClockTimers, TimersHandOverWithoutInterleaving)
{
    // One timer stopping itself and starting another, as the game pauses do.
    fw::ScopedTestClock clock;
    QObject owner;
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

TEST(TestClockTimers, DeletedTimerNeverFires)
{
    fw::ScopedTestClock clock;
    int fired = 0;
    {
        QObject owner;
        auto* timer = new fw::Timer(&owner, 2, 10);
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

TEST(SoundLength, ReadFromTheWavHeader)
{
    EXPECT_EQ(fw::wavLengthMs(wav(22050, 22050)), 1000);
    EXPECT_EQ(fw::wavLengthMs(wav(44100, 4410)), 100);
    EXPECT_EQ(fw::wavLengthMs(QByteArray("RIFF")), -1);
    EXPECT_EQ(fw::wavLengthMs(QByteArray("not a wav at all, not at all")), -1);
    // A data chunk that claims more than the file holds counts what is there.
    EXPECT_EQ(fw::wavLengthMs(wav(22050, 22050).left(44 + 22050)), 500);
}

TEST(SoundLength, MissingFileIsASilentSoundThatNeverPlays)
{
    fw::ScopedTestClock clock;
    fw::Sound missing(QStringLiteral(":/nowhere.wav"));
    missing.Play();
    EXPECT_FALSE(missing.IsPlaying());
}
