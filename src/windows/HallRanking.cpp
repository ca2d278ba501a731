#include "windows/HallRanking.h"

#include "framework/Strings.h"
#include "prefs/myPrefs.h"

#include <algorithm>

namespace tibbly::hallRanking {

QString entryAt(const QStringList& hall, int place)
{
    return place >= 0 && place < hall.size() ? hall[place] : hallEntry::kEmpty;
}

std::optional<int> placeFor(const QStringList& hall, int score)
{
    if (!(hallEntry::score(entryAt(hall, kTableSize - 1)) < score))
        return std::nullopt;
    for (int place = kTableSize - 2; place >= 0; --place)
        if (score < hallEntry::score(entryAt(hall, place)))
            return place + 1;
    return 0;
}

QStringList withEntry(const QStringList& hall, int place, const QString& entry)
{
    QStringList table = hall.mid(0, kTableSize);
    while (table.size() < kTableSize)
        table.append(hallEntry::kEmpty);
    table.insert(std::clamp(place, 0, kTableSize), entry);
    table.resize(kTableSize);
    return table;
}

QStringList emptyTable() { return QStringList(kTableSize, hallEntry::kEmpty); }

int heldScore(qint64 score) { return int(std::clamp<qint64>(score, 0, hallEntry::kMaxScore)); }

std::vector<Row> rows(const QStringList& hall)
{
    std::vector<Row> shown;
    shown.reserve(kTableSize);
    for (int place = 0; place < kTableSize; ++place) {
        const QString entry = entryAt(hall, place);
        shown.push_back({hallEntry::name(entry),
                         fw::Format(hallEntry::score(entry), QStringLiteral("###,##0"))});
    }
    return shown;
}

} // namespace tibbly::hallRanking
