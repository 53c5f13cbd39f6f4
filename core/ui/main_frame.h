#pragma once
// The main window: menu bar, six dockable toolbars, the status bar with its
// panes, and the thirteen views, one of them visible at a time.
//
// Every menu item and toolbar button is driven by its command number: a
// command runs through the visible view first (print, copy, ...) and then
// through the command registry, and is enabled and ticked the same way. A
// command nobody handles stays visible and disabled. The main window itself
// handles the view commands, the bar toggles, "Signalisiert Speichern", the
// about box, "Beenden", and opening routes when the program can open them.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/app_frame.h"
#include "core/app_hooks.h"
#include "core/app_status_panes.h"
#include "core/app_views.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame_views.h"

class AppSettingsStore;
class CInitDoc;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;
class TimerService;
struct MenuItem;

class CMainFrame : public QMainWindow, public MainFrameLink {
    Q_OBJECT

public:
    // What the main window asks the rest of the program; an empty function
    // gives the answer in brackets.
    struct Queries {
        std::function<bool()> movingMapRunning;   // (false)
        std::function<bool()> catalogueHasMaps;   // (false)
        std::function<long()> trackPointCount;    // (0)
        std::function<std::string()> trackTitle;  // ("")
        // After the fuel view was chosen and after the load dialog.
        std::function<void()> showWarnings;
        // For the flight plan view: true when the form is filled in by hand
        // and the route changed since; the flag is cleared by the call.
        std::function<bool()> takeFlightPlanRouteChange;  // (false)
        // Before the scanned map of the route (view 3) or track (view 11) is
        // shown: chooses the map; false stops the command.
        std::function<bool(int view)> prepareScannedMap;  // (true)
        // After it is shown: centres the map on the route or the track.
        std::function<void(int view)> centreScannedMap;
    };

    // `timers` nullptr: the window runs its own timers on the Qt event loop.
    CMainFrame(CInitDoc& settings, AppSettingsStore& profile, const AppHooks& hooks,
               CommandRegistry& commands = theCommands(), TimerService* timers = nullptr,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // ---- MainFrameLink
    void ShowView(int view) override;
    int CurrentView() const override { return switcher_.Current(); }
    int PreviousView() const override { return switcher_.Previous(); }
    void SetFrameTimer(int id, int ms) override;
    void KillFrameTimer(int id) override;
    void SetTimerHandler(int id, std::function<void()> handler) override;
    void PostCommand(int command) override;
    void EnableScannedMapOnce() override { scanEnableOnce_ = true; }
    void UpdateTitle() override;
    void SetMessageText(const std::string& text) override;

    Queries& FrameQueries() { return queries_; }
    ViewSwitchHooks& SwitchHooks() { return switchHooks_; }
    // A source of the status bar panes' input (the moving map, the terrain
    // under the cursor, the current aircraft); sources run in order.
    void AddStatusSource(std::function<void(StatusPaneInput&)> source);

    // Runs a command as a menu item would (nothing when it is disabled).
    bool ExecuteCommand(int command);
    CommandState CommandStateOf(int command) const;

    // The action of a command id (first one built), or nullptr.
    QAction* Action(int command) const;
    QMenu* AircraftMenu() const { return aircraftMenu_; }
    // Fills "&Flugzeuge" after its fixed items: one item per aircraft
    // (commands from 32808, at most 19), the current one ticked; an empty
    // list gives the disabled item "Fehlt".
    void SetAircraftNames(const std::vector<std::string>& names, int current);

    QToolBar* ToolBarAt(int index) const;
    QLabel* StatusPane(int id) const;  // 300, 301, 302
    QWidget* ViewWindow(int view) const;

    // The idle update: enables and ticks every action and refreshes the
    // status bar panes. Runs from a timer and before a menu opens.
    void UpdateCommandUI();

    // Applies the stored placement ("WindowPos") and shows the window,
    // maximised when it was closed maximised.
    void ShowWithPlacement();
    // Stores the toolbar state ("VXWnd") and the placement ("WindowPos").
    void SaveBarsAndPlacement();

    // Opens a route through the program's route support; without it the
    // user is told the route cannot be read.
    bool OpenRouteFile(const std::string& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildViews();
    void BuildMenus();
    void BuildMenu(QMenu* menu, const std::vector<MenuItem>& items);
    QAction* MakeAction(int command);
    void FillRecentFiles();
    void BuildToolBars();
    void BuildStatusBar();
    void RegisterFrameCommands();
    void RegisterViewCommands();
    void RefreshStatusPanes();
    void RestoreBarState();
    void ApplyStoredPlacement();
    ViewCommandContext ViewContext() const;
    const ViewPage* ActivePage() const;
    void OnViewCommand(int command);
    void OnScannedMapCommand(int view);

    CInitDoc& settings_;
    AppSettingsStore& profile_;
    const AppHooks& hooks_;
    CommandRegistry& commands_;
    std::unique_ptr<TimerService> ownTimers_;
    TimerService* timers_;

    Queries queries_;
    ViewSwitchHooks switchHooks_;
    ViewSwitcher switcher_;
    bool scanEnableOnce_ = false;
    bool maximizeOnShow_ = false;

    QStackedWidget* stack_ = nullptr;
    std::vector<ViewPage> pages_;  // by window index
    std::multimap<int, QAction*> actions_;
    std::vector<QToolBar*> toolBars_;
    QMenu* recentMenuAnchor_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    QMenu* fileMenu_ = nullptr;
    QMenu* aircraftMenu_ = nullptr;
    QAction* aircraftSeparator_ = nullptr;
    std::vector<QAction*> aircraftActions_;
    QLabel* idleLabel_ = nullptr;
    std::map<int, QLabel*> panes_;
    std::vector<std::function<void(StatusPaneInput&)>> statusSources_;
    std::map<int, std::function<void()>> timerHandlers_;
    std::map<int, int> runningTimers_;  // frame timer id -> service id
    QTimer* idleTimer_ = nullptr;
};
