// The checks a location read from a text import must pass before it is
// stored. Every value is checked in the unit and width it has in memory,
// before it is narrowed into its record field, so an oversized value is
// refused rather than wrapped into a plausible one.

#include "locations/location.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

LocationCheck fail(std::string message) { return {false, std::move(message)}; }

LocationCheck outOfRange(long value, long min, long max) {
    return fail(strFormat("Der Wert %ld sollte zwischen %ld und %ld liegen!", value, min, max));
}

bool isFeetOrMetre(int unit) { return unit == DIM_FEET || unit == DIM_METER; }

long truncatedIn(double value, int from, int to) { return static_cast<long>(truncateToLong(ConvertLength(value, from, to))); }

}  // namespace

LocationCheck CLocation::CheckForImport() const {
    const size_t nameLength = utf8Length(m_strName);
    if (nameLength < 1 || nameLength > kNameChars) return fail("Der Ortsname ist zu lang oder fehlt (Spalte: NAME)");
    if (utf8Length(m_strIdent) > kIdentChars) return fail("Die Ortskennung ist zu lang (Spalte: IDENT)");
    if (!(m_dLat >= -90.0 && m_dLat <= 90.0)) return fail("Ungültiger Breitengrad (Spalte: LAT)");
    if (!(m_dLon >= -180.0 && m_dLon <= 180.0)) return fail("Ungültiger Längengrad (Spalte: LON)");
    if (m_nType < 1 || m_nType > 8) return fail("Ungültige Angabe zur Kategorie (Spalte: TYPE)");
    if (m_nVariation < -180 || m_nVariation > 180) return fail("Ungültige Variation (Spalte: VAR)");
    if (m_nFrequency > 0) {
        const double f = m_nFrequency * 0.001;
        if (f < 108.0 || f > 1750.0) {
            return fail(strFormat("Der Wert %.2f sollte zwischen %.2f und %.2f liegen!", f, 108.0, 1750.0));
        }
    }
    if (!isFeetOrMetre(m_nElevUnit)) {
        return fail("Verwenden Sie für die Elevation die Einheit DIM_FEET oder DIM_METER (Spalte: ELEV_IN)");
    }
    if (m_nElevation != NOVALUE_ALTITUDE) {
        const long feet = truncatedIn(m_nElevation, m_nElevUnit, DIM_FEET);
        if (feet < -5000 || feet > 10000) return outOfRange(feet, -5000, 10000);
    }
    if (IsLandingSite()) {
        if (!isFeetOrMetre(m_nRunwayUnit)) {
            return fail("Verwenden Sie für die Bahnlänge die Einheit DIM_FEET oder DIM_METER (Spalte: RWYLEN_IN)");
        }
        if (m_nRunwayLength != NOVALUE_RUNWAY) {
            const long metres = truncatedIn(m_nRunwayLength, m_nRunwayUnit, DIM_METER);
            if (metres < 100 || metres > 5000) return outOfRange(metres, 100, 5000);
        }
        if (m_nDirRange < 1 || m_nDirRange > 36) {
            return fail("Ungültige Angabe zur Ausrichtung der Bahn. (Spalte: RWYDIR)");
        }
        if (!isFeetOrMetre(m_nSlopeUnit)) {
            return fail(
                "Verwenden Sie für die Neigung Bahn die Höhendifferenz in DIM_FEET oder DIM_METER. "
                "(Spalte: RWYSLOPE_IN)");
        }
        if (m_nHeightDiff > 0) {
            const long feet = truncatedIn(m_nHeightDiff, m_nSlopeUnit, DIM_FEET);
            if (feet < -250 || feet > 250) return outOfRange(feet, -250, 250);
        }
    } else {
        if (m_nRangeUnit != DIM_KM && m_nRangeUnit != DIM_STM && m_nRangeUnit != DIM_NM) {
            return fail("Verwenden Sie für die Reichweite die Einheit DIM_NM, DIM_KM oder DIM_STM. (Spalte: RANGE_IN)");
        }
        if (m_nDirRange != 0) {
            const long nm = truncatedIn(m_nDirRange, m_nRangeUnit, DIM_NM);
            if (nm < 0 || nm > 255) return outOfRange(nm, 0, 255);
            // The record keeps the range in its own unit in one byte.
            if (m_nDirRange < 0 || m_nDirRange > 255) return outOfRange(m_nDirRange, 0, 255);
        }
    }
    return {};
}
