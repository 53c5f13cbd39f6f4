#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <string>

#include "platform/qt/qt_timers.h"

namespace {
// Runs the event loop until `loop.quit()` or a safety timeout.
void runFor(QEventLoop& loop, int ms) {
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
}  // namespace

TEST(QtTimers, FireOnceInTimeOrderUnlessCancelled) {
    QtTimers timers;
    QEventLoop loop;
    std::string fired;
    const int a = timers.StartSingleShot(60, [&] {
        fired += "a";
        loop.quit();
    });
    const int b = timers.StartSingleShot(10, [&] { fired += "b"; });
    const int c = timers.StartSingleShot(30, [&] { fired += "c"; });
    const int d = timers.StartSingleShot(-5, [&] { fired += "d"; });
    EXPECT_GT(a, 0);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(c, d);
    timers.Cancel(c);
    timers.Cancel(c);
    timers.Cancel(12345);
    EXPECT_EQ(timers.Pending(), 3u);
    runFor(loop, 5000);
    EXPECT_EQ(fired, "dba");
    EXPECT_EQ(timers.Pending(), 0u);
}

TEST(QtTimers, CallbacksRearmAndCancelOthers) {
    QtTimers timers;
    QEventLoop loop;
    int ticks = 0;
    bool victimFired = false;
    std::function<void()> tick = [&] {
        if (++ticks < 3)
            timers.StartSingleShot(5, tick);  // a periodic tick re-arms at its end
        else
            loop.quit();
    };
    timers.StartSingleShot(5, tick);
    const int victim = timers.StartSingleShot(40, [&] { victimFired = true; });
    timers.StartSingleShot(0, [&] { timers.Cancel(victim); });
    runFor(loop, 5000);
    EXPECT_EQ(ticks, 3);
    QEventLoop rest;
    runFor(rest, 80);
    EXPECT_FALSE(victimFired);
}

TEST(QtTimers, PendingTimersDieWithTheService) {
    bool fired = false;
    {
        QtTimers timers;
        timers.StartSingleShot(1, [&] { fired = true; });
    }
    QEventLoop loop;
    runFor(loop, 30);
    EXPECT_FALSE(fired);
}
