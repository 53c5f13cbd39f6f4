#include "locations/location.h"

#include <cmath>
#include <cstring>

#include "core/archive.h"
#include "locations/location_types.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

constexpr size_t kNameField = 18;
constexpr size_t kIdentField = 6;

uint8_t clampToByte(long long v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

bool isCapitalLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

CLocation::CLocation() {
    const CDimDoc* units = theDimDoc();
    if (units) {
        m_nElevUnit = units->m_nAltitude;
        m_nSlopeUnit = units->m_nAltitude;
        m_nRangeUnit = units->m_nDistance;
        m_nRunwayUnit = units->m_nRunway;
    }
}

CLocation::CLocation(const std::string& name, int variation, uint8_t flags) : CLocation() {
    SetName(name);
    m_nVariation = variation;
    m_nFlags = flags;
}

CLocation CLocation::FromPacked(const PackedLocation& packed) {
    CArchive ar(std::vector<uint8_t>(packed.begin(), packed.end()));
    CLocation loc;
    loc.Read(ar, kCurrentFormat);
    return loc;
}

PackedLocation CLocation::ToPacked() const {
    CArchive ar;
    Write(ar);
    PackedLocation out{};
    std::memcpy(out.data(), ar.Bytes().data(), out.size());
    return out;
}

// ---- record ------------------------------------------------------------------

int CLocation::RecordSize(int format) {
    switch (format) {
        case 1: return 50;
        case 2: return 64;
        case 3:
        case 4:
        case 5: return 72;
        default: return 0;
    }
}

void CLocation::Write(CArchive& ar) const {
    ar.WriteFixedText(m_strName, kNameField, CodePage::Cp850);
    ar.WriteDouble(m_dLat);
    ar.WriteDouble(m_dLon);
    ar.WriteI32(m_nElevation);
    ar.WriteI16(clampTo<int16_t>(m_nVariation));
    ar.WriteI32(m_nFrequency);
    ar.WriteI16(clampTo<int16_t>(m_nRunwayLength));
    ar.WriteI16(clampTo<int16_t>(m_nHeightDiff));
    ar.WriteU8(clampToByte(m_nDirRange));
    ar.WriteU8(m_nFlags);
    ar.WriteFixedText(m_strIdent, kIdentField);
    ar.WriteI16(m_nElevUnit);
    ar.WriteI16(m_nRangeUnit);
    ar.WriteI16(m_nRunwayUnit);
    ar.WriteRaw(m_cCountry, 2);
    ar.WriteU8(m_nType);
    ar.WriteU8(m_nReserved);
    ar.WriteI16(m_nSlopeUnit);
    ar.WriteI32(m_nReservedWord);
}

void CLocation::Read(CArchive& ar, int format, const std::string& country) {
    if (RecordSize(format) == 0) {
        throw ArchiveError(ArchiveError::Cause::BadFormat, "unknown location record format");
    }
    // The part every format shares.
    SetName(ar.ReadFixedText(kNameField, CodePage::Cp850));
    m_dLat = ar.ReadDouble();
    m_dLon = ar.ReadDouble();
    m_nElevation = ar.ReadI32();
    m_nVariation = ar.ReadI16();
    m_nFrequency = ar.ReadI32();
    m_nRunwayLength = ar.ReadI16();
    m_nHeightDiff = ar.ReadI16();
    m_nDirRange = ar.ReadU8();
    m_nFlags = ar.ReadU8();

    if (format == 1) {
        m_strIdent.clear();
        m_nElevUnit = DIM_FEET;
        m_nRangeUnit = DIM_NM;
        m_nRunwayUnit = DIM_METER;
    } else {
        SetIdent(ar.ReadFixedText(kIdentField));
        m_nElevUnit = ar.ReadI16();
        m_nRangeUnit = ar.ReadI16();
        m_nRunwayUnit = ar.ReadI16();
    }
    if (format <= 2) {
        if (format == 2) ar.ReadI16();  // a field of that format nobody uses
        SetCountry(country);
        DeriveOldType();
    } else {
        ar.ReadRaw(m_cCountry, 2);
        m_nType = ar.ReadU8();
        m_nReserved = ar.ReadU8();
        m_nSlopeUnit = ar.ReadI16();
        if (m_nSlopeUnit == -1) m_nSlopeUnit = m_nElevUnit;
        m_nReservedWord = ar.ReadI32();
    }
    // Formats before 4 knew no runway direction: landing sites show "xx/xx".
    if (format <= 3 && IsLandingSite()) m_nDirRange = kUnknownRunwayDirection;
    if (format <= 4) ConvertOldFrequency();
}

void CLocation::DeriveOldType() {
    const long long f = static_cast<long long>(m_nFrequency) * 10;
    m_nType = WP_USER;
    if (f >= 108000 && f <= 117970) m_nType = WP_VOR;
    if (f >= 118000 && f <= 136950) {
        const std::string& n = m_strName;
        const bool reportName = n.size() >= 5 && isCapitalLetter(n[0]) && isCapitalLetter(n[1]) &&
                                isCapitalLetter(n[2]) && isCapitalLetter(n[3]) && n[4] == '-';
        m_nType = reportName ? WP_REPORT : WP_AIRPORT;
    }
    if (f >= 190000 && f <= 1750000) m_nType = WP_NDB;
    m_nReserved = 0;
    m_nSlopeUnit = m_nElevUnit;
    m_nReservedWord = -1;
}

// Older files keep the frequency x 100. Converted to x 1000, a 25 kHz VHF
// channel ending in 2 or 7 lost its last digit 5, which is put back.
void CLocation::ConvertOldFrequency() { m_nFrequency = OldFrequencyToCurrent(m_nFrequency); }

int32_t CLocation::OldFrequencyToCurrent(int32_t oldCode) {
    const long long old = oldCode;
    long long f = old * 10;
    if (old >= 10800 && old <= 13695 && f >= 100000 && f <= 999999) {
        const long long fifthDigit = (f / 10) % 10;
        if (fifthDigit == 2 || fifthDigit == 7) f += 5;
    }
    return clampTo<int32_t>(f);
}

// ---- text fields -------------------------------------------------------------------

void CLocation::SetName(const std::string& name, bool cut) { m_strName = cut ? utf8Left(name, kNameChars) : name; }

void CLocation::SetIdent(const std::string& ident, bool cut) {
    m_strIdent = cut ? utf8Left(ident, kIdentChars) : ident;
}

void CLocation::SetRegion(const std::string& region) { m_strRegion = utf8Left(region, kRegionChars); }

std::string CLocation::GetCountry() const {
    const size_t len = m_cCountry[0] == 0 ? 0 : m_cCountry[1] == 0 ? 1 : 2;
    return toUtf8(std::string_view(m_cCountry, len), CodePage::Windows1252);
}

void CLocation::SetCountry(const std::string& country) {
    const std::string bytes = fromUtf8(utf8Left(country, 2), CodePage::Windows1252);
    m_cCountry[0] = bytes.size() > 0 ? bytes[0] : 0;
    m_cCountry[1] = bytes.size() > 1 ? bytes[1] : 0;
}

// ---- values -----------------------------------------------------------------------------

std::optional<int32_t> CLocation::GetElevation() const {
    if (m_nElevation == NOVALUE_ALTITUDE) return std::nullopt;
    return m_nElevation;
}

std::optional<double> CLocation::GetFrequency() const {
    if (m_nFrequency <= 0) return std::nullopt;
    return m_nFrequency * 0.001;
}

void CLocation::SetFrequency(double frequency) {
    if (!(frequency > 0.0) || !std::isfinite(frequency)) {
        m_nFrequency = 0;
        return;
    }
    m_nFrequency = clampTo<int32_t>(addHalfTruncate(frequency * 1000.0));
}

std::optional<int> CLocation::GetDirectionOrRange() const {
    if (m_nDirRange == 0) return std::nullopt;
    return m_nDirRange;
}

std::optional<int> CLocation::GetRunwayLength() const {
    if (m_nRunwayLength < 2) return std::nullopt;
    return m_nRunwayLength;
}

std::optional<int> CLocation::GetHeightDifference() const {
    if (m_nHeightDiff <= 0) return std::nullopt;
    return m_nHeightDiff;
}

void CLocation::SetUnpaved(bool unpaved) {
    m_nFlags = unpaved ? (m_nFlags | LOC_UNPAVED) : (m_nFlags & ~LOC_UNPAVED);
}

int CLocation::GetMinHeightCode() const {
    if (m_nFlags & LOC_MIN_2000) return 4;
    if (m_nFlags & LOC_MIN_1000) return 2;
    return 1;
}

void CLocation::SetMinHeightCode(int code) {
    m_nFlags &= ~(LOC_MIN_500 | LOC_MIN_1000 | LOC_MIN_2000);
    if (code == 1) m_nFlags |= LOC_MIN_500;
    if (code == 2) m_nFlags |= LOC_MIN_1000;
    if (code == 4) m_nFlags |= LOC_MIN_2000;
}

// ---- predicates ------------------------------------------------------------------------

bool CLocation::IsValidLocation() const {
    return !m_strName.empty() && m_dLat != NoValue && m_dLon != NoValue;
}

bool CLocation::IsPositionAndVariationValid() const {
    return IsValid() && m_nVariation >= -180 && m_nVariation <= 180;
}

bool CLocation::IsLandingSite() const {
    return m_nType == WP_AIRPORT || m_nType == WP_SAIL || (m_nType == WP_USER && m_nRunwayLength >= 2);
}

const std::string& CLocation::ShownText() const {
    return (m_nFlags & LOC_SHOW_IDENT) ? m_strIdent : m_strName;
}

bool CLocation::MatchText(const std::string& text) {
    const bool identMatch = !m_strIdent.empty() && equalsNoCase(text, m_strIdent);
    if (identMatch) {
        m_nFlags |= LOC_SHOW_IDENT;
    } else {
        m_nFlags &= ~LOC_SHOW_IDENT;
    }
    return identMatch || equalsNoCase(text, m_strName);
}

int32_t CLocation::PatternAltitude(int unit) const {
    if (m_nElevation == NOVALUE_ALTITUDE) return NOVALUE_ALTITUDE;
    int minFeet = 0;
    if (m_nFlags & LOC_MIN_2000) {
        minFeet = 2000;
    } else if (m_nFlags & LOC_MIN_1000) {
        minFeet = 1000;
    } else if (m_nFlags & LOC_MIN_500) {
        minFeet = 500;
    }
    const long long minHeight = truncateToLong(ConvertLength(minFeet, DIM_FEET, m_nElevUnit));
    const double sum = static_cast<double>(m_nElevation) + static_cast<double>(minHeight);
    return clampTo<int32_t>(truncateToLong(ConvertLength(sum, m_nElevUnit, unit)));
}

bool CLocation::IsInRange(const CLatLon& point, double& distanceNm) const {
    distanceNm = RhumbLine(point).distance;
    if (!IsNavaid()) return false;
    const double range = m_nDirRange > 0 ? ConvertLength(m_nDirRange, m_nRangeUnit, DIM_NM) : 60.0;
    return range >= distanceNm;
}

double CLocation::AngleDifference(double a, double b) {
    if (a < 0) a += 360.0;
    if (b < 0) b += 360.0;
    double d = b - a;
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

bool CLocation::operator==(const CLocation& o) const {
    constexpr uint8_t kComparedFlags = LOC_MIN_500 | LOC_MIN_1000 | LOC_MIN_2000 | LOC_UNPAVED;
    return m_strName == o.m_strName && static_cast<const CLatLon&>(*this) == static_cast<const CLatLon&>(o) &&
           CompareLengths(m_nElevation, m_nElevUnit, o.m_nElevation, o.m_nElevUnit, NOVALUE_ALTITUDE) == 0 &&
           m_nVariation == o.m_nVariation && m_nFrequency == o.m_nFrequency &&
           CompareLengths(m_nRunwayLength, m_nRunwayUnit, o.m_nRunwayLength, o.m_nRunwayUnit, NOVALUE_RUNWAY) == 0 &&
           CompareLengths(m_nHeightDiff, m_nSlopeUnit, o.m_nHeightDiff, o.m_nSlopeUnit, NOVALUE_ALTITUDE) == 0 &&
           CompareLengths(m_nDirRange, m_nRangeUnit, o.m_nDirRange, o.m_nRangeUnit, 0) == 0 &&
           (m_nFlags & kComparedFlags) == (o.m_nFlags & kComparedFlags) && m_strIdent == o.m_strIdent &&
           m_nElevUnit == o.m_nElevUnit && m_nRangeUnit == o.m_nRangeUnit && m_nRunwayUnit == o.m_nRunwayUnit &&
           std::memcmp(m_cCountry, o.m_cCountry, 2) == 0 && m_nType == o.m_nType && m_nReserved == o.m_nReserved &&
           m_nSlopeUnit == o.m_nSlopeUnit && m_nReservedWord == o.m_nReservedWord;
}
