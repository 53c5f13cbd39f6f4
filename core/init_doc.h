#pragma once
// The settings document: everything Navora remembers from one run to the next,
// in the binary settings file "VX.ini" of the program directory. It owns the
// settings sub-documents and builds the path of every data file.

#include <cstdint>
#include <memory>
#include <string>

#include "core/latlon.h"
#include "locations/location.h"
#include "platform/document.h"

class CArchive;
class CFontDoc;
class CDimDoc;
class CLoadDoc;
class CCalcDoc;
class CAppendixDoc;
class CGpsDoc;
class CQuickFind;
class CColorDoc;
class CMapDoc;
class CMovingMapDoc;
class CAirspaceRegionsDoc;
class CElevDoc;
class CElevArrayDoc;
class CElevColorDoc;

class CInitDoc : public CDocument {
public:
    static constexpr int32_t kVersion = 40;

    // Builds every data path from `programDirectory` (with a trailing '/';
    // the process's program directory when empty).
    explicit CInitDoc(const std::string& programDirectory = std::string());
    ~CInitDoc() override;

    // ---- files --------------------------------------------------------------
    // Reads the settings file. A missing file fails silently; an unreadable
    // or corrupt one shows the open-error message and fails, and the settings
    // keep their defaults.
    bool OnOpenDocument(const std::string& path);
    // Writes the settings file atomically; a failure shows the save-error
    // message and leaves the previous file as it was. A file that could not
    // be read (another version, another format, corrupt) is first kept as
    // "VX.ini.bak".
    bool OnSaveDocument(const std::string& path);
    // The settings file and every record in it, in file order.
    void Serialize(CArchive& ar);

    // ---- paths ---------------------------------------------------------------
    const std::string& GetProgramDir() const { return m_strProgramDir; }
    std::string GetSettingsPath() const;
    const std::string& GetRegionPath() const { return m_strRegionPath; }
    void SetRegionPath(const std::string& path);
    const std::string& GetRegionName() const { return m_strRegionName; }
    const std::string& GetPlanesPath() const { return m_strPlanesPath; }
    const std::string& GetElevGridPath() const { return m_strElevGridPath; }
    const std::string& GetProfileIndexPath() const { return m_strProfileIndexPath; }
    const std::string& GetAirspaceDir() const { return m_strAirspaceDir; }
    const std::string& GetSeaColorPath() const { return m_strSeaColorPath; }
    const std::string& GetFlightColorPath() const { return m_strFlightColorPath; }
    const std::string& GetPreviousInstallDir() const { return m_strPreviousInstallDir; }
    void SetPreviousInstallDir(const std::string& dir) { m_strPreviousInstallDir = dir; }

    // ---- values ----------------------------------------------------------------
    std::string GetPlaneName() const;
    void SetPlaneName(const std::string& name);  // at most 11 bytes are kept
    const CLocation& GetHome() const { return m_Home; }
    void SetHome(const CLocation& home) { m_Home = home; }
    // A location with no data, for when no home airfield can be found.
    static CLocation MakeEmptyLocation();
    // The airfield a new settings file starts with.
    static CLocation MakeDefaultHome();
    bool IsNew() const { return m_bNew != 0; }
    bool IsOldFormat() const { return m_bOldFormat != 0; }
    int32_t GetVersion() const { return m_nVersion; }
    int32_t GetCreationTime() const { return m_tCreation; }
    bool GetSignalOnSave() const { return m_bSignalOnSave != 0; }
    void SetSignalOnSave(bool on) { m_bSignalOnSave = on ? 1 : 0; }

    void* GetMainFrame() const { return m_pMainFrame; }
    void SetMainFrame(void* frame) { m_pMainFrame = frame; }

    // Kind 1: sea colours, kind 2: flight colours; other kinds are ignored.
    CElevColorDoc* GetElevColorDoc(int kind) const;
    void SetElevColorDoc(CElevColorDoc* doc, int kind);
    CElevDoc* GetElevDoc() const { return m_pElevDoc; }
    void SetElevDoc(CElevDoc* doc) { m_pElevDoc = doc; }
    CElevArrayDoc* GetElevArrayDoc() const { return m_pElevArrayDoc; }
    void SetElevArrayDoc(CElevArrayDoc* doc) { m_pElevArrayDoc = doc; }

    CLatLon GetMapCentre() const { return m_MapCentre; }
    void SetMapCentre(double latitude, double longitude) { m_MapCentre.Set(latitude, longitude); }
    void ClearMapCentre() { m_MapCentre.Set(1000.0, 1000.0); }
    bool HasMapCentre() const { return m_MapCentre.IsValid(); }

    // ---- sub-documents --------------------------------------------------------
    CFontDoc& Font() { return *m_pFont; }
    CDimDoc& Units() { return *m_pUnits; }
    CLoadDoc& Load() { return *m_pLoad; }
    CCalcDoc& Calc() { return *m_pCalc; }
    CAppendixDoc& Appendix() { return *m_pAppendix; }
    CGpsDoc& Gps() { return *m_pGps; }
    CQuickFind& QuickFind() { return *m_pQuickFind; }
    CColorDoc& Colors() { return *m_pColors; }
    CMapDoc& Map() { return *m_pMap; }
    CMovingMapDoc& MovingMap() { return *m_pMovingMap; }
    CAirspaceRegionsDoc& AirspaceRegions() { return *m_pAirspaceRegions; }

    // The four spare texts and the reserved header fields, kept as read.
    const std::string& GetSpareText(int i) const { return m_strSpare[i]; }
    std::string GetReservedText(int i) const;  // 1..3
    int16_t GetReservedWord() const { return m_nReservedWord; }

private:
    void CreateSubDocuments();
    void BuildPaths();

    int32_t m_bNew = 1;
    int32_t m_nVersion = kVersion;
    uint8_t m_szReserved1[30];
    uint8_t m_szReserved2[20];
    int32_t m_tCreation = 0;
    int16_t m_nReservedWord = 0;
    uint8_t m_szReserved3[10];
    int32_t m_bSignalOnSave = 0;
    std::string m_strSpare[4];
    std::string m_strProgramDir;
    std::string m_strRegionName = "Germany";
    uint8_t m_szPlaneName[12];
    void* m_pMainFrame = nullptr;
    CLocation m_Home;

    std::unique_ptr<CFontDoc> m_pFont;
    std::unique_ptr<CDimDoc> m_pUnits;
    std::unique_ptr<CLoadDoc> m_pLoad;
    std::unique_ptr<CCalcDoc> m_pCalc;
    std::unique_ptr<CAppendixDoc> m_pAppendix;
    std::unique_ptr<CGpsDoc> m_pGps;
    std::unique_ptr<CQuickFind> m_pQuickFind;
    std::unique_ptr<CColorDoc> m_pColors;
    std::unique_ptr<CMapDoc> m_pMap;
    std::unique_ptr<CMovingMapDoc> m_pMovingMap;
    std::unique_ptr<CAirspaceRegionsDoc> m_pAirspaceRegions;

    CElevDoc* m_pElevDoc = nullptr;            // borrowed
    CElevArrayDoc* m_pElevArrayDoc = nullptr;  // borrowed
    CElevColorDoc* m_pSeaColorDoc = nullptr;   // borrowed
    CElevColorDoc* m_pFlightColorDoc = nullptr;

    CLatLon m_MapCentre;
    std::string m_strRegionPath;
    std::string m_strPlanesPath;
    std::string m_strElevGridPath;
    std::string m_strProfileIndexPath;
    std::string m_strAirspaceDir;
    std::string m_strSeaColorPath;
    std::string m_strFlightColorPath;
    std::string m_strPreviousInstallDir;
    int32_t m_bOldFormat = 0;
    // The file on disk could not be taken over (other version, no magic,
    // corrupt): keep a copy before it is first overwritten.
    bool m_bBackupBeforeSave = false;
};

CInitDoc* theInitDoc();
void SetInitDoc(CInitDoc* doc);
