#pragma once

#include <QBasicTimer>
#include <QObject>

#include <functional>

namespace fw {

// A timer control owned by a window. Mode 0 is off, 1 fires Action once after
// Period ms, 2 fires it every Period ms. Setting Mode or Period, also from inside
// Action, starts the countdown afresh and governs the later firings.
class Timer : public QObject {
public:
    static constexpr int kOff = 0;
    static constexpr int kOnce = 1;
    static constexpr int kRepeating = 2;

    explicit Timer(QObject* owner, int mode = 0, int periodMs = 1000);
    ~Timer() override;

    [[nodiscard]] int Mode() const { return mode_; }
    void setMode(int mode);
    [[nodiscard]] int Period() const { return period_; }
    void setPeriod(int periodMs);

    std::function<void()> onAction;

protected:
    void timerEvent(QTimerEvent* event) override;
    virtual void Event_Action();

private:
    friend class RealClock;
    friend class TestClock;
    void rearm();
    void fire();

    int mode_ = 0;
    int period_ = 1000;
    QBasicTimer qtTimer_;
};

} // namespace fw
