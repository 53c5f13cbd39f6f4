#pragma once
// Settings of the drawn map: which symbol classes are shown, the cursor
// position for the elevation display, and what the scanned map view draws.

#include <array>
#include <cstdint>

#include "platform/document.h"

class CArchive;

class CMapDoc : public CDocument {
public:
    static constexpr int kFlagCount = 12;

    // Airports, reporting points, intersections, NDBs, VORs, user points,
    // gliding sites, heliports, labels, map frames, maximum elevations,
    // airspace.
    std::array<int32_t, kFlagCount> m_bShow{1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    double m_dCentreLat = 1000.0;  // cursor position; 1000 = none (not stored)
    double m_dCentreLon = 1000.0;
    int32_t m_bShowRoute = 1;      // scanned map view: 1 route, 0 track (not stored)
    int16_t m_nScanCommand = 32882;
    int32_t m_bCannotShow = 0;

    // int32 count (written as 12), then that many int32 flags. On load at
    // most 12 are taken; further stored flags are skipped, missing ones are 0.
    void Serialize(CArchive& ar);
};
