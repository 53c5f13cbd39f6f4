#include "program_dir.h"

#include "locations/loc_startup.h"
#include "locations/location_types.h"
#include "locations/quick_find.h"

CLocation MakeLocation(const std::string& name, int type, double lat, double lon, const std::string& ident) {
    CLocation loc;
    loc.SetName(name);
    loc.SetIdent(ident);
    loc.SetType(type);
    loc.Set(lat, lon);
    loc.SetElevationUnit(DIM_FEET);
    loc.SetSlopeUnit(DIM_FEET);
    loc.SetRunwayUnit(DIM_METER);
    loc.SetRangeUnit(DIM_NM);
    if (type == WP_AIRPORT) loc.SetDirectionOrRange(9);
    return loc;
}

namespace {

void writeRegion(const std::string& path, const std::vector<CLocation>& locations) {
    CLocDoc region;
    for (const CLocation& loc : locations) region.Add(loc);
    ASSERT_TRUE(region.Save(path, false));
}

}  // namespace

void ProgramDir::SetUp() {
    SetInitDoc(&settings);
    CLocation egelsbach = MakeLocation("Egelsbach", WP_AIRPORT, 49.96, 8.64333, "EDFE");
    egelsbach.SetElevation(385);
    egelsbach.SetFrequency(121.725);
    egelsbach.SetRunwayLength(1166);
    writeRegion(germany(), {MakeLocation("Aachen", WP_AIRPORT, 50.82, 6.18, "EDKA"),
                            MakeLocation("Bonn", WP_AIRPORT, 50.7, 7.16), egelsbach,
                            MakeLocation("EDFE-N", WP_REPORT, 50.05, 8.63),
                            MakeLocation("EDFE-S", WP_REPORT, 49.9, 8.65),
                            MakeLocation("EDKA-W", WP_REPORT, 50.8, 6.0),
                            MakeLocation("Charlie", WP_VOR, 50.5, 7.5, "CHA"),
                            MakeLocation("Frankfurt", WP_VOR, 50.05, 8.64, "FFM")});
    writeRegion(austria(), {MakeLocation("Wien", WP_AIRPORT, 48.11, 16.57, "LOWW")});
    settings.SetRegionPath(germany());
    LoadLocationDatabase(settings, doc);
    ASSERT_EQ(doc.GetRegionName(), "Germany");
    prompt.Clear();
}

void ProgramDir::TearDown() {
    SetInitDoc(nullptr);
}

std::vector<std::string> ProgramDir::namesInFile(const std::string& path, int type) {
    CLocDoc file;
    EXPECT_TRUE(file.OnOpenDocument(path, true));
    std::vector<std::string> out;
    const int listPos = TypeToListPos(type);
    for (size_t i = 0; i < file.GetList(listPos).size(); ++i)
        out.push_back(file.GetAt(listPos, static_cast<int>(i)).GetName());
    return out;
}

CLocation ProgramDir::inFile(const std::string& path, int type, const std::string& name) {
    CLocDoc file;
    EXPECT_TRUE(file.OnOpenDocument(path, true));
    int at = 0;
    EXPECT_TRUE(file.Find(TypeToListPos(type), name, at)) << name;
    return file.GetAt(TypeToListPos(type), at);
}
