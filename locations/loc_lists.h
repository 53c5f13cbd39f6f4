#pragma once
// The locations of one region: eight lists of packed records, one per
// location type in list order (airports, VORs, NDBs, reporting points,
// intersections, free user points, gliding sites, heliports), each kept in
// ascending order of names compared without regard to case.
//
// The location database document holds one; the location editor works on a
// copy and hands it back.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "locations/location.h"
#include "locations/location_types.h"
#include "locations/packed_location.h"

class CLocLists {
public:
    using List = std::vector<PackedLocation>;

    const List& GetList(int listPos) const { return m_Lists[listPos]; }
    List& GetList(int listPos) { return m_Lists[listPos]; }
    void Clear();
    // Records of all lists together.
    int Count() const;
    bool operator==(const CLocLists&) const = default;

    // The record at a list position; an empty location outside the lists.
    CLocation GetAt(int listPos, int index) const;

    // Binary search without regard to case: `index` is where the name is, or
    // where it would be inserted (before equal names). True when present.
    bool Find(int listPos, const std::string& name, int& index) const;
    // The place after the last record whose name is not greater than `name`.
    int PlaceAfter(int listPos, const std::string& name) const;

    // Inserts at the sorted place, after equal names. Returns the index.
    int Insert(const CLocation& loc);
    // Inserts unless the name is already in its type's list. True if added.
    bool AddIfAbsent(const CLocation& loc);
    // Adds a new location as the editor does: refused (-1) when the record
    // just before its place has exactly the same name; otherwise its index.
    int AddNew(const CLocation& loc);
    // Adds an imported location: it replaces the record just before its place
    // when that has exactly the same name, else it is inserted. True when it
    // replaced one.
    bool AddOrReplace(const CLocation& loc);

    enum class Change { Unchanged, Changed, DuplicateName };
    // Stores `loc` over the record at `index` of its type's list. Equal data
    // changes nothing. A new name that another record of the list already
    // has (without regard to case) is refused. A renamed record moves to its
    // sorted place; `newIndex` receives where it stands.
    Change ChangeAt(int index, const CLocation& loc, int& newIndex);
    void RemoveAt(int listPos, int index);

    // Puts every list in name order (records with equal names keep their
    // order). True when a list was out of order.
    bool SortLists();
    // Visits every record in name order across the lists; on equal names the
    // list that comes first in list order goes first.
    void ForEachInNameOrder(const std::function<void(int listPos, const PackedLocation&)>& visit) const;
    // Takes over the free user points, intersections, gliding sites and
    // heliports of `other`: a record with an equal name is overwritten,
    // others are inserted. Returns the number of records taken over.
    int MergeUserLists(const CLocLists& other);
    // The widest name of a list, measured by `width`.
    int LongestNameWidth(int listPos, const std::function<int(const std::string&)>& width) const;

private:
    std::array<List, kLocationTypeCount> m_Lists;
};
