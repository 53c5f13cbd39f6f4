// Route files: building a route from locations of the active regions, and
// listing a route file. Nothing is asked; a listed file is never written
// (older versions are converted in memory only).

#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

#include "app/cli/cli.h"
#include "core/init_doc.h"
#include "core/units.h"
#include "locations/loc_doc.h"
#include "locations/loc_startup.h"
#include "locations/quick_find.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/string_table.h"
#include "route/route_strings.h"
#include "route/way_doc.h"
#include "route/way_dump.h"
#include "route/way_lookup.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: navora-cli route new AUSGABE.way ORT1 ORT2 ... [--alt FUSS] [--alternate ORT]...\n"
    "        navora-cli route DATEI.way\n";
constexpr long long kMaxAltitudeFeet = 60000;

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

    bool Open() {
        const std::string path = settings_.GetSettingsPath();
        return !fileExists(path) || settings_.OnOpenDocument(path);
    }
    // Scans the regions and builds the name index, changing no file.
    void LoadIndex() {
        settings_.QuickFind().SetReadOnly(true);
        LoadLocationDatabase(settings_, doc_);
    }
    CQuickFind& Index() { return settings_.QuickFind(); }

private:
    CInitDoc settings_;
    CLocDoc doc_;
};

int usage() {
    std::fputs(kUsage, stderr);
    return 1;
}

// The version named by a file's header magic; 0 when unreadable or unknown.
int fileVersion(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[CWayDoc::kHeaderSize] = {};
    if (!in.read(magic, sizeof magic)) return 0;
    return CWayDoc::VersionOfMagic(std::string(magic, strnlen(magic, 14)));
}

int newRoute(const Args& args) {
    std::string out;
    std::vector<std::string> names;
    std::vector<std::string> alternates;
    std::optional<long long> altitude;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--alt" && i + 1 < args.size()) {
            altitude = parseInteger(args[++i]);
            if (!altitude || *altitude < 0 || *altitude > kMaxAltitudeFeet) {
                std::fprintf(stderr, "Die Flughöhe muss eine ganze Zahl von 0 bis %lld Fuß sein.\n", kMaxAltitudeFeet);
                return 1;
            }
        } else if (args[i] == "--alternate" && i + 1 < args.size()) {
            alternates.push_back(args[++i]);
        } else if (args[i].rfind("--", 0) == 0) {
            return usage();
        } else if (out.empty()) {
            out = ArgPath(args[i]);
        } else {
            names.push_back(args[i]);
        }
    }
    if (out.empty() || names.empty() || alternates.size() > 2) return usage();

    Session session;
    if (!session.Open()) return 1;
    session.LoadIndex();
    // Every name is looked up before anything is written.
    auto lookUp = [&session](const std::string& text, CWayPoint& wp, int32_t planned) {
        CLocation loc;
        if (!FindLocationForRoute(session.Index(), text, loc)) {
            std::fprintf(stderr, "%s\n", FormatStr(kStrNotInDatabase, text.c_str()).c_str());
            return false;
        }
        wp = CWayPoint(loc);
        wp.SetPlannedAltitude(planned);
        wp.SetAltitudeUnit(DIM_FEET);
        return true;
    };
    const int32_t planned = altitude ? static_cast<int32_t>(*altitude) : NOVALUE_ALTITUDE;
    CWayDoc route;
    for (const std::string& name : names) {
        CWayPoint wp;
        if (!lookUp(name, wp, planned)) return 1;
        route.Append(wp);
    }
    if (!alternates.empty()) {
        route.SetOption(RTE_ALTERNATES, true);
        for (size_t i = 0; i < alternates.size(); ++i) {
            CWayPoint wp;
            if (!lookUp(alternates[i], wp, planned)) return 1;
            route.SetAlternate(static_cast<int>(i) + 1, wp);
        }
    }
    route.SetActive(0);
    if (!route.OnSaveDocument(out)) return 1;
    std::printf("%s: %d Wegpunkte\n", baseName(out).c_str(), route.GetCount());
    return 0;
}

int printRoute(const std::string& path) {
    if (!fileExists(path)) {
        std::fprintf(stderr, "Die Datei »%s« ist nicht vorhanden.\n", path.c_str());
        return 1;
    }
    Session session;
    if (!session.Open()) return 1;
    // The oldest versions take their names from the location database.
    const int version = fileVersion(path);
    if (version == 1 || version == 2) session.LoadIndex();
    CWayDoc route;
    const std::string error = route.ReadQuietly(path);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    for (const std::string& line : DumpRoute(route)) std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace

int CmdRoute(const Args& args) {
    if (args.empty()) return usage();
    if (args[0] == "new") return newRoute(Args(args.begin() + 1, args.end()));
    if (args.size() != 1) return usage();
    return printRoute(ArgPath(args[0]));
}
