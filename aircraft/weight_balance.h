#pragma once
// Weight and balance of the current aircraft with the current load: the
// masses in the seat rows and baggage compartments, the fuel that fits in
// the tanks up to the maximum take-off mass, the moment, the centre of
// gravity (CG) and whether it lies within the aircraft's limits.
//
// All masses are kg, arms m, moments m*kg and fuel volumes litres. Values
// the aircraft does not give (empty mass, volumes, limits) count as 0 or as
// "not known"; no result is ever NaN or infinite.

#include <array>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/plane.h"

// Fuel density of aviation gasoline in kg per litre, and its exact inverse.
inline constexpr double kFuelDensity = 0.72;
inline constexpr double kLitresPerKg = 1.0 / kFuelDensity;

// ---- the load in kg ------------------------------------------------------------------------
// The functions take the load's values (CLoadDoc::GetValues()).
// A seat row (0..4) or baggage compartment (0..4) in kg; 0 when not given
// (-1) or out of range.
double SeatMassKg(const LoadValues& load, int row);
double BaggageMassKg(const LoadValues& load, int compartment);
// True when the load says "Maximal": all three fills are not given (-1).
bool IsMaximalFuel(const LoadValues& load);
// The fill fraction a tank (0..2) is computed with: 1 with "Maximal",
// otherwise the stored fraction (-1 = not given).
double EffectiveFill(const LoadValues& load, int tank);

// ---- tanks -----------------------------------------------------------------------------------
// True when the tank (0..2) has its usable and unusable volume given.
bool TankHasVolume(const CPlane& plane, int tank);
// Usable plus unusable volume of a tank in litres; 0 when not given.
double TankTotalLitres(const CPlane& plane, int tank);
// Fuel mass (kg) that a tank holds at a fill fraction: the fill as a whole
// percentage (rounded half up) of the tank's total volume, less the unusable
// volume. 0 when the fill or a volume is not given; never negative.
double TankFuelMass(const CPlane& plane, int tank, double fill);

// ---- missing lever arms ----------------------------------------------------------------------
enum class ArmPosition { None, Seat, Baggage, Tank };

struct MissingArm {
    ArmPosition position = ArmPosition::None;
    int number = 0;  // 1-based
    explicit operator bool() const { return position != ArmPosition::None; }
};

// The first loaded seat row, loaded baggage compartment or used tank that
// has no arm, in that order. A tank counts as used when it has a volume and
// its fill is above 0 or the load says "Maximal" (a tank without a volume
// holds no fuel and needs no arm).
MissingArm FindMissingArm(const CPlane& plane, const LoadValues& load);
// The German message for a missing arm ("Sie haben die 3. Sitzreihe beladen,
// ..."); empty for none.
std::string MissingArmMessage(const MissingArm& missing);
// The messages of every loaded seat row, baggage compartment and used tank
// without an arm, in the order FindMissingArm finds them; empty when none
// is missing.
std::vector<std::string> AllMissingArmMessages(const CPlane& plane, const LoadValues& load);

// ---- CG limits -------------------------------------------------------------------------------
struct CgCheck {
    bool permitted = true;
    bool limitsKnown = false;  // both limits of the rows used are given
    double forward = 0;        // m; 0 when not known
    double aft = 0;
};

// Tolerance of the CG check (m): a CG this far outside a limit still passes.
inline constexpr double kCgTolerance = 0.005;

// The limits at a mass and whether the CG lies within them. Row 0 of the
// aircraft's limits holds MTOW, row 1 TOW. When MTOW is not above TOW every
// CG is permitted and the MTOW row's limits are reported. From TOW upwards
// the limits run along the line between the rows (continued above MTOW);
// below TOW the TOW limits apply.
CgCheck CheckCg(const CPlane& plane, double massKg, double cg);

// ---- the whole computation -------------------------------------------------------------------
struct TankLoad {
    bool hasVolume = false;  // usable and unusable volume given
    double capacity = 0;     // l: usable plus unusable volume
    double fuelMass = 0;     // kg placed in the tank
    double volume = 0;       // l: the fuel plus the unusable volume
    double fill = 0;         // % of the tank's total volume
    bool full = false;       // filled to 100 % (within a small tolerance)
};

struct WeightBalance {
    double maxMass = 0;  // MTOW in kg (CG limit row 0); 0 when not given
    bool maxMassKnown = false;
    double zeroFuelMass = 0;        // empty mass plus seats and baggage
    bool zeroFuelAboveMax = false;  // no fuel fits: the load alone exceeds MTOW
    double totalMass = 0;           // take-off mass with the fuel that fits
    double moment = 0;              // m*kg
    double cg = 0;                  // m, rounded half up to 0.01; 0 when not computable
    bool cgComputable = false;      // the total mass is above 0
    std::array<TankLoad, CPlane::kTanks> tanks{};
    double fuelMass = 0;    // kg in all tanks
    double usableFuel = 0;  // l, truncated to 0.1
    CgCheck cgCheck;        // at the total mass
};

// Masses, moment, CG, fuel per tank, fills, usable fuel and the CG check for
// an aircraft and a load. Tanks are filled in order 1, 2, 3 until the
// maximum take-off mass is reached; when the load alone is above it, no fuel
// is placed. An aircraft without MTOW gets its tanks filled without a cap.
// Seat rows, compartments and tanks without an arm add no moment: check
// FindMissingArm first.
WeightBalance ComputeWeightBalance(const CPlane& plane, const LoadValues& load);
