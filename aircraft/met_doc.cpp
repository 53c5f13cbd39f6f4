#include "aircraft/met_doc.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/latlon.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

CMetDoc* currentMetDoc = nullptr;

struct Vec {
    double east = 0.0;
    double north = 0.0;
};

Vec operator*(Vec v, double k) { return {v.east * k, v.north * k}; }
Vec operator+(Vec a, Vec b) { return {a.east + b.east, a.north + b.north}; }

// The wind at a whole-foot altitude m between two layers, linear in altitude.
Vec between(Vec lower, Vec upper, long lowerAlt, long upperAlt, long m) {
    const double span = static_cast<double>(upperAlt - lowerAlt);
    return upper * (static_cast<double>(m - lowerAlt) / span) + lower * (static_cast<double>(upperAlt - m) / span);
}

}  // namespace

CMetDoc* theMetDoc() { return currentMetDoc; }
void SetMetDoc(CMetDoc* doc) { currentMetDoc = doc; }

// ---- aerodromes ---------------------------------------------------------------------------

double CMetDoc::StoredQnh(int16_t stored, int unit) {
    return unit == DIM_INCHHG ? stored * 0.01 : static_cast<double>(stored);
}

int16_t CMetDoc::QnhToStore(double qnh, int unit) {
    if (unit == DIM_INCHHG) return clampTo<int16_t>(floorHalf(qnh * 100.0));
    return clampTo<int16_t>(truncateToLong(qnh));
}

MetAerodrome CMetDoc::GetDeparture() const {
    return {m_nDepartureTemperature, m_nDepartureTemperatureUnit,
            StoredQnh(m_nDepartureQnh, m_nDeparturePressureUnit), m_nDeparturePressureUnit, m_bDepartureWet != 0};
}

void CMetDoc::SetDeparture(const MetAerodrome& a) {
    m_nDepartureTemperatureUnit = static_cast<int16_t>(a.temperatureUnit);
    m_nDeparturePressureUnit = static_cast<int16_t>(a.pressureUnit);
    m_nDepartureTemperature = clampTo<int16_t>(a.temperature);
    m_nDepartureQnh = QnhToStore(a.qnh, a.pressureUnit);
    m_bDepartureWet = a.wet ? 1 : 0;
}

MetAerodrome CMetDoc::GetDestination() const {
    return {m_nDestinationTemperature, m_nDestinationTemperatureUnit,
            StoredQnh(m_nDestinationQnh, m_nDestinationPressureUnit), m_nDestinationPressureUnit,
            m_bDestinationWet != 0};
}

void CMetDoc::SetDestination(const MetAerodrome& a) {
    m_nDestinationTemperatureUnit = static_cast<int16_t>(a.temperatureUnit);
    m_nDestinationPressureUnit = static_cast<int16_t>(a.pressureUnit);
    m_nDestinationTemperature = clampTo<int16_t>(a.temperature);
    m_nDestinationQnh = QnhToStore(a.qnh, a.pressureUnit);
    m_bDestinationWet = a.wet ? 1 : 0;
}

MetConditions CMetDoc::GetDepartureConditions() const {
    const MetAerodrome a = GetDeparture();
    return {ConvertTemperature(a.temperature, a.temperatureUnit, DIM_C), ConvertPressure(a.qnh, a.pressureUnit, DIM_HPA),
            a.wet};
}

MetConditions CMetDoc::GetDestinationConditions() const {
    const MetAerodrome a = GetDestination();
    return {ConvertTemperature(a.temperature, a.temperatureUnit, DIM_C), ConvertPressure(a.qnh, a.pressureUnit, DIM_HPA),
            a.wet};
}

// ---- winds aloft -------------------------------------------------------------------------------

LegWind CMetDoc::GetLayerWind(int layer) const {
    if (layer < 0 || layer >= kLayers) return {};
    return {m_nWindDirection[static_cast<size_t>(layer)], m_nWindSpeed[static_cast<size_t>(layer)]};
}

void CMetDoc::SetLayerWind(int layer, int direction, int speed) {
    if (layer < 0 || layer >= kLayers) return;
    m_nWindDirection[static_cast<size_t>(layer)] = clampTo<int16_t>(direction);
    m_nWindSpeed[static_cast<size_t>(layer)] = clampTo<int16_t>(speed);
}

double CMetDoc::LayerShare(long a, long b, long c, long d, long* middle) {
    const long e = (a < c && c < b) ? c : a;
    const long f = (a < d && d < b) ? d : b;
    const long m = (e + f) / 2;
    if (middle) *middle = m;
    if (c >= m || d < m) return 0.0;
    if (a == b) return 1.0;
    return static_cast<double>(f - e) / static_cast<double>(b - a);
}

LegWind CMetDoc::GetLegWind(long a, long b) const {
    std::array<Vec, kLayers> layer;
    for (size_t i = 0; i < layer.size(); ++i) {
        const double speed = ConvertSpeed(m_nWindSpeed[i], m_nWindUnit, DIM_KT);
        const double direction = m_nWindDirection[i] * navmath::degToRad;
        layer[i] = {std::sin(direction) * speed, std::cos(direction) * speed};
    }

    if (a > b) std::swap(a, b);
    Vec sum;
    if (a == NOVALUE_ALTITUDE || b == NOVALUE_ALTITUDE || b <= 0) {
        // No usable altitude band: the wind nearest the ground.
        sum = layer[0];
    } else {
        a = std::max(a, 0L);
        long m = 0;
        const double s1 = LayerShare(a, b, 0, 1500, &m);
        sum = sum + layer[0] * s1;
        const double s2 = LayerShare(a, b, 1500, 3000, &m);
        if (s2 != 0.0) sum = sum + between(layer[0], layer[1], 1500, 3000, m) * s2;
        const double s3 = LayerShare(a, b, 3000, 5000, &m);
        if (s3 != 0.0) sum = sum + between(layer[1], layer[2], 3000, 5000, m) * s3;
        const double s4 = LayerShare(a, b, 5000, 10000, &m);
        if (s4 != 0.0) sum = sum + between(layer[2], layer[3], 5000, 10000, m) * s4;
        sum = sum + layer[3] * (1.0 - (s1 + s2 + s3 + s4));
    }

    const double length = std::hypot(sum.east, sum.north);
    LegWind wind;
    wind.speed = static_cast<int>(clampTo<int32_t>(floorHalf(length)));
    if (wind.speed > 0) {
        const double cosine = std::clamp(sum.north / length, -1.0, 1.0);
        const int angle = static_cast<int>(floorHalf(std::acos(cosine) * navmath::radToDeg));
        wind.direction = sum.east < 0.0 ? 360 - angle : angle;
    }
    return wind;
}

// ---- helpers ---------------------------------------------------------------------------------------

std::string CMetDoc::FormatPressure(double value, int fromUnit, int toUnit) {
    const double converted = ConvertPressure(value, fromUnit, toUnit);
    if (toUnit == DIM_INCHHG) return formatFixed(converted, 2);
    return strFormat("%lld", floorHalf(converted));
}
