#pragma once
// The list of recently used files holds routes only. Every document that gets
// a path may offer it (regions, the aircraft database, ...); only a path whose
// extension is "way", in any case, enters the list.

#include <functional>
#include <string>

bool IsRecentFileCandidate(const std::string& path);

// Passes a route path to the recent-file list; other paths are ignored.
void AddToRecentFileList(const std::string& path);

// The list that receives the paths (the program's profile store); an empty
// function disconnects it.
void SetRecentFileSink(std::function<void(const std::string&)> sink);
