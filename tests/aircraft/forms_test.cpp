#include <gtest/gtest.h>

#include <functional>

#include "aircraft/met_form.h"
#include "aircraft/plane_form.h"
#include "fixtures.h"

namespace {

TEST(PlaneForm, StoringTheShownFieldsKeepsTheAircraft) {
    const CPlane p = samplePlane();
    CPlane stored = p;
    const PlaneFormCheck check = StorePlaneForm(PlaneToForm(p), stored);
    ASSERT_TRUE(check) << check.message;
    EXPECT_EQ(stored, p);
    EXPECT_EQ(MomentUnitLabel(DIM_METER, DIM_KG), "mkg");
}

TEST(PlaneForm, StoresUnitsAndWholeNumbers) {
    CPlane p = samplePlane();
    PlaneForm f = PlaneToForm(p);
    f.name = "Cessna 172 Skyhawk";
    f.speedUnit = DIM_KMH;
    f.cruiseSpeed = "185.7";
    f.climbUnit = DIM_MPS;
    f.climbRate = "3.5";
    f.descentRate = "-2.5";
    f.volumeUnit = DIM_USGAL;
    f.cruiseFlow = "7.9";
    f.cost = " 250 ";
    ASSERT_TRUE(StorePlaneForm(f, p));
    EXPECT_EQ(p.m_strName, "Cessna 172 ");
    EXPECT_EQ(p.m_nSpeedUnit, DIM_KM);
    EXPECT_EQ(p.m_fCruiseSpeed, 185.0f);
    EXPECT_EQ(p.m_nClimbUnit, DIM_METER);
    EXPECT_EQ(p.m_fClimbRate, 3.5f);
    EXPECT_EQ(p.m_nFuelUnit, DIM_USGAL);
    EXPECT_EQ(p.m_fCruiseFlow, 7.0f);
    EXPECT_EQ(p.m_nCost, 250);
    EXPECT_EQ(p.m_nCgRows, 2);
}

TEST(PlaneForm, RefusedFieldsNameTheFieldAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<void(PlaneForm&)> edit;
        PlaneField field;
        std::string message;
    };
    const Case cases[] = {
        {"slow climb", [](PlaneForm& f) { f.climbSpeed = "4"; }, PlaneField::ClimbSpeed,
         "Die Fluggeschwindigkeit 4 sollte zwischen 5 und 1000 kt liegen!"},
        {"no cruise speed", [](PlaneForm& f) { f.cruiseSpeed = ""; }, PlaneField::CruiseSpeed,
         "Bitte geben Sie eine Fluggeschwindigkeit (in kt) ein!"},
        {"speed bound in km/h",
         [](PlaneForm& f) {
             f.speedUnit = DIM_KMH;
             f.climbSpeed = "8";
         },
         PlaneField::ClimbSpeed, "Die Fluggeschwindigkeit 8 sollte zwischen 9 und 1852 km/h liegen!"},
        {"descent flow", [](PlaneForm& f) { f.descentFlow = "2001"; }, PlaneField::DescentFlow,
         "Das Volumen 2001 sollte zwischen 0 und 2000 Liter liegen!"},
        {"no descent rate", [](PlaneForm& f) { f.descentRate = "abc"; }, PlaneField::DescentRate,
         "Bitte geben Sie eine Steigrate (in ft/min) ein!"},
        {"cost", [](PlaneForm& f) { f.cost = "30001"; }, PlaneField::Cost, IntegerRangeMessage(0, 30000)},
        {"TOW mass", [](PlaneForm& f) { f.towMass = "99"; }, PlaneField::TowMass,
         "Die Masse 99 sollte zwischen 100 und 15000 kg liegen!"},
        {"aft arm", [](PlaneForm& f) { f.mtowAft = "10.5"; }, PlaneField::MtowAft,
         "Der Hebelarm 10.50 sollte zwischen -5.00 und 10.00 m liegen!"},
        {"MTOW below TOW", [](PlaneForm& f) { f.mtowMass = "800"; }, PlaneField::MtowMass,
         "Tragen Sie bitte die Schwerpunkt-Grenzwerte für das maximale Abfluggewicht bei »MTOW« "
         "(Max.TakeOffWeight) ein!"},
        {"forward behind aft", [](PlaneForm& f) { f.towForward = "1.25"; }, PlaneField::TowForward,
         "Der vordere Hebelarm 1.25 muß kleiner als der hintere (1.20) sein!"},
        {"empty above TOW", [](PlaneForm& f) { f.emptyMass = "886"; }, PlaneField::EmptyMass,
         "Das Leergewicht 886 darf nicht größer als das Gewicht 885 bei TOW sein!"},
        {"moment", [](PlaneForm& f) { f.emptyMoment = "15000.5"; }, PlaneField::EmptyMoment,
         "Das Drehmoment 15000.50 sollte zwischen 100.00 und 15000.00 mkg liegen!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CPlane before = samplePlane();
        CPlane p = before;
        PlaneForm f = PlaneToForm(p);
        c.edit(f);
        const PlaneFormCheck check = StorePlaneForm(f, p);
        EXPECT_FALSE(check);
        EXPECT_EQ(check.field, c.field);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(p, before);
    }
}

TEST(PlaneForm, ListCopyKeepsNamesApart) {
    std::vector<CPlane> list{samplePlane("C150"), samplePlane("PA28")};
    int index = -1;
    ASSERT_TRUE(AddPlane(list, samplePlane("DR400"), index));
    EXPECT_EQ(index, 1);  // placed by name
    const PlaneFormCheck dup = AddPlane(list, samplePlane("PA28"), index);
    EXPECT_FALSE(dup);
    EXPECT_EQ(dup.message, "Unter dieser Bezeichnung ist schon ein Eintrag vorhanden.");
    EXPECT_TRUE(AddPlane(list, samplePlane("pa28"), index));  // names differ in case
    EXPECT_EQ(list.size(), 4u);

    EXPECT_FALSE(ChangePlane(list, 0, samplePlane("DR400")));
    EXPECT_TRUE(ChangePlane(list, 1, samplePlane("DR400")));  // its own name
    EXPECT_EQ(list[0].m_strName, "C150");

    EXPECT_EQ(RemovePlane(list, 2), 1);
    EXPECT_EQ(RemovePlane(list, 0), 0);
    EXPECT_EQ(RemovePlane(list, 0), 0);
    EXPECT_EQ(RemovePlane(list, 0), -1);
}

TEST(MetForm, StoresUnitsValuesAndWinds) {
    CMetDoc met;
    MetForm f = MetToForm(met);
    EXPECT_EQ(f.departure.temperature, "15");
    EXPECT_EQ(f.departure.qnh, "1013");
    EXPECT_EQ(f.speed[0], "0");

    f.departure.pressureUnit = DIM_INCHHG;
    f.departure.qnh = "29,92";
    f.departure.wet = true;
    f.windUnit = DIM_MPS;
    f.direction[2] = "360";
    f.speed[2] = "12";
    CopyDepartureToDestination(f);
    ASSERT_TRUE(StoreMetForm(f, met));
    EXPECT_EQ(met.m_nDepartureQnh, 2992);
    EXPECT_EQ(met.m_nDestinationQnh, 2992);
    EXPECT_EQ(met.m_nDestinationPressureUnit, DIM_INCHHG);
    EXPECT_EQ(met.m_bDestinationWet, 1);
    EXPECT_EQ(met.GetLayerWind(2), (LegWind{360, 12}));
    EXPECT_EQ(met.m_nWindUnit, DIM_MPS);
    EXPECT_EQ(MetToForm(met).departure.qnh, "29.92");
}

TEST(MetForm, RefusedFieldsChangeNothing) {
    struct Case {
        const char* what;
        std::function<void(MetForm&)> edit;
        MetField field;
        int layer;
    };
    const Case cases[] = {
        {"hot", [](MetForm& f) { f.departure.temperature = "71"; }, MetField::DepartureTemperature, -1},
        {"hot in F", [](MetForm& f) {
             f.destination.temperatureUnit = DIM_F;
             f.destination.temperature = "159";
         }, MetField::DestinationTemperature, -1},
        {"low QNH", [](MetForm& f) { f.departure.qnh = "919"; }, MetField::DepartureQnh, -1},
        {"no QNH", [](MetForm& f) { f.destination.qnh = ""; }, MetField::DestinationQnh, -1},
        {"direction", [](MetForm& f) { f.direction[3] = "361"; }, MetField::WindDirection, 3},
        {"no direction", [](MetForm& f) { f.direction[1] = ""; }, MetField::WindDirection, 1},
        {"speed", [](MetForm& f) { f.speed[0] = "100"; }, MetField::WindSpeed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMetDoc met;
        met.SetLayerWind(0, 90, 5);
        MetForm f = MetToForm(met);
        c.edit(f);
        const MetFormCheck check = StoreMetForm(f, met);
        EXPECT_FALSE(check);
        EXPECT_FALSE(check.message.empty());
        EXPECT_EQ(check.field, c.field);
        EXPECT_EQ(check.layer, c.layer);
        EXPECT_EQ(met.GetLayerWind(0), (LegWind{90, 5}));
        EXPECT_EQ(met.m_nDepartureTemperature, 15);
    }
}

}  // namespace
