#include "core/app_window_pos.h"

#include <charconv>
#include <cstdint>
#include <vector>

#include "platform/numtext.h"

std::string FormatWindowPos(const WindowPlacement& p) {
    return strFormat("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.minX, p.minY, p.maxX, p.maxY,
                     p.left, p.top, p.right, p.bottom);
}

std::optional<WindowPlacement> ParseWindowPos(const std::string& text) {
    std::vector<long long> values;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string_view field = trimBlanks(std::string_view(text).substr(
            start, comma == std::string::npos ? std::string::npos : comma - start));
        long long v = 0;
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
        if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
        if (v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
        values.push_back(v);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (values.size() != 10) return std::nullopt;
    if (values[0] < 0 || values[1] < 0) return std::nullopt;
    for (size_t i = 2; i < values.size(); ++i)
        if (values[i] > INT32_MAX) return std::nullopt;
    WindowPlacement p;
    p.flags = static_cast<unsigned>(values[0]);
    p.showCmd = static_cast<unsigned>(values[1]);
    int* const fields[] = {&p.minX, &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom};
    for (size_t i = 0; i < 8; ++i) *fields[i] = static_cast<int>(values[i + 2]);
    return p;
}
