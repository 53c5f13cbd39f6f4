#include "locations/name_completion.h"

#include <string_view>

#include "locations/name_key.h"
#include "locations/name_list.h"

std::vector<int> NameCompletions(const CNameList& names, const std::string& text, size_t limit) {
    std::vector<int> out;
    if (text.empty() || limit == 0 || names.Count() == 0) return out;

    // Entries equal to the text.
    int exactFirst = 0;
    int exactLast = -1;
    if (!names.Range(text, exactFirst, exactLast)) exactLast = -1;
    for (int i = exactFirst; i <= exactLast && out.size() < limit; ++i) out.push_back(i);

    // One entry that starts with the text, then its neighbours that do too.
    std::string completed = text;
    const std::string key = NameKey(text);
    const size_t n = key.size();
    int first = 0;
    int last = 0;
    if (!names.Complete(completed, static_cast<int>(n)) || !names.Range(completed, first, last)) return out;
    auto startsWithText = [&](int i) {
        const std::string_view entry(names.At(i).text);
        return entry.size() >= n && CompareNameKeyPrefix(key, entry, n) == 0;
    };
    while (first > 0 && startsWithText(first - 1)) --first;
    while (last + 1 < names.Count() && startsWithText(last + 1)) ++last;
    for (int i = first; i <= last && out.size() < limit; ++i) {
        if (i >= exactFirst && i <= exactLast) continue;
        out.push_back(i);
    }
    return out;
}
