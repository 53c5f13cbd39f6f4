// Commands on the location database: import, region listing, name lookup and
// position search. They run on the settings file of the program directory,
// or on the defaults of a new one when there is none, and ask nothing.

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/cli/cli.h"
#include "core/init_doc.h"
#include "core/position_text.h"
#include "core/units.h"
#include "locations/loc_doc.h"
#include "locations/loc_startup.h"
#include "locations/location_types.h"
#include "locations/name_key.h"
#include "locations/quick_find.h"
#include "platform/numtext.h"
#include "platform/paths.h"

namespace {

// The settings of the program directory, installed for the command's run.
class Session {
public:
    Session() : settings_(programDir()) {
        SetInitDoc(&settings_);
        SetDimDoc(&settings_.Units());
    }
    ~Session() {
        SetDimDoc(nullptr);
        SetInitDoc(nullptr);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Reads the settings file when there is one; false when it cannot be read.
    bool Open() {
        const std::string path = settings_.GetSettingsPath();
        return !fileExists(path) || settings_.OnOpenDocument(path);
    }
    CInitDoc& Settings() { return settings_; }
    CLocDoc& Doc() { return doc_; }

    // Scans the regions and builds the name index, changing no file.
    void LoadIndex() {
        settings_.QuickFind().SetReadOnly(true);
        LoadLocationDatabase(settings_, doc_);
    }

private:
    CInitDoc settings_;
    CLocDoc doc_;
};

void print(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

// Type, name, ident, position, elevation, frequency and variation, tab-separated.
std::string describe(const CLocation& loc) {
    const auto elevation = loc.GetElevation();
    const auto frequency = loc.GetFrequency();
    return strFormat("%s\t%s\t%s\t%.6f\t%.6f\t%s\t%s\t%d", TypeDisplayName(loc.GetType()), loc.GetName().c_str(),
                     loc.GetIdent().c_str(), loc.m_dLat, loc.m_dLon,
                     elevation ? strFormat("%d %s", *elevation, UnitName(loc.GetElevationUnit())).c_str() : "-",
                     frequency ? strFormat("%.3f", *frequency).c_str() : "-", loc.GetVariation());
}

bool validRegionName(const std::string& name) {
    return !name.empty() && name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

// The file of a region in the program directory (found without regard to case).
std::string regionFile(const std::string& name) {
    const auto found = findNoCase(programDir(), name + ".krd");
    return found ? *found : programDir() + name + ".krd";
}

}  // namespace

int CmdImport(const Args& args) {
    std::string file;
    std::string region;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--region" && i + 1 < args.size()) {
            region = args[++i];
        } else if (file.empty()) {
            file = ArgPath(args[i]);
        } else {
            file.clear();
            break;
        }
    }
    if (file.empty() || (!region.empty() && !validRegionName(region))) {
        std::fprintf(stderr, "Aufruf: navora-cli import DATEI.txt [--region NAME]\n");
        return 1;
    }
    if (!fileExists(file)) {
        std::fprintf(stderr, "Die Datei »%s« ist nicht vorhanden.\n", file.c_str());
        return 1;
    }
    Session session;
    if (!session.Open()) return 1;
    CInitDoc& settings = session.Settings();
    const std::string path = regionFile(region.empty() ? settings.GetRegionName() : region);
    const bool created = !fileExists(path);
    CLocDoc& doc = session.Doc();
    if (created) {
        doc.SetPathName(path);
    } else if (!doc.OnOpenDocument(path, true)) {
        // The import writes the newest format anyway, so an old file is
        // converted without a question.
        return 1;
    }
    const ImportResult result = doc.ImportFile(file);
    if (!result.completed) return 1;
    if (created && fileExists(path)) {
        RegionEntry entry;
        entry.name = fileTitle(path);
        entry.count = clampTo<int16_t>(doc.Lists().Count());
        entry.active = true;
        const int index = settings.QuickFind().Regions().Insert(entry);
        settings.QuickFind().Regions().Entries()[index].active = true;
        if (!settings.OnSaveDocument(settings.GetSettingsPath())) return 1;
    }
    print(strFormat("%s: %d hinzugefügt, %d ersetzt", fileTitle(path).c_str(), result.added, result.replaced));
    return 0;
}

int CmdRegion(const Args& args) {
    if (args.size() > 1 || (args.size() == 1 && !validRegionName(args[0]))) {
        std::fprintf(stderr, "Aufruf: navora-cli region [NAME]\n");
        return 1;
    }
    Session session;
    if (!session.Open()) return 1;
    const std::string path = regionFile(args.empty() ? session.Settings().GetRegionName() : args[0]);
    if (!fileExists(path)) {
        std::fprintf(stderr, "Region »%s« wurde nicht gefunden.\n", fileTitle(path).c_str());
        return 1;
    }
    CLocDoc& doc = session.Doc();
    if (!doc.OnOpenDocument(path, true)) return 1;
    doc.Lists().ForEachInNameOrder([](int, const PackedLocation& rec) { print(describe(CLocation::FromPacked(rec))); });
    return 0;
}

int CmdFind(const Args& args) {
    if (args.size() != 1 || args[0].empty()) {
        std::fprintf(stderr, "Aufruf: navora-cli find TEXT\n");
        return 1;
    }
    Session session;
    if (!session.Open()) return 1;
    session.LoadIndex();
    CQuickFind& index = session.Settings().QuickFind();
    const std::string& text = args[0];
    // Exact hits (name or ident), then the names and idents that start with the text.
    int first = 0;
    int last = -1;
    if (!index.Range(text, first, last)) last = -1;
    std::vector<int> hits;
    for (int i = first; i <= last; ++i) hits.push_back(i);
    const std::string key = NameKey(text);
    for (int i = 0; i < index.Names().Count(); ++i) {
        if (i >= first && i <= last) continue;
        if (CompareNameKeyPrefix(key, index.Names().At(i).text, key.size()) == 0) hits.push_back(i);
    }
    if (hits.empty()) {
        std::fprintf(stderr, "»%s« wurde nicht gefunden.\n", text.c_str());
        return 1;
    }
    for (int i : hits) {
        CLocation loc;
        int region = 0;
        if (!index.LocationOf(i, loc, region)) continue;
        print(strFormat("%s\t%s\t%s", index.Names().Text(i).c_str(), index.RegionName(region).c_str(),
                        describe(loc).c_str()));
    }
    return 0;
}

int CmdNear(const Args& args) {
    CLatLon centre;
    const auto radius = args.size() == 2 ? parseDouble(args[1]) : std::nullopt;
    if (args.size() != 2 || !ParsePositionArgument(args[0], centre) || !radius || !(*radius > 0.0) ||
        *radius > 5400.0) {
        std::fprintf(stderr, "Aufruf: navora-cli near BREITE,LÄNGE RADIUS_NM (Radius über 0 bis 5400)\n");
        return 1;
    }
    Session session;
    if (!session.Open()) return 1;
    session.LoadIndex();
    CQuickFind& index = session.Settings().QuickFind();
    struct Hit {
        double distance;
        std::string line;
    };
    std::vector<Hit> hits;
    if (index.StartSearch(CLatLon::MakeBox(centre.m_dLat, centre.m_dLon, *radius / 60.0))) {
        CLocation loc;
        int region = 0;
        while (index.NextHit(loc, region)) {
            const double distance = centre.GreatCircle(loc).distance;
            if (distance > *radius) continue;
            hits.push_back({distance, strFormat("%.1f NM\t%s\t%s", distance, index.RegionName(region).c_str(),
                                                describe(loc).c_str())});
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.distance < b.distance; });
    for (const Hit& h : hits) print(h.line);
    if (hits.empty()) std::fprintf(stderr, "Keine Orte im Umkreis gefunden.\n");
    return 0;
}
