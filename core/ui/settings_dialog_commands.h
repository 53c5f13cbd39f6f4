#pragma once
// The menu commands that open the settings dialogs:
//   32894 "Einheiten..."               -> "Einheiten - Voreinstellungen"
//   32798 "&Voreinstellungen..."       -> "Berechnung - Voreinstellungen"
//   32924 "&Rechner..."                -> the unit calculator
// The dialogs open modally over the active window.

#include <functional>

class CInitDoc;

constexpr int ID_VIEW_UNITS = 32894;
constexpr int ID_CALC_PRESETS = 32798;
constexpr int ID_UNIT_CALCULATOR = 32924;

// Registers the three commands with theCommands(). `repaintAll` runs after
// the units or the computation presets were changed with OK, so that every
// view shows the new settings; the main window passes its full repaint.
// `settings` must outlive the registration.
void RegisterSettingsDialogCommands(CInitDoc& settings, std::function<void()> repaintAll);
