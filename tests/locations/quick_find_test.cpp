#include "locations/quick_find.h"

#include <gtest/gtest.h>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "locations/loc_startup.h"
#include "locations/name_key.h"
#include "platform/scripted_prompt.h"
#include "region_fixtures.h"
#include "support/temp_dir.h"

namespace {

CLocation place(const std::string& name, int type, double lat, double lon, const std::string& ident = "") {
    CLocation loc;
    loc.SetName(name);
    loc.SetIdent(ident);
    loc.SetType(type);
    loc.Set(lat, lon);
    return loc;
}

class NameIndex : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CInitDoc settings{dir.path()};
    CQuickFind& index = settings.QuickFind();
    CLocDoc doc;

    void writeRegion(const std::string& file, const std::vector<CLocation>& locations) {
        CLocDoc region;
        for (const auto& loc : locations) region.Add(loc);
        ASSERT_TRUE(region.Save(dir.file(file), false));
    }
    void setRegions(std::initializer_list<std::pair<const char*, bool>> regions) {
        index.Regions().Clear();
        for (const auto& [name, active] : regions) index.Regions().Insert({name, -1, active});
    }
    // Scans the folder and builds the index as start-up does.
    int load() {
        doc.SetPathName(settings.GetRegionPath());
        index.Attach(&doc);
        const int current = index.ScanRegions(settings);
        index.RebuildIndex();
        return current;
    }
    std::vector<std::string> regionNames() const {
        std::vector<std::string> out;
        for (const auto& e : index.Regions().Entries()) out.push_back(e.name + (e.active ? "*" : ""));
        return out;
    }
};

// ---- scanning -------------------------------------------------------------------------------

TEST_F(NameIndex, ScanBringsTheRegionListUpToDate) {
    writeRegion("Germany.krd", {place("Egelsbach", WP_AIRPORT, 49.96, 8.64)});
    writeRegion("alps.KRD", {place("Zugspitze", WP_USER, 47.42, 10.98), place("Watzmann", WP_USER, 47.55, 12.92)});
    // An old file (converted after the question) and one out of order.
    RecordFields old;
    old.name = "Bern";
    old.lat = 46.9;
    old.lon = 7.5;
    writeFileBytes(dir.file("Schweiz.krd"), RegionFileBytes(3, {old}));
    RecordFields b = old, a = old;
    b.name = "Wien";
    a.name = "Graz";
    writeFileBytes(dir.file("Austria.krd"), RegionFileBytes(5, {b, a}));
    setRegions({{"Gone", true}, {"Germany", true}, {"Austria", false}});
    settings.SetRegionPath(dir.file("Austria.krd"));

    prompt.QueueAnswer(Answer::Yes);
    const int current = load();
    EXPECT_EQ(regionNames(), (std::vector<std::string>{"alps", "Austria", "Germany*", "Schweiz"}));
    EXPECT_EQ(current, 2);  // Austria is not active: the first active region
    EXPECT_EQ(settings.GetRegionPath(), dir.file("Germany.krd"));
    EXPECT_EQ(doc.GetPathName(), dir.file("Germany.krd"));
    EXPECT_EQ(doc.Lists().Count(), 1);
    EXPECT_EQ(index.Regions().Entries()[0].count, 2);
    EXPECT_EQ(index.RegionPath(0), dir.file("alps.KRD"));
    // One question, for the old file; both repaired files are written back.
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{
                                  "Die Ortsdaten liegen noch im alten Format vor. Wollen Sie die Datei »Schweiz« "
                                  "umwandeln?"});
    EXPECT_EQ(readFileBytes(dir.file("Schweiz.krd"))[7], '4');
    const auto austria = readFileBytes(dir.file("Austria.krd"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(austria.data() + 20)), "Graz");
    // Only the active region is in the index.
    EXPECT_EQ(index.Names().Count(), 1);
}

TEST_F(NameIndex, DeclinedConversionIsAskedOnceAndTheFileKept) {
    RecordFields old;
    old.name = "Bern";
    old.lat = 46.9;
    old.lon = 7.5;
    const auto bytes = RegionFileBytes(2, {old});
    writeFileBytes(dir.file("Schweiz.krd"), bytes);
    setRegions({{"Schweiz", true}});
    settings.SetRegionPath(dir.file("Schweiz.krd"));
    EXPECT_EQ(load(), 0);  // questions get the answer No
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{
                                  "Die Ortsdaten liegen noch im alten Format vor. Wollen Sie die Datei »Schweiz« "
                                  "umwandeln?",
                                  "Ortsdaten können nicht eingelesen werden."}));
    EXPECT_EQ(index.Names().Count(), 0);
    EXPECT_FALSE(doc.Save(doc.GetPathName(), false));
    EXPECT_EQ(readFileBytes(dir.file("Schweiz.krd")), bytes);
}

TEST_F(NameIndex, CurrentRegionChoice) {
    writeRegion("A.krd", {place("a", WP_USER, 1, 1)});
    writeRegion("B.krd", {place("b", WP_USER, 1, 1)});
    writeRegion("C.krd", {place("c", WP_USER, 1, 1)});
    const struct {
        std::vector<std::pair<const char*, bool>> regions;
        int current;
        const char* activeAfter;
    } cases[] = {
        {{{"A", false}, {"B", true}, {"C", true}}, 1, "B*"},
        {{{"A", false}, {"B", false}, {"C", true}}, 2, "C*"},
        {{{"A", false}, {"B", false}, {"C", false}}, 0, "A*"},  // none active: the first becomes active
    };
    for (const auto& c : cases) {
        index.Regions().Clear();
        for (const auto& [name, active] : c.regions) index.Regions().Insert({name, -1, active});
        settings.SetRegionPath(dir.file("B.krd"));
        EXPECT_EQ(load(), c.current);
        EXPECT_EQ(regionNames()[c.current], c.activeAfter);
        EXPECT_EQ(settings.GetRegionName(), std::string(c.activeAfter, 1));
    }
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(NameIndex, ActivationLoadsTheShownRegionAndRebuildsOnChange) {
    writeRegion("A.krd", {place("a", WP_USER, 1, 1)});
    writeRegion("B.krd", {place("b", WP_USER, 1, 1)});
    writeRegion("C.krd", {place("c", WP_USER, 1, 1)});
    setRegions({{"A", true}, {"B", false}, {"C", false}});
    settings.SetRegionPath(dir.file("A.krd"));
    load();
    EXPECT_TRUE(index.ApplyActivation({false, true, true}, -1));
    EXPECT_EQ(regionNames(), (std::vector<std::string>{"A", "B*", "C*"}));
    EXPECT_EQ(doc.GetPathName(), dir.file("B.krd"));
    EXPECT_EQ(doc.GetRegionIndex(), 1);
    int at = 0;
    EXPECT_TRUE(index.Find("c", false, at));
    EXPECT_FALSE(index.Find("a", false, at));
    // Only another region to show: loaded, but the index stays as it is.
    EXPECT_FALSE(index.ApplyActivation({false, true, true}, 2));
    EXPECT_EQ(doc.GetPathName(), dir.file("C.krd"));
    EXPECT_TRUE(index.Find("b", false, at));
}

TEST_F(NameIndex, MissingRegionsAreReported) {
    EXPECT_EQ(load(), -1);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Im Navora-Verzeichnis wurden keine Ortsdaten (*.krd) gefunden!"});

    // A vanished "Germany" is reported only when the settings came from a file.
    writeRegion("Austria.krd", {place("Graz", WP_USER, 47, 15)});
    setRegions({{"Germany", true}, {"Austria", true}});
    ASSERT_TRUE(settings.OnSaveDocument(settings.GetSettingsPath()));
    CInitDoc fromFile(dir.path());
    ASSERT_TRUE(fromFile.OnOpenDocument(fromFile.GetSettingsPath()));
    prompt.Clear();
    CLocDoc other;
    fromFile.QuickFind().Attach(&other);
    EXPECT_EQ(fromFile.QuickFind().ScanRegions(fromFile), 0);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Region »Germany« wurde nicht mehr gefunden!"});
}

TEST_F(NameIndex, StartUpActivatesAndLoadsTheCurrentRegionAndChoosesAHome) {
    CLocation invalid = place("Aigen", WP_AIRPORT, 47.5, 14.1);
    invalid.SetVariation(200);
    writeRegion("Austria.krd", {invalid, place("Aaa", WP_VOR, 47, 15), place("Graz", WP_AIRPORT, 47, 15.4, "LOWG"),
                                place("Wien", WP_AIRPORT, 48.1, 16.6, "LOWW")});
    ASSERT_TRUE(settings.IsNew());
    // The settings' own region (Germany) has no file: the first region starts.
    EXPECT_EQ(LoadLocationDatabase(settings, doc), 0);
    EXPECT_EQ(regionNames(), (std::vector<std::string>{"Austria*"}));
    EXPECT_EQ(doc.GetPathName(), dir.file("Austria.krd"));
    EXPECT_EQ(doc.Lists().Count(), 4);
    EXPECT_EQ(doc.GetRegionIndex(), 0);

    EXPECT_TRUE(ChooseHomeAirfield(settings));
    EXPECT_EQ(settings.GetHome().GetName(), "Graz");  // the invalid Aigen is passed over
    EXPECT_EQ(settings.GetHome().GetRegion(), "Austria");

    index.Regions().Entries()[0].active = false;
    index.RebuildIndex();
    EXPECT_FALSE(ChooseHomeAirfield(settings));
    EXPECT_EQ(settings.GetHome(), CInitDoc::MakeEmptyLocation());
}

TEST_F(NameIndex, NewSettingsStartWithTheirOwnRegionWhenItIsThere) {
    writeRegion("Germany.krd", {place("Egelsbach", WP_AIRPORT, 49.96, 8.64, "EDFE")});
    writeRegion("Austria.krd", {place("Graz", WP_AIRPORT, 47, 15.4, "LOWG")});
    ASSERT_TRUE(settings.IsNew());
    EXPECT_EQ(LoadLocationDatabase(settings, doc), 1);
    EXPECT_EQ(regionNames(), (std::vector<std::string>{"Austria", "Germany*"}));
    EXPECT_EQ(doc.GetPathName(), dir.file("Germany.krd"));
    EXPECT_TRUE(ChooseHomeAirfield(settings));
    EXPECT_EQ(settings.GetHome().GetName(), "Egelsbach");
}

// ---- lookup by name ------------------------------------------------------------------------------

class Lookup : public NameIndex {
protected:
    void SetUp() override {
        CLocation noPosition = place("Irgendwo", WP_USER, 1000.0, 1000.0);
        writeRegion("Alpha.krd", {place("Frankfurt-Egelsb.", WP_AIRPORT, 49.96, 8.64, "EDFE"),
                                  place("Frankfurt", WP_VOR, 50.05, 8.64, "FFM"), place("Kirn", WP_USER, 49.8, 7.4, "KIRN"),
                                  place("St. Peter", WP_USER, 48, 8), place("Stade", WP_AIRPORT, 53.56, 9.5),
                                  place("St.Gallen", WP_AIRPORT, 47.5, 9.6), noPosition});
        writeRegion("Beta.krd", {place("Frankfurt", WP_NDB, 50.06, 8.65)});
        writeRegion("Gamma.krd", {place("Frankfurt", WP_NDB, 50.07, 8.66)});
        setRegions({{"Alpha", true}, {"Beta", true}, {"Gamma", true}});
        settings.SetRegionPath(dir.file("Alpha.krd"));
        load();
    }
};

TEST_F(Lookup, NameAndIdentEntries) {
    // 9 names, plus the idents EDFE and FFM (Kirn's ident equals its name).
    EXPECT_EQ(index.Names().Count(), 11);
    EXPECT_EQ(index.Positions().Count(), 8);  // not the location without a position

    int found = -1;
    ASSERT_TRUE(index.Find("edfe", false, found));
    EXPECT_EQ(index.Names().Text(found), "EDFE");
    CLocation loc;
    int region = -1;
    ASSERT_TRUE(index.LocationOf(found, loc, region));
    EXPECT_EQ(loc.GetName(), "Frankfurt-Egelsb.");
    EXPECT_EQ(loc.GetRegion(), "Alpha");
    EXPECT_EQ(region, 0);
    EXPECT_TRUE(index.Find("EDFE", true, found));
    EXPECT_FALSE(index.Find("Edfe", true, found));
    EXPECT_FALSE(index.Find("Frank", false, found));
    EXPECT_FALSE(index.LocationOf(99, loc, region));
}

TEST_F(Lookup, SameNameInSeveralRegionsFormsOneRun) {
    int first = -1, last = -1;
    ASSERT_TRUE(index.Range("FRANKFURT", first, last));
    ASSERT_EQ(last - first, 2);
    std::vector<int> regions;
    for (int i = first; i <= last; ++i) {
        CLocation loc;
        int region = -1;
        ASSERT_TRUE(index.LocationOf(i, loc, region));
        regions.push_back(region);
    }
    EXPECT_EQ(regions, (std::vector<int>{0, 1, 2}));
    CLocation loc;
    ASSERT_TRUE(index.FindLocationByName("frankfurt", loc));
    EXPECT_EQ(loc.GetType(), WP_VOR);
    EXPECT_FALSE(index.FindLocationByName("Irgendwo", loc));  // found, but without a position
}

TEST_F(Lookup, CompletionAndAmbiguousPrefixes) {
    std::string text = "stad";
    EXPECT_TRUE(index.Complete(text, 4));
    EXPECT_EQ(text, "Stade");
    text = "Fran";
    EXPECT_TRUE(index.Complete(text, 4));
    EXPECT_EQ(text.rfind("Frankfurt", 0), 0u);
    text = "Xyz";
    EXPECT_FALSE(index.Complete(text, 3));
    EXPECT_EQ(text, "Xyz");

    int at = -1, first = -1, last = -1;
    ASSERT_TRUE(index.Find("St.Gallen", false, at));
    // "St." compares only "St": St. Peter, St.Gallen and Stade.
    EXPECT_TRUE(index.AmbiguousPrefix(3, at, first, last));
    EXPECT_EQ(last - first, 2);
    EXPECT_FALSE(index.AmbiguousPrefix(4, at, first, last));
    ASSERT_TRUE(index.Find("Kirn", false, at));
    EXPECT_FALSE(index.AmbiguousPrefix(1, at, first, last));
}

TEST(EmptyIndex, FindsNothing) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CQuickFind index;
    int at = 0, first = 0, last = 0;
    std::string text = "Egel";
    CLocation loc;
    EXPECT_FALSE(index.Find("Egelsbach", false, at));
    EXPECT_FALSE(index.Range("Egelsbach", first, last));
    EXPECT_FALSE(index.Complete(text, 4));
    EXPECT_FALSE(index.FirstAirfield(loc));
    EXPECT_FALSE(index.StartSearch(CLatLon::MakeBox(50, 8, 10)));
    EXPECT_TRUE(index.MakeRoom(0));
    EXPECT_TRUE(prompt.Shown().empty());
}

// ---- lookup by position -----------------------------------------------------------------------------

TEST_F(NameIndex, PositionSearchServesRegionByRegionAcrossBorders) {
    // Two regions along a common border, their locations interleaved by latitude.
    writeRegion("East.krd", {place("E1", WP_USER, 47.05, 9.01), place("E2", WP_NDB, 47.25, 9.02)});
    writeRegion("West.krd", {place("W1", WP_USER, 47.00, 8.99), place("W2", WP_USER, 47.20, 8.98),
                             place("Far", WP_USER, 49.0, 9.0)});
    writeRegion("Pacific.krd", {place("Fiji", WP_USER, -17.0, 179.95), place("Tonga", WP_USER, -17.1, -179.95)});
    setRegions({{"East", true}, {"Pacific", true}, {"West", true}});
    settings.SetRegionPath(dir.file("West.krd"));
    load();
    // The document holds an edited region; lookups must leave it alone.
    CLocation unsaved = place("Neu", WP_USER, 47.1, 9.0);
    doc.Add(unsaved);

    auto search = [&](const LatLonBox& box) {
        std::vector<std::string> hits;
        if (!index.StartSearch(box)) return hits;
        CLocation loc;
        int region = -1;
        while (index.NextHit(loc, region)) hits.push_back(loc.GetRegion() + ":" + loc.GetName());
        return hits;
    };
    EXPECT_EQ(search(CLatLon::MakeBox(47.1, 9.0, 0.3)),
              (std::vector<std::string>{"West:W1", "West:W2", "East:E1", "East:E2"}));
    EXPECT_EQ(search(CLatLon::MakeBox(-17.05, 180.0, 0.2)), (std::vector<std::string>{"Pacific:Tonga", "Pacific:Fiji"}));
    EXPECT_TRUE(search(CLatLon::MakeBox(30, 0, 1)).empty());

    EXPECT_EQ(doc.GetPathName(), dir.file("West.krd"));
    EXPECT_EQ(doc.Lists().Count(), 4);
    int at = 0;
    EXPECT_TRUE(doc.Find(TypeToListPos(WP_USER), "Neu", at));
}

}  // namespace
