#include "HostileFiles.h"

#include "framework/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

using testsupport::FileSizeLimit;
using testsupport::isFifo;
using testsupport::makeFifo;

namespace {

// Every fsync of this program passes through here, so that a test can see
// what was synced and in which order.
bool recordingSyncs = false;
std::vector<std::string> syncedPaths;

} // namespace

extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    if (recordingSyncs) {
        char target[4096] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
        syncedPaths.emplace_back(target, length > 0 ? std::size_t(length) : 0);
    }
    return real(fd);
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(fw::writeFileAtomically(path, "old contents").ok());
    }
    [[nodiscard]] QStringList folderContents() const
    {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.bin"));
};

TEST_F(AtomicWrite, AWriteThatRunsOutOfSpaceLeavesTheOldFileWholeAndSaysSo)
{
    // Small data waits in QSaveFile's buffer until the commit; large data is
    // written at once. Both must fail before anything is renamed.
    for (const qsizetype size : {qsizetype(200), qsizetype(100'000)}) {
        SCOPED_TRACE(size);
        fw::WriteResult result;
        {
            const FileSizeLimit fullDisk(100);
            result = fw::writeFileAtomically(path, QByteArray(size, 'n'));
        }
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.reason().startsWith(path)) << result.reason().toStdString();
        EXPECT_EQ(fw::readWholeFile(path), QByteArray("old contents"));
        EXPECT_EQ(folderContents(), QStringList{QStringLiteral("store.bin")});
    }
}

TEST_F(AtomicWrite, TheFolderIsSyncedAfterTheRename)
{
    syncedPaths.clear();
    recordingSyncs = true;
    const fw::WriteResult result = fw::writeFileAtomically(path, "new contents");
    recordingSyncs = false;
    ASSERT_TRUE(result.ok());
    ASSERT_FALSE(syncedPaths.empty());
    EXPECT_EQ(syncedPaths.back(), QDir(dir.path()).canonicalPath().toStdString());
    EXPECT_EQ(fw::readWholeFile(path), QByteArray("new contents"));
}

TEST_F(AtomicWrite, OnlyARegularFileIsReplaced)
{
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_TRUE(makeFifo(fifo));
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(fifo, link));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));

    for (const QString& target : {fifo, link, folder}) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_FALSE(fw::writeFileAtomically(target, "new contents").ok());
    }
    EXPECT_TRUE(isFifo(fifo));
    EXPECT_TRUE(isFifo(link));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A link to a regular file is kept, and the file it names is replaced.
    const QString fileLink = dir.filePath(QStringLiteral("file-link"));
    ASSERT_TRUE(QFile::link(path, fileLink));
    ASSERT_TRUE(fw::writeFileAtomically(fileLink, "through the link").ok());
    EXPECT_TRUE(QFileInfo(fileLink).isSymLink());
    EXPECT_EQ(fw::readWholeFile(path), QByteArray("through the link"));
}

TEST_F(AtomicWrite, ASaveKilledMidwayLeavesOnlyAFileThatIsKnownAsOursAndRemoved)
{
    // Files that only look like a save's: none of them is ever removed.
    const QStringList others = {QStringLiteral("store.bin.WCVjpF"), QStringLiteral(".hidden"),
                                QStringLiteral("x.tibbly-save"), QStringLiteral(".tibbly-save"),
                                QStringLiteral(".link.tibbly-save")};
    for (const QString& name : others.mid(0, 4)) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(path, dir.filePath(others.last())));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".folder.tibbly-save")));

    // The child is killed by the system as its write passes the size limit,
    // in the middle of the save.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        (void)fw::writeFileAtomically(path, QByteArray(100'000, 'n'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fw::readWholeFile(path), QByteArray("old contents"));
    ASSERT_EQ(folderContents().size(), others.size() + 3) << "the new file is left behind";

    fw::removeLeftoverSaves(dir.path());
    QStringList kept =
        others + QStringList{QStringLiteral("store.bin"), QStringLiteral(".folder.tibbly-save")};
    kept.sort();
    EXPECT_EQ(folderContents(), kept);
}

TEST(ReadFile, OnlyARegularFileWithinTheLimitIsRead)
{
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    ASSERT_TRUE(fw::writeFileAtomically(at("ten"), "0123456789").ok());
    ASSERT_TRUE(makeFifo(at("fifo")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), at("zero")));
    ASSERT_TRUE(QFile::link(at("nowhere"), at("dangling")));

    struct Case {
        const char* name;
        qint64 limit;
        fw::ReadStatus status;
    };
    for (const Case& c :
         {Case{"ten", 10, fw::ReadStatus::Read}, Case{"ten", 9, fw::ReadStatus::TooLarge},
          Case{"missing", 10, fw::ReadStatus::Missing},
          Case{"dangling", 10, fw::ReadStatus::Missing},
          Case{"fifo", 10, fw::ReadStatus::NotRegular},
          Case{"zero", 10, fw::ReadStatus::NotRegular},
          Case{".", 10, fw::ReadStatus::NotRegular}}) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.limit));
        const fw::ReadResult result = fw::readFile(at(c.name), c.limit);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.bytes,
                  c.status == fw::ReadStatus::Read ? QByteArray("0123456789") : QByteArray());
    }

    // Reading only a file's start takes a longer file's first bytes, and
    // refuses all that is not a regular file alike.
    const fw::ReadResult start = fw::readFileStart(at("ten"), 4);
    EXPECT_EQ(start.status, fw::ReadStatus::Read);
    EXPECT_EQ(start.bytes, QByteArray("0123"));
    EXPECT_EQ(fw::readFileStart(at("ten"), 10).bytes, QByteArray("0123456789"));
    for (const char* name : {"fifo", "zero", "."})
        EXPECT_EQ(fw::readFileStart(at(name), 10).status, fw::ReadStatus::NotRegular) << name;
}
