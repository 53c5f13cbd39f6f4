#include "locations/ui/location_editor.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "locations/location_types.h"
#include "locations/quick_find.h"
#include "program_dir.h"

namespace {

const std::string kSaveGermany = "Datei »Germany« wurde verändert. Soll die Änderung gespeichert werden?";
const std::string kNameTaken = "Unter dieser Bezeichnung ist schon ein Eintrag vorhanden.";

class Editor : public ProgramDir {
protected:
    std::vector<std::string> listed(const CLocationEditor& editor) const {
        std::vector<std::string> out;
        const QListWidget* list = editor.GetControls().list;
        for (int row = 0; row < list->count(); ++row) out.push_back(list->item(row)->text().toStdString());
        return out;
    }
    static std::string selected(const CLocationEditor& editor) {
        const QListWidgetItem* item = editor.GetControls().list->currentItem();
        return item ? item->text().toStdString() : std::string();
    }
    static void choose(CLocationEditor& editor, const std::string& name) {
        const auto items = editor.GetControls().list->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name;
        editor.GetControls().list->setCurrentItem(items.front());
    }
};

TEST_F(Editor, AddsChangesRenamesAndDeletesAndSavesToItsOwnRegion) {
    CLocationEditor editor(doc, settings);
    const auto& c = editor.GetControls();
    EXPECT_EQ(c.region->currentText(), "Germany");
    EXPECT_EQ(c.type->currentText(), "Flugplatz");
    EXPECT_EQ(listed(editor), (std::vector<std::string>{"Aachen", "Bonn", "Egelsbach"}));
    choose(editor, "Egelsbach");
    EXPECT_EQ(c.ident->text(), "EDFE");
    EXPECT_EQ(c.frequency->text(), "121.725");
    EXPECT_EQ(c.runway->text(), "1166");
    EXPECT_EQ(c.direction->currentText(), "09/27");

    // A new airport, placed by its name and selected.
    c.name->setText("Zell");
    c.ident->setText("EDZL");
    c.latitude->setText("50 0 0 N");
    c.longitude->setText("7 30 0 E");
    c.elevation->setText("1200");
    c.add->click();
    EXPECT_EQ(listed(editor), (std::vector<std::string>{"Aachen", "Bonn", "Egelsbach", "Zell"}));
    EXPECT_EQ(selected(editor), "Zell");
    // Egelsbach itself was not touched by adding.
    choose(editor, "Egelsbach");
    EXPECT_EQ(c.ident->text(), "EDFE");

    // Renaming moves the entry to its sorted place and keeps it selected.
    choose(editor, "Aachen");
    c.name->setText("Xanten");
    c.change->click();
    EXPECT_EQ(listed(editor), (std::vector<std::string>{"Bonn", "Egelsbach", "Xanten", "Zell"}));
    EXPECT_EQ(selected(editor), "Xanten");

    // Choosing another entry stores the fields of the one shown.
    c.elevation->setText("250");
    choose(editor, "Bonn");
    EXPECT_EQ(editor.Lists().GetAt(TypeToListPos(WP_AIRPORT), 2).Elevation(), 250);

    // Deleting selects the entry before (here: the new first one).
    c.remove->click();
    EXPECT_EQ(listed(editor), (std::vector<std::string>{"Egelsbach", "Xanten", "Zell"}));
    EXPECT_EQ(selected(editor), "Egelsbach");
    EXPECT_TRUE(prompt.Shown().empty());

    // Meanwhile another part of the program loads Austria into the database.
    CLocation found;
    EXPECT_TRUE(settings.QuickFind().FindLocationByName("EDKA", found));
    doc.Clear();
    ASSERT_TRUE(doc.OnOpenDocument(austria()));
    const auto austriaBefore = readFileBytes(austria());

    prompt.QueueAnswer(Answer::Yes);
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kSaveGermany});
    EXPECT_EQ(namesInFile(germany(), WP_AIRPORT), (std::vector<std::string>{"Egelsbach", "Xanten", "Zell"}));
    const CLocation zell = inFile(germany(), WP_AIRPORT, "Zell");
    EXPECT_EQ(zell.GetIdent(), "EDZL");
    EXPECT_DOUBLE_EQ(zell.m_dLat, 50.0);
    EXPECT_DOUBLE_EQ(zell.m_dLon, 7.5);
    EXPECT_EQ(zell.Elevation(), 1200);
    EXPECT_EQ(inFile(germany(), WP_AIRPORT, "Xanten").Elevation(), 250);
    // Egelsbach was stored without change, position to the last bit.
    EXPECT_EQ(inFile(germany(), WP_AIRPORT, "Egelsbach").m_dLon, 8.64333);
    EXPECT_EQ(readFileBytes(austria()), austriaBefore);

    // The name index was rebuilt from the saved region.
    EXPECT_TRUE(settings.QuickFind().FindLocationByName("EDZL", found));
    EXPECT_EQ(found.GetName(), "Zell");
    EXPECT_FALSE(settings.QuickFind().FindLocationByName("Aachen", found));
    EXPECT_EQ(doc.GetRegionName(), "Germany");
    EXPECT_EQ(settings.GetRegionName(), "Germany");
}

TEST_F(Editor, LookingAtEntriesChangesNothing) {
    const auto before = readFileBytes(germany());
    CLocation location = MakeLocation("Frankfurt", WP_VOR, 0, 0);
    location.SetRegion("Germany");
    CLocationEditor editor(doc, settings, &location);
    EXPECT_EQ(editor.GetControls().type->currentText(), "VOR");
    EXPECT_EQ(selected(editor), "Frankfurt");
    editor.GetControls().type->setCurrentIndex(TypeToListPos(WP_AIRPORT));
    for (const char* name : {"Aachen", "Egelsbach", "Bonn"}) choose(editor, name);
    editor.accept();
    EXPECT_TRUE(prompt.Shown().empty());  // nothing to save, no question
    EXPECT_EQ(readFileBytes(germany()), before);
    // The caller receives the entry shown last.
    EXPECT_EQ(location.GetName(), "Bonn");
}

TEST_F(Editor, AbbrechenAndAnsweringNoWriteNothing) {
    const auto before = readFileBytes(germany());
    {
        CLocationEditor editor(doc, settings);
        editor.GetControls().name->setText("Neu");
        editor.GetControls().latitude->setText("50 N");
        editor.GetControls().longitude->setText("8 E");
        editor.AddEntry();
        editor.RemoveEntry();
        editor.RemoveEntry();
        editor.reject();
        EXPECT_EQ(editor.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(prompt.Shown().empty());
    {
        CLocationEditor editor(doc, settings);
        EXPECT_EQ(editor.Lists().Count(), 8);  // the discarded copy left nothing behind
        editor.RemoveEntry();
        prompt.QueueAnswer(Answer::No);
        editor.accept();
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kSaveGermany});
    }
    EXPECT_EQ(readFileBytes(germany()), before);
    EXPECT_FALSE(doc.IsModified());
}

// ---- refusals ---------------------------------------------------------------------------------

struct Refusal {
    const char* what;
    int type;                            // the category shown
    const char* entry;                   // the entry shown
    QLineEdit* CLocationEditor::Controls::*field;
    const char* text;
    int unit;                            // selector position, -1 to keep
    std::string message;
};

class EditorRefuses : public Editor, public ::testing::WithParamInterface<Refusal> {};

// A refused field keeps the dialog and the copy as they were, shows the
// message and puts the focus into the field. Choosing another entry is
// refused the same way and keeps the old selection.
TEST_P(EditorRefuses, ShowsTheMessageAndFocusesTheField) {
    const Refusal& r = GetParam();
    CLocationEditor editor(doc, settings);
    const auto& c = editor.GetControls();
    c.type->setCurrentIndex(TypeToListPos(r.type));
    choose(editor, r.entry);
    const CLocLists before = editor.Lists();
    QLineEdit* field = c.*(r.field);
    field->setText(QString::fromUtf8(r.text));
    if (r.unit >= 0) {
        QComboBox* selector = field == c.range ? c.rangeUnit : field == c.runway ? c.runwayUnit : c.elevationUnit;
        selector->setCurrentIndex(r.unit);
    }

    c.change->click();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(editor.focusWidget(), field);
    EXPECT_EQ(editor.Lists(), before);

    prompt.Clear();
    const int row = c.list->currentRow();
    c.list->setCurrentRow(row == 0 ? 1 : 0);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(c.list->currentRow(), row);
    EXPECT_EQ(selected(editor), r.entry);
    EXPECT_EQ(editor.Lists(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Locations, EditorRefuses,
    ::testing::Values(
        Refusal{"elevation", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::elevation, "20000", -1,
                "Die Höhe 20000 sollte zwischen -5000 und 10000 ft liegen!"},
        Refusal{"elevation in metres", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::elevation, "3100", 1,
                "Die Höhe 3100 sollte zwischen -1524 und 3048 m liegen!"},
        Refusal{"latitude", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::latitude, "95 N", -1,
                "Bitte geben Sie eine Zahl zwischen -90 und 90 ein."},
        Refusal{"frequency", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::frequency, "100", -1,
                "Die Frequenz 100.000 sollte zwischen 108.000 und 1750.000 liegen!"},
        Refusal{"short runway", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::runway, "50", -1,
                "Die Bahnlänge 50 sollte zwischen 100 und 6000 m liegen!"},
        // The record keeps a range in one byte of its own unit.
        Refusal{"range of 300 km", WP_VOR, "Frankfurt", &CLocationEditor::Controls::range, "300", 1,
                "Die Entfernung 300 sollte zwischen 0 und 255 km liegen!"},
        Refusal{"range of 256 NM", WP_VOR, "Frankfurt", &CLocationEditor::Controls::range, "256", 0,
                "Die Entfernung 256 sollte zwischen 0 und 255 NM liegen!"},
        Refusal{"name of another entry", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::name, "aachen", -1,
                kNameTaken},
        Refusal{"empty name", WP_AIRPORT, "Bonn", &CLocationEditor::Controls::name, "", -1,
                "Bitte geben Sie einen Namen ein!"}),
    [](const ::testing::TestParamInfo<Refusal>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST_F(Editor, AddingRefusesATakenNameAndANewLocationWithoutPosition) {
    CLocationEditor editor(doc, settings);
    const auto& c = editor.GetControls();
    choose(editor, "Bonn");
    editor.AddEntry();  // the fields still show Bonn
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kNameTaken});
    EXPECT_EQ(editor.focusWidget(), c.name);

    prompt.Clear();
    c.type->setCurrentIndex(TypeToListPos(WP_HELI));  // an empty list shows an empty location
    EXPECT_EQ(c.list->count(), 0);
    EXPECT_FALSE(c.change->isEnabled());
    c.name->setText("Klinik");
    editor.AddEntry();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Bitte geben Sie eine Zahl zwischen -90 und 90 ein."});
    EXPECT_EQ(editor.focusWidget(), c.latitude);
    EXPECT_EQ(editor.Lists().GetList(TypeToListPos(WP_HELI)).size(), 0u);
}

// ---- categories and regions ---------------------------------------------------------------------

TEST_F(Editor, RangeOrRunwayDirectionFollowsTheLandingSite) {
    CLocationEditor editor(doc, settings);
    const auto& c = editor.GetControls();
    EXPECT_TRUE(editor.ShowsRunwayDirection());
    EXPECT_EQ(c.rangeLabel->text(), "Ausrichtung:");
    c.type->setCurrentIndex(TypeToListPos(WP_VOR));
    EXPECT_FALSE(editor.ShowsRunwayDirection());
    EXPECT_EQ(c.range->text(), "");
    EXPECT_EQ(c.rangeLabel->text(), "Reichweite:");

    // A new gliding site starts without a runway direction: "18/36".
    c.type->setCurrentIndex(TypeToListPos(WP_SAIL));
    EXPECT_TRUE(editor.ShowsRunwayDirection());
    EXPECT_EQ(c.direction->currentText(), "18/36");

    // A free user point becomes a landing site with a runway length.
    c.type->setCurrentIndex(TypeToListPos(WP_USER));
    EXPECT_FALSE(editor.ShowsRunwayDirection());
    c.runway->setText("800");
    EXPECT_TRUE(editor.ShowsRunwayDirection());
    c.name->setText("Wiese");
    c.latitude->setText("50 N");
    c.longitude->setText("8 E");
    c.direction->setCurrentIndex(RunwayCodeToListPos(9));
    c.range->setText("999");  // hidden: not read
    editor.AddEntry();
    EXPECT_TRUE(prompt.Shown().empty());
    const CLocation wiese = editor.Lists().GetAt(TypeToListPos(WP_USER), 0);
    EXPECT_TRUE(wiese.IsLandingSite());
    EXPECT_EQ(wiese.DirectionOrRange(), 9);
}

TEST_F(Editor, FromAirportsToReportingPointsStartsAtTheAirportsIdent) {
    CLocationEditor editor(doc, settings);
    choose(editor, "Aachen");
    editor.GetControls().type->setCurrentIndex(TypeToListPos(WP_REPORT));
    EXPECT_EQ(selected(editor), "EDKA-W");
    editor.GetControls().type->setCurrentIndex(TypeToListPos(WP_AIRPORT));
    choose(editor, "Bonn");  // no ident: the first reporting point
    editor.GetControls().type->setCurrentIndex(TypeToListPos(WP_REPORT));
    EXPECT_EQ(selected(editor), "EDFE-N");
}

TEST_F(Editor, ChangingTheRegionAsksForTheRegionLeft) {
    CLocationEditor editor(doc, settings);
    const auto& c = editor.GetControls();
    choose(editor, "Bonn");
    c.elevation->setText("200");
    prompt.QueueAnswer(Answer::Yes);
    c.region->setCurrentIndex(c.region->findText("Austria"));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kSaveGermany});
    EXPECT_EQ(inFile(germany(), WP_AIRPORT, "Bonn").Elevation(), 200);
    EXPECT_EQ(editor.RegionPath(), austria());
    EXPECT_EQ(listed(editor), std::vector<std::string>{"Wien"});

    prompt.Clear();
    editor.accept();
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(settings.GetRegionName(), "Austria");
}

}  // namespace
