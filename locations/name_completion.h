#pragma once
// Candidates for a location name while it is typed: the entries of the name
// index that equal the text (without regard to case) come first, then the
// entries that start with it, each group in the order of the index.

#include <cstddef>
#include <string>
#include <vector>

class CNameList;

// Positions in `names` of at most `limit` candidates for `text`; empty for
// an empty text.
std::vector<int> NameCompletions(const CNameList& names, const std::string& text, size_t limit);
