// The main window's logic without a window: view commands, switching views,
// the title, the status bar panes and the stored window placement.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/app_status_panes.h"
#include "core/app_views.h"
#include "core/app_window_pos.h"
#include "maps/map_doc.h"

namespace {

// ---- enabling of the view commands ----------------------------------------------------

TEST(ViewCommands, EnablingFollowsViewMovingMapCatalogueAndTrack) {
    struct Case {
        const char* what;
        int command;
        ViewCommandContext context;
        bool enabled;
        bool checked;
    };
    const ViewCommandContext idle{VIEW_COURSE, false, false, 5};
    auto with = [&](auto change) {
        ViewCommandContext c = idle;
        change(c);
        return c;
    };
    const Case cases[] = {
        {"flight log while it is shown", 32880, idle, false, false},
        {"fuel view from the flight log", 32884, idle, true, false},
        {"fuel view while the moving map runs", 32884, with([](auto& c) { c.movingMapRunning = true; }),
         false, false},
        {"drawn map while shown", 32881, with([](auto& c) { c.currentView = VIEW_ROUTE_MAP; }), false, false},
        {"drawn map while the moving map runs", 32881, with([](auto& c) { c.movingMapRunning = true; }),
         false, false},
        {"scanned map with maps", 32882, idle, true, false},
        {"scanned map, empty catalogue", 32882, with([](auto& c) { c.catalogueEmpty = true; }), false, false},
        {"location list, always", 32888, with([](auto& c) { c.movingMapRunning = true; }), true, false},
        {"track map with 2 points", 32889, with([](auto& c) { c.trackPoints = 2; }), true, false},
        {"track map with 1 point", 32889, with([](auto& c) { c.trackPoints = 1; }), false, false},
        {"track map while the moving map runs", 32889, with([](auto& c) { c.movingMapRunning = true; }), true,
         false},
        {"track scan, empty catalogue", 32890, with([](auto& c) { c.catalogueEmpty = true; }), false, false},
        {"track scan while shown", 32890, with([](auto& c) { c.currentView = VIEW_TRACK_SCAN; }), false,
         false},
        {"speed chart while shown", 32892, with([](auto& c) { c.currentView = VIEW_SPEED; }), false, false},
        {"altitude chart, short track", 32891, with([](auto& c) { c.trackPoints = 0; }), false, false},
        {"map button on the drawn track map", 33304, with([](auto& c) { c.currentView = VIEW_TRACK_MAP; }),
         true, true},
        {"map button on the flight log", 33304, idle, true, false},
        {"scan button on the track scan", 33305, with([](auto& c) { c.currentView = VIEW_TRACK_SCAN; }), true,
         true},
        {"scan button, empty catalogue", 33305, with([](auto& c) { c.catalogueEmpty = true; }), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool once = false;
        const CommandState state = ViewCommandState(c.command, c.context, once);
        EXPECT_EQ(state.enabled, c.enabled);
        EXPECT_EQ(state.checked, c.checked);
    }
}

TEST(ViewCommands, ScannedMapEnableOnceOverridesOneQuery) {
    ViewCommandContext context;
    context.catalogueEmpty = true;
    bool once = true;
    EXPECT_TRUE(ViewCommandState(32882, context, once).enabled);
    EXPECT_FALSE(once);
    EXPECT_FALSE(ViewCommandState(32882, context, once).enabled);
    // Other commands leave the flag alone.
    once = true;
    ViewCommandState(32881, context, once);
    EXPECT_TRUE(once);
}

// ---- switching views --------------------------------------------------------------------

struct SwitchTest : ::testing::Test {
    CMapDoc map;
    ViewSwitchHooks hooks;
    ViewSwitcher switcher{map, hooks};
    std::vector<std::string> events;

    SwitchTest() {
        hooks.clearMovingMapDisplay = [this] { events.push_back("moving map display off"); };
        hooks.releaseScannedPicture = [this] { events.push_back("release picture"); };
        hooks.setCatalogueCommand = [this](int c) { events.push_back("catalogue " + std::to_string(c)); };
        hooks.releaseCachedGrid = [this] { events.push_back("release grid"); };
        hooks.loadScannedMap = [this](int v) { events.push_back("load scan " + std::to_string(v)); };
        hooks.updateViews = [this](int v) { events.push_back("update " + std::to_string(v)); };
    }
    void show(int n) {
        events.clear();
        switcher.ShowView(n, [this](int v) { events.push_back("show " + std::to_string(v)); });
    }
};

TEST_F(SwitchTest, SwitchRunsItsStepsInOrder) {
    map.m_dCentreLat = 50.0;
    map.m_dCentreLon = 8.0;
    show(VIEW_TRACK_MAP);
    EXPECT_EQ(events,
              (std::vector<std::string>{"release picture", "catalogue 32890", "show 10", "update 10"}));
    EXPECT_EQ(map.m_dCentreLat, 1000.0);
    EXPECT_EQ(map.m_dCentreLon, 1000.0);
    // The command number is kept in a 16-bit field.
    EXPECT_EQ(static_cast<uint16_t>(map.m_nScanCommand), 32890);
    EXPECT_EQ(switcher.Previous(), VIEW_COURSE);
    EXPECT_EQ(switcher.Current(), VIEW_TRACK_MAP);

    show(VIEW_TRACK_SCAN);  // between the two track maps the display stays on
    EXPECT_EQ(events, (std::vector<std::string>{"catalogue 32882", "show 11", "load scan 11", "update 11"}));
    EXPECT_EQ(map.m_bShowRoute, 0);

    show(VIEW_FUEL);
    EXPECT_EQ(events, (std::vector<std::string>{"moving map display off", "catalogue 32882", "release grid",
                                                "show 5", "update 5"}));
    EXPECT_EQ(map.m_bShowRoute, 1);
    EXPECT_EQ(switcher.Previous(), VIEW_TRACK_SCAN);
}

TEST_F(SwitchTest, UnknownViewIsIgnored) {
    EXPECT_FALSE(switcher.ShowView(14, {}));
    EXPECT_FALSE(switcher.ShowView(0, {}));
    EXPECT_EQ(switcher.Current(), VIEW_COURSE);
}

TEST(FrameTitle, RouteViewsShowTheRouteAndTrackViewsTheTrack) {
    EXPECT_EQ(FrameTitle(VIEW_COURSE, "Rundflug", "Spur"), "Rundflug - Navora");
    EXPECT_EQ(FrameTitle(VIEW_LOC, "Rundflug", "Spur"), "Rundflug - Navora");
    EXPECT_EQ(FrameTitle(VIEW_TRACK_MAP, "Rundflug", "Spur"), "Spur - Navora");
    EXPECT_EQ(FrameTitle(VIEW_SPEED, "Rundflug", ""), "KeinName - Navora");
    EXPECT_EQ(FrameTitle(VIEW_COURSE, "", "Spur"), "KeinName - Navora");
}

// ---- status bar panes -----------------------------------------------------------------------

TEST(StatusPanes, TextsFollowMovingMapTerrainAndAircraft) {
    StatusPaneInput in;
    in.altitudeUnit = "ft";
    in.speedUnit = "kt";
    EXPECT_EQ(PositionPaneText(in), "");
    EXPECT_EQ(ElevationPaneText(in), "---");
    EXPECT_EQ(SpeedPaneText(in), "---");

    in.cursor.Set(50.0375, 8.5667);
    EXPECT_EQ(PositionPaneText(in), in.cursor.Format(1));
    in.cursorElevation = 364;
    EXPECT_EQ(ElevationPaneText(in), "364 ft");
    in.cruiseSpeed = 97.9;
    EXPECT_EQ(SpeedPaneText(in), "  97 kt");
    in.routeViewCurrent = false;
    EXPECT_EQ(SpeedPaneText(in), "---");

    // A last track point counts only while the moving map runs with 2..32768 points.
    in.lastAltitude = 3500;
    in.lastSpeedText = "105 kt";
    in.trackPoints = 40;
    EXPECT_EQ(ElevationPaneText(in), "364 ft");
    in.movingMapRunning = true;
    EXPECT_EQ(ElevationPaneText(in), "3500 / 364 ft");
    EXPECT_EQ(SpeedPaneText(in), "105 kt");
    in.cursorElevation.reset();
    EXPECT_EQ(ElevationPaneText(in), "3500 ft");
    in.trackPoints = 32769;
    EXPECT_EQ(ElevationPaneText(in), "---");
}

TEST(StatusPanes, SpeedWithoutAUsableValueStaysEmpty) {
    StatusPaneInput in;
    in.speedUnit = "kt";
    for (double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1.0e12}) {
        in.cruiseSpeed = bad;
        EXPECT_EQ(SpeedPaneText(in), "---");
    }
}

TEST(StatusPanes, WidthsFollowThePositionLabel) {
    const StatusPaneWidths w = ComputeStatusPaneWidths(61);
    EXPECT_EQ(w.position, 152);
    EXPECT_EQ(w.elevation, 152);
    EXPECT_EQ(w.speed, 76);
}

// ---- window placement ---------------------------------------------------------------------------

TEST(WindowPos, RoundTripsAndRefusesIncompleteTexts) {
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = 3;
    p.left = -8;
    p.top = 12;
    p.right = 1032;
    p.bottom = 780;
    const std::string text = FormatWindowPos(p);
    EXPECT_EQ(text, "2,3,-1,-1,-1,-1,-8,12,1032,780");
    ASSERT_TRUE(ParseWindowPos(text));
    EXPECT_EQ(*ParseWindowPos(text), p);
    EXPECT_TRUE(ParseWindowPos(text)->Maximized());
    EXPECT_TRUE(ParseWindowPos(" 0, 1, -1,-1,-1,-1, 10, 20, 650, 500 "));

    for (const char* bad :
         {"", "0,1,-1,-1,-1,-1,10,20,650", "0,1,-1,-1,-1,-1,10,20,650,500,7", "0,1,-1,-1,-1,-1,10,20,650,x",
          "0,1,-1,-1,-1,-1,10,20,,500", "-2,1,0,0,0,0,0,0,0,0", "0,1,0,0,0,0,0,0,0,99999999999"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseWindowPos(bad));
    }
}

}  // namespace
