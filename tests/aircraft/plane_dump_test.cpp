#include "aircraft/plane_dump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "aircraft/plane_file.h"
#include "fixtures.h"

namespace {

std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

TEST(PlaneDump, ListingMarksTheCurrentAircraft) {
    CPlane b = samplePlane("Jodel D112");
    b.m_fCruiseSpeed = 100;
    const auto lines = ListPlanes({samplePlane("Bücker"), b}, 1, DIM_KMH);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 0   Bücker       194 km/h");
    EXPECT_EQ(lines[1], " 1 * Jodel D112   185 km/h");
}

TEST(PlaneDump, FieldLinesReadBackIntoTheSameRecord) {
    CPlane p = samplePlane("Bücker");
    p.m_nLoadArmUnit = DIM_INCH;
    p.m_fSeatArm = {37.5f, 73, 3897, 3897, 3897};
    p.m_fBaggageArm = {95, 3897, 3897, 3897, 3897};
    p.m_nFuelUnit = DIM_USGAL;
    p.m_fClimbFlow = 9.3f;
    p.m_nReservedTakeOff = 1;
    const auto lines = DumpPlane(p);
    EXPECT_EQ(lines[0], "name: Bücker");
    EXPECT_EQ(lines[1], "speed_unit: DIM_NM");
    EXPECT_EQ(lines[7], "climb_fuel_flow: 9.3 US Gall./h");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "seat_arm_3: - Inch"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "landing_roll_max: - m"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "derived.wake_category: L"), lines.end());

    CPlane back;
    ASSERT_EQ(ParsePlaneText(join(lines), back), "");
    EXPECT_EQ(back, p);
}

TEST(PlaneDump, ArmsLeftOutAreNotGivenInTheirUnit) {
    CPlane p;
    ASSERT_EQ(ParsePlaneText("# a comment\n\nname: X\nload_arm_unit: DIM_CM\nseat_arm_1: 95 cm\r\n", p), "");
    EXPECT_EQ(p.m_fSeatArm[0], 95.0f);
    EXPECT_EQ(p.m_fSeatArm[1], 9900.0f);
    EXPECT_EQ(p.m_fTankArm[0], 99.0f);
    EXPECT_EQ(p.m_fEmptyMass, -1.0f);
}

TEST(PlaneDump, BadLinesAreRefusedWithTheirNumber) {
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {
             Case{"name: X\nwingspan: 11 m\n", "Zeile 2: Unbekanntes Feld »wingspan«."},
             Case{"cg_mass_unit: DIM_POUNDS\nempty_mass: 700 kg\n",
                  "Zeile 2: Die Einheit »kg« passt nicht, erwartet wird »lbs«."},
             Case{"name: Cessna 172 Skyhawk\n", "Zeile 1: Der Text ist länger als 11 Zeichen."},
             Case{"cruise_speed: fast kt\n", "Zeile 1: »fast« ist keine Zahl."},
             Case{"cruise_speed: - kt\n", "Zeile 1: Dieser Wert muss angegeben werden."},
             Case{"seat_rows: 40000\n", "Zeile 1: »40000« ist keine passende ganze Zahl."},
             Case{"speed_unit: DIM_KNOTS\n", "Zeile 1: Unbekannte Einheit »DIM_KNOTS«."},
             Case{"name X\n", "Zeile 1: Es fehlt der Doppelpunkt nach dem Namen des Feldes."},
         }) {
        CPlane p;
        EXPECT_EQ(ParsePlaneText(c.text, p), c.message) << c.text;
    }
}

// The demo database is what its text descriptions say, and the descriptions
// give the figures taken from the data set.
TEST(PlaneDump, DemoDatabaseMatchesItsDescriptions) {
    const std::string demo = std::string(NAVORA_SOURCE_DIR) + "/demo/";
    PlaneFileContents contents;
    ASSERT_EQ(ReadPlaneFile(demo + "VXplanes.pln", contents), PlaneReadResult::Ok);
    EXPECT_EQ(contents.format, 3);
    ASSERT_EQ(contents.planes.size(), 3u);
    const char* names[] = {"C172P", "C172P-180", "PA-28"};
    for (size_t i = 0; i < 3; ++i) {
        CPlane described;
        ASSERT_EQ(ParsePlaneText(readText(demo + "src/aircraft/" + names[i] + ".txt"), described), "")
            << names[i];
        EXPECT_EQ(contents.planes[i], described) << names[i];
    }
    const CPlane& c172 = contents.planes[0];
    EXPECT_EQ(c172.GetWakeCategory(), 'L');
    EXPECT_NEAR(c172.GetCgMass(0, DIM_KG), 2400 * 0.45359, 1e-3);
    EXPECT_NEAR(c172.GetEmptyMoment(DIM_METER, DIM_KG), 57300 * 0.0254 * 0.45359, 1e-2);
    EXPECT_NEAR(c172.GetTankUsable(0, DIM_LITER), 20 * 3.7853, 1e-4);
    EXPECT_TRUE(c172.HasSeatArm(1));
    EXPECT_FALSE(c172.HasSeatArm(2));
    // The fuel flows are the marked demo figures.
    EXPECT_NEAR(c172.GetFuelFlowLiters(FlightPhase::Cruise), 8 * 3.7853, 1e-3);
    EXPECT_FALSE(c172.HasNoFuelFlow());
    EXPECT_TRUE(contents.planes[2].HasNoFuelFlow());  // the PA-28 has speeds only
}

}  // namespace
