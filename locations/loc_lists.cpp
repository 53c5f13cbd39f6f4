#include "locations/loc_lists.h"

#include <algorithm>

#include "locations/name_key.h"

namespace {

bool nameLess(const PackedLocation& a, const PackedLocation& b) {
    return CompareNameKeys(PackedName(a), PackedName(b)) < 0;
}

}  // namespace

void CLocLists::Clear() {
    for (auto& list : m_Lists) list.clear();
}

int CLocLists::Count() const {
    size_t n = 0;
    for (const auto& list : m_Lists) n += list.size();
    return static_cast<int>(n);
}

CLocation CLocLists::GetAt(int listPos, int index) const {
    if (listPos < 0 || listPos >= kLocationTypeCount || index < 0 ||
        index >= static_cast<int>(m_Lists[listPos].size())) {
        return CLocation();
    }
    return CLocation::FromPacked(m_Lists[listPos][index]);
}

bool CLocLists::Find(int listPos, const std::string& name, int& index) const {
    const List& list = m_Lists[listPos];
    const std::string key = NameKey(name);
    const auto it = std::lower_bound(list.begin(), list.end(), key, [](const PackedLocation& rec, const std::string& k) {
        return CompareNameKeys(PackedName(rec), k) < 0;
    });
    index = static_cast<int>(it - list.begin());
    return it != list.end() && CompareNameKeys(PackedName(*it), key) == 0;
}

int CLocLists::PlaceAfter(int listPos, const std::string& name) const {
    const List& list = m_Lists[listPos];
    const std::string key = NameKey(name);
    const auto it = std::upper_bound(list.begin(), list.end(), key, [](const std::string& k, const PackedLocation& rec) {
        return CompareNameKeys(k, PackedName(rec)) < 0;
    });
    return static_cast<int>(it - list.begin());
}

int CLocLists::Insert(const CLocation& loc) {
    const int listPos = TypeToListPos(loc.GetType());
    const int place = PlaceAfter(listPos, loc.GetName());
    m_Lists[listPos].insert(m_Lists[listPos].begin() + place, loc.ToPacked());
    return place;
}

bool CLocLists::AddIfAbsent(const CLocation& loc) {
    int index = 0;
    const int listPos = TypeToListPos(loc.GetType());
    if (Find(listPos, loc.GetName(), index)) return false;
    m_Lists[listPos].insert(m_Lists[listPos].begin() + index, loc.ToPacked());
    return true;
}

int CLocLists::AddNew(const CLocation& loc) {
    const int listPos = TypeToListPos(loc.GetType());
    const int place = PlaceAfter(listPos, loc.GetName());
    const List& list = m_Lists[listPos];
    if (place > 0 && PackedName(list[place - 1]) == NameKey(loc.GetName())) return -1;
    m_Lists[listPos].insert(m_Lists[listPos].begin() + place, loc.ToPacked());
    return place;
}

bool CLocLists::AddOrReplace(const CLocation& loc) {
    const int listPos = TypeToListPos(loc.GetType());
    const int place = PlaceAfter(listPos, loc.GetName());
    List& list = m_Lists[listPos];
    if (place > 0 && PackedName(list[place - 1]) == NameKey(loc.GetName())) {
        list[place - 1] = loc.ToPacked();
        return true;
    }
    list.insert(list.begin() + place, loc.ToPacked());
    return false;
}

CLocLists::Change CLocLists::ChangeAt(int index, const CLocation& loc, int& newIndex) {
    const int listPos = TypeToListPos(loc.GetType());
    List& list = m_Lists[listPos];
    newIndex = index;
    if (index < 0 || index >= static_cast<int>(list.size())) return Change::Unchanged;
    const CLocation old = CLocation::FromPacked(list[index]);
    if (old == loc) return Change::Unchanged;
    if (loc.GetName() != old.GetName()) {
        int found = 0;
        if (Find(listPos, loc.GetName(), found)) {
            const std::string key = NameKey(loc.GetName());
            for (int i = found; i < static_cast<int>(list.size()) && CompareNameKeys(PackedName(list[i]), key) == 0;
                 ++i) {
                if (i != index) return Change::DuplicateName;
            }
        }
    }
    // Take the record out and put it back at the place its (new) name sorts to.
    list.erase(list.begin() + index);
    newIndex = PlaceAfter(listPos, loc.GetName());
    list.insert(list.begin() + newIndex, loc.ToPacked());
    return Change::Changed;
}

void CLocLists::RemoveAt(int listPos, int index) {
    List& list = m_Lists[listPos];
    if (index >= 0 && index < static_cast<int>(list.size())) list.erase(list.begin() + index);
}

bool CLocLists::SortLists() {
    bool resorted = false;
    for (auto& list : m_Lists) {
        if (std::is_sorted(list.begin(), list.end(), nameLess)) continue;
        std::stable_sort(list.begin(), list.end(), nameLess);
        resorted = true;
    }
    return resorted;
}

void CLocLists::ForEachInNameOrder(const std::function<void(int, const PackedLocation&)>& visit) const {
    std::array<size_t, kLocationTypeCount> next{};
    for (;;) {
        int best = -1;
        for (int l = 0; l < kLocationTypeCount; ++l) {
            if (next[l] >= m_Lists[l].size()) continue;
            if (best < 0 || nameLess(m_Lists[l][next[l]], m_Lists[best][next[best]])) best = l;
        }
        if (best < 0) return;
        visit(best, m_Lists[best][next[best]]);
        ++next[best];
    }
}

int CLocLists::MergeUserLists(const CLocLists& other) {
    int taken = 0;
    for (int type : {WP_USER, WP_INTERSECTION, WP_SAIL, WP_HELI}) {
        const int listPos = TypeToListPos(type);
        List& list = m_Lists[listPos];
        size_t pos = 0;
        for (const PackedLocation& rec : other.m_Lists[listPos]) {
            while (pos < list.size() && nameLess(list[pos], rec)) ++pos;
            if (pos < list.size() && CompareNameKeys(PackedName(list[pos]), PackedName(rec)) == 0) {
                list[pos] = rec;
            } else {
                list.insert(list.begin() + pos, rec);
            }
            ++taken;
        }
    }
    return taken;
}

int CLocLists::LongestNameWidth(int listPos, const std::function<int(const std::string&)>& width) const {
    int widest = 0;
    for (const PackedLocation& rec : m_Lists[listPos]) widest = std::max(widest, width(NameKeyText(PackedName(rec))));
    return widest;
}
