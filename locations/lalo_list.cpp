#include "locations/lalo_list.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "platform/prompt.h"

bool CLaLoList::MakeRoom(int capacity) {
    Discard();
    if (capacity <= 0) return true;
    try {
        m_Entries.reserve(static_cast<size_t>(capacity));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    m_nCapacity = static_cast<size_t>(capacity);
    return true;
}

void CLaLoList::Discard() {
    std::vector<LaLoEntry>().swap(m_Entries);
    m_nCapacity = 0;
    m_nLast = -1;
    m_Visited.clear();
}

void CLaLoList::Register(double lat, double lon, int type, int pos) {
    if (m_nRegion < 0 || pos < 0 || pos > INT16_MAX) return;
    // No position, or one a damaged file made up: it lies in no box.
    if (lat == CLatLon::NoValue || lon == CLatLon::NoValue || !std::isfinite(lat) || !std::isfinite(lon)) return;
    if (m_Entries.size() >= m_nCapacity) {
        thePrompt().Message("LaLoList-Array limit reached");
        return;
    }
    m_Entries.push_back({static_cast<float>(lat), static_cast<float>(lon), static_cast<int16_t>(type),
                         static_cast<int16_t>(pos), static_cast<int16_t>(m_nRegion)});
}

void CLaLoList::Sort() {
    if (m_Entries.size() < 2) return;
    std::stable_sort(m_Entries.begin(), m_Entries.end(), [](const LaLoEntry& a, const LaLoEntry& b) {
        return a.lat < b.lat || (a.lat == b.lat && a.lon < b.lon);
    });
}

bool CLaLoList::Inside(const LaLoEntry& e) const {
    double shifted = 0.0;
    return CLatLon::BoxContains(m_Box, e.lat, e.lon, shifted);
}

bool CLaLoList::StartSearch(const LatLonBox& box, int regionCount) {
    m_Box = box;
    m_Visited.clear();
    m_nFirst = 0;
    m_nLast = -1;
    // Entries are sorted by latitude: only those from the box's southern edge
    // to its northern edge can lie inside.
    const auto begin = std::lower_bound(m_Entries.begin(), m_Entries.end(), box.south,
                                        [](const LaLoEntry& e, double south) { return e.lat < south; });
    const auto end = std::upper_bound(m_Entries.begin(), m_Entries.end(), box.north,
                                      [](double north, const LaLoEntry& e) { return north < e.lat; });
    int first = static_cast<int>(begin - m_Entries.begin());
    int last = static_cast<int>(end - m_Entries.begin()) - 1;
    while (first <= last && !Inside(m_Entries[first])) ++first;
    while (last >= first && !Inside(m_Entries[last])) --last;
    if (first > last) return false;
    m_nFirst = first;
    m_nLast = last;
    m_nNext = first;
    m_nChosen = -1;
    m_bServing = false;
    m_Visited.assign(static_cast<size_t>(std::max(regionCount, 0)), false);
    return true;
}

const LaLoEntry* CLaLoList::NextHit() {
    if (m_nLast < 0) return nullptr;
    for (;;) {
        while (m_nNext <= m_nLast) {
            const LaLoEntry& e = m_Entries[m_nNext++];
            if (e.region < 0 || e.region >= static_cast<int>(m_Visited.size()) || !Inside(e)) continue;
            if (!m_bServing && !m_Visited[e.region]) {
                m_Visited[e.region] = true;
                m_nChosen = e.region;
                m_nChosenAt = m_nNext - 1;
                m_bServing = true;
            }
            if (m_bServing && e.region == m_nChosen) return &e;
        }
        if (!m_bServing) break;
        // The chosen region is served: look for the next one. Every entry
        // inside the box before the one that chose it belongs to a region
        // served already, so the look starts after it.
        m_bServing = false;
        m_nNext = m_nChosenAt + 1;
    }
    m_nLast = -1;
    m_Visited.clear();
    return nullptr;
}
