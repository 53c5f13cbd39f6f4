#include "locations/quick_find.h"

#include <algorithm>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

CQuickFind::CQuickFind() = default;
CQuickFind::~CQuickFind() = default;

void CQuickFind::Attach(CLocDoc* doc) {
    m_pDoc = doc;
    if (doc) doc->SetIndex(this);
}

void CQuickFind::SetRegionDir(const std::string& dir) { m_strRegionDir = withTrailingSeparator(dir); }

std::string CQuickFind::RegionName(int region) const {
    if (region < 0 || region >= m_Regions.Size()) return {};
    return m_Regions.Entries()[region].name;
}

std::string CQuickFind::RegionPath(int region) const {
    const std::string file = RegionName(region) + ".krd";
    const auto found = findNoCase(m_strRegionDir, file);
    return found ? *found : m_strRegionDir + file;
}

// ---- scanning -------------------------------------------------------------------------

int CQuickFind::RenameEntry(int region, const std::string& newName) {
    auto& entries = m_Regions.Entries();
    const bool active = entries[region].active;
    entries.erase(entries.begin() + region);
    const int renamed = m_Regions.Insert({newName, -1, active});
    if (active) entries[renamed].active = true;
    return renamed;
}

int CQuickFind::ScanRegions(CInitDoc& settings) {
    CLocDoc* doc = m_pDoc;
    std::string dir = dirPart(settings.GetRegionPath());
    if (dir.empty()) dir = settings.GetProgramDir();
    SetRegionDir(dir);
    const std::string currentName = settings.GetRegionName();
    const bool freshList = m_Regions.Size() == 0;

    std::vector<std::string> files = listFilesWithSuffix(m_strRegionDir, ".krd");
    std::stable_sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return compareNoCase(baseName(a), baseName(b)) < 0;
    });
    if (files.empty()) thePrompt().Message(LoadStr(1791), MessageKind::Warning);

    // A region keeps the count -1 until its file is found again.
    for (auto& e : m_Regions.Entries()) e.count = -1;
    CLocDoc scratch;
    CLocDoc& loader = doc ? *doc : scratch;
    for (const std::string& file : files) {
        const std::string title = fileTitle(file);
        if (title.empty()) continue;
        int region = m_Regions.Find(title);
        if (region < 0) region = m_Regions.Insert({title, -1, false});
        loader.Clear();
        loader.SetRegionIndex(region);
        const bool loaded = loader.OnOpenDocument(file, m_bReadOnly);
        if (loaded) loader.CheckOrder();
        if (loader.GetRegionName() != title) {
            // The file was renamed while it was loaded.
            region = RenameEntry(region, loader.GetRegionName());
            loader.SetRegionIndex(region);
        }
        const int recordSize = CLocation::RecordSize(loader.GetLoadedFormat() ? loader.GetLoadedFormat() : 5);
        const long long records = std::max(0LL, (fileSize(loader.GetPathName()) - CLocDoc::kHeaderSize) / recordSize);
        m_Regions.Entries()[region].count = clampTo<int16_t>(records);
        if (loaded && !m_bReadOnly && (loader.IsConverted() || loader.IsResorted())) {
            loader.Save(loader.GetPathName(), false);
        }
    }

    // Regions whose file is gone leave the list.
    auto& entries = m_Regions.Entries();
    for (size_t i = 0; i < entries.size();) {
        if (entries[i].count != -1) {
            ++i;
            continue;
        }
        if (equalsNoCase(entries[i].name, "Germany") && !settings.IsNew()) {
            thePrompt().Message(FormatStr(1789, entries[i].name.c_str()), MessageKind::Warning);
        }
        entries.erase(entries.begin() + i);
    }

    // The current region: the settings' one if it is active, else the first
    // active one; with none active, the first region becomes active.
    // Fresh settings come without a region list, so no region is active yet:
    // their own region (Germany by default) is the one to start with when its
    // file is there, rather than whichever region sorts first.
    int current = m_Regions.Find(currentName);
    if (current >= 0 && !entries[current].active) {
        if (settings.IsNew() && freshList) {
            entries[current].active = true;
        } else {
            current = -1;
        }
    }
    for (int i = 0; current < 0 && i < m_Regions.Size(); ++i) {
        if (entries[i].active) current = i;
    }
    if (current < 0 && !entries.empty()) {
        entries[0].active = true;
        current = 0;
    }
    if (current >= 0) settings.SetRegionPath(RegionPath(current));
    if (doc) {
        doc->Clear();
        doc->SetPathName(settings.GetRegionPath());
        doc->SetRegionIndex(current);
    }
    return current;
}

// ---- building -------------------------------------------------------------------------

int CQuickFind::SumRecordCounts() const {
    int sum = 0;
    for (const auto& e : m_Regions.Entries()) {
        if (e.count < 0) {
            thePrompt().Message("Region Cnt = -1");
            continue;
        }
        sum += e.count;
    }
    return sum;
}

bool CQuickFind::MakeRoom(int count) {
    m_Cache.clear();
    if (count <= 0) {
        m_Names.Discard();
        m_LaLo.Discard();
        return true;
    }
    if (!m_Names.MakeRoom(2 * count) || !m_LaLo.MakeRoom(count)) {
        m_Names.Discard();
        m_LaLo.Discard();
        return false;
    }
    return true;
}

void CQuickFind::SetCurrentRegion(int region) {
    m_Names.SetCurrentRegion(region);
    m_LaLo.SetCurrentRegion(region);
}

void CQuickFind::Register(const CLocation& loc, int pos) {
    m_Names.Register(loc, pos);
    m_LaLo.Register(loc.m_dLat, loc.m_dLon, loc.GetType(), pos);
}

void CQuickFind::Sort() {
    m_Names.Sort();
    m_LaLo.Sort();
}

bool CQuickFind::RebuildIndex() {
    const bool room = MakeRoom(SumRecordCounts());
    if (!room) {
        thePrompt().Message(LoadStr(1790), MessageKind::Error);
    } else {
        m_Cache.resize(static_cast<size_t>(m_Regions.Size()));
        for (int r = 0; r < m_Regions.Size(); ++r) {
            if (!m_Regions.Entries()[r].active) continue;
            auto region = std::make_unique<CLocDoc>();
            const std::string path = RegionPath(r);
            region->SetRegionIndex(r);
            // A file the document could not read has been reported already.
            if (!(m_pDoc && m_pDoc->HasFailed(path))) {
                SetCurrentRegion(r);
                region->SetIndex(this);
                region->OnOpenDocument(path, m_bReadOnly);
                region->SetIndex(nullptr);
                SetCurrentRegion(-1);
            }
            m_Cache[r] = std::move(region);
        }
        Sort();
    }
    if (m_pDoc) {
        const std::string path = m_pDoc->GetPathName();
        const int region = m_pDoc->GetRegionIndex();
        m_pDoc->Clear();
        if (!path.empty() && fileExists(path) && !m_pDoc->HasFailed(path)) m_pDoc->OnOpenDocument(path, m_bReadOnly);
        m_pDoc->SetRegionIndex(region);
    }
    return room;
}

bool CQuickFind::ApplyActivation(const std::vector<bool>& active, int shown) {
    auto& entries = m_Regions.Entries();
    bool changed = false;
    int firstActive = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool on = i < active.size() && active[i];
        if (entries[i].active != on) changed = true;
        entries[i].active = on;
        if (on && firstActive < 0) firstActive = static_cast<int>(i);
    }
    if (shown < 0 || shown >= m_Regions.Size()) shown = firstActive;
    if (m_pDoc && shown >= 0 && shown != m_pDoc->GetRegionIndex()) {
        m_pDoc->Clear();
        m_pDoc->OnOpenDocument(RegionPath(shown));
        m_pDoc->SetRegionIndex(shown);
    }
    if (changed) RebuildIndex();
    return changed;
}

// ---- lookups --------------------------------------------------------------------------

const CLocDoc* CQuickFind::RegionData(int region) {
    if (region < 0 || region >= m_Regions.Size()) return nullptr;
    if (m_Cache.size() < static_cast<size_t>(m_Regions.Size())) m_Cache.resize(static_cast<size_t>(m_Regions.Size()));
    if (!m_Cache[region]) {
        auto doc = std::make_unique<CLocDoc>();
        doc->OnOpenDocument(RegionPath(region), true);
        doc->SetRegionIndex(region);
        m_Cache[region] = std::move(doc);
    }
    return m_Cache[region].get();
}

CLocation CQuickFind::RecordOf(int region, int type, int pos) {
    const CLocDoc* data = RegionData(region);
    if (!data) return CLocation();
    CLocation loc = data->GetAt(TypeToListPos(type), pos);
    loc.SetRegion(RegionName(region));
    return loc;
}

bool CQuickFind::LocationOf(int index, CLocation& loc, int& region) {
    if (index < 0 || index >= m_Names.Count()) return false;
    const NameEntry& e = m_Names.At(index);
    if (e.region < 0 || e.region >= m_Regions.Size()) return false;
    region = e.region;
    loc = RecordOf(e.region, e.type, e.pos);
    return true;
}

bool CQuickFind::FindLocationByName(const std::string& text, CLocation& loc) {
    int first = 0;
    int last = 0;
    int region = 0;
    if (!m_Names.Range(text, first, last)) return false;
    return LocationOf(first, loc, region) && loc.IsPositionAndVariationValid();
}

bool CQuickFind::FirstAirfield(CLocation& loc) {
    for (int i = 0; i < m_Names.Count(); ++i) {
        if (m_Names.At(i).type != WP_AIRPORT) continue;
        CLocation candidate;
        int region = 0;
        if (LocationOf(i, candidate, region) && candidate.IsPositionAndVariationValid() &&
            candidate.GetType() == WP_AIRPORT) {
            loc = candidate;
            return true;
        }
    }
    return false;
}

bool CQuickFind::StartSearch(const LatLonBox& box) { return m_LaLo.StartSearch(box, m_Regions.Size()); }

bool CQuickFind::NextHit(CLocation& loc, int& region) {
    const LaLoEntry* e = m_LaLo.NextHit();
    if (!e) return false;
    region = e->region;
    loc = RecordOf(e->region, e->type, e->pos);
    return true;
}
