#include "core/position_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/units.h"

namespace {

TEST(PositionText, Reading) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"50 30 S", -50.5},
        {"8,5", 8.5},
        {"50 30 15", 50 + 30 / 60.0 + 15 / 3600.0},
        {"  50   30  ", 50.5},
        {"8 30W", -8.5},
        {"8 30 w", -8.5},
        {"50S30", -50.5},  // the letter ends the word
        {"-8 30", -8.5},   // a leading minus negates the whole value
        {"-8 30 W", -8.5},
        {"- 8 30", -8.5},
        {"50 30 N", 50.5},                     // a trailing N is a word without number: 0 seconds
        {"N 50 30", 50 / 60.0 + 30 / 3600.0},  // every non-empty word counts, the N as 0 degrees
        {"50 30 15 99 S", -(50 + 30 / 60.0 + 15 / 3600.0)},  // a fourth word adds nothing
        {"12,25 30,5", 12.25 + 30.5 / 60},
        {"", NOVALUE_POSITION},
        {"   ", NOVALUE_POSITION},
        {"abc", std::nullopt},  // no number at all is not a position
        {"N", std::nullopt},
        {"S", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto v = ReadPositionText(c.text);
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        ASSERT_EQ(v.has_value(), c.value.has_value());
        if (v) {
            EXPECT_NEAR(*v, *c.value, 1e-12);
        }
    }
}

TEST(PositionText, Writing) {
    struct Case {
        double value;
        bool latitude;
        int format;
        const char* text;
    };
    const Case cases[] = {
        {-8.5, false, 0, "  8 30  0 W"},
        {-8.5, false, 1, "  8 30.00 W"},
        {50.99999, true, 0, " 51  0  0 N"},  // rounded seconds carry up
        {50.99999, true, 1, " 51 0.00 N"},   // so do minutes that print as 60.00
        {50 + 2 / 60.0 + 3 / 3600.0, true, 0, " 50  2  3 N"},
        {50 + 2.5 / 60, true, 1, " 50 2.50 N"},
        {-33.0 - 59.0 / 60 - 59.6 / 3600, true, 0, " 34  0  0 S"},
        {179.99999, false, 1, "180 0.00 E"},
        {0.0, true, 0, "  0  0  0 N"},
        {NOVALUE_POSITION, true, 0, ""},
        {NOVALUE_POSITION, false, 1, ""},
        {NAN, true, 0, ""},
    };
    for (const Case& c : cases) {
        const std::string text =
            c.latitude ? WriteLatitudeText(c.value, c.format) : WriteLongitudeText(c.value, c.format);
        EXPECT_EQ(text, c.text) << c.value << " format " << c.format;
    }

    CDimDoc units;
    SetDimDoc(&units);
    units.m_nPositionFormat = 1;
    EXPECT_EQ(WriteLatitudeText(-8.5), "  8 30.00 S");
    units.m_nPositionFormat = 0;
    EXPECT_EQ(WriteLongitudeText(-8.5), "  8 30  0 W");
    SetDimDoc(nullptr);
}

// A written position reads back to within the resolution of its format.
TEST(PositionText, RoundTrip) {
    for (double v : {-179.99, -50.5083, -8.5, 0.01, 12.3456, 47.99999, 89.9}) {
        for (int format : {0, 1}) {
            const auto back = ReadPositionText(WriteLongitudeText(v, format));
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, v, format == 0 ? 0.5 / 3600 : 0.005 / 60 + 1e-12) << v << " " << format;
        }
    }
}

TEST(PositionText, Variation) {
    EXPECT_EQ(WriteVariationText(2.7), "  2 E");
    EXPECT_EQ(WriteVariationText(-3.2), "  3 W");
    EXPECT_EQ(WriteVariationText(0.0), "  0 E");
    EXPECT_EQ(WriteVariationText(NOVALUE_POSITION), "");
    EXPECT_EQ(*ReadPositionText("  3 W"), -3.0);
    EXPECT_EQ(*ReadPositionText("  2 E"), 2.0);
}

TEST(PositionText, CommandLineArgument) {
    struct Case {
        const char* text;
        bool ok;
        double lat, lon;
    };
    const Case cases[] = {
        {"50.0333,8.5667", true, 50.0333, 8.5667},
        {"-33.9, 18.4", true, -33.9, 18.4},
        {"50,8", true, 50, 8},  // one ',' between two plain numbers: decimal degrees
        {"50 2 N, 8 34 E", true, 50 + 2 / 60.0, 8 + 34 / 60.0},
        {"50 30,5 N; 8 34 W", true, 50 + 30.5 / 60, -(8 + 34 / 60.0)},
        {"33 55 S / 18 25 E", true, -(33 + 55 / 60.0), 18 + 25 / 60.0},
        {"50 30,5 N, 8 34,5 E", true, 50 + 30.5 / 60, 8 + 34.5 / 60},
        {"-90,180", true, -90, 180},
        {"90.5,8", false, 0, 0},
        {"50,180.1", false, 0, 0},
        {"91 0 N, 8 0 E", false, 0, 0},
        {"50.1", false, 0, 0},
        {"", false, 0, 0},
        {"50,8,9", false, 0, 0},
        {"50 N; 8 E; 9", false, 0, 0},
        {"50 N;", false, 0, 0},
        {"abc;def", false, 0, 0},
        {"nan,8", false, 0, 0},
    };
    for (const Case& c : cases) {
        CLatLon p(1.0, 2.0);
        EXPECT_EQ(ParsePositionArgument(c.text, p), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(p.m_dLat, c.lat, 1e-12) << c.text;
            EXPECT_NEAR(p.m_dLon, c.lon, 1e-12) << c.text;
        } else {
            EXPECT_EQ(p, CLatLon(1.0, 2.0)) << c.text;
        }
    }
}

}  // namespace
