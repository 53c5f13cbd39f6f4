#pragma once
// The fields of the weather dialog "Wetter" as texts, their checks and the
// store into the weather document, without any widget.

#include <array>
#include <string>

#include "aircraft/form_field.h"
#include "aircraft/met_doc.h"

namespace MetRules {
inline constexpr FieldRule kTemperature{FieldKind::Temperature, -70, 70, true};
inline constexpr FieldRule kQnh{FieldKind::Pressure, 920, 1060, true};
inline constexpr FieldRule kWindSpeed{FieldKind::WindSpeed, 0, 99, true};
inline constexpr long long kDirectionMin = 0;
inline constexpr long long kDirectionMax = 360;
}  // namespace MetRules

// One aerodrome group ("Am Startplatz:", "Am Landeplatz:").
struct MetAerodromeForm {
    int temperatureUnit = DIM_C;
    std::string temperature;  // "Temperatur:"
    int pressureUnit = DIM_HPA;
    std::string qnh;          // "QNH:", 2 decimals in InHg
    bool wet = false;         // "&Feucht"
};

struct MetForm {
    MetAerodromeForm departure;
    int windUnit = DIM_KT;                            // "in"
    std::array<std::string, CMetDoc::kLayers> direction;  // "Grad"
    std::array<std::string, CMetDoc::kLayers> speed;
    MetAerodromeForm destination;
};

// The fields that can fail, for focusing the one named by a failed check.
enum class MetField {
    None,
    DepartureTemperature,
    DepartureQnh,
    WindDirection,  // with MetFormCheck::layer
    WindSpeed,      // with MetFormCheck::layer
    DestinationTemperature,
    DestinationQnh,
};

struct MetFormCheck {
    bool ok = true;
    std::string message;
    MetField field = MetField::None;
    int layer = -1;
    explicit operator bool() const { return ok; }
};

MetForm MetToForm(const CMetDoc& met);

// "&Benutze" ("Startdaten zur Landung"): the departure texts, the wet check
// and both units become the destination's.
void CopyDepartureToDestination(MetForm& form);

// "OK": checks every field in dialog order and, only when all pass, stores
// units, values and winds into `met`.
MetFormCheck StoreMetForm(const MetForm& form, CMetDoc& met);
