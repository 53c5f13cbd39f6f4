#pragma once
// A readable listing of a settings file: one "name: value" line per stored
// field, in file order. Used by the command-line tool.

#include <string>
#include <vector>

class CInitDoc;

// Reads the settings file at `path` into `doc` without asking or showing
// anything. Returns an empty text on success, else the reason (German).
std::string ReadSettingsQuietly(CInitDoc& doc, const std::string& path);

// The lines of the listing for a document that was read from a file.
std::vector<std::string> DumpSettings(CInitDoc& doc);
