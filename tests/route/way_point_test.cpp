#include "route/way_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/archive.h"
#include "core/units.h"
#include "way_fixtures.h"

namespace {

WayRecord sampleRecord() {
    WayRecord r;
    r.location = FrankfurtVorRecord();
    r.location.name = "Mörfelden";  // stored in code page 850
    r.way.planned = 4500;
    r.way.unit = DIM_METER;
    r.way.feet = 14764;
    r.way.reserved = 0x01020304;
    r.way.tas = 105;
    r.way.windDir = 270;
    r.way.windSpeed = 15;
    r.way.marks = WPT_AUTOROUTE | WPT_TERRAIN;
    r.way.reservedByte = 0xA5;
    r.way.bearings[0] = {"FFM", 123, 123, 114200};
    r.way.bearings[1] = {"FW", 275, 80, 404000};
    return r;
}

// The 146-byte record, read and written again, is the same record.
TEST(WayPoint, RecordOfTheCurrentVersionRoundTripsByteForByte) {
    const auto bytes = WayRecordBytes(6, sampleRecord());
    ASSERT_EQ(bytes.size(), CWayPoint::kPackedSize);
    CArchive in(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    CWayPoint wp;
    wp.Read(in, 6);

    EXPECT_EQ(wp.GetName(), "Mörfelden");
    EXPECT_EQ(wp.GetPlannedAltitude(), 4500);
    EXPECT_EQ(wp.GetAltitudeUnit(), DIM_METER);
    EXPECT_EQ(wp.GetAltitudeFeet(), 14764);
    EXPECT_EQ(wp.GetTrueAirspeed(), 105);
    EXPECT_EQ(wp.GetWindDirection(), 270);
    EXPECT_EQ(wp.GetWindSpeed(), 15);
    EXPECT_TRUE(wp.HasMark(WPT_TERRAIN));
    EXPECT_FALSE(wp.HasMark(WPT_GREAT_CIRCLE));
    EXPECT_EQ(wp.GetBearing(0).m_strStation, "FFM");
    EXPECT_EQ(wp.GetBearing(0).m_nFrequency, 114200);  // current unit: no conversion
    EXPECT_EQ(wp.GetBearing(1).m_nDistance, 80);

    const PackedWayPoint packed = wp.ToPackedWayPoint();
    EXPECT_EQ(std::vector<unsigned char>(packed.begin(), packed.end()), bytes);
    const PackedWayPoint again = CWayPoint::FromPackedWayPoint(packed).ToPackedWayPoint();
    EXPECT_EQ(again, packed);
}

TEST(WayPoint, NewWayPointTakesThePreferredAltitudeUnit) {
    CDimDoc units;
    units.m_nAltitude = DIM_METER;
    SetDimDoc(&units);
    const CWayPoint wp;
    SetDimDoc(nullptr);
    EXPECT_EQ(wp.GetAltitudeUnit(), DIM_METER);
    EXPECT_EQ(wp.GetAltitudeFeet(), 0);
    EXPECT_EQ(wp.GetMarks(), 0);
    EXPECT_FALSE(wp.GetBearing(0).IsSet());
    EXPECT_FALSE(wp.GetBearing(1).IsSet());
}

// ---- radio bearings ------------------------------------------------------------------------

struct BearingTextCase {
    int32_t frequency;
    int16_t bearing;
    int16_t distance;
    int16_t distanceUnit;
    const char* text;
};

class BearingText : public ::testing::TestWithParam<BearingTextCase> {};

TEST_P(BearingText, ShowsTheBandOfItsFrequency) {
    const BearingTextCase& c = GetParam();
    CDimDoc units;
    units.m_nDistance = c.distanceUnit;
    SetDimDoc(&units);
    CRadioBearing b;
    b.m_strStation = "DKB";
    b.m_nBearing = c.bearing;
    b.m_nDistance = c.distance;
    b.m_nFrequency = c.frequency;
    const std::string text = b.Text();
    SetDimDoc(nullptr);
    EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, BearingText,
    ::testing::Values(BearingTextCase{114200, 123, 123, DIM_NM, "123/12.3NM FROM DKB (114.200 MHz)"},
                      BearingTextCase{108000, 5, 7, DIM_NM, "005/ 0.7NM FROM DKB (108.000 MHz)"},
                      BearingTextCase{117970, 360, 999, DIM_NM, "360/99.9NM FROM DKB (117.970 MHz)"},
                      BearingTextCase{114200, 123, 100, DIM_KM, "123/18.5km FROM DKB (114.200 MHz)"},
                      BearingTextCase{404000, 275, 80, DIM_NM, "275/ 8.0NM FROM DKB ( 404 kHz) QDM: 095"},
                      BearingTextCase{1750000, 180, 80, DIM_NM, "180/ 8.0NM FROM DKB (1750 kHz) QDM: 000"},
                      BearingTextCase{190000, 10, 80, DIM_NM, "010/ 8.0NM FROM DKB ( 190 kHz) QDM: 190"},
                      // Outside both bands (and no frequency): no frequency part.
                      BearingTextCase{107999, 123, 123, DIM_NM, "123/12.3NM FROM DKB"},
                      BearingTextCase{117975, 123, 123, DIM_NM, "123/12.3NM FROM DKB"},
                      BearingTextCase{0, 123, 123, DIM_NM, "123/12.3NM FROM DKB"}));

TEST(RadioBearing, NoStationNoText) { EXPECT_EQ(CRadioBearing().Text(), ""); }

struct FromStationCase {
    double lat, lon;  // waypoint; the station is at 50 N, 8 E
    int variation;
    int bearing;
    int distance;
};

class BearingFromStation : public ::testing::TestWithParam<FromStationCase> {};

TEST_P(BearingFromStation, TakesCourseDistanceAndVariation) {
    const FromStationCase& c = GetParam();
    CLocation station;
    station.SetName("Frankfurt");
    station.SetIdent("FFM");
    station.MatchText("FFM");  // shown by its ident
    station.Set(50.0, 8.0);
    station.SetVariation(c.variation);
    station.SetFrequency(114.2);
    CRadioBearing b;
    ASSERT_TRUE(b.SetFromStation(station, CLatLon(c.lat, c.lon)));
    EXPECT_EQ(b.m_strStation, "FFM");
    EXPECT_EQ(b.m_nFrequency, 114200);
    EXPECT_EQ(b.m_nBearing, c.bearing);
    EXPECT_EQ(b.m_nDistance, c.distance);

    // The station is found back from the waypoint (the bounds of a route use it).
    CLocation waypoint;
    waypoint.Set(c.lat, c.lon);
    waypoint.SetVariation(c.variation);
    CLatLon back;
    ASSERT_TRUE(b.StationPosition(waypoint, back));
    EXPECT_NEAR(back.m_dLat, 50.0, 0.02);
    EXPECT_NEAR(back.m_dLon, 8.0, 0.02);
}

INSTANTIATE_TEST_SUITE_P(
    Courses, BearingFromStation,
    ::testing::Values(FromStationCase{50.0, 9.0, 0, 90, 386},     // 60 cos 50° = 38.57 NM due east
                      FromStationCase{50.0, 9.0, 2, 88, 386},     // east variation is subtracted
                      FromStationCase{50.0, 9.0, -5, 95, 386},    // west variation is added
                      FromStationCase{50.5, 8.0, 3, 357, 300},    // due north, below 0: + 360
                      FromStationCase{49.5, 8.0, -10, 190, 300}));

TEST(RadioBearing, NeedsBothPositions) {
    CLocation station;
    station.SetName("X");
    CRadioBearing b;
    EXPECT_FALSE(b.SetFromStation(station, CLatLon(50.0, 8.0)));
    station.Set(50.0, 8.0);
    EXPECT_FALSE(b.SetFromStation(station, CLatLon()));
    EXPECT_FALSE(b.IsSet());
}

}  // namespace
