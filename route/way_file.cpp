// Reading and writing the route file: the six versions of the header magic,
// their record layouts and where their waypoint count comes from.

#include <cstring>

#include "core/archive.h"
#include "platform/prompt.h"
#include "platform/string_table.h"
#include "route/route_strings.h"
#include "route/way_doc.h"
#include "route/way_doc_links.h"
#include "route/way_lookup.h"

namespace {

constexpr size_t kMagicField = 14;
constexpr size_t kOptionsOffset = 14;
constexpr size_t kCountOffset = 16;

// The magic texts by version 1..6.
constexpr const char* kMagics[] = {"VX WAY 1.00  ", "VX WAY 2.10  ", "VX WAY 2.20  ",
                                   "VX WAY 2.23  ", "VX WAY 3.00  ", "VX WAY 4.00  "};

// Versions from 5 on count their waypoints in the header and carry the
// flight-plan block and the alternates.
bool hasCountAndTail(int version) { return version >= 5; }

int16_t headerCount(const std::array<uint8_t, CWayDoc::kHeaderSize>& header) {
    return static_cast<int16_t>(header[kCountOffset] | (header[kCountOffset + 1] << 8));
}

void setHeaderCount(std::array<uint8_t, CWayDoc::kHeaderSize>& header, int count) {
    header[kCountOffset] = static_cast<uint8_t>(count & 0xFF);
    header[kCountOffset + 1] = static_cast<uint8_t>((count >> 8) & 0xFF);
}

std::string magicOf(const std::array<uint8_t, CWayDoc::kHeaderSize>& header) {
    const char* text = reinterpret_cast<const char*>(header.data());
    return std::string(text, strnlen(text, kMagicField));
}

}  // namespace

int CWayDoc::VersionOfMagic(const std::string& magic) {
    for (int v = 1; v <= kCurrentVersion; ++v) {
        if (magic == kMagics[v - 1]) return v;
    }
    return 0;
}

void CWayDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar, ReadMode::Ask);
}

void CWayDoc::Store(CArchive& ar) {
    std::memset(m_Header.data(), 0, kMagicField);
    std::memcpy(m_Header.data(), kCurrentMagic, std::strlen(kCurrentMagic));
    setHeaderCount(m_Header, GetCount());
    ar.WriteRaw(m_Header.data(), m_Header.size());
    for (const PackedWayPoint& wp : m_WayPoints) ar.WriteRaw(wp.data(), wp.size());
    m_FlightPlan.Write(ar);
    if (HasOption(RTE_ALTERNATES)) {
        m_Alternates[0].Write(ar);
        m_Alternates[1].Write(ar);
    }
}

CWayDoc::ReadResult CWayDoc::Load(CArchive& ar, ReadMode mode) {
    m_bConverted = false;
    m_WayPoints.clear();
    m_nActive = -1;
    m_nFileVersion = 0;

    std::array<uint8_t, kHeaderSize> header{};
    ar.ReadRaw(header.data(), header.size());
    const int version = VersionOfMagic(magicOf(header));
    if (version < kCurrentVersion) {
        // A header of no known version is no route file: it is refused like
        // a conversion the user declined.
        bool convert = true;
        if (mode == ReadMode::Ask)
            convert = thePrompt().AskYesNo(FormatStr(kStrRouteOldFormat, GetTitle().c_str())) == Answer::Yes;
        if (!convert || version == 0) {
            if (mode == ReadMode::Ask) thePrompt().Message(LoadStr(kStrRouteNotRead), MessageKind::Warning);
            ResetHeader();
            return ReadResult::Declined;
        }
        m_bConverted = true;
    }

    // Everything is checked against the file before the route changes.
    const int recordSize = CWayPoint::RecordSize(version);
    int64_t count = 0;
    if (hasCountAndTail(version)) {
        count = headerCount(header);
        const bool alternates = (header[kOptionsOffset] & RTE_ALTERNATES) != 0;
        const uint64_t tail = CFlightPlanBlock::kSize + (alternates ? 2 * CWayPoint::kPackedSize : 0);
        if (count < 0 || ar.BytesLeft() < tail ||
            static_cast<uint64_t>(count) > (ar.BytesLeft() - tail) / static_cast<uint64_t>(recordSize))
            throw ArchiveError(ArchiveError::Cause::BadLength, "route file shorter than its waypoint count");
    } else {
        count = static_cast<int64_t>((ar.GetFileLength() - kHeaderSize) / static_cast<uint64_t>(recordSize));
        if (count > kMaxWayPoints) throw ArchiveError(ArchiveError::Cause::BadLength, "too many waypoints");
    }
    ar.CheckCount(count, static_cast<uint64_t>(recordSize), "waypoints");

    m_Header = header;
    m_nFileVersion = version;
    // The oldest versions knew no route options.
    if (version < 3) ResetHeader();

    CQuickFind* index = version <= 2 ? RouteNameIndex() : nullptr;
    m_WayPoints.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        CWayPoint wp;
        wp.Read(ar, version);
        // Old files may name a place differently: the database's name and
        // region win for the same place.
        CLocation found;
        if (index && FindWayPointInDatabase(*index, wp, found)) {
            wp.SetName(found.GetName());
            wp.SetRegion(found.GetRegion());
        }
        m_WayPoints.push_back(wp.ToPackedWayPoint());
    }
    if (hasCountAndTail(version)) {
        m_FlightPlan.Read(ar);
        if (HasOption(RTE_ALTERNATES)) {
            m_Alternates[0].Read(ar, kCurrentVersion);
            m_Alternates[1].Read(ar, kCurrentVersion);
        }
    }
    ApplyReadTransforms();
    if (GetCount() > 0) SetActive(0);
    return ReadResult::Read;
}

void CWayDoc::ApplyReadTransforms() {
    const WayDocLinks& links = theWayDocLinks();
    if (HasOption(RTE_CLIMB_DESCENT) && links.rebuildClimbDescent && !links.rebuildClimbDescent(*this))
        SetOption(RTE_CLIMB_DESCENT, false);
    if (HasOption(RTE_GREAT_CIRCLE) && links.refreshGreatCircle && !links.refreshGreatCircle(*this))
        SetOption(RTE_GREAT_CIRCLE, false);
}

std::string CWayDoc::ReadQuietly(const std::string& path) {
    DeleteContents();
    SetPathName(path);
    try {
        CArchive ar(path, CArchive::load);
        const ReadResult result = Load(ar, ReadMode::Quiet);
        ar.Close();
        SetModifiedFlag(false);
        if (result == ReadResult::Declined) return LoadStr(kStrRouteNotRead);
        return std::string();
    } catch (const std::exception&) {
        DeleteContents();
        SetModifiedFlag(false);
        return FormatStr(kStrRouteOpenError, GetTitle().c_str());
    }
}
