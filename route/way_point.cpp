#include "route/way_point.h"

#include <cmath>
#include <cstring>

#include "core/archive.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

constexpr size_t kStationField = 18;

// Frequency codes (value x 1000) of the two radio bands a bearing is shown for.
bool isVhf(int32_t code) { return code > 107999 && code <= 117970; }
bool isNdb(int32_t code) { return code > 189999 && code <= 1750000; }

}  // namespace

// ---- radio bearing ---------------------------------------------------------------------

bool CRadioBearing::SetFromStation(const CLocation& station, const CLatLon& waypoint) {
    if (!station.IsValid() || !waypoint.IsValid()) return false;
    const CourseDistance leg = station.RhumbLine(waypoint);
    m_strStation = utf8Left(station.ShownText(), kStationChars);
    m_nFrequency = station.FrequencyCode();
    m_nDistance = clampTo<int16_t>(addHalfTruncate(leg.distance * 10.0));
    int bearing = leg.course - station.GetVariation();
    if (bearing < 0) bearing += 360;
    if (bearing > 360) bearing -= 360;
    m_nBearing = static_cast<int16_t>(bearing);
    return true;
}

std::string CRadioBearing::Text() const {
    if (!IsSet()) return std::string();
    const int unit = theDimDoc()->m_nDistance;
    const double distance = ConvertLength(m_nDistance / 10.0, DIM_NM, unit);
    std::string text = strFormat("%03d/%4.1f%s FROM %s", m_nBearing, distance, UnitName(unit), m_strStation.c_str());
    const double frequency = m_nFrequency / 1000.0;
    if (isVhf(m_nFrequency)) {
        text += strFormat(" (%7.3f MHz)", frequency);
    } else if (isNdb(m_nFrequency)) {
        int qdm = m_nBearing + 180;
        if (qdm >= 360) qdm -= 360;
        text += strFormat(" (%4.0f kHz) QDM: %03d", frequency, qdm);
    }
    return text;
}

bool CRadioBearing::StationPosition(const CLocation& waypoint, CLatLon& station) const {
    if (!IsSet() || !waypoint.IsValid()) return false;
    // The station's own variation is not stored; the waypoint's is close to
    // it over the ranges of radio bearings.
    int course = m_nBearing + waypoint.GetVariation() + 180;
    course = ((course % 360) + 360) % 360;
    station = CLatLon::GreatCircleDestination(waypoint, course, m_nDistance / 10.0);
    return station.IsValid();
}

void CRadioBearing::Write(CArchive& ar) const {
    ar.WriteFixedText(m_strStation, kStationField);
    ar.WriteI16(m_nBearing);
    ar.WriteI16(m_nDistance);
    ar.WriteI32(m_nFrequency);
}

void CRadioBearing::Read(CArchive& ar) {
    m_strStation = ar.ReadFixedText(kStationField);
    m_nBearing = ar.ReadI16();
    m_nDistance = ar.ReadI16();
    m_nFrequency = ar.ReadI32();
}

// ---- waypoint ------------------------------------------------------------------------------

CWayPoint::CWayPoint() { m_nAltUnit = theDimDoc()->m_nAltitude; }

CWayPoint::CWayPoint(const CLocation& location) : CWayPoint() { SetLocation(location); }

CWayPoint CWayPoint::FromPackedWayPoint(const PackedWayPoint& packed) {
    CArchive ar(std::vector<uint8_t>(packed.begin(), packed.end()));
    CWayPoint wp;
    wp.Read(ar, 6);
    return wp;
}

PackedWayPoint CWayPoint::ToPackedWayPoint() const {
    CArchive ar;
    Write(ar);
    PackedWayPoint out{};
    std::memcpy(out.data(), ar.Bytes().data(), out.size());
    return out;
}

int CWayPoint::RecordSize(int version) {
    if (version == 1) return 122;
    return version >= 2 && version <= 6 ? static_cast<int>(kPackedSize) : 0;
}

int CWayPoint::LocationFormat(int version) {
    switch (version) {
        case 1: return 1;
        case 2:
        case 3: return 3;
        case 4:
        case 5: return 4;
        case 6: return 5;
        default: return 0;
    }
}

void CWayPoint::Write(CArchive& ar) const {
    CLocation::Write(ar);
    WriteWayPart(ar);
}

void CWayPoint::Read(CArchive& ar, int version) {
    const int format = LocationFormat(version);
    if (format == 0) throw ArchiveError(ArchiveError::Cause::BadFormat, "unknown route file version");
    CLocation::Read(ar, format);
    ReadWayPart(ar, version);
}

void CWayPoint::WriteWayPart(CArchive& ar) const {
    ar.WriteI32(m_nPlannedAlt);
    ar.WriteI16(m_nAltUnit);
    ar.WriteI32(m_nAltFeet);
    ar.WriteI32(m_nReservedWord2);
    ar.WriteI16(m_nTrueAirspeed);
    ar.WriteI16(m_nWindDirection);
    ar.WriteI16(m_nWindSpeed);
    ar.WriteU8(m_nMarks);
    ar.WriteU8(m_nReservedByte2);
    m_Bearings[0].Write(ar);
    m_Bearings[1].Write(ar);
}

void CWayPoint::ReadWayPart(CArchive& ar, int version) {
    if (version == 1) {
        // The first format knew neither the altitude unit nor the marks.
        m_nPlannedAlt = ar.ReadI32();
        m_nAltFeet = ar.ReadI32();
        m_nReservedWord2 = ar.ReadI32();
        m_nTrueAirspeed = ar.ReadI16();
        m_nWindDirection = ar.ReadI16();
        m_nWindSpeed = ar.ReadI16();
        ar.ReadI16();
        m_nAltUnit = DIM_FEET;
        m_nMarks = 0;
        m_nReservedByte2 = 0;
    } else {
        m_nPlannedAlt = ar.ReadI32();
        m_nAltUnit = ar.ReadI16();
        m_nAltFeet = ar.ReadI32();
        m_nReservedWord2 = ar.ReadI32();
        m_nTrueAirspeed = ar.ReadI16();
        m_nWindDirection = ar.ReadI16();
        m_nWindSpeed = ar.ReadI16();
        m_nMarks = ar.ReadU8();
        m_nReservedByte2 = ar.ReadU8();
    }
    for (CRadioBearing& bearing : m_Bearings) {
        bearing.Read(ar);
        if (version <= 5 && bearing.IsSet()) bearing.m_nFrequency = OldFrequencyToCurrent(bearing.m_nFrequency);
    }
}

void CWayPoint::ClearBearings() {
    m_Bearings[0].Clear();
    m_Bearings[1].Clear();
}
