#include "platform/encoding.h"

#include <algorithm>
#include <array>

#include "platform/codepage_tables.inc"

namespace {

const char16_t* upperHalf(CodePage cp) {
    return cp == CodePage::Cp850 ? kCp850Upper : kCp1252Upper;
}

// Reverse lookup from code point to byte, built once per code page.
struct ReverseTable {
    std::array<std::pair<char16_t, unsigned char>, 128> entries{};
    explicit ReverseTable(const char16_t* upper) {
        for (int i = 0; i < 128; ++i) entries[i] = {upper[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
    }
    int find(char32_t cp) const {
        auto it = std::lower_bound(entries.begin(), entries.end(), std::pair<char16_t, unsigned char>{
                                       static_cast<char16_t>(cp), 0});
        if (it != entries.end() && it->first == cp) return it->second;
        return -1;
    }
};

const ReverseTable& reverse(CodePage cp) {
    static const ReverseTable r1252(kCp1252Upper);
    static const ReverseTable r850(kCp850Upper);
    return cp == CodePage::Cp850 ? r850 : r1252;
}

int encodeOne(char32_t c, CodePage cp) {
    if (c < 0x80) return static_cast<int>(c);
    if (c > 0xFFFF) return -1;
    return reverse(cp).find(c);
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char32_t nextCodePoint(std::string_view s, size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static const char32_t minimum[4] = {0, 0x80, 0x800, 0x10000};
    if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += extra + 1;
    return c;
}

std::string toUtf8(std::string_view bytes, CodePage cp) {
    const char16_t* upper = upperHalf(cp);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? b : upper[b - 0x80]);
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, CodePage cp, bool* lossy) {
    std::string out;
    out.reserve(utf8.size());
    bool lost = false;
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, pos);
        const int b = encodeOne(c, cp);
        if (b < 0) {
            out.push_back('?');
            lost = true;
        } else {
            out.push_back(static_cast<char>(b));
        }
    }
    if (lossy) *lossy = lost;
    return out;
}

std::string utf16leToUtf8(std::string_view bytes, CodePage cp) {
    std::string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t lo =
                static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, encodeOne(c, cp) < 0 ? U'?' : c);
    }
    return out;
}

size_t utf8Length(std::string_view s) {
    size_t n = 0;
    for (size_t pos = 0; pos < s.size(); ++n) nextCodePoint(s, pos);
    return n;
}

std::string utf8PadLeft(const std::string& utf8, size_t width) {
    const size_t length = utf8Length(utf8);
    return length >= width ? utf8 : std::string(width - length, ' ') + utf8;
}

std::string utf8PadRight(const std::string& utf8, size_t width) {
    const size_t length = utf8Length(utf8);
    return length >= width ? utf8 : utf8 + std::string(width - length, ' ');
}

std::string utf8Left(std::string_view s, size_t n) {
    size_t pos = 0;
    for (size_t i = 0; i < n && pos < s.size(); ++i) nextCodePoint(s, pos);
    return std::string(s.substr(0, pos));
}

char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

static char32_t upperCase(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

int compareNoCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldCase(nextCodePoint(a, i));
        const char32_t cb = foldCase(nextCodePoint(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool equalsNoCase(std::string_view a, std::string_view b) { return compareNoCase(a, b) == 0; }

std::string toUpperUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t pos = 0; pos < s.size();) appendUtf8(out, upperCase(nextCodePoint(s, pos)));
    return out;
}
