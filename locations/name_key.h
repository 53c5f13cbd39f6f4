#pragma once
// Location names as the database keeps and orders them: the code-page-850
// bytes of the record's name field, compared without regard to case in the
// same way as compareNoCase compares the UTF-8 texts.

#include <string>
#include <string_view>

#include "locations/packed_location.h"

// The code-page-850 bytes of a UTF-8 name.
std::string NameKey(std::string_view utf8);
// The UTF-8 text of code-page-850 bytes.
std::string NameKeyText(std::string_view key);
// The name bytes of a packed record (up to the terminator).
std::string_view PackedName(const PackedLocation& packed);

// <0, 0, >0 without regard to case.
int CompareNameKeys(std::string_view a, std::string_view b);
// The same over at most the first `n` characters of each.
int CompareNameKeyPrefix(std::string_view a, std::string_view b, size_t n);
