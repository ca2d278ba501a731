#include "prefs/myPrefs.h"

#include "framework/Dialogs.h"
#include "framework/Files.h"
#include "framework/Sound.h"
#include "framework/Strings.h"

#include <QDir>

namespace tibbly {

QString myPrefs::filePath()
{
    return QDir(fw::PreferencesFolder()).filePath(QString::fromLatin1(kFileName));
}

void myPrefs::readPrefFile()
{
    fw::ReadResult file = fw::readFile(filePath(), kMaxFileBytes);
    switch (file.status) {
    case fw::ReadStatus::Read:
        fromBytes(file.bytes);
        return;
    case fw::ReadStatus::Missing:
    case fw::ReadStatus::NotRegular:
        // Something other than a file under our name counts as no file. Writing
        // the new one then fails, as only a file is ever replaced, and the
        // player is told.
        initPrefs();
        writePrefFile();
        return;
    case fw::ReadStatus::TooLarge:
    case fw::ReadStatus::Failed:
        // A file that cannot be read (no permission, a read error), or is
        // larger than any this layout can hold: the defaults for this run. What
        // it holds may still be the player's, so no save of this run replaces it.
        fromBytes(QByteArray());
        keepUnreadFile_ = true;
        return;
    }
}

void myPrefs::writePrefFile()
{
    if (keepUnreadFile_ || !fw::writeFileAtomically(filePath(), toBytes()))
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

} // namespace tibbly
