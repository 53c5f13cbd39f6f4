#pragma once
// Paths of the program directory and its data files.
//
// The program directory is the working directory at start-up; every data path
// is built from it and always ends with '/'. Data folders and file patterns
// are matched without regard to case. Paths stored in old data files may be
// Windows paths (C:\...\elev\x.bin); they are resolved under the program
// directory by their last components when they do not exist as written.

#include <optional>
#include <string>
#include <vector>

// The program directory, with a trailing '/'.
const std::string& programDir();
// Sets the program directory (a trailing '/' is added when missing).
void setProgramDir(const std::string& dir);
// The current working directory with a trailing '/'.
std::string currentDirectory();

// Directory part of a path up to and including the last '/' or '\\'; empty
// when the path has none.
std::string dirPart(const std::string& path);
// Text after the last '/' or '\\'.
std::string baseName(const std::string& path);
// File title: the text between the last separator and the last '.'.
std::string fileTitle(const std::string& path);
// Extension after the last '.' of the base name, without the dot; empty if none.
std::string fileExtension(const std::string& path);
// Appends '/' unless the text already ends with '/' or '\\'.
std::string withTrailingSeparator(const std::string& dir);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
long long fileSize(const std::string& path);  // -1 when missing

// The entry of `dir` whose name equals `name` without regard to case (an
// exact match wins). Returns the full path of the existing entry.
std::optional<std::string> findNoCase(const std::string& dir, const std::string& name);

// The files of `dir` whose names end with `suffix` without regard to case
// (".krd" finds x.krd and Y.KRD), sorted by name.
std::vector<std::string> listFilesWithSuffix(const std::string& dir, const std::string& suffix);

// Resolves a path stored in a data file: the path itself when it exists;
// otherwise, searched without regard to case under `baseDir`, the stored
// path's last folder and file name (elev/x.bin), then its file name alone.
// With no match, the original path (with '/' separators) is returned.
std::string resolveStoredPath(const std::string& stored, const std::string& baseDir);

// Copies a file, replacing the target atomically. Returns false on failure.
bool copyFile(const std::string& from, const std::string& to);
