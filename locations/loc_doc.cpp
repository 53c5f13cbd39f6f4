#include "locations/loc_doc.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/archive.h"
#include "core/init_doc.h"
#include "locations/quick_find.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

namespace {

constexpr const char* kHeaders[] = {"VX KO  1.00  ", "VX KO  2.00  ", "VX KO  2.10  ", "VX KO  2.23  ",
                                    "VX KO  4.00  "};

CLocDoc* currentLocDoc = nullptr;

// The character at position `i` of a UTF-8 text (empty beyond its end).
std::string charAt(const std::string& s, size_t i) { return utf8Left(s, i + 1).substr(utf8Left(s, i).size()); }

// Formats 1 and 2 store no country: it follows from the region's name.
std::string countryOfRegion(const std::string& region) {
    const std::string first2 = utf8Left(region, 2);
    if (equalsNoCase(first2, "Ge")) return "ED";
    if (equalsNoCase(first2, "Au")) return "LO";
    if (equalsNoCase(charAt(region, 0), "S") && equalsNoCase(charAt(region, 2), "I")) return "LS";
    return "  ";
}

bool isDeletionMarker(const CLocation& loc) {
    return loc.m_dLat == 0.0 && loc.m_dLon == 0.0 && loc.Elevation() == 0;
}

}  // namespace

CLocDoc* theLocDoc() { return currentLocDoc; }
void SetLocDoc(CLocDoc* doc) { currentLocDoc = doc; }

int CLocDoc::HeaderFormat(const char (&header)[kHeaderSize]) {
    const size_t len = strnlen(header, kHeaderSize);
    for (int i = 0; i < 5; ++i) {
        if (len == std::strlen(kHeaders[i]) && std::memcmp(header, kHeaders[i], len) == 0) return i + 1;
    }
    return 0;
}

std::string CLocDoc::GetRegionName() const { return fileTitle(GetPathName()); }

std::string CLocDoc::GetRegionDir() const {
    const std::string dir = dirPart(GetPathName());
    return dir.empty() ? withTrailingSeparator(GetPathName()) : dir;
}

void CLocDoc::NoteFailedLoad(const std::string& path) {
    if (!HasFailed(path)) m_FailedPaths.push_back(path);
}

bool CLocDoc::OnOpenDocument(const std::string& path, bool silentConversion) {
    Clear();
    m_bConverted = false;
    m_bResorted = false;
    m_bRename = false;
    m_nFormat = 0;
    SetPathName(path);
    SetModifiedFlag(false);
    const std::string region = GetRegionName();
    try {
        CArchive ar(path, CArchive::load);
        char header[kHeaderSize];
        ar.ReadRaw(header, sizeof header);
        const int format = HeaderFormat(header);
        if (format == 0) {
            // Not a region file, or one of a format this program does not know:
            // never read its bytes as records.
            NoteFailedLoad(path);
            thePrompt().Message(FormatStr(61700, baseName(path).c_str()), MessageKind::Error);
            return false;
        }
        m_nFormat = format;
        std::string country;
        if (format < CLocation::kCurrentFormat) {
            if (!silentConversion) {
                const std::string question = strFormat(
                    "Die Ortsdaten liegen noch im alten Format vor. Wollen Sie die Datei »%s« umwandeln?",
                    region.c_str());
                if (thePrompt().AskYesNo(question) != Answer::Yes) {
                    NoteFailedLoad(path);
                    thePrompt().Message("Ortsdaten können nicht eingelesen werden.", MessageKind::Error);
                    return false;
                }
            }
            m_bConverted = true;
            if (format <= 2) country = countryOfRegion(region);
            if (equalsNoCase(region, "Danmark")) m_bRename = true;
        }
        const int recordSize = CLocation::RecordSize(format);
        const uint64_t count = ar.BytesLeft() / recordSize;
        ar.CheckCount(static_cast<int64_t>(count), recordSize, "location records");
        for (uint64_t i = 0; i < count; ++i) {
            CLocation loc;
            loc.Read(ar, format, country);
            if (!IsKnownType(loc.GetType())) loc.SetType(WP_USER);
            CLocLists::List& list = m_Lists.GetList(TypeToListPos(loc.GetType()));
            list.push_back(loc.ToPacked());
            if (m_pIndex) m_pIndex->Register(loc, static_cast<int>(list.size()) - 1);
        }
        ar.Close();
    } catch (const std::exception&) {
        // Short header or a read error: keep what was read, report the file.
        // (A file that is not there has nothing to protect.)
        if (fileExists(path)) NoteFailedLoad(path);
        thePrompt().Message(FormatStr(61700, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    m_FailedPaths.erase(std::remove(m_FailedPaths.begin(), m_FailedPaths.end(), path), m_FailedPaths.end());
    if (m_bRename) RenameOldDanishFile();
    return true;
}

// Old data sets named Denmark's region "Danmark"; the file takes the new name.
void CLocDoc::RenameOldDanishFile() {
    const std::string path = GetPathName();
    const std::string dir = dirPart(path);
    std::string name = baseName(path);
    const std::string second = utf8Left(name, 2);
    const std::string first = utf8Left(name, 1);
    name = first + "e" + name.substr(second.size());
    const std::string target = dir + name;
    // Never replace a file that is already there.
    if (findNoCase(dir.empty() ? "./" : dir, name) || std::rename(path.c_str(), target.c_str()) != 0) {
        thePrompt().Beep();
        return;
    }
    SetPathName(target);
}

bool CLocDoc::CheckOrder() {
    if (m_Lists.SortLists()) m_bResorted = true;
    return m_bResorted;
}

bool CLocDoc::Save(const std::string& path, bool ask) {
    if (ask) {
        const std::string question = FormatStr(1768, fileTitle(path).c_str());
        if (thePrompt().AskYesNo(question) != Answer::Yes) {
            SetModifiedFlag(false);
            return true;
        }
    }
    if (HasFailed(path)) {
        // The file there could not be read: what this document holds is not
        // its content, so it must not replace it.
        thePrompt().Message(FormatStr(61701, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    try {
        CArchive ar(path, CArchive::store);
        char header[kHeaderSize] = {};
        std::memcpy(header, kCurrentHeader, std::strlen(kCurrentHeader));
        ar.WriteRaw(header, sizeof header);
        m_Lists.ForEachInNameOrder([&](int, const PackedLocation& rec) { ar.WriteRaw(rec.data(), rec.size()); });
        ar.Close();
    } catch (const std::exception&) {
        thePrompt().Message(FormatStr(61701, baseName(path).c_str()), MessageKind::Error);
        return false;
    }
    if (m_nRegion >= 0 && m_pIndex && m_nRegion < m_pIndex->Regions().Size()) {
        m_pIndex->Regions().Entries()[m_nRegion].count = clampTo<int16_t>(m_Lists.Count());
    }
    m_bConverted = false;
    m_bResorted = false;
    SetModifiedFlag(false);
    if (theInitDoc() && theInitDoc()->GetSignalOnSave()) thePrompt().Beep();
    return true;
}

bool CLocDoc::MergeDatabase(const CLocDoc& other) {
    bool changed = false;
    for (int listPos = 0; listPos < kLocationTypeCount; ++listPos) {
        CLocLists::List& list = m_Lists.GetList(listPos);
        for (const PackedLocation& rec : other.GetList(listPos)) {
            const CLocation loc = CLocation::FromPacked(rec);
            int index = 0;
            const bool found = m_Lists.Find(listPos, loc.GetName(), index);
            if (found && isDeletionMarker(loc)) {
                list.erase(list.begin() + index);
            } else if (found) {
                thePrompt().Message(strFormat("%s %s wird überschrieben!", TypeWord(ListPosToType(listPos)),
                                              loc.GetName().c_str()));
                list[index] = rec;
            } else if (!isDeletionMarker(loc)) {
                list.insert(list.begin() + index, rec);
            } else {
                continue;
            }
            changed = true;
        }
    }
    if (changed) SetModifiedFlag(true);
    return changed;
}

bool CLocDoc::HasFailed(const std::string& path) const {
    return std::find(m_FailedPaths.begin(), m_FailedPaths.end(), path) != m_FailedPaths.end();
}

bool CLocDoc::MergeCommand() {
    const std::string question = strFormat(
        "Möchten Sie Orte aus einer neuen Datenbank in die Region »%s« kopieren?", GetRegionName().c_str());
    if (thePrompt().AskYesNo(question) != Answer::Yes) return false;
    const auto path = thePrompt().ChooseOpenFile("Zusammenführen", GetRegionDir(), {"Region (*.krd)", "*.krd"});
    if (!path || path->empty()) return false;
    CLocDoc other;
    if (!other.OnOpenDocument(*path) || !MergeDatabase(other)) return false;
    Save(GetPathName(), false);
    if (m_pIndex) m_pIndex->RebuildIndex();
    return true;
}
