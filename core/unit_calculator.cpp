#include "core/unit_calculator.h"

#include <cfloat>
#include <cmath>

#include "core/unit_fields.h"
#include "core/units.h"
#include "platform/numtext.h"

namespace {

constexpr CalcUnitButton kButtons[] = {
    {"Feet", DIM_FEET, CalcFamily::Length},        {"Yards", DIM_YARD, CalcFamily::Length},
    {"Meter", DIM_METER, CalcFamily::Length},      {"km", DIM_KM, CalcFamily::Length},
    {"St. Meilen", DIM_STM, CalcFamily::Length},   {"NM", DIM_NM, CalcFamily::Length},
    {"ft / min", DIM_FTPM, CalcFamily::Speed},     {"km / h", DIM_KMH, CalcFamily::Speed},
    {"mph", DIM_MPH, CalcFamily::Speed},           {"Kt", DIM_KT, CalcFamily::Speed},
    {"m / s", DIM_MPS, CalcFamily::Speed},         {"US Quarts", DIM_USQRT, CalcFamily::Volume},
    {"Liter", DIM_LITER, CalcFamily::Volume},      {"Brit. Quarts", DIM_BRQRT, CalcFamily::Volume},
    {"US Gall.", DIM_USGAL, CalcFamily::Volume},   {"Brit. Gall.", DIM_BRGAL, CalcFamily::Volume},
    {"Pounds", DIM_POUNDS, CalcFamily::Mass},      {"kg", DIM_KG, CalcFamily::Mass},
    {"hPa", DIM_HPA, CalcFamily::Pressure},        {"mm Hg", DIM_MMHG, CalcFamily::Pressure},
    {"Inch Hg", DIM_INCHHG, CalcFamily::Pressure}, {"Grad F", DIM_F, CalcFamily::Temperature},
    {"Grad C", DIM_C, CalcFamily::Temperature},
};
constexpr int kButtonCount = static_cast<int>(std::size(kButtons));

const CalcUnitButton* button(int index) {
    return index >= 0 && index < kButtonCount ? &kButtons[index] : nullptr;
}

// The factor of a unit to the base unit of its family (metre, km/h, litre,
// kg, hPa); temperatures have none.
double factorOf(const CalcUnitButton& b) {
    switch (b.family) {
        case CalcFamily::Length:
            return ConvertLength(1.0, b.unit, DIM_METER);
        case CalcFamily::Speed:
            return ConvertSpeed(1.0, b.unit, DIM_KMH);
        case CalcFamily::Volume:
            return ConvertVolume(1.0, b.unit, DIM_LITER);
        case CalcFamily::Mass:
            return ConvertMass(1.0, b.unit, DIM_KG);
        case CalcFamily::Pressure:
            return ConvertPressure(1.0, b.unit, DIM_HPA);
        case CalcFamily::Temperature:
            return 1.0;
    }
    return 1.0;
}

bool isVolumeOrMass(CalcFamily f) {
    return f == CalcFamily::Volume || f == CalcFamily::Mass;
}

// Whether a value of family `given` can be converted into family `sought`.
bool convertible(CalcFamily given, CalcFamily sought) {
    return given == sought || (isVolumeOrMass(given) && isVolumeOrMass(sought));
}

}  // namespace

std::span<const CalcUnitButton> CalculatorButtons() {
    return kButtons;
}

std::optional<double> CalculatorConvert(int given, int sought, double value, double density) {
    const CalcUnitButton* g = button(given);
    const CalcUnitButton* s = button(sought);
    if (!g || !s || !convertible(g->family, s->family)) return std::nullopt;
    double r;
    if (g->family == CalcFamily::Temperature) {
        r = given == sought ? value : ConvertTemperature(value, g->unit, s->unit);
    } else if (g->family == s->family) {
        r = value * factorOf(*g) / factorOf(*s);
    } else {
        // A volume and a mass: through the density, which must be positive.
        if (!(density > 0.0)) return std::nullopt;
        if (g->family == CalcFamily::Volume)
            r = value * density * factorOf(*g) / factorOf(*s);
        else
            r = value / density * factorOf(*g) / factorOf(*s);
    }
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

// ---- the calculator's state ---------------------------------------------------------

bool CUnitCalculator::ButtonEnabled(int index) const {
    const CalcUnitButton* b = button(index);
    if (!b) return false;
    if (!soughtModeEnabled_) return true;  // no given unit yet: every button
    return convertible(kButtons[given_].family, b->family);
}

void CUnitCalculator::ChooseGivenMode() {
    mode_ = GivenMode;
    cross_ = false;
    result_.clear();
    givenName_.clear();
    soughtName_.clear();
    soughtModeEnabled_ = false;
    given_ = -1;
}

void CUnitCalculator::ChooseSoughtMode() {
    if (!soughtModeEnabled_) return;
    mode_ = SoughtMode;
    result_.clear();
    soughtName_.clear();
}

CUnitCalculator::PressResult CUnitCalculator::PressUnit(int index, std::string_view valueText,
                                                        std::string_view densityText) {
    if (!ButtonEnabled(index)) return {};
    const CalcUnitButton& b = kButtons[index];

    if (mode_ == GivenMode) {
        given_ = index;
        givenName_ = b.caption;
        soughtModeEnabled_ = true;
        return {};
    }

    // The sought unit: read both fields first, as they stand.
    const auto value = ReadNumberField(valueText, -DBL_MAX, DBL_MAX);
    if (!value) return {false, value.message, Field::Value};
    const auto density = ReadNumberField(densityText, 0.0, kMaxDensity);
    if (!density) return {false, density.message, Field::Density};
    const float d = static_cast<float>(*density.value);
    // A density of 0 would turn a mass into an infinite volume.
    if (!(d > 0.0f)) return {false, "Bitte geben Sie eine Dichte größer als 0 ein!", Field::Density};
    density_ = d;

    const CalcFamily givenFamily = kButtons[given_].family;
    if (isVolumeOrMass(givenFamily)) cross_ = givenFamily != b.family;

    const auto r = CalculatorConvert(given_, index, *value.value, static_cast<double>(d));
    // A result too large for a number is shown as not computable.
    result_ = r ? strFormat("%f", *r) : "–";
    soughtName_ = b.caption;
    return {};
}

void CUnitCalculator::ChooseDensity(Density choice) {
    densityChoice_ = choice;
    if (choice == Other) {
        otherDensity_ = true;
    } else {
        density_ = choice == Oil ? kOilDensity : kAvgasDensity;
        otherDensity_ = false;
    }
    ClearResultIfCross();
}

void CUnitCalculator::ValueEdited() {
    result_.clear();
}

void CUnitCalculator::DensityEdited() {
    densityChoice_ = Other;
    otherDensity_ = true;
    ClearResultIfCross();
}

std::string CUnitCalculator::DensityText() const {
    return strFormat("%g", static_cast<double>(density_));
}

void CUnitCalculator::ClearResultIfCross() {
    if (cross_) result_.clear();
}
