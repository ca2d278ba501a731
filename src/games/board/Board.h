#pragma once

#include <optional>

// The board that the three games and the grid editor share: 16 columns by 14
// rows of 32-pixel boxes, edge to edge. A box is known by its index, row × 16
// + column, from 0 at the top left to 223 at the bottom right.
namespace tibbly::board {

constexpr int kColumns = 16;
constexpr int kRows = 14;
constexpr int kBoxCount = kColumns * kRows;
constexpr int kLastBox = kBoxCount - 1;
constexpr int kBoxSize = 32;

struct BoxPlace {
    int column;
    int row;
    friend bool operator==(const BoxPlace&, const BoxPlace&) = default;
};

[[nodiscard]] constexpr BoxPlace placeOf(int box) { return {box % kColumns, box / kColumns}; }
[[nodiscard]] constexpr int boxAt(BoxPlace place) { return place.row * kColumns + place.column; }
[[nodiscard]] constexpr bool isOnBoard(int box) { return box >= 0 && box < kBoxCount; }

// Where a window puts the board's top-left box.
struct Corner {
    int left;
    int top;
};
// The find and maze games and the grid editor.
constexpr Corner kMainCorner{50, 46};
// The capture game, whose window is laid out tighter.
constexpr Corner kCaptureCorner{44, 20};

// In the order of the capture game's direction codes 0 to 3.
enum class Direction { Up, Right, Down, Left };
constexpr int kDirections = 4;

// What a step in a direction adds to a box index, before any edge test: a step
// right from column 15 lands in the next row's column 0.
[[nodiscard]] constexpr int stepOffset(Direction direction)
{
    switch (direction) {
    case Direction::Up:
        return -kColumns;
    case Direction::Right:
        return 1;
    case Direction::Down:
        return kColumns;
    case Direction::Left:
        return -1;
    }
    return 0;
}

// The box one step from box, or nothing where the step would leave the board.
// A step right from column 15 or left from column 0 never wraps into the next
// row. A box off the board has no neighbours.
[[nodiscard]] constexpr std::optional<int> neighbour(int box, Direction direction)
{
    if (!isOnBoard(box))
        return std::nullopt;
    const BoxPlace place = placeOf(box);
    const bool atEdge = (direction == Direction::Up && place.row == 0) ||
                        (direction == Direction::Right && place.column == kColumns - 1) ||
                        (direction == Direction::Down && place.row == kRows - 1) ||
                        (direction == Direction::Left && place.column == 0);
    if (atEdge)
        return std::nullopt;
    return box + stepOffset(direction);
}

} // namespace tibbly::board
