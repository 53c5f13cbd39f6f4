#pragma once
// A waypoint of a route: a location plus what the route adds to it — the
// planned altitude of the leg that ends here, the values the flight log
// computation fills in, the marks of inserted points and two radio bearings
// that fix the point from radio stations.
//
// The route keeps its waypoints packed as 146-byte records: the 72-byte
// location record followed by 74 bytes of waypoint fields. The route file
// stores the same record.

#include <array>
#include <cstdint>
#include <string>

#include "locations/location.h"

class CArchive;

// Waypoint marks (the flags byte of a waypoint).
enum : uint8_t {
    WPT_GREAT_CIRCLE = 0x01,    // intermediate point of a great-circle leg
    WPT_TOP_OF_CLIMB = 0x02,    // end of a climb
    WPT_TOP_OF_DESCENT = 0x04,  // begin of a descent
    WPT_AUTOROUTE = 0x08,       // inserted by auto-routing
    WPT_TERRAIN = 0x10,         // terrain clearance point of auto-routing (carries 0x08 too)
};

// A bearing from a radio station to the waypoint. An empty station name
// means there is no bearing. Stored as a 26-byte block.
class CRadioBearing {
public:
    static constexpr size_t kBlockSize = 26;
    static constexpr size_t kStationChars = 17;

    std::string m_strStation;  // the station's shown text
    int16_t m_nBearing = 0;    // degrees magnetic from the station, 0..360
    int16_t m_nDistance = 0;   // tenths of a nautical mile
    int32_t m_nFrequency = 0;  // frequency x 1000 (MHz for VHF, kHz for NDBs)

    bool IsSet() const { return !m_strStation.empty(); }
    void Clear() { *this = CRadioBearing(); }

    // Fixes `waypoint` from `station`: the rhumb-line course and distance
    // from the station, the course made magnetic with the station's
    // variation. False, with the bearing unchanged, when either position is
    // not valid.
    bool SetFromStation(const CLocation& station, const CLatLon& waypoint);

    // "123/12.3NM FROM DKB (114.200 MHz)" for VHF stations,
    // "275/ 8.0NM FROM FW (  404 kHz) QDM: 095" for NDBs, with the distance
    // in the preferred distance unit. A frequency in neither band gives the
    // text without the frequency; no bearing gives an empty text.
    std::string Text() const;

    // Where the station lies, found back from the waypoint: the reciprocal
    // of the bearing made true with the waypoint's variation, at the stored
    // distance. False without a bearing or without a valid waypoint position.
    bool StationPosition(const CLocation& waypoint, CLatLon& station) const;

    void Write(CArchive& ar) const;
    void Read(CArchive& ar);

    bool operator==(const CRadioBearing&) const = default;
};

using PackedWayPoint = std::array<uint8_t, 146>;

class CWayPoint : public CLocation {
public:
    static constexpr size_t kPackedSize = 146;
    static constexpr size_t kWayPartSize = 74;

    // A new waypoint on an empty location: planned altitude 0 in the
    // preferred altitude unit, all other waypoint fields 0, no bearings.
    CWayPoint();
    // A new waypoint on a copy of `location`.
    explicit CWayPoint(const CLocation& location);

    static CWayPoint FromPackedWayPoint(const PackedWayPoint& packed);
    PackedWayPoint ToPackedWayPoint() const;

    // The location part.
    const CLocation& Location() const { return *this; }
    // Replaces the location part and keeps the waypoint fields.
    void SetLocation(const CLocation& location) { static_cast<CLocation&>(*this) = location; }

    // ---- record --------------------------------------------------------------------
    // Writes the current 146-byte record.
    void Write(CArchive& ar) const;
    // Reads the record of a route file of `version` (1..6): 122 bytes for
    // version 1, else 146; the location part in the record format of that
    // version. Versions 1 to 5 keep radio-station frequencies in the older
    // unit, which is converted.
    void Read(CArchive& ar, int version);
    // Record size of a route-file version; 0 for an unknown version.
    static int RecordSize(int version);
    // Location record format inside a route-file version; 0 for an unknown one.
    static int LocationFormat(int version);

    // ---- fields --------------------------------------------------------------------
    // In the altitude unit; NOVALUE_ALTITUDE when there is none.
    int32_t GetPlannedAltitude() const { return m_nPlannedAlt; }
    void SetPlannedAltitude(int32_t altitude) { m_nPlannedAlt = altitude; }
    int16_t GetAltitudeUnit() const { return m_nAltUnit; }
    void SetAltitudeUnit(int16_t unit) { m_nAltUnit = unit; }
    // The altitude the computation works with, in feet.
    int32_t GetAltitudeFeet() const { return m_nAltFeet; }
    void SetAltitudeFeet(int32_t feet) { m_nAltFeet = feet; }
    int16_t GetTrueAirspeed() const { return m_nTrueAirspeed; }
    void SetTrueAirspeed(int16_t kt) { m_nTrueAirspeed = kt; }
    int16_t GetWindDirection() const { return m_nWindDirection; }
    void SetWindDirection(int16_t degrees) { m_nWindDirection = degrees; }
    int16_t GetWindSpeed() const { return m_nWindSpeed; }
    void SetWindSpeed(int16_t kt) { m_nWindSpeed = kt; }

    uint8_t GetMarks() const { return m_nMarks; }
    void SetMarks(uint8_t marks) { m_nMarks = marks; }
    bool HasMark(uint8_t mark) const { return (m_nMarks & mark) != 0; }
    void SetMark(uint8_t mark, bool on) { m_nMarks = on ? (m_nMarks | mark) : (m_nMarks & ~mark); }

    // Bearing 0 or 1.
    const CRadioBearing& GetBearing(int i) const { return m_Bearings[i & 1]; }
    CRadioBearing& Bearing(int i) { return m_Bearings[i & 1]; }
    void SetBearing(int i, const CRadioBearing& bearing) { m_Bearings[i & 1] = bearing; }
    void ClearBearings();

    // Reserved fields, kept as read and written back.
    int32_t GetReservedWayWord() const { return m_nReservedWord2; }
    uint8_t GetReservedWayByte() const { return m_nReservedByte2; }

private:
    void ReadWayPart(CArchive& ar, int version);
    void WriteWayPart(CArchive& ar) const;

    int32_t m_nPlannedAlt = 0;
    int16_t m_nAltUnit = DIM_FEET;
    int32_t m_nAltFeet = 0;
    int32_t m_nReservedWord2 = 0;
    int16_t m_nTrueAirspeed = 0;
    int16_t m_nWindDirection = 0;
    int16_t m_nWindSpeed = 0;
    uint8_t m_nMarks = 0;
    uint8_t m_nReservedByte2 = 0;
    CRadioBearing m_Bearings[2];
};
