#pragma once
// A location: one named point a route can use (airport, reporting point,
// intersection, NDB, VOR, free user point, gliding site, heliport) with the
// data the flight log, the performance computations, the flight plan and the
// GPS transfers need.
//
// Region files and the settings file store a location as a 72-byte record;
// older region files hold shorter records with the frequency in an older
// unit, which Read converts. In memory the numeric fields are kept wider than
// their record fields, so values from outside (text import) can be checked
// before they are narrowed; ToPacked and Write clamp them into their fields.

#include <cstdint>
#include <optional>
#include <string>

#include "core/latlon.h"
#include "core/units.h"
#include "locations/packed_location.h"

class CArchive;

// Location type codes.
enum : uint8_t {
    WP_AIRPORT = 1,
    WP_REPORT = 2,
    WP_INTERSECTION = 3,
    WP_NDB = 4,
    WP_VOR = 5,
    WP_USER = 6,
    WP_SAIL = 7,
    WP_HELI = 8,
};

// Flag bits.
enum : uint8_t {
    LOC_MIN_500 = 0x01,
    LOC_MIN_1000 = 0x02,
    LOC_MIN_2000 = 0x04,
    LOC_UNPAVED = 0x08,
    LOC_RESERVED_FLAG = 0x10,
    LOC_SHOW_IDENT = 0x20,
};

// The runway direction code that stands for "xx/xx" (any code above 17 does).
constexpr int kUnknownRunwayDirection = 18;

// Outcome of the import check: ok, or the message to show.
struct LocationCheck {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

class CLocation : public CLatLon {
public:
    static constexpr int kCurrentFormat = 5;
    static constexpr size_t kNameChars = 17;
    static constexpr size_t kIdentChars = 5;
    static constexpr size_t kRegionChars = 31;

    // A new empty location: no position, unknown elevation, a free user
    // point with minimum height 500 ft, in the user's preferred units.
    CLocation();
    // An empty location with a name, a variation and a flags byte.
    CLocation(const std::string& name, int variation, uint8_t flags);

    static CLocation FromPacked(const PackedLocation& packed);
    PackedLocation ToPacked() const;

    // ---- record ------------------------------------------------------------
    // Record size of a region-file format 1..5; 0 for any other number.
    static int RecordSize(int format);
    // Writes the current 72-byte record.
    void Write(CArchive& ar) const;
    // Reads a record of the given format (1..5) and converts it to the
    // current form. `country` (two characters) is used for formats 1 and 2,
    // which store none. Throws ArchiveError at the end of the data.
    void Read(CArchive& ar, int format, const std::string& country = std::string());

    // ---- text fields ---------------------------------------------------------
    const std::string& GetName() const { return m_strName; }
    // Texts longer than their field are cut. The text import sets them uncut
    // (`cut` false), so that its check can refuse them; the record cuts them
    // in any case.
    void SetName(const std::string& name, bool cut = true);  // 17 characters
    const std::string& GetIdent() const { return m_strIdent; }
    void SetIdent(const std::string& ident, bool cut = true);  // 5 characters
    const std::string& GetRegion() const { return m_strRegion; }
    void SetRegion(const std::string& region);  // cut to 31
    // The two-letter country prefix ("ED"); shorter when not set.
    std::string GetCountry() const;
    void SetCountry(const std::string& country);  // the first two characters

    // ---- values (each getter is empty when the value is absent) --------------
    std::optional<int32_t> GetElevation() const;
    int32_t Elevation() const { return m_nElevation; }  // NOVALUE_ALTITUDE when unknown
    void SetElevation(int32_t elevation) { m_nElevation = elevation; }
    int GetVariation() const { return m_nVariation; }
    void SetVariation(int variation) { m_nVariation = variation; }
    // Frequency in MHz (VHF) or kHz (NDB); absent at 0 or less.
    std::optional<double> GetFrequency() const;
    // Stores value x 1000 rounded half up; 0 for values of 0 or less.
    void SetFrequency(double frequency);
    int32_t FrequencyCode() const { return m_nFrequency; }  // value x 1000
    void SetFrequencyCode(int32_t code) { m_nFrequency = code; }
    // Runway direction code of a landing site, or range of the other types;
    // absent at 0.
    std::optional<int> GetDirectionOrRange() const;
    int DirectionOrRange() const { return m_nDirRange; }
    void SetDirectionOrRange(int value) { m_nDirRange = value == -1 ? 0 : value; }
    // Runway length in the runway unit; absent below 2.
    std::optional<int> GetRunwayLength() const;
    int RunwayLength() const { return m_nRunwayLength; }
    void SetRunwayLength(int length) { m_nRunwayLength = length; }
    // Height difference between the runway ends in the slope unit; absent at
    // 0 or less.
    std::optional<int> GetHeightDifference() const;
    int HeightDifference() const { return m_nHeightDiff; }
    void SetHeightDifference(int value) { m_nHeightDiff = value == NOVALUE_ALTITUDE ? 0 : value; }
    bool IsUnpaved() const { return (m_nFlags & LOC_UNPAVED) != 0; }
    void SetUnpaved(bool unpaved);
    // 1, 2 or 4 for 500, 1000 or 2000 ft above ground.
    int GetMinHeightCode() const;
    void SetMinHeightCode(int code);
    uint8_t GetFlags() const { return m_nFlags; }
    void SetFlags(uint8_t flags) { m_nFlags = flags; }
    int GetType() const { return m_nType; }
    void SetType(int type) { m_nType = static_cast<uint8_t>(type); }

    int16_t GetElevationUnit() const { return m_nElevUnit; }
    void SetElevationUnit(int16_t unit) { m_nElevUnit = unit; }
    int16_t GetRangeUnit() const { return m_nRangeUnit; }
    void SetRangeUnit(int16_t unit) { m_nRangeUnit = unit; }
    int16_t GetRunwayUnit() const { return m_nRunwayUnit; }
    void SetRunwayUnit(int16_t unit) { m_nRunwayUnit = unit; }
    int16_t GetSlopeUnit() const { return m_nSlopeUnit; }
    void SetSlopeUnit(int16_t unit) { m_nSlopeUnit = unit; }
    uint8_t GetReservedByte() const { return m_nReserved; }
    int32_t GetReservedWord() const { return m_nReservedWord; }

    // ---- predicates and small computations ------------------------------------
    // A name and a position (neither coordinate the no-value marker).
    bool IsValidLocation() const;
    // A valid position and a variation within -180..180.
    bool IsPositionAndVariationValid() const;
    // An airport, a gliding site, or a free user point with a known runway
    // length: the direction field holds a runway direction.
    bool IsLandingSite() const;
    bool IsNavaid() const { return m_nType == WP_NDB || m_nType == WP_VOR; }
    // The ident when it is to be shown, else the name.
    const std::string& ShownText() const;
    // Compares `text` without regard to case with the ident and the name and
    // remembers whether the ident matched (it is then shown). True if either
    // matched.
    bool MatchText(const std::string& text);
    // Elevation plus the minimum height above ground, in `unit`, truncated;
    // NOVALUE_ALTITUDE when the elevation is unknown.
    int32_t PatternAltitude(int unit) const;
    // Navaids only: true when `point` lies within the range (60 NM when none
    // is stored). `distanceNm` receives the rhumb-line distance.
    bool IsInRange(const CLatLon& point, double& distanceNm) const;
    // b - a in -180..180 after both are brought into 0..360.
    static double AngleDifference(double a, double b);
    // A frequency code of the older files (value x 100) in the current unit
    // (value x 1000), with the lost last digit of a 25 kHz channel put back.
    static int32_t OldFrequencyToCurrent(int32_t oldCode);

    // The checks a location from a text import has to pass, in their order;
    // the first failure gives its message.
    LocationCheck CheckForImport() const;

    bool operator==(const CLocation& other) const;

private:
    void ConvertOldFrequency();
    void DeriveOldType();

    std::string m_strName;
    std::string m_strIdent;
    std::string m_strRegion;
    int32_t m_nElevation = NOVALUE_ALTITUDE;
    int32_t m_nVariation = 0;
    int32_t m_nFrequency = 0;
    int32_t m_nRunwayLength = 1;
    int32_t m_nHeightDiff = 0;
    int32_t m_nDirRange = 0;
    uint8_t m_nFlags = LOC_MIN_500;
    int16_t m_nElevUnit = 0;
    int16_t m_nRangeUnit = 0;
    int16_t m_nRunwayUnit = 0;
    char m_cCountry[2] = {0, 0};
    uint8_t m_nType = WP_USER;
    uint8_t m_nReserved = 0;
    int16_t m_nSlopeUnit = 0;
    int32_t m_nReservedWord = -1;
};
