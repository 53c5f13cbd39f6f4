#pragma once
// The name index over the active regions. It owns the region list, which the
// settings file stores.

#include "locations/region_list.h"
#include "platform/document.h"

class CArchive;

class CQuickFind : public CDocument {
public:
    CRegionList& Regions() { return m_Regions; }
    const CRegionList& Regions() const { return m_Regions; }

    // The region list record of the settings file.
    void Serialize(CArchive& ar) { m_Regions.Serialize(ar); }

private:
    CRegionList m_Regions;
};
