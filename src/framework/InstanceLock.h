#pragma once

#include <QString>

namespace fw {

// Keeps a second copy of the program off the files that one copy uses: a lock
// on a file, taken when the object is made and held for as long as it lives.
// The system lets go of the lock when the process ends, however it ends, so a
// copy that was killed never blocks the next start.
class InstanceLock {
public:
    enum class Outcome {
        // This copy holds the lock.
        Held,
        // Another running copy holds it.
        HeldElsewhere,
        // No lock can be made there (a read-only folder, say); nobody holds it.
        Unavailable,
    };

    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    [[nodiscard]] Outcome outcome() const { return outcome_; }

private:
    int fd_ = -1;
    Outcome outcome_ = Outcome::Unavailable;
};

} // namespace fw
