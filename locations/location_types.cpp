#include "locations/location_types.h"

#include <array>
#include <cstring>

#include "locations/location.h"
#include "platform/numtext.h"

namespace {

struct TypeInfo {
    const char* codeName;
    const char* displayName;
    int listPos;
    const char* letter;
    const char* word;
};

// Indexed by type code - 1.
constexpr std::array<TypeInfo, kLocationTypeCount> kTypes = {{
    {"WP_AIRPORT", "Flugplatz", 0, "A", "Flugplatz"},
    {"WP_REPORT", "Meldepunkt", 3, "R", "Meldepunkt"},
    {"WP_INTERSECTION", "Kreuzung", 4, "I", "Kreuzung"},
    {"WP_NDB", "NDB", 2, "N", "NDB"},
    {"WP_VOR", "VOR", 1, "V", "VOR"},
    {"WP_USER", "Frei", 5, "U", "Benutzerwegpunkt"},
    {"WP_SAIL", "Segelflugplatz", 6, "", ""},
    {"WP_HELI", "Heli-Port", 7, "", ""},
}};

// Types by list position.
constexpr std::array<int, kLocationTypeCount> kListTypes = {WP_AIRPORT, WP_VOR,  WP_NDB,  WP_REPORT,
                                                           WP_INTERSECTION, WP_USER, WP_SAIL, WP_HELI};

const TypeInfo* info(int type) { return IsKnownType(type) ? &kTypes[type - 1] : nullptr; }

struct Country {
    const char* prefix;
    const char* name;
};

constexpr Country kCountries[] = {
    {"LD", "Croatia"},     {"LJ", "Slovenia"},       {"LQ", "Bosnien-Herzegovina"},
    {"LW", "Macedonia"},   {"LY", "Yugoslavia"},     {"LO", "Austria"},
    {"EB", "Belgium"},     {"EH", "Netherlands"},    {"EL", "Luxembourg"},
    {"LK", "Czech Republic"}, {"LZ", "Slovakia"},    {"EK", "Denmark"},
    {"EF", "Finland"},     {"LF", "France"},         {"ED", "Germany"},
    {"LG", "Greece"},      {"LH", "Hungary"},        {"EI", "Ireland"},
    {"LI", "Italy"},       {"LM", "Malta"},          {"EN", "Norway"},
    {"EP", "Poland"},      {"LP", "Portugal"},       {"LE", "Spain"},
    {"GC", "Gran Canaria"}, {"GE", "Melilla"},       {"ES", "Sweden"},
    {"LS", "Switzerland"}, {"EG", "United Kingdom"},
};

}  // namespace

bool IsKnownType(int type) { return type >= 1 && type <= kLocationTypeCount; }

int TypeToListPos(int type) {
    const TypeInfo* t = info(type);
    return t ? t->listPos : kTypes[WP_USER - 1].listPos;
}

int ListPosToType(int listPos) {
    return listPos >= 0 && listPos < kLocationTypeCount ? kListTypes[listPos] : WP_USER;
}

const char* TypeCodeName(int type) {
    const TypeInfo* t = info(type);
    return t ? t->codeName : "";
}

int ParseTypeCodeName(const std::string& text) {
    for (int type = 1; type <= kLocationTypeCount; ++type) {
        if (text == kTypes[type - 1].codeName) return type;
    }
    return 0;
}

const char* TypeDisplayName(int type) {
    const TypeInfo* t = info(type);
    return t ? t->displayName : "";
}

const char* TypeLetter(int type) {
    const TypeInfo* t = info(type);
    return t ? t->letter : "";
}

const char* TypeWord(int type) {
    const TypeInfo* t = info(type);
    return t ? t->word : "";
}

std::string RunwayDirectionText(int code) {
    if (code == 0) return "18/36";
    if (code >= 1 && code <= 17) return strFormat("%02d/%02d", code, code + 18);
    return "xx/xx";
}

int RunwayListPosToCode(int listPos) {
    if (listPos >= 0 && listPos < 17) return listPos + 1;
    if (listPos == 17) return 0;
    return kUnknownRunwayDirection;
}

int RunwayCodeToListPos(int code) {
    if (code >= 1 && code <= 17) return code - 1;
    if (code == 0) return 17;
    return 18;
}

std::string CountryName(const std::string& prefix) {
    for (const auto& c : kCountries) {
        if (prefix == c.prefix) return c.name;
    }
    return prefix;
}
