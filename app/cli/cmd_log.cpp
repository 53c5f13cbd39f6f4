// navora-cli log: the flight log of a route for an aircraft of the database
// and given winds aloft, as the text of the printed log, as CSV, or printed
// into a PDF file. The route is read without questions and nothing is
// written but the PDF file asked for.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "aircraft/plane_file.h"
#include "app/cli/cli.h"
#include "core/calc_doc.h"
#include "core/init_doc.h"
#include "core/settings_dump.h"
#include "core/units.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/rounding.h"
#include "route/route_calc_csv.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"
#include "views/course_view.h"
#include "views/font_doc.h"
#include "views/fuel_sheet.h"
#include "views/fuel_view.h"

#ifdef NAVORA_CLI_PDF
#include <QGuiApplication>

#include "views/ui/text_view_print.h"
#endif

namespace {

constexpr const char* kUsage =
    "Aufruf: navora-cli log DATEI.way [--plane NAME] [--tas KT] [--wind HÖHE=RICHTUNG/STÄRKE]... [--csv] "
    "[--pdf DATEI.pdf] [--fuel [--load WERT=ZAHL[,...]]...]\n"
    "  --fuel  hängt Masse und Schwerpunkt, Treibstoffverbrauch, Start und Landung, Sonnenzeiten und Kosten "
    "an\n"
    "  --load  Beladung: sitz1..sitz5=KG, gepaeck1..gepaeck5=KG, tank1..tank3=PROZENT oder tanks=max\n";
constexpr int kMaxTas = 999;
constexpr int kMaxWind = 99;

int usage() {
    std::fputs(kUsage, stderr);
    return 1;
}

// The settings of the program directory installed as the current ones for
// the command's run (units, load, presets, appendix, font); defaults when
// there is no settings file.
class LogSession {
public:
    LogSession() : settings_(programDir()) {
        const std::string path = settings_.GetSettingsPath();
        if (fileExists(path)) {
            const std::string error = ReadSettingsQuietly(settings_, path);
            if (!error.empty()) std::fprintf(stderr, "%s (es gelten die Vorgaben)\n", error.c_str());
        }
        SetInitDoc(&settings_);
        SetDimDoc(&settings_.Units());
        SetLoadDoc(&settings_.Load());
        SetCalcDoc(&settings_.Calc());
        SetAppendixDoc(&settings_.Appendix());
        SetFontDoc(&settings_.Font());
        SetMetDoc(&weather_);
    }
    ~LogSession() {
        SetMetDoc(nullptr);
        SetFontDoc(nullptr);
        SetAppendixDoc(nullptr);
        SetCalcDoc(nullptr);
        SetLoadDoc(nullptr);
        SetDimDoc(nullptr);
        SetInitDoc(nullptr);
    }
    LogSession(const LogSession&) = delete;
    LogSession& operator=(const LogSession&) = delete;

    CInitDoc& Settings() { return settings_; }
    CMetDoc& Weather() { return weather_; }

private:
    CInitDoc settings_;
    CMetDoc weather_;
};

// "sitz1=80,gepaeck1=20,tank1=100": seat rows and baggage compartments in
// kg, tank fills in percent, or "tanks=max" for full tanks up to the
// maximum take-off mass. Applied to `load` in order; false with a message
// for the first value that is not understood.
bool applyLoad(const std::string& text, LoadValues& load) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        start = comma + 1;
        const size_t eq = item.find('=');
        const std::string key = eq == std::string::npos ? item : item.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : item.substr(eq + 1);
        auto bad = [&] {
            std::fprintf(
                stderr,
                "Ungültige Beladung »%s«: erwartet sitz1..sitz5=KG oder gepaeck1..gepaeck5=KG (0 bis "
                "9999), tank1..tank3=PROZENT (0 bis 100) oder tanks=max.\n",
                item.c_str());
            return false;
        };
        if (key == "tanks") {
            if (value != "max") return bad();
            load.fill.fill(NOVALUE_FILL);
            continue;
        }
        const auto amount = parseInteger(value);
        const char* prefixes[] = {"sitz", "gepaeck", "tank"};
        int kind = -1;
        int number = 0;
        for (int k = 0; k < 3; ++k) {
            const std::string prefix = prefixes[k];
            if (key.size() == prefix.size() + 1 && key.rfind(prefix, 0) == 0) {
                kind = k;
                number = key.back() - '0';
            }
        }
        const int positions = kind == 2 ? 3 : 5;
        if (kind < 0 || number < 1 || number > positions || !amount || *amount < 0) return bad();
        const size_t index = static_cast<size_t>(number - 1);
        if (kind == 2) {
            if (*amount > 100) return bad();
            // One tank given on full tanks: the others keep their fuel.
            if (load.IsMaximal()) load.fill.fill(1.0f);
            load.fill[index] = static_cast<float>(*amount) / 100.0f;
            continue;
        }
        if (*amount > 9999) return bad();
        // Masses on the command line are kg; the record takes them in its unit.
        if (load.massUnit != DIM_KG) {
            for (auto* values : {&load.seat, &load.baggage})
                for (int16_t& v : *values)
                    if (v != -1) v = static_cast<int16_t>(floorHalf(ConvertMass(v, load.massUnit, DIM_KG)));
            load.massUnit = DIM_KG;
        }
        (kind == 0 ? load.seat : load.baggage)[index] = static_cast<int16_t>(*amount);
    }
    return true;
}

// "1500=270/20": the layer (0..3) and the wind; nothing when malformed.
struct WindArgument {
    int layer = 0;
    int direction = 0;
    int speed = 0;
};
std::optional<WindArgument> parseWind(const std::string& text) {
    const size_t eq = text.find('=');
    const size_t slash = text.find('/', eq == std::string::npos ? 0 : eq);
    if (eq == std::string::npos || slash == std::string::npos) return std::nullopt;
    const auto altitude = parseInteger(text.substr(0, eq));
    const auto direction = parseInteger(text.substr(eq + 1, slash - eq - 1));
    const auto speed = parseInteger(text.substr(slash + 1));
    if (!altitude || !direction || !speed) return std::nullopt;
    WindArgument w;
    w.layer = -1;
    for (int layer = 0; layer < CMetDoc::kLayers; ++layer)
        if (CMetDoc::kLayerAltitudes[static_cast<size_t>(layer)] == *altitude) w.layer = layer;
    if (w.layer < 0 || *direction < 0 || *direction > 360 || *speed < 0 || *speed > kMaxWind)
        return std::nullopt;
    w.direction = static_cast<int>(*direction);
    w.speed = static_cast<int>(*speed);
    return w;
}

// The aircraft named on the command line (exact name first, then without
// regard to case), or the current aircraft of the settings.
const CPlane* choosePlane(CPlaneDoc& planes, const std::string& wanted, const std::string& settingsName) {
    if (wanted.empty()) {
        planes.SelectByName(settingsName);
        return planes.GetCurrentPlane();
    }
    for (const CPlane& plane : planes.GetPlanes())
        if (plane.m_strName == wanted) return &plane;
    for (const CPlane& plane : planes.GetPlanes())
        if (equalsNoCase(plane.m_strName, wanted)) return &plane;
    return nullptr;
}

int writePdf(const std::vector<CTextViewTool*>& views, const std::string& path, const std::string& title) {
#ifdef NAVORA_CLI_PDF
    // The printout needs fonts and a paint device but no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "navora-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    if (!ExportTextViewsPdf(views, path, title)) {
        std::fprintf(stderr, "Die Datei »%s« kann nicht geschrieben werden.\n", path.c_str());
        return 1;
    }
    return 0;
#else
    (void)views;
    (void)path;
    (void)title;
    std::fputs("Die PDF-Ausgabe ist nicht verfügbar: navora-cli wurde ohne Qt erstellt.\n", stderr);
    return 1;
#endif
}

}  // namespace

int CmdLog(const Args& args) {
    std::string routePath;
    std::string planeName;
    std::string pdfPath;
    std::optional<int> tas;
    std::vector<WindArgument> winds;
    bool csv = false;
    bool fuel = false;
    std::vector<std::string> loads;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--plane" && hasValue) {
            planeName = args[++i];
        } else if (a == "--tas" && hasValue) {
            const auto value = parseInteger(args[++i]);
            if (!value || *value < 1 || *value > kMaxTas) {
                std::fprintf(stderr, "Die Geschwindigkeit muss eine ganze Zahl von 1 bis %d kt sein.\n",
                             kMaxTas);
                return 1;
            }
            tas = static_cast<int>(*value);
        } else if (a == "--wind" && hasValue) {
            const auto wind = parseWind(args[++i]);
            if (!wind) {
                std::fprintf(
                    stderr,
                    "Ungültiger Wind »%s«: erwartet HÖHE=RICHTUNG/STÄRKE mit HÖHE 1500, 3000, 5000 oder "
                    "10000, RICHTUNG 0 bis 360 Grad und STÄRKE 0 bis %d kt.\n",
                    args[i].c_str(), kMaxWind);
                return 1;
            }
            winds.push_back(*wind);
        } else if (a == "--fuel") {
            fuel = true;
        } else if (a == "--load" && hasValue) {
            loads.push_back(args[++i]);
        } else if (a == "--csv") {
            csv = true;
        } else if (a == "--pdf" && hasValue) {
            pdfPath = ArgPath(args[++i]);
        } else if (a.rfind("--", 0) == 0 || !routePath.empty()) {
            return usage();
        } else {
            routePath = ArgPath(a);
        }
    }
    if (routePath.empty() || (csv && !pdfPath.empty()) || (csv && fuel) || (!loads.empty() && !fuel))
        return usage();
    if (!fileExists(routePath)) {
        std::fprintf(stderr, "Die Datei »%s« ist nicht vorhanden.\n", routePath.c_str());
        return 1;
    }

    LogSession session;
    PlaneFileContents contents;
    const std::string planesPath = session.Settings().GetPlanesPath();
    if (const PlaneReadResult result = ReadPlaneFile(planesPath, contents); result != PlaneReadResult::Ok) {
        std::fprintf(stderr, "%s\n", PlaneReadMessage(result, planesPath).c_str());
        return 1;
    }
    CPlaneDoc planes;
    planes.CopyFrom(contents.planes);
    const CPlane* found = choosePlane(planes, planeName, session.Settings().GetPlaneName());
    if (!found) {
        if (planeName.empty())
            std::fputs("Die Flugzeugdatenbank enthält kein Flugzeug.\n", stderr);
        else
            std::fprintf(stderr, "Das Flugzeug »%s« ist nicht in der Flugzeugdatenbank.\n",
                         planeName.c_str());
        return 1;
    }
    CPlane plane = *found;
    if (tas) {
        // One airspeed for every phase of the flight, in knots.
        plane.m_nSpeedUnit = DIM_NM;
        plane.m_fCruiseSpeed = plane.m_fClimbSpeed = plane.m_fDescentSpeed = static_cast<float>(*tas);
    }
    for (const WindArgument& w : winds) session.Weather().SetLayerWind(w.layer, w.direction, w.speed);
    if (!loads.empty()) {
        CLoadDoc& load = session.Settings().Load();
        LoadValues values = load.GetValues();
        for (const std::string& text : loads)
            if (!applyLoad(text, values)) return 1;
        load.SetValues(values);
    }

    CWayDoc route;
    const std::string error = route.ReadQuietly(routePath);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    if (csv) {
        for (const std::string& line : FlightLogCsv(route, plane)) std::printf("%s\n", line.c_str());
        return 0;
    }
    CCourseView view(&route);
    view.SetPlane(&plane);
    CFuelView fuelView(&route);
    fuelView.SetPlane(&plane);
    if (!pdfPath.empty()) {
        std::vector<CTextViewTool*> views{&view};
        if (fuel) views.push_back(&fuelView);
        return writePdf(views, pdfPath, view.FileLineText());
    }
    for (const std::string& line : view.TextTable(true)) std::printf("%s\n", line.c_str());
    if (fuel) {
        std::printf("\n");
        const FuelSheet sheet = BuildFuelSheet(route, &plane, session.Weather(), session.Settings().Load());
        for (const std::string& line : FuelSheetText(sheet)) std::printf("%s\n", line.c_str());
    }
    return 0;
}
