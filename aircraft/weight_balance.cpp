#include "aircraft/weight_balance.h"

#include <algorithm>
#include <cmath>

#include "platform/rounding.h"
#include "platform/string_table.h"

namespace {

// Below this a computed fill counts as 100 %: the fuel mass is converted
// back into a volume, which may end a few ulps short of the tank's volume.
constexpr double kFullTolerancePercent = 1e-3;
// Allowance for the float precision of the stored limits (a thousandth of
// a millimetre), so that a CG exactly at the tolerance passes.
constexpr double kCgEpsilon = 1e-6;

double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

double massKg(int16_t stored, int unit) {
    if (stored == -1) return 0.0;
    return finiteOrZero(ConvertMass(stored, unit, DIM_KG));
}

bool given(double volume) {
    return volume != CPlane::kVolumeNotGiven && std::isfinite(volume);
}

// A value written in hundredths, cut toward zero with an allowance for a
// product such as 89.99999999 that stands for 90.0.
double truncateTenths(double v) {
    return static_cast<double>(truncateToLong(v * 10.0 + (v >= 0 ? 1e-6 : -1e-6))) / 10.0;
}

}  // namespace

// ---- the load ------------------------------------------------------------------------------------

double SeatMassKg(const LoadValues& load, int row) {
    if (row < 0 || row >= CPlane::kSeatRows) return 0.0;
    return massKg(load.seat[static_cast<size_t>(row)], load.massUnit);
}

double BaggageMassKg(const LoadValues& load, int compartment) {
    if (compartment < 0 || compartment >= CPlane::kBaggageCompartments) return 0.0;
    return massKg(load.baggage[static_cast<size_t>(compartment)], load.massUnit);
}

bool IsMaximalFuel(const LoadValues& load) {
    return load.IsMaximal();
}

double EffectiveFill(const LoadValues& load, int tank) {
    if (tank < 0 || tank >= CPlane::kTanks) return NOVALUE_FILL;
    if (IsMaximalFuel(load)) return 1.0;
    return load.fill[static_cast<size_t>(tank)];
}

// ---- tanks ---------------------------------------------------------------------------------------

bool TankHasVolume(const CPlane& plane, int tank) {
    return given(plane.GetTankUsable(tank, plane.m_nTankVolumeUnit)) &&
           given(plane.GetTankUnusable(tank, plane.m_nTankVolumeUnit));
}

double TankTotalLitres(const CPlane& plane, int tank) {
    if (!TankHasVolume(plane, tank)) return 0.0;
    return finiteOrZero(plane.GetTankUsable(tank, DIM_LITER) + plane.GetTankUnusable(tank, DIM_LITER));
}

double TankFuelMass(const CPlane& plane, int tank, double fill) {
    if (fill < 0 || !std::isfinite(fill) || !TankHasVolume(plane, tank)) return 0.0;
    const int unit = plane.m_nTankVolumeUnit;
    const double usable = plane.GetTankUsable(tank, unit);
    const double unusable = plane.GetTankUnusable(tank, unit);
    // The fill as whole percent, rounded half up: a stored 0.9 (0.8999999761
    // as a float) is 90 %, not 89 %.
    const double percent = static_cast<double>(floorHalf(fill * 100.0));
    const double fuel = percent * (usable + unusable) * 0.01 - unusable;
    const double litres = finiteOrZero(ConvertVolume(fuel, unit, DIM_LITER));
    return std::max(0.0, litres * kFuelDensity);
}

// ---- missing arms --------------------------------------------------------------------------------

MissingArm FindMissingArm(const CPlane& plane, const LoadValues& load) {
    for (int row = 0; row < CPlane::kSeatRows; ++row)
        if (SeatMassKg(load, row) != 0.0 && !plane.HasSeatArm(row)) return {ArmPosition::Seat, row + 1};
    for (int c = 0; c < CPlane::kBaggageCompartments; ++c)
        if (BaggageMassKg(load, c) != 0.0 && !plane.HasBaggageArm(c)) return {ArmPosition::Baggage, c + 1};
    const bool maximal = IsMaximalFuel(load);
    for (int tank = 0; tank < CPlane::kTanks; ++tank) {
        const bool used = TankHasVolume(plane, tank) && (maximal || load.fill[static_cast<size_t>(tank)] > 0);
        if (used && !plane.HasTankArm(tank)) return {ArmPosition::Tank, tank + 1};
    }
    return {};
}

std::string MissingArmMessage(const MissingArm& missing) {
    switch (missing.position) {
        case ArmPosition::Seat:
            return FormatStr(kStrSeatArmMissing, missing.number);
        case ArmPosition::Baggage:
            return FormatStr(kStrBaggageArmMissing, missing.number);
        case ArmPosition::Tank:
            return FormatStr(kStrTankArmMissing, missing.number);
        case ArmPosition::None:
            break;
    }
    return std::string();
}

std::vector<std::string> AllMissingArmMessages(const CPlane& plane, const LoadValues& load) {
    // Each position found is given an arm in a copy of the aircraft, and the
    // search runs again.
    std::vector<std::string> messages;
    CPlane probe = plane;
    for (int guard = 0; guard < CPlane::kSeatRows + CPlane::kBaggageCompartments + CPlane::kTanks; ++guard) {
        const MissingArm missing = FindMissingArm(probe, load);
        if (!missing) break;
        messages.push_back(MissingArmMessage(missing));
        const size_t k = static_cast<size_t>(missing.number - 1);
        if (missing.position == ArmPosition::Seat) probe.m_fSeatArm[k] = 0.0f;
        if (missing.position == ArmPosition::Baggage) probe.m_fBaggageArm[k] = 0.0f;
        if (missing.position == ArmPosition::Tank) probe.m_fTankArm[k] = 0.0f;
    }
    return messages;
}

// ---- CG limits -----------------------------------------------------------------------------------

CgCheck CheckCg(const CPlane& plane, double massKg, double cg) {
    const double marker = ArmMarker(DIM_METER);
    const double mtow = plane.GetCgMass(0, DIM_KG);
    const double tow = plane.GetCgMass(1, DIM_KG);
    const double mtowForward = plane.GetCgForward(0, DIM_METER);
    const double mtowAft = plane.GetCgAft(0, DIM_METER);
    const double towForward = plane.GetCgForward(1, DIM_METER);
    const double towAft = plane.GetCgAft(1, DIM_METER);
    auto known = [marker](double a, double b) {
        return a != marker && b != marker && std::isfinite(a) && std::isfinite(b);
    };

    CgCheck check;
    if (!(mtow > tow)) {
        check.permitted = true;
        check.limitsKnown = known(mtowForward, mtowAft);
        if (check.limitsKnown) {
            check.forward = mtowForward;
            check.aft = mtowAft;
        }
        return check;
    }
    if (massKg >= tow) {
        const double share = (massKg - tow) / (mtow - tow);
        check.forward = towForward + share * (mtowForward - towForward);
        check.aft = towAft + share * (mtowAft - towAft);
        check.limitsKnown = known(mtowForward, mtowAft) && known(towForward, towAft);
    } else {
        check.forward = towForward;
        check.aft = towAft;
        check.limitsKnown = known(towForward, towAft);
    }
    if (!check.limitsKnown || !std::isfinite(check.forward) || !std::isfinite(check.aft)) {
        // Without limits nothing can be said against the CG.
        return CgCheck{true, false, 0.0, 0.0};
    }
    check.permitted =
        check.forward - kCgTolerance - kCgEpsilon <= cg && cg <= check.aft + kCgTolerance + kCgEpsilon;
    return check;
}

// ---- the whole computation -----------------------------------------------------------------------

WeightBalance ComputeWeightBalance(const CPlane& plane, const LoadValues& load) {
    WeightBalance wb;
    const double mtow = plane.GetCgMass(0, DIM_KG);
    wb.maxMassKnown = mtow > 0 && std::isfinite(mtow);
    wb.maxMass = wb.maxMassKnown ? mtow : 0.0;

    const double empty = plane.GetEmptyMass(DIM_KG);
    wb.zeroFuelMass = empty > 0 && std::isfinite(empty) ? empty : 0.0;
    for (int i = 0; i < CPlane::kSeatRows; ++i) wb.zeroFuelMass += SeatMassKg(load, i);
    for (int i = 0; i < CPlane::kBaggageCompartments; ++i) wb.zeroFuelMass += BaggageMassKg(load, i);

    // Fuel goes into the tanks in order until the maximum mass is reached.
    double running = wb.zeroFuelMass;
    wb.zeroFuelAboveMax = wb.maxMassKnown && running > wb.maxMass;
    for (int t = 0; t < CPlane::kTanks; ++t) {
        TankLoad& tank = wb.tanks[static_cast<size_t>(t)];
        tank.hasVolume = TankHasVolume(plane, t);
        if (wb.maxMassKnown && running > wb.maxMass) break;
        double fuel = TankFuelMass(plane, t, EffectiveFill(load, t));
        bool capped = false;
        if (wb.maxMassKnown && running + fuel > wb.maxMass) {
            fuel = wb.maxMass - running;
            capped = true;
        }
        tank.fuelMass = fuel;
        running += fuel;
        if (capped) break;
    }
    wb.totalMass = running;

    // Moment of the empty aircraft, the load and the fuel.
    const double emptyMoment = plane.GetEmptyMoment(DIM_METER, DIM_KG);
    wb.moment = plane.m_fEmptyMoment == CPlane::kMassNotGiven ? 0.0 : finiteOrZero(emptyMoment);
    for (int i = 0; i < CPlane::kSeatRows; ++i)
        if (plane.HasSeatArm(i))
            wb.moment += finiteOrZero(plane.GetSeatArm(i, DIM_METER)) * SeatMassKg(load, i);
    for (int i = 0; i < CPlane::kBaggageCompartments; ++i)
        if (plane.HasBaggageArm(i))
            wb.moment += finiteOrZero(plane.GetBaggageArm(i, DIM_METER)) * BaggageMassKg(load, i);
    for (int t = 0; t < CPlane::kTanks; ++t)
        if (plane.HasTankArm(t))
            wb.moment +=
                finiteOrZero(plane.GetTankArm(t, DIM_METER)) * wb.tanks[static_cast<size_t>(t)].fuelMass;

    wb.cgComputable = wb.totalMass > 0;
    wb.cg = wb.cgComputable ? static_cast<double>(floorHalf(wb.moment / wb.totalMass * 100.0)) / 100.0 : 0.0;

    // The fuel that is carried: volume and fill of each tank, usable fuel.
    double usable = 0;
    for (int t = 0; t < CPlane::kTanks; ++t) {
        TankLoad& tank = wb.tanks[static_cast<size_t>(t)];
        wb.fuelMass += tank.fuelMass;
        usable += tank.fuelMass * kLitresPerKg;
        if (!tank.hasVolume) continue;
        const double total = TankTotalLitres(plane, t);
        tank.capacity = total;
        tank.volume = std::max(0.0, plane.GetTankUnusable(t, DIM_LITER)) + tank.fuelMass * kLitresPerKg;
        tank.fill = total > 0 ? tank.volume * 100.0 / total : 0.0;
        tank.full = total > 0 && tank.fill >= 100.0 - kFullTolerancePercent;
        if (tank.full) {
            // Show the tank's volume, not a value a hair below it.
            tank.volume = std::max(tank.volume, total);
            tank.fill = std::max(tank.fill, 100.0);
        }
    }
    wb.usableFuel = truncateTenths(usable);

    wb.cgCheck = CheckCg(plane, wb.totalMass, wb.cg);
    return wb;
}
