#pragma once
// The program's German texts, keyed by their string numbers. Texts are UTF-8.

#include <string>

// The text of a string number; an empty text when the number is unknown.
const char* LoadStr(int id);
// The text of a string number used as a printf format (C locale).
std::string FormatStr(int id, ...);
