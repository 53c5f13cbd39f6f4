#include "core/position_text.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

bool isBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int toInt(double v) {
    return static_cast<int>(clampTo<int32_t>(truncateToLong(v)));
}

std::string writeCoordinate(double value, int positionFormat, char positive, char negative) {
    if (value == NOVALUE_POSITION || !std::isfinite(value)) return {};
    const char letter = value < 0 ? negative : positive;
    const double v = std::fabs(value);
    int degrees = toInt(v);
    if (positionFormat == 1) {
        double minutes = (v - degrees) * 60.0;
        if (minutes >= 60.0 || strFormat("%.2f", minutes) == "60.00") {
            minutes = 0.0;
            ++degrees;
        }
        return strFormat("%3d %.2f %c", degrees, minutes, letter);
    }
    const double m = (v - degrees) * 60.0;
    int minutes = toInt(m);
    int seconds = toInt(static_cast<double>(truncateToLong((m - minutes) * 60.0 + 0.5)));
    if (seconds >= 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes = 0;
        ++degrees;
    }
    return strFormat("%3d %2d %2d %c", degrees, minutes, seconds, letter);
}

}  // namespace

std::optional<double> ReadPositionText(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return NOVALUE_POSITION;

    bool negative = false;
    if (text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }

    std::vector<std::string> words;
    std::string word;
    auto endWord = [&] {
        if (!word.empty()) words.push_back(word);
        word.clear();
    };
    for (char c : text) {
        if (isBlankChar(c)) {
            endWord();
        } else if (c == 'S' || c == 'W' || c == 's' || c == 'w') {
            negative = true;
            endWord();
        } else {
            word += c == ',' ? '.' : c;
        }
    }
    endWord();

    static constexpr double kScale[] = {1.0, 60.0, 3600.0};
    double sum = 0.0;
    bool anyNumber = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const auto v = leadingDouble(words[i]);
        if (!v) continue;
        if (!std::isfinite(*v)) return std::nullopt;
        anyNumber = true;
        if (i < 3) sum += *v / kScale[i];
    }
    if (!anyNumber) return std::nullopt;
    return negative ? -sum : sum;
}

std::string WriteLatitudeText(double lat, int positionFormat) {
    return writeCoordinate(lat, positionFormat, 'N', 'S');
}

std::string WriteLatitudeText(double lat) {
    return WriteLatitudeText(lat, theDimDoc()->m_nPositionFormat);
}

std::string WriteLongitudeText(double lon, int positionFormat) {
    return writeCoordinate(lon, positionFormat, 'E', 'W');
}

std::string WriteLongitudeText(double lon) {
    return WriteLongitudeText(lon, theDimDoc()->m_nPositionFormat);
}

std::string WriteVariationText(double variation) {
    if (variation == NOVALUE_POSITION || !std::isfinite(variation)) return {};
    return strFormat("%3d %c", toInt(std::fabs(variation)), variation >= 0 ? 'E' : 'W');
}

namespace {

bool inRange(double lat, double lon) {
    return lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0;
}

// Splits at the one separator of a pair of position texts; false when there
// is none or more than one.
bool splitPositionPair(const std::string& text, std::string& first, std::string& second) {
    std::vector<size_t> cuts;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ';' || text[i] == '/') cuts.push_back(i);
    }
    if (cuts.empty()) {
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != ',') continue;
            const bool decimalComma =
                i > 0 && i + 1 < text.size() && isDigit(text[i - 1]) && isDigit(text[i + 1]);
            if (!decimalComma) cuts.push_back(i);
        }
    }
    if (cuts.size() != 1) return false;
    first = text.substr(0, cuts[0]);
    second = text.substr(cuts[0] + 1);
    return true;
}

}  // namespace

bool ParsePositionArgument(const std::string& text, CLatLon& out) {
    // Decimal degrees: exactly one ',' with a plain number on each side.
    const size_t comma = text.find(',');
    if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos) {
        const auto lat = parseDouble(std::string_view(text).substr(0, comma));
        const auto lon = parseDouble(std::string_view(text).substr(comma + 1));
        if (lat && lon) {
            if (!inRange(*lat, *lon)) return false;
            out.Set(*lat, *lon);
            return true;
        }
    }

    std::string first, second;
    if (!splitPositionPair(text, first, second)) return false;
    const auto lat = ReadPositionText(first);
    const auto lon = ReadPositionText(second);
    if (!lat || !lon || *lat == NOVALUE_POSITION || *lon == NOVALUE_POSITION) return false;
    if (!inRange(*lat, *lon)) return false;
    out.Set(*lat, *lon);
    return true;
}
