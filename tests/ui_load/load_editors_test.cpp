#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "aircraft/ui/load_arms_dialog.h"
#include "aircraft/ui/load_dialog.h"
#include "aircraft/ui/load_tanks_dialog.h"
#include "aircraft/ui/plane_dialog.h"
#include "core/app_startup.h"
#include "core/document_set.h"
#include "core/init_doc.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "platform/clock.h"
#include "platform/qt/app_settings_store.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace {

void selectUnit(QComboBox* selector, const char* name) {
    const int index = selector->findText(QString::fromUtf8(name));
    ASSERT_GE(index, 0) << name;
    selector->setCurrentIndex(index);
}

}  // namespace

TEST(LoadArmsDialog, StoresArmsUnitAndRowsInUse) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CPlane plane;
    CLoadArmsDialog d(plane);
    const auto& c = d.GetControls();
    EXPECT_EQ(d.windowTitle(), "Hebelarme");
    for (QLineEdit* e : c.seat) EXPECT_EQ(e->text(), "");

    // Seat row 1 is required.
    d.OkButton()->click();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Bitte geben Sie einen Hebelarm ein!"});
    EXPECT_NE(d.result(), QDialog::Accepted);

    // In cm: 1100 cm is beyond 10 m.
    selectUnit(c.armUnit, "cm");
    c.seat[0]->setText("94");
    c.seat[1]->setText("185");
    c.baggage[2]->setText("1100");
    prompt.Clear();
    d.OkButton()->click();
    EXPECT_EQ(prompt.Texts().size(), 1u);
    c.baggage[2]->setText("241");
    d.OkButton()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(plane.m_nLoadArmUnit, DIM_CM);
    EXPECT_FLOAT_EQ(plane.m_fSeatArm[1], 185);
    EXPECT_EQ(plane.m_fSeatArm[2], ArmMarker(DIM_CM));  // empty: no arm, in the new unit
    EXPECT_TRUE(plane.HasSeatArm(1));
    EXPECT_FALSE(plane.HasSeatArm(2));
    EXPECT_EQ(plane.m_nSeatRows, 2);
    EXPECT_EQ(plane.m_nBaggageCompartments, 3);
}

TEST(LoadTanksDialog, StoresVolumesArmsAndTanksInUse) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CPlane plane;
    plane.m_fTankUsable[0] = 70;
    plane.m_fTankUnusable[0] = 2;
    plane.m_fTankArm[0] = 1.22f;
    CLoadTanksDialog d(plane);
    const auto& c = d.GetControls();
    EXPECT_EQ(d.windowTitle(), "Treibstoffbehälter");
    EXPECT_EQ(c.usable[0]->text(), "70");
    EXPECT_EQ(c.arm[0]->text(), "1.22");
    EXPECT_EQ(c.usable[1]->text(), "");

    c.usable[1]->setText("5001");
    d.OkButton()->click();
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"Das Volumen 5001 sollte zwischen 0 und 5000 Liter liegen!"});
    c.usable[1]->setText("40");
    c.unusable[1]->setText("1");
    c.arm[1]->setText("1.5");
    d.OkButton()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(plane.m_fTankUsable[1], 40);
    EXPECT_FLOAT_EQ(plane.m_fTankUnusable[1], 1);
    EXPECT_FLOAT_EQ(plane.m_fTankArm[1], 1.5f);
    EXPECT_EQ(plane.m_fTankUsable[2], CPlane::kVolumeNotGiven);
    EXPECT_EQ(plane.m_nTanks, 2);

    // "Abbrechen" leaves the aircraft as it is.
    CPlane before = plane;
    CLoadTanksDialog cancel(plane);
    cancel.GetControls().usable[0]->setText("10");
    cancel.CancelButton()->click();
    EXPECT_EQ(plane, before);
}

// The menu command in a running program: "OK" stores the load, redraws and
// shows the warnings; the load is kept in the settings file.
TEST(LoadCommand, OkStoresTheLoadAndShowsTheWarnings) {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    {
        CInitDoc settings(dir.path());
        ASSERT_TRUE(settings.OnSaveDocument(settings.GetSettingsPath()));
    }
    auto run = [&dir](const std::function<void(CMainFrame&, CDocumentSet&)>& body) {
        AppHooks hooks;
        AppSettingsStore profile{dir.file("profile.ini")};
        ManualClock clock;
        CNavoraApp app(hooks, dir.path());
        ASSERT_TRUE(app.InitDocuments());
        app.LoadData();
        app.FinishLoading();
        {
            CMainFrame frame(app.Documents()->Init(), profile, hooks, theCommands(), &clock);
            RegisterLoadCommands(frame, *app.Documents());
            body(frame, *app.Documents());
        }
        ASSERT_TRUE(app.ExitInstance());
    };
    auto withDialog = [](CMainFrame& frame, const std::function<void(CLoadDialog&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<CLoadDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        EXPECT_TRUE(frame.ExecuteCommand(ID_LOAD));
    };

    run([&](CMainFrame& frame, CDocumentSet& docs) {
        int warnings = 0;
        frame.FrameQueries().showWarnings = [&warnings] { ++warnings; };
        withDialog(frame, [](CLoadDialog& d) {
            d.GetControls().seat[0]->setText("95");
            d.CancelButton()->click();
        });
        EXPECT_EQ(warnings, 0);
        EXPECT_EQ(docs.Init().Load().m_nSeat[0], 150);
        withDialog(frame, [](CLoadDialog& d) {
            d.GetControls().seat[0]->setText("95");
            d.GetControls().partial->click();
            d.GetControls().fill[0]->setText("75");
            d.OkButton()->click();
        });
        EXPECT_EQ(warnings, 1);

        // The aircraft editor opens the arm and tank editors.
        CPlaneDialog editor(docs.Plane());
        for (QPushButton* button : {editor.GetControls().arms, editor.GetControls().tanks}) {
            ASSERT_TRUE(button->isEnabled());
            QString title;
            QTimer::singleShot(0, [&title] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                title = dialog->windowTitle();
                qobject_cast<QDialog*>(dialog)->reject();
            });
            button->click();
            EXPECT_EQ(title, button == editor.GetControls().arms ? "Hebelarme" : "Treibstoffbehälter");
        }
        editor.reject();
    });
    run([](CMainFrame&, CDocumentSet& docs) {
        const CLoadDoc& load = docs.Init().Load();
        EXPECT_EQ(load.m_nSeat[0], 95);
        EXPECT_FLOAT_EQ(load.m_fFill[0], 0.75f);
    });
}
