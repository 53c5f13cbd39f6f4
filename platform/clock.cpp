#include "platform/clock.h"

#include <chrono>

int64_t SystemClock::Now() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

int64_t SystemClock::MonotonicMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ManualClock::Advance(int64_t ms) {
    const int64_t end = nowMs_ + ms;
    while (!timers_.empty() && timers_.begin()->first.first <= end) {
        auto it = timers_.begin();
        nowMs_ = it->first.first;
        auto callback = std::move(it->second);
        timers_.erase(it);
        callback();
    }
    nowMs_ = end;
}

int ManualClock::StartSingleShot(int ms, std::function<void()> callback) {
    const int id = nextId_++;
    timers_.emplace(std::make_pair(nowMs_ + ms, id), std::move(callback));
    return id;
}

void ManualClock::Cancel(int id) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->first.second == id) {
            timers_.erase(it);
            return;
        }
    }
}

namespace {
SystemClock systemClock;
const Clock* currentClock = nullptr;
TimerService* currentTimers = nullptr;
}  // namespace

const Clock& theClock() { return currentClock ? *currentClock : systemClock; }
void SetClock(const Clock* clock) { currentClock = clock; }
TimerService* theTimers() { return currentTimers; }
void SetTimers(TimerService* timers) { currentTimers = timers; }
