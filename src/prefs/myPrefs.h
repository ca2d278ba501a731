#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace fw {
class Sound;
}

namespace tibbly {

// The preferences store: the players and the current player, the sound switch,
// the high-score table and the file layout's version, kept in the one file
// "Rezivi20.prefs" in the user's preferences folder.
class myPrefs {
public:
    static constexpr const char* kFileName = "Rezivi20.prefs";
    static constexpr int kVersion = 200;
    static constexpr int kHallSize = 10;
    // The players' count is stored as an upper bound in a 16-bit field.
    static constexpr int kMaxPlayers = 32'768;
    // The largest file the layout can hold: version, sound switch, the hall,
    // the players' field, every player's name at 255 bytes and the current
    // player. Anything larger was not written by us.
    static constexpr qint64 kMaxFileBytes = 2 + 1 + kHallSize * 256 + 2 + kMaxPlayers * 256 + 2;
    static inline const QString kUnknown = QStringLiteral("Unknown");

    bool prSndOff = false;
    // Best first; the first ten are the table that is shown and stored.
    QStringList hallInfo = QStringList(kHallSize, QString());
    bool fileDirty = false;
    int versNum = 0;
    QStringList players;
    int curPlayerIndex = 0;

    // Fills the store from the file, or writes a new file with the defaults
    // when there is none. A damaged file is read as far as it makes sense and
    // is left as it is on disk; a file that could not be read at all is never
    // replaced, and every save of this run is refused with the message.
    void readPrefFile();
    // Writes the whole file and clears fileDirty, also when the write fails
    // (the player is told once).
    void writePrefFile();
    void initPrefs();
    [[nodiscard]] QString getCurPlayer() const;
    // Adds a player (in the place of the placeholder "Unknown" when that is the
    // first player) and saves at once.
    void addName(const QString& name);
    // Plays snd unless the sound is switched off.
    void playSnd(fw::Sound* snd) const;

    [[nodiscard]] static QString filePath();
    // The file's bytes for this store, and the store read from such bytes.
    [[nodiscard]] QByteArray toBytes() const;
    void fromBytes(const QByteArray& bytes);
    // Whether two stores hold the same (and so write the same file).
    [[nodiscard]] bool operator==(const myPrefs& other) const;

private:
    bool keepUnreadFile_ = false;
};

// A hall entry is the player's name followed by the score as six digits, as in
// "Tom000420"; the empty entry is "Nobody000000".
namespace hallEntry {

constexpr int kMaxScore = 999'999;
// A stored string holds at most 255 bytes, and six of them are the digits.
constexpr int kMaxNameBytes = 249;
inline const QString kEmpty = QStringLiteral("Nobody000000");

// The entry for a name and a score; the score is held to 0..999,999 and the
// name cut so that the entry fits the file.
[[nodiscard]] QString make(const QString& name, qint64 score);
// The entry as the file stores it: at most 255 bytes of UTF-8, of which the
// six score digits are always kept and the name is what is cut.
[[nodiscard]] QString fit(const QString& entry);
[[nodiscard]] QString name(const QString& entry);
// The score of an entry; 0 for an entry too short or not ending in digits.
[[nodiscard]] int score(const QString& entry);

} // namespace hallEntry
} // namespace tibbly
