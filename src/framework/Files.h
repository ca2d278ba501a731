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

// The whole content of a file, or nothing when it cannot be read.
[[nodiscard]] std::optional<QByteArray> readWholeFile(const QString& path);
// Writes a file whole by writing a new file beside it and renaming it over the
// old one, so a failure never leaves a half-written file. Makes the folder
// when it is missing. Returns whether it succeeded.
[[nodiscard]] bool writeFileAtomically(const QString& path, const QByteArray& data);

// The first line of a text file, without its line end; nothing when the file
// cannot be read.
[[nodiscard]] std::optional<QString> readFirstLine(const QString& path);
// Writes one line and a line end as the whole file.
[[nodiscard]] bool writeLineFile(const QString& path, const QString& line);

} // namespace fw
