// The preferences file's layout: the store written as bytes and read back, and
// the hall entries it holds. Kept apart from the file handling so that the
// reader can be fuzzed on its own.

#include "prefs/myPrefs.h"

#include "framework/Files.h"
#include "framework/Strings.h"

#include <algorithm>

namespace tibbly {

namespace {

// Bad UTF-8 read from a damaged file grows when it is written again (each bad
// byte becomes a three-byte replacement character). A name read is therefore
// held at once to what the file can store, so that the store read is the store
// written.
QString storable(const QString& text) { return QString::fromUtf8(fw::utf8Prefix(text, 255)); }

} // namespace

void myPrefs::fromBytes(const QByteArray& bytes)
{
    // Each field is taken only when it was read whole; a file cut short keeps
    // what came before the cut and the defaults for the rest.
    fw::BinaryReader in(bytes);
    versNum = kVersion;
    prSndOff = false;
    hallInfo = QStringList(kHallSize, hallEntry::kEmpty);
    players.clear();
    curPlayerIndex = 0;

    if (const int version = in.ReadShort(); !in.isShort())
        versNum = version;
    if (const bool off = in.ReadBoolean(); !in.isShort())
        prSndOff = off;
    for (int i = 0; i < kHallSize; ++i) {
        const QString entry = in.ReadPString();
        if (in.isShort())
            break;
        hallInfo[i] = hallEntry::fit(entry);
    }
    if (!in.isShort() && !in.Eof()) {
        const int upperBound = in.ReadShort();
        for (int i = 0; !in.isShort() && i <= upperBound; ++i) {
            const QString name = in.ReadPString();
            if (!in.isShort())
                players.append(storable(name));
        }
        if (const int current = in.ReadShort(); !in.isShort())
            curPlayerIndex = current;
    }
    if (players.isEmpty())
        players.append(kUnknown);
    if (curPlayerIndex < 0 || curPlayerIndex >= players.size())
        curPlayerIndex = 0;
}

QByteArray myPrefs::toBytes() const
{
    fw::BinaryWriter out;
    out.WriteShort(static_cast<std::int16_t>(versNum));
    out.WriteBoolean(prSndOff);
    for (int i = 0; i < kHallSize; ++i)
        out.WritePString(i < hallInfo.size() ? hallEntry::fit(hallInfo[i]) : hallEntry::kEmpty);
    // The count field holds at most kMaxPlayers players; more are not stored.
    const int stored = std::min<int>(int(players.size()), kMaxPlayers);
    out.WriteShort(static_cast<std::int16_t>(stored - 1));
    for (int i = 0; i < stored; ++i)
        out.WritePString(players[i]);
    out.WriteShort(static_cast<std::int16_t>(curPlayerIndex < stored ? curPlayerIndex : 0));
    return out.data();
}

bool myPrefs::operator==(const myPrefs& other) const
{
    return versNum == other.versNum && prSndOff == other.prSndOff && hallInfo == other.hallInfo &&
           players == other.players && curPlayerIndex == other.curPlayerIndex;
}

namespace hallEntry {

namespace {
bool endsInSixDigits(const QString& entry)
{
    if (entry.size() < 6)
        return false;
    return std::all_of(entry.end() - 6, entry.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
} // namespace

QString make(const QString& name, qint64 score)
{
    const qint64 held = std::clamp<qint64>(score, 0, kMaxScore);
    return QString::fromUtf8(fw::utf8Prefix(name, kMaxNameBytes)) +
           fw::Format(double(held), QStringLiteral("000000"));
}

QString fit(const QString& entry)
{
    if (!endsInSixDigits(entry))
        return storable(entry);
    return QString::fromUtf8(fw::utf8Prefix(name(entry), kMaxNameBytes)) + fw::Right(entry, 6);
}

QString name(const QString& entry)
{
    return endsInSixDigits(entry) ? fw::Left(entry, entry.size() - 6) : entry;
}

int score(const QString& entry)
{
    return endsInSixDigits(entry) ? int(fw::Val(fw::Right(entry, 6))) : 0;
}

} // namespace hallEntry
} // namespace tibbly
