#pragma once
// Where every subsystem plugs into the desktop program: its start-up hooks,
// its views and its menu commands.

struct AppHooks;
class CDocumentSet;
class CMainFrame;

// Before start-up: the hooks of the loading, the take-over of an earlier
// installation, the route files and the shut-down.
void InstallStartupHooks(AppHooks& hooks);
// Before the main window is built: the windows of the views.
void RegisterViewFactories();
// After the main window is built: the menu and toolbar commands.
void RegisterAllCommands(CMainFrame& frame, CDocumentSet& documents);
