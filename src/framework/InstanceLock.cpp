#include "InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace fw {

InstanceLock::InstanceLock(const QString& path) : lock_(std::make_unique<QLockFile>(path))
{
    // A copy may run for days, so a lock is never judged stale by its age: only
    // when the process that wrote it is gone.
    lock_->setStaleLockTime(0);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        outcome_ = Outcome::Unavailable;
        return;
    }
    if (lock_->tryLock(0))
        outcome_ = Outcome::Held;
    else if (lock_->error() == QLockFile::LockFailedError)
        outcome_ = Outcome::HeldElsewhere;
    else
        outcome_ = Outcome::Unavailable;
}

InstanceLock::~InstanceLock() = default;

} // namespace fw
