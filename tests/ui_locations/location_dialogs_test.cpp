#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include "locations/location_types.h"
#include "locations/quick_find.h"
#include "locations/ui/location_completer.h"
#include "locations/ui/location_list_dialog.h"
#include "locations/ui/regions_dialog.h"
#include "program_dir.h"

namespace {

using LocationDialogs = ProgramDir;

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row) out << list->item(row)->text();
    return out;
}

void select(QListWidget* list, const QString& text) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    items.front()->setSelected(true);
}

TEST_F(LocationDialogs, ActivationMovesRegionsAndRebuildsTheIndex) {
    CQuickFind& index = settings.QuickFind();
    CLocation loc;
    EXPECT_FALSE(index.FindLocationByName("LOWW", loc));
    int observed = 0;
    CRegionsDialog::SetActivationObserver([&observed](const CRegionList&) { ++observed; });

    CRegionsDialog dialog(index);
    EXPECT_EQ(texts(dialog.PassiveList()), QStringList{"Austria"});
    EXPECT_EQ(texts(dialog.ActiveList()), QStringList{"Germany"});
    // Without an active region there is nothing to finish.
    dialog.DeactivateAll()->click();
    EXPECT_FALSE(dialog.DoneButton()->isEnabled());
    select(dialog.PassiveList(), "Germany");
    dialog.ActivateSelected()->click();
    EXPECT_TRUE(dialog.DoneButton()->isEnabled());
    dialog.ActivateAll()->click();
    EXPECT_EQ(texts(dialog.ActiveList()), (QStringList{"Austria", "Germany"}));
    EXPECT_TRUE(index.Regions().Entries()[0].name == "Austria" && !index.Regions().Entries()[0].active);

    // The region selected first in "Aktiv:" is the one the database shows.
    select(dialog.ActiveList(), "Germany");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(observed, 1);
    EXPECT_TRUE(index.Regions().Entries()[0].active);
    ASSERT_TRUE(index.FindLocationByName("LOWW", loc));
    EXPECT_EQ(loc.GetRegion(), "Austria");
    EXPECT_EQ(doc.GetRegionName(), "Germany");

    // Nothing changed: the dialog ends as cancelled.
    CRegionsDialog again(index);
    again.accept();
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(observed, 1);
    CRegionsDialog::SetActivationObserver({});
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(LocationDialogs, HomeAirfieldChoiceWritesTheSettingsHome) {
    CQuickFind& index = settings.QuickFind();
    CLocation egelsbach;
    ASSERT_TRUE(index.FindLocationByName("Egelsbach", egelsbach));
    settings.SetHome(egelsbach);

    CLocationListDialog dialog(settings);
    ASSERT_GE(dialog.SelectedEntry(), 0);
    EXPECT_EQ(index.Names().Text(dialog.SelectedEntry()), "Egelsbach");
    EXPECT_EQ(dialog.CategoryText(), "Flugplatz");
    EXPECT_EQ(dialog.RegionText(), "Germany");

    int ffm = -1;
    ASSERT_TRUE(index.Find("FFM", false, ffm));
    dialog.SelectEntry(ffm);
    EXPECT_EQ(dialog.CategoryText(), "VOR");
    dialog.reject();
    EXPECT_EQ(settings.GetHome().GetName(), "Egelsbach");

    CLocationListDialog choose(settings);
    int bonn = -1;
    ASSERT_TRUE(index.Find("Bonn", false, bonn));
    choose.SelectEntry(bonn);
    choose.accept();
    EXPECT_EQ(choose.result(), QDialog::Accepted);
    EXPECT_EQ(settings.GetHome().GetName(), "Bonn");
    EXPECT_DOUBLE_EQ(settings.GetHome().m_dLat, 50.7);
    EXPECT_EQ(settings.GetHome().GetRegion(), "Germany");
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(LocationDialogs, ImportWithABadLineChangesNothingAndSaysWhich) {
    const auto before = readFileBytes(germany());
    writeFileText(dir.file("neu.txt"),
                  "DELIMITER=;\nNAME;TYPE;LAT;LON;RWYDIR\nNeu;WP_USER;50;8;NONE\nFeld;WP_AIRPORT;50;8;NONE\n");
    prompt.QueueAnswer(Answer::Yes);
    prompt.QueuePath(dir.file("neu.txt"));
    doc.ImportCommand();
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{"Möchten Sie Orte aus einer Text-Datei in die Region »Germany« aufnehmen?",
                                        "Importieren",  // the file chooser
                                        "Ungültige Angabe zur Ausrichtung der Bahn. (Spalte: RWYDIR)",
                                        "In Zeile 4 wurden unzulässige Parameter gefunden!",
                                        "Das Importieren wurde abgebrochen!"}));
    EXPECT_EQ(readFileBytes(germany()), before);
    EXPECT_EQ(doc.Lists().Count(), 8);
    CLocation loc;
    EXPECT_FALSE(settings.QuickFind().FindLocationByName("Neu", loc));
}

TEST_F(LocationDialogs, CompleterOffersExactNamesFirstAndResolvesTheField) {
    QLineEdit edit;
    auto* completer = new CLocationCompleter(settings.QuickFind(), &edit);
    completer->Update("edfe");
    EXPECT_EQ(completer->Offered(), (QStringList{"EDFE", "EDFE-N", "EDFE-S"}));
    completer->Update("xyz");
    EXPECT_TRUE(completer->Offered().isEmpty());

    CLocation loc;
    edit.setText("edfe");
    ASSERT_TRUE(completer->Resolve(loc));
    EXPECT_EQ(loc.GetName(), "Egelsbach");
    edit.setText("Egels");
    EXPECT_FALSE(completer->Resolve(loc));
}

}  // namespace
