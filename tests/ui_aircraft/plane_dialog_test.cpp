#include "aircraft/ui/plane_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "aircraft/fixtures.h"
#include "aircraft/plane_file.h"
#include "aircraft/ui/plane_commands.h"
#include "core/document_set.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "platform/clock.h"
#include "platform/qt/app_settings_store.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace {

using Controls = CPlaneDialog::Controls;

const char* const kSaveQuestion =
    "Datei »VXplanes.pln« wurde verändert. Soll die Änderung gespeichert werden?";
const char* const kDuplicate = "Unter dieser Bezeichnung ist schon ein Eintrag vorhanden.";

std::vector<std::string> namesOf(const std::vector<CPlane>& list) {
    std::vector<std::string> names;
    for (const CPlane& p : list) names.push_back(p.m_strName);
    return names;
}

std::vector<CPlane> planesInFile(const std::string& path) {
    PlaneFileContents contents;
    EXPECT_EQ(ReadPlaneFile(path, contents), PlaneReadResult::Ok);
    return contents.planes;
}

// The aircraft entries of the menu and the ticked one.
std::vector<std::string> menuNames(const CMainFrame& frame, std::string* checked = nullptr) {
    std::vector<std::string> names;
    for (int command = CPlaneDoc::kFirstPlaneCommand; command <= CPlaneDoc::kLastPlaneCommand; ++command) {
        QAction* action = frame.Action(command);
        if (!action) break;
        names.push_back(action->text().toStdString());
        if (checked && action->isChecked()) *checked = names.back();
    }
    return names;
}

// Runs a command whose dialog is worked by `work` once it is open.
void runWithOpenDialog(int command, std::function<void(QDialog&)> work) {
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog);
    });
    EXPECT_TRUE(theCommands().Execute(command));
}

// A database of two aircraft; the settings name the second as current.
struct PlaneEditorTest : ::testing::Test {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CDocumentSet docs{dir.path()};
    CPlaneDoc& planes = docs.Plane();
    std::string path = dir.file("VXplanes.pln");

    void SetUp() override {
        WritePlaneFile(path, {samplePlane("C172"), samplePlane("D-EFGH")});
        docs.Init().SetPlaneName("D-EFGH");
        planes.SetPathName(path);
        ASSERT_TRUE(planes.OnOpenDocument(path));
        planes.FillMenu();
    }
};

TEST_F(PlaneEditorTest, AddsChangesAndRemovesOnACopyOfTheList) {
    CPlaneDialog d(planes);
    d.show();
    const Controls& c = d.GetControls();
    EXPECT_EQ(d.GetSelection(), 1);  // the current aircraft
    EXPECT_EQ(c.name->text(), "D-EFGH");
    EXPECT_EQ(c.cruiseSpeed->text(), "105");
    EXPECT_EQ(c.emptyMassUnit->text(), "kg");
    EXPECT_EQ(c.emptyMomentUnit->text(), "mkg");

    // "Hinzufügen" places the new aircraft by name and shows it.
    c.name->setText("B209");
    c.cruiseSpeed->setText("118");
    ASSERT_TRUE(d.Add());
    EXPECT_EQ(namesOf(d.GetList()), (std::vector<std::string>{"B209", "C172", "D-EFGH"}));
    EXPECT_EQ(d.GetSelection(), 0);
    EXPECT_EQ(c.list->currentRow(), 0);
    EXPECT_EQ(d.GetList()[0].m_fCruiseSpeed, 118.0f);
    EXPECT_EQ(d.GetList()[2].m_fCruiseSpeed, 105.0f);  // the template stays as it was
    EXPECT_EQ(planes.GetCount(), 2);                   // only the copy changed

    // The same name again is refused.
    EXPECT_FALSE(d.Add());
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kDuplicate});
    EXPECT_EQ(d.focusWidget(), c.name);
    EXPECT_EQ(d.GetList().size(), 3u);

    // "&Ändern" stores into the shown entry.
    c.cruiseSpeed->setText("121");
    ASSERT_TRUE(d.Change());
    EXPECT_EQ(d.GetList()[0].m_fCruiseSpeed, 121.0f);

    // Choosing another entry stores the shown one first.
    c.climbRate->setText("700");
    c.list->setCurrentRow(2);
    EXPECT_EQ(d.GetSelection(), 2);
    EXPECT_EQ(d.GetList()[0].m_fClimbRate, 700.0f);
    EXPECT_EQ(c.name->text(), "D-EFGH");

    // "&Entfernen" selects the entry before.
    d.Remove();
    EXPECT_EQ(namesOf(d.GetList()), (std::vector<std::string>{"B209", "C172"}));
    EXPECT_EQ(d.GetSelection(), 1);
    EXPECT_EQ(c.name->text(), "C172");
    d.Remove();
    d.Remove();
    EXPECT_TRUE(d.GetList().empty());
    EXPECT_FALSE(c.change->isEnabled());
    EXPECT_FALSE(c.remove->isEnabled());
    EXPECT_TRUE(d.IsListChanged());
    EXPECT_EQ(prompt.Texts().size(), 1u);
}

TEST_F(PlaneEditorTest, RefusedFieldShowsItsMessageTakesTheFocusAndKeepsTheEntry) {
    struct Case {
        const char* what;
        QLineEdit* Controls::*field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"climb speed", &Controls::climbSpeed, "4",
         "Die Fluggeschwindigkeit 4 sollte zwischen 5 und 1000 kt liegen!"},
        {"no descent rate", &Controls::descentRate, "abc", "Bitte geben Sie eine Steigrate (in ft/min) ein!"},
        {"cost", &Controls::cost, "30001", IntegerRangeMessage(0, 30000)},
        {"forward behind aft", &Controls::towForward, "1.25",
         "Der vordere Hebelarm 1.25 muß kleiner als der hintere (1.20) sein!"},
        {"empty above TOW", &Controls::emptyMass, "886",
         "Das Leergewicht 886 darf nicht größer als das Gewicht 885 bei TOW sein!"},
        {"name of another entry", &Controls::name, "C172", kDuplicate},
    };
    const std::vector<CPlane> original = planes.GetPlanes();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        prompt.Clear();
        CPlaneDialog d(planes);
        d.show();
        const Controls& c = d.GetControls();
        QLineEdit* field = c.*k.field;
        field->setText(QString::fromUtf8(k.text));

        EXPECT_FALSE(d.Change());
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{k.message});
        EXPECT_EQ(d.focusWidget(), field);

        // Neither another entry nor "&Fertig" gets past the refused field.
        c.list->setCurrentRow(0);
        EXPECT_EQ(d.GetSelection(), 1);
        EXPECT_EQ(c.list->currentRow(), 1);
        d.accept();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(prompt.Texts().size(), 3u);
        EXPECT_EQ(d.GetList(), original);
        d.reject();
    }
    EXPECT_EQ(planesInFile(path), original);
}

TEST_F(PlaneEditorTest, CancelKeepsTheDatabaseAndWritesNoFile) {
    const std::vector<CPlane> original = planes.GetPlanes();
    std::filesystem::remove(path);
    {
        CPlaneDialog d(planes);
        d.show();
        d.GetControls().name->setText("NEU");
        ASSERT_TRUE(d.Add());
        d.Remove();
        d.reject();
    }
    EXPECT_EQ(planes.GetPlanes(), original);
    EXPECT_FALSE(planes.IsModified());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(prompt.Texts().empty());
}

TEST_F(PlaneEditorTest, DoneSavesAfterTheQuestionAndRefillsTheMenu) {
    AppSettingsStore profile{dir.file("profile.ini")};
    AppHooks hooks;
    ManualClock clock;
    CMainFrame frame(docs.Init(), profile, hooks, theCommands(), &clock);
    RegisterAircraftDialogCommands(frame, docs);
    std::string checked;
    EXPECT_EQ(menuNames(frame, &checked), (std::vector<std::string>{"C172", "D-EFGH"}));
    EXPECT_EQ(checked, "D-EFGH");

    // A list handed back unchanged asks nothing.
    runWithOpenDialog(ID_PLANE_EDIT, [](QDialog& d) { d.accept(); });
    EXPECT_TRUE(prompt.Texts().empty());

    prompt.QueueAnswer(Answer::Yes);
    runWithOpenDialog(ID_PLANE_EDIT, [](QDialog& dialog) {
        auto& d = dynamic_cast<CPlaneDialog&>(dialog);
        d.GetControls().name->setText("A-NEU");
        ASSERT_TRUE(d.Add());
        d.accept();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kSaveQuestion});
    EXPECT_EQ(namesOf(planesInFile(path)), (std::vector<std::string>{"A-NEU", "C172", "D-EFGH"}));
    EXPECT_FALSE(planes.IsModified());
    EXPECT_EQ(menuNames(frame, &checked), (std::vector<std::string>{"A-NEU", "C172", "D-EFGH"}));
    EXPECT_EQ(checked, "D-EFGH");
    EXPECT_EQ(planes.GetCurrentName(), "D-EFGH");
}

TEST_F(PlaneEditorTest, SubEditorsChangeTheShownAircraftAndDoneStoresIt) {
    SetPlaneLoadEditors(
        [](CPlane& p, QWidget*) {
            p.m_nSeatRows = 3;
            p.m_fSeatArm[2] = 2.5f;
            return true;
        },
        {});
    {
        CPlaneDialog d(planes);
        d.show();
        const Controls& c = d.GetControls();
        EXPECT_TRUE(c.arms->isEnabled());
        EXPECT_FALSE(c.tanks->isEnabled());  // no editor installed
        c.arms->click();

        QTimer::singleShot(0, [] {
            auto* runway = dynamic_cast<CPlaneRunwayDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(runway, nullptr);
            runway->GetControls().landing[1].roll->setText("120");
            runway->accept();
        });
        c.runway->click();
        EXPECT_EQ(d.GetShownPlane().m_Landing.m_fRoll[1], 120.0f);
        EXPECT_FALSE(d.IsListChanged());  // not stored yet

        prompt.QueueAnswer(Answer::Yes);
        d.accept();
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kSaveQuestion});
    }
    SetPlaneLoadEditors({}, {});
    const std::vector<CPlane> saved = planesInFile(path);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].m_nSeatRows, 3);
    EXPECT_EQ(saved[1].m_fSeatArm[2], 2.5f);
    EXPECT_EQ(saved[1].m_Landing.m_fRoll[1], 120.0f);
    EXPECT_EQ(saved[0], samplePlane("C172"));
}

}  // namespace
