#pragma once
// The fields of the aircraft editor "Flugzeugdatenbank" as texts, their
// checks and the editing of the list copy, without any widget: the dialog
// fills a PlaneForm from the chosen aircraft, lets the user edit it, and
// hands it back to StorePlaneForm, which either stores every field or names
// the field to focus and the message to show.

#include <string>
#include <vector>

#include "aircraft/form_field.h"
#include "aircraft/plane.h"

// The ranges of the editor's fields (reference units: kt, litres, ft/min,
// kg, m, m*kg).
namespace PlaneRules {
inline constexpr FieldRule kSpeed{FieldKind::Airspeed, 5, 1000, true};
inline constexpr FieldRule kFuelFlow{FieldKind::Volume, 0, 2000, true};
inline constexpr FieldRule kRate{FieldKind::ClimbRate, -10000, 10000, true};
inline constexpr FieldRule kCgMass{FieldKind::Mass, 100, 15000, true};
inline constexpr FieldRule kCgArm{FieldKind::Arm, -5, 10, true};
inline constexpr FieldRule kEmptyMass{FieldKind::Mass, 100, 15000, true};
inline constexpr FieldRule kEmptyMoment{FieldKind::Moment, 100, 15000, true};
inline constexpr long long kCostMin = 0;
inline constexpr long long kCostMax = 30000;
}  // namespace PlaneRules

// The fields of the editor, for focusing the one whose check failed.
enum class PlaneField {
    None,
    Name,
    ClimbSpeed,
    CruiseSpeed,
    DescentSpeed,
    ClimbFlow,
    CruiseFlow,
    DescentFlow,
    ClimbRate,
    DescentRate,
    Cost,
    MtowMass,
    MtowForward,
    MtowAft,
    TowMass,
    TowForward,
    TowAft,
    EmptyMass,
    EmptyMoment,
};

struct PlaneForm {
    std::string name;
    int speedUnit = DIM_KT;     // PARAM_SPEED selector
    int volumeUnit = DIM_LITER; // PARAM_VOLUME selector of the fuel flows
    int climbUnit = DIM_FTPM;   // PARAM_CLIMB selector
    std::string climbSpeed, cruiseSpeed, descentSpeed;  // "Geschw."
    std::string climbFlow, cruiseFlow, descentFlow;     // "Verbr./Std."
    std::string climbRate, descentRate;                 // "Steigrate"
    std::string cost;                                   // "Betriebskosten pro Stunde:"
    int cgArmUnit = DIM_METER;  // "Grenzwerte zur Schwerpunktlage:" (PARAM_ARM)
    int cgMassUnit = DIM_KG;    // "Gewichte in" (PARAM_MASS)
    std::string mtowMass, mtowForward, mtowAft;         // "Bei MTOW"
    std::string towMass, towForward, towAft;            // "Bei TOW"
    std::string emptyMass;                              // "Leergewicht mit n.a.K.+Öl"
    std::string emptyMoment;                            // "Leermoment mit n.a.K.+Öl"

    // Equal forms show the same texts and units (the editor then has
    // nothing to store).
    bool operator==(const PlaneForm&) const = default;
};

struct PlaneFormCheck {
    bool ok = true;
    std::string message;
    PlaneField field = PlaneField::None;
    explicit operator bool() const { return ok; }
};

// The fields of an aircraft in its own units.
PlaneForm PlaneToForm(const CPlane& plane);

// Reads and checks every field in dialog order, then the three consistency
// checks (MTOW mass not below the TOW mass, forward arm not behind the aft
// arm in either row, empty mass not above the TOW mass). Only when all pass
// are the values and units stored into `plane`, its name cut to 11 bytes and
// its CG rows set to 2. The other fields of `plane` are kept.
PlaneFormCheck StorePlaneForm(const PlaneForm& form, CPlane& plane);

// The three consistency checks alone, on values in one mass and arm unit.
PlaneFormCheck CheckCgLimits(double mtowMass, double towMass, double mtowForward, double mtowAft,
                             double towForward, double towAft, double emptyMass);

// The unit label of the empty moment: arm unit, then mass unit ("mkg").
std::string MomentUnitLabel(int armUnit, int massUnit);

// ---- the list copy ------------------------------------------------------------------------------
// True when another entry than `except` has exactly this name (case-sensitive).
bool PlaneNameTaken(const std::vector<CPlane>& list, const std::string& name, int except = -1);
// "Hinzufügen": inserts the aircraft before the first entry whose name sorts
// after it (ignoring case). Refused with "Unter dieser Bezeichnung ist schon
// ein Eintrag vorhanden." when the name is taken; `index` receives the new
// position.
PlaneFormCheck AddPlane(std::vector<CPlane>& list, const CPlane& plane, int& index);
// "&Ändern": replaces entry `index`; refused the same way when another entry
// has the name. The list keeps its order.
PlaneFormCheck ChangePlane(std::vector<CPlane>& list, int index, const CPlane& plane);
// "&Entfernen": removes entry `index` and returns the entry to select (the
// one before it, or 0; -1 when the list is empty).
int RemovePlane(std::vector<CPlane>& list, int index);
