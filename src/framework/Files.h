#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace fw {

// The user's preferences folder (the XDG config home).
[[nodiscard]] QString PreferencesFolder();
// The folder the program was started from.
[[nodiscard]] QString ProgramFolder();
// The item of that name in the program's folder, as a path.
[[nodiscard]] QString GetFolderItem(const QString& name);

// Reads big-endian numbers and length-byte strings from bytes held in memory.
// A read past the end yields 0 or the empty string and marks the stream short,
// so a file cut anywhere is read without running off its end.
class BinaryReader {
public:
    explicit BinaryReader(QByteArray data) : data_(std::move(data)) {}

    [[nodiscard]] bool Eof() const { return pos_ >= data_.size(); }
    [[nodiscard]] bool isShort() const { return short_; }
    std::int16_t ReadShort();
    bool ReadBoolean();
    // A length byte n and n bytes of UTF-8 text.
    QString ReadPString();

private:
    QByteArray data_;
    qsizetype pos_ = 0;
    bool short_ = false;
};

// Writes big-endian numbers and length-byte strings into memory.
class BinaryWriter {
public:
    void WriteShort(std::int16_t value);
    void WriteBoolean(bool value);
    // Text longer than 255 bytes of UTF-8 is cut at a character boundary.
    void WritePString(const QString& text);
    [[nodiscard]] const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

// The UTF-8 bytes of text, cut to at most maxBytes without splitting a character.
[[nodiscard]] QByteArray utf8Prefix(const QString& text, int maxBytes);

// What became of reading a file. Only a regular file is read: anything else
// at the path (a FIFO, a device, a folder) could block or never end.
enum class ReadStatus { Read, Missing, NotRegular, TooLarge, Failed };
struct [[nodiscard]] ReadResult {
    ReadStatus status = ReadStatus::Failed;
    // The file's content; empty unless status is Read.
    QByteArray bytes;
};
// Reads a regular file of at most maxBytes bytes; a longer one is TooLarge and
// is not read.
[[nodiscard]] ReadResult readFile(const QString& path, qint64 maxBytes);
// Reads the first maxBytes bytes of a regular file, whatever its length: for
// formats whose reader looks only at a file's start.
[[nodiscard]] ReadResult readFileStart(const QString& path, qint64 maxBytes);
// The whole content of a regular file, or nothing when it cannot be read.
[[nodiscard]] std::optional<QByteArray> readWholeFile(const QString& path);

// What became of writing a file: nothing on success, otherwise the system's
// words for the step that failed.
class [[nodiscard]] WriteResult {
public:
    WriteResult() = default;
    [[nodiscard]] static WriteResult failure(QString reason)
    {
        return WriteResult(std::move(reason));
    }
    [[nodiscard]] bool ok() const { return reason_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const QString& reason() const { return reason_; }

private:
    explicit WriteResult(QString reason) : reason_(std::move(reason)) {}
    QString reason_;
};
// Writes a file whole by writing a new file beside it and renaming it over the
// old one, then syncing the folder, so that neither a failure nor a power cut
// leaves a half-written file: on failure the old file is as it was. Makes the
// folder when it is missing. Replaces only a regular file (or a link to one,
// whose file is replaced), keeping its permissions.
[[nodiscard]] WriteResult writeFileAtomically(const QString& path, const QByteArray& data);
// Removes from folder the new files of saves that a kill cut short before they
// took their target's place. Only files that writeFileAtomically names are
// removed, so this must run only while no other program of ours saves there.
void removeLeftoverSaves(const QString& folder);

} // namespace fw
