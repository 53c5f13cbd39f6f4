#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <tuple>

#include "aircraft/load_doc.h"
#include "core/archive.h"
#include "core/calc_doc.h"
#include "core/init_doc.h"
#include "core/settings_dump.h"
#include "core/units.h"
#include "gps/gps_doc.h"
#include "locations/quick_find.h"
#include "maps/color_doc.h"
#include "maps/map_doc.h"
#include "platform/scripted_prompt.h"
#include "terrain/airspace_regions_doc.h"
#include "tracks/moving_map_doc.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"
#include "support/temp_dir.h"

namespace {

// Size of a default version-40 file: header 78, four empty spare strings,
// "Germany", aircraft name, signal, home airfield, then the 11 records.
constexpr size_t kDefaultFileSize = 78 + 4 + 8 + 12 + 4 + 72 + 66 + 20 + 28 + 28 + 255 + 102 + 2 + 68 + 52 + 20 + 4;

// Writes a settings file the way an older program version did.
struct LegacyFile {
    int version = 40;
    bool withCruise = true;  // presets with the cruise altitude (versions 32, 40)
    bool oldGps = false;     // 10-byte GPS record (versions 30, 32)
    int airspaceVersion = 40;

    std::vector<uint8_t> bytes() const {
        CArchive ar;
        ar.WriteRaw("VX_INIT", 8);
        ar.WriteI32(version);
        ar.WriteFixedText("reserved one", 30);
        ar.WriteFixedText("", 20);
        ar.WriteI32(123456789);
        ar.WriteI16(7);
        ar.WriteFixedText("", 10);
        for (const char* s : {"a", "", "", "d"}) ar.WriteString(s);
        ar.WriteString("Switzerland");
        ar.WriteFixedText("DR400", 12);
        ar.WriteI32(1);
        CInitDoc::MakeDefaultHome().Write(ar);
        ar.WriteFixedText("Liberation Sans", 64);
        ar.WriteI16(12);
        for (int16_t u : {3, 4, 1, 18, 12, 23, 22, 16, 25, 1}) ar.WriteI16(u);
        for (int16_t v : {19, 80, 75, 0, 0, 0, 10, 0, 0, 0, 0, 50, 100, -100}) ar.WriteI16(v);
        for (int16_t v : {2000, 1, 3000, 1, 500, 6, 30, 6, 4, 15, 5, 45}) ar.WriteI16(v);
        if (withCruise) {
            ar.WriteI16(1500);
            ar.WriteI16(3);
        }
        for (int16_t v : {1, 0, 1, 0, 0, 1}) ar.WriteI16(v);
        ar.WriteFixedText("Text eins", 81);
        ar.WriteFixedText("", 81);
        ar.WriteFixedText("Text drei", 81);
        if (oldGps) {
            for (int16_t v : {3, 2, 7, 8, 9}) ar.WriteI16(v);
        } else {
            ar.WriteI16(3);
            ar.WriteI16(1);
            ar.WriteI16(9);
            ar.WriteFixedText("R1", 32);
            ar.WriteFixedText("", 32);
            ar.WriteFixedText("T5", 32);
        }
        ar.WriteI16(2);
        ar.WriteFixedText("Switzerland.krd", 32);
        ar.WriteI16(1);
        ar.WriteFixedText("Austria.krd", 32);
        ar.WriteI16(0);
        for (int i = 0; i < 17; ++i) ar.WriteI32(i);
        ar.WriteI32(12);
        for (int i = 0; i < 12; ++i) ar.WriteI32(i % 2);
        for (int32_t v : {2, 2, 10, 1, 4}) ar.WriteI32(v);
        ar.WriteI16(0);
        ar.WriteI16(1);
        ar.WriteI16(static_cast<int16_t>(airspaceVersion));
        ar.WriteString("Switzerland");
        ar.WriteString("C:\\Navora\\Airspaces\\Switzerland.spa");
        ar.WriteI32(1);
        ar.WriteI32(0);
        for (double d : {5.9, 10.5, 47.8, 45.8}) ar.WriteDouble(d);
        ar.WriteI16(42);
        return ar.Bytes();
    }
};

std::vector<unsigned char> toFile(const std::vector<uint8_t>& b) { return {b.begin(), b.end()}; }

class SettingsFile : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    std::string path() const { return dir.file("VX.ini"); }
};

TEST_F(SettingsFile, DefaultsSaveInTheDocumentedLayout) {
    CInitDoc doc(dir.path());
    EXPECT_TRUE(doc.IsNew());
    EXPECT_EQ(doc.GetSettingsPath(), path());
    EXPECT_EQ(doc.GetRegionPath(), dir.file("Germany.krd"));
    EXPECT_EQ(doc.GetPlanesPath(), dir.file("VXplanes.pln"));
    EXPECT_EQ(doc.GetProfileIndexPath(), dir.file("VXelev.ela"));
    EXPECT_EQ(doc.GetAirspaceDir(), dir.file("Airspaces/"));
    ASSERT_TRUE(doc.OnSaveDocument(path()));

    const auto bytes = readFileBytes(path());
    ASSERT_EQ(bytes.size(), kDefaultFileSize);
    EXPECT_EQ(hexBytes({bytes.begin(), bytes.begin() + 12}), "56 58 5F 49 4E 49 54 00 28 00 00 00");
    EXPECT_EQ(hexBytes({bytes.begin() + 78, bytes.begin() + 90}), "00 00 00 00 07 47 65 72 6D 61 6E 79");
    EXPECT_EQ(std::string(bytes.begin() + 90, bytes.begin() + 94), "C150");
    // The home airfield record starts with its name in code page 850.
    EXPECT_EQ(std::string(bytes.begin() + 106, bytes.begin() + 123), "Frankfurt-Egelsb.");
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(SettingsFile, VersionFortyRoundTripsByteForByte) {
    writeFileBytes(path(), toFile(LegacyFile{}.bytes()));
    CInitDoc doc(dir.path());
    ASSERT_TRUE(doc.OnOpenDocument(path()));
    EXPECT_FALSE(doc.IsNew());
    EXPECT_EQ(doc.GetRegionName(), "Switzerland");
    EXPECT_EQ(doc.GetRegionPath(), dir.file("Switzerland.krd"));
    EXPECT_EQ(doc.GetPlaneName(), "DR400");
    EXPECT_TRUE(doc.GetSignalOnSave());
    EXPECT_EQ(doc.GetSpareText(3), "d");
    EXPECT_EQ(doc.Font().GetFace(), "Liberation Sans");
    EXPECT_EQ(doc.Units().m_nDistance, DIM_KM);
    EXPECT_EQ(doc.Units().m_nPositionFormat, 1);
    EXPECT_EQ(doc.Load().m_nSeat[0], 80);
    EXPECT_FLOAT_EQ(doc.Load().m_fFill[0], 0.5f);
    EXPECT_FLOAT_EQ(doc.Load().m_fFill[2], -1.0f);
    EXPECT_EQ(doc.Calc().m_nCruiseAltitude, 1500);
    EXPECT_EQ(doc.Calc().m_nCruiseAltitudeUnit, DIM_METER);
    EXPECT_EQ(doc.Calc().m_nDetour, 4);
    EXPECT_EQ(doc.Appendix().GetText(2), "Text drei");
    EXPECT_EQ(doc.Gps().m_nPort, 9);
    EXPECT_EQ(doc.Gps().GetLastTrack(), "T5");
    ASSERT_EQ(doc.QuickFind().Regions().Size(), 2);
    EXPECT_EQ(doc.QuickFind().Regions().Entries()[0].name, "Austria");  // sorted
    EXPECT_TRUE(doc.QuickFind().Regions().Entries()[1].active);
    EXPECT_EQ(doc.Colors().m_bReliefFlight, 15);
    EXPECT_EQ(doc.Colors().m_bReliefSea, 16);
    EXPECT_EQ(doc.MovingMap().m_nSwitchDistance, 10);
    ASSERT_EQ(doc.AirspaceRegions().m_Regions.size(), 1u);
    EXPECT_EQ(doc.AirspaceRegions().m_Regions[0].m_nCount, 42);

    // Saving writes a file that reads back to the same bytes again.
    ASSERT_TRUE(doc.OnSaveDocument(dir.file("copy.ini")));
    CInitDoc again(dir.path());
    ASSERT_TRUE(again.OnOpenDocument(dir.file("copy.ini")));
    ASSERT_TRUE(again.OnSaveDocument(dir.file("copy2.ini")));
    EXPECT_EQ(readFileBytes(dir.file("copy.ini")), readFileBytes(dir.file("copy2.ini")));
    // Region entries come back sorted; the rest of the file is unchanged.
    const auto original = toFile(LegacyFile{}.bytes());
    const auto saved = readFileBytes(dir.file("copy.ini"));
    ASSERT_EQ(saved.size(), original.size());
    EXPECT_FALSE(std::filesystem::exists(path() + ".bak"));
}

TEST_F(SettingsFile, OlderVersionsConvertAndSaveAsForty) {
    struct Case {
        int version;
        bool withCruise;
        bool oldGps;
    } cases[] = {{30, false, true}, {32, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        LegacyFile f;
        f.version = c.version;
        f.withCruise = c.withCruise;
        f.oldGps = c.oldGps;
        f.airspaceVersion = c.version;
        writeFileBytes(path(), toFile(f.bytes()));
        CInitDoc doc(dir.path());
        ASSERT_TRUE(doc.OnOpenDocument(path()));
        EXPECT_FALSE(doc.IsNew());
        EXPECT_EQ(doc.GetVersion(), 40);
        EXPECT_EQ(doc.Calc().m_nCruiseAltitude, c.withCruise ? 1500 : 4500);
        EXPECT_EQ(doc.Calc().m_nCruiseAltitudeUnit, c.withCruise ? DIM_METER : DIM_FEET);
        EXPECT_EQ(doc.Gps().m_nReceiverType, 3);
        EXPECT_EQ(doc.Gps().m_nPort, 2);
        EXPECT_EQ(doc.Gps().m_nUsbDevice, 0);
        EXPECT_EQ(doc.Gps().GetLastRoute(), "7");
        EXPECT_EQ(doc.Gps().GetLastTrack(), "9");
        EXPECT_EQ(doc.AirspaceRegions().m_Regions.size(), 1u);
        ASSERT_TRUE(doc.OnSaveDocument(path()));
        EXPECT_EQ(readFileBytes(path()).size(), LegacyFile{}.bytes().size());
        CInitDoc reread(dir.path());
        ASSERT_TRUE(reread.OnOpenDocument(path()));
        EXPECT_EQ(reread.Calc().m_nCruiseAltitude, doc.Calc().m_nCruiseAltitude);
    }
}

TEST_F(SettingsFile, UnknownVersionWrongMagicAndCorruptFilesAreKeptAsBackup) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool opens;
        bool oldFormat;
    };
    LegacyFile v35;
    v35.version = 35;
    auto truncated = LegacyFile{}.bytes();
    truncated.resize(300);
    std::vector<uint8_t> magicOnly(8);
    std::memcpy(magicOnly.data(), "VX_INIT", 8);
    const Case cases[] = {
        {"version 35", v35.bytes(), true, false},
        {"no magic", std::vector<uint8_t>(200, 'x'), true, true},
        {"magic only", magicOnly, false, false},
        {"truncated", truncated, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path() + ".bak");
        prompt.Clear();
        writeFileBytes(path(), toFile(c.bytes));
        CInitDoc doc(dir.path());
        EXPECT_EQ(doc.OnOpenDocument(path()), c.opens);
        EXPECT_TRUE(doc.IsNew());
        EXPECT_EQ(doc.IsOldFormat(), c.oldFormat);
        EXPECT_EQ(doc.GetRegionName(), "Germany");
        EXPECT_EQ(doc.GetPlaneName(), "C150");
        EXPECT_EQ(prompt.Shown().size(), c.opens ? 0u : 1u);
        // The first save keeps what could not be taken over.
        ASSERT_TRUE(doc.OnSaveDocument(path()));
        EXPECT_EQ(readFileBytes(path() + ".bak"), toFile(c.bytes));
        CInitDoc reread(dir.path());
        ASSERT_TRUE(reread.OnOpenDocument(path()));
        EXPECT_FALSE(reread.IsNew());
    }
    // A missing file fails without a message.
    prompt.Clear();
    CInitDoc doc(dir.path());
    EXPECT_FALSE(doc.OnOpenDocument(dir.file("none.ini")));
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(SettingsFile, AirspaceRegionOfAnotherVersionEndsTheList) {
    LegacyFile f;
    f.airspaceVersion = 31;
    writeFileBytes(path(), toFile(f.bytes()));
    CInitDoc doc(dir.path());
    ASSERT_TRUE(doc.OnOpenDocument(path()));
    EXPECT_FALSE(doc.IsNew());
    EXPECT_TRUE(doc.AirspaceRegions().m_Regions.empty());
    EXPECT_EQ(doc.MovingMap().m_nSimSpeed, 4);
}

TEST_F(SettingsFile, FailedSaveLeavesThePreviousFile) {
    CInitDoc doc(dir.path());
    ASSERT_TRUE(doc.OnSaveDocument(path()));
    const auto before = readFileBytes(path());
    doc.SetPlaneName("Other");
    // A file size limit makes the write fail like a full disk.
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = doc.OnSaveDocument(path());
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFileBytes(path()), before);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text,
              "Die Datei »VX.ini« kann nicht gespeichert werden. Die bisherige Datei bleibt unverändert.");
}

TEST_F(SettingsFile, ListingShowsEveryFieldInFileOrder) {
    writeFileBytes(path(), toFile(LegacyFile{}.bytes()));
    CInitDoc doc(dir.path());
    ASSERT_EQ(ReadSettingsQuietly(doc, path()), "");
    const auto lines = DumpSettings(doc);
    const std::vector<std::string> expectedInOrder = {
        "magic: VX_INIT",          "version: 40",          "reserved_text_1: reserved one",
        "creation_time: 123456789", "spare_text_4: d",     "region_name: Switzerland",
        "aircraft_name: DR400",    "home.ident: EDFE",      "font.face: Liberation Sans",
        "units.distance: 4",       "load.tank_fill_1: 0.50", "presets.cruise_altitude: 1500",
        "appendix.text_3: Text drei", "gps.last_track: T5", "regions.1: Austria",
        "colours.relief_sea: 16",  "map.airspace: 1",       "moving_map.simulation_speed: 4",
        "airspace_regions.count: 1"};
    size_t at = 0;
    for (const auto& want : expectedInOrder) {
        while (at < lines.size() && lines[at] != want) ++at;
        ASSERT_LT(at, lines.size()) << "missing or out of order: " << want;
    }
    CInitDoc missing(dir.path());
    EXPECT_NE(ReadSettingsQuietly(missing, dir.file("none.ini")), "");
}

TEST(SettingsRecords, MapFlagsToleratesOtherCounts) {
    for (int stored : {0, 5, 12, 14}) {
        CArchive out;
        out.WriteI32(stored);
        for (int i = 0; i < stored; ++i) out.WriteI32(1);
        out.WriteI32(0x7777);  // the next record
        CArchive in(out.Bytes());
        CMapDoc map;
        map.Serialize(in);
        for (int i = 0; i < CMapDoc::kFlagCount; ++i) EXPECT_EQ(map.m_bShow[i], i < stored ? 1 : 0) << stored;
        EXPECT_EQ(in.ReadI32(), 0x7777) << stored;
    }
    CArchive bad;
    bad.WriteI32(1000000);
    CArchive in(bad.Bytes());
    CMapDoc map;
    EXPECT_THROW(map.Serialize(in), ArchiveError);
}

TEST(CalcPresets, FlightDateIsARealCalendarDateAtNoon) {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    CCalcDoc calc;
    EXPECT_TRUE(calc.SetFlightDate(29, 2, 2024));
    EXPECT_EQ(calc.GetFlightDate().day, 29);
    EXPECT_EQ(calc.GetFlightDate().month, 2);
    EXPECT_EQ(calc.GetFlightDate().year, 2024);
    // Noon standard time: 11:00 UTC in winter and in summer alike.
    EXPECT_EQ(calc.m_tFlightDate % 86400, 11 * 3600);
    ASSERT_TRUE(calc.SetFlightDate(15, 7, 2099));
    EXPECT_EQ(calc.m_tFlightDate % 86400, 11 * 3600);
    for (auto [d, m, y] : {std::tuple{31, 2, 2024}, {29, 2, 2023}, {31, 4, 2025}, {1, 1, 2100}, {0, 5, 2025},
                           {1, 13, 2025}, {31, 12, 1989}}) {
        EXPECT_FALSE(calc.SetFlightDate(d, m, y)) << d << "." << m << "." << y;
    }
    EXPECT_EQ(calc.GetFlightDate().year, 2099);
    calc.m_nCruiseAltitude = 4500;
    EXPECT_EQ(calc.GetCruiseAltitude(DIM_METER), 1372);  // 1371.6 rounded
    calc.ResetToDefaults();
    EXPECT_EQ(calc.GetFlightDate().year, 2099);
    unsetenv("TZ");
    tzset();
}

}  // namespace
