#pragma once

#include <QtGlobal>

#include <cstdint>
#include <vector>

namespace fw {

class Timer;

// The one source of time for timers and sounds. The running program uses the
// event loop's own clock; tests install a TestClock and move time on by hand, so
// a whole game can be played in milliseconds without sleeping.
class Clock {
public:
    virtual ~Clock() = default;

    [[nodiscard]] virtual qint64 nowMs() const = 0;

    static Clock& current();
    // Installs a clock for the rest of the process (or until the next install);
    // nullptr goes back to the real clock. The caller keeps ownership.
    static void install(Clock* clock);

protected:
    friend class Timer;
    virtual void schedule(Timer& timer, qint64 dueMs) = 0;
    virtual void cancel(Timer& timer) = 0;
};

// The event loop's clock: each armed timer runs on a Qt timer of its own.
class RealClock final : public Clock {
public:
    RealClock();
    [[nodiscard]] qint64 nowMs() const override;

protected:
    void schedule(Timer& timer, qint64 dueMs) override;
    void cancel(Timer& timer) override;

private:
    qint64 origin_;
};

// A clock that stands still until a test advances it. Due timers fire in the
// order of their due time (ties in the order they were armed), each seeing the
// clock at its own due time.
class TestClock final : public Clock {
public:
    TestClock() = default;
    ~TestClock() override;
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    [[nodiscard]] qint64 nowMs() const override { return now_; }
    void advance(qint64 ms);
    // Advances in steps of stepMs until pred() holds or maxMs have passed;
    // returns whether pred() held.
    template <class Pred> bool advanceUntil(Pred pred, qint64 maxMs, qint64 stepMs = 10)
    {
        for (qint64 spent = 0; !pred(); spent += stepMs) {
            if (spent >= maxMs)
                return false;
            advance(stepMs);
        }
        return true;
    }
    [[nodiscard]] int armedCount() const { return static_cast<int>(armed_.size()); }

protected:
    void schedule(Timer& timer, qint64 dueMs) override;
    void cancel(Timer& timer) override;

private:
    struct Entry {
        Timer* timer;
        qint64 due;
        std::uint64_t seq;
    };
    std::vector<Entry> armed_;
    qint64 now_ = 0;
    std::uint64_t nextSeq_ = 0;
};

// Installs a TestClock for the life of this object.
class ScopedTestClock {
public:
    ScopedTestClock() { Clock::install(&clock_); }
    ~ScopedTestClock() { Clock::install(nullptr); }
    ScopedTestClock(const ScopedTestClock&) = delete;
    ScopedTestClock& operator=(const ScopedTestClock&) = delete;
    TestClock* operator->() { return &clock_; }
    TestClock& operator*() { return clock_; }

private:
    TestClock clock_;
};

} // namespace fw
