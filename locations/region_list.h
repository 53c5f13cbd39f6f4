#pragma once
// The list of location regions (the *.krd files of the program directory)
// with their record counts and active flags, kept in ascending order of name
// without regard to case. Stored in the settings file.

#include <cstdint>
#include <string>
#include <vector>

class CArchive;

struct RegionEntry {
    std::string name;     // file name without ".krd"
    int16_t count = -1;   // locations in the file; -1 until the file was found
    bool active = false;
};

class CRegionList {
public:
    const std::vector<RegionEntry>& Entries() const { return m_Entries; }
    std::vector<RegionEntry>& Entries() { return m_Entries; }
    int Size() const { return static_cast<int>(m_Entries.size()); }

    // The entry's position, or -1.
    int Find(const std::string& name) const;
    // Inserts at the sorted place (or returns the existing entry's position).
    int Insert(const RegionEntry& entry);
    void Clear() { m_Entries.clear(); }

    // int16 count, then per entry the name with ".krd" as fixed text of 32
    // bytes and the active flag as int16. On reading, the name is cut at its
    // last ".", the count starts at -1 and each entry goes to its sorted place.
    void Serialize(CArchive& ar);

private:
    std::vector<RegionEntry> m_Entries;
};
