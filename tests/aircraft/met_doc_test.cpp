#include <gtest/gtest.h>

#include "aircraft/met_doc.h"

namespace {

void setUniformWind(CMetDoc& met, int direction, int speed) {
    for (int i = 0; i < CMetDoc::kLayers; ++i) met.SetLayerWind(i, direction, speed);
}

TEST(MetDoc, Defaults) {
    const CMetDoc met;
    const MetAerodrome dep = met.GetDeparture();
    EXPECT_EQ(dep.temperature, 15);
    EXPECT_EQ(dep.temperatureUnit, DIM_C);
    EXPECT_EQ(dep.qnh, 1013.0);
    EXPECT_EQ(dep.pressureUnit, DIM_HPA);
    EXPECT_FALSE(dep.wet);
    EXPECT_EQ(met.m_nWindUnit, DIM_KT);
    EXPECT_EQ(met.GetLegWind(0, 5000), (LegWind{0, 0}));
}

TEST(MetDoc, LayerShares) {
    struct Case {
        long a, b, c, d;
        double share;
    };
    for (const Case& k : {Case{0, 3000, 0, 1500, 0.5}, Case{0, 3000, 1500, 3000, 0.5}, Case{0, 3000, 3000, 5000, 0},
                          Case{2250, 2250, 1500, 3000, 1}, Case{2250, 2250, 0, 1500, 0},
                          Case{1500, 1500, 0, 1500, 1}, Case{1500, 1500, 1500, 3000, 0},
                          Case{2000, 6000, 1500, 3000, 0.25}, Case{2000, 6000, 3000, 5000, 0.5},
                          Case{2000, 6000, 5000, 10000, 0.25}, Case{12000, 12000, 5000, 10000, 0}}) {
        EXPECT_DOUBLE_EQ(CMetDoc::LayerShare(k.a, k.b, k.c, k.d), k.share)
            << k.a << ".." << k.b << " in " << k.c << ".." << k.d;
    }
    long middle = 0;
    CMetDoc::LayerShare(0, 3000, 1500, 3000, &middle);
    EXPECT_EQ(middle, 2250);
}

TEST(MetDoc, SameWindEverywhereGivesThatWindOnEveryLeg) {
    CMetDoc met;
    setUniformWind(met, 270, 20);
    for (const auto& [a, b] : {std::pair{0L, 0L}, {2250L, 2250L}, {0L, 3000L}, {3000L, 0L}, {500L, 8000L},
                               {12000L, 12000L}, {-300L, 700L}}) {
        EXPECT_EQ(met.GetLegWind(a, b), (LegWind{270, 20})) << a << ".." << b;
    }
}

TEST(MetDoc, LegWindAveragesTheBands) {
    CMetDoc met;
    // From the north at 10 kt at 1500 ft, from the east at 20 kt at 3000 ft.
    met.SetLayerWind(0, 360, 10);
    met.SetLayerWind(1, 90, 20);
    met.SetLayerWind(2, 180, 30);
    met.SetLayerWind(3, 250, 35);

    // Level at 2250 ft: the average of the two vectors, (10, 5) east/north.
    EXPECT_EQ(met.GetLegWind(2250, 2250), (LegWind{63, 11}));
    // Climb 0 to 3000 ft: half the 1500 ft wind, half the band's wind at 2250 ft:
    // 0.5 * (0, 10) + 0.5 * (10, 5) = (5, 7.5).
    EXPECT_EQ(met.GetLegWind(0, 3000), (LegWind{34, 9}));
    EXPECT_EQ(met.GetLegWind(3000, 0), (LegWind{34, 9}));
    // Above the top layer: its wind unchanged.
    EXPECT_EQ(met.GetLegWind(12000, 12000), (LegWind{250, 35}));

    // Level at 7500 ft: halfway between 5000 and 10000 ft.
    CMetDoc upper;
    setUniformWind(upper, 90, 20);
    upper.SetLayerWind(3, 90, 40);
    EXPECT_EQ(upper.GetLegWind(7500, 7500), (LegWind{90, 30}));
}

TEST(MetDoc, LegsWithoutAUsableBandTakeTheLowestLayer) {
    CMetDoc met;
    met.SetLayerWind(0, 100, 12);
    met.SetLayerWind(3, 300, 40);
    for (const auto& [a, b] : {std::pair{0L, 0L}, {-500L, -100L}, {-1000L, 1500L},
                               {static_cast<long>(NOVALUE_ALTITUDE), 3000L},
                               {4000L, static_cast<long>(NOVALUE_ALTITUDE)}}) {
        EXPECT_EQ(met.GetLegWind(a, b), (LegWind{100, 12})) << a << ".." << b;
    }
}

TEST(MetDoc, WindSpeedsAreConvertedToKnots) {
    CMetDoc met;
    setUniformWind(met, 90, 37);
    met.m_nWindUnit = DIM_KMH;
    EXPECT_EQ(met.GetLegWind(2000, 4000), (LegWind{90, 20}));
}

TEST(MetDoc, QnhInInchesOfMercury) {
    CMetDoc met;
    met.SetDeparture({15, DIM_C, 29.92, DIM_INCHHG, true});
    EXPECT_EQ(met.m_nDepartureQnh, 2992);
    EXPECT_NEAR(met.GetDeparture().qnh, 29.92, 1e-9);
    EXPECT_TRUE(met.GetDeparture().wet);
    EXPECT_NEAR(met.GetDepartureConditions().qnhHpa, 29.92 * 33.862211, 1e-6);

    met.SetDestination({59, DIM_F, 1013.7, DIM_HPA, false});
    EXPECT_EQ(met.m_nDestinationQnh, 1013);  // truncated
    EXPECT_DOUBLE_EQ(met.GetDestinationConditions().temperatureC, 15.0);

    struct Case {
        double value;
        int from, to;
        const char* text;
    };
    for (const Case& c : {Case{1013, DIM_HPA, DIM_INCHHG, "29.92"}, Case{29.92, DIM_INCHHG, DIM_HPA, "1013"},
                          Case{1013, DIM_HPA, DIM_MMHG, "760"}, Case{29.92, DIM_INCHHG, DIM_INCHHG, "29.92"}}) {
        EXPECT_EQ(CMetDoc::FormatPressure(c.value, c.from, c.to), c.text);
    }
}

}  // namespace
