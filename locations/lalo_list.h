#pragma once
// The position list of the name index: one entry per location with a
// position, sorted by latitude and then longitude, and the search for the
// locations inside a latitude/longitude box.
//
// The search hands out its hits region by region: it picks the first region
// with a hit that it has not served yet, serves every hit of that region in
// list order, and starts over for the next region. A caller that has to load
// a region for its hits therefore loads each region once per search.

#include <cstdint>
#include <vector>

#include "core/latlon.h"

#pragma pack(push, 2)
struct LaLoEntry {
    float lat;       // degrees
    float lon;       // degrees
    int16_t type;    // location type code
    int16_t pos;     // place in its type's list in the region
    int16_t region;  // position of the region in the region list
};
#pragma pack(pop)
static_assert(sizeof(LaLoEntry) == 14);

class CLaLoList {
public:
    // Drops all entries and makes room for `capacity` entries. False when the
    // memory is not there.
    bool MakeRoom(int capacity);
    void Discard();
    // The region whose locations are being registered; -1 registers nothing.
    void SetCurrentRegion(int region) { m_nRegion = region; }
    // Adds a location unless its latitude or longitude is the no-position
    // value. A full list shows "LaLoList-Array limit reached" and skips it.
    void Register(double lat, double lon, int type, int pos);
    // Sorts by latitude, then longitude.
    void Sort();

    int Count() const { return static_cast<int>(m_Entries.size()); }
    const LaLoEntry& At(int index) const { return m_Entries[index]; }

    // Starts a search in `box` over regions 0..regionCount-1. True when at
    // least one entry lies inside.
    bool StartSearch(const LatLonBox& box, int regionCount);
    // The next hit, or nullptr when the search is exhausted.
    const LaLoEntry* NextHit();

private:
    bool Inside(const LaLoEntry& e) const;

    std::vector<LaLoEntry> m_Entries;
    size_t m_nCapacity = 0;
    int m_nRegion = -1;

    // The running search.
    LatLonBox m_Box;
    int m_nFirst = 0;
    int m_nLast = -1;
    int m_nNext = 0;
    int m_nChosen = -1;
    int m_nChosenAt = 0;  // the entry that chose the region being served
    bool m_bServing = false;
    std::vector<bool> m_Visited;
};
