#include "aircraft/weight_balance.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/archive.h"
#include "platform/string_table.h"

namespace {

// Empty mass 500 kg (moment 475 m*kg), one seat row at 1.0 m, one tank of
// 90 l usable and 10 l unusable at 1.1 m, CG limits 0.85..1.2 m at 550 kg
// and 0.9..1.2 m at the MTOW.
CPlane trainer(float mtow = 758) {
    CPlane p;
    p.m_fEmptyMass = 500;
    p.m_fEmptyMoment = 475;
    p.m_nSeatRows = 1;
    p.m_fSeatArm[0] = 1.0f;
    p.m_nTanks = 1;
    p.m_fTankUsable[0] = 90;
    p.m_fTankUnusable[0] = 10;
    p.m_fTankArm[0] = 1.1f;
    p.m_nCgRows = 2;
    p.m_fCgMass = {mtow, 550};
    p.m_fCgForward = {0.9f, 0.85f};
    p.m_fCgAft = {1.2f, 1.2f};
    return p;
}

// 160 kg in seat row 1, nothing else, fuel "Maximal".
LoadValues pilotOnly(int16_t seat = 160) {
    LoadValues load;
    load.seat = {seat, 0, 0, 0, 0};
    load.baggage = {0, 0, 0, 0, 0};
    return load;
}

bool allFinite(const WeightBalance& wb) {
    bool ok = std::isfinite(wb.totalMass) && std::isfinite(wb.moment) && std::isfinite(wb.cg) &&
              std::isfinite(wb.usableFuel) && std::isfinite(wb.cgCheck.forward) &&
              std::isfinite(wb.cgCheck.aft);
    for (const TankLoad& t : wb.tanks)
        ok = ok && std::isfinite(t.fuelMass) && std::isfinite(t.volume) && std::isfinite(t.fill);
    return ok;
}

}  // namespace

// Tanks are filled in order until the maximum take-off mass is reached.
TEST(WeightBalance, FuelFitsUpToTheMaximumMass) {
    struct Case {
        float mtow;
        double fuel, total;
    } cases[] = {
        {758, 64.8, 724.8},  // the full tank fits: (100 - 10) l x 0.72
        {700, 40.0, 700.0},  // only the rest up to MTOW
        {660, 0.0, 660.0},   // the load reaches MTOW exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mtow);
        const WeightBalance wb = ComputeWeightBalance(trainer(c.mtow), pilotOnly());
        EXPECT_DOUBLE_EQ(wb.zeroFuelMass, 660.0);
        EXPECT_NEAR(wb.tanks[0].fuelMass, c.fuel, 1e-9);
        EXPECT_NEAR(wb.totalMass, c.total, 1e-9);
        EXPECT_FALSE(wb.zeroFuelAboveMax);
    }
}

TEST(WeightBalance, MomentCgAndCarriedFuel) {
    const WeightBalance wb = ComputeWeightBalance(trainer(), pilotOnly());
    // 475 + 160 x 1.0 + 64.8 x 1.1 = 706.28; / 724.8 = 0.9744..
    EXPECT_NEAR(wb.moment, 706.28, 1e-4);
    EXPECT_DOUBLE_EQ(wb.cg, 0.97);
    EXPECT_TRUE(wb.cgComputable);
    // A tank filled to its volume shows exactly its volume and 100 %.
    EXPECT_TRUE(wb.tanks[0].full);
    EXPECT_DOUBLE_EQ(wb.tanks[0].volume, 100.0);
    EXPECT_DOUBLE_EQ(wb.tanks[0].fill, 100.0);
    EXPECT_DOUBLE_EQ(wb.usableFuel, 90.0);
    // Limits at 724.8 kg between 0.85 at 550 kg and 0.9 at 758 kg.
    EXPECT_NEAR(wb.cgCheck.forward, 0.85 + (724.8 - 550) / 208 * 0.05, 1e-6);
    EXPECT_TRUE(wb.cgCheck.permitted);
}

// A tank filled to its volume in US gallons still counts as full and shows
// its whole usable volume (no 0.1 l lost to rounding).
TEST(WeightBalance, FullTankInGallonsKeepsItsVolume) {
    CPlane p = trainer(2000);
    p.m_nTankVolumeUnit = DIM_USGAL;
    p.m_fTankUsable[0] = 24;
    p.m_fTankUnusable[0] = 2;
    const WeightBalance wb = ComputeWeightBalance(p, pilotOnly());
    const double usableLitres = ConvertVolume(24, DIM_USGAL, DIM_LITER);
    EXPECT_TRUE(wb.tanks[0].full);
    EXPECT_DOUBLE_EQ(wb.usableFuel, std::trunc(usableLitres * 10 + 1e-6) / 10);
}

TEST(WeightBalance, FillPercentages) {
    const CPlane p = trainer();
    // Whole percent of the total volume less the unusable volume, in kg;
    // never negative; a stored 0.9 (0.8999999762 as a float) is 90 %.
    struct Case {
        float fill;
        double kg;
    } cases[] = {{0.5f, 40 * 0.72}, {0.9f, 80 * 0.72}, {1.0f, 90 * 0.72},
                 {0.05f, 0.0},      {0.0f, 0.0},       {-1.0f, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fill);
        EXPECT_NEAR(TankFuelMass(p, 0, c.fill), c.kg, 1e-9);
    }
    EXPECT_EQ(TankFuelMass(p, 1, 1.0), 0.0);  // no volume given

    // The settings record keeps whole percent: 0.5 is stored as 50 and read
    // back as 0.5; "Maximal" (-1) survives the round trip.
    CLoadDoc load;
    load.m_fFill = {0.5f, 0.9f, 0.0f};
    CArchive out;
    load.Serialize(out);
    const std::vector<uint8_t> bytes = out.Bytes();
    ASSERT_EQ(bytes.size(), 2u + 10 * 2 + 3 * 2);
    EXPECT_EQ(bytes[22] | bytes[23] << 8, 50);
    EXPECT_EQ(bytes[24] | bytes[25] << 8, 90);
    CArchive in(bytes);
    CLoadDoc back;
    back.Serialize(in);
    EXPECT_FLOAT_EQ(back.m_fFill[0], 0.5f);
    EXPECT_NEAR(TankFuelMass(p, 0, back.m_fFill[1]), 80 * 0.72, 1e-9);

    CLoadDoc maximal;
    CArchive out2;
    maximal.Serialize(out2);
    CArchive in2(out2.Bytes());
    CLoadDoc back2;
    back2.m_fFill = {0.2f, 0.2f, 0.2f};
    back2.Serialize(in2);
    EXPECT_TRUE(back2.IsMaximal());
}

TEST(WeightBalance, CgCheck) {
    // MTOW 1000 kg: 0.9..1.2 m; TOW 700 kg: 0.8..1.2 m.
    CPlane p;
    p.m_fCgMass = {1000, 700};
    p.m_fCgForward = {0.9f, 0.8f};
    p.m_fCgAft = {1.2f, 1.2f};
    struct Case {
        double mass, cg;
        bool permitted;
        double forward;
    } cases[] = {
        {700, 1.205, true, 0.8},                             // exactly 0.005 behind the aft limit
        {700, 1.21, false, 0.8},   {700, 0.795, true, 0.8},  // exactly 0.005 in front of the forward limit
        {850, 0.845, true, 0.85},                            // interpolated between the rows
        {850, 0.84, false, 0.85},  {600, 0.80, true, 0.8},   // below TOW the TOW limits hold
        {1150, 0.92, false, 0.95},                           // above MTOW the line goes on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mass << " kg, CG " << c.cg);
        const CgCheck check = CheckCg(p, c.mass, c.cg);
        EXPECT_EQ(check.permitted, c.permitted);
        EXPECT_NEAR(check.forward, c.forward, 1e-6);
        EXPECT_NEAR(check.aft, 1.2, 1e-6);
        EXPECT_TRUE(check.limitsKnown);
    }
    // With TOW equal to MTOW every CG is permitted.
    p.m_fCgMass = {800, 800};
    EXPECT_TRUE(CheckCg(p, 800, 5.0).permitted);
    EXPECT_TRUE(CheckCg(p, 900, -3.0).permitted);
}

TEST(WeightBalance, MissingArms) {
    CPlane p = trainer();
    p.m_fSeatArm[1] = 1.8f;
    struct Case {
        const char* what;
        std::array<int16_t, 5> seat, baggage;
        std::array<float, 3> fill;
        std::string message;
    } cases[] = {
        {"seat row 3",
         {80, 70, 60, 0, 0},
         {},
         {0.5f, 0, 0},
         "Sie haben die 3. Sitzreihe beladen, aber dafür keinen Hebelarm definiert!"},
        {"seat before baggage",
         {80, 0, 60, 0, 0},
         {10, 0, 0, 0, 0},
         {0.5f, 0, 0},
         "Sie haben die 3. Sitzreihe beladen, aber dafür keinen Hebelarm definiert!"},
        {"baggage 2",
         {80, 0, 0, 0, 0},
         {0, 5, 0, 0, 0},
         {0.5f, 0, 0},
         "Sie haben das 2. Gepäckfach beladen, aber dafür keinen Hebelarm definiert!"},
        {"not given counts as empty", {80, -1, -1, -1, -1}, {-1, -1, -1, -1, -1}, {0.5f, 0, 0}, ""},
        {"empty tank 1", {80, 0, 0, 0, 0}, {}, {0, 0, 0}, ""},
        // A tank without a volume holds no fuel, so "Maximal" does not need its arm.
        {"maximal, tanks 2 and 3 absent", {80, 0, 0, 0, 0}, {}, {-1, -1, -1}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoadValues load;
        load.seat = c.seat;
        load.baggage = c.baggage;
        load.fill = c.fill;
        EXPECT_EQ(MissingArmMessage(FindMissingArm(p, load)), c.message);
    }
    // A second tank with a volume but no arm.
    p.m_fTankUsable[1] = 40;
    p.m_fTankUnusable[1] = 0;
    LoadValues load = pilotOnly();
    EXPECT_EQ(MissingArmMessage(FindMissingArm(p, load)),
              "Sie möchten den 2. Tank nutzen, obwohl dafür kein Hebelarm definiert ist!");
    load.fill = {0.5f, 0.0f, 0.0f};
    EXPECT_FALSE(FindMissingArm(p, load));
}

// Masses given in pounds are converted; -1 counts as 0.
TEST(WeightBalance, LoadInPounds) {
    LoadValues load;
    load.massUnit = DIM_POUNDS;
    load.seat = {352, -1, 0, 0, 0};
    load.baggage = {-1, 0, 0, 0, 0};
    EXPECT_NEAR(SeatMassKg(load, 0), ConvertMass(352, DIM_POUNDS, DIM_KG), 1e-9);
    EXPECT_EQ(SeatMassKg(load, 1), 0.0);
    EXPECT_EQ(BaggageMassKg(load, 0), 0.0);
    EXPECT_EQ(SeatMassKg(load, 7), 0.0);
}

// The load alone above MTOW: no fuel is placed and the case is reported.
TEST(WeightBalance, ZeroFuelMassAboveMaximum) {
    const WeightBalance wb = ComputeWeightBalance(trainer(), pilotOnly(300));
    EXPECT_TRUE(wb.zeroFuelAboveMax);
    EXPECT_EQ(wb.tanks[0].fuelMass, 0.0);
    EXPECT_DOUBLE_EQ(wb.totalMass, 800.0);
    EXPECT_EQ(wb.usableFuel, 0.0);
    EXPECT_DOUBLE_EQ(wb.tanks[0].volume, 10.0);  // only the unusable fuel
    EXPECT_DOUBLE_EQ(wb.tanks[0].fill, 10.0);
}

// An aircraft with nothing but defaults: no arms, no envelope, no volumes.
TEST(WeightBalance, NothingGivenGivesNoNaN) {
    const CPlane bare;
    const WeightBalance loaded = ComputeWeightBalance(bare, LoadValues());
    EXPECT_TRUE(allFinite(loaded));
    EXPECT_DOUBLE_EQ(loaded.totalMass, 155.0);  // the default load, no empty mass
    EXPECT_FALSE(loaded.maxMassKnown);
    EXPECT_TRUE(loaded.cgCheck.permitted);
    EXPECT_FALSE(loaded.cgCheck.limitsKnown);

    LoadValues empty;
    empty.seat = {0, 0, 0, 0, 0};
    empty.baggage = {0, 0, 0, 0, 0};
    CPlane zeroTank;
    zeroTank.m_fTankUsable[0] = 0;
    zeroTank.m_fTankUnusable[0] = 0;
    const WeightBalance none = ComputeWeightBalance(zeroTank, empty);
    EXPECT_TRUE(allFinite(none));
    EXPECT_FALSE(none.cgComputable);
    EXPECT_EQ(none.cg, 0.0);
    EXPECT_EQ(none.tanks[0].fill, 0.0);
}
