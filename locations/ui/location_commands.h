#pragma once
// The dialog commands of the menu "&Ortsdaten":
//   32828 "&Bearbeiten..."        -> the location editor "Ortsdatenbank"
//   32829 "Heimat&flugplatz..."   -> "Ortsliste"; OK makes the choice the home airfield
//   32830 "&Aktivieren..."        -> "Regionen"
// Each repaints the window's views when it changed something.

class CDocumentSet;
class CMainFrame;

constexpr int ID_LOC_EDIT = 32828;
constexpr int ID_LOC_HOME = 32829;
constexpr int ID_LOC_ACTIVATE = 32830;

// Registers the three commands with theCommands(); `frame` and `documents`
// must outlive the registration.
void RegisterLocationCommands(CMainFrame& frame, CDocumentSet& documents);
