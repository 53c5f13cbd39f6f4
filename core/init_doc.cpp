#include "core/init_doc.h"

#include <cstring>

#include "aircraft/load_doc.h"
#include "core/archive.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "gps/gps_doc.h"
#include "locations/quick_find.h"
#include "maps/color_doc.h"
#include "maps/map_doc.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"
#include "terrain/airspace_regions_doc.h"
#include "tracks/moving_map_doc.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"

namespace {

constexpr char kMagic[8] = {'V', 'X', '_', 'I', 'N', 'I', 'T', '\0'};

void setFixed(uint8_t* field, size_t width, const std::string& utf8) {
    std::string bytes = fromUtf8(utf8, CodePage::Windows1252);
    if (bytes.size() > width - 1) bytes.resize(width - 1);
    std::memset(field, 0, width);
    std::memcpy(field, bytes.data(), bytes.size());
}

std::string getFixed(const uint8_t* field, size_t width) {
    const char* p = reinterpret_cast<const char*>(field);
    return toUtf8(std::string_view(p, strnlen(p, width)), CodePage::Windows1252);
}

CInitDoc* currentInitDoc = nullptr;

}  // namespace

CInitDoc::CInitDoc(const std::string& programDirectory)
    : m_strProgramDir(withTrailingSeparator(programDirectory.empty() ? programDir() : programDirectory)) {
    std::memset(m_szReserved1, 0, sizeof m_szReserved1);
    std::memset(m_szReserved2, 0, sizeof m_szReserved2);
    std::memset(m_szReserved3, 0, sizeof m_szReserved3);
    m_tCreation = static_cast<int32_t>(theClock().Now());
    setFixed(m_szPlaneName, sizeof m_szPlaneName, "C150");
    CreateSubDocuments();
    m_Home = MakeDefaultHome();
    BuildPaths();
    SetPathName(GetSettingsPath());
}

CInitDoc::~CInitDoc() = default;

void CInitDoc::CreateSubDocuments() {
    m_pFont = std::make_unique<CFontDoc>();
    m_pUnits = std::make_unique<CDimDoc>();
    m_pLoad = std::make_unique<CLoadDoc>();
    m_pCalc = std::make_unique<CCalcDoc>();
    m_pAppendix = std::make_unique<CAppendixDoc>();
    m_pGps = std::make_unique<CGpsDoc>();
    m_pQuickFind = std::make_unique<CQuickFind>();
    m_pColors = std::make_unique<CColorDoc>();
    m_pMap = std::make_unique<CMapDoc>();
    m_pMovingMap = std::make_unique<CMovingMapDoc>();
    m_pAirspaceRegions = std::make_unique<CAirspaceRegionsDoc>();
    m_MapCentre.Set(1000.0, 1000.0);
}

void CInitDoc::BuildPaths() {
    const std::string& dir = m_strProgramDir;
    m_strRegionPath = dir + m_strRegionName + ".krd";
    m_strPlanesPath = dir + LoadStr(1033);
    m_strElevGridPath = dir + LoadStr(1034);
    m_strProfileIndexPath = dir + LoadStr(1035);
    const auto airspaces = findNoCase(dir, "Airspaces");
    m_strAirspaceDir = withTrailingSeparator(airspaces ? *airspaces : dir + "Airspaces");
    m_strSeaColorPath = dir + LoadStr(1037);
    m_strFlightColorPath = dir + LoadStr(1038);
}

std::string CInitDoc::GetSettingsPath() const { return m_strProgramDir + LoadStr(1032); }

void CInitDoc::SetRegionPath(const std::string& path) {
    m_strRegionPath = path;
    m_strRegionName = fileTitle(path);
}

std::string CInitDoc::GetReservedText(int i) const {
    if (i == 1) return getFixed(m_szReserved1, sizeof m_szReserved1);
    if (i == 2) return getFixed(m_szReserved2, sizeof m_szReserved2);
    if (i == 3) return getFixed(m_szReserved3, sizeof m_szReserved3);
    return {};
}

std::string CInitDoc::GetPlaneName() const { return getFixed(m_szPlaneName, sizeof m_szPlaneName); }

void CInitDoc::SetPlaneName(const std::string& name) { setFixed(m_szPlaneName, sizeof m_szPlaneName, name); }

CLocation CInitDoc::MakeEmptyLocation() { return CLocation(); }

CLocation CInitDoc::MakeDefaultHome() {
    CLocation home;
    home.SetName("Frankfurt-Egelsb.");
    home.SetIdent("EDFE");
    home.SetCountry("ED");
    home.Set(49.96, 8.64333);
    home.SetElevation(385);
    home.SetVariation(0);
    home.SetFrequencyCode(121725);
    home.SetRunwayLength(1166);
    home.SetHeightDifference(0);
    home.SetDirectionOrRange(9);  // "09/27"
    home.SetFlags(LOC_MIN_500);
    home.SetElevationUnit(DIM_FEET);
    home.SetRangeUnit(DIM_NM);
    home.SetRunwayUnit(DIM_METER);
    home.SetSlopeUnit(DIM_FEET);
    home.SetType(WP_AIRPORT);
    return home;
}

CElevColorDoc* CInitDoc::GetElevColorDoc(int kind) const {
    if (kind == 1) return m_pSeaColorDoc;
    if (kind == 2) return m_pFlightColorDoc;
    return nullptr;
}

void CInitDoc::SetElevColorDoc(CElevColorDoc* doc, int kind) {
    if (kind == 1) m_pSeaColorDoc = doc;
    if (kind == 2) m_pFlightColorDoc = doc;
}

void CInitDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteRaw(kMagic, sizeof kMagic);
        ar.WriteI32(kVersion);
    } else {
        m_bOldFormat = 0;
        char magic[8];
        ar.ReadRaw(magic, sizeof magic);
        if (std::memcmp(magic, kMagic, sizeof magic) != 0) {
            // An older file without the magic: nothing is taken over and the
            // settings keep their defaults.
            m_bOldFormat = 1;
            return;
        }
        m_nVersion = ar.ReadI32();
    }
    const int32_t fileVersion = m_nVersion;
    ar.IoRaw(m_szReserved1, sizeof m_szReserved1);
    ar.IoRaw(m_szReserved2, sizeof m_szReserved2);
    ar.Io(m_tCreation);
    ar.Io(m_nReservedWord);
    ar.IoRaw(m_szReserved3, sizeof m_szReserved3);
    for (auto& spare : m_strSpare) ar.IoString(spare);
    m_nVersion = kVersion;
    if (ar.IsLoading() && fileVersion != 30 && fileVersion != 32 && fileVersion != 40) return;

    ar.IoString(m_strRegionName);
    if (ar.IsLoading()) m_strRegionPath = m_strProgramDir + m_strRegionName + ".krd";
    ar.IoRaw(m_szPlaneName, sizeof m_szPlaneName);
    ar.Io(m_bSignalOnSave);
    if (ar.IsStoring()) {
        m_Home.Write(ar);
    } else {
        m_Home.Read(ar, CLocation::kCurrentFormat);
    }
    m_pFont->Serialize(ar);
    m_pUnits->Serialize(ar);
    m_pLoad->Serialize(ar);
    m_pCalc->Serialize(ar, fileVersion);
    m_pAppendix->Serialize(ar);
    m_pGps->Serialize(ar, fileVersion);
    m_pQuickFind->Serialize(ar);
    m_pColors->Serialize(ar);
    m_pMap->Serialize(ar);
    m_pMovingMap->Serialize(ar);
    m_pAirspaceRegions->Serialize(ar, fileVersion);
    if (ar.IsLoading()) m_bNew = 0;
}

bool CInitDoc::OnOpenDocument(const std::string& path) {
    if (!fileExists(path)) return false;
    try {
        CArchive ar(path, CArchive::load);
        Serialize(ar);
        ar.Close();
    } catch (const std::exception& e) {
        // Start again from the defaults: a half-read file must not leave
        // mixed values behind.
        const int32_t creation = m_tCreation;
        CreateSubDocuments();
        m_bNew = 1;
        m_nVersion = kVersion;
        m_Home = MakeDefaultHome();
        m_strRegionName = "Germany";
        setFixed(m_szPlaneName, sizeof m_szPlaneName, "C150");
        m_bSignalOnSave = 0;
        for (auto& s : m_strSpare) s.clear();
        std::memset(m_szReserved1, 0, sizeof m_szReserved1);
        std::memset(m_szReserved2, 0, sizeof m_szReserved2);
        std::memset(m_szReserved3, 0, sizeof m_szReserved3);
        m_nReservedWord = 0;
        m_tCreation = creation;
        BuildPaths();
        m_bBackupBeforeSave = true;
        thePrompt().Message(FormatStr(61700, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    // Files this program cannot take over completely are kept once.
    m_bBackupBeforeSave = m_bOldFormat || m_bNew;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CInitDoc::OnSaveDocument(const std::string& path) {
    if (m_bBackupBeforeSave && fileExists(path)) {
        if (!copyFile(path, path + ".bak")) {
            thePrompt().Message(FormatStr(61701, baseName(path).c_str()), MessageKind::Error);
            return false;
        }
    }
    try {
        CArchive ar(path, CArchive::store);
        Serialize(ar);
        ar.Close();
    } catch (const std::exception& e) {
        thePrompt().Message(FormatStr(61701, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    m_bBackupBeforeSave = false;
    SetModifiedFlag(false);
    if (m_bSignalOnSave) thePrompt().Beep();
    return true;
}

CInitDoc* theInitDoc() { return currentInitDoc; }
void SetInitDoc(CInitDoc* doc) { currentInitDoc = doc; }
