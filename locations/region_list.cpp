#include "locations/region_list.h"

#include <algorithm>

#include "core/archive.h"
#include "platform/encoding.h"

int CRegionList::Find(const std::string& name) const {
    for (size_t i = 0; i < m_Entries.size(); ++i) {
        if (equalsNoCase(m_Entries[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

int CRegionList::Insert(const RegionEntry& entry) {
    auto it = std::lower_bound(m_Entries.begin(), m_Entries.end(), entry.name,
                               [](const RegionEntry& e, const std::string& n) { return compareNoCase(e.name, n) < 0; });
    if (it != m_Entries.end() && equalsNoCase(it->name, entry.name)) return static_cast<int>(it - m_Entries.begin());
    it = m_Entries.insert(it, entry);
    return static_cast<int>(it - m_Entries.begin());
}

void CRegionList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteI16(static_cast<int16_t>(m_Entries.size()));
        for (const auto& e : m_Entries) {
            ar.WriteFixedText(e.name + ".krd", 32);
            ar.WriteI16(e.active ? 1 : 0);
        }
        return;
    }
    m_Entries.clear();
    const int16_t count = ar.ReadI16();
    ar.CheckCount(count, 34, "region count");
    for (int i = 0; i < count; ++i) {
        RegionEntry e;
        e.name = ar.ReadFixedText(32);
        const size_t dot = e.name.rfind('.');
        if (dot != std::string::npos) e.name.resize(dot);
        e.active = ar.ReadI16() != 0;
        Insert(e);
    }
}
