#pragma once
// The splash screen: a window without caption showing "N a v o r a",
// "Flugvorbereitung" and the version while the data files load. The loading
// starts once the window has been painted; the window stays at least three
// seconds and otherwise until the loading has finished.

#include <QDialog>
#include <functional>
#include <memory>

#include "core/app_splash.h"

class TimerService;

class CSplashDlg : public QDialog {
    Q_OBJECT

public:
    // `load` runs once from the event loop. `timers` nullptr: the dialog runs
    // its own timer on the Qt event loop.
    explicit CSplashDlg(std::function<void()> load, TimerService* timers = nullptr,
                        QWidget* parent = nullptr);
    ~CSplashDlg() override;

    const SplashSequence& Sequence() const { return *sequence_; }

public slots:
    // The user cannot close the splash screen.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kPaintWaitMs = 200;
    void PostLoad();

    std::unique_ptr<TimerService> ownTimers_;
    std::unique_ptr<SplashSequence> sequence_;
    bool loadPosted_ = false;
};
