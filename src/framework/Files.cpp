#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace fw {

QString PreferencesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

QString GetFolderItem(const QString& name) { return QDir(ProgramFolder()).filePath(name); }

std::int16_t BinaryReader::ReadShort()
{
    if (pos_ + 2 > data_.size()) {
        short_ = true;
        pos_ = data_.size();
        return 0;
    }
    const auto hi = static_cast<unsigned char>(data_[pos_]);
    const auto lo = static_cast<unsigned char>(data_[pos_ + 1]);
    pos_ += 2;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((hi << 8) | lo));
}

bool BinaryReader::ReadBoolean()
{
    if (pos_ + 1 > data_.size()) {
        short_ = true;
        return false;
    }
    return data_[pos_++] != 0;
}

QString BinaryReader::ReadPString()
{
    if (pos_ + 1 > data_.size()) {
        short_ = true;
        return {};
    }
    const int length = static_cast<unsigned char>(data_[pos_++]);
    if (pos_ + length > data_.size()) {
        short_ = true;
        const QByteArray rest = data_.mid(pos_);
        pos_ = data_.size();
        return QString::fromUtf8(rest);
    }
    const QByteArray bytes = data_.mid(pos_, length);
    pos_ += length;
    return QString::fromUtf8(bytes);
}

void BinaryWriter::WriteShort(std::int16_t value)
{
    const auto u = static_cast<std::uint16_t>(value);
    data_.append(static_cast<char>(u >> 8));
    data_.append(static_cast<char>(u & 0xff));
}

void BinaryWriter::WriteBoolean(bool value) { data_.append(value ? char(1) : char(0)); }

QByteArray utf8Prefix(const QString& text, int maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = maxBytes;
    // Step back over continuation bytes so no character is split.
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

void BinaryWriter::WritePString(const QString& text)
{
    const QByteArray bytes = utf8Prefix(text, 255);
    data_.append(static_cast<char>(bytes.size()));
    data_.append(bytes);
}

std::optional<QByteArray> readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeFileAtomically(const QString& path, const QByteArray& data)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QString> readFirstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    return in.readLine();
}

bool writeLineFile(const QString& path, const QString& line)
{
    return writeFileAtomically(path, line.toUtf8() + '\n');
}

} // namespace fw
