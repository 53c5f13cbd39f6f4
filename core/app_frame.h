#pragma once
// The main window as the rest of the program sees it, without Qt: switching
// views, its three window timers, posted commands and the title. The
// settings document keeps a pointer to it (CInitDoc::GetMainFrame returns a
// MainFrameLink*).

#include <functional>
#include <string>

class MainFrameLink {
public:
    // Window timers of the main window.
    static constexpr int kMovingMapTimer = 2;
    static constexpr int kScanMapLoadTimer = 3;
    static constexpr int kCursorElevationTimer = 4;

    virtual ~MainFrameLink() = default;

    virtual void ShowView(int view) = 0;
    virtual int CurrentView() const = 0;
    virtual int PreviousView() const = 0;

    // Starts (or restarts) timer `id` to fire once after `ms` milliseconds;
    // the handler set for the id runs then. Periodic work re-arms at the end
    // of its tick.
    virtual void SetFrameTimer(int id, int ms) = 0;
    virtual void KillFrameTimer(int id) = 0;
    virtual void SetTimerHandler(int id, std::function<void()> handler) = 0;

    // Runs a command from the event loop, after the current one has finished.
    virtual void PostCommand(int command) = 0;
    // The next enabling query of the scanned-map command enables it once.
    virtual void EnableScannedMapOnce() = 0;
    // Sets the window title again from the current route or track title.
    virtual void UpdateTitle() = 0;
    // A text in the status bar's message pane (empty: the idle text).
    virtual void SetMessageText(const std::string& text) = 0;
};
