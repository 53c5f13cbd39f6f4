#include "route/way_doc.h"

#include <gtest/gtest.h>

#include <string>

#include "route/route_calc.h"
#include "route/way_doc_links.h"
#include "route_env.h"

namespace {

CWayPoint point(const std::string& name, double lat, double lon) {
    CLocation loc;
    loc.SetName(name);
    loc.Set(lat, lon);
    return CWayPoint(loc);
}

// A route of `count` waypoints named "P0", "P1", ... with waypoint `active` active.
void fill(CWayDoc& doc, int count, int active) {
    for (int i = 0; i < count; ++i) doc.Append(point("P" + std::to_string(i), 50.0, 8.0 + i));
    doc.SetActive(active);
    doc.SetModifiedFlag(false);
}

std::vector<std::string> names(const CWayDoc& doc) {
    std::vector<std::string> out;
    for (int i = 0; i < doc.GetCount(); ++i) out.push_back(doc.GetWayPoint(i).GetName());
    return out;
}

class WayDocTest : public RouteEnv {};

// ---- the active index follows the list ---------------------------------------------------------

struct ActiveCase {
    int count;
    int active;
    bool insert;  // else remove
    int index;
    int expected;
};

class ActiveIndex : public RouteEnv, public ::testing::WithParamInterface<ActiveCase> {};

TEST_P(ActiveIndex, MovesWithInsertAndRemove) {
    const ActiveCase& c = GetParam();
    CWayDoc doc;
    fill(doc, c.count, c.active);
    const bool done = c.insert ? doc.InsertAt(c.index, point("New", 51.0, 9.0)) : doc.RemoveAt(c.index);
    ASSERT_TRUE(done);
    EXPECT_EQ(doc.GetActive(), c.expected);
    EXPECT_TRUE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ActiveIndex,
    ::testing::Values(ActiveCase{1, 0, false, 0, -1},  // the only waypoint goes: none active
                      ActiveCase{3, 0, false, 0, 0},   // the first of several goes: the next is 0
                      ActiveCase{3, 2, false, 1, 1},   // behind the removed one: moves down
                      ActiveCase{3, 1, false, 1, 0},   // the active one itself moves down too
                      ActiveCase{3, 1, false, 2, 1},   // before the removed one: stays
                      ActiveCase{3, -1, false, 0, -1},  // none stays none
                      ActiveCase{2, 1, true, 0, 2},    // inserted before: moves up
                      ActiveCase{2, 1, true, 1, 2},    // inserted at the active index: moves up
                      ActiveCase{2, 1, true, 2, 1},    // appended: stays
                      ActiveCase{2, -1, true, 0, -1}));

TEST_F(WayDocTest, ListOperationsKeepOrderAndRefuseIndexesOutOfRange) {
    CWayDoc doc;
    fill(doc, 3, 1);
    EXPECT_TRUE(doc.InsertAt(1, point("X", 1, 1)));
    EXPECT_TRUE(doc.ReplaceAt(3, point("Y", 2, 2)));
    EXPECT_TRUE(doc.RemoveAt(0));
    EXPECT_EQ(names(doc), (std::vector<std::string>{"X", "P1", "Y"}));

    doc.SetModifiedFlag(false);
    CWayPoint wp;
    EXPECT_FALSE(doc.GetAt(3, wp));
    EXPECT_FALSE(doc.GetAt(-1, wp));
    EXPECT_FALSE(doc.InsertAt(4, wp));
    EXPECT_FALSE(doc.ReplaceAt(3, wp));
    EXPECT_FALSE(doc.RemoveAt(-1));
    EXPECT_FALSE(doc.SetAlternate(3, wp));
    EXPECT_EQ(doc.GetCount(), 3);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WayDocTest, SetActiveClearsTheMapCentreWithoutModifyingTheRoute) {
    CWayDoc doc;
    fill(doc, 2, -1);
    settings.SetMapCentre(50.0, 8.0);
    doc.SetActive(1);
    EXPECT_EQ(doc.GetActive(), 1);
    EXPECT_FALSE(settings.HasMapCentre());
    EXPECT_FALSE(doc.IsModified());
    doc.SetActive(2);  // out of range: nothing changes
    EXPECT_EQ(doc.GetActive(), 1);
}

TEST_F(WayDocTest, OptionsAndFlightPlanTextsMarkTheRouteModifiedWhenTheyChange) {
    CWayDoc doc;
    doc.SetOption(RTE_SEMICIRCLE, false);
    EXPECT_FALSE(doc.IsModified());
    doc.SetOption(RTE_SEMICIRCLE, true);
    EXPECT_TRUE(doc.HasOption(RTE_SEMICIRCLE));
    EXPECT_TRUE(doc.IsModified());
    doc.SetOption(RTE_ALTERNATES, true);
    doc.SetOption(RTE_SEMICIRCLE, false);
    EXPECT_EQ(doc.GetOptions(), RTE_ALTERNATES);

    doc.SetModifiedFlag(false);
    doc.SetFlightPlanRoute("");
    EXPECT_FALSE(doc.IsModified());
    // Texts are cut to their fields.
    doc.SetFlightPlanManual(true);
    doc.SetFlightPlanSpeed("N0120X");
    doc.SetFlightPlanRoute(std::string(300, 'R'));
    doc.SetFlightPlanAlternate(1, "EDDFX");
    doc.SetFlightPlanAlternate(2, "EDFM");
    doc.SetFlightPlanOther(std::string(256, 'O'));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.IsFlightPlanManual());
    EXPECT_EQ(doc.GetFlightPlanSpeed(), "N0120");
    EXPECT_EQ(doc.GetFlightPlanRoute(), std::string(255, 'R'));
    EXPECT_EQ(doc.GetFlightPlanAlternate(1), "EDDF");
    EXPECT_EQ(doc.GetFlightPlanAlternate(2), "EDFM");
    EXPECT_EQ(doc.GetFlightPlanOther(), std::string(255, 'O'));
}

TEST_F(WayDocTest, IsNearLooksAtTheWayPointAndTheNextOne) {
    CWayDoc doc;
    fill(doc, 3, 0);  // P0 8.0E, P1 9.0E, P2 10.0E
    EXPECT_TRUE(doc.IsNear(0, CLatLon(50.0, 8.00009)));
    EXPECT_TRUE(doc.IsNear(0, CLatLon(50.00009, 9.0)));
    EXPECT_FALSE(doc.IsNear(0, CLatLon(50.0, 10.0)));
    EXPECT_FALSE(doc.IsNear(0, CLatLon(50.0, 8.0001 + 1e-9)));
    EXPECT_TRUE(doc.IsNear(2, CLatLon(50.0, 10.0)));  // the last one has no next
    EXPECT_FALSE(doc.IsNear(3, CLatLon(50.0, 10.0)));
}

TEST_F(WayDocTest, BoundsHoldTheWayPointsAndOptionallyTheBearingStations) {
    CWayDoc doc;
    LatLonBox box;
    EXPECT_FALSE(doc.GetBounds(box, true));
    doc.Append(point("A", 50.0, 8.0));
    doc.Append(CWayPoint());  // no position: not counted
    CWayPoint b = point("B", 49.0, 9.0);
    CRadioBearing bearing;
    bearing.m_strStation = "NORTH";
    bearing.m_nBearing = 0;  // the station lies 60 NM south of B
    bearing.m_nDistance = 600;
    b.SetBearing(1, bearing);
    doc.Append(b);

    ASSERT_TRUE(doc.GetBounds(box, false));
    EXPECT_DOUBLE_EQ(box.north, 50.0);
    EXPECT_DOUBLE_EQ(box.south, 49.0);
    EXPECT_DOUBLE_EQ(box.west, 8.0);
    EXPECT_DOUBLE_EQ(box.east, 9.0);
    ASSERT_TRUE(doc.GetBounds(box, true));
    EXPECT_NEAR(box.south, 48.0, 0.01);
    EXPECT_DOUBLE_EQ(box.north, 50.0);
}

TEST_F(WayDocTest, RouteTextNamesTheFirstAndLastWayPoint) {
    CWayDoc doc;
    EXPECT_EQ(doc.GetRouteText(), "");
    fill(doc, 3, 0);
    EXPECT_EQ(doc.GetRouteText(), "Flug: P0 - P2");
}

TEST_F(WayDocTest, DeleteContentsEmptiesEverythingAndRenewsTheComputation) {
    int automatic = 0;
    theWayDocLinks().flightPlanToAutomatic = [&automatic] { ++automatic; };
    CWayDoc doc;
    fill(doc, 2, 1);
    doc.SetOption(RTE_ALTERNATES | RTE_REVERSED, true);
    doc.SetAlternate(2, point("Alt", 1, 1));
    doc.SetFlightPlanSpeed("N0100");
    const CRouteCalc* before = &doc.GetCalc();
    automatic = 0;

    doc.DeleteContents();
    theWayDocLinks() = WayDocLinks();
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetActive(), -1);
    EXPECT_EQ(doc.GetOptions(), 0);
    EXPECT_EQ(doc.GetFlightPlan(), CFlightPlanBlock());
    CWayPoint alternate;
    doc.GetAlternate(2, alternate);
    EXPECT_EQ(alternate.GetName(), "");
    EXPECT_NE(&doc.GetCalc(), before);
    EXPECT_EQ(&doc.GetCalc().GetDoc(), &doc);
    EXPECT_EQ(automatic, 1);
}

// ---- a new route -----------------------------------------------------------------------------------

TEST_F(WayDocTest, NewRouteStartsAtTheHomeAirfieldAtItsElevation) {
    CLocation home = CInitDoc::MakeDefaultHome();
    home.SetElevation(118);
    home.SetElevationUnit(DIM_METER);
    settings.SetHome(home);
    settings.SetMapCentre(50.0, 8.0);
    CWayDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetTitle(), "KeinName");
    EXPECT_EQ(doc.GetPathName(), "");
    ASSERT_EQ(doc.GetCount(), 1);
    const CWayPoint start = doc.GetWayPoint(0);
    EXPECT_EQ(start.GetName(), "Frankfurt-Egelsb.");
    EXPECT_EQ(start.GetPlannedAltitude(), 118);
    EXPECT_EQ(start.GetAltitudeUnit(), DIM_METER);
    EXPECT_EQ(doc.GetActive(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(settings.HasMapCentre());
}

TEST_F(WayDocTest, NewRouteWithoutHomeAirfieldStillStartsWithTheEmptyOne) {
    settings.SetHome(CInitDoc::MakeEmptyLocation());
    CWayDoc doc;
    doc.OnNewDocument();
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(doc.GetWayPoint(0).GetName(), "");
    EXPECT_EQ(doc.GetWayPoint(0).GetPlannedAltitude(), NOVALUE_ALTITUDE);
}

TEST_F(WayDocTest, TheHomeAirfieldFlagSkipsTheAirfieldOnceAndIsSetAgain) {
    settings.SetHome(CInitDoc::MakeDefaultHome());
    CWayDoc doc;
    doc.SetHomeAirfieldFlag(false);
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetActive(), -1);
    EXPECT_TRUE(doc.GetHomeAirfieldFlag());
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetCount(), 1);
}

}  // namespace
