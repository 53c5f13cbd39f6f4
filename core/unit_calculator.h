#pragma once
// The unit calculator: converts one value between units of the same kind
// (lengths, speeds, volumes, masses, pressures, temperatures) and, with a
// fuel density in kg per litre, between volumes and masses.
//
// The calculator is a small state machine behind the "Rechner" dialog. The
// user first presses the button of the unit the value is given in, then
// switches to "Für den gesuchten Wert" and presses the buttons of the units
// wanted; each of those presses reads the value and the density and shows a
// result. The dialog only forwards its events here and shows the texts and
// enabled states this class gives.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class CalcFamily { Length, Speed, Volume, Mass, Pressure, Temperature };

// A unit button: its caption (the name the calculator shows for the unit),
// the unit code whose factor it uses and its family.
struct CalcUnitButton {
    const char* caption;
    int16_t unit;
    CalcFamily family;
};

// The unit buttons in group order: length, speed, volume, mass, pressure,
// temperature. A button is addressed by its index in this list.
std::span<const CalcUnitButton> CalculatorButtons();

// Converts `value` from the unit of button `given` into that of button
// `sought`. Volumes and masses convert into each other through `density`
// (kg per litre). No value for buttons that cannot be converted into each
// other (other families, a bad index), for a volume/mass conversion without a
// positive density, and for a result that is not a finite number.
std::optional<double> CalculatorConvert(int given, int sought, double value, double density);

class CUnitCalculator {
public:
    enum Mode { GivenMode = 0, SoughtMode = 1 };
    enum Density { Oil = 0, Avgas = 1, Other = 2 };
    // The field a refused press is about, so that the dialog can focus it.
    enum class Field { None, Value, Density };

    struct PressResult {
        bool ok = true;
        std::string message;  // shown when not ok
        Field field = Field::None;
    };

    // Densities in kg per litre, as single-precision numbers like the
    // density field holds them.
    static constexpr float kOilDensity = 0.9f;
    static constexpr float kAvgasDensity = 0.72f;
    static constexpr double kMaxDensity = 20.0;

    CUnitCalculator() = default;

    // ---- events ----------------------------------------------------------------------
    // "Für den gegebenen Wert": back to the start, every button enabled.
    void ChooseGivenMode();
    // "Für den gesuchten Wert" (only once a given unit was chosen).
    void ChooseSoughtMode();
    // A unit button. In the given mode it names the value's unit and leaves
    // only the buttons enabled that the value can be converted into. In the
    // sought mode it reads the value and the density from the texts of their
    // fields and shows the result; an invalid field is refused with its
    // message and nothing is computed. Disabled buttons do nothing.
    PressResult PressUnit(int button, std::string_view valueText, std::string_view densityText);
    // "Öl", "Avgas" or "Sonstiges".
    void ChooseDensity(Density choice);
    // The user typed into the value field / the density field.
    void ValueEdited();
    void DensityEdited();

    // ---- what the dialog shows -----------------------------------------------------------
    Mode GetMode() const { return mode_; }
    bool SoughtModeEnabled() const { return soughtModeEnabled_; }
    bool ButtonEnabled(int button) const;
    Density GetDensityChoice() const { return densityChoice_; }
    float GetDensity() const { return density_; }
    // The text the density field is to show after "Öl" or "Avgas".
    std::string DensityText() const;
    const std::string& ResultText() const { return result_; }
    const std::string& GivenName() const { return givenName_; }
    const std::string& SoughtName() const { return soughtName_; }
    bool CrossFlag() const { return cross_; }
    int GivenButton() const { return given_; }

private:
    void ClearResultIfCross();

    Mode mode_ = GivenMode;
    bool soughtModeEnabled_ = false;
    Density densityChoice_ = Avgas;
    float density_ = kAvgasDensity;
    bool otherDensity_ = false;
    bool cross_ = false;
    int given_ = -1;
    std::string result_;
    std::string givenName_;
    std::string soughtName_;
};
