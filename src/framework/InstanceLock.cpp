#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace fw {

InstanceLock::InstanceLock(const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    // The file itself holds nothing and stays: removing it would let a copy
    // that opened it a moment before lock a file that no longer has a name.
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        outcome_ = Outcome::Held;
        return;
    }
    if (errno == EWOULDBLOCK)
        outcome_ = Outcome::HeldElsewhere;
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace fw
