#include "views/fuel_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompt.h"
#include "route/route_warnings.h"
#include "route/way_doc.h"
#include "views/fuel_view.h"

namespace {

// An aerodrome at sea level with an 800 m paved runway unless told otherwise.
CWayPoint aerodrome(const std::string& name, const std::string& ident, double lat, double lon,
                    int elevationFt = 0, int runwayM = 800) {
    CLocation loc(name, 0, LOC_MIN_1000);
    loc.SetIdent(ident);
    loc.Set(lat, lon);
    if (elevationFt != NOVALUE_ALTITUDE) {
        loc.SetElevation(elevationFt);
        loc.SetElevationUnit(DIM_FEET);
    }
    loc.SetRunwayLength(runwayM);
    loc.SetRunwayUnit(DIM_METER);
    CWayPoint wp(loc);
    wp.SetPlannedAltitude(3000);
    wp.SetAltitudeUnit(DIM_FEET);
    return wp;
}

// 100 kt, 30 l/h in every phase, one seat row, one baggage compartment and
// one 150 l tank, all with arms; CG limits 0.8 to 1.2 m; table distances
// 300/500 m for take-off and 200/400 m for landing.
CPlane fixturePlane() {
    CPlane p;
    p.m_strName = "D-EFUE";
    p.m_fCruiseSpeed = p.m_fClimbSpeed = p.m_fDescentSpeed = 100;
    p.m_fCruiseFlow = p.m_fClimbFlow = p.m_fDescentFlow = 30;
    p.m_fClimbRate = 500;
    p.m_fDescentRate = -500;
    p.m_nSeatRows = 1;
    p.m_fSeatArm[0] = 0.9f;
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm[0] = 2.4f;
    p.m_nTanks = 1;
    p.m_fTankUsable[0] = 150;
    p.m_fTankUnusable[0] = 4;
    p.m_fTankArm[0] = 1.1f;
    p.m_fEmptyMass = 700;
    p.m_fEmptyMoment = 700;
    p.m_fCgMass = {1100, 900};
    p.m_fCgForward = {0.8f, 0.8f};
    p.m_fCgAft = {1.2f, 1.2f};
    p.m_TakeOff.m_fMass = {1100, -1};
    p.m_TakeOff.m_fRoll = {300, 1};
    p.m_TakeOff.m_fObstacle = {500, 1};
    p.m_Landing.m_fMass = {1100, -1};
    p.m_Landing.m_fRoll = {200, 1};
    p.m_Landing.m_fObstacle = {400, 1};
    p.m_nCost = 120;
    return p;
}

class FuelSheetTest : public ::testing::Test {
protected:
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CDimDoc units;
    CMetDoc met;
    CLoadDoc load;
    CCalcDoc presets;
    CPlane plane = fixturePlane();
    CWayDoc route;

    FuelSheetTest() {
        SetDimDoc(&units);
        SetMetDoc(&met);
        SetLoadDoc(&load);
        SetCalcDoc(&presets);
        presets.SetFlightDate(21, 3, 2025);
        route.SetTitle("Test.way");
        route.Append(aerodrome("Start", "STRT", 0, 0));
        route.Append(aerodrome("Ziel", "ZIEL", 0, 1));
    }
    ~FuelSheetTest() override {
        SetCalcDoc(nullptr);
        SetLoadDoc(nullptr);
        SetMetDoc(nullptr);
        SetDimDoc(nullptr);
    }

    std::vector<std::string> text(const CPlane* p) {
        return FuelSheetText(BuildFuelSheet(route, p, met, load));
    }
    std::vector<std::string> text() { return text(&plane); }
};

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

size_t indexOf(const std::vector<std::string>& lines, const std::string& part) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(part) != std::string::npos) return i;
    return lines.size();
}

void expectNoBadNumbers(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        for (const char* bad : {"nan", "inf", "NaN", "INF"}) EXPECT_EQ(l.find(bad), std::string::npos) << l;
}

// ---- the whole sheet ---------------------------------------------------------------------------

TEST_F(FuelSheetTest, EverySectionInOrderWithTheWorkedReserves) {
    const std::vector<std::string> t = text();
    EXPECT_EQ(t[0], "Datei: Test.way   Flugzeug: D-EFUE   Datum: 21.03.2025");

    // Weight and balance: 700 + 150 + 5 kg and a full tank of 154 l.
    EXPECT_TRUE(has(t, "Zuladung in (kg):  Position 1  Position 2  Position 3  Position 4  Position 5"));
    EXPECT_TRUE(has(t, "Sitzreihe                 150           0           0           0           0"));
    EXPECT_TRUE(has(t, "Zulässige Auslastung Tank 1: 100% oder 154.0 Liter"));
    EXPECT_TRUE(has(t, "Ausfliegbare Kraftstoffmenge: 150.0 Liter"));
    EXPECT_TRUE(contains(t, "Masse =  963 kg  Moment = "));
    EXPECT_TRUE(contains(t, "Min: 0.80 m  ["));
    EXPECT_TRUE(contains(t, "]  Max: 1.20 m"));
    EXPECT_TRUE(contains(t, "Schwerpunkt: "));

    // 30 l/h with 10 min taxi, 10 min approach and 30 min reserve: 5 + 5 l and 15 l.
    EXPECT_TRUE(has(t, "Vorgesehen für:              Zeit [min]  Vol. [Liter]"));
    EXPECT_TRUE(has(t, "Rollen, An- und Abflug               20          10.0"));
    EXPECT_TRUE(has(t, "Sicherheits-Reserve                  30          15.0"));
    EXPECT_TRUE(has(t, "Sicher (Gesamt - 30 min)            270         135.0"));

    // At sea level in the standard atmosphere the table distances hold.
    const size_t takeOff = indexOf(t, "In Start (STRT): ");
    ASSERT_LT(takeOff + 3, t.size());
    EXPECT_EQ(t[takeOff + 1], "Startrollstrecke:  300 m, Startstrecke (über 15 m):  500 m von  800 m");
    EXPECT_EQ(t[takeOff + 2], "Bedingungen:  963 kg,     0 ft ( 0 ft),  15 Grad C, 1013 hPa");
    EXPECT_EQ(t[takeOff + 3].rfind("Sonnenaufgang: 06:0", 0), 0u) << t[takeOff + 3];
    const size_t landing = indexOf(t, "In Ziel (ZIEL): ");
    EXPECT_EQ(t[landing + 1], "Landerollstrecke:  200 m, Landestrecke (über 15 m):  400 m von  800 m");
    EXPECT_EQ(t[landing + 3].rfind("Sonnenaufgang: ", 0), 0u);

    // 60 NM at 100 kt take 37 minutes; 120 per hour for 37 + 10 and 37 + 20 minutes.
    EXPECT_TRUE(has(t, "60 NM Flugstrecke:                   37          18.5"));
    EXPECT_TRUE(has(t, "Incl. An- und Abflug:          47 Minuten     94.00"));
    EXPECT_TRUE(has(t, "Incl. Rollen, An- und Abflug:  57 Minuten    114.00"));
    EXPECT_FALSE(contains(t, "A c h t u n g"));

    const std::vector<size_t> order{indexOf(t, "Masse und Schwerpunkt"), indexOf(t, "Treibstoffverbrauch"),
                                    indexOf(t, "Start und Landung"), indexOf(t, "Flugkosten")};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_LT(order.back(), t.size());
    expectNoBadNumbers(t);
}

TEST_F(FuelSheetTest, AlternatesGetAFuelRowAndALandingWithoutSunTimes) {
    route.SetOption(RTE_ALTERNATES, true);
    route.SetAlternate(1, aerodrome("Ausweich", "AUSW", 0.5, 1));
    route.SetAlternate(2, aerodrome("Zweiter", "ZW", 1, 1));  // ident too short: the name stands
    const std::vector<std::string> t = text();
    EXPECT_TRUE(contains(t, "30 NM zum Ausweichflugplatz AUSW:"));
    EXPECT_TRUE(contains(t, "30 NM zum Ausweichflugplatz Zweiter:"));
    const size_t alternate = indexOf(t, "In Ausweich (AUSW): ");
    ASSERT_LT(alternate + 2, t.size());
    EXPECT_EQ(t[alternate + 1].rfind("Landerollstrecke:", 0), 0u);
    EXPECT_EQ(t[alternate + 3], "In Zweiter (ZW): ");
}

TEST_F(FuelSheetTest, PreferredUnitsAndTimesInHoursWithMetres) {
    units.m_nMass = DIM_POUNDS;
    units.m_nFuel = DIM_USGAL;
    units.m_nRunway = DIM_FEET;
    units.m_nDistance = DIM_METER;
    const std::vector<std::string> t = text();
    EXPECT_TRUE(has(t, "Zuladung in (lbs):  Position 1  Position 2  Position 3  Position 4  Position 5"));
    EXPECT_TRUE(contains(t, "Vol. [US Gall.]"));
    EXPECT_TRUE(has(t, "Sicherheits-Reserve                0:30              4.0"));
    EXPECT_TRUE(contains(t, "Startstrecke (über 49 ft): 1640 ft von 2624 ft"));
}

// ---- what is missing ---------------------------------------------------------------------------

TEST_F(FuelSheetTest, WithoutAnAircraftOnlyTheHeader) {
    const FuelSheet sheet = BuildFuelSheet(route, nullptr, met, load);
    EXPECT_EQ(sheet.fileLine, "Datei: Test.way   Flugzeug: Fehlt");
    EXPECT_TRUE(sheet.sections.empty());
}

TEST_F(FuelSheetTest, WithoutFuelFlowWeightAndBalanceAndTheMessageOnly) {
    plane.m_fCruiseFlow = 0;
    const std::vector<std::string> t = text();
    EXPECT_TRUE(has(t, "Kein Kraftstoff-Verbrauch!"));
    EXPECT_TRUE(contains(t, "Masse = "));
    for (const char* absent : {"Treibstoffverbrauch", "Start und Landung", "Flugkosten"})
        EXPECT_FALSE(contains(t, absent)) << absent;
    expectNoBadNumbers(t);
}

TEST_F(FuelSheetTest, MissingArmsShowTheLoadTableAndEveryMessage) {
    plane.m_fSeatArm[0] = ArmMarker(DIM_METER);
    plane.m_fTankArm[0] = ArmMarker(DIM_METER);
    const std::vector<std::string> t = text();
    EXPECT_TRUE(contains(t, "Zuladung in (kg):"));
    EXPECT_TRUE(contains(t, "1. Sitzreihe"));
    EXPECT_TRUE(contains(t, "1. Tank"));
    for (const char* absent : {"Masse = ", "Kein Kraftstoff", "Treibstoffverbrauch", "Flugkosten"})
        EXPECT_FALSE(contains(t, absent)) << absent;
}

TEST_F(FuelSheetTest, EmptyEnvelopeDrawsNoScaleAndNoBadNumbers) {
    plane.m_fCgMass = {-1, -1};
    plane.m_fCgForward = {ArmMarker(DIM_METER), ArmMarker(DIM_METER)};
    plane.m_fCgAft = {ArmMarker(DIM_METER), ArmMarker(DIM_METER)};
    plane.m_fEmptyMass = 0;
    plane.m_fEmptyMoment = 0;
    load.SetValues(LoadValues{DIM_KG, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0}});
    const std::vector<std::string> t = text();
    EXPECT_FALSE(contains(t, "Min: "));
    EXPECT_TRUE(contains(t, "Masse =    0 kg"));
    expectNoBadNumbers(t);
}

TEST_F(FuelSheetTest, MissingElevationAndShortRunwayAreReported) {
    route.DeleteContents();
    route.Append(aerodrome("Start", "STRT", 0, 0, NOVALUE_ALTITUDE));
    route.Append(aerodrome("Ziel", "ZIEL", 0, 1, 0, 300));
    const std::vector<std::string> t = text();
    const size_t takeOff = indexOf(t, "In Start (STRT): ");
    ASSERT_LT(takeOff + 2, t.size());
    EXPECT_EQ(t[takeOff + 1], "Höhe des Startplatzes fehlt");
    EXPECT_EQ(t[takeOff + 2], "Bedingungen:  963 kg,     – ft ( 0 ft),  15 Grad C, 1013 hPa");
    const size_t warning = indexOf(t, "A c h t u n g :");
    ASSERT_LT(warning, t.size());
    EXPECT_TRUE(has(t, "Höhe des Startplatzes fehlt"));
    EXPECT_TRUE(has(t, "Landebahn ist zu kurz"));
    EXPECT_TRUE(has(t, "Startbahn ist zu kurz"));
}

// ---- the view ----------------------------------------------------------------------------------

TEST_F(FuelSheetTest, PrintedSectionsThatDoNotFitStartANewPage) {
    CFuelView view(&route);
    view.SetPlane(&plane);
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    device.pageHeightPx = 900;  // a page of about 9 cm: room for little more than one section
    RecordingCanvas canvas(device);
    view.OnPreparePrinting();
    view.OnPrepareDC(canvas);
    const int pages = view.GetPageCount();
    ASSERT_GE(pages, 3);

    std::vector<std::string> titles;
    for (int page = 1; page <= pages; ++page) {
        canvas.ClearLog();
        view.PreparePrintPage(canvas);
        view.OnPrint(canvas, page);
        for (const std::string& line : canvas.Log())
            for (const char* title :
                 {"Masse und Schwerpunkt", "Treibstoffverbrauch", "Start und Landung", "Flugkosten"})
                if (line.find(std::string("'") + title + "'") != std::string::npos) titles.push_back(title);
        EXPECT_TRUE(std::any_of(canvas.Log().begin(), canvas.Log().end(), [&](const std::string& l) {
            return l.find(strFormat("'Seite %d'", page)) != std::string::npos;
        }));
    }
    // Each section once, whole, in order.
    EXPECT_EQ(titles, (std::vector<std::string>{"Masse und Schwerpunkt", "Treibstoffverbrauch",
                                                "Start und Landung", "Flugkosten"}));
}

TEST_F(FuelSheetTest, ScreenDrawsTheScaleInRedAndGreenWithTheCgMark) {
    CFuelView view(&route);
    view.SetPlane(&plane);
    RecordingCanvas canvas;
    view.MeasureForScreen(canvas);
    canvas.ClearLog();
    view.OnPrepareDC(canvas);
    view.OnDraw(canvas);
    auto drawnWith = [&](const std::string& colour) {
        return std::any_of(canvas.Log().begin(), canvas.Log().end(), [&](const std::string& l) {
            return l.rfind("line ", 0) == 0 && l.find(colour) != std::string::npos;
        });
    };
    EXPECT_TRUE(drawnWith("/0000FF"));
    EXPECT_TRUE(drawnWith("/00A000"));
    EXPECT_GT(view.GetExtentHeight(), 0);
    EXPECT_GT(view.Sheet().scale.Position(view.Sheet().scale.cg), 0.0);
}

// ---- the warnings of the main window -------------------------------------------------------------

TEST_F(FuelSheetTest, WarningsShowOncePerChange) {
    route.DeleteContents();
    route.Append(aerodrome("Start", "STRT", 0, 0, NOVALUE_ALTITUDE));
    route.Append(aerodrome("Ziel", "ZIEL", 0, 1, 0, 300));
    const bool modified = route.IsModified();
    CComputationWarnings warnings;
    EXPECT_EQ(warnings.Show(&route, &plane, met, load, prompt), 2);
    // The take-off runway is not reported while the elevation is missing.
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{"Höhe des Startplatzes fehlt", "Landebahn ist zu kurz"}));
    EXPECT_EQ(warnings.Show(&route, &plane, met, load, prompt), 0);
    warnings.Changed();
    EXPECT_EQ(warnings.Show(&route, &plane, met, load, prompt), 2);
    EXPECT_EQ(warnings.Show(&route, nullptr, met, load, prompt), 0);

    // Other warnings show even when no change was announced.
    plane.m_fBaggageArm[0] = ArmMarker(DIM_METER);
    EXPECT_EQ(warnings.Show(&route, &plane, met, load, prompt), 1);
    EXPECT_NE(prompt.Texts().back().find("Gepäck"), std::string::npos) << prompt.Texts().back();
    EXPECT_EQ(route.IsModified(), modified);
}

}  // namespace
