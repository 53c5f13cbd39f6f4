#pragma once
// The name list of the name index: one entry per location name and one per
// ident that differs from the name, each pointing at the location's region,
// type and place in its type's list, sorted by text without regard to case.
// Texts are kept as code-page-850 bytes, like the names in the records.

#include <cstdint>
#include <string>
#include <vector>

class CLocation;

struct NameEntry {
    char text[18];   // name (17 characters) or ident (5), NUL-terminated
    int16_t type;    // location type code
    int16_t pos;     // place in its type's list in the region
    int16_t region;  // position of the region in the region list
};
static_assert(sizeof(NameEntry) == 24);

class CNameList {
public:
    // Drops all entries and makes room for `capacity` entries. False when the
    // memory is not there.
    bool MakeRoom(int capacity);
    void Discard();
    // The region whose locations are being registered; -1 registers nothing.
    void SetCurrentRegion(int region) { m_nRegion = region; }
    // Adds the name entry and, when it differs, the ident entry of a location.
    // A full list shows "NameList-Array limit reached" and skips the entry.
    void Register(const CLocation& loc, int pos);
    // Sorts by text without regard to case; entries of equal text keep the
    // order they were registered in.
    void Sort();

    int Count() const { return static_cast<int>(m_Entries.size()); }
    const NameEntry& At(int index) const { return m_Entries[index]; }
    // The entry's text in UTF-8.
    std::string Text(int index) const;

    // Binary search. Without exact case the texts are compared without
    // regard to case; with exact case the entry must match byte for byte
    // (it is looked for among the entries equal without regard to case).
    bool Find(const std::string& text, bool exactCase, int& index) const;
    // Finds the text (without regard to case) and gives the run of equal
    // entries around it.
    bool Range(const std::string& text, int& first, int& last) const;
    // The run of neighbours of entry `index` that start with its first
    // `length` characters (a trailing "." of that prefix is not compared,
    // except in a prefix of one character). True when the run holds more than
    // one entry.
    bool AmbiguousPrefix(int length, int index, int& first, int& last) const;
    // Looks for an entry whose first `length` characters equal those of
    // `text` without regard to case; when found, `text` becomes its full text.
    bool Complete(std::string& text, int length) const;

private:
    bool Add(const std::string& key, int type, int pos);
    // The index the search ends on and whether it compared equal there.
    template <typename Compare>
    bool Search(const Compare& compare, int& index) const;

    std::vector<NameEntry> m_Entries;
    size_t m_nCapacity = 0;
    int m_nRegion = -1;
};
