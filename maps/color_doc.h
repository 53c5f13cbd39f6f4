#pragma once
// Colours and line widths of the drawn and scanned maps, the fixed colours of
// terrain, figures, conflicts and the profile, and the relief switches.
// Part of them is stored in the settings file.

#include <cstdint>

#include "platform/canvas.h"
#include "platform/document.h"

class CArchive;

class CColorDoc : public CDocument {
public:
    Colour m_crRoute = MakeRgb(255, 0, 255);
    Colour m_crBearing = MakeRgb(255, 0, 0);
    Colour m_crLabel = MakeRgb(255, 255, 0);
    Colour m_crActive = MakeRgb(0, 255, 0);
    Colour m_crFrame = MakeRgb(128, 128, 0);
    Colour m_crPosition = MakeRgb(255, 0, 0);
    Colour m_crTrack = MakeRgb(128, 128, 128);       // not stored
    Colour m_crTerrain = MakeRgb(111, 79, 41);       // not stored
    Colour m_crElevBlock = MakeRgb(141, 99, 56);     // not stored
    Colour m_crFigure = MakeRgb(147, 0, 0);          // not stored
    Colour m_crConflict = MakeRgb(255, 0, 0);        // not stored
    Colour m_crProfileBack = MakeRgb(185, 218, 255); // not stored
    int32_t m_nRouteWidth = 10;
    int32_t m_nScanRouteWidth = 10;
    int32_t m_nBearingWidth = 5;
    int32_t m_nScanBearingWidth = 5;
    int32_t m_nLineWidth = 5;                        // not stored
    Colour m_crLine = MakeRgb(0, 0, 0);              // not stored
    Colour m_crScanRoute = MakeRgb(255, 255, 0);
    Colour m_crScanBearing = MakeRgb(255, 0, 0);
    Colour m_crScanLabel = MakeRgb(255, 255, 0);
    Colour m_crScanActive = MakeRgb(0, 255, 0);
    Colour m_crScanText = MakeRgb(0, 0, 0);          // not stored
    Colour m_crScanPosition = MakeRgb(0, 255, 255);
    int32_t m_bReliefSea = 1;
    int32_t m_bReliefFlight = 1;

    // 17 values of four bytes; the relief switches come flight before sea.
    void Serialize(CArchive& ar);
};
