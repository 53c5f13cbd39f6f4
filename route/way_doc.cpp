#include "route/way_doc.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/init_doc.h"
#include "platform/numtext.h"
#include "route/route_calc.h"
#include "route/way_doc_links.h"

namespace {

CWayDoc* currentWayDoc = nullptr;

constexpr double kNearDegrees = 0.0001;

void clearMapCentre() {
    if (CInitDoc* settings = theInitDoc()) settings->ClearMapCentre();
}

void extendBox(LatLonBox& box, bool& any, const CLatLon& p) {
    if (!p.IsValid()) return;
    if (!any) {
        box = LatLonBox{p.m_dLat, p.m_dLon, p.m_dLat, p.m_dLon};
        any = true;
        return;
    }
    box.north = std::max(box.north, p.m_dLat);
    box.south = std::min(box.south, p.m_dLat);
    box.west = std::min(box.west, p.m_dLon);
    box.east = std::max(box.east, p.m_dLon);
}

}  // namespace

CWayDoc* theWayDoc() { return currentWayDoc; }
void SetWayDoc(CWayDoc* doc) { currentWayDoc = doc; }

WayDocLinks& theWayDocLinks() {
    static WayDocLinks links;
    return links;
}

CWayDoc::CWayDoc() : m_pCalc(CreateRouteCalc(*this)) { ResetHeader(); }

CWayDoc::~CWayDoc() {
    if (currentWayDoc == this) currentWayDoc = nullptr;
}

void CWayDoc::ResetHeader() {
    m_Header.fill(0);
    std::memcpy(m_Header.data(), kCurrentMagic, std::strlen(kCurrentMagic));
}

// ---- waypoints -----------------------------------------------------------------------------

bool CWayDoc::GetAt(int index, CWayPoint& wp) const {
    if (index < 0 || index >= GetCount()) return false;
    wp = CWayPoint::FromPackedWayPoint(m_WayPoints[static_cast<size_t>(index)]);
    return true;
}

CWayPoint CWayDoc::GetWayPoint(int index) const {
    CWayPoint wp;
    GetAt(index, wp);
    return wp;
}

bool CWayDoc::Append(const CWayPoint& wp) { return InsertAt(GetCount(), wp); }

bool CWayDoc::InsertAt(int index, const CWayPoint& wp) {
    if (index < 0 || index > GetCount() || GetCount() >= kMaxWayPoints) return false;
    m_WayPoints.insert(m_WayPoints.begin() + index, wp.ToPackedWayPoint());
    if (m_nActive >= index) ++m_nActive;
    MarkModified();
    return true;
}

bool CWayDoc::ReplaceAt(int index, const CWayPoint& wp) {
    if (index < 0 || index >= GetCount()) return false;
    m_WayPoints[static_cast<size_t>(index)] = wp.ToPackedWayPoint();
    MarkModified();
    return true;
}

bool CWayDoc::ReplacePacked(int index, const PackedWayPoint& packed) {
    if (index < 0 || index >= GetCount()) return false;
    m_WayPoints[static_cast<size_t>(index)] = packed;
    MarkModified();
    return true;
}

bool CWayDoc::RemoveAt(int index) {
    if (index < 0 || index >= GetCount()) return false;
    m_WayPoints.erase(m_WayPoints.begin() + index);
    if (m_nActive >= index) {
        --m_nActive;
        if (m_nActive < 0 && GetCount() > 0) m_nActive = 0;
    }
    MarkModified();
    return true;
}

void CWayDoc::SetActive(int index) {
    if (index < -1 || index >= GetCount()) return;
    m_nActive = static_cast<int16_t>(index);
    clearMapCentre();
}

// ---- alternates, options, flight-plan texts -----------------------------------------------

bool CWayDoc::GetAlternate(int which, CWayPoint& wp) const {
    if (which != 1 && which != 2) return false;
    wp = m_Alternates[which - 1];
    return true;
}

bool CWayDoc::SetAlternate(int which, const CWayPoint& wp) {
    if (which != 1 && which != 2) return false;
    m_Alternates[which - 1] = wp;
    MarkModified();
    return true;
}

void CWayDoc::SetOption(uint8_t option, bool on) {
    const uint8_t options = on ? (GetOptions() | option) : (GetOptions() & ~option);
    if (options == GetOptions()) return;
    m_Header[14] = options;
    MarkModified();
}

namespace {
// Applies `change` to a copy of the block and takes it over when it differs.
template <typename Change>
bool changeBlock(CFlightPlanBlock& block, Change change) {
    CFlightPlanBlock changed = block;
    change(changed);
    if (changed == block) return false;
    block = changed;
    return true;
}
}  // namespace

void CWayDoc::SetFlightPlanManual(bool manual) {
    if (changeBlock(m_FlightPlan, [&](CFlightPlanBlock& b) { b.SetManual(manual); })) MarkModified();
}

void CWayDoc::SetFlightPlanSpeed(const std::string& text) {
    if (changeBlock(m_FlightPlan, [&](CFlightPlanBlock& b) { b.SetSpeed(text); })) MarkModified();
}

void CWayDoc::SetFlightPlanRoute(const std::string& text) {
    if (changeBlock(m_FlightPlan, [&](CFlightPlanBlock& b) { b.SetRoute(text); })) MarkModified();
}

void CWayDoc::SetFlightPlanAlternate(int which, const std::string& text) {
    if (which != 1 && which != 2) return;
    if (changeBlock(m_FlightPlan, [&](CFlightPlanBlock& b) { b.SetAlternate(which, text); })) MarkModified();
}

void CWayDoc::SetFlightPlanOther(const std::string& text) {
    if (changeBlock(m_FlightPlan, [&](CFlightPlanBlock& b) { b.SetOther(text); })) MarkModified();
}

// ---- positions ----------------------------------------------------------------------------

bool CWayDoc::IsNear(int index, const CLatLon& position) const {
    for (int i = index; i <= index + 1; ++i) {
        if (i < 0 || i >= GetCount()) continue;
        const CWayPoint wp = GetWayPoint(i);
        if (std::fabs(wp.m_dLat - position.m_dLat) < kNearDegrees &&
            std::fabs(wp.m_dLon - position.m_dLon) < kNearDegrees)
            return true;
    }
    return false;
}

bool CWayDoc::GetBounds(LatLonBox& box, bool withStations) const {
    bool any = false;
    for (int i = 0; i < GetCount(); ++i) {
        const CWayPoint wp = GetWayPoint(i);
        extendBox(box, any, wp);
        if (!withStations) continue;
        for (int b = 0; b < 2; ++b) {
            CLatLon station;
            if (wp.GetBearing(b).StationPosition(wp, station)) extendBox(box, any, station);
        }
    }
    return any;
}

bool CWayDoc::GetRouteEnds(std::string& first, std::string& last) const {
    if (GetCount() == 0) return false;
    first = GetWayPoint(0).GetName();
    last = GetWayPoint(GetCount() - 1).GetName();
    return true;
}

std::string CWayDoc::GetRouteText() const {
    std::string first;
    std::string last;
    if (!GetRouteEnds(first, last)) return std::string();
    return strFormat("Flug: %s - %s", first.c_str(), last.c_str());
}

// ---- contents -------------------------------------------------------------------------------

void CWayDoc::DeleteContents() {
    ResetHeader();
    m_WayPoints.clear();
    m_FlightPlan = CFlightPlanBlock();
    m_Alternates[0] = CWayPoint();
    m_Alternates[1] = CWayPoint();
    m_nActive = -1;
    m_nFileVersion = 0;
    m_pCalc = CreateRouteCalc(*this);
    if (const auto& toAutomatic = theWayDocLinks().flightPlanToAutomatic) toAutomatic();
}
