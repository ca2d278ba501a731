#include "assets/Assets.h"
#include "assets/holdClickPicts.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace tibbly;

// The slots must be empty in a process where the application has not opened;
// earlier tests in this program may already have filled them, so the check
// runs in a fresh copy of the program.
TEST(ClickPicturesDeathTest, SlotsAreEmptyBeforeSetPicts)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool empty = std::ranges::all_of(holdClickPicts::clickPict,
                                                   [](const fw::Picture* p) { return !p; });
            std::exit(empty ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ClickPictures, SetPictsFillsTheSlotsWithTheRegistrysOwnObjects)
{
    holdClickPicts::setPicts();
    fw::Picture* const expected[] = {xbox1(), xbox2(), xbox3(), xbox4(), xbox5(),
                                     xbox6(), xbox7(), xbox8(), xbox9(), newbox10()};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(holdClickPicts::clickPict[i], nullptr);
        EXPECT_EQ(holdClickPicts::clickPict[i], expected[i]);
    }
}

TEST(ClickPictures, TheTenMarksAndTheUntouchedBoxAllLookDifferent)
{
    holdClickPicts::setPicts();
    std::vector<QImage> looks;
    for (const fw::Picture* mark : holdClickPicts::clickPict)
        looks.push_back(mark->image(mark->size(), 1.0));
    looks.push_back(NewBox2()->image(NewBox2()->size(), 1.0));
    for (std::size_t i = 0; i < looks.size(); ++i)
        for (std::size_t j = i + 1; j < looks.size(); ++j)
            EXPECT_NE(looks[i], looks[j]) << "pictures " << i << " and " << j;
}
