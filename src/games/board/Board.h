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

// The box one step from box, or nothing where the step would leave the board.
// A step right from column 15 or left from column 0 never wraps into the next
// row. A box off the board has no neighbours.
[[nodiscard]] constexpr std::optional<int> neighbour(int box, Direction direction)
{
    if (!isOnBoard(box))
        return std::nullopt;
    const BoxPlace place = placeOf(box);
    switch (direction) {
    case Direction::Up:
        if (place.row == 0)
            return std::nullopt;
        return box - kColumns;
    case Direction::Right:
        if (place.column == kColumns - 1)
            return std::nullopt;
        return box + 1;
    case Direction::Down:
        if (place.row == kRows - 1)
            return std::nullopt;
        return box + kColumns;
    case Direction::Left:
        if (place.column == 0)
            return std::nullopt;
        return box - 1;
    }
    return std::nullopt;
}

} // namespace tibbly::board
