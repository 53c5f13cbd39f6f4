#pragma once
// The splash screen's timing and the loading it runs.
//
// The screen stays at least kMinimumMs on view and otherwise until loading has
// finished: the loading is posted as a command when the screen appears, and a
// single-shot timer marks the minimum time. It closes when both have happened.

#include <functional>

#include "core/app_hooks.h"

class CDocumentSet;
class TimerService;

class SplashSequence {
public:
    static constexpr int kMinimumMs = 3000;

    // `load` runs the loading; `close` ends the splash screen and is called
    // exactly once.
    SplashSequence(TimerService& timers, std::function<void()> load, std::function<void()> close);
    // A timer still pending is cancelled.
    ~SplashSequence();
    SplashSequence(const SplashSequence&) = delete;
    SplashSequence& operator=(const SplashSequence&) = delete;

    // The screen is up: starts the minimum-time timer.
    void Start();
    // The posted load command: loads once; later calls do nothing.
    void RunLoad();

    bool IsLoaded() const { return loaded_; }
    bool IsExpired() const { return expired_; }
    bool IsClosed() const { return closed_; }

private:
    void OnTimer();
    void CloseWhenDone();

    TimerService& timers_;
    std::function<void()> load_;
    std::function<void()> close_;
    int timerId_ = 0;
    bool loadStarted_ = false;
    bool loaded_ = false;
    bool expired_ = false;
    bool closed_ = false;
};

// The loading behind the splash screen, in order: the location database
// (path = the settings' region path, then its hook), for new settings the
// airspace regions, the aircraft database, the terrain grid and the profile
// index (each gets its path, then its hook), the two colour tables (paths;
// opened only when their files exist) and, for new settings, the home
// airfield (the first airfield of the name index, else an empty location).
void LoadStartupData(CDocumentSet& documents, const AppHooks& hooks);
