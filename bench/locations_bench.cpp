// The location database at European size: 50,000 locations in 30 region
// files (one of them holding 5,000) in a temporary program directory.
// Measures the start-up work (scanning the region files and building the
// name index), a completion while the user types, a position search in a
// 30 NM box over all active regions, and loading and saving one region.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "locations/quick_find.h"
#include "platform/numtext.h"

namespace {

constexpr int kRegions = 30;
constexpr int kLocations = 50000;
constexpr int kBigRegion = 5000;

unsigned nextRandom(unsigned& s) {
    s = s * 1103515245u + 12345u;
    return s >> 8;
}

// A pronounceable name of 5 to 14 letters.
std::string makeName(unsigned& s) {
    static const char* syllables[] = {"ba", "ber", "burg", "dorf", "en", "feld", "gar", "hau", "heim", "kir",
                                      "la", "lin", "mar", "mund", "ne", "ort", "ra", "ried", "sen", "stadt",
                                      "tal", "wal", "wei", "zell"};
    std::string name;
    const int parts = 2 + static_cast<int>(nextRandom(s) % 3);
    for (int i = 0; i < parts; ++i) name += syllables[nextRandom(s) % 24];
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name.substr(0, 14);
}

int randomType(unsigned& s) {
    const unsigned r = nextRandom(s) % 100;
    if (r < 10) return WP_AIRPORT;
    if (r < 13) return WP_VOR;
    if (r < 18) return WP_NDB;
    if (r < 33) return WP_REPORT;
    if (r < 83) return WP_INTERSECTION;
    if (r < 93) return WP_USER;
    if (r < 98) return WP_SAIL;
    return WP_HELI;
}

// The data set, written once per run and removed at the end.
struct DataSet {
    std::string dir;
    std::vector<std::string> prefixes;  // typed beginnings of existing names
    std::vector<CLatLon> centres;       // search centres inside the covered area

    DataSet() {
        dir = (std::filesystem::temp_directory_path() / ("navora-bench-" + std::to_string(::getpid()))).string() + "/";
        std::filesystem::create_directories(dir);
        unsigned s = 4711;
        CInitDoc settings(dir);
        int written = 0;
        for (int r = 0; r < kRegions; ++r) {
            // Regions are tiles of a 6 x 5 grid over 36..70 N, 10 W..32 E.
            const double south = 36.0 + (r / 6) * 6.8;
            const double west = -10.0 + (r % 6) * 7.0;
            const int count = r == 0 ? kBigRegion : (kLocations - kBigRegion) / (kRegions - 1) +
                                                        (r <= (kLocations - kBigRegion) % (kRegions - 1) ? 1 : 0);
            CLocDoc doc;
            for (int i = 0; i < count; ++i) {
                CLocation loc;
                loc.SetName(makeName(s) + strFormat("%d", i % 97));
                const int type = randomType(s);
                loc.SetType(type);
                if (type == WP_AIRPORT || type == WP_VOR || type == WP_NDB) {
                    std::string ident;
                    for (int k = 0; k < 4; ++k) ident += static_cast<char>('A' + nextRandom(s) % 26);
                    loc.SetIdent(ident);
                }
                loc.Set(south + (nextRandom(s) % 6800) / 1000.0, west + (nextRandom(s) % 7000) / 1000.0);
                loc.SetElevation(static_cast<int32_t>(nextRandom(s) % 3000));
                if (i % 50 == 0) prefixes.push_back(loc.GetName().substr(0, 4));
                if (i % 100 == 0) centres.push_back(loc);
                doc.Lists().GetList(TypeToListPos(type)).push_back(loc.ToPacked());
            }
            doc.Lists().SortLists();
            const std::string name = strFormat("Region%02d", r);
            doc.Save(dir + name + ".krd", false);
            settings.QuickFind().Regions().Insert({name, -1, true});
            written += count;
        }
        settings.SetRegionPath(dir + "Region00.krd");
        settings.OnSaveDocument(settings.GetSettingsPath());
        if (written != kLocations) std::abort();
    }
    ~DataSet() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

DataSet& data() {
    static DataSet set;
    return set;
}

// Settings, document and name index as the program holds them after start-up.
struct Loaded {
    CInitDoc settings{data().dir};
    CLocDoc doc;
    Loaded() {
        settings.OnOpenDocument(settings.GetSettingsPath());
        CQuickFind& index = settings.QuickFind();
        index.Attach(&doc);
        index.ScanRegions(settings);
        index.RebuildIndex();
    }
};

Loaded& loaded() {
    static Loaded l;
    return l;
}

void BM_StartupScanAndIndex(benchmark::State& state) {
    const std::string dir = data().dir;
    for (auto _ : state) {
        CInitDoc settings(dir);
        settings.OnOpenDocument(settings.GetSettingsPath());
        CLocDoc doc;
        CQuickFind& index = settings.QuickFind();
        index.Attach(&doc);
        index.ScanRegions(settings);
        index.RebuildIndex();
        benchmark::DoNotOptimize(index.Names().Count());
    }
    state.counters["names"] = loaded().settings.QuickFind().Names().Count();
    state.counters["positions"] = loaded().settings.QuickFind().Positions().Count();
}
BENCHMARK(BM_StartupScanAndIndex)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Completion(benchmark::State& state) {
    const CQuickFind& index = loaded().settings.QuickFind();
    const auto& prefixes = data().prefixes;
    size_t i = 0;
    for (auto _ : state) {
        std::string text = prefixes[i++ % prefixes.size()];
        benchmark::DoNotOptimize(index.Complete(text, 4));
    }
}
BENCHMARK(BM_Completion)->Unit(benchmark::kMicrosecond);

void BM_PositionSearch30NM(benchmark::State& state) {
    CQuickFind& index = loaded().settings.QuickFind();
    const auto& centres = data().centres;
    size_t i = 0;
    int64_t hits = 0;
    for (auto _ : state) {
        const CLatLon& c = centres[i++ % centres.size()];
        if (index.StartSearch(CLatLon::MakeBox(c.m_dLat, c.m_dLon, 0.5))) {
            CLocation loc;
            int region = 0;
            while (index.NextHit(loc, region)) ++hits;
        }
    }
    state.counters["hits_per_search"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PositionSearch30NM)->Unit(benchmark::kMicrosecond);

void BM_LoadRegion5000(benchmark::State& state) {
    const std::string path = data().dir + "Region00.krd";
    for (auto _ : state) {
        CLocDoc doc;
        doc.OnOpenDocument(path);
        benchmark::DoNotOptimize(doc.Lists().Count());
    }
}
BENCHMARK(BM_LoadRegion5000)->Unit(benchmark::kMillisecond);

void BM_SaveRegion5000(benchmark::State& state) {
    CLocDoc doc;
    doc.OnOpenDocument(data().dir + "Region00.krd");
    const std::string path = data().dir + "Copy.sav";
    for (auto _ : state) benchmark::DoNotOptimize(doc.Save(path, false));
}
BENCHMARK(BM_SaveRegion5000)->Unit(benchmark::kMillisecond);

}  // namespace
