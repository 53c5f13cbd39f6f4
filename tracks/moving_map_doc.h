#pragma once
// Moving-map settings, stored in the settings file.

#include <cstdint>

#include "platform/document.h"

class CArchive;

class CMovingMapDoc : public CDocument {
public:
    int32_t m_nSymbol = 1;         // 0 none, 1 aircraft, 2 jet, 3 circle, 4 cross, 5 triangle
    int32_t m_nTrackDisplay = 1;   // 0 off, 1 line, 2 trail
    int32_t m_nSwitchDistance = 5; // mm from a scanned map's edge
    int32_t m_nSource = 0;         // 0 NMEA receiver, 1 current track, 2 current route
    int32_t m_nSimSpeed = 3;       // index into 1, 2, 4, 10, 20, 40

    // The five values as int32, no header.
    void Serialize(CArchive& ar);
};
