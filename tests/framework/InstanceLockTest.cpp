#include "framework/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

using Outcome = fw::InstanceLock::Outcome;

TEST(InstanceLock, OneHolderAtATimeAndAKilledCopyBlocksNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder/prefs.lock"));

    // Another copy takes the lock, says so, and runs until it is killed.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const fw::InstanceLock lock(path);
        const char held = lock.outcome() == Outcome::Held ? 'y' : 'n';
        (void)::write(pipeEnds[1], &held, 1);
        for (;;)
            ::pause();
    }
    char held = 0;
    ASSERT_EQ(::read(pipeEnds[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    EXPECT_EQ(fw::InstanceLock(path).outcome(), Outcome::HeldElsewhere);

    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    {
        const fw::InstanceLock first(path);
        EXPECT_EQ(first.outcome(), Outcome::Held);
        EXPECT_EQ(fw::InstanceLock(path).outcome(), Outcome::HeldElsewhere);
    }
    EXPECT_EQ(fw::InstanceLock(path).outcome(), Outcome::Held);
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
