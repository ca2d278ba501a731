#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

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

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Closes a descriptor on every way out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int fd() const { return fd_; }

private:
    int fd_;
};

WriteResult failure(const QString& path, const QString& reason)
{
    return WriteResult::failure(path + QStringLiteral(": ") +
                                (reason.isEmpty() ? QStringLiteral("unknown error") : reason));
}

// A rename is durable only once the folder that holds the name is on disk.
WriteResult syncFolder(const QString& folder)
{
    const Descriptor dir(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd() < 0 || ::fsync(dir.fd()) != 0)
        return failure(folder, systemError(errno));
    return {};
}

// A longer file is refused whole, or read only as far as the limit.
enum class Overflow { Refuse, Cut };

ReadResult readRegularFile(const QString& path, qint64 maxBytes, Overflow overflow)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::NotRegular, {}};
    // Opened without blocking and checked again, in case something other than a
    // regular file took the name since the check above.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0)
        return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
    if (::fstat(file.fd(), &info) != 0)
        return {ReadStatus::Failed, {}};
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (overflow == Overflow::Refuse && info.st_size > maxBytes)
        return {ReadStatus::TooLarge, {}};

    // The file may grow while it is read, so the limit is also kept here.
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {ReadStatus::Failed, {}};
        if (got == 0)
            return {ReadStatus::Read, bytes};
        if (bytes.size() + got > maxBytes) {
            if (overflow == Overflow::Refuse)
                return {ReadStatus::TooLarge, {}};
            bytes.append(chunk, static_cast<qsizetype>(maxBytes - bytes.size()));
            return {ReadStatus::Read, bytes};
        }
        bytes.append(chunk, got);
    }
}

} // namespace

ReadResult readFile(const QString& path, qint64 maxBytes)
{
    return readRegularFile(path, maxBytes, Overflow::Refuse);
}

ReadResult readFileStart(const QString& path, qint64 maxBytes)
{
    return readRegularFile(path, maxBytes, Overflow::Cut);
}

std::optional<QByteArray> readWholeFile(const QString& path)
{
    ReadResult result = readFile(path, std::numeric_limits<qsizetype>::max());
    if (result.status != ReadStatus::Read)
        return std::nullopt;
    return std::move(result.bytes);
}

namespace {

// Saves write to a hidden file beside their target, named after it and ending
// in kSaveEnding, so that one left behind by a kill can be told from any other
// file without doubt.
constexpr QLatin1StringView kSaveEnding(".tibbly-save");

bool isSaveName(const QString& name)
{
    return name.size() > 1 + kSaveEnding.size() && name.startsWith(u'.') &&
           name.endsWith(kSaveEnding);
}

// The file a save replaces: the target itself, or the file that a link there
// names, followed link by link.
QString finalTarget(const QString& path)
{
    QFileInfo target(path);
    for (int depth = 0; depth < 64 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    return target.isSymLink() ? path : target.absoluteFilePath();
}

// Writes all of data to fd, as often as the system takes only part of it.
bool writeAll(int fd, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t wrote = ::write(fd, data.constData() + done, std::size_t(data.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace

WriteResult writeFileAtomically(const QString& path, const QByteArray& data)
{
    const QString target = finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    // A rename over a FIFO or a device (or a link to one) would put our file
    // where something else belongs.
    if (replacing && !S_ISREG(old.st_mode))
        return failure(path, QStringLiteral("not a regular file"));
    if (replacing && ::access(targetName.constData(), W_OK) != 0)
        return failure(target, systemError(errno));
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    if (!QDir().mkpath(folder))
        return failure(folder, QStringLiteral("cannot make the folder"));

    // The new file is private until it holds everything; it then takes the
    // old file's permissions. Its name carries the target's, cut so that a
    // long name still leaves room for the rest within the system's limit.
    const QString stem = folder + QStringLiteral("/.") +
                         QString::fromUtf8(utf8Prefix(targetInfo.fileName(), 200)) + u'.' +
                         QString::number(::getpid());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(stem + u'-' + QString::number(attempt) + kSaveEnding);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    replacing ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return failure(target, systemError(errno));
    }
    if (fd < 0)
        return failure(target, QStringLiteral("no free name for the new file"));
    const Descriptor file(fd);
    const auto abandon = [&](int error) {
        ::unlink(temporary.constData());
        return failure(target, systemError(error));
    };
    if (!writeAll(file.fd(), data))
        return abandon(errno);
    if (replacing && ::fchmod(file.fd(), old.st_mode & 07777) != 0)
        return abandon(errno);
    if (::fsync(file.fd()) != 0)
        return abandon(errno);
    if (::rename(temporary.constData(), targetName.constData()) != 0)
        return abandon(errno);
    return syncFolder(folder);
}

void removeLeftoverSaves(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({u'*' + kSaveEnding}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!isSaveName(name))
            continue;
        // Only a regular file is ours; the name alone could be anyone's link.
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat entry {};
        if (::lstat(path.constData(), &entry) == 0 && S_ISREG(entry.st_mode))
            ::unlink(path.constData());
    }
}

} // namespace fw
