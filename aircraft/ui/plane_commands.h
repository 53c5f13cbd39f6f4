#pragma once
// The commands of the aircraft database and the weather:
//   "&Flugzeuge": 32791 "&Bearbeiten..." (the editor "Flugzeugdatenbank") and
//                 one entry per aircraft, 32808 onwards, that makes it current
//   "&Verschiedenes": 32920 "&Wetter..."
// It also fills the aircraft entries of the menu, feeds the cruise speed of
// the current aircraft into the status bar and, when the program ends with
// an unsaved aircraft list, saves it after asking.

class CDocumentSet;
class CMainFrame;
class CPlaneDoc;

constexpr int ID_PLANE_EDIT = 32791;
constexpr int ID_WEATHER = 32920;

// `frame` and `documents` must outlive the registration.
void RegisterAircraftDialogCommands(CMainFrame& frame, CDocumentSet& documents);

// Fills the aircraft entries of "&Flugzeuge" from the database. With
// `select` the current aircraft is chosen again by the name in the settings
// (after loading or editing the list).
void FillAircraftMenu(CMainFrame& frame, CPlaneDoc& planes, bool select);
