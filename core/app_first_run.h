#pragma once
// The first run: when the settings file cannot be opened, Navora offers to
// take over the data of an earlier installation and then writes a settings
// file with the defaults.

#include <string>

#include "core/app_hooks.h"

class CInitDoc;

// Asks whether data of an earlier version are taken over, lets the user pick
// its folder, copies the data, saves the settings with their defaults and
// points to the location update where that is needed. Returns true when the
// settings file was saved; false means Navora cannot start.
bool RunFirstRunDialogue(CInitDoc& settings, const AppHooks& hooks);

// Copies the data files of the earlier installation in `oldDir` (with a
// trailing separator) into the program directory of `settings`, overwriting
// what is there: the aircraft database, every region file "*.krd" (any case
// of the extension), then, after the profile index was merged, the terrain
// grid and the two colour tables. A file that cannot be copied is reported
// and the rest is still copied.
void CopyPreviousInstallation(const CInitDoc& settings, const std::string& oldDir, const AppHooks& hooks);
