#include "prefs/myPrefs.h"

#include "framework/Dialogs.h"
#include "framework/Files.h"
#include "framework/Sound.h"
#include "framework/Strings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace tibbly {

namespace {
const QString kUnknown = QStringLiteral("Unknown");
} // namespace

QString myPrefs::filePath()
{
    return QDir(fw::PreferencesFolder()).filePath(QString::fromLatin1(kFileName));
}

void myPrefs::readPrefFile()
{
    const QString path = filePath();
    if (!QFileInfo::exists(path)) {
        initPrefs();
        writePrefFile();
        return;
    }
    // A file that is there but cannot be read gives the defaults for this run
    // and is left alone.
    fromBytes(fw::readWholeFile(path).value_or(QByteArray()));
}

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
        hallInfo[i] = entry;
    }
    if (!in.isShort() && !in.Eof()) {
        const int upperBound = in.ReadShort();
        for (int i = 0; !in.isShort() && i <= upperBound; ++i) {
            const QString name = in.ReadPString();
            if (!in.isShort())
                players.append(name);
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
        out.WritePString(i < hallInfo.size() ? hallInfo[i] : hallEntry::kEmpty);
    // The count field holds at most 32,768 players; more are not stored.
    const int stored = std::min<int>(int(players.size()), std::numeric_limits<std::int16_t>::max() + 1);
    out.WriteShort(static_cast<std::int16_t>(stored - 1));
    for (int i = 0; i < stored; ++i)
        out.WritePString(players[i]);
    out.WriteShort(static_cast<std::int16_t>(curPlayerIndex < stored ? curPlayerIndex : 0));
    return out.data();
}

void myPrefs::writePrefFile()
{
    if (!fw::writeFileAtomically(filePath(), toBytes()))
        fw::MsgBox(QStringLiteral("Unable to write Preferences File"));
    // Cleared also after a failure, so that quitting does not try again.
    fileDirty = false;
}

void myPrefs::initPrefs()
{
    prSndOff = false;
    versNum = kVersion;
    hallInfo = QStringList(kHallSize, hallEntry::kEmpty);
    players.append(kUnknown);
}

QString myPrefs::getCurPlayer() const
{
    if (curPlayerIndex >= 0 && curPlayerIndex < players.size())
        return players[curPlayerIndex];
    return players.isEmpty() ? kUnknown : players.first();
}

void myPrefs::addName(const QString& name)
{
    if (!players.isEmpty() && fw::sameText(players.first(), kUnknown))
        players.first() = name;
    else
        players.append(name);
    writePrefFile();
}

void myPrefs::playSnd(fw::Sound* snd) const
{
    if (!prSndOff && snd)
        snd->Play();
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
