#include "framework/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using Outcome = fw::InstanceLock::Outcome;

TEST(InstanceLock, OneHolderAtATimeAndALockLeftByAKilledCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder/prefs.lock"));

    // A copy that dies without letting go of the lock.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const fw::InstanceLock lock(path);
        ::_exit(lock.outcome() == Outcome::Held ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(path));

    {
        const fw::InstanceLock first(path);
        EXPECT_EQ(first.outcome(), Outcome::Held);
        const fw::InstanceLock second(path);
        EXPECT_EQ(second.outcome(), Outcome::HeldElsewhere);
    }
    EXPECT_FALSE(QFile::exists(path));
    const fw::InstanceLock again(path);
    EXPECT_EQ(again.outcome(), Outcome::Held);
}

TEST(InstanceLock, WhereNoLockCanBeMadeNobodyHoldsIt)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const fw::InstanceLock lock(notAFolder + QStringLiteral("/prefs.lock"));
    EXPECT_EQ(lock.outcome(), Outcome::Unavailable);
}
