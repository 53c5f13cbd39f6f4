#pragma once
// Single-shot timers on the Qt event loop of the thread that owns the
// service (the user-interface thread). A callback runs once, from the event
// loop, unless its timer was cancelled before; it may start new timers or
// cancel others, which is how periodic work re-arms itself at the end of a
// tick.

#include <QObject>
#include <functional>
#include <map>

#include "platform/clock.h"

class QTimer;

class QtTimers final : public TimerService {
public:
    QtTimers();
    // Pending timers are stopped; their callbacks never run.
    ~QtTimers() override;
    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    // A negative delay counts as 0.
    int StartSingleShot(int ms, std::function<void()> callback) override;
    // Unknown, fired or already cancelled ids are ignored.
    void Cancel(int id) override;
    size_t Pending() const { return timers_.size(); }

private:
    struct Entry {
        QTimer* timer = nullptr;
        std::function<void()> callback;
    };
    void Fire(int id);
    int NextId();

    QObject owner_;
    std::map<int, Entry> timers_;
    int lastId_ = 0;
};
