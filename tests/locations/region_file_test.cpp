#include <gtest/gtest.h>

#include <filesystem>

#include "locations/loc_doc.h"
#include "locations/name_key.h"
#include "platform/scripted_prompt.h"
#include "region_fixtures.h"
#include "support/temp_dir.h"

namespace {

class RegionFile : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};

    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) {
        writeFileBytes(dir.file(name), bytes);
        return dir.file(name);
    }
    static std::vector<std::string> names(const CLocDoc& doc, int listPos) {
        std::vector<std::string> out;
        for (const auto& rec : doc.GetList(listPos)) out.push_back(NameKeyText(PackedName(rec)));
        return out;
    }
};

RecordFields rec(const std::string& name, uint8_t type, int32_t frequency) {
    RecordFields r;
    r.name = name;
    r.lat = 50.5;
    r.lon = 7.25;
    r.type = type;
    r.frequency = frequency;
    return r;
}

// ---- formats ----------------------------------------------------------------------------

class RegionFormats : public RegionFile, public ::testing::WithParamInterface<int> {};

TEST_P(RegionFormats, LoadWithEveryConversionAndSaveAsNewest) {
    const int format = GetParam();
    const bool old = format < 5;
    // Frequencies in the file's unit: x 100 before format 5.
    RecordFields vor = rec("Aachen", WP_VOR, old ? 11330 : 113300);
    vor.ident = "ACH";
    RecordFields report = rec("ABCD-Nord", WP_REPORT, old ? 12345 : 123450);
    RecordFields field = rec("Bonn", WP_AIRPORT, old ? 12172 : 121725);
    field.runwayLength = 800;
    field.directionOrRange = 9;
    RecordFields ndb = rec("Cola", WP_NDB, old ? 32000 : 320000);
    RecordFields user = rec("Dorf", WP_USER, 0);
    user.directionOrRange = 5;  // a range: no runway length, so no landing site
    RecordFields mhz = rec("Egelsbach", WP_AIRPORT, old ? 13090 : 130900);
    for (RecordFields* r : {&vor, &report, &field, &ndb, &user, &mhz}) r->country = "ED";
    const std::string path = write("Germany.krd", RegionFileBytes(format, {report, vor, field, ndb, user, mhz}));
    const auto before = readFileBytes(path);

    prompt.QueueAnswer(Answer::Yes);
    CLocDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.IsConverted(), old);
    EXPECT_EQ(prompt.Shown().size(), old ? 1u : 0u);
    EXPECT_EQ(readFileBytes(path), before);  // loading alone writes nothing

    EXPECT_EQ(names(doc, TypeToListPos(WP_VOR)), std::vector<std::string>{"Aachen"});
    EXPECT_EQ(names(doc, TypeToListPos(WP_REPORT)), std::vector<std::string>{"ABCD-Nord"});
    EXPECT_EQ(names(doc, TypeToListPos(WP_AIRPORT)), (std::vector<std::string>{"Bonn", "Egelsbach"}));
    EXPECT_EQ(names(doc, TypeToListPos(WP_NDB)), std::vector<std::string>{"Cola"});
    EXPECT_EQ(names(doc, TypeToListPos(WP_USER)), std::vector<std::string>{"Dorf"});

    const CLocation a = doc.GetAt(TypeToListPos(WP_VOR), 0);
    EXPECT_EQ(a.FrequencyCode(), 113300);
    EXPECT_EQ(a.GetIdent(), format == 1 ? "" : "ACH");
    EXPECT_EQ(a.GetCountry(), "ED");  // formats 1 and 2 take it from the region's name
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_REPORT), 0).FrequencyCode(), 123450);
    const CLocation bonn = doc.GetAt(TypeToListPos(WP_AIRPORT), 0);
    EXPECT_EQ(bonn.FrequencyCode(), 121725);  // the 25 kHz channel gets its 5 back
    EXPECT_EQ(bonn.DirectionOrRange(), format <= 3 ? 18 : 9);
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_AIRPORT), 1).FrequencyCode(), 130900);
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_NDB), 0).FrequencyCode(), 320000);
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_USER), 0).DirectionOrRange(), 5);
    if (format == 1) {
        EXPECT_EQ(a.GetElevationUnit(), DIM_FEET);
        EXPECT_EQ(a.GetRangeUnit(), DIM_NM);
        EXPECT_EQ(a.GetRunwayUnit(), DIM_METER);
    }
    if (format <= 2) {
        EXPECT_EQ(a.GetSlopeUnit(), a.GetElevationUnit());
        EXPECT_EQ(a.GetReservedWord(), -1);
    }

    ASSERT_TRUE(doc.Save(path, false));
    EXPECT_FALSE(doc.IsConverted());
    const auto saved = readFileBytes(path);
    ASSERT_EQ(saved.size(), 20u + 6 * 72);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 14), std::string("VX KO  4.00  \0", 14));
    CLocDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_EQ(again.Lists(), doc.Lists());
}

INSTANTIATE_TEST_SUITE_P(Locations, RegionFormats, ::testing::Values(1, 2, 3, 4, 5));

TEST_F(RegionFile, NewestFormatReadsAndWritesByteForByte) {
    RecordFields a = rec("Zell", WP_AIRPORT, 122500);
    a.runwayLength = 600;
    a.directionOrRange = 0;
    a.flags = 0x1A;
    a.ident = "LOSZ";
    a.country = "LO";
    a.reservedByte = 7;
    a.reservedWord = 12345;
    RecordFields b = rec("Ötztal", WP_HELI, 0);
    b.country = "LO";
    RecordFields c = rec("alpha", WP_INTERSECTION, 0);
    const std::string path = write("Austria.krd", RegionFileBytes(5, {c, a, b}));
    const auto original = readFileBytes(path);

    CLocDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.CheckOrder());
    ASSERT_TRUE(doc.Save(dir.file("copy.krd"), false));
    EXPECT_EQ(readFileBytes(dir.file("copy.krd")), original);
}

TEST_F(RegionFile, TrailingBytesAfterTheLastRecordAreIgnored) {
    auto bytes = RegionFileBytes(5, {rec("A", WP_USER, 0), rec("B", WP_USER, 0), rec("C", WP_USER, 0)});
    bytes.resize(bytes.size() + 10, 0xEE);
    CLocDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(write("x.krd", bytes)));
    EXPECT_EQ(doc.Lists().Count(), 3);
}

TEST_F(RegionFile, CountryOfOldFormatsFollowsTheRegionName) {
    const struct {
        const char* file;
        const char* country;
    } cases[] = {{"germany.krd", "ED"}, {"Austria.krd", "LO"}, {"Switzerland.krd", "LS"},
                 {"Schweiz.krd", "  "}, {"France.krd", "  "}};
    for (const auto& c : cases) {
        const std::string path = write(c.file, RegionFileBytes(2, {rec("Ort", WP_USER, 0)}));
        CLocDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path, true));
        EXPECT_EQ(doc.GetAt(TypeToListPos(WP_USER), 0).GetCountry(), c.country) << c.file;
    }
    EXPECT_TRUE(prompt.Shown().empty());  // silent conversion asks nothing
}

TEST_F(RegionFile, SaveWritesAllListsInNameOrder) {
    CLocDoc doc;
    CLocation bonn;
    bonn.SetName("Bonn");
    bonn.SetType(WP_AIRPORT);
    CLocation aachen;
    aachen.SetName("Aachen");
    aachen.SetType(WP_VOR);
    CLocation samePlace = aachen;
    samePlace.SetType(WP_AIRPORT);
    samePlace.SetName("aachen");
    ASSERT_TRUE(doc.Add(bonn));
    ASSERT_TRUE(doc.Add(aachen));
    ASSERT_TRUE(doc.Add(samePlace));
    EXPECT_FALSE(doc.Add(bonn));
    ASSERT_TRUE(doc.Save(dir.file("order.krd"), false));
    const auto bytes = readFileBytes(dir.file("order.krd"));
    ASSERT_EQ(bytes.size(), 20u + 3 * 72);
    auto nameAt = [&](int i) { return std::string(reinterpret_cast<const char*>(bytes.data() + 20 + 72 * i)); };
    auto typeAt = [&](int i) { return bytes[20 + 72 * i + 64]; };
    EXPECT_EQ(nameAt(0), "aachen");  // equal names: the airport list comes first
    EXPECT_EQ(typeAt(0), WP_AIRPORT);
    EXPECT_EQ(nameAt(1), "Aachen");
    EXPECT_EQ(nameAt(2), "Bonn");
}

TEST_F(RegionFile, OutOfOrderFileIsSortedOnCheck) {
    const std::string path = write("x.krd", RegionFileBytes(5, {rec("beta", WP_USER, 0), rec("Alpha", WP_USER, 0)}));
    CLocDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.CheckOrder());
    EXPECT_TRUE(doc.IsResorted());
    EXPECT_EQ(names(doc, TypeToListPos(WP_USER)), (std::vector<std::string>{"Alpha", "beta"}));
}

// ---- unreadable files ------------------------------------------------------------------------

TEST_F(RegionFile, UnreadableFilesAreReportedAndNeverOverwritten) {
    const std::string damaged =
        "Die Datei »Germany.krd« kann nicht geöffnet werden: Sie ist beschädigt oder hat ein unbekanntes Format.";
    const std::vector<unsigned char> header = RegionHeader(5);
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        std::vector<std::string> shown;
    } cases[] = {
        // An unknown header is refused before any question about converting it.
        {"unknown header", RegionFileBytes(0, {rec("A", WP_USER, 0)}), {damaged}},
        {"truncated header", std::vector<unsigned char>(header.begin(), header.begin() + 11), {damaged}},
        {"conversion declined", RegionFileBytes(3, {rec("A", WP_USER, 0)}),
         {"Die Ortsdaten liegen noch im alten Format vor. Wollen Sie die Datei »Germany« umwandeln?",
          "Ortsdaten können nicht eingelesen werden."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.Clear();  // questions get the answer No
        const std::string path = write("Germany.krd", c.bytes);
        CLocDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(prompt.Texts(), c.shown);
        EXPECT_EQ(doc.Lists().Count(), 0);
        EXPECT_TRUE(doc.HasFailed(path));

        prompt.Clear();
        EXPECT_FALSE(doc.Save(path, false));
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Die Datei »Germany.krd« kann nicht gespeichert werden. "
                                                           "Die bisherige Datei bleibt unverändert."});
        EXPECT_EQ(readFileBytes(path), c.bytes);
    }
}

TEST_F(RegionFile, AnsweringNoToSaveKeepsTheFile) {
    const std::string path = write("x.krd", RegionFileBytes(5, {rec("A", WP_USER, 0)}));
    const auto before = readFileBytes(path);
    CLocDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.Clear();
    doc.SetModifiedFlag(true);
    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.Save(path, true));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Datei »x« wurde verändert. Soll die Änderung gespeichert werden?"});
    EXPECT_EQ(readFileBytes(path), before);
}

TEST_F(RegionFile, OldDanishRegionTakesTheNewName) {
    CLocDoc doc;
    const std::string path = write("Danmark.krd", RegionFileBytes(4, {rec("Billund", WP_AIRPORT, 12000)}));
    ASSERT_TRUE(doc.OnOpenDocument(path, true));
    EXPECT_EQ(doc.GetPathName(), dir.file("Denmark.krd"));
    EXPECT_FALSE(std::filesystem::exists(path));

    // A file of the new name is never replaced: the old one keeps its name.
    const std::string again = write("Danmark.krd", RegionFileBytes(4, {rec("Vojens", WP_AIRPORT, 12000)}));
    ASSERT_TRUE(doc.OnOpenDocument(again, true));
    EXPECT_EQ(doc.GetPathName(), again);
    EXPECT_EQ(prompt.Beeps(), 1);
    CLocDoc denmark;
    ASSERT_TRUE(denmark.OnOpenDocument(dir.file("Denmark.krd"), true));
    EXPECT_EQ(denmark.GetAt(0, 0).GetName(), "Billund");
}

// ---- merging and editing ---------------------------------------------------------------------

CLocation located(const std::string& name, int type, double lat, double lon, int elevation = 100) {
    CLocation loc;
    loc.SetName(name);
    loc.SetType(type);
    loc.Set(lat, lon);
    loc.SetElevation(elevation);
    return loc;
}

TEST_F(RegionFile, MergeDatabaseDeletesOverwritesAndInserts) {
    CLocDoc doc;
    doc.Add(located("Alt", WP_AIRPORT, 50, 8));
    doc.Add(located("Bleibt", WP_AIRPORT, 51, 8));
    doc.Add(located("Neu", WP_VOR, 52, 8));
    CLocDoc update;
    update.Add(located("Alt", WP_AIRPORT, 0, 0, 0));      // deletion marker
    update.Add(located("Fehlt", WP_AIRPORT, 0, 0, 0));    // marker without a location: ignored
    update.Add(located("Neu", WP_VOR, 52.5, 8));          // overwritten
    update.Add(located("Zusatz", WP_SAIL, 53, 8));        // inserted
    EXPECT_TRUE(doc.MergeDatabase(update));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(names(doc, TypeToListPos(WP_AIRPORT)), std::vector<std::string>{"Bleibt"});
    EXPECT_EQ(doc.GetAt(TypeToListPos(WP_VOR), 0).m_dLat, 52.5);
    EXPECT_EQ(names(doc, TypeToListPos(WP_SAIL)), std::vector<std::string>{"Zusatz"});
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"VOR Neu wird überschrieben!"});
}

TEST_F(RegionFile, MergeUserListsTakesOnlyTheUsersOwnTypes) {
    CLocDoc fresh;
    fresh.Add(located("Feld", WP_USER, 50, 8));
    fresh.Add(located("Punkt", WP_INTERSECTION, 50, 8));
    CLocDoc old;
    old.Add(located("Feld", WP_USER, 49, 8));  // the user's version wins
    old.Add(located("Garten", WP_USER, 49, 8));
    old.Add(located("Hang", WP_SAIL, 49, 8));
    old.Add(located("Flughafen", WP_AIRPORT, 49, 8));
    EXPECT_EQ(fresh.MergeUserLists(old), 3);
    EXPECT_EQ(names(fresh, TypeToListPos(WP_USER)), (std::vector<std::string>{"Feld", "Garten"}));
    EXPECT_EQ(fresh.GetAt(TypeToListPos(WP_USER), 0).m_dLat, 49);
    EXPECT_EQ(names(fresh, TypeToListPos(WP_SAIL)), std::vector<std::string>{"Hang"});
    EXPECT_TRUE(fresh.GetList(TypeToListPos(WP_AIRPORT)).empty());
}

TEST_F(RegionFile, EditorChangesKeepTheListSorted) {
    CLocLists lists;
    for (const char* n : {"Alpha", "Bravo", "Charlie", "Delta"}) lists.Insert(located(n, WP_USER, 50, 8));
    const int user = TypeToListPos(WP_USER);
    int at = -1;
    // Renaming moves the record to its sorted place.
    EXPECT_EQ(lists.ChangeAt(0, located("Echo", WP_USER, 50, 8), at), CLocLists::Change::Changed);
    EXPECT_EQ(at, 3);
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) order.push_back(lists.GetAt(user, i).GetName());
    EXPECT_EQ(order, (std::vector<std::string>{"Bravo", "Charlie", "Delta", "Echo"}));
    // A name another record has is refused; unchanged data changes nothing.
    EXPECT_EQ(lists.ChangeAt(0, located("charlie", WP_USER, 50, 8), at), CLocLists::Change::DuplicateName);
    EXPECT_EQ(lists.ChangeAt(0, located("Bravo", WP_USER, 50, 8), at), CLocLists::Change::Unchanged);
    EXPECT_EQ(lists.ChangeAt(0, located("BRAVO", WP_USER, 51, 8), at), CLocLists::Change::Changed);
    EXPECT_EQ(at, 0);
    // Adding refuses exactly the same name only.
    EXPECT_EQ(lists.AddNew(located("Delta", WP_USER, 50, 8)), -1);
    EXPECT_EQ(lists.AddNew(located("delta", WP_USER, 50, 8)), 3);
}

}  // namespace
