#include "route/ui/route_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <memory>

#include "core/app_hooks.h"
#include "core/app_recent_files.h"
#include "core/init_doc.h"
#include "core/ui/main_frame.h"
#include "core/units.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/qt/app_settings_store.h"
#include "platform/scripted_prompt.h"
#include "platform/string_table.h"
#include "route/way_doc.h"
#include "support/temp_dir.h"
#include "views/placeholder_text_view.h"
#include "views/text_view_tool.h"

namespace {

CWayPoint point(const std::string& name, double lat, double lon) {
    CLocation loc;
    loc.SetName(name);
    loc.Set(lat, lon);
    return CWayPoint(loc);
}

struct RouteFrame : ::testing::Test {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CInitDoc settings{dir.path()};
    AppSettingsStore profile{dir.file("profile.ini")};
    AppHooks hooks;
    CommandRegistry commands;
    ManualClock clock;
    CWayDoc route;
    std::unique_ptr<CMainFrame> frame;

    RouteFrame() {
        SetInitDoc(&settings);
        SetDimDoc(&settings.Units());
        settings.SetHome(CInitDoc::MakeDefaultHome());
        SetRecentFileSink([this](const std::string& path) { profile.AddRecentFile(path); });
        InstallRouteHooks(hooks, route);
        frame = std::make_unique<CMainFrame>(settings, profile, hooks, commands, &clock);
        RegisterRouteCommands(*frame, route, commands);
        hooks.newRoute();
    }
    ~RouteFrame() override {
        frame.reset();
        SetRouteEndsProvider({});
        SetRecentFileSink({});
        SetDimDoc(nullptr);
        SetInitDoc(nullptr);
    }
    std::string title() const { return frame->windowTitle().toStdString(); }
    bool enabled(int command) { return frame->CommandStateOf(command).enabled; }
};

TEST_F(RouteFrame, FileCommandsSaveOpenAndNameTheWindow) {
    EXPECT_EQ(title(), "KeinName - Navora");
    ASSERT_EQ(route.GetCount(), 1);  // the home airfield
    route.Append(point("Mainz", 49.97, 8.27));

    // "Speichern" of a route without a path asks for one.
    prompt.QueuePath(dir.file("trip"));
    ASSERT_TRUE(frame->ExecuteCommand(57603));
    EXPECT_TRUE(fileExists(dir.file("trip.way")));
    EXPECT_EQ(title(), "trip.way - Navora");
    EXPECT_EQ(profile.RecentFiles(), std::vector<std::string>{dir.file("trip.way")});
    EXPECT_FALSE(route.IsModified());

    // "Neu" of a changed route asks first; "Abbrechen" keeps it.
    route.SetActive(1);
    route.RemoveAt(0);
    prompt.QueueAnswer(Answer::Cancel);
    frame->ExecuteCommand(57600);
    EXPECT_EQ(prompt.Shown().back().text, FormatStr(1768, "trip.way"));
    EXPECT_EQ(route.GetCount(), 1);
    EXPECT_EQ(title(), "trip.way - Navora");

    // "Öffnen..." after "Nein" drops the change and reads the file again.
    prompt.QueuePath(dir.file("trip.way"));
    prompt.QueueAnswer(Answer::No);
    frame->ExecuteCommand(57601);
    EXPECT_EQ(route.GetCount(), 2);
    EXPECT_EQ(route.GetTitle(), "trip.way");

    // "Speichern unter..." takes the new name.
    prompt.QueuePath(dir.file("copy.way"));
    frame->ExecuteCommand(57604);
    EXPECT_EQ(title(), "copy.way - Navora");
    EXPECT_EQ(readFileBytes(dir.file("copy.way")), readFileBytes(dir.file("trip.way")));

    // The page headers of the text views name the route's ends.
    std::string first;
    std::string last;
    ASSERT_TRUE(PlaceholderTextView("Kurs").GetRouteEnds(first, last));
    EXPECT_EQ(first + " - " + last, "Frankfurt-Egelsb. - Mainz");
}

TEST_F(RouteFrame, PreviousAndNextWayPointFollowTheActiveIndex) {
    route.Append(point("Mainz", 49.97, 8.27));
    route.Append(point("Worms", 49.6, 8.36));
    route.SetActive(0);
    route.SetModifiedFlag(false);
    frame->UpdateCommandUI();
    EXPECT_FALSE(enabled(33307));
    EXPECT_TRUE(enabled(33308));

    ASSERT_TRUE(frame->ExecuteCommand(33308));
    EXPECT_EQ(route.GetActive(), 1);
    EXPECT_EQ(settings.GetMapCentre(), CLatLon(49.97, 8.27));
    ASSERT_TRUE(frame->ExecuteCommand(33308));
    EXPECT_EQ(route.GetActive(), 2);
    EXPECT_FALSE(enabled(33308));
    EXPECT_TRUE(enabled(33307));
    ASSERT_TRUE(frame->ExecuteCommand(33307));
    EXPECT_EQ(route.GetActive(), 1);
    EXPECT_FALSE(route.IsModified());
}

TEST_F(RouteFrame, ClosingAsksAboutAChangedRoute) {
    frame->show();
    route.Append(point("Mainz", 49.97, 8.27));
    prompt.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(route.IsModified());
    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(route.IsModified());
}

TEST_F(RouteFrame, AFileThatCannotBeReadLeavesANewRouteAndLeavesTheRecentList) {
    writeFileText(dir.file("bad.way"), "not a route at all, but long enough for a header");
    profile.AddRecentFile(dir.file("bad.way"));
    prompt.QueueAnswer(Answer::Yes);  // "convert?" of a header of no version
    frame->ExecuteCommand(57616);
    EXPECT_EQ(prompt.Texts().back(), "Flugstrecke kann nicht eingelesen werden.");
    EXPECT_EQ(route.GetCount(), 0);
    EXPECT_EQ(title(), "bad.way - Navora");

    writeFileText(dir.file("short.way"), "VX WAY");
    profile.AddRecentFile(dir.file("short.way"));
    frame->ExecuteCommand(57616);
    EXPECT_EQ(prompt.Texts().back(), FormatStr(61700, "short.way"));
    EXPECT_EQ(title(), "KeinName - Navora");
    EXPECT_EQ(profile.RecentFiles(), std::vector<std::string>{dir.file("bad.way")});
}

}  // namespace
