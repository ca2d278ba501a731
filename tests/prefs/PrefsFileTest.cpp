#include "AppFixture.h"
#include "HostileFiles.h"

#include "framework/Files.h"
#include "framework/Sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

using testsupport::AppFixture;
using testsupport::FileSizeLimit;
using tibbly::myPrefs;
namespace hallEntry = tibbly::hallEntry;

namespace {

QByteArray pstring(const QByteArray& text) { return QByteArray(1, char(text.size())) + text; }

QByteArray randomBytes(QRandomGenerator& random, int size, int lowest = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(lowest, 256));
    return bytes;
}

QByteArray defaultFile()
{
    QByteArray bytes;
    bytes.append(char(0)).append(char(200)).append(char(0));
    for (int i = 0; i < 10; ++i)
        bytes.append(pstring("Nobody000000"));
    bytes.append(char(0)).append(char(0));
    bytes.append(pstring("Unknown"));
    bytes.append(char(0)).append(char(0));
    return bytes;
}

} // namespace

class PrefsFile : public AppFixture {};

TEST_F(PrefsFile, FirstStartWritesTheDefaultFileByteForByte)
{
    const auto bytes = fw::readWholeFile(prefsPath());
    EXPECT_EQ(bytes, defaultFile());
    EXPECT_FALSE(prefs().fileDirty);
    EXPECT_EQ(prefs().players, QStringList{QStringLiteral("Unknown")});
    EXPECT_EQ(prefs().getCurPlayer(), QStringLiteral("Unknown"));
    EXPECT_EQ(tibbly::Globals::gTotalScore, 0);
}

TEST_F(PrefsFile, StoreSurvivesARoundTripWithOnlyTheFirstTenHallEntries)
{
    myPrefs& p = prefs();
    p.prSndOff = true;
    p.hallInfo[0] = hallEntry::make(QStringLiteral("Zoë"), 12345);
    p.hallInfo[9] = hallEntry::make(QStringLiteral("Tom"), 420);
    p.hallInfo.append(hallEntry::make(QStringLiteral("Eleventh"), 5));
    p.players = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")};
    p.curPlayerIndex = 2;
    p.writePrefFile();

    myPrefs back;
    back.readPrefFile();
    EXPECT_TRUE(back.prSndOff);
    EXPECT_EQ(back.versNum, 200);
    EXPECT_EQ(back.hallInfo, p.hallInfo.mid(0, 10));
    EXPECT_EQ(back.players, p.players);
    EXPECT_EQ(back.getCurPlayer(), QStringLiteral("Cy"));

    // The players field holds the upper bound (2), not the count.
    const QByteArray bytes = *fw::readWholeFile(prefsPath());
    const QByteArray tail = QByteArray::fromHex("0002") + pstring("Ann") + pstring("Bob") +
                            pstring("Cy") + QByteArray::fromHex("0002");
    EXPECT_TRUE(bytes.endsWith(tail));
}

TEST_F(PrefsFile, AddingPlayersReplacesTheUnknownPlaceholderThenAppends)
{
    prefs().addName(QStringLiteral("Ann"));
    EXPECT_EQ(prefs().players, QStringList{QStringLiteral("Ann")});
    EXPECT_FALSE(prefs().fileDirty);
    prefs().addName(QStringLiteral("Bob"));
    prefs().addName(QStringLiteral("Unknown"));
    EXPECT_EQ(prefs().players, (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"),
                                            QStringLiteral("Unknown")}));
    myPrefs back;
    back.readPrefFile();
    EXPECT_EQ(back.players, prefs().players);
}

TEST_F(PrefsFile, FailedWriteKeepsTheOldFileIsToldOnceAndIsNotRetriedAtQuit)
{
    const QString path = prefsPath();
    const QByteArray before = *fw::readWholeFile(path);
    // A file where the preferences folder should be makes every write fail.
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"full disk",
         [&] {
             const FileSizeLimit fullDisk(16);
             prefs().writePrefFile();
         }},
        {"file for a folder",
         [&] {
             QFile file(blocker);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.close();
             qputenv("XDG_CONFIG_HOME", blocker.toUtf8());
             prefs().writePrefFile();
         }},
    };
    prefs().players = {QStringLiteral("Ann")};
    for (const auto& [what, writeFailing] : cases) {
        SCOPED_TRACE(what);
        dialogs.messages.clear();
        prefs().fileDirty = true;
        writeFailing();
        EXPECT_EQ(dialogs.messages,
                  QStringList{QStringLiteral("Unable to write Preferences File")});
        EXPECT_FALSE(prefs().fileDirty);
        EXPECT_EQ(fw::readWholeFile(path), before);
    }
    app().finish();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(PrefsFile, SomethingOtherThanAFileAtItsNameGivesTheDefaultsAndIsLeftAlone)
{
    // A link to a device would be the same case, but a write that wrongly
    // followed it would replace the device itself.
    const QString path = prefsPath();
    const QString fifo = path + QStringLiteral(".fifo");
    ASSERT_TRUE(testsupport::makeFifo(fifo));
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"FIFO", [&] { return testsupport::makeFifo(path); }},
        {"link to a FIFO", [&] { return QFile::link(fifo, path); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(make());
        dialogs.messages.clear();
        myPrefs p;
        p.readPrefFile();
        EXPECT_EQ(p.players, QStringList{QStringLiteral("Unknown")});
        EXPECT_EQ(p.hallInfo, QStringList(10, hallEntry::kEmpty));
        EXPECT_EQ(dialogs.messages,
                  QStringList{QStringLiteral("Unable to write Preferences File")});
        EXPECT_FALSE(QFileInfo(path).isFile());
    }
}

TEST_F(PrefsFile, FileThatCannotBeReadIsNeverReplacedAndEverySaveSaysSo)
{
    prefs().players = {QStringLiteral("Ann")};
    prefs().writePrefFile();
    QFile file(prefsPath());
    for (const qint64 size : {myPrefs::kMaxFileBytes, myPrefs::kMaxFileBytes + 1}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(file.resize(size));
        dialogs.messages.clear();
        myPrefs p;
        p.readPrefFile();
        const bool readable = size == myPrefs::kMaxFileBytes;
        EXPECT_EQ(p.getCurPlayer(), readable ? QStringLiteral("Ann") : QStringLiteral("Unknown"));
        if (readable)
            continue;
        // Too large for the layout: read as the defaults, and kept whatever
        // this run saves, since it may still hold the player's table.
        const QByteArray before = *fw::readWholeFile(prefsPath());
        p.addName(QStringLiteral("Bob"));
        p.fileDirty = true;
        p.writePrefFile();
        EXPECT_EQ(dialogs.messages,
                  QStringList(2, QStringLiteral("Unable to write Preferences File")));
        EXPECT_FALSE(p.fileDirty);
        EXPECT_TRUE(fw::readWholeFile(prefsPath()) == before) << "the file is left alone";
    }
}

TEST_F(PrefsFile, QuitWritesOnlyWhenSomethingChanged)
{
    const QString path = prefsPath();
    ASSERT_TRUE(QFile::remove(path));
    app().finish();
    EXPECT_FALSE(QFile::exists(path)) << "a clean store is not written at quit";
}

TEST_F(PrefsFile, QuitWritesAChangedStoreOnce)
{
    prefs().prSndOff = true;
    prefs().fileDirty = true;
    app().finish();
    EXPECT_FALSE(prefs().fileDirty);
    myPrefs back;
    back.readPrefFile();
    EXPECT_TRUE(back.prSndOff);
}

TEST_F(PrefsFile, SoundSwitchSilencesPlaySnd)
{
    fw::Sound sound(QStringLiteral(":/store/sound/176.wav"));
    prefs().prSndOff = true;
    prefs().playSnd(&sound);
    EXPECT_EQ(sound.playCount(), 0);
    prefs().prSndOff = false;
    prefs().playSnd(&sound);
    EXPECT_EQ(sound.playCount(), 1);
    prefs().playSnd(nullptr);
}

// Reading ---------------------------------------------------------------------

TEST(PrefsRead, FileCutAnywhereKeepsEachFieldReadWholeAndDefaultsTheRest)
{
    // Version 201, sound off, ten ten-byte hall entries, players Ann and Bob
    // with Bob current: each field ends at a known byte.
    QByteArray full = QByteArray::fromHex("00c901");
    for (int i = 0; i < 10; ++i)
        full.append(pstring("Ann00012" + QByteArray::number(i)));
    full.append(QByteArray::fromHex("0001") + pstring("Ann") + pstring("Bob") +
                QByteArray::fromHex("0001"));
    ASSERT_EQ(full.size(), 115);

    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        SCOPED_TRACE(cut);
        myPrefs p;
        p.fromBytes(full.left(cut));
        EXPECT_EQ(p.versNum, cut >= 2 ? 201 : 200);
        EXPECT_EQ(p.prSndOff, cut >= 3);
        QStringList hall(10, hallEntry::kEmpty);
        for (int i = 0; i < 10 && cut >= 13 + 10 * i; ++i)
            hall[i] = "Ann00012" + QString::number(i);
        EXPECT_EQ(p.hallInfo, hall);
        QStringList players;
        if (cut >= 109)
            players.append(QStringLiteral("Ann"));
        if (cut >= 113)
            players.append(QStringLiteral("Bob"));
        EXPECT_EQ(p.players, players.isEmpty() ? QStringList{myPrefs::kUnknown} : players);
        EXPECT_EQ(p.curPlayerIndex, cut == full.size() ? 1 : 0);
    }
}

TEST(PrefsRead, DamagedCountsAndIndexesStayInRange)
{
    // A negative upper bound reads no names; a current player beyond the list
    // falls back to the first.
    QByteArray bytes = defaultFile().left(133);
    myPrefs negative;
    negative.fromBytes(bytes + QByteArray::fromHex("ffff0000"));
    EXPECT_EQ(negative.players, QStringList{QStringLiteral("Unknown")});

    myPrefs beyond;
    beyond.fromBytes(bytes + QByteArray::fromHex("0000") + pstring("Ann") +
                     QByteArray::fromHex("0009"));
    EXPECT_EQ(beyond.curPlayerIndex, 0);
    EXPECT_EQ(beyond.getCurPlayer(), QStringLiteral("Ann"));

    // A huge upper bound with few names stops at the end of the data.
    myPrefs huge;
    huge.fromBytes(bytes + QByteArray::fromHex("7fff") + pstring("Ann"));
    EXPECT_EQ(huge.players, QStringList{QStringLiteral("Ann")});
}

TEST(PrefsRead, GarbageLoadsWithoutACrash)
{
    QRandomGenerator random(1234);
    for (int round = 0; round < 200; ++round) {
        myPrefs p;
        p.fromBytes(randomBytes(random, random.bounded(0, 600)));
        ASSERT_FALSE(p.players.isEmpty());
        ASSERT_LT(p.curPlayerIndex, p.players.size());
        ASSERT_GE(p.curPlayerIndex, 0);
        (void)p.getCurPlayer();
        for (const QString& entry : p.hallInfo) {
            const int score = hallEntry::score(entry);
            ASSERT_GE(score, 0);
            ASSERT_LE(score, hallEntry::kMaxScore);
        }
    }
}

TEST(PrefsRead, ReadWriteReadGivesTheSameStoreAndKeepsEveryScore)
{
    // Bad UTF-8 grows when it is written again; the name is what gives way.
    const QByteArray bad(249, char(0xff));
    QByteArray damaged = QByteArray::fromHex("00c800") + pstring(bad + "000123") +
                         pstring(QByteArray(255, char(0xfe)));
    for (int i = 2; i < 10; ++i)
        damaged.append(pstring("\xef\xbb\xbf" + bad.left(240) + "00012" + QByteArray::number(i)));
    damaged.append(QByteArray::fromHex("0000") + pstring(QByteArray(255, char(0x80))) +
                   QByteArray::fromHex("0000"));

    myPrefs first;
    first.fromBytes(damaged);
    myPrefs second;
    second.fromBytes(first.toBytes());
    EXPECT_TRUE(first == second);
    EXPECT_EQ(hallEntry::score(second.hallInfo[0]), 123);
    for (int i = 2; i < 10; ++i)
        EXPECT_EQ(hallEntry::score(second.hallInfo[i]), 120 + i) << i;

    QRandomGenerator random(99);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes = QByteArray::fromHex("00c800");
        for (int i = 0; i < 12; ++i)
            bytes.append(pstring(randomBytes(random, random.bounded(256), 128)));
        myPrefs a;
        a.fromBytes(bytes);
        myPrefs b;
        b.fromBytes(a.toBytes());
        ASSERT_TRUE(a == b) << round;
    }
}

// Hall entries ----------------------------------------------------------------

TEST(HallEntry, NameAndScoreAreReadFromTheEnd)
{
    struct Case {
        QString entry;
        QString name;
        int score;
    };
    const Case cases[] = {
        {QStringLiteral("Tom000420"), QStringLiteral("Tom"), 420},
        {QStringLiteral("Nobody000000"), QStringLiteral("Nobody"), 0},
        {QStringLiteral("000420"), QString(), 420},
        {QStringLiteral("abc"), QStringLiteral("abc"), 0},
        {QStringLiteral("Tom12x456"), QStringLiteral("Tom12x456"), 0},
        {QString(), QString(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString());
        EXPECT_EQ(hallEntry::name(c.entry), c.name);
        EXPECT_EQ(hallEntry::score(c.entry), c.score);
    }
}

TEST(HallEntry, MadeEntriesAlwaysFitTheFile)
{
    EXPECT_EQ(hallEntry::make(QStringLiteral("Tom"), 420), QStringLiteral("Tom000420"));
    EXPECT_EQ(hallEntry::make(QStringLiteral("Big"), 5'000'000), QStringLiteral("Big999999"));
    EXPECT_EQ(hallEntry::make(QStringLiteral("Low"), -7), QStringLiteral("Low000000"));

    // A long name of two-byte characters is cut on a character boundary.
    const QString longName(300, QChar(0x00e9));
    const QString entry = hallEntry::make(longName, 12);
    EXPECT_LE(entry.toUtf8().size(), 255);
    EXPECT_EQ(hallEntry::score(entry), 12);
    EXPECT_EQ(hallEntry::name(entry), QString(124, QChar(0x00e9)));

    myPrefs p;
    p.hallInfo[0] = entry;
    p.players = {longName};
    myPrefs back;
    back.fromBytes(p.toBytes());
    EXPECT_EQ(back.hallInfo[0], entry);
    EXPECT_EQ(back.players[0].toUtf8().size(), 254);
}
