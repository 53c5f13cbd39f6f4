#include "core/app_startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app_command_line.h"
#include "core/app_first_run.h"
#include "core/app_recent_files.h"
#include "core/app_splash.h"
#include "core/calc_doc.h"
#include "core/document_set.h"
#include "core/init_doc.h"
#include "core/units.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/scripted_prompt.h"
#include "platform/string_table.h"
#include "support/temp_dir.h"
#include "views/font_doc.h"

namespace {

// A program directory and an earlier installation beside it.
struct Installations {
    TempDir root;
    std::string program = root.file("program/");
    std::string old = root.file("old/");

    Installations() {
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(old);
    }
    // A readable settings file of the earlier version.
    void writeOldSettings() const {
        CInitDoc previous(old);
        ASSERT_TRUE(previous.OnSaveDocument(old + "VX.ini"));
    }
};

struct StartupTest : ::testing::Test {
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    AppHooks hooks;
    Installations dirs;

    bool shown(int id) const { return prompt.WasShown(LoadStr(id)); }
};

// ---- first run ---------------------------------------------------------------------

TEST_F(StartupTest, DeclinedTakeOverWritesDefaultsAndPointsToTheLocationUpdate) {
    prompt.QueueAnswer(Answer::No);  // 1501: no take-over
    prompt.QueueAnswer(Answer::No);  // 1507: no new location data
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    EXPECT_TRUE(fileExists(dirs.program + "VX.ini"));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{LoadStr(1501), LoadStr(1507), LoadStr(1506)}));

    // The next start reads the file and asks nothing.
    ScriptedPrompt second;
    PromptScope secondScope(second);
    CNavoraApp again(hooks, dirs.program);
    ASSERT_TRUE(again.InitDocuments());
    EXPECT_TRUE(second.Shown().empty());
}

TEST_F(StartupTest, FolderWithoutSettingsAsksForAnotherAndNoCopiesNothing) {
    writeFileText(dirs.old + "VXplanes.pln", "planes");  // no VX.ini beside it
    prompt.QueueAnswer(Answer::Yes);                     // 1501
    prompt.QueuePath(dirs.old);
    prompt.QueueAnswer(Answer::No);  // 1505: no other folder
    prompt.QueueAnswer(Answer::No);  // 1507
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    EXPECT_TRUE(shown(1505));
    EXPECT_FALSE(fileExists(dirs.program + "VXplanes.pln"));
    EXPECT_TRUE(fileExists(dirs.program + "VX.ini"));
    EXPECT_TRUE(app.Documents()->Init().GetPreviousInstallDir().empty());
    // Taking over was accepted and no new location data came: no hint.
    EXPECT_FALSE(shown(1506));
}

TEST_F(StartupTest, TakeOverCopiesTheDataFilesAndMergesTheProfilesBeforeTheTerrain) {
    dirs.writeOldSettings();
    for (const char* name : {"VXplanes.pln", "Germany.krd", "SWISS.KRD", "notes.krdx", "VXelev.lev",
                             "SeaElev.ctb", "FlightElev.ctb"})
        writeFileText(dirs.old + name, std::string("old ") + name);
    writeFileText(dirs.program + "VXplanes.pln", "new installation");
    std::vector<std::string> seenAtMerge;
    hooks.mergeProfileIndex = [&](const std::string& oldDir, const std::string& programDir) {
        EXPECT_EQ(oldDir, dirs.old);
        EXPECT_EQ(programDir, dirs.program);
        for (const char* name : {"VXplanes.pln", "Germany.krd", "SWISS.KRD", "VXelev.lev"})
            if (fileExists(programDir + name)) seenAtMerge.push_back(name);
    };
    const std::string empty = dirs.root.file("empty/");
    std::filesystem::create_directories(empty);
    prompt.QueueAnswer(Answer::Yes);                            // 1501
    prompt.QueuePath(empty);                                    // no installation there ...
    prompt.QueueAnswer(Answer::Yes);                            // 1505: choose another folder
    prompt.QueuePath(dirs.old.substr(0, dirs.old.size() - 1));  // without the trailing '/'
    prompt.QueueAnswer(Answer::Yes);                            // 1507: new location data
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());

    for (const char* name :
         {"VXplanes.pln", "Germany.krd", "SWISS.KRD", "VXelev.lev", "SeaElev.ctb", "FlightElev.ctb"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fileExists(dirs.program + name));
        const auto bytes = readFileBytes(dirs.program + name);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("old ") + name);
    }
    EXPECT_FALSE(fileExists(dirs.program + "notes.krdx"));
    EXPECT_EQ(seenAtMerge, (std::vector<std::string>{"VXplanes.pln", "Germany.krd", "SWISS.KRD"}));
    EXPECT_EQ(app.Documents()->Init().GetPreviousInstallDir(), dirs.old);
    EXPECT_TRUE(shown(1506));
}

TEST_F(StartupTest, UnreadableEarlierSettingsSkipTheTakeOver) {
    // The right magic and version, then the file breaks off.
    writeFileBytes(dirs.old + "VX.ini", {'V', 'X', '_', 'I', 'N', 'I', 'T', 0, 40, 0, 0, 0, 'a', 'b'});
    writeFileText(dirs.old + "VXplanes.pln", "planes");
    prompt.QueueAnswer(Answer::Yes);
    prompt.QueuePath(dirs.old);
    prompt.QueueAnswer(Answer::No);
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    EXPECT_TRUE(prompt.WasShown(FormatStr(61700, "VX.ini")));
    EXPECT_FALSE(fileExists(dirs.program + "VXplanes.pln"));
}

TEST_F(StartupTest, SettingsThatCannotBeSavedStopTheStart) {
    const std::string missing = dirs.root.file("no/such/dir/");
    prompt.SetDefaultAnswer(Answer::No);
    CNavoraApp app(hooks, missing);
    EXPECT_FALSE(app.InitDocuments());
    EXPECT_TRUE(shown(1500));
    EXPECT_FALSE(shown(1507));
    EXPECT_EQ(app.Documents(), nullptr);
    EXPECT_EQ(theInitDoc(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(StartupTest, ProfilePathsAreRepairedBeforeTheSettingsAreRead) {
    std::filesystem::create_directories(dirs.program + "Elev");
    std::vector<std::string> calls;
    hooks.repairProfilePaths = [&](const std::string& ela, const std::string& elevDir) {
        calls = {ela, elevDir};
        EXPECT_TRUE(prompt.Shown().empty());
    };
    prompt.SetDefaultAnswer(Answer::No);
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    EXPECT_EQ(calls, (std::vector<std::string>{dirs.program + "VXelev.ela", dirs.program + "Elev/"}));
}

// ---- splash screen ------------------------------------------------------------------

TEST(SplashSequence, StaysThreeSecondsWhenLoadingIsFast) {
    ManualClock clock;
    int loads = 0, closes = 0;
    SplashSequence splash(
        clock, [&] { ++loads; }, [&] { ++closes; });
    splash.Start();
    splash.RunLoad();
    splash.RunLoad();
    EXPECT_EQ(loads, 1);
    clock.Advance(SplashSequence::kMinimumMs - 1);
    EXPECT_EQ(closes, 0);
    clock.Advance(1);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(splash.IsClosed());
}

TEST(SplashSequence, ClosesAsSoonAsSlowLoadingEnds) {
    ManualClock clock;
    int closes = 0;
    bool closedDuringLoad = false;
    SplashSequence* self = nullptr;
    SplashSequence splash(
        clock,
        [&] {
            clock.Advance(4500);  // the timer fires while loading
            closedDuringLoad = self->IsClosed();
        },
        [&] { ++closes; });
    self = &splash;
    splash.Start();
    splash.RunLoad();
    EXPECT_FALSE(closedDuringLoad);
    EXPECT_TRUE(splash.IsExpired());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(clock.PendingTimers(), 0u);
}

TEST_F(StartupTest, LoadingRunsTheSubsystemsInOrderWithTheirPaths) {
    prompt.SetDefaultAnswer(Answer::No);
    writeFileText(dirs.program + "FlightElev.ctb", "colours");
    std::vector<std::string> order;
    hooks.loadLocations = [&](CDocumentSet& d) {
        order.push_back("locations " + baseName(d.Loc().GetPathName()));
    };
    hooks.initAirspaceRegions = [&](CDocumentSet&) { order.push_back("airspaces"); };
    hooks.openAircraft = [&](CDocumentSet& d) {
        order.push_back("aircraft " + baseName(d.Plane().GetPathName()));
    };
    hooks.openElevGrid = [&](CDocumentSet& d) {
        order.push_back("grid " + baseName(d.Elev().GetPathName()));
    };
    hooks.openProfileIndex = [&](CDocumentSet& d) {
        order.push_back("index " + baseName(d.ElevArray().GetPathName()));
    };
    hooks.openColorTable = [&](CDocumentSet&, int kind) {
        order.push_back("colours " + std::to_string(kind));
    };
    hooks.chooseHomeAirfield = [&](CDocumentSet&) {
        order.push_back("home");
        return false;
    };
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    app.LoadData();
    EXPECT_EQ(order, (std::vector<std::string>{"locations Germany.krd", "airspaces", "aircraft VXplanes.pln",
                                               "grid VXelev.lev", "index VXelev.ela", "colours 2", "home"}));
    // A new settings file without an airfield in the active regions.
    EXPECT_EQ(app.Documents()->Init().GetHome(), CInitDoc::MakeEmptyLocation());

    // With a settings file that is not new, neither airspaces nor home are touched.
    ASSERT_TRUE(app.ExitInstance());
    order.clear();
    CNavoraApp again(hooks, dirs.program);
    ASSERT_TRUE(again.InitDocuments());
    again.LoadData();
    EXPECT_EQ(std::count(order.begin(), order.end(), "airspaces"), 0);
    EXPECT_EQ(std::count(order.begin(), order.end(), "home"), 0);
}

// ---- after the splash, shut-down ------------------------------------------------------------

TEST_F(StartupTest, SubDocumentsBecomeCurrentAfterLoadingAndAreReleasedAtTheEnd) {
    prompt.SetDefaultAnswer(Answer::No);
    writeFileText(dirs.program + "FlPlDoc.ini", "plan");
    std::vector<std::string> calls;
    hooks.openFlightPlan = [&](CDocumentSet& d) {
        calls.push_back("open " + baseName(d.FlightPlan().GetPathName()));
    };
    hooks.openScanMaps = [&](CDocumentSet&) { calls.push_back("open scan maps"); };
    hooks.saveFlightPlan = [&](CDocumentSet& d) {
        calls.push_back(fileExists(d.Init().GetSettingsPath()) ? "save plan after settings" : "save plan");
        return true;
    };
    hooks.saveScanMaps = [&](CDocumentSet& d) {
        calls.push_back("save " + baseName(d.ScanMap().GetPathName()));
        return true;
    };
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    std::filesystem::remove(dirs.program + "VX.ini");
    CInitDoc& settings = app.Documents()->Init();
    EXPECT_NE(theDimDoc(), &settings.Units());
    app.FinishLoading();
    EXPECT_EQ(theDimDoc(), &settings.Units());
    EXPECT_EQ(theFontDoc(), &settings.Font());
    EXPECT_EQ(theCalcDoc(), &settings.Calc());
    EXPECT_EQ(theLocDoc(), &app.Documents()->Loc());
    EXPECT_EQ(thePlaneDoc(), &app.Documents()->Plane());

    EXPECT_TRUE(app.ExitInstance());
    EXPECT_TRUE(fileExists(dirs.program + "VX.ini"));
    EXPECT_EQ(calls, (std::vector<std::string>{"open FlPlDoc.ini", "save plan after settings",
                                               "save ScanMaps.scm"}));
    EXPECT_EQ(theInitDoc(), nullptr);
    EXPECT_EQ(theLocDoc(), nullptr);
    EXPECT_EQ(thePlaneDoc(), nullptr);
    EXPECT_EQ(theMetDoc(), nullptr);
    EXPECT_NE(theDimDoc(), nullptr);  // back to the default record
    EXPECT_EQ(app.Documents(), nullptr);
    EXPECT_TRUE(app.ExitInstance());
}

TEST_F(StartupTest, RouteThatCannotBeOpenedEndsTheStartButKeepsTheSettings) {
    prompt.SetDefaultAnswer(Answer::No);
    CNavoraApp app(hooks, dirs.program);
    ASSERT_TRUE(app.InitDocuments());
    std::filesystem::remove(dirs.program + "VX.ini");
    EXPECT_EQ(app.RunCommandLine(ParseCommandLine({dirs.program + "Rundflug.way"})),
              CommandLineOutcome::Failed);
    EXPECT_TRUE(shown(1751));
    EXPECT_TRUE(app.ExitInstance());
    EXPECT_TRUE(fileExists(dirs.program + "VX.ini"));
}

// ---- command line -------------------------------------------------------------------------------

TEST(CommandLine, ParsesRoutesAndPrintSwitches) {
    struct Case {
        std::vector<std::string> args;
        CommandLine::Action action;
        std::string path, printer, port;
    };
    const Case cases[] = {
        {{}, CommandLine::Action::NewRoute, "", "", ""},
        {{"/home/pilot/Rundflug.way"}, CommandLine::Action::OpenRoute, "/home/pilot/Rundflug.way", "", ""},
        {{"/p", "a.way"}, CommandLine::Action::PrintRoute, "a.way", "", ""},
        {{"a.way", "-P"}, CommandLine::Action::PrintRoute, "a.way", "", ""},
        {{"/PT", "a.way", "Laser", "drv", "lp0"}, CommandLine::Action::PrintRoute, "a.way", "Laser", "lp0"},
        {{"/pt"}, CommandLine::Action::PrintRoute, "", "", ""},
        {{"/pdf/x.way"}, CommandLine::Action::OpenRoute, "/pdf/x.way", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : c.args[0]);
        const CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.action, c.action);
        EXPECT_EQ(cl.path, c.path);
        EXPECT_EQ(cl.target.printer, c.printer);
        EXPECT_EQ(cl.target.port, c.port);
    }
}

TEST(CommandLine, GoesThroughTheRouteHooks) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    AppHooks hooks;
    std::vector<std::string> calls;
    hooks.newRoute = [&] {
        calls.push_back("new");
        return true;
    };
    hooks.openRoute = [&](const std::string& p) {
        calls.push_back("open " + p);
        return p != "bad.way";
    };
    hooks.printRoute = [&](const std::string& p, const PrintTarget& t) {
        calls.push_back("print " + p + " " + t.printer);
        return true;
    };
    EXPECT_EQ(CarryOutCommandLine(ParseCommandLine({}), hooks), CommandLineOutcome::Continue);
    EXPECT_EQ(CarryOutCommandLine(ParseCommandLine({"ROUTE.WAY"}), hooks), CommandLineOutcome::Continue);
    EXPECT_EQ(CarryOutCommandLine(ParseCommandLine({"bad.way"}), hooks), CommandLineOutcome::Failed);
    EXPECT_EQ(CarryOutCommandLine(ParseCommandLine({"/pt", "a.way", "Laser"}), hooks),
              CommandLineOutcome::Finished);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"new", "open ROUTE.WAY", "open bad.way", "print a.way Laser"}));
    // The route reports its own failures.
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(CarryOutCommandLine(ParseCommandLine({"/p"}), hooks), CommandLineOutcome::Failed);
    EXPECT_TRUE(prompt.WasShown(LoadStr(1751)));
}

// ---- recent files -----------------------------------------------------------------------------------

TEST(RecentFiles, OnlyRoutesEnterTheList) {
    std::vector<std::string> added;
    SetRecentFileSink([&](const std::string& p) { added.push_back(p); });
    for (const char* path : {"/data/ROUTE.WAY", "/data/Germany.krd", "/data/VXplanes.pln", "rundflug.Way",
                             "way", "/data/old.way.bak", "/data.way/Germany.krd"})
        AddToRecentFileList(path);
    SetRecentFileSink({});
    AddToRecentFileList("late.way");
    EXPECT_EQ(added, (std::vector<std::string>{"/data/ROUTE.WAY", "rundflug.Way"}));
}

}  // namespace
