#include "platform/qt/qt_timers.h"

#include <QTimer>
#include <algorithm>
#include <climits>

QtTimers::QtTimers() = default;

QtTimers::~QtTimers() {
    for (auto& [id, entry] : timers_) {
        entry.timer->stop();
        delete entry.timer;
    }
    timers_.clear();
}

int QtTimers::NextId() {
    // Ids stay positive and unique among the pending timers, even after the
    // counter wraps.
    do {
        lastId_ = lastId_ == INT_MAX ? 1 : lastId_ + 1;
    } while (timers_.count(lastId_) != 0);
    return lastId_;
}

int QtTimers::StartSingleShot(int ms, std::function<void()> callback) {
    const int id = NextId();
    auto* timer = new QTimer(&owner_);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, &owner_, [this, id] { Fire(id); });
    timers_[id] = Entry{timer, std::move(callback)};
    timer->start(std::max(0, ms));
    return id;
}

void QtTimers::Cancel(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second.timer->stop();
    // It may be the timer whose signal is being delivered right now.
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtTimers::Fire(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // Forget the timer before the callback runs, so the callback can start
    // new timers and cancel others (or itself) freely.
    std::function<void()> callback = std::move(it->second.callback);
    it->second.timer->deleteLater();
    timers_.erase(it);
    if (callback) callback();
}
