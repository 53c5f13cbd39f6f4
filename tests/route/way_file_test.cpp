#include <gtest/gtest.h>

#include "core/archive.h"
#include "platform/paths.h"
#include "platform/string_table.h"
#include "route/way_doc.h"
#include "route/way_doc_links.h"
#include "route_env.h"

namespace {

std::string convertQuestion(const std::string& file) { return FormatStr(1762, file.c_str()); }
const char* kNotRead = "Flugstrecke kann nicht eingelesen werden.";

constexpr size_t kRecord = 146;
constexpr size_t kPlan = 532;

// Two waypoints with a radio bearing, frequencies in the unit of `version`.
std::vector<WayRecord> twoWayPoints(int version) {
    const bool old = version <= 5;  // bearings x 100 before the current version
    const bool oldLocation = version <= 5;  // location format 4 and older
    WayRecord a;
    a.location = EgelsbachRecord();
    a.location.frequency = oldLocation ? 12172 : 121725;
    a.way.planned = 1500;
    a.way.marks = WPT_TOP_OF_CLIMB;
    WayRecord b;
    b.location = FrankfurtVorRecord();
    b.location.name = "Frankfurt VOR";
    b.location.frequency = oldLocation ? 11420 : 114200;
    b.way.planned = 3500;
    b.way.unit = 3;  // m
    b.way.bearings[0] = {"FFM", 123, 123, old ? 11420 : 114200};
    b.way.bearings[1] = {"HOLDEN", 10, 50, old ? 12172 : 121725};
    return {a, b};
}

class WayFile : public RouteEnv {
protected:
    CWayDoc doc;
};

// ---- every version ------------------------------------------------------------------------------

class EveryVersion : public WayFile, public ::testing::WithParamInterface<int> {};

TEST_P(EveryVersion, ReadsItsLayoutAndIsSavedAtOnceInTheCurrentOne) {
    const int version = GetParam();
    const auto plan = FlightPlanBytes(1, "N0110", "DCT", "EDDF", "", "RMK/TEST");
    const std::string path = writeRoute("trip.way", WayFileBytes(version, RTE_SEMICIRCLE, twoWayPoints(version), plan));
    prompt.QueueAnswer(Answer::Yes);

    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(doc.GetFileVersion(), version);
    EXPECT_EQ(prompt.WasShown(convertQuestion("trip.way")), version < 6);
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(doc.GetActive(), 0);
    const CWayPoint a = doc.GetWayPoint(0);
    const CWayPoint b = doc.GetWayPoint(1);
    EXPECT_EQ(a.GetName(), "Egelsbach");
    EXPECT_DOUBLE_EQ(a.m_dLat, 49.96);
    EXPECT_EQ(a.GetType(), WP_AIRPORT);  // derived from the frequency in the first format
    EXPECT_EQ(a.FrequencyCode(), 121725);
    EXPECT_EQ(b.GetName(), "Frankfurt VOR");
    EXPECT_EQ(b.FrequencyCode(), 114200);
    EXPECT_EQ(a.GetPlannedAltitude(), 1500);
    EXPECT_EQ(b.GetPlannedAltitude(), 3500);
    // The first format knew no altitude unit and no marks.
    EXPECT_EQ(b.GetAltitudeUnit(), version == 1 ? DIM_FEET : DIM_METER);
    EXPECT_EQ(a.GetMarks(), version == 1 ? 0 : WPT_TOP_OF_CLIMB);
    // Station frequencies in the current unit (121.72 -> 121.725 for a 25 kHz channel).
    EXPECT_EQ(b.GetBearing(0).m_nFrequency, 114200);
    EXPECT_EQ(b.GetBearing(1).m_nFrequency, 121725);
    EXPECT_EQ(b.GetBearing(0).m_strStation, "FFM");
    // Versions 1 and 2 knew no options; the flight plan came with version 5.
    EXPECT_EQ(doc.HasOption(RTE_SEMICIRCLE), version >= 3);
    EXPECT_EQ(doc.GetFlightPlanRoute(), version >= 5 ? "DCT" : "");
    EXPECT_EQ(doc.IsFlightPlanManual(), version >= 5);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.IsConverted());

    // The file itself now holds the current version.
    const auto bytes = readFileBytes(path);
    ASSERT_EQ(bytes.size(), 20 + 2 * kRecord + kPlan);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 13), "VX WAY 4.00  ");
    EXPECT_EQ(bytes[16], 2);
    if (version < 5) {
        EXPECT_EQ(std::vector<unsigned char>(bytes.end() - kPlan, bytes.end()),
                  std::vector<unsigned char>(kPlan, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, EveryVersion, ::testing::Values(1, 2, 3, 4, 5, 6));

// ---- sizes and byte-identical saving -------------------------------------------------------------

TEST_F(WayFile, ThreeWayPointsMake990BytesAndTheAlternates292More) {
    for (int i = 0; i < 3; ++i) doc.Append(CWayPoint());
    ASSERT_TRUE(doc.OnSaveDocument(dir.file("plain.way")));
    EXPECT_EQ(readFileBytes(dir.file("plain.way")).size(), 990u);
    doc.SetOption(RTE_ALTERNATES, true);
    ASSERT_TRUE(doc.OnSaveDocument(dir.file("alternates.way")));
    EXPECT_EQ(readFileBytes(dir.file("alternates.way")).size(), 990u + 292u);
}

TEST_F(WayFile, CurrentVersionOpensAndSavesByteForByte) {
    WayRecord alternate;
    alternate.location = EgelsbachRecord();
    alternate.way.reservedByte = 7;
    auto bytes = WayFileBytes(6, RTE_ALTERNATES | RTE_CLIMB_DESCENT | RTE_SAFE_ALTITUDE, twoWayPoints(6),
                              FlightPlanBytes(1, "N0110", "DCT FFM DCT", "EDDF", "EDFM", "RMK/NAVORA"),
                              {alternate, WayRecord{}});
    bytes[15] = 0x11;  // reserved header bytes are kept
    bytes[18] = 0x22;
    bytes[19] = 0x33;
    const std::string path = writeRoute("same.way", bytes);
    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(readFileBytes(path), bytes);  // nothing to convert or refresh: not written
    ASSERT_TRUE(doc.OnSaveDocument(dir.file("copy.way")));
    EXPECT_EQ(readFileBytes(dir.file("copy.way")), bytes);
}

// ---- old versions declined and files that are no routes ---------------------------------------------

TEST_F(WayFile, DeclinedConversionLeavesAnEmptyRouteThatNeverReplacesTheFile) {
    const auto bytes = WayFileBytes(4, 0, twoWayPoints(4));
    const std::string path = writeRoute("old.way", bytes);
    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{convertQuestion("old.way"), kNotRead}));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetTitle(), "old.way");
    EXPECT_EQ(doc.GetPathName(), "");

    // Saving asks for a path; cancelling it writes nothing.
    doc.Append(CWayPoint());
    prompt.QueuePath("");
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(WayFile, HeaderOfNoVersionIsAskedAboutAndThenRefused) {
    const auto bytes = WayFileBytes(0, 0, twoWayPoints(6));
    const std::string path = writeRoute("strange.way", bytes);
    prompt.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{convertQuestion("strange.way"), kNotRead}));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(readFileBytes(path), bytes);
}

// ---- damaged files ----------------------------------------------------------------------------------

struct DamageCase {
    const char* name;
    std::vector<unsigned char> (*bytes)();
};

std::vector<unsigned char> truncatedPlan() {
    auto b = WayFileBytes(6, 0, twoWayPoints(6));
    b.resize(b.size() - 10);
    return b;
}
std::vector<unsigned char> missingAlternates() {
    return WayFileBytes(6, RTE_ALTERNATES, twoWayPoints(6));
}
std::vector<unsigned char> countTooLarge() {
    auto b = WayFileBytes(6, 0, twoWayPoints(6));
    b[16] = 0x10;  // 4112 waypoints announced
    b[17] = 0x10;
    return b;
}
std::vector<unsigned char> countNegative() {
    auto b = WayFileBytes(6, 0, twoWayPoints(6));
    b[17] = 0xFF;
    return b;
}
std::vector<unsigned char> shorterThanHeader() { return std::vector<unsigned char>(12, 'V'); }

class DamagedFile : public WayFile, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFile, GivesItsMessageChangesNoFileAndStartsANewRoute) {
    settings.SetHome(CInitDoc::MakeDefaultHome());
    const auto bytes = GetParam().bytes();
    const std::string path = writeRoute("broken.way", bytes);
    doc.OnNewDocument();
    doc.SetFlightPlanSpeed("N0100");
    doc.SetModifiedFlag(false);

    EXPECT_FALSE(doc.OpenRoute(path));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{FormatStr(61700, "broken.way")});
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_EQ(doc.GetTitle(), "KeinName");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetCount(), 1);  // the home airfield
    EXPECT_EQ(doc.GetFlightPlanSpeed(), "");
    EXPECT_FALSE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFile,
                         ::testing::Values(DamageCase{"TruncatedFlightPlan", truncatedPlan},
                                           DamageCase{"AlternatesMissing", missingAlternates},
                                           DamageCase{"HeaderCountTooLarge", countTooLarge},
                                           DamageCase{"HeaderCountNegative", countNegative},
                                           DamageCase{"ShorterThanTheHeader", shorterThanHeader}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WayFile, MissingFileFailsTheOpen) {
    EXPECT_FALSE(doc.OpenRoute(dir.file("nowhere.way")));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{FormatStr(61700, "nowhere.way")});
}

// ---- the location database ----------------------------------------------------------------------

TEST_F(WayFile, OldestVersionsTakeTheDatabaseNameOfTheSamePlace) {
    loadDatabase({EgelsbachRecord(), FrankfurtVorRecord()});
    auto records = twoWayPoints(2);
    records[0].location.name = "Egelsbach Flugpl";  // not in the index: "Egelsbach" is tried
    records[1].location.name = "Frankfurt";
    records[1].location.lat = 50.5;  // another place of that name: kept as it is
    const std::string path = writeRoute("v2.way", WayFileBytes(2, 0, records));
    prompt.SetDefaultAnswer(Answer::Yes);
    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(doc.GetWayPoint(0).GetName(), "Egelsbach");
    EXPECT_EQ(doc.GetWayPoint(1).GetName(), "Frankfurt");
    EXPECT_DOUBLE_EQ(doc.GetWayPoint(1).m_dLat, 50.5);
}

TEST_F(WayFile, OpeningAsksForEachWayPointWhoseDatabaseDataDifferAndSavesAtOnce) {
    loadDatabase({EgelsbachRecord(), FrankfurtVorRecord()});
    settings.SetSignalOnSave(true);
    auto records = twoWayPoints(6);
    records[0].location.elevation = 300;  // the database says 385
    records[0].location.ident = "";
    records[1].location.name = "Frankfurt";
    records[1].location.elevation = 500;  // the database says 400
    records[1].way.bearings[0] = {"FFM", 1, 1, 114200};  // stale: recomputed from the station
    records[1].way.bearings[1] = {};
    const std::string path = writeRoute("stale.way", WayFileBytes(6, 0, records));
    prompt.QueueAnswer(Answer::Yes);
    prompt.QueueAnswer(Answer::No);

    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{FormatStr(1792, "Egelsbach"), FormatStr(1792, "Frankfurt")}));
    EXPECT_EQ(doc.GetWayPoint(0).Elevation(), 385);
    EXPECT_EQ(doc.GetWayPoint(0).GetIdent(), "EDFE");
    EXPECT_EQ(doc.GetWayPoint(1).Elevation(), 500);  // answered No
    // A waypoint is its own station here: course 0 from it, 0 NM.
    const CRadioBearing bearing = doc.GetWayPoint(1).GetBearing(0);
    EXPECT_EQ(bearing.m_nDistance, 0);
    EXPECT_EQ(bearing.m_nBearing, 358);  // course 0 minus the station's variation 2
    EXPECT_EQ(bearing.m_strStation, "FFM");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(prompt.Beeps(), 1);

    // The refreshed route is in the file: a second open finds nothing to ask.
    prompt.Clear();
    const auto saved = readFileBytes(path);
    prompt.QueueAnswer(Answer::No);
    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{FormatStr(1792, "Frankfurt")});
    EXPECT_EQ(readFileBytes(path), saved);
}

// ---- saving and the questions before a route is replaced ------------------------------------------

TEST_F(WayFile, SaveModifiedAsksAndAnswerNoDropsTheChanges) {
    doc.Append(CWayPoint());
    prompt.QueueAnswer(Answer::No);
    EXPECT_FALSE(doc.SaveModified(dir.file("x.way"), true));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{FormatStr(1768, "")});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(fileExists(dir.file("x.way")));

    doc.Append(CWayPoint());
    prompt.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.SaveModified(dir.file("x.way"), true));
    EXPECT_TRUE(fileExists(dir.file("x.way")));
    // Without a question and without a path it saves under a chosen name.
    doc.Append(CWayPoint());
    prompt.QueuePath(dir.file("chosen"));
    EXPECT_TRUE(doc.SaveModified("", false));
    EXPECT_EQ(doc.GetPathName(), dir.file("chosen.way"));
    EXPECT_EQ(readFileBytes(dir.file("chosen.way")).size(), 20 + 3 * kRecord + kPlan);
}

TEST_F(WayFile, QuestionBeforeReplacingOffersCancel) {
    settings.SetHome(CInitDoc::MakeDefaultHome());
    doc.OnNewDocument();
    doc.Append(CWayPoint());
    prompt.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(doc.NewRoute());
    EXPECT_EQ(doc.GetCount(), 2);
    EXPECT_TRUE(doc.IsModified());

    prompt.QueueAnswer(Answer::Yes);
    prompt.QueuePath("");  // the save is cancelled: the route stays
    EXPECT_FALSE(doc.QuerySaveModified());
    EXPECT_TRUE(doc.IsModified());

    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.NewRoute());
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WayFile, FailedSaveIsReportedAndKeepsTheRouteModified) {
    doc.Append(CWayPoint());
    EXPECT_FALSE(doc.OnSaveDocument(dir.file("missing/folder.way")));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{FormatStr(61701, "folder.way")});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(WayFile, SaveAsUpdatesTheViewsWhenThePathChanges) {
    int updates = 0;
    doc.Subscribe([&updates](CDocument&, int, const void*) { ++updates; });
    doc.Append(CWayPoint());
    prompt.QueuePath(dir.file("a.way"));
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(doc.GetTitle(), "a.way");
    EXPECT_EQ(updates, 1);
    prompt.QueuePath(dir.file("A.WAY"));  // the same path apart from case
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(updates, 1);
}

// ---- links to the route transformations -------------------------------------------------------------

TEST_F(WayFile, TransformOptionsStayAsReadUntilTheirLinksDecide) {
    const std::string path = writeRoute("opts.way", WayFileBytes(6, RTE_CLIMB_DESCENT | RTE_GREAT_CIRCLE,
                                                                 twoWayPoints(6)));
    ASSERT_TRUE(doc.OpenRoute(path));
    EXPECT_TRUE(doc.HasOption(RTE_CLIMB_DESCENT));
    EXPECT_TRUE(doc.HasOption(RTE_GREAT_CIRCLE));

    int calls = 0;
    theWayDocLinks().rebuildClimbDescent = [&calls](CWayDoc&) { return ++calls, false; };
    theWayDocLinks().refreshGreatCircle = [&calls](CWayDoc&) { return ++calls, true; };
    ASSERT_TRUE(doc.OpenRoute(path));
    theWayDocLinks() = WayDocLinks();
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(doc.HasOption(RTE_CLIMB_DESCENT));
    EXPECT_TRUE(doc.HasOption(RTE_GREAT_CIRCLE));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WayFile, QuietReadConvertsInMemoryOnly) {
    const auto bytes = WayFileBytes(3, 0, twoWayPoints(3));
    const std::string path = writeRoute("v3.way", bytes);
    EXPECT_EQ(doc.ReadQuietly(path), "");
    EXPECT_EQ(doc.GetCount(), 2);
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_EQ(doc.ReadQuietly(writeRoute("no.way", WayFileBytes(0, 0, {}))), kNotRead);
}

}  // namespace
