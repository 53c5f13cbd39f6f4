#pragma once
// The location database's part of start-up, behind the splash screen.

class CInitDoc;
class CLocDoc;

// Sets the document's path to the settings' region, attaches the settings'
// name index to it, scans the region files of that folder (bringing the
// region list up to date; "no region files" is reported), activates the
// current region when the settings are new, and builds the name index from
// the active regions (reporting when memory does not suffice). The document
// ends up holding the current region. Returns the current region's position
// in the region list, -1 when there is none.
int LoadLocationDatabase(CInitDoc& settings, CLocDoc& doc);

// For new settings only: the home airfield becomes the first airport of the
// name index with a valid position and variation, or an empty location when
// there is none. Returns true when an airport was found.
bool ChooseHomeAirfield(CInitDoc& settings);
