#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace fw {

// Keeps a second copy of the program off the files that one copy uses: a lock
// file, taken when the object is made and held for as long as it lives. A lock
// left by a copy that was killed is taken over, so it never blocks a start.
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
    std::unique_ptr<QLockFile> lock_;
    Outcome outcome_ = Outcome::Unavailable;
};

} // namespace fw
