#include "terrain/airspace_regions_doc.h"

#include "core/archive.h"

namespace {
// Smallest stored region: version, two empty strings, two int32, four
// doubles and the count.
constexpr uint64_t kMinRegionBytes = 2 + 1 + 1 + 4 + 4 + 4 * 8 + 2;
}  // namespace

void CAirspaceRegionsDoc::Serialize(CArchive& ar, int fileVersion) {
    if (ar.IsStoring()) {
        ar.WriteI16(m_nSelected);
        ar.WriteI16(static_cast<int16_t>(m_Regions.size()));
        for (const auto& r : m_Regions) {
            ar.WriteI16(static_cast<int16_t>(fileVersion));
            ar.WriteString(r.m_strName);
            ar.WriteString(r.m_strFile);
            ar.WriteI32(r.m_bActive);
            ar.WriteI32(r.m_bDateLine);
            ar.WriteDouble(r.m_dWest);
            ar.WriteDouble(r.m_dEast);
            ar.WriteDouble(r.m_dNorth);
            ar.WriteDouble(r.m_dSouth);
            ar.WriteI16(r.m_nCount);
        }
        return;
    }
    m_Regions.clear();
    m_nSelected = ar.ReadI16();
    const int16_t count = ar.ReadI16();
    ar.CheckCount(count, kMinRegionBytes, "airspace region count");
    for (int i = 0; i < count; ++i) {
        if (ar.ReadI16() != fileVersion) break;
        CAirspaceRegion r;
        r.m_strName = ar.ReadString();
        r.m_strFile = ar.ReadString();
        r.m_bActive = ar.ReadI32();
        r.m_bDateLine = ar.ReadI32();
        r.m_dWest = ar.ReadDouble();
        r.m_dEast = ar.ReadDouble();
        r.m_dNorth = ar.ReadDouble();
        r.m_dSouth = ar.ReadDouble();
        r.m_nCount = ar.ReadI16();
        m_Regions.push_back(std::move(r));
    }
    if (m_nSelected < -1 || m_nSelected >= static_cast<int>(m_Regions.size())) m_nSelected = -1;
}
