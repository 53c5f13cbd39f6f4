#pragma once
// Text encoding at the file boundary. In memory every text is UTF-8; data
// files hold single-byte code pages. The tables are lossless: every byte maps
// to its own code point, so text read and written again is byte-identical.

#include <string>
#include <string_view>

enum class CodePage {
    Windows1252,  // the ANSI code page of most text fields
    Cp850,        // the DOS code page of location and aircraft names
};

// Decodes single-byte text into UTF-8.
std::string toUtf8(std::string_view bytes, CodePage cp);

// Encodes UTF-8 into single-byte text. A character the code page lacks, or
// a malformed UTF-8 sequence, becomes '?'; `lossy` (when given) tells whether
// that happened.
std::string fromUtf8(std::string_view utf8, CodePage cp, bool* lossy = nullptr);

// Decodes UTF-16LE bytes into UTF-8, keeping only what the given code page can
// hold (other characters become '?'), so that the text can be written again.
std::string utf16leToUtf8(std::string_view bytes, CodePage cp);

// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// Decodes the next code point of a UTF-8 text at `pos` and advances `pos`.
// Malformed input yields U+FFFD and advances by one byte.
char32_t nextCodePoint(std::string_view utf8, size_t& pos);

// Number of code points in a UTF-8 text.
size_t utf8Length(std::string_view utf8);

// The text padded with spaces on the left (right-aligned) or on the right
// (left-aligned) to `width` code points; longer texts stay as they are.
std::string utf8PadLeft(const std::string& utf8, size_t width);
std::string utf8PadRight(const std::string& utf8, size_t width);

// The first `n` code points of a UTF-8 text.
std::string utf8Left(std::string_view utf8, size_t n);

// Case folding for comparisons that ignore case: ASCII letters and the Latin-1
// letters (umlauts) are folded to lower case.
char32_t foldCase(char32_t cp);
int compareNoCase(std::string_view a, std::string_view b);
bool equalsNoCase(std::string_view a, std::string_view b);
std::string toUpperUtf8(std::string_view s);
