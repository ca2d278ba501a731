#include "AppFixture.h"

#include "framework/Canvas.h"
#include "framework/Window.h"
#include "games/board/Board.h"
#include "games/board/BoxBoard.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using namespace tibbly::board;

TEST(Board, StepsStopAtEveryEdgeAndNeverWrapIntoTheNextRow)
{
    struct Case {
        int box;
        Direction direction;
        std::optional<int> to;
    };
    const Case cases[] = {
        {0, Direction::Up, std::nullopt},
        {0, Direction::Left, std::nullopt},
        {0, Direction::Right, 1},
        {0, Direction::Down, 16},
        {15, Direction::Right, std::nullopt},
        {15, Direction::Up, std::nullopt},
        {15, Direction::Left, 14},
        {16, Direction::Left, std::nullopt},
        {208, Direction::Down, std::nullopt},
        {208, Direction::Left, std::nullopt},
        {223, Direction::Down, std::nullopt},
        {223, Direction::Right, std::nullopt},
        {223, Direction::Up, 207},
        {223, Direction::Left, 222},
        {-1, Direction::Right, std::nullopt},
        {224, Direction::Up, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(neighbour(c.box, c.direction), c.to)
            << "box " << c.box << " direction " << static_cast<int>(c.direction);
}

class BoxBoardTest : public testsupport::AppFixture {};

TEST_F(BoxBoardTest, BoxNIsTheControlOfIndexNAtItsPlaceAndReportsItsIndex)
{
    auto* window = new fw::Window(fw::WindowLayout{});
    std::vector<int> pressed;
    std::vector<int> released;
    tibbly::BoxBoard board(*window, QStringLiteral("aBox"), kCaptureCorner, nullptr,
                           {.mouseDown =
                                [&](int box, int, int) {
                                    pressed.push_back(box);
                                    return box != 5;
                                },
                            .mouseUp = [&](int box, int, int) { released.push_back(box); }});
    EXPECT_FALSE(board.isComplete());
    board.makeRest();
    ASSERT_TRUE(board.isComplete());

    auto* last = window->control<fw::Canvas>(QStringLiteral("aBox"), 223);
    ASSERT_EQ(last, &board.box(223));
    EXPECT_EQ(last->Left(), 44 + 15 * 32);
    EXPECT_EQ(last->Top(), 20 + 13 * 32);
    EXPECT_EQ(window->control<fw::Canvas>(QStringLiteral("aBox"), 17)->Left(), 44 + 32);

    board.box(17).click();
    board.box(5).click();
    EXPECT_EQ(pressed, (std::vector<int>{17, 5}));
    EXPECT_EQ(released, (std::vector<int>{17}));
}

} // namespace
