#pragma once
// The list of airspace regions (pairs of .spa/.seg files) with their boxes,
// stored in the settings file.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/document.h"

class CArchive;

struct CAirspaceRegion {
    std::string m_strName;  // file name without ".spa"
    std::string m_strFile;  // full path of the ".spa" file as stored
    int32_t m_bActive = 1;
    int32_t m_bDateLine = 0;
    double m_dWest = 0;
    double m_dEast = 0;
    double m_dNorth = 0;
    double m_dSouth = 0;
    int16_t m_nCount = 0;
};

class CAirspaceRegionsDoc : public CDocument {
public:
    std::vector<CAirspaceRegion> m_Regions;
    int16_t m_nSelected = -1;

    // int16 selected index, int16 count, then per region: int16 version,
    // name, file, active, date line, west, east, north, south, count.
    // A region of another version than the file's ends the list: the regions
    // before it are kept and nothing more is read.
    void Serialize(CArchive& ar, int fileVersion);
};
