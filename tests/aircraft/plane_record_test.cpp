#include <gtest/gtest.h>

#include "fixtures.h"
#include "aircraft/plane.h"
#include "core/calc_doc.h"

namespace {

ByteBlock packedBytes(const CPlane& p) {
    const CPlane::Packed packed = p.Pack();
    ByteBlock b(0);
    b.bytes.assign(packed.begin(), packed.end());
    return b;
}

// Every field lands at its offset of the 408-byte record.
TEST(PlaneRecord, FieldsLieAtTheirOffsets) {
    CPlane p = samplePlane("Bücker");
    p.m_nSpeedUnit = DIM_KM;
    p.m_nClimbUnit = DIM_METER;
    p.m_nFuelUnit = DIM_USGAL;
    p.m_nTableMassUnit = DIM_POUNDS;
    p.m_nTableLengthUnit = DIM_FEET;
    p.m_nReservedTakeOff = 7;
    p.m_nReservedLanding = 8;
    p.m_Landing.m_fRoll = {260, 210};
    p.m_nLoadArmUnit = DIM_CM;
    p.m_fSeatArm[4] = 333;
    p.m_fBaggageArm[4] = 444;
    p.m_nTankVolumeUnit = DIM_BRGAL;
    p.m_nTankArmUnit = DIM_INCH;
    p.m_fTankArm[2] = 55;
    p.m_nCgMassUnit = DIM_POUNDS;
    p.m_nCgArmUnit = DIM_INCH;
    p.m_FlightPlan.m_bRadioUhf = 1;
    p.m_nReservedLong = 0x12345678;
    p.m_nReservedWord = 0x2345;
    const ByteBlock b = packedBytes(p);
    ASSERT_EQ(b.bytes.size(), 408u);

    EXPECT_EQ(b.bytes[0], 'B');
    EXPECT_EQ(b.bytes[1], 0x81);  // "ü" in code page 850
    EXPECT_EQ(b.bytes[6], 0);

    struct I16 {
        size_t offset;
        int16_t value;
    };
    for (const I16& c : {I16{12, DIM_KM}, I16{14, DIM_METER}, I16{16, DIM_USGAL}, I16{50, DIM_POUNDS},
                         I16{52, DIM_FEET}, I16{54, 7}, I16{80, 8}, I16{106, DIM_CM}, I16{108, 2}, I16{130, 1},
                         I16{152, DIM_BRGAL}, I16{154, DIM_INCH}, I16{156, 2}, I16{194, 180}, I16{196, DIM_POUNDS},
                         I16{198, DIM_INCH}, I16{208, 2}, I16{406, 0x2345}}) {
        EXPECT_EQ(b.readI16(c.offset), c.value) << "offset " << c.offset;
    }
    struct F32 {
        size_t offset;
        float value;
    };
    for (const F32& c : {F32{18, 105}, F32{22, 28}, F32{26, 75}, F32{30, 36}, F32{34, 650}, F32{38, 110},
                         F32{42, 20}, F32{46, -500}, F32{56, 1111}, F32{60, 900}, F32{64, 280}, F32{68, 220},
                         F32{72, 520}, F32{76, 400}, F32{82, 1111}, F32{86, 900}, F32{90, 260}, F32{94, 210},
                         F32{98, 500}, F32{102, 1}, F32{110, 0.94f}, F32{114, 1.85f}, F32{126, 333},
                         F32{132, 2.41f}, F32{148, 444}, F32{158, 70}, F32{166, -1}, F32{170, 2}, F32{182, 1.22f},
                         F32{190, 55}, F32{200, 680}, F32{204, 675.5f}, F32{210, 1111}, F32{214, 885},
                         F32{218, 1.0f}, F32{222, 0.89f}, F32{226, 1.2f}, F32{230, 1.2f}}) {
        EXPECT_EQ(b.readF32(c.offset), c.value) << "offset " << c.offset;
    }
    // Flight-plan block from 234.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b.bytes[234])), "DEFGH");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b.bytes[242])), "C172");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b.bytes[250])), "SDFG");
    EXPECT_EQ(b.bytes[258 + 3], 0xDF);  // "ß" in Windows-1252
    EXPECT_EQ(b.readI32(386), 4);
    EXPECT_EQ(b.readI32(390), 1);
    EXPECT_EQ(b.readI32(394), 1);
    EXPECT_EQ(b.readI32(398), 1);
    EXPECT_EQ(b.readI32(402), 0x12345678);

    EXPECT_EQ(CPlane::Unpack(p.Pack()), p);
}

TEST(PlaneRecord, NewRecordDefaults) {
    const ByteBlock b = packedBytes(CPlane());
    ByteBlock expected(408);
    expected.i16(12, DIM_NM).i16(14, DIM_FEET).i16(16, DIM_LITER);
    expected.i16(50, DIM_KG).i16(52, DIM_METER);
    for (size_t table : {56u, 82u}) {
        expected.f32(table, -1).f32(table + 4, -1);
        for (size_t i = 8; i < 24; i += 4) expected.f32(table + i, 1.0f);
    }
    expected.i16(106, DIM_METER);
    for (size_t i = 0; i < 5; ++i) expected.f32(110 + 4 * i, 99).f32(132 + 4 * i, 99);
    expected.i16(152, DIM_LITER).i16(154, DIM_METER);
    for (size_t i = 0; i < 3; ++i) expected.f32(158 + 4 * i, -1).f32(170 + 4 * i, -1).f32(182 + 4 * i, 99);
    expected.i16(196, DIM_KG).i16(198, DIM_METER).f32(200, -1).f32(204, -1);
    for (size_t i = 0; i < 2; ++i) expected.f32(210 + 4 * i, -1).f32(218 + 4 * i, 99).f32(226 + 4 * i, 99);
    expected.i32(402, -1).i16(406, -1);
    EXPECT_EQ(b.bytes, expected.bytes);
}

TEST(PlaneRecord, WakeCategoryFromMtow) {
    struct Case {
        float mtow;
        int16_t unit;
        char category;
    };
    for (const Case& c : {Case{1111, DIM_KG, 'L'}, Case{7000, DIM_KG, 'L'}, Case{7001, DIM_KG, 'M'},
                          Case{135999, DIM_KG, 'M'}, Case{136000, DIM_KG, 'H'}, Case{15434, DIM_POUNDS, 'M'},
                          Case{-1, DIM_KG, 'L'}}) {
        CPlane p;
        p.m_fCgMass[0] = c.mtow;
        p.m_nCgMassUnit = c.unit;
        EXPECT_EQ(p.GetWakeCategory(), c.category) << c.mtow;
    }
}

TEST(PlaneRecord, FuelFlowForLegAroundTheThreshold) {
    CPlane p = samplePlane();  // climb 36, cruise 28, descent 20 litres per hour
    struct Case {
        bool climbDescent;
        long a, b;
        double flow;
    };
    for (const Case& c : {Case{false, 9000, 0, 28}, Case{true, 1501, 0, 36}, Case{true, 1500, 0, 28},
                          Case{true, 3000, 3000, 28}, Case{true, 0, 1500, 28}, Case{true, 0, 1501, 20},
                          Case{true, 4500, 9000, 20}}) {
        EXPECT_DOUBLE_EQ(p.GetFuelFlowForLeg(c.climbDescent, c.a, c.b, 1500), c.flow) << c.a << " " << c.b;
    }

    // The threshold of the presets is converted into ft and truncated: 500 m is 1640 ft.
    CCalcDoc calc;
    calc.m_nClimbThreshold = 500;
    calc.m_nClimbThresholdUnit = DIM_METER;
    SetCalcDoc(&calc);
    EXPECT_DOUBLE_EQ(p.GetFuelFlowForLeg(true, 1640, 0), 28);
    EXPECT_DOUBLE_EQ(p.GetFuelFlowForLeg(true, 1641, 0), 36);
    SetCalcDoc(nullptr);

    // Flows in US gallons come back in litres.
    p.m_nFuelUnit = DIM_USGAL;
    EXPECT_NEAR(p.GetFuelFlowForLeg(false, 0, 0, 1500), 28 * 3.7853, 1e-9);

    // Without a cruise or a climb flow there is no fuel flow at all.
    CPlane noCruise = samplePlane();
    noCruise.m_fCruiseFlow = 0;
    CPlane noClimb = samplePlane();
    noClimb.m_fClimbFlow = 0;
    for (const CPlane& q : {noCruise, noClimb}) {
        EXPECT_EQ(q.GetFuelFlowForLeg(false, 0, 0, 1500), -1.0);
        EXPECT_EQ(q.GetFuelFlowForLeg(true, 3000, 0, 1500), -1.0);
    }
}

TEST(PlaneRecord, GettersConvertAndKeepMarkers) {
    CPlane p = samplePlane();
    p.m_nSpeedUnit = DIM_KM;  // km/h
    p.m_fCruiseSpeed = 185.2f;
    p.m_nClimbUnit = DIM_METER;  // m/s
    p.m_fClimbRate = 3.0f;
    EXPECT_NEAR(p.GetSpeedKt(FlightPhase::Cruise), 100.0, 1e-4);
    EXPECT_NEAR(p.GetRateFtPerMin(FlightPhase::Climb), 3.0 * 3.6 / 0.018288, 1e-3);
    EXPECT_EQ(p.GetRate(FlightPhase::Cruise, DIM_FTPM), 0.0);

    // Arms: a value converts, the marker becomes the marker of the asked unit.
    EXPECT_NEAR(p.GetSeatArm(0, DIM_CM), 94.0, 1e-4);
    EXPECT_EQ(p.GetSeatArm(2, DIM_CM), 9900.0);
    EXPECT_EQ(p.GetSeatArm(2, DIM_INCH), 3897.0);
    EXPECT_TRUE(p.HasSeatArm(1));
    EXPECT_FALSE(p.HasSeatArm(2));
    EXPECT_FALSE(p.HasTankArm(2));
    EXPECT_EQ(p.GetTankArm(7, DIM_METER), 99.0);

    // Volumes, masses and distances keep their markers.
    EXPECT_NEAR(p.GetTankUsable(0, DIM_USGAL), 70 / 3.7853, 1e-4);
    EXPECT_EQ(p.GetTankUsable(2, DIM_USGAL), -1.0);
    const CPlaneDistances landing = p.GetLanding(DIM_POUNDS, DIM_FEET);
    EXPECT_NEAR(landing.m_fMass[0], 1111 / 0.45359, 0.01);
    EXPECT_NEAR(landing.m_fObstacle[0], 500 / 0.3048, 0.01);
    EXPECT_EQ(landing.m_fObstacle[1], 1.0f);
    EXPECT_EQ(landing.m_fRoll[0], 1.0f);

    // The moment converts both ways: 675.5 m kg in Inch lbs.
    EXPECT_NEAR(p.GetEmptyMoment(DIM_INCH, DIM_POUNDS), 675.5 / 0.45359 / 0.0254, 0.01);
    CPlane fresh;
    EXPECT_EQ(fresh.GetEmptyMoment(DIM_INCH, DIM_POUNDS), -1.0);
    EXPECT_EQ(fresh.GetCgForward(0, DIM_CM), 9900.0);
}

TEST(PlaneRecord, CruiseSpeedTextAndName) {
    CPlane p;
    p.m_fCruiseSpeed = 100;
    EXPECT_EQ(FormatCruiseSpeed(p, DIM_KMH), " 185 km/h");
    EXPECT_EQ(FormatCruiseSpeed(p, DIM_KT), " 100 kt");
    EXPECT_EQ(FitPlaneName("Cessna 172 Skyhawk"), "Cessna 172 ");
    EXPECT_EQ(FitPlaneName("Bücker Jungmann"), "Bücker Jung");
}

}  // namespace
