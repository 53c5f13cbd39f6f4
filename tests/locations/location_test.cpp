#include "locations/location.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/archive.h"
#include "locations/location_types.h"
#include "platform/numtext.h"
#include "support/temp_dir.h"

namespace {

CLocation airport() {
    CLocation loc;
    loc.SetName("Müritz");
    loc.SetIdent("EDAX");
    loc.SetCountry("ED");
    loc.Set(53.4, 12.77);
    loc.SetElevation(276);
    loc.SetVariation(-3);
    loc.SetFrequency(122.7);
    loc.SetRunwayLength(950);
    loc.SetHeightDifference(4);
    loc.SetDirectionOrRange(9);
    loc.SetFlags(LOC_MIN_1000 | LOC_UNPAVED | LOC_RESERVED_FLAG);
    loc.SetElevationUnit(DIM_FEET);
    loc.SetRangeUnit(DIM_NM);
    loc.SetRunwayUnit(DIM_METER);
    loc.SetSlopeUnit(DIM_METER);
    loc.SetType(WP_AIRPORT);
    return loc;
}

TEST(Location, NewLocationTakesThePreferredUnits) {
    CDimDoc units;
    units.m_nAltitude = DIM_METER;
    units.m_nDistance = DIM_KM;
    units.m_nRunway = DIM_FEET;
    SetDimDoc(&units);
    const CLocation loc;
    SetDimDoc(nullptr);
    EXPECT_EQ(loc.GetElevationUnit(), DIM_METER);
    EXPECT_EQ(loc.GetSlopeUnit(), DIM_METER);
    EXPECT_EQ(loc.GetRangeUnit(), DIM_KM);
    EXPECT_EQ(loc.GetRunwayUnit(), DIM_FEET);
    EXPECT_EQ(loc.GetType(), WP_USER);
    EXPECT_EQ(loc.GetFlags(), 1);
    EXPECT_EQ(loc.RunwayLength(), 1);
    EXPECT_FALSE(loc.GetElevation());
    EXPECT_EQ(loc.GetReservedWord(), -1);
    EXPECT_FALSE(loc.IsValidLocation());
}

TEST(Location, PackedRecordLayoutAndRoundTrip) {
    const CLocation loc = airport();
    const PackedLocation p = loc.ToPacked();
    // Name in code page 850 (ü is 0x81), terminated, zeros after it.
    EXPECT_EQ(hexBytes({p.begin(), p.begin() + 8}), "4D 81 72 69 74 7A 00 00");
    auto i16 = [&](size_t at) { return static_cast<int16_t>(p[at] | (p[at + 1] << 8)); };
    auto i32 = [&](size_t at) { return static_cast<int32_t>(p[at] | (p[at + 1] << 8) | (p[at + 2] << 16) | (p[at + 3] << 24)); };
    double lat = 0;
    std::memcpy(&lat, p.data() + 18, 8);
    EXPECT_EQ(lat, 53.4);
    EXPECT_EQ(i32(34), 276);
    EXPECT_EQ(i16(38), -3);
    EXPECT_EQ(i32(40), 122700);
    EXPECT_EQ(i16(44), 950);
    EXPECT_EQ(i16(46), 4);
    EXPECT_EQ(p[48], 9);
    EXPECT_EQ(p[49], LOC_MIN_1000 | LOC_UNPAVED | LOC_RESERVED_FLAG);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.data() + 50)), "EDAX");
    EXPECT_EQ(i16(56), DIM_FEET);
    EXPECT_EQ(i16(58), DIM_NM);
    EXPECT_EQ(i16(60), DIM_METER);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.data() + 62), 2), "ED");
    EXPECT_EQ(p[64], WP_AIRPORT);
    EXPECT_EQ(i16(66), DIM_METER);
    EXPECT_EQ(i32(68), -1);

    const CLocation back = CLocation::FromPacked(p);
    EXPECT_EQ(back, loc);
    EXPECT_EQ(back.GetName(), "Müritz");
    EXPECT_EQ(back.GetFlags(), loc.GetFlags());  // the reserved bit is kept
    EXPECT_EQ(back.ToPacked(), p);
}

TEST(Location, StoredSlopeUnitMinusOneMeansTheElevationUnit) {
    CLocation loc = airport();
    loc.SetElevationUnit(DIM_METER);
    loc.SetSlopeUnit(-1);
    EXPECT_EQ(CLocation::FromPacked(loc.ToPacked()).GetSlopeUnit(), DIM_METER);
}

TEST(Location, ValueSetters) {
    CLocation loc;
    loc.SetFrequency(121.725f);  // as a dialog hands it over
    EXPECT_EQ(loc.FrequencyCode(), 121725);
    EXPECT_EQ(strFormat("%.3f", *loc.GetFrequency()), "121.725");
    loc.SetFrequency(0);
    EXPECT_EQ(loc.FrequencyCode(), 0);
    EXPECT_FALSE(loc.GetFrequency());

    loc.SetName("Zwanzig Zeichen lang");
    EXPECT_EQ(loc.GetName(), "Zwanzig Zeichen l");
    loc.SetIdent("EDFEXX");
    EXPECT_EQ(loc.GetIdent(), "EDFEX");
    loc.SetCountry("EDX");
    EXPECT_EQ(loc.GetCountry(), "ED");

    loc.SetHeightDifference(NOVALUE_ALTITUDE);
    EXPECT_EQ(loc.HeightDifference(), 0);
    loc.SetDirectionOrRange(-1);
    EXPECT_FALSE(loc.GetDirectionOrRange());
    loc.SetRunwayLength(1);
    EXPECT_FALSE(loc.GetRunwayLength());

    for (int code : {1, 2, 4}) {
        loc.SetMinHeightCode(code);
        EXPECT_EQ(loc.GetMinHeightCode(), code);
    }
    loc.SetFlags(LOC_MIN_500 | LOC_MIN_2000);
    EXPECT_EQ(loc.GetMinHeightCode(), 4);
}

TEST(Location, LandingSitesUseTheDirectionField) {
    CLocation user;
    user.SetType(WP_USER);
    user.SetRunwayLength(1);
    EXPECT_FALSE(user.IsLandingSite());
    user.SetRunwayLength(800);
    EXPECT_TRUE(user.IsLandingSite());
    for (int type : {WP_AIRPORT, WP_SAIL}) {
        CLocation loc;
        loc.SetType(type);
        EXPECT_TRUE(loc.IsLandingSite());
    }
    CLocation heli;
    heli.SetType(WP_HELI);
    EXPECT_FALSE(heli.IsLandingSite());
}

TEST(Location, NavaidRange) {
    CLocation ndb;
    ndb.SetType(WP_NDB);
    ndb.Set(50.0, 8.0);
    double distance = 0;
    EXPECT_TRUE(ndb.IsInRange(CLatLon(50.0 + 59.0 / 60.0, 8.0), distance));
    EXPECT_NEAR(distance, 59.0, 1e-6);
    EXPECT_FALSE(ndb.IsInRange(CLatLon(50.0 + 61.0 / 60.0, 8.0), distance));

    CLocation vor = ndb;
    vor.SetType(WP_VOR);
    vor.SetRangeUnit(DIM_KM);
    vor.SetDirectionOrRange(200);  // 108 NM
    EXPECT_TRUE(vor.IsInRange(CLatLon(51.75, 8.0), distance));
    EXPECT_FALSE(vor.IsInRange(CLatLon(51.85, 8.0), distance));

    CLocation field = ndb;
    field.SetType(WP_AIRPORT);
    EXPECT_FALSE(field.IsInRange(CLatLon(50.0, 8.0), distance));
}

TEST(Location, PatternAltitude) {
    CLocation loc = airport();  // 276 ft, minimum height 1000 ft
    EXPECT_EQ(loc.PatternAltitude(DIM_FEET), 1276);
    EXPECT_EQ(loc.PatternAltitude(DIM_METER), 388);  // 1276 ft = 388.9 m
    loc.SetElevationUnit(DIM_METER);
    loc.SetElevation(100);
    loc.SetFlags(LOC_MIN_500);
    EXPECT_EQ(loc.PatternAltitude(DIM_METER), 252);  // 500 ft = 152.4 m, truncated
    loc.SetFlags(0);
    EXPECT_EQ(loc.PatternAltitude(DIM_METER), 100);
    loc.SetElevation(NOVALUE_ALTITUDE);
    EXPECT_EQ(loc.PatternAltitude(DIM_FEET), NOVALUE_ALTITUDE);
}

TEST(Location, AngleDifference) {
    const struct {
        double a, b, expected;
    } cases[] = {{10, 20, 10}, {350, 10, 20}, {10, 350, -20}, {-10, 10, 20}, {90, 270, 180}, {270, 80, 170}};
    for (const auto& c : cases) EXPECT_EQ(CLocation::AngleDifference(c.a, c.b), c.expected) << c.a << " " << c.b;
}

TEST(Location, MatchTextChoosesTheShownText) {
    CLocation loc = airport();
    EXPECT_TRUE(loc.MatchText("edax"));
    EXPECT_EQ(loc.ShownText(), "EDAX");
    EXPECT_TRUE(loc.MatchText("MÜRITZ"));
    EXPECT_EQ(loc.ShownText(), "Müritz");
    EXPECT_FALSE(loc.MatchText("Mirow"));
}

TEST(Location, EqualityIgnoresRegionShownIdentAndReservedFlag) {
    const CLocation a = airport();
    CLocation b = a;
    b.SetRegion("Germany");
    b.SetFlags(a.GetFlags() ^ (LOC_SHOW_IDENT | LOC_RESERVED_FLAG));
    EXPECT_EQ(a, b);
    const std::function<void(CLocation&)> changes[] = {
        [](CLocation& l) { l.SetName("Mueritz"); },
        [](CLocation& l) { l.Set(53.4, 12.771); },
        [](CLocation& l) { l.SetElevation(277); },
        [](CLocation& l) { l.SetFrequencyCode(122705); },
        [](CLocation& l) { l.SetUnpaved(false); },
        [](CLocation& l) { l.SetCountry("LO"); },
        [](CLocation& l) { l.SetSlopeUnit(DIM_FEET); },
    };
    for (const auto& change : changes) {
        CLocation c = a;
        change(c);
        EXPECT_FALSE(c == a);
    }
}

TEST(Location, RunwayDirectionsAndNames) {
    EXPECT_EQ(RunwayDirectionText(9), "09/27");
    EXPECT_EQ(RunwayDirectionText(0), "18/36");
    EXPECT_EQ(RunwayDirectionText(18), "xx/xx");
    EXPECT_EQ(RunwayListPosToCode(17), 0);
    EXPECT_EQ(RunwayListPosToCode(-1), 18);
    EXPECT_EQ(RunwayCodeToListPos(0), 17);
    EXPECT_EQ(RunwayCodeToListPos(200), 18);
    EXPECT_EQ(CountryName("LO"), "Austria");
    EXPECT_EQ(CountryName("XY"), "XY");
    EXPECT_EQ(TypeToListPos(WP_VOR), 1);
    EXPECT_EQ(ListPosToType(3), WP_REPORT);
    EXPECT_EQ(ParseTypeCodeName("WP_HELI"), WP_HELI);
    EXPECT_EQ(ParseTypeCodeName("wp_heli"), 0);
}

// ---- import check ---------------------------------------------------------------------

struct CheckCase {
    const char* what;
    std::function<void(CLocation&)> change;
    const char* message;  // empty: accepted
};

class ImportCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ImportCheck, FirstFailureGivesItsMessage) {
    CLocation loc = airport();
    GetParam().change(loc);
    const LocationCheck check = loc.CheckForImport();
    EXPECT_EQ(check.ok, std::string(GetParam().message).empty());
    EXPECT_EQ(check.message, GetParam().message);
}

CLocation& asNdb(CLocation& l) {
    l.SetType(WP_NDB);
    l.SetFrequency(400);
    l.SetDirectionOrRange(0);
    return l;
}

INSTANTIATE_TEST_SUITE_P(
    Location, ImportCheck,
    ::testing::Values(
        CheckCase{"valid airport", [](CLocation&) {}, ""},
        CheckCase{"unknown elevation", [](CLocation& l) { l.SetElevation(NOVALUE_ALTITUDE); }, ""},
        CheckCase{"no name", [](CLocation& l) { l.SetName(""); }, "Der Ortsname ist zu lang oder fehlt (Spalte: NAME)"},
        CheckCase{"long name", [](CLocation& l) { l.SetName("Achtzehn Zeichen!!", false); },
                  "Der Ortsname ist zu lang oder fehlt (Spalte: NAME)"},
        CheckCase{"long ident", [](CLocation& l) { l.SetIdent("EDAXX1", false); },
                  "Die Ortskennung ist zu lang (Spalte: IDENT)"},
        CheckCase{"no latitude", [](CLocation& l) { l.m_dLat = 1000.0; }, "Ungültiger Breitengrad (Spalte: LAT)"},
        CheckCase{"longitude", [](CLocation& l) { l.m_dLon = -180.5; }, "Ungültiger Längengrad (Spalte: LON)"},
        CheckCase{"type", [](CLocation& l) { l.SetType(9); }, "Ungültige Angabe zur Kategorie (Spalte: TYPE)"},
        // A value beyond the record's 16 bits must not wrap into the range.
        CheckCase{"wide variation", [](CLocation& l) { l.SetVariation(65536 + 5); }, "Ungültige Variation (Spalte: VAR)"},
        CheckCase{"frequency", [](CLocation& l) { l.SetFrequency(100.0); },
                  "Der Wert 100.00 sollte zwischen 108.00 und 1750.00 liegen!"},
        CheckCase{"elevation unit", [](CLocation& l) { l.SetElevationUnit(DIM_KM); },
                  "Verwenden Sie für die Elevation die Einheit DIM_FEET oder DIM_METER (Spalte: ELEV_IN)"},
        CheckCase{"elevation", [](CLocation& l) { l.SetElevationUnit(DIM_METER), l.SetElevation(3500); },
                  "Der Wert 11482 sollte zwischen -5000 und 10000 liegen!"},
        CheckCase{"runway unit", [](CLocation& l) { l.SetRunwayUnit(DIM_NM); },
                  "Verwenden Sie für die Bahnlänge die Einheit DIM_FEET oder DIM_METER (Spalte: RWYLEN_IN)"},
        CheckCase{"runway length beyond 16 bits", [](CLocation& l) { l.SetRunwayLength(70000); },
                  "Der Wert 70000 sollte zwischen 100 und 5000 liegen!"},
        CheckCase{"short runway in feet", [](CLocation& l) { l.SetRunwayUnit(DIM_FEET), l.SetRunwayLength(300); },
                  "Der Wert 91 sollte zwischen 100 und 5000 liegen!"},
        CheckCase{"no runway direction", [](CLocation& l) { l.SetDirectionOrRange(0); },
                  "Ungültige Angabe zur Ausrichtung der Bahn. (Spalte: RWYDIR)"},
        CheckCase{"direction beyond a byte", [](CLocation& l) { l.SetDirectionOrRange(256 + 9); },
                  "Ungültige Angabe zur Ausrichtung der Bahn. (Spalte: RWYDIR)"},
        CheckCase{"slope unit", [](CLocation& l) { l.SetSlopeUnit(DIM_KM); },
                  "Verwenden Sie für die Neigung Bahn die Höhendifferenz in DIM_FEET oder DIM_METER. "
                  "(Spalte: RWYSLOPE_IN)"},
        CheckCase{"height difference", [](CLocation& l) { l.SetHeightDifference(80); },
                  "Der Wert 262 sollte zwischen -250 und 250 liegen!"},
        CheckCase{"ndb without range", [](CLocation& l) { asNdb(l); }, ""},
        CheckCase{"range unit", [](CLocation& l) { asNdb(l).SetRangeUnit(DIM_METER); },
                  "Verwenden Sie für die Reichweite die Einheit DIM_NM, DIM_KM oder DIM_STM. (Spalte: RANGE_IN)"},
        CheckCase{"range", [](CLocation& l) { asNdb(l).SetDirectionOrRange(300); },
                  "Der Wert 300 sollte zwischen 0 und 255 liegen!"},
        CheckCase{"300 km fit no byte", [](CLocation& l) { asNdb(l).SetRangeUnit(DIM_KM), l.SetDirectionOrRange(300); },
                  "Der Wert 300 sollte zwischen 0 und 255 liegen!"},
        CheckCase{"200 km", [](CLocation& l) { asNdb(l).SetRangeUnit(DIM_KM), l.SetDirectionOrRange(200); }, ""}),
    [](const ::testing::TestParamInfo<CheckCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

}  // namespace
