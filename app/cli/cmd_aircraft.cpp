// navora-cli planes, plane NAME and planes-make: the aircraft database of the
// program directory as text, and a database built from text descriptions.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "aircraft/plane_doc.h"
#include "aircraft/plane_dump.h"
#include "aircraft/plane_file.h"
#include "app/cli/cli.h"
#include "core/archive.h"
#include "core/init_doc.h"
#include "core/settings_dump.h"
#include "core/units.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "platform/string_table.h"

namespace {

// The settings of the program directory when there are any; defaults
// otherwise. Nothing is asked and nothing is written.
struct Settings {
    CInitDoc doc;
    Settings() {
        const std::string path = doc.GetSettingsPath();
        if (!fileExists(path)) return;
        const std::string error = ReadSettingsQuietly(doc, path);
        if (!error.empty()) std::fprintf(stderr, "%s (es gelten die Vorgaben)\n", error.c_str());
    }
};

// Reads the database of the program directory; prints the reason on failure.
bool readDatabase(const CInitDoc& settings, PlaneFileContents& contents) {
    const std::string path = settings.GetPlanesPath();
    const PlaneReadResult result = ReadPlaneFile(path, contents);
    if (result != PlaneReadResult::Ok) {
        std::fprintf(stderr, "%s\n", PlaneReadMessage(result, path).c_str());
        return false;
    }
    return true;
}

bool readText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

int CmdPlanes(const Args& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "Aufruf: navora-cli planes\n");
        return 1;
    }
    Settings settings;
    PlaneFileContents contents;
    if (!readDatabase(settings.doc, contents)) return 1;
    CPlaneDoc doc;
    doc.CopyFrom(contents.planes);
    const int current = doc.SelectByName(settings.doc.GetPlaneName());
    const int speedUnit = SpeedUnitFor(settings.doc.Units().m_nDistance);
    for (const auto& line : ListPlanes(contents.planes, current, speedUnit)) std::printf("%s\n", line.c_str());
    return 0;
}

int CmdPlane(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "Aufruf: navora-cli plane NAME\n");
        return 1;
    }
    Settings settings;
    PlaneFileContents contents;
    if (!readDatabase(settings.doc, contents)) return 1;
    const CPlane* found = nullptr;
    for (const CPlane& plane : contents.planes) {
        if (plane.m_strName == args[0]) {
            found = &plane;
            break;
        }
    }
    for (const CPlane& plane : contents.planes) {
        if (!found && equalsNoCase(plane.m_strName, args[0])) found = &plane;
    }
    if (!found) {
        std::fprintf(stderr, "Das Flugzeug »%s« ist nicht in der Flugzeugdatenbank.\n", args[0].c_str());
        return 1;
    }
    for (const auto& line : DumpPlane(*found)) std::printf("%s\n", line.c_str());
    return 0;
}

int CmdPlanesMake(const Args& args) {
    if (args.size() < 2) {
        std::fprintf(stderr, "Aufruf: navora-cli planes-make AUSGABE.pln TEXTDATEI...\n");
        return 1;
    }
    std::vector<CPlane> planes;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string text;
        if (!readText(ArgPath(args[i]), text)) {
            std::fprintf(stderr, "Die Datei »%s« kann nicht gelesen werden.\n", args[i].c_str());
            return 1;
        }
        CPlane plane;
        const std::string error = ParsePlaneText(text, plane);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s\n", args[i].c_str(), error.c_str());
            return 1;
        }
        for (const CPlane& other : planes) {
            if (other.m_strName == plane.m_strName) {
                std::fprintf(stderr, "%s: %s\n", args[i].c_str(), LoadStr(1776));
                return 1;
            }
        }
        planes.push_back(plane);
    }
    try {
        WritePlaneFile(ArgPath(args[0]), planes);
    } catch (const std::exception&) {
        std::fprintf(stderr, "%s\n", FormatStr(61701, args[0].c_str()).c_str());
        return 1;
    }
    return 0;
}
