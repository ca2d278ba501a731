#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The high-score table as the high-score window ranks, fills and shows it,
// without any widget: the table is the first ten hall entries, best first.
namespace tibbly::hallRanking {

constexpr int kTableSize = 10;

// The entry at a place of the table; a place the list does not reach is empty.
[[nodiscard]] QString entryAt(const QStringList& hall, int place);

// The place at which a score enters the table, or nothing when it does not beat
// the tenth entry. A score ranks above every entry with an equal score, so it
// goes just below the lowest entry that is strictly greater.
[[nodiscard]] std::optional<int> placeFor(const QStringList& hall, int score);

// The table with entry put in at place; the entry pushed past the tenth place
// drops out, since nothing ever shows, compares or stores it again.
[[nodiscard]] QStringList withEntry(const QStringList& hall, int place, const QString& entry);

// Ten empty places.
[[nodiscard]] QStringList emptyTable();

// A handed-over score held to what a hall entry can store.
[[nodiscard]] int heldScore(qint64 score);

// One row of the table as it is shown: the name and the grouped score.
struct Row {
    QString name;
    QString score;
    bool operator==(const Row&) const = default;
};
[[nodiscard]] std::vector<Row> rows(const QStringList& hall);

} // namespace tibbly::hallRanking
