#include "assets/Assets.h"
#include "framework/Sound.h"

#include <gtest/gtest.h>

using namespace tibbly;

// The games wait on some sounds (the intro before a round, the fanfare at the
// end) and play others on every step, so each sound's length is part of the
// game's timing.
TEST(GameSounds, EachSoundLastsAsLongAsTheGameAllowsForIt)
{
    struct Case {
        const char* name;
        fw::Sound* (*sound)();
        qint64 minMs;
        qint64 maxMs;
    };
    const Case cases[] = {
        // Played on every step of Tibbly: must end before the next one.
        {"Pop", Pop, 1, 90},
        // Played on every refused move in the maze.
        {"border", border, 1, 150},
        {"bump2", bump2, 1, 150},
        // The windows refuse to close while the intro plays.
        {"Intro", Intro, 2500, 3000},
        {"TaDa", TaDa, 1300, 1700},
        {"Badee1", Badee1, 1, 999},
        {"Bonus", Bonus, 1, 999},
        {"Bye", Bye, 1, 999},
        {"found", found, 1, 999},
        {"Gotcha", Gotcha, 1, 999},
        {"Ring1", Ring1, 1, 999},
        {"RoundEnd", RoundEnd, 1, 999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fw::Sound* sound = c.sound();
        ASSERT_NE(sound, nullptr);
        EXPECT_GE(sound->lengthMs(), c.minMs);
        EXPECT_LE(sound->lengthMs(), c.maxMs);
    }
}
