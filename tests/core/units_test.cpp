#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/archive.h"
#include "core/unit_fields.h"
#include "platform/scripted_prompt.h"

namespace {

TEST(Units, ConversionFactors) {
    struct Case {
        double (*fn)(double, int, int);
        double value;
        int from, to;
        double expected;
    };
    const Case cases[] = {
        {ConvertLength, 1, DIM_STM, DIM_NM, 1609.0 / 1852.0},
        {ConvertLength, 1000, DIM_FEET, DIM_METER, 304.8},
        {ConvertLength, 99, DIM_METER, DIM_INCH, 3897.6377952755906},
        {ConvertLength, 1, DIM_KM, DIM_CM, 100000},
        {ConvertLength, 3, DIM_YARD, DIM_FEET, 9},
        {ConvertLength, 5, DIM_FL, DIM_METER, 5},      // no length factor: 1
        {ConvertLength, 5, DIM_UNKNOWN, DIM_CM, 500},  // unknown counts as the metre
        {ConvertLength, 7, DIM_FEET, DIM_FEET, 7},
        {ConvertSpeed, 100, DIM_KT, DIM_KMH, 185.2},
        {ConvertSpeed, 1000, DIM_FTPM, DIM_MPS, 5.08},
        {ConvertSpeed, 100, DIM_MPH, DIM_KMH, 160.9},
        {ConvertSpeed, 100, DIM_KT, DIM_FEET, 100},  // foreign code: unchanged
        {ConvertVolume, 10, DIM_USGAL, DIM_LITER, 37.853},
        {ConvertVolume, 4.5459, DIM_LITER, DIM_BRGAL, 1},
        {ConvertVolume, 2, DIM_USQRT, DIM_BRQRT, 1.9 / 1.14},
        {ConvertMass, 100, DIM_POUNDS, DIM_KG, 45.359},
        {ConvertMass, 5, DIM_KG, DIM_LITER, 5},
        {ConvertPressure, 29.92, DIM_INCHHG, DIM_HPA, 29.92 * 33.862211},
        {ConvertPressure, 760, DIM_MMHG, DIM_HPA, 760 * 1.3331579},
        {ConvertTemperature, 20, DIM_C, DIM_F, 68},
        {ConvertTemperature, 68, DIM_F, DIM_C, 20},
        {ConvertTemperature, -40, DIM_C, DIM_F, -40},
        {ConvertTemperature, 15, DIM_C, DIM_UNKNOWN, 15},
        {ConvertFrequency, 118500, DIM_KHZ, DIM_MHZ, 118.5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.fn(c.value, c.from, c.to), c.expected, 1e-9 * std::fabs(c.expected) + 1e-12)
            << c.value << " " << c.from << " -> " << c.to;
    }
}

TEST(Units, ArmMarkerPerUnit) {
    EXPECT_EQ(ArmMarker(DIM_METER), 99.0f);
    EXPECT_EQ(ArmMarker(DIM_CM), 9900.0f);
    EXPECT_EQ(ArmMarker(DIM_INCH), 3897.0f);
    EXPECT_EQ(ArmMarker(DIM_UNKNOWN), 99.0f);
}

TEST(Units, NamesAndCodes) {
    EXPECT_STREQ(UnitName(DIM_FEET), "ft");
    EXPECT_STREQ(UnitName(DIM_USGAL), "US Gall.");
    EXPECT_STREQ(UnitName(DIM_INCHHG), "InHg");
    EXPECT_STREQ(UnitName(DIM_MHZ), "MHz");
    EXPECT_STREQ(UnitName(DIM_YARD), "");
    EXPECT_STREQ(UnitName(0), "");
    EXPECT_STREQ(UnitName(DIM_UNKNOWN), "");
    EXPECT_STREQ(UnitName(29), "");

    int16_t unit = 0;
    EXPECT_TRUE(ParseUnitCode("DIM_FEET", unit));
    EXPECT_EQ(unit, DIM_FEET);
    EXPECT_TRUE(ParseUnitCode("DIM_MHZ", unit));
    EXPECT_EQ(unit, DIM_MHZ);
    for (const char* bad : {"dim_feet", "DIM_FEET ", "", "DIM_NONE", "DIM_UNKNOWN", "FEET"}) {
        EXPECT_FALSE(ParseUnitCode(bad, unit)) << bad;
        EXPECT_EQ(unit, DIM_UNKNOWN);
    }
    for (int code = 1; code <= 28; ++code) {
        ASSERT_TRUE(ParseUnitCode(UnitCodeName(code), unit));
        EXPECT_EQ(unit, code);
    }
}

TEST(Units, SelectorPositions) {
    struct Case {
        int type;
        std::vector<int> units;
    };
    const Case cases[] = {
        {PARAM_ALTITUDE, {DIM_FEET, DIM_METER}},
        {PARAM_DISTANCE, {DIM_NM, DIM_KM, DIM_STM}},
        {PARAM_SPEED, {DIM_KT, DIM_KMH, DIM_MPH}},
        {PARAM_CLIMB, {DIM_FTPM, DIM_MPS}},
        {PARAM_RUNWAY, {DIM_METER, DIM_FEET}},
        {PARAM_MASS, {DIM_KG, DIM_POUNDS}},
        {PARAM_WIND, {DIM_KT, DIM_MPS, DIM_KMH}},
        {PARAM_TEMPERATURE, {DIM_C, DIM_F}},
        {PARAM_PRESSURE, {DIM_HPA, DIM_MMHG, DIM_INCHHG}},
        {PARAM_VOLUME, {DIM_LITER, DIM_USGAL, DIM_BRGAL}},
        {PARAM_ARM, {DIM_METER, DIM_CM, DIM_INCH}},
        {PARAM_FREQUENCY, {DIM_KHZ, DIM_MHZ}},
    };
    for (const Case& c : cases) {
        const auto units = SelectorUnits(c.type);
        EXPECT_EQ(std::vector<int>(units.begin(), units.end()), c.units) << c.type;
        for (size_t i = 0; i < c.units.size(); ++i) {
            EXPECT_EQ(UnitToIndex(c.type, c.units[i]), static_cast<int>(i));
            EXPECT_EQ(IndexToUnit(c.type, static_cast<int>(i)), c.units[i]);
        }
        EXPECT_EQ(IndexToUnit(c.type, -1), DIM_UNKNOWN);
        EXPECT_EQ(IndexToUnit(c.type, static_cast<int>(c.units.size())), DIM_UNKNOWN);
    }
    // The distance preference may be metres, which the selector does not hold.
    EXPECT_EQ(UnitToIndex(PARAM_DISTANCE, DIM_METER), -1);
    EXPECT_TRUE(SelectorUnits(12).empty());
    EXPECT_EQ(IndexToUnit(12, 0), DIM_UNKNOWN);
}

TEST(Units, DerivedUnits) {
    EXPECT_EQ(SpeedUnitFor(DIM_KM), DIM_KMH);
    EXPECT_EQ(SpeedUnitFor(DIM_STM), DIM_MPH);
    EXPECT_EQ(SpeedUnitFor(DIM_NM), DIM_KT);
    EXPECT_EQ(SpeedUnitFor(DIM_METER), DIM_KT);
    EXPECT_EQ(DistanceUnitFor(DIM_KMH), DIM_KM);
    EXPECT_EQ(DistanceUnitFor(DIM_MPH), DIM_STM);
    EXPECT_EQ(DistanceUnitFor(DIM_MPS), DIM_NM);
    EXPECT_EQ(ClimbUnitFor(DIM_METER), DIM_MPS);
    EXPECT_EQ(ClimbUnitFor(DIM_FEET), DIM_FTPM);
    EXPECT_EQ(AltitudeUnitFor(DIM_MPS), DIM_METER);
    EXPECT_EQ(AltitudeUnitFor(DIM_FTPM), DIM_FEET);
}

TEST(Units, CompareLengths) {
    const double m = NOVALUE_ALTITUDE;
    EXPECT_EQ(CompareLengths(1000, DIM_FEET, 304.8, DIM_METER, m), 0);
    EXPECT_EQ(CompareLengths(1001, DIM_FEET, 304.8, DIM_METER, m), 1);
    EXPECT_EQ(CompareLengths(999, DIM_FEET, 304.8, DIM_METER, m), -1);
    EXPECT_EQ(CompareLengths(1, DIM_NM, 1852.000001, DIM_METER, m), 0);
    EXPECT_EQ(CompareLengths(m, DIM_FEET, m, DIM_METER, m), 0);
    EXPECT_EQ(CompareLengths(m, DIM_FEET, 100, DIM_METER, m), -1);
    EXPECT_EQ(CompareLengths(100, DIM_FEET, m, DIM_METER, m), 1);
}

TEST(Units, SplitMinutes) {
    struct Case {
        double minutes;
        int h, m, s;
    };
    const Case cases[] = {
        {60, 1, 0, 0},       {90.5, 1, 30, 30}, {0, 0, 0, 0},         {59.999, 1, 0, 0},
        {119.9999, 2, 0, 0}, {5.25, 0, 5, 15},  {1e12, 32767, 40, 0}, {NAN, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const TimeParts t = SplitMinutes(c.minutes);
        EXPECT_EQ(t.hours, c.h) << c.minutes;
        EXPECT_EQ(t.minutes, c.m) << c.minutes;
        EXPECT_EQ(t.seconds, c.s) << c.minutes;
    }
    const TimeParts t = SplitMinutesSeconds(59, 125);
    EXPECT_EQ(t.hours, 1);
    EXPECT_EQ(t.minutes, 1);
    EXPECT_EQ(t.seconds, 5);
    EXPECT_EQ(SplitMinutesSeconds(4000000000u, 0).hours, 32767);
}

class DimDocTest : public testing::Test {
protected:
    void TearDown() override { SetDimDoc(nullptr); }
};

TEST_F(DimDocTest, SettingsRecordIsTenShorts) {
    CDimDoc doc;
    doc.m_nAltitude = DIM_METER;
    doc.m_nPressure = DIM_INCHHG;
    doc.m_nPositionFormat = 1;
    doc.m_nFrequency = DIM_KHZ;
    CArchive out;
    doc.Serialize(out);
    const std::vector<uint8_t> expected = {3, 0, 6, 0, 3, 0, 19, 0, 11, 0, 24, 0, 22, 0, 14, 0, 3, 0, 1, 0};
    EXPECT_EQ(out.Bytes(), expected);

    CArchive in(out.Bytes());
    CDimDoc back;
    back.Serialize(in);
    EXPECT_EQ(back.m_nAltitude, DIM_METER);
    EXPECT_EQ(back.m_nPressure, DIM_INCHHG);
    EXPECT_EQ(back.m_nPositionFormat, 1);
    EXPECT_EQ(back.m_nFrequency, DIM_MHZ);  // not stored
    EXPECT_EQ(in.BytesLeft(), 0u);

    CArchive shortRecord(std::vector<uint8_t>(expected.begin(), expected.begin() + 18));
    EXPECT_THROW(back.Serialize(shortRecord), ArchiveError);
}

TEST_F(DimDocTest, ConvertToPreferredUnit) {
    CDimDoc doc;
    doc.m_nAltitude = DIM_METER;
    doc.m_nDistance = DIM_KM;
    doc.m_nTemperature = DIM_F;
    doc.m_nWind = DIM_KMH;
    doc.m_nArm = DIM_CM;
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_ALTITUDE, 1000, DIM_FEET), 304.8, 1e-9);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_DISTANCE, 1, DIM_NM), 1.852, 1e-12);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_TEMPERATURE, 20, DIM_C), 68, 1e-12);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_WIND, 100, DIM_KT), 185.2, 1e-9);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_ARM, 1.5, DIM_METER), 150, 1e-9);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_RUNWAY, 1000, DIM_FEET), 304.8, 1e-9);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_VOLUME, 10, DIM_USGAL), 37.853, 1e-9);
    EXPECT_NEAR(doc.ConvertToPref(PARAM_FREQUENCY, 118500, DIM_KHZ), 118.5, 1e-9);
    EXPECT_TRUE(prompt.Shown().empty());

    for (int type : {int(PARAM_SPEED), int(PARAM_CLIMB), 12, -1}) {
        EXPECT_EQ(doc.ConvertToPref(type, 123.0, DIM_KT), 123.0);
    }
    EXPECT_EQ(prompt.Shown().size(), 4u);
    EXPECT_TRUE(prompt.WasShown("ConvertToPref: Unknown Paramtype"));
    EXPECT_EQ(doc.PrefUnit(PARAM_SPEED), DIM_UNKNOWN);
    EXPECT_EQ(doc.PrefUnit(PARAM_FREQUENCY), DIM_MHZ);
}

TEST_F(DimDocTest, CurrentRecord) {
    EXPECT_EQ(theDimDoc()->m_nAltitude, DIM_FEET);  // defaults until one is set
    EXPECT_EQ(theDimDoc()->m_nDistance, DIM_NM);
    EXPECT_EQ(theDimDoc()->m_nPositionFormat, 0);
    CDimDoc doc;
    SetDimDoc(&doc);
    EXPECT_EQ(theDimDoc(), &doc);
    SetDimDoc(nullptr);
    EXPECT_NE(theDimDoc(), &doc);
}

// ---- dialog fields ----------------------------------------------------------------

TEST(UnitFields, ReadingFields) {
    struct Case {
        FieldKind kind;
        const char* text;
        int unit;
        std::optional<double> value;
    };
    const Case cases[] = {
        {FieldKind::Altitude, "", DIM_FEET, NOVALUE_ALTITUDE},
        {FieldKind::Altitude, "   ", DIM_FEET, NOVALUE_ALTITUDE},
        {FieldKind::Altitude, "3500", DIM_FEET, 3500},
        {FieldKind::Altitude, " 3500 ft", DIM_FEET, 3500},
        {FieldKind::Altitude, "12.7", DIM_FEET, 12},
        {FieldKind::Altitude, "abc", DIM_FEET, std::nullopt},  // no number: invalid, not 0
        {FieldKind::Altitude, "-", DIM_FEET, std::nullopt},
        {FieldKind::Altitude, "99999999999999", DIM_FEET, INT32_MAX},
        {FieldKind::Distance, "-99999999999999", DIM_NM, INT32_MIN},
        {FieldKind::RunwayLength, "99999", DIM_METER, INT16_MAX},  // clamped, not wrapped
        {FieldKind::Temperature, "-99999", DIM_C, INT16_MIN},
        {FieldKind::WindSpeed, "", DIM_KT, NOVALUE_SHORT},
        {FieldKind::RunwayLength, "", DIM_METER, NOVALUE_RUNWAY},
        {FieldKind::Volume, "", DIM_LITER, NOVALUE_LONG},
        {FieldKind::Pressure, "1013,25", DIM_HPA, static_cast<float>(1013.25)},
        {FieldKind::Pressure, "29.92", DIM_INCHHG, static_cast<float>(29.92)},
        {FieldKind::Pressure, "", DIM_HPA, NOVALUE_FLOAT},
        {FieldKind::Pressure, "hPa", DIM_HPA, std::nullopt},
        {FieldKind::Pressure, "1e39", DIM_HPA, std::nullopt},  // beyond float
        {FieldKind::Frequency, "118,500", DIM_MHZ, static_cast<float>(118.5)},
        {FieldKind::Arm, "", DIM_INCH, 3897},
        {FieldKind::Arm, "", DIM_METER, 99},
        {FieldKind::Arm, "1,25", DIM_METER, 1.25},
        {FieldKind::Moment, "", DIM_METER, NOVALUE_TORQUE},
        {FieldKind::TankFill, "50", DIM_UNKNOWN, 0.5},
        {FieldKind::TankFill, "", DIM_UNKNOWN, NOVALUE_FILL},
        {FieldKind::TankFill, "voll", DIM_UNKNOWN, std::nullopt},
        {FieldKind::Angle, "", DIM_UNKNOWN, NOVALUE_POSITION},
        {FieldKind::Angle, "12,3456789", DIM_UNKNOWN, 12.3456789},
        // Only the first 18 characters are read.
        {FieldKind::Angle, "123456789012345678.9e-10", DIM_UNKNOWN, 123456789012345678.0},
    };
    for (const Case& c : cases) {
        const auto v = ReadField(c.kind, c.text, c.unit);
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        ASSERT_EQ(v.has_value(), c.value.has_value());
        if (v) {
            EXPECT_NEAR(*v, *c.value, 1e-6 * std::fabs(*c.value));
        }
    }
}

TEST(UnitFields, WritingFields) {
    struct Case {
        FieldKind kind;
        double value;
        int unit;
        const char* text;
    };
    const Case cases[] = {
        {FieldKind::Altitude, 3500, DIM_FEET, "3500"},
        {FieldKind::Altitude, NOVALUE_ALTITUDE, DIM_FEET, ""},
        {FieldKind::Temperature, -5, DIM_C, "-5"},
        {FieldKind::Temperature, NOVALUE_SHORT, DIM_C, ""},
        {FieldKind::Distance, NOVALUE_LONG, DIM_NM, ""},
        {FieldKind::Frequency, 118.5f, DIM_MHZ, "118.500"},
        {FieldKind::Frequency, 0.0, DIM_MHZ, ""},
        {FieldKind::Pressure, 1013.25f, DIM_HPA, "1013"},
        {FieldKind::Pressure, 29.92f, DIM_INCHHG, "29.92"},
        {FieldKind::Arm, 1.255f, DIM_METER, "1.25"},
        {FieldKind::Arm, 9900, DIM_CM, ""},
        {FieldKind::Arm, 99, DIM_CM, "99.00"},
        {FieldKind::ClimbRate, 3.55, DIM_MPS, "3.5"},
        {FieldKind::TankFill, 0.5f, DIM_UNKNOWN, "50"},
        {FieldKind::TankFill, -1.0f, DIM_UNKNOWN, ""},
        {FieldKind::Angle, NOVALUE_POSITION, DIM_UNKNOWN, ""},
        {FieldKind::Angle, NAN, DIM_UNKNOWN, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WriteField(c.kind, c.value, c.unit), c.text) << c.value;
}

TEST(UnitFields, Checks) {
    struct Case {
        FieldKind kind;
        double value;
        bool required;
        double min, max;
        int unit, massUnit;
        const char* message;  // nullptr: passes
    };
    const Case cases[] = {
        // Markers: optional passes, required fails with the unit of the selector.
        {FieldKind::Altitude, NOVALUE_ALTITUDE, false, 0, 15000, DIM_FEET, -1, nullptr},
        {FieldKind::Altitude, NOVALUE_ALTITUDE, true, 0, 15000, DIM_FEET, -1,
         "Bitte geben Sie eine Höhe (in ft) ein!"},
        {FieldKind::Altitude, 4000, true, 0, 15000, DIM_METER, -1, nullptr},
        {FieldKind::Altitude, 5000, true, 0, 15000, DIM_METER, -1,
         "Die Höhe 5000 sollte zwischen 0 und 4572 m liegen!"},
        // No selector: the range as given, an empty unit name.
        {FieldKind::Altitude, 20000, true, 0, 15000, DIM_UNKNOWN, -1,
         "Die Höhe 20000 sollte zwischen 0 und 15000  liegen!"},
        {FieldKind::Distance, 200, false, 0, 100, DIM_KM, -1,
         "Die Entfernung 200 sollte zwischen 0 und 185 km liegen!"},
        {FieldKind::Distance, NOVALUE_LONG, true, 0, 100, DIM_STM, -1,
         "Bitte geben Sie eine Entfernung (in stm) ein!"},
        {FieldKind::RunwayLength, NOVALUE_RUNWAY, true, 100, 5000, DIM_FEET, -1,
         "Bitte geben Sie die Länge der Landebahn (in ft) ein!"},
        {FieldKind::RunwayLength, 20000, true, 100, 5000, DIM_FEET, -1,
         "Die Bahnlänge 20000 sollte zwischen 328 und 16404 ft liegen!"},
        {FieldKind::Volume, 300, true, 0, 1000, DIM_USGAL, -1,
         "Das Volumen 300 sollte zwischen 0 und 264 US Gall. liegen!"},
        {FieldKind::Mass, 3000, true, 0, 1000, DIM_POUNDS, -1,
         "Die Masse 3000 sollte zwischen 0 und 2204 lbs liegen!"},
        {FieldKind::Mass, NOVALUE_LONG, false, 0, 1000, DIM_POUNDS, -1, nullptr},
        // -70..70 C shown in F is -94..158.
        {FieldKind::Temperature, 158, true, -70, 70, DIM_F, -1, nullptr},
        {FieldKind::Temperature, -94, true, -70, 70, DIM_F, -1, nullptr},
        {FieldKind::Temperature, 159, true, -70, 70, DIM_F, -1,
         "Die Temperatur 159 sollte zwischen -94 und 158 F liegen!"},
        {FieldKind::Temperature, NOVALUE_SHORT, false, -70, 70, DIM_C, -1,
         "Bitte geben Sie eine Temperatur (in C) ein!"},  // always required
        // 0..99 kt shown in km/h is 0..183 (183.348 rounded).
        {FieldKind::WindSpeed, 183, true, 0, 99, DIM_KMH, -1, nullptr},
        {FieldKind::WindSpeed, 184, true, 0, 99, DIM_KMH, -1,
         "Die Windgeschwindigkeit 184 sollte zwischen 0 und 183 km/h liegen!"},
        {FieldKind::Airspeed, 400, true, 20, 250, DIM_MPH, -1,
         "Die Fluggeschwindigkeit 400 sollte zwischen 23 und 288 mph liegen!"},
        {FieldKind::Airspeed, NOVALUE_SHORT, true, 20, 250, DIM_KT, -1,
         "Bitte geben Sie eine Fluggeschwindigkeit (in kt) ein!"},
        {FieldKind::Pressure, 25.0f, true, 900, 1100, DIM_INCHHG, -1,
         "Der Luftdruck  25.00 sollte zwischen  26.58 und  32.48 InHg liegen!"},
        {FieldKind::Pressure, 0.0f, true, 900, 1100, DIM_HPA, -1,
         "Bitte geben Sie einen Luftdruck (in hPa) ein!"},
        {FieldKind::Pressure, 1100.0f, true, 900, 1100, DIM_HPA, -1, nullptr},
        {FieldKind::ClimbRate, 30.0f, true, 0, 3000, DIM_MPS, -1,
         "Die Steigrate 30.00 sollte zwischen 0.00 und 15.24 m/s liegen!"},
        {FieldKind::Frequency, 0.0f, true, 108, 137, DIM_MHZ, -1, nullptr},  // never required
        {FieldKind::Frequency, 140.0f, true, 108, 137, DIM_KHZ, -1,
         "Die Frequenz 140.000 sollte zwischen 108.000 und 137.000 liegen!"},
        {FieldKind::Arm, 3897.0f, true, 0, 5, DIM_INCH, -1, "Bitte geben Sie einen Hebelarm ein!"},
        {FieldKind::Arm, 3897.0f, false, 0, 5, DIM_INCH, -1, nullptr},
        {FieldKind::Arm, 250.0f, true, -1, 2, DIM_CM, -1,
         "Der Hebelarm 250.00 sollte zwischen -100.00 und 200.00 cm liegen!"},
        {FieldKind::Moment, 500.0f, true, 0, 2, DIM_METER, DIM_KG,
         "Das Drehmoment 500.00 sollte zwischen 0.00 und 2.00 mkg liegen!"},
        // 2 mkg are 173.59 Inch lbs.
        {FieldKind::Moment, 150.0f, true, 0, 2, DIM_INCH, DIM_POUNDS, nullptr},
        {FieldKind::Moment, 180.0f, true, 0, 2, DIM_INCH, DIM_POUNDS,
         "Das Drehmoment 180.00 sollte zwischen 0.00 und 173.59 Inchlbs liegen!"},
        {FieldKind::Moment, -1.0f, true, 0, 2, DIM_METER, DIM_KG, "Bitte geben Sie ein Drehmoment ein!"},
        // Tank fill: the marker passes, 0.0001 of slack, shown in percent.
        {FieldKind::TankFill, -1.0f, true, 0, 1, -1, -1, nullptr},
        {FieldKind::TankFill, 1.00005, true, 0, 1, -1, -1, nullptr},
        {FieldKind::TankFill, 1.2, true, 0, 1, -1, -1,
         "Der Tankfüllgrad 120 sollte zwischen 0 und 100 liegen!"},
        {FieldKind::Angle, 400, true, 0, 360, -1, -1, "Der Winkel 400.0 sollte zwischen 0 und 360 Grad!"},
        {FieldKind::Angle, NOVALUE_POSITION, false, 0, 360, -1, -1,
         "Bitte geben Sie einen Winkel (in Grad) ein!"},
    };
    for (const Case& c : cases) {
        const FieldCheck r = CheckField(c.kind, c.value, c.required, c.min, c.max, c.unit, c.massUnit);
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " " << c.value);
        if (c.message) {
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.message, c.message);
        } else {
            EXPECT_TRUE(r.ok) << r.message;
        }
    }
}

TEST(UnitFields, InvalidTextShowsTheMissingValueMessage) {
    EXPECT_EQ(MissingValueMessage(FieldKind::Altitude, DIM_METER), "Bitte geben Sie eine Höhe (in m) ein!");
    EXPECT_EQ(MissingValueMessage(FieldKind::Volume, DIM_UNKNOWN), "Bitte geben Sie ein Volumen (in ) ein!");
    EXPECT_EQ(MissingValueMessage(FieldKind::Frequency, DIM_MHZ), "Bitte geben Sie eine Frequenz ein!");
    EXPECT_EQ(MissingValueMessage(FieldKind::TankFill, DIM_UNKNOWN),
              "Bitte geben Sie einen Tankfüllgrad (in %) ein!");
}

}  // namespace
