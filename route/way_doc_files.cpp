// New, open and save of the route document, and the questions before a
// changed route is replaced.

#include "core/app_frame.h"
#include "core/app_recent_files.h"
#include "core/app_views.h"
#include "core/archive.h"
#include "core/init_doc.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"
#include "route/route_strings.h"
#include "route/way_doc.h"
#include "route/way_doc_links.h"
#include "route/way_lookup.h"

namespace {

constexpr const char* kFilePattern = "*.way";
constexpr const char* kExtension = ".way";
constexpr const char* kSaveAsTitle = "Speichern unter";

MainFrameLink* mainFrame() {
    CInitDoc* settings = theInitDoc();
    return settings ? static_cast<MainFrameLink*>(settings->GetMainFrame()) : nullptr;
}

void clearMapCentre() {
    if (CInitDoc* settings = theInitDoc()) settings->ClearMapCentre();
}

void beepOnSave() {
    if (theInitDoc() && theInitDoc()->GetSignalOnSave()) thePrompt().Beep();
}

std::string withExtension(const std::string& path) {
    return fileExtension(path).empty() ? path + kExtension : path;
}

}  // namespace

// ---- new --------------------------------------------------------------------------------------

bool CWayDoc::OnNewDocument() {
    DeleteContents();
    SetPathName(std::string());
    SetTitle(LoadStr(kStrNoName));
    if (m_bHomeAirfield) {
        // Even an empty home airfield (none was found) starts the route.
        const CLocation home = theInitDoc() ? theInitDoc()->GetHome() : CLocation();
        CWayPoint start(home);
        start.SetPlannedAltitude(home.Elevation());
        start.SetAltitudeUnit(home.GetElevationUnit());
        Append(start);
        SetActive(0);
    }
    clearMapCentre();
    m_bHomeAirfield = true;
    if (const auto& link = theWayDocLinks().routeForScannedMaps) link(*this);
    SetModifiedFlag(false);
    return true;
}

// ---- open ---------------------------------------------------------------------------------------

bool CWayDoc::OnOpenDocument(const std::string& path) {
    DeleteContents();
    SetPathName(path);
    ReadResult result = ReadResult::Read;
    try {
        CArchive ar(path, CArchive::load);
        result = Load(ar, ReadMode::Ask);
        ar.Close();
    } catch (const std::exception&) {
        thePrompt().Message(FormatStr(kStrRouteOpenError, GetTitle().c_str()), MessageKind::Error);
        // Nothing of the file is kept, and no later save may replace it.
        DeleteContents();
        SetPathName(std::string());
        SetModifiedFlag(false);
        return false;
    }
    AddToRecentFileList(path);
    SetModifiedFlag(false);

    if (result == ReadResult::Declined) {
        // An empty route under the file's name; saving it asks for a path,
        // so the file that was not read is never replaced unasked.
        const std::string title = GetTitle();
        SetPathName(std::string());
        SetTitle(title);
    } else {
        const bool refreshed = RefreshFromDatabase();
        // A converted or refreshed route goes back to its file at once. A
        // failed save was reported and leaves the route modified.
        if (m_bConverted || refreshed) OnSaveDocument(path);
        m_bConverted = false;
    }

    const WayDocLinks& links = theWayDocLinks();
    if (links.routeForScannedMaps) links.routeForScannedMaps(*this);
    clearMapCentre();
    MainFrameLink* frame = mainFrame();
    if (frame && IsTrackView(frame->CurrentView())) frame->ShowView(VIEW_COURSE);
    UpdateAllViews();
    if (frame && frame->CurrentView() == VIEW_SCAN_MAP && links.centreScannedMap) links.centreScannedMap(*this);
    return true;
}

bool CWayDoc::RefreshFromDatabase() {
    CQuickFind* names = RouteNameIndex();
    if (!names) return false;
    CQuickFind& index = *names;
    bool refreshed = false;
    for (int i = 0; i < GetCount(); ++i) {
        CWayPoint wp = GetWayPoint(i);
        CLocation found;
        if (FindWayPointInDatabase(index, wp, found) && !(found == wp.Location()) &&
            thePrompt().AskYesNo(FormatStr(kStrUseDatabaseData, wp.ShownText().c_str())) == Answer::Yes) {
            // How the user named the point (name or ident) stays.
            const uint8_t shownByIdent = wp.GetFlags() & LOC_SHOW_IDENT;
            wp.SetLocation(found);
            wp.SetFlags(static_cast<uint8_t>((wp.GetFlags() & ~LOC_SHOW_IDENT) | shownByIdent));
        }
        for (int b = 0; b < 2; ++b) {
            CLocation station;
            CRadioBearing& bearing = wp.Bearing(b);
            if (!FindStationInDatabase(index, bearing, station)) continue;
            const std::string name = bearing.m_strStation;
            if (bearing.SetFromStation(station, wp)) bearing.m_strStation = name;
        }
        if (wp.ToPackedWayPoint() != GetPacked(i)) {
            ReplaceAt(i, wp);
            refreshed = true;
        }
    }
    return refreshed;
}

// ---- save -----------------------------------------------------------------------------------------

bool CWayDoc::OnSaveDocument(const std::string& path) {
    try {
        if (path.empty()) throw FileError(0, path, "no path");
        CArchive ar(path, CArchive::store);
        Store(ar);
        ar.Close();
    } catch (const std::exception&) {
        thePrompt().Message(FormatStr(kStrRouteSaveError, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    m_bConverted = false;
    SetModifiedFlag(false);
    beepOnSave();
    return true;
}

bool CWayDoc::DoFileSave() {
    if (GetPathName().empty()) return DoSaveAs();
    return OnSaveDocument(GetPathName());
}

bool CWayDoc::DoSaveAs() {
    std::string start = GetPathName();
    if (start.empty()) {
        const std::string dir = theInitDoc() ? theInitDoc()->GetProgramDir() : programDir();
        start = withExtension(dir + (GetTitle().empty() ? std::string(kDefaultTitle) : GetTitle()));
    }
    const auto chosen = thePrompt().ChooseSaveFile(kSaveAsTitle, start, FileFilter{kFileFilter, kFilePattern});
    if (!chosen || chosen->empty()) return false;
    const std::string path = withExtension(*chosen);
    if (!OnSaveDocument(path)) return false;
    const bool moved = !equalsNoCase(path, GetPathName());
    SetPathName(path);
    AddToRecentFileList(path);
    if (moved) UpdateAllViews();
    return true;
}

bool CWayDoc::SaveModified(const std::string& path, bool ask) {
    if (!IsModified()) return true;
    if (ask && thePrompt().AskYesNo(FormatStr(kStrRouteChanged, GetTitle().c_str())) != Answer::Yes) {
        SetModifiedFlag(false);
        return false;
    }
    if (!path.empty()) return OnSaveDocument(path);
    DoSaveAs();
    return !IsModified();
}

bool CWayDoc::QuerySaveModified() {
    if (!IsModified()) return true;
    switch (thePrompt().AskYesNoCancel(FormatStr(kStrRouteChanged, GetTitle().c_str()))) {
        case Answer::Yes:
            return DoFileSave();
        case Answer::No:
            SetModifiedFlag(false);
            return true;
        default:
            return false;
    }
}

// ---- the file commands ---------------------------------------------------------------------------

bool CWayDoc::NewRoute() {
    if (!QuerySaveModified()) return false;
    OnNewDocument();
    UpdateAllViews();
    return true;
}

bool CWayDoc::OpenRoute(const std::string& path) {
    if (!QuerySaveModified()) return true;
    if (OnOpenDocument(path)) return true;
    OnNewDocument();
    UpdateAllViews();
    return false;
}
