#include <gtest/gtest.h>

#include <filesystem>

#include "aircraft/plane_doc.h"
#include "aircraft/plane_file.h"
#include "core/init_doc.h"
#include "fixtures.h"
#include "platform/scripted_prompt.h"
#include "platform/string_table.h"
#include "support/temp_dir.h"

namespace {

constexpr const char* kHeader1 = "VX PL  1.00  ";
constexpr const char* kHeader2 = "VX PL  2.10  ";
constexpr const char* kHeader3 = "VX PL  3.00  ";

std::vector<uint8_t> packed(const CPlane& p) {
    const CPlane::Packed b = p.Pack();
    return {b.begin(), b.end()};
}

// The oldest record, laid out by its own table; the unused bytes hold junk.
std::vector<uint8_t> format1Record() {
    ByteBlock b(98);
    b.text(0, "Klemm Ü", CodePage::Cp850)
        .i16(12, 90)
        .f32(14, 22.5f)
        .i16(18, 65)
        .f32(20, 25)
        .i16(24, 700)
        .i32(26, 0x7f7f7f7f)
        .i16(30, 500)
        .i16(32, 400)
        .i32(34, 0x11111111)
        .f32(38, 500)
        .f32(42, 450.5f)
        .f32(46, 80)
        .f32(50, 2)
        .f32(54, 1.2f)
        .f32(58, 0.9f)
        .f32(62, 1.8f)
        .f32(66, 2.4f)
        .f32(70, 2.9f)
        .f32(74, 758)
        .f32(78, 0.85f)
        .f32(82, 1.05f)
        .f32(86, 600)
        .f32(90, 0.8f)
        .f32(94, 1.05f);
    return b.bytes;
}

CPlane format1Expected() {
    CPlane e;
    e.m_strName = "Klemm Ü";
    e.m_fCruiseSpeed = e.m_fDescentSpeed = 90;
    e.m_fCruiseFlow = e.m_fDescentFlow = 22.5f;
    e.m_fClimbSpeed = 65;
    e.m_fClimbFlow = 25;
    e.m_fClimbRate = 700;
    e.m_fDescentRate = -700;
    e.m_nReservedTakeOff = e.m_nReservedLanding = 1;
    e.m_TakeOff.m_fObstacle[0] = 500;
    e.m_Landing.m_fObstacle[0] = 400;
    e.m_TakeOff.m_fMass[0] = e.m_Landing.m_fMass[0] = 758;
    e.m_fEmptyMass = 500;
    e.m_fEmptyMoment = 450.5f;
    e.m_nTanks = 1;
    e.m_fTankUsable[0] = 80;
    e.m_fTankUnusable[0] = 2;
    e.m_fTankArm[0] = 1.2f;
    e.m_nSeatRows = 2;
    e.m_fSeatArm[0] = 0.9f;
    e.m_fSeatArm[1] = 1.8f;
    e.m_nBaggageCompartments = 2;
    e.m_fBaggageArm[0] = 2.4f;
    e.m_fBaggageArm[1] = 2.9f;
    e.m_nCgRows = 2;
    e.m_fCgMass = {758, 600};
    e.m_fCgForward = {0.85f, 0.8f};
    e.m_fCgAft = {1.05f, 1.05f};
    return e;
}

// A current record cut down to the second format: without the flight-plan block.
std::vector<uint8_t> format2Record(const CPlane& p) {
    std::vector<uint8_t> full = packed(p);
    std::vector<uint8_t> out(240);
    std::copy_n(full.begin(), 234, out.begin());
    std::copy_n(full.begin() + 402, 6, out.begin() + 234);
    return out;
}

class PlaneDocTest : public ::testing::Test {
protected:
    PlaneDocTest() { SetInitDoc(&init); }
    ~PlaneDocTest() override { SetInitDoc(nullptr); }

    std::vector<uint8_t> fileBytes() const { return readFileBytes(path); }
    void writeFile(const std::vector<uint8_t>& bytes) { writeFileBytes(path, bytes); }

    TempDir dir;
    std::string path = dir.file("VXplanes.pln");
    CInitDoc init{dir.path()};
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CPlaneDoc doc;
};

TEST_F(PlaneDocTest, CurrentFormatReadsAndWritesByteForByte) {
    CPlane b = samplePlane("Motorfalke");
    b.m_nLoadArmUnit = DIM_INCH;
    b.m_fSeatArm = {37, 73, 3897, 3897, 3897};
    const auto bytes = planeFile(kHeader3, {packed(samplePlane()), packed(b)});
    writeFile(bytes);

    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(prompt.Shown().empty());
    ASSERT_EQ(doc.GetCount(), 2);
    EXPECT_EQ(*doc.GetPlane(1), b);
    EXPECT_FALSE(doc.IsConverted());
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(fileBytes(), bytes);
}

TEST_F(PlaneDocTest, SecondFormatIsConvertedAfterTheQuestionAndSavedAtOnce) {
    init.SetSignalOnSave(true);
    const CPlane a = samplePlane("A"), b = samplePlane("B");
    writeFile(planeFile(kHeader2, {format2Record(a), format2Record(b)}));
    ASSERT_EQ(fileBytes().size(), 20u + 2 * 240);
    prompt.QueueAnswer(Answer::Yes);

    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, FormatStr(2410, "VXplanes.pln"));
    ASSERT_EQ(doc.GetCount(), 2);
    CPlane expected = a;
    expected.m_FlightPlan = CPlaneFlightPlan();
    EXPECT_EQ(*doc.GetPlane(0), expected);
    EXPECT_EQ(doc.GetPlane(1)->m_strName, "B");
    EXPECT_EQ(doc.GetPlane(1)->m_FlightPlan, CPlaneFlightPlan());

    // Saved without a further question, in the current format, with the beep.
    const auto saved = fileBytes();
    EXPECT_EQ(saved.size(), 20u + 2 * 408);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(saved.data())), kHeader3);
    EXPECT_EQ(prompt.Beeps(), 1);
    EXPECT_TRUE(doc.IsConverted());
    EXPECT_FALSE(doc.IsModified());

    // The editor hands its unchanged copy back because of the conversion.
    std::vector<CPlane> copy;
    doc.CopyTo(copy);
    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.FinishEditing(copy, false));
    EXPECT_TRUE(prompt.WasShown(FormatStr(1768, "VXplanes.pln")));
}

TEST_F(PlaneDocTest, FirstFormatIsConvertedFieldByField) {
    writeFile(planeFile(kHeader1, {format1Record()}));
    prompt.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(*doc.GetPlane(0), format1Expected());
    EXPECT_EQ(fileBytes().size(), 20u + 408);
}

TEST_F(PlaneDocTest, DeclinedConversionLeavesTheOldFileAlone) {
    const auto old = planeFile(kHeader1, {format1Record(), format1Record()});
    writeFile(old);
    prompt.QueueAnswer(Answer::No);

    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_TRUE(prompt.WasShown(LoadStr(2411)));
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_EQ(doc.GetCurrentName(), "Fehlt");
    EXPECT_TRUE(doc.IsFileProtected());

    // Saving the empty list writes nothing over the old file.
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(fileBytes(), old);

    // A list the user built replaces it, but the old file is kept beside it.
    prompt.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(doc.FinishEditing({samplePlane()}, true));
    EXPECT_EQ(readFileBytes(path + ".bak"), old);
    EXPECT_EQ(fileBytes(), PlaneFileBytes({samplePlane()}));
    EXPECT_FALSE(doc.IsFileProtected());
}

TEST_F(PlaneDocTest, BrokenFilesAreReportedAndNeverOverwritten) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    auto truncated = planeFile(kHeader3, {packed(samplePlane())});
    truncated.erase(truncated.end() - 100, truncated.end());
    auto oldTruncated = planeFile(kHeader1, {format1Record()});
    oldTruncated.push_back(0);
    const Case cases[] = {
        {"unknown header", planeFile("VX PL  4.00  ", {packed(samplePlane())})},
        {"header text with a different ending", planeFile("VX PL  3.00", {packed(samplePlane())})},
        {"partial record", truncated},
        {"old format with a partial record", oldTruncated},
        {"shorter than the header", std::vector<uint8_t>(10, 'V')},
        {"empty file", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.Clear();
        writeFile(c.bytes);
        CPlaneDoc broken;
        EXPECT_FALSE(broken.OnOpenDocument(path));
        ASSERT_EQ(prompt.Shown().size(), 1u);  // no conversion question before the error
        EXPECT_EQ(prompt.Shown()[0].text, FormatStr(61700, "VXplanes.pln"));
        EXPECT_EQ(broken.GetCount(), 0);
        EXPECT_TRUE(broken.OnSaveDocument(path));
        EXPECT_EQ(fileBytes(), c.bytes);
    }
}

TEST_F(PlaneDocTest, HeaderAloneIsAnEmptyDatabase) {
    writeFile(planeFile(kHeader1, {}));
    EXPECT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(doc.GetCount(), 0);
}

TEST_F(PlaneDocTest, MissingFileIsAnEmptyListWithoutMessage) {
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(doc.GetCurrentName(), "Fehlt");
    EXPECT_EQ(doc.GetSpeedText(DIM_KT), "");

    doc.CopyFrom({samplePlane()});
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(fileBytes(), PlaneFileBytes({samplePlane()}));
}

TEST_F(PlaneDocTest, FailedSaveIsReportedAndKeepsTheChange) {
    doc.SetPathName(dir.file("missing-folder/VXplanes.pln"));
    doc.CopyFrom({samplePlane()});
    EXPECT_FALSE(doc.OnSaveDocument(doc.GetPathName()));
    EXPECT_TRUE(prompt.WasShown(FormatStr(61701, "VXplanes.pln")));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PlaneDocTest, SaveWithQuestion) {
    doc.SetPathName(path);
    EXPECT_TRUE(doc.SaveWithQuestion());  // not modified: nothing asked
    EXPECT_TRUE(prompt.Shown().empty());

    doc.CopyFrom({samplePlane()});
    prompt.QueueAnswer(Answer::No);
    EXPECT_TRUE(doc.SaveWithQuestion());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(std::filesystem::exists(path));

    doc.CopyFrom({samplePlane()});
    prompt.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.SaveWithQuestion());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(prompt.Shown().size(), 2u);

    // Leaving the editor unchanged asks nothing.
    EXPECT_TRUE(doc.FinishEditing({}, false));
    EXPECT_EQ(doc.GetCount(), 1);
    EXPECT_EQ(prompt.Shown().size(), 2u);
}

TEST_F(PlaneDocTest, MenuWithoutAircraftHasDisabledFehlt) {
    const auto items = doc.FillMenu();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "Fehlt");
    EXPECT_EQ(items[0].command, 32808);
    EXPECT_FALSE(items[0].enabled);
    EXPECT_FALSE(doc.OnPlaneCommand(32808));
    EXPECT_EQ(doc.GetCurrentIndex(), -1);
}

TEST_F(PlaneDocTest, MenuStopsAtNineteenAircraft) {
    std::vector<CPlane> planes;
    for (int i = 0; i < 20; ++i) planes.push_back(samplePlane("P" + std::to_string(i)));
    doc.CopyFrom(planes);
    init.SetPlaneName("P19");  // beyond the menu, but still the current aircraft

    const auto items = doc.FillMenu();
    EXPECT_TRUE(prompt.WasShown("Mehr als 19 Flugzeuge sind nicht erlaubt!"));
    ASSERT_EQ(items.size(), 19u);
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(items[static_cast<size_t>(i)].command, 32808 + i);
        EXPECT_EQ(items[static_cast<size_t>(i)].text, "P" + std::to_string(i));
        EXPECT_TRUE(items[static_cast<size_t>(i)].enabled);
        EXPECT_FALSE(items[static_cast<size_t>(i)].checked);
        EXPECT_EQ(items[static_cast<size_t>(i)].statusText,
                  "Ersetzt die aktuellen Flugzeugdaten durch die des ausgewählten Flugzeuges.");
    }
    EXPECT_EQ(doc.GetCurrentName(), "P19");
    EXPECT_FALSE(doc.OnPlaneCommand(32808 + 19));
    EXPECT_EQ(doc.GetCount(), 20);  // the rest stay in the list
}

TEST_F(PlaneDocTest, CurrentAircraftFollowsTheSettingsName) {
    doc.CopyFrom({samplePlane("c172"), samplePlane("C172"), samplePlane("PA28")});
    struct Case {
        const char* settingsName;
        int current;
    };
    for (const Case& c : {Case{"C172", 1}, Case{"c172", 0}, Case{"PA28", 2}, Case{"DR400", 0}}) {
        const auto items = doc.FillMenu(c.settingsName);
        EXPECT_EQ(doc.GetCurrentIndex(), c.current) << c.settingsName;
        for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].checked, static_cast<int>(i) == c.current);
    }

    // Choosing from the menu stores the name in the settings.
    ASSERT_TRUE(doc.OnPlaneCommand(32808 + 2));
    EXPECT_EQ(doc.GetCurrentName(), "PA28");
    EXPECT_EQ(init.GetPlaneName(), "PA28");
    EXPECT_TRUE(doc.MenuItems()[2].checked);
}

TEST_F(PlaneDocTest, SpeedTextOfCurrentOrIndexedAircraft) {
    CPlane fast = samplePlane("Fast");
    fast.m_fCruiseSpeed = 100;
    doc.CopyFrom({samplePlane("Slow"), fast});
    doc.SelectByName("Fast");
    EXPECT_EQ(doc.GetSpeedText(DIM_KMH), " 185 km/h");
    EXPECT_EQ(doc.GetSpeedText(DIM_KT, 0), " 105 kt");
    EXPECT_EQ(doc.GetSpeedText(DIM_KT, 2), "");
}

}  // namespace
