#pragma once
// Time and timers. Logic reads the time from the current Clock and runs
// periodic work on single-shot timers that each tick re-arms at its end, so
// tests step them with a ManualClock instead of sleeping.

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 UTC.
    virtual int64_t Now() const = 0;
    // Milliseconds of a monotonic clock (for timeouts).
    virtual int64_t MonotonicMs() const = 0;
};

class TimerService {
public:
    virtual ~TimerService() = default;
    // Calls `callback` once after `ms` milliseconds; returns a timer id > 0.
    virtual int StartSingleShot(int ms, std::function<void()> callback) = 0;
    virtual void Cancel(int id) = 0;
};

// The system clock.
class SystemClock final : public Clock {
public:
    int64_t Now() const override;
    int64_t MonotonicMs() const override;
};

// A clock for tests: time only moves when told, and due timers fire in order.
class ManualClock final : public Clock, public TimerService {
public:
    explicit ManualClock(int64_t now = 1700000000) : nowMs_(now * 1000) {}
    int64_t Now() const override { return nowMs_ / 1000; }
    int64_t MonotonicMs() const override { return nowMs_; }
    void SetNow(int64_t seconds) { nowMs_ = seconds * 1000; }
    // Moves time forward, firing every timer that falls due, in time order.
    void Advance(int64_t ms);
    int StartSingleShot(int ms, std::function<void()> callback) override;
    void Cancel(int id) override;
    size_t PendingTimers() const { return timers_.size(); }

private:
    int64_t nowMs_;
    int nextId_ = 1;
    // (due time, id) -> callback
    std::map<std::pair<int64_t, int>, std::function<void()>> timers_;
};

// The clock and timer service in use (the system clock and no timers until
// set; logic that needs timers gets them from the application).
const Clock& theClock();
void SetClock(const Clock* clock);
TimerService* theTimers();
void SetTimers(TimerService* timers);
