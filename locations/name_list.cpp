#include "locations/name_list.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "locations/location.h"
#include "locations/name_key.h"
#include "platform/prompt.h"

namespace {

std::string_view textOf(const NameEntry& e) { return std::string_view(e.text, strnlen(e.text, sizeof e.text)); }

}  // namespace

bool CNameList::MakeRoom(int capacity) {
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

void CNameList::Discard() {
    std::vector<NameEntry>().swap(m_Entries);
    m_nCapacity = 0;
}

bool CNameList::Add(const std::string& key, int type, int pos) {
    if (m_Entries.size() >= m_nCapacity) {
        thePrompt().Message("NameList-Array limit reached");
        return false;
    }
    NameEntry e{};
    std::memcpy(e.text, key.data(), std::min(key.size(), sizeof e.text - 1));
    e.type = static_cast<int16_t>(type);
    e.pos = static_cast<int16_t>(pos);
    e.region = static_cast<int16_t>(m_nRegion);
    m_Entries.push_back(e);
    return true;
}

void CNameList::Register(const CLocation& loc, int pos) {
    if (m_nRegion < 0 || pos < 0 || pos > INT16_MAX) return;
    const std::string name = NameKey(loc.GetName()).substr(0, CLocation::kNameChars);
    Add(name, loc.GetType(), pos);
    const std::string ident = NameKey(loc.GetIdent()).substr(0, CLocation::kIdentChars);
    if (!ident.empty() && CompareNameKeys(ident, name) != 0) Add(ident, loc.GetType(), pos);
}

void CNameList::Sort() {
    if (m_Entries.size() < 2) return;
    std::stable_sort(m_Entries.begin(), m_Entries.end(), [](const NameEntry& a, const NameEntry& b) {
        return CompareNameKeys(textOf(a), textOf(b)) < 0;
    });
}

std::string CNameList::Text(int index) const { return NameKeyText(textOf(m_Entries[index])); }

// Halves the range until it stands still: lo moves up on every entry not
// greater than the text, so the search ends on the last entry that is not
// greater, and it found the text when that one compared equal.
template <typename Compare>
bool CNameList::Search(const Compare& compare, int& index) const {
    index = 0;
    if (m_Entries.empty()) return false;
    int lo = 0;
    int hi = Count();
    int mid = hi / 2;
    int previous = 0;
    int c = 0;
    do {
        c = compare(m_Entries[mid]);
        if (c < 0) {
            hi = mid;
        } else {
            lo = mid;
        }
        previous = mid;
        mid = (lo + hi) / 2;
    } while (mid != previous);
    index = mid;
    return c == 0;
}

bool CNameList::Find(const std::string& text, bool exactCase, int& index) const {
    const std::string key = NameKey(text);
    const bool found = Search([&](const NameEntry& e) { return CompareNameKeys(key, textOf(e)); }, index);
    if (!found || !exactCase) return found;
    // The list is ordered without regard to case: look through the run of
    // entries that are equal that way for one that matches exactly.
    int first = 0;
    int last = 0;
    Range(text, first, last);
    for (int i = first; i <= last; ++i) {
        if (textOf(m_Entries[i]) == key) {
            index = i;
            return true;
        }
    }
    return false;
}

bool CNameList::Range(const std::string& text, int& first, int& last) const {
    int index = 0;
    if (!Find(text, false, index)) return false;
    const std::string_view key = textOf(m_Entries[index]);
    first = last = index;
    while (first > 0 && CompareNameKeys(textOf(m_Entries[first - 1]), key) == 0) --first;
    while (last + 1 < Count() && CompareNameKeys(textOf(m_Entries[last + 1]), key) == 0) ++last;
    return true;
}

bool CNameList::AmbiguousPrefix(int length, int index, int& first, int& last) const {
    first = last = index;
    if (index < 0 || index >= Count() || length <= 0) return false;
    const std::string_view entry = textOf(m_Entries[index]);
    size_t n = std::min(static_cast<size_t>(length), entry.size());
    if (n > 1 && entry[n - 1] == '.') --n;
    const std::string_view prefix = entry.substr(0, n);
    auto startsWithPrefix = [&](int i) {
        const std::string_view t = textOf(m_Entries[i]);
        return t.size() >= n && CompareNameKeys(t.substr(0, n), prefix) == 0;
    };
    while (first > 0 && startsWithPrefix(first - 1)) --first;
    while (last + 1 < Count() && startsWithPrefix(last + 1)) ++last;
    return last > first;
}

bool CNameList::Complete(std::string& text, int length) const {
    if (length <= 0) return false;
    const std::string key = NameKey(text);
    const size_t n = static_cast<size_t>(length);
    int index = 0;
    if (!Search([&](const NameEntry& e) { return CompareNameKeyPrefix(key, textOf(e), n); }, index)) return false;
    text = Text(index);
    return true;
}
