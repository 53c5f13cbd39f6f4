#pragma once
// The main window's placement as the profile stores it: the entry
// "WindowPos" of the section "Settings", ten numbers
// "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".

#include <optional>
#include <string>

struct WindowPlacement {
    static constexpr unsigned kRestoreToMaximized = 2;  // flags
    static constexpr unsigned kShowNormal = 1;          // show state
    static constexpr unsigned kShowMinimized = 2;
    static constexpr unsigned kShowMaximized = 3;

    unsigned flags = 0;
    unsigned showCmd = kShowNormal;
    int minX = -1, minY = -1;
    int maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0;  // normal rectangle; right and bottom exclusive

    bool Maximized() const { return flags == kRestoreToMaximized || showCmd == kShowMaximized; }
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr const char* kWindowPosSection = "Settings";
inline constexpr const char* kWindowPosEntry = "WindowPos";

std::string FormatWindowPos(const WindowPlacement& placement);
// All ten numbers, separated by commas (blanks around them are allowed);
// anything less or more is no placement.
std::optional<WindowPlacement> ParseWindowPos(const std::string& text);
