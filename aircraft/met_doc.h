#pragma once
// The weather of one flight: temperature, QNH and runway state at the
// departure and the destination aerodrome, and the winds aloft at 1500, 3000,
// 5000 and 10000 ft. Held in memory only; every run starts with the defaults.
//
// The wind for a leg is a vector average of the layer winds over the leg's
// altitude band (GetLegWind).

#include <array>
#include <cstdint>
#include <string>

#include "core/units.h"
#include "platform/document.h"

// Conditions at an aerodrome, as the dialog shows them.
struct MetAerodrome {
    int temperature = 15;            // in temperatureUnit
    int temperatureUnit = DIM_C;
    double qnh = 1013.0;             // in pressureUnit
    int pressureUnit = DIM_HPA;
    bool wet = false;                // "&Feucht"
};

// Conditions at an aerodrome for the take-off and landing computation.
struct MetConditions {
    double temperatureC = 15.0;
    double qnhHpa = 1013.0;
    bool wet = false;
};

// Wind in whole degrees (the direction it comes from) and whole knots.
struct LegWind {
    int direction = 0;
    int speed = 0;
    bool operator==(const LegWind&) const = default;
};

class CMetDoc : public CDocument {
public:
    static constexpr int kLayers = 4;
    static constexpr std::array<int, kLayers> kLayerAltitudes{1500, 3000, 5000, 10000};

    int16_t m_nDepartureTemperatureUnit = DIM_C;
    int16_t m_nDeparturePressureUnit = DIM_HPA;
    int16_t m_nWindUnit = DIM_KT;
    int16_t m_nDestinationTemperatureUnit = DIM_C;
    int16_t m_nDestinationPressureUnit = DIM_HPA;
    int16_t m_nDepartureTemperature = 15;
    int16_t m_nDepartureQnh = 1013;  // inches of mercury x 100 when the unit is InHg
    int32_t m_bDepartureWet = 0;
    std::array<int16_t, kLayers> m_nWindDirection{0, 0, 0, 0};
    std::array<int16_t, kLayers> m_nWindSpeed{0, 0, 0, 0};  // in the wind unit
    int16_t m_nDestinationTemperature = 15;
    int16_t m_nDestinationQnh = 1013;
    int32_t m_bDestinationWet = 0;

    // ---- aerodromes -----------------------------------------------------------------
    // The setters take the units first: the QNH is stored x 100 rounded half
    // up in InHg, otherwise truncated to a whole number (values beyond the
    // 16-bit range are clamped).
    MetAerodrome GetDeparture() const;
    void SetDeparture(const MetAerodrome& a);
    MetAerodrome GetDestination() const;
    void SetDestination(const MetAerodrome& a);
    // In degrees Celsius and hPa.
    MetConditions GetDepartureConditions() const;
    MetConditions GetDestinationConditions() const;

    // ---- winds aloft (layer 0..3: 1500, 3000, 5000, 10000 ft) ---------------------------
    LegWind GetLayerWind(int layer) const;      // speed in the wind unit
    void SetLayerWind(int layer, int direction, int speed);

    // The wind for a leg between two altitudes in ft (either order). A leg
    // at or below 0 ft, or with a no-value altitude at either end, takes the
    // lowest layer's wind; parts of a leg below 0 ft count as 0 ft.
    LegWind GetLegWind(long altitudeA, long altitudeB) const;

    // ---- helpers -------------------------------------------------------------------------
    // The share of a layer from c to d in a leg from a to b (a <= b) and the
    // middle of their overlap (whole feet).
    static double LayerShare(long a, long b, long c, long d, long* middle = nullptr);
    // A pressure for display in another unit: "%.2f" for InHg, otherwise a
    // whole number rounded half up.
    static std::string FormatPressure(double value, int fromUnit, int toUnit);

private:
    static double StoredQnh(int16_t stored, int unit);
    static int16_t QnhToStore(double qnh, int unit);
};

// The weather document in use (set at start-up; nullptr until then).
CMetDoc* theMetDoc();
void SetMetDoc(CMetDoc* doc);
