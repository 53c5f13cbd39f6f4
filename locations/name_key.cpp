#include "locations/name_key.h"

#include <array>
#include <cstring>

#include "platform/encoding.h"

namespace {

// Each byte's code point, folded as compareNoCase folds it.
const std::array<char32_t, 256>& foldTable() {
    static const std::array<char32_t, 256> table = [] {
        std::array<char32_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const std::string utf8 = toUtf8(std::string_view(&byte, 1), CodePage::Cp850);
            size_t pos = 0;
            t[b] = foldCase(nextCodePoint(utf8, pos));
        }
        return t;
    }();
    return table;
}

}  // namespace

std::string NameKey(std::string_view utf8) { return fromUtf8(utf8, CodePage::Cp850); }

std::string NameKeyText(std::string_view key) { return toUtf8(key, CodePage::Cp850); }

std::string_view PackedName(const PackedLocation& packed) {
    const char* p = reinterpret_cast<const char*>(packed.data());
    return std::string_view(p, strnlen(p, 18));
}

int CompareNameKeys(std::string_view a, std::string_view b) {
    const auto& fold = foldTable();
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const char32_t ca = fold[static_cast<unsigned char>(a[i])];
        const char32_t cb = fold[static_cast<unsigned char>(b[i])];
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareNameKeyPrefix(std::string_view a, std::string_view b, size_t n) {
    return CompareNameKeys(a.substr(0, n), b.substr(0, n));
}
