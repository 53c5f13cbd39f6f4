#pragma once
// Where the subsystems plug into start-up, the command line and shut-down.
//
// The application runs a fixed sequence (documents, settings, splash loading,
// command line, shut-down); the work of a step that belongs to another
// subsystem is a hook here. An empty hook does nothing, or what its comment
// says. The program fills the hooks once, before start-up begins
// (app/gui/registrations.cpp); tests fill only what they exercise.

#include <functional>
#include <string>

class CDocumentSet;

// Where a route given on the command line is printed: the default printer
// ("/p"), or a named printer ("/pt printer driver port").
struct PrintTarget {
    std::string printer;  // empty: the default printer
    std::string driver;
    std::string port;
};

struct AppHooks {
    // ---- before the settings are read --------------------------------------------
    // Points the recorded paths of the terrain profile index `elaPath` whose
    // files no longer exist into `elevDir`, and saves the index when a path
    // changed.
    std::function<void(const std::string& elaPath, const std::string& elevDir)> repairProfilePaths;

    // ---- taking over an earlier installation ------------------------------------
    // Merges the profile index of the earlier installation in `oldDir` into
    // the one of `programDir` (asking whether the grid files are copied).
    std::function<void(const std::string& oldDir, const std::string& programDir)> mergeProfileIndex;

    // ---- loading behind the splash screen, in this order --------------------------
    // The location database's path is set to the settings' region path before
    // this runs: scan the region files, load the active regions and build the
    // name index.
    std::function<void(CDocumentSet&)> loadLocations;
    // Only for a new settings file: the airspace regions of the active regions.
    std::function<void(CDocumentSet&)> initAirspaceRegions;
    // The path of each document is set before its hook runs.
    std::function<void(CDocumentSet&)> openAircraft;
    std::function<void(CDocumentSet&)> openElevGrid;
    std::function<void(CDocumentSet&)> openProfileIndex;
    // Only when the table's file exists (kind 1: sea, 2: flight colours).
    std::function<void(CDocumentSet&, int kind)> openColorTable;
    // Only for a new settings file: makes the first valid airfield of the
    // name index the settings' home airfield. False when there is none; the
    // home airfield then becomes an empty location.
    std::function<bool(CDocumentSet&)> chooseHomeAirfield;

    // ---- after the splash ------------------------------------------------------------
    // Only called when their files exist.
    std::function<void(CDocumentSet&)> openFlightPlan;
    std::function<void(CDocumentSet&)> openScanMaps;

    // ---- shut-down: true when saved (or nothing had to be saved) -----------------------
    std::function<bool(CDocumentSet&)> saveFlightPlan;
    std::function<bool(CDocumentSet&)> saveScanMaps;

    // ---- routes ------------------------------------------------------------------------
    // A new empty route; without the hook the program simply has no route.
    std::function<bool()> newRoute;
    // Opens a route file; the hook reports its own failures. Without the hook
    // no route can be opened (message "Flugstrecke kann nicht eingelesen werden.").
    std::function<bool(const std::string& path)> openRoute;
    // Opens a route file and prints it.
    std::function<bool(const std::string& path, const PrintTarget& target)> printRoute;
    // Title of the current route ("KeinName" without the hook or a route).
    std::function<std::string()> routeTitle;
    // Whether a route is open and whether it has unsaved changes that the user
    // declined to drop: false keeps the main window open. Without the hook
    // closing is always allowed.
    std::function<bool()> canCloseRoute;
};
