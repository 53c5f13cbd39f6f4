#include "aircraft/ui/plane_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "aircraft/fixtures.h"
#include "aircraft/plane_file.h"
#include "aircraft/ui/met_dialog.h"
#include "core/app_startup.h"
#include "core/document_set.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "platform/clock.h"
#include "platform/qt/app_settings_store.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace {

// The ticked aircraft entry of the menu ("" when none is ticked).
std::string checkedAircraft(const CMainFrame& frame) {
    for (int command = CPlaneDoc::kFirstPlaneCommand; command <= CPlaneDoc::kLastPlaneCommand; ++command) {
        QAction* action = frame.Action(command);
        if (!action) break;
        if (action->isChecked()) return action->text().toStdString();
    }
    return {};
}

// One run of the program in `dir`: start-up with its settings file and
// aircraft database, the main window with the aircraft commands, `body`,
// and the shut-down that saves the settings.
void runProgram(const TempDir& dir, const std::function<void(CMainFrame&, CDocumentSet&)>& body) {
    AppHooks hooks;
    hooks.openAircraft = [](CDocumentSet& d) { d.Plane().OnOpenDocument(d.Plane().GetPathName()); };
    AppSettingsStore profile{dir.file("profile.ini")};
    ManualClock clock;
    CNavoraApp app(hooks, dir.path());
    ASSERT_TRUE(app.InitDocuments());
    app.LoadData();
    app.FinishLoading();
    {
        CMainFrame frame(app.Documents()->Init(), profile, hooks, theCommands(), &clock);
        RegisterAircraftDialogCommands(frame, *app.Documents());
        body(frame, *app.Documents());
    }
    ASSERT_TRUE(app.ExitInstance());
}

TEST(AircraftMenu, TheChosenAircraftIsCurrentAgainAfterARestart) {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    WritePlaneFile(dir.file("VXplanes.pln"),
                   {samplePlane("Bölkow"), samplePlane("C172"), samplePlane("D-EFGH")});
    {
        CInitDoc settings(dir.path());
        ASSERT_TRUE(settings.OnSaveDocument(settings.GetSettingsPath()));
    }

    runProgram(dir, [](CMainFrame& frame, CDocumentSet& docs) {
        // The settings name no aircraft of the list: the first is current.
        EXPECT_EQ(checkedAircraft(frame), "Bölkow");
        ASSERT_TRUE(frame.ExecuteCommand(CPlaneDoc::kFirstPlaneCommand + 2));
        EXPECT_EQ(checkedAircraft(frame), "D-EFGH");
        EXPECT_EQ(docs.Init().GetPlaneName(), "D-EFGH");
    });
    runProgram(dir, [](CMainFrame& frame, CDocumentSet& docs) {
        EXPECT_EQ(docs.Plane().GetCurrentName(), "D-EFGH");
        EXPECT_EQ(checkedAircraft(frame), "D-EFGH");
        EXPECT_TRUE(frame.CommandStateOf(CPlaneDoc::kFirstPlaneCommand + 2).checked);
        ASSERT_TRUE(frame.ExecuteCommand(CPlaneDoc::kFirstPlaneCommand));
    });
    runProgram(dir, [](CMainFrame& frame, CDocumentSet& docs) {
        EXPECT_EQ(docs.Plane().GetCurrentName(), "Bölkow");
        EXPECT_EQ(checkedAircraft(frame), "Bölkow");
    });
    EXPECT_TRUE(prompt.Texts().empty());
}

TEST(WeatherCommand, OkWritesIntoTheWeatherOfTheProgram) {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CDocumentSet docs(dir.path());
    AppSettingsStore profile{dir.file("profile.ini")};
    AppHooks hooks;
    ManualClock clock;
    CMainFrame frame(docs.Init(), profile, hooks, theCommands(), &clock);
    RegisterAircraftDialogCommands(frame, docs);

    for (bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto* d = dynamic_cast<CMetDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->GetControls().departure.temperature->setText("25");
            if (ok)
                d->accept();
            else
                d->reject();
        });
        ASSERT_TRUE(frame.ExecuteCommand(ID_WEATHER));
        EXPECT_EQ(docs.Met().m_nDepartureTemperature, ok ? 25 : 15);
    }
}

}  // namespace
