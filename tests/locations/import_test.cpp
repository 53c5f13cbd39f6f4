#include <gtest/gtest.h>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "locations/quick_find.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace {

const char* kAborted = "Das Importieren wurde abgebrochen!";
const char* kDone = "Das Importieren wurde erfolgreich abgeschlossen!";

class Import : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CLocDoc doc;

    void SetUp() override {
        // A region with one airport already in it.
        CLocation bonn;
        bonn.SetName("Bonn");
        bonn.SetType(WP_AIRPORT);
        bonn.Set(50.7, 7.16);
        doc.Add(bonn);
        ASSERT_TRUE(doc.Save(dir.file("Germany.krd"), false));
        doc.SetPathName(dir.file("Germany.krd"));
    }
    ImportResult run(const std::string& text) {
        writeFileText(dir.file("import.txt"), text);
        prompt.Clear();
        return doc.ImportFile(dir.file("import.txt"));
    }
    CLocation only(int type) const {
        EXPECT_EQ(doc.GetList(TypeToListPos(type)).size(), 1u);
        return doc.GetAt(TypeToListPos(type), 0);
    }
};

TEST_F(Import, AirportWithDefaultCountryAndEmptyLastValue) {
    const ImportResult r = run(
        "DELIMITER=;\r\n"
        "NAME;IDENT;TYPE;LAT;LON;RWYDIR;COUNTRY=ED\r\n"
        "Frankfurt-Egelsb.;EDFE;WP_AIRPORT;50 10 30;8 40 15;9;\r\n"
        "\r\n\r\n");
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kDone});
    int at = 0;
    ASSERT_TRUE(doc.Find(TypeToListPos(WP_AIRPORT), "Frankfurt-Egelsb.", at));
    const CLocation loc = doc.GetAt(TypeToListPos(WP_AIRPORT), at);
    EXPECT_NEAR(loc.m_dLat, 50.175, 1e-9);
    EXPECT_NEAR(loc.m_dLon, 8.670833333, 1e-8);
    EXPECT_EQ(loc.DirectionOrRange(), 9);
    EXPECT_EQ(loc.GetCountry(), "ED");
    EXPECT_EQ(loc.GetIdent(), "EDFE");
    EXPECT_FALSE(loc.GetElevation());
    // Saved to the region's file at once.
    CLocDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(dir.file("Germany.krd")));
    EXPECT_EQ(reread.Lists(), doc.Lists());
}

TEST_F(Import, ValuesOfEveryColumn) {
    const ImportResult r = run(
        "DELIMITER = |\n"
        "TYPE|NAME|LAT|LON|ELEV|ELEV_IN|VAR|FREQ|RANGE|RANGE_IN|RWYLEN|SURFACE\n"
        "WP_NDB|Müritz|53 30 S|12 15 W|80|DIM_METER|2 W|372|50|DIM_KM|NONE|0\n"
        "WP_VOR | Walda |48.5|11.2|NONE|DIM_FEET|1 E|116,45||DIM_NM|NONE|1\n"
        "wp_airport|Feld|48|11|NONE|DIM_FEET|0|NONE|NONE|DIM_NM|NONE|1\n");
    ASSERT_TRUE(r.completed) << ::testing::PrintToString(prompt.Texts());
    EXPECT_EQ(r.added, 3);
    const CLocation ndb = only(WP_NDB);
    EXPECT_EQ(ndb.GetName(), "Müritz");
    EXPECT_EQ(ndb.m_dLat, -53.5);
    EXPECT_EQ(ndb.m_dLon, -12.25);
    EXPECT_EQ(ndb.Elevation(), 80);
    EXPECT_EQ(ndb.GetElevationUnit(), DIM_METER);
    EXPECT_EQ(ndb.GetVariation(), -2);
    EXPECT_EQ(ndb.FrequencyCode(), 372000);
    EXPECT_EQ(ndb.DirectionOrRange(), 50);
    EXPECT_EQ(ndb.GetRangeUnit(), DIM_KM);
    EXPECT_TRUE(ndb.IsUnpaved());
    const CLocation vor = only(WP_VOR);
    EXPECT_EQ(vor.FrequencyCode(), 116450);  // a decimal comma
    EXPECT_EQ(vor.DirectionOrRange(), 0);
    EXPECT_FALSE(vor.IsUnpaved());
    // Type names are case-sensitive: a free user point without a runway.
    EXPECT_EQ(only(WP_USER).GetName(), "Feld");
}

TEST_F(Import, RunwayNumbersBecomeDirectionCodes) {
    const struct {
        int runway;
        int code;
    } cases[] = {{1, 1}, {17, 17}, {18, 0}, {19, 1}, {27, 9}, {35, 17}, {36, 0}};
    std::string text = "DELIMITER=;\nNAME;TYPE;LAT;LON;RWYDIR;RWYLEN\n";
    for (const auto& c : cases) text += "P" + std::to_string(c.runway) + ";WP_AIRPORT;50;8;" + std::to_string(c.runway) + ";800\n";
    ASSERT_TRUE(run(text).completed);
    for (const auto& c : cases) {
        int at = 0;
        ASSERT_TRUE(doc.Find(TypeToListPos(WP_AIRPORT), "P" + std::to_string(c.runway), at));
        EXPECT_EQ(doc.GetAt(TypeToListPos(WP_AIRPORT), at).DirectionOrRange(), c.code) << c.runway;
    }
}

TEST_F(Import, SameNameReplacesOnlyWithExactCase) {
    const ImportResult r = run(
        "DELIMITER=;\nNAME;TYPE;LAT;LON;RWYDIR;ELEV\n"
        "Bonn;WP_AIRPORT;50.8;7.2;9;300\n"
        "BONN;WP_AIRPORT;50.8;7.2;9;300\n"
        "Bonn;WP_SAIL;50.8;7.2;9;300\n");
    ASSERT_TRUE(r.completed);
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.added, 2);
    const CLocLists::List& airports = doc.GetList(TypeToListPos(WP_AIRPORT));
    ASSERT_EQ(airports.size(), 2u);
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_AIRPORT), 0).GetName(), "Bonn");
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_AIRPORT), 0).Elevation(), 300);
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_AIRPORT), 1).GetName(), "BONN");
}

// ---- refused files: nothing changes ----------------------------------------------------------------

struct Refused {
    const char* what;
    std::string text;
    std::vector<std::string> shown;
};

class ImportRefused : public Import, public ::testing::WithParamInterface<Refused> {};

TEST_P(ImportRefused, ShowsWhyAndChangesNothing) {
    const auto fileBefore = readFileBytes(dir.file("Germany.krd"));
    const CLocLists listsBefore = doc.Lists();
    const ImportResult r = run(GetParam().text);
    EXPECT_TRUE(r.aborted);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.added + r.replaced, 0);
    EXPECT_EQ(prompt.Texts(), GetParam().shown);
    EXPECT_EQ(doc.Lists(), listsBefore);
    EXPECT_EQ(readFileBytes(dir.file("Germany.krd")), fileBefore);
}

const char* kHeader = "DELIMITER=;\nNAME;TYPE;LAT;LON;RWYDIR;RWYLEN;RANGE;RANGE_IN\n";
const char* kGood = "Gut;WP_AIRPORT;50;8;9;800;NONE;DIM_NM\n";

std::string withHeader(const std::string& lines) { return kHeader + std::string(kGood) + lines; }

const std::string kLine1 = "In Zeile 1 müssen Sie ein Zeichen zur Trennung der Parameter festlegen, z.B. DELIMITER=;";

INSTANTIATE_TEST_SUITE_P(
    Locations, ImportRefused,
    ::testing::Values(
        Refused{"two-character delimiter", "DELIMITER=;;\nNAME\nx\n", {kLine1, kAborted}},
        Refused{"blank delimiter", "DELIMITER= \nNAME\nx\n", {kLine1, kAborted}},
        Refused{"no delimiter line", "SEPARATOR=;\nNAME\nx\n", {kLine1, kAborted}},
        Refused{"ends after line 1", "DELIMITER=;\n", {kAborted}},
        Refused{"unknown first column", "DELIMITER=;\nNAMEN;TYPE\nx;y\n",
                {"In Zeile 2 haben Sie in der 0. Spalte den unbekannten Parameter »NAMEN« angekündigt.", kAborted}},
        Refused{"column names are case-sensitive", "DELIMITER=;\nNAME;type\nx;y\n",
                {"In Zeile 2 haben Sie in der 1. Spalte den unbekannten Parameter »type« angekündigt.", kAborted}},
        Refused{"too many columns", "DELIMITER=;\nNAME;;;;;;;;;;;;;;;;;;x\n",
                {"In Zeile 2 haben Sie 19 Parameter definiert, obwohl pro Ort höchstens 18 Parameter vorgesehen "
                 "sind.",
                 kAborted}},
        Refused{"one value too many", "DELIMITER=;\nNAME;TYPE;LAT;LON;RWYDIR;RWYLEN;RANGE;RANGE_IN\n"
                                      "Gut;WP_AIRPORT;50;8;9;800;NONE;DIM_NM;x\n",
                {"In Zeile 3 haben Sie 9 Parameter definiert, aber in Zeile 2 haben Sie 8 Parameter angekündigt.",
                 kAborted}},
        Refused{"airport without runway direction",
                "DELIMITER=;\nNAME;TYPE;LAT;LON\nGut;WP_USER;50;8\nFeld;WP_AIRPORT;50;8\n",
                {"Ungültige Angabe zur Ausrichtung der Bahn. (Spalte: RWYDIR)",
                 "In Zeile 4 wurden unzulässige Parameter gefunden!", kAborted}},
        Refused{"range of 300 km", withHeader("Funk;WP_NDB;50;8;NONE;NONE;300;DIM_KM\n"),
                {"Der Wert 300 sollte zwischen 0 und 255 liegen!", "In Zeile 4 wurden unzulässige Parameter gefunden!",
                 kAborted}},
        Refused{"runway beyond 16 bits", withHeader("Lang;WP_AIRPORT;50;8;9;70000;NONE;DIM_NM\n"),
                {"Der Wert 70000 sollte zwischen 100 und 5000 liegen!",
                 "In Zeile 4 wurden unzulässige Parameter gefunden!", kAborted}},
        Refused{"text for a number", withHeader("Feld;WP_AIRPORT;50;8;neun;800;NONE;DIM_NM\n"),
                {"Der Wert »neun« ist keine gültige Zahl (Spalte: RWYDIR)",
                 "In Zeile 4 wurden unzulässige Parameter gefunden!", kAborted}},
        Refused{"no latitude", withHeader("Feld;WP_AIRPORT;Nord;8;9;800;NONE;DIM_NM\n"),
                {"Ungültiger Breitengrad (Spalte: LAT)", "In Zeile 4 wurden unzulässige Parameter gefunden!",
                 kAborted}},
        // An empty line between locations ends the import without a message of its own.
        Refused{"blank line inside", withHeader("\n" + std::string(kGood)), {kAborted}},
        Refused{"line too long", withHeader(std::string(520, 'x') + "\n"),
                {"Die Zeile 4 ist länger als 511 Zeichen.", kAborted}}),
    [](const ::testing::TestParamInfo<Refused>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST_F(Import, CommandAsksImportsAndRebuildsTheIndex) {
    CInitDoc settings(dir.path());
    SetInitDoc(&settings);
    CQuickFind& index = settings.QuickFind();
    index.Regions().Insert({"Germany", -1, true});
    index.Attach(&doc);
    index.SetRegionDir(dir.path());
    doc.SetRegionIndex(0);
    settings.SetRegionPath(dir.file("Other.krd"));
    writeFileText(dir.file("new.txt"), "DELIMITER=;\nNAME;TYPE;LAT;LON\nNeu;WP_USER;50;8\n");

    prompt.QueueAnswer(Answer::No);
    doc.ImportCommand();
    EXPECT_EQ(doc.Lists().Count(), 1);
    EXPECT_EQ(settings.GetRegionName(), "Other");  // declined before a file was chosen

    prompt.QueueAnswer(Answer::Yes);
    prompt.QueuePath(dir.file("new.txt"));
    doc.ImportCommand();
    SetInitDoc(nullptr);
    EXPECT_EQ(doc.Lists().Count(), 2);
    EXPECT_EQ(settings.GetRegionName(), "Germany");
    EXPECT_EQ(index.Regions().Entries()[0].count, 2);
    CLocation loc;
    EXPECT_TRUE(index.FindLocationByName("neu", loc));
    EXPECT_EQ(loc.GetRegion(), "Germany");
}

}  // namespace
