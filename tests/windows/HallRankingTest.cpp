#include "WindowsTestSupport.h"

#include "windows/HallRanking.h"

using namespace tibbly;
using testsupport::hallOf;
using testsupport::kLadder;

namespace {

struct RankingCase {
    const char* what;
    QStringList hall;
    int score;
    std::optional<int> place;
};

QStringList ladderEndingIn(const char* tenth)
{
    QStringList hall = kLadder;
    hall[9] = QString::fromLatin1(tenth);
    return hall;
}

class Ranking : public ::testing::TestWithParam<RankingCase> {};

} // namespace

TEST_P(Ranking, PlacesTheScoreJustBelowTheLowestStrictlyGreaterEntry)
{
    const RankingCase& c = GetParam();
    EXPECT_EQ(hallRanking::placeFor(c.hall, c.score), c.place) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ranking,
    ::testing::Values(
        RankingCase{"0 in an empty table stays out", hallRanking::emptyTable(), 0, std::nullopt},
        RankingCase{"1 in an empty table goes to the top", hallRanking::emptyTable(), 1, 0},
        RankingCase{"a tie with the tenth stays out", kLadder, 100, std::nullopt},
        RankingCase{"just above the tenth takes its place", kLadder, 101, 9},
        RankingCase{"a tie higher up goes above the older score", kLadder, 500, 2},
        RankingCase{"a new top score goes first", kLadder, 999'999, 0},
        RankingCase{"a short list counts missing places as empty", {"Ann000050"}, 10, 1},
        RankingCase{"a damaged tenth entry counts as 0", ladderEndingIn("x1"), 5, 9}));

TEST(HallTable, NewEntryPushesTheTenthOut)
{
    const QStringList table = hallRanking::withEntry(kLadder, 2, QStringLiteral("Zed000500"));
    EXPECT_EQ(table, kLadder.mid(0, 2) + QStringList{"Zed000500"} + kLadder.mid(2, 7));
}

TEST(HallTable, RowsShowNameAndGroupedScoreAndSurviveDamagedEntries)
{
    const QStringList hall{"Nobody000000", "Tom001234", "000420", "abc", "Ann12x456", ""};
    std::vector<hallRanking::Row> expected{{"Nobody", "0"}, {"Tom", "1,234"},   {"", "420"},
                                           {"abc", "0"},    {"Ann12x456", "0"}, {"", "0"}};
    expected.resize(10, {"Nobody", "0"});
    EXPECT_EQ(hallRanking::rows(hall), expected);
}
