#pragma once
// The route document in the desktop program: the one route that lives for
// the whole run, the route hooks of start-up and the command line, and the
// route's menu and toolbar commands.

#include "core/ui/command_registry.h"

struct AppHooks;
class CMainFrame;
class CWayDoc;

// The route of the desktop program, made on first use and kept until the
// program ends; it is also the current one (theWayDoc()).
CWayDoc& ProgramRoute();

// New route, open, print from the command line, the title and the question
// before the main window closes, all on `route`; the page headers of the
// text views take the route's first and last waypoint.
void InstallRouteHooks(AppHooks& hooks, CWayDoc& route);

// "&Speichern" (57603), "Speichern &unter..." (57604) and the previous and
// next waypoint (33307, 33308). The window title follows every change the
// route announces. ("&Neu", "Ö&ffnen...", the recent files and dropped files
// reach the route through the hooks.)
void RegisterRouteCommands(CMainFrame& frame, CWayDoc& route, CommandRegistry& commands = theCommands());
