#include "core/ui/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <memory>

#include "core/app_recent_files.h"
#include "core/init_doc.h"
#include "core/ui/menus.h"
#include "maps/map_doc.h"
#include "platform/clock.h"
#include "platform/qt/app_settings_store.h"
#include "platform/scripted_prompt.h"
#include "platform/string_table.h"
#include "support/temp_dir.h"

namespace {

QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Takes dropped files without a drag session of the window system.
struct DropFrame : CMainFrame {
    using CMainFrame::CMainFrame;
    using CMainFrame::dropEvent;
};

struct FrameTest : ::testing::Test {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CInitDoc settings{dir.path()};
    AppSettingsStore profile{dir.file("profile.ini")};
    AppHooks hooks;
    CommandRegistry commands;
    ManualClock clock;
    std::unique_ptr<CMainFrame> frame;

    CMainFrame& make() {
        frame = std::make_unique<DropFrame>(settings, profile, hooks, commands, &clock);
        return *frame;
    }
    QWidget* visibleView() const { return frame->findChild<QStackedWidget*>("Views")->currentWidget(); }
    void trigger(int command) { frame->Action(command)->trigger(); }
};

// Compares a built menu with its table, item by item.
void expectMenuMatches(QMenu* menu, const std::vector<MenuItem>& items, const CMainFrame& frame) {
    SCOPED_TRACE(menu->title().toStdString());
    QList<QAction*> actions = menu->actions();
    actions.removeIf([](QAction* a) { return !a->isVisible(); });
    int i = 0;
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::RecentFiles) {
            ++i;  // the placeholder of an empty list
            continue;
        }
        ASSERT_LT(i, actions.size());
        QAction* a = actions[i++];
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                EXPECT_TRUE(a->isSeparator());
                break;
            case MenuItem::Kind::SubMenu:
                ASSERT_NE(a->menu(), nullptr);
                EXPECT_EQ(a->menu()->title(), QString::fromUtf8(item.text));
                expectMenuMatches(a->menu(), item.children, frame);
                break;
            case MenuItem::Kind::Command: {
                const CommandText* text = FindCommandText(item.id);
                ASSERT_NE(text, nullptr) << item.id;
                EXPECT_EQ(a, frame.Action(item.id)) << item.id;
                EXPECT_EQ(a->text(), QString::fromUtf8(text->menuText));
                EXPECT_EQ(a->statusTip(), q(FlyByText(item.id)));
                EXPECT_FALSE(a->statusTip().isEmpty()) << item.id;
                break;
            }
            case MenuItem::Kind::Aircraft:
                EXPECT_EQ(a->text(), QString::fromUtf8(kNoAircraftText));
                EXPECT_FALSE(a->isEnabled());
                break;
            case MenuItem::Kind::RecentFiles:
                break;
        }
    }
    EXPECT_EQ(i, actions.size());
}

TEST_F(FrameTest, MenusCarryEveryCommandWithItsTexts) {
    make();
    const QList<QAction*> top = frame->menuBar()->actions();
    const std::vector<MenuItem>& table = MainMenuBar();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(table.size()));
    QStringList titles;
    for (size_t i = 0; i < table.size(); ++i) {
        titles << top[static_cast<qsizetype>(i)]->text();
        expectMenuMatches(top[static_cast<qsizetype>(i)]->menu(), table[i].children, *frame);
    }
    EXPECT_EQ(titles, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "Flug&strecke", "&Flugzeuge",
                                   "&Ortsdaten", "&Aufzeichnung", "&Verschiedenes", "&?"}));
    // A few the rest of the program relies on.
    EXPECT_EQ(frame->Action(32771)->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(frame->Action(32792)->toolTip(), QString::fromUtf8("Rückflug"));
    EXPECT_EQ(frame->Action(57664)->text(), QString::fromUtf8("Inf&o über Navora..."));
    EXPECT_EQ(frame->AircraftMenu()->title(), "&Flugzeuge");
}

TEST_F(FrameTest, UnregisteredCommandsStayDisabledAndRegisteredOnesRun) {
    int weather = 0;
    commands.Register(32920, [&] { ++weather; });
    make();
    for (int id : {32771, 32792, 32828, 32893, 32894, 32924, 57603, 57607, 57634, 33307, 33308, 57601})
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    ASSERT_TRUE(frame->Action(32920)->isEnabled());
    trigger(32920);
    EXPECT_EQ(weather, 1);
    // Registered after the window was built: enabled at the next idle update.
    commands.Register(32924, [] {});
    frame->UpdateCommandUI();
    EXPECT_TRUE(frame->Action(32924)->isEnabled());
}

TEST_F(FrameTest, ViewCommandsSwitchThePageAndTheTitle) {
    hooks.routeTitle = [] { return std::string("Rundflug"); };
    make();
    frame->FrameQueries().trackTitle = [] { return std::string("Spur"); };
    frame->FrameQueries().trackPointCount = [] { return 3L; };
    frame->UpdateCommandUI();
    EXPECT_EQ(frame->windowTitle(), "Rundflug - Navora");
    EXPECT_EQ(visibleView()->objectName(), "Course View");
    EXPECT_TRUE(visibleView()->findChild<QLabel*>()->text().contains("Kurs + Zeit"));
    EXPECT_FALSE(frame->Action(32880)->isEnabled());

    trigger(32887);
    EXPECT_EQ(visibleView(), frame->ViewWindow(VIEW_PLANE));
    EXPECT_EQ(visibleView()->objectName(), "Plane View");
    EXPECT_EQ(frame->windowTitle(), "Rundflug - Navora");

    trigger(32889);
    EXPECT_EQ(frame->CurrentView(), VIEW_TRACK_MAP);
    EXPECT_EQ(visibleView()->objectName(), "Track View");
    EXPECT_EQ(frame->windowTitle(), "Spur - Navora");
    EXPECT_TRUE(frame->Action(33304)->isChecked());

    trigger(33304);  // from a track view the map button shows the track's map
    EXPECT_EQ(frame->CurrentView(), VIEW_TRACK_MAP);
    trigger(32880);
    EXPECT_EQ(frame->windowTitle(), "Rundflug - Navora");
    trigger(33304);
    EXPECT_EQ(frame->CurrentView(), VIEW_ROUTE_MAP);

    // Views 3 and 11 are one window; without scanned maps neither can be chosen.
    EXPECT_EQ(frame->ViewWindow(VIEW_SCAN_MAP), frame->ViewWindow(VIEW_TRACK_SCAN));
    EXPECT_FALSE(frame->Action(32882)->isEnabled());
    EXPECT_FALSE(frame->ExecuteCommand(32882));
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(FrameTest, ScannedMapWithoutMapsIsReported) {
    make();
    frame->EnableScannedMapOnce();
    EXPECT_TRUE(frame->ExecuteCommand(32882));
    EXPECT_TRUE(prompt.WasShown(LoadStr(1877)));
    EXPECT_EQ(frame->CurrentView(), VIEW_COURSE);
}

TEST_F(FrameTest, TheVisibleViewHandlesItsOwnCommands) {
    int printed = 0;
    RegisterViewFactory(VIEW_WAY, [&](QWidget* parent) {
        ViewPage page;
        page.widget = new QLabel("Wegdaten", parent);
        page.state = [](int c) -> std::optional<CommandState> {
            if (c == 57607) return CommandState{true, false};
            return std::nullopt;
        };
        page.execute = [&](int c) { return c == 57607 && ++printed; };
        return page;
    });
    make();
    ClearViewFactories();
    EXPECT_EQ(frame->ViewWindow(VIEW_WAY)->objectName(), "Way View");
    EXPECT_FALSE(frame->Action(57607)->isEnabled());
    trigger(32886);
    EXPECT_TRUE(frame->Action(57607)->isEnabled());
    trigger(57607);
    EXPECT_EQ(printed, 1);
    trigger(32880);
    EXPECT_FALSE(frame->Action(57607)->isEnabled());
}

TEST_F(FrameTest, SixToolbarsAndTheStatusBarToggleWithTicks) {
    make();
    QStringList titles, names;
    for (int i = 0; i < 6; ++i) {
        titles << frame->ToolBarAt(i)->windowTitle();
        names << frame->ToolBarAt(i)->objectName();
        EXPECT_EQ(frame->toolBarArea(frame->ToolBarAt(i)), Qt::TopToolBarArea);
    }
    EXPECT_EQ(titles,
              (QStringList{"Datei", "Ansichten", "GPS", "Kartensymbole", "Wegpunkt", "Gezeichnete Karte"}));
    EXPECT_EQ(names, (QStringList{"ToolBar59392", "ToolBar148", "ToolBar150", "ToolBar152", "ToolBar154",
                                  "ToolBar156"}));
    EXPECT_TRUE(frame->toolBarBreak(frame->ToolBarAt(3)));
    EXPECT_FALSE(frame->toolBarBreak(frame->ToolBarAt(1)));
    EXPECT_EQ(frame->ToolBarAt(1)->actions().first(), frame->Action(32880));
    EXPECT_FALSE(frame->Action(32880)->icon().isNull());

    for (int id : {59392, 32896, 32897, 32898, 32899, 32900, 59393})
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
    trigger(32897);
    EXPECT_TRUE(frame->ToolBarAt(2)->isHidden());
    EXPECT_FALSE(frame->Action(32897)->isChecked());
    trigger(59393);
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(frame->Action(59393)->isChecked());
    trigger(32897);
    EXPECT_FALSE(frame->ToolBarAt(2)->isHidden());
    EXPECT_TRUE(frame->Action(32897)->isChecked());
}

TEST_F(FrameTest, PlacementAndBarsSurviveARestart) {
    make();
    frame->setGeometry(QRect(60, 70, 700, 500));
    frame->ShowWithPlacement();
    trigger(32898);
    frame->close();
    EXPECT_EQ(profile.GetString("Settings", "WindowPos"), "0,1,-1,-1,-1,-1,60,70,760,570");

    make();
    frame->ShowWithPlacement();
    EXPECT_EQ(frame->geometry(), QRect(60, 70, 700, 500));
    EXPECT_TRUE(frame->ToolBarAt(3)->isHidden());
    EXPECT_FALSE(frame->Action(32898)->isChecked());
    frame->showMaximized();
    QApplication::processEvents();
    frame->close();
    const std::string stored = profile.GetString("Settings", "WindowPos");
    EXPECT_EQ(stored.substr(0, 4), "2,3,") << stored;

    make();
    frame->ShowWithPlacement();
    EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
    frame->close();

    // A placement that does not parse leaves the default one.
    profile.SetString("Settings", "WindowPos", "2,3,-1,-1");
    make();
    frame->ShowWithPlacement();
    EXPECT_FALSE(frame->windowState() & Qt::WindowMaximized);
}

TEST_F(FrameTest, ARouteThatMayNotCloseKeepsTheWindowOpen) {
    hooks.canCloseRoute = [] { return false; };
    make();
    frame->ShowWithPlacement();
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(profile.GetString("Settings", "WindowPos").empty());
}

TEST_F(FrameTest, SignalOnSaveTogglesTheSettingWithABeep) {
    make();
    EXPECT_FALSE(frame->Action(33306)->isChecked());
    trigger(33306);
    EXPECT_TRUE(settings.GetSignalOnSave());
    EXPECT_TRUE(frame->Action(33306)->isChecked());
    EXPECT_EQ(prompt.Beeps(), 1);
    trigger(33306);
    EXPECT_FALSE(settings.GetSignalOnSave());
    EXPECT_FALSE(frame->Action(33306)->isChecked());
    EXPECT_EQ(prompt.Beeps(), 1);
}

TEST_F(FrameTest, AircraftEntriesFollowTheList) {
    make();
    frame->SetAircraftNames({"C150", "D-EABC"}, 1);
    QList<QAction*> items = frame->AircraftMenu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[3]->text(), "C150");
    EXPECT_FALSE(items[3]->isChecked());
    EXPECT_TRUE(items[4]->isChecked());
    EXPECT_EQ(frame->Action(32809), items[4]);
    EXPECT_EQ(
        items[4]->statusTip(),
        QString::fromUtf8("Ersetzt die aktuellen Flugzeugdaten durch die des ausgewählten Flugzeuges."));
    frame->SetAircraftNames({}, -1);
    items = frame->AircraftMenu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[3]->text(), "Fehlt");
    frame->UpdateCommandUI();
    EXPECT_FALSE(items[3]->isEnabled());
}

TEST_F(FrameTest, StatusPanesShowPositionElevationAndSpeed) {
    make();
    QLabel* position = frame->StatusPane(300);
    QLabel* elevation = frame->StatusPane(301);
    QLabel* speed = frame->StatusPane(302);
    EXPECT_EQ(position->width(), elevation->width());
    EXPECT_EQ(speed->width(), position->width() / 2);
    EXPECT_TRUE(position->text().isEmpty());
    EXPECT_FALSE(position->isEnabled());
    EXPECT_EQ(elevation->text(), "---");
    EXPECT_EQ(speed->text(), "---");

    settings.Map().m_dCentreLat = 50.0;
    settings.Map().m_dCentreLon = 8.5;
    frame->AddStatusSource([](StatusPaneInput& in) {
        in.cruiseSpeed = 95.0;
        in.speedUnit = "kt";
        in.cursorElevation = 420;
    });
    frame->UpdateCommandUI();
    EXPECT_EQ(position->text(), q(CLatLon(50.0, 8.5).Format(1)));
    EXPECT_TRUE(position->isEnabled());
    EXPECT_EQ(elevation->text(), "420 ft");
    EXPECT_EQ(speed->text(), "  95 kt");

    // Switching views clears the map cursor.
    trigger(32886);
    EXPECT_TRUE(position->text().isEmpty());
}

TEST_F(FrameTest, WindowTimersFireOnceUnlessKilled) {
    make();
    int fired = 0;
    frame->SetTimerHandler(MainFrameLink::kScanMapLoadTimer, [&] { ++fired; });
    frame->SetFrameTimer(MainFrameLink::kScanMapLoadTimer, 100);
    frame->SetFrameTimer(MainFrameLink::kScanMapLoadTimer, 200);  // restarts
    clock.Advance(150);
    EXPECT_EQ(fired, 0);
    clock.Advance(50);
    EXPECT_EQ(fired, 1);
    clock.Advance(1000);
    EXPECT_EQ(fired, 1);
    frame->SetFrameTimer(MainFrameLink::kScanMapLoadTimer, 100);
    frame->KillFrameTimer(MainFrameLink::kScanMapLoadTimer);
    clock.Advance(1000);
    EXPECT_EQ(fired, 1);
}

TEST_F(FrameTest, RoutesOpenFromTheRecentListAndWhenDropped) {
    SetRecentFileSink([this](const std::string& path) { profile.AddRecentFile(path); });
    AddToRecentFileList(dir.file("ROUTE.WAY"));
    AddToRecentFileList(dir.file("Germany.krd"));
    SetRecentFileSink({});
    ASSERT_EQ(profile.RecentFiles(), std::vector<std::string>{dir.file("ROUTE.WAY")});

    std::vector<std::string> opened;
    hooks.openRoute = [&](const std::string& path) {
        opened.push_back(path);
        return true;
    };
    make();
    QMenu* fileMenu = frame->menuBar()->actions().first()->menu();
    emit fileMenu->aboutToShow();
    QAction* recent = frame->Action(57616);
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->text().endsWith("ROUTE.WAY"));
    EXPECT_TRUE(recent->isEnabled());
    recent->trigger();

    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(q(dir.file("Germany.krd"))), QUrl::fromLocalFile(q(dir.file("Rundflug.way")))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<DropFrame&>(*frame).dropEvent(&drop);
    EXPECT_EQ(opened, (std::vector<std::string>{dir.file("ROUTE.WAY"), dir.file("Rundflug.way")}));
}

TEST_F(FrameTest, WithoutRouteSupportOpeningIsDisabledAndDropsAreRefused) {
    make();
    EXPECT_FALSE(frame->Action(57601)->isEnabled());
    EXPECT_FALSE(frame->OpenRouteFile(dir.file("a.way")));
    EXPECT_TRUE(prompt.WasShown(LoadStr(1751)));
}

}  // namespace
