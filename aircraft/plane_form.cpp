#include "aircraft/plane_form.h"

#include "aircraft/aircraft_strings.h"
#include "platform/encoding.h"
#include "platform/rounding.h"
#include "platform/string_table.h"

namespace {

PlaneFormCheck fail(std::string message, PlaneField field) { return {false, std::move(message), field}; }

// Reads one field into `out`; on failure fills `check` and returns false.
bool readField(const FieldRule& rule, const std::string& text, int unit, PlaneField field, double& out,
               PlaneFormCheck& check, int massUnit = DIM_UNKNOWN) {
    const PlainFieldValue<double> v = ReadRuleField(rule, text, unit, massUnit);
    if (!v) {
        check = fail(v.message, field);
        return false;
    }
    out = *v.value;
    return true;
}

}  // namespace

PlaneForm PlaneToForm(const CPlane& p) {
    PlaneForm f;
    f.name = p.m_strName;
    f.speedUnit = SpeedUnitFor(p.m_nSpeedUnit);
    f.volumeUnit = p.m_nFuelUnit;
    f.climbUnit = ClimbUnitFor(p.m_nClimbUnit);
    f.climbSpeed = WriteField(FieldKind::Airspeed, p.m_fClimbSpeed, f.speedUnit);
    f.cruiseSpeed = WriteField(FieldKind::Airspeed, p.m_fCruiseSpeed, f.speedUnit);
    f.descentSpeed = WriteField(FieldKind::Airspeed, p.m_fDescentSpeed, f.speedUnit);
    f.climbFlow = WriteField(FieldKind::Volume, p.m_fClimbFlow, f.volumeUnit);
    f.cruiseFlow = WriteField(FieldKind::Volume, p.m_fCruiseFlow, f.volumeUnit);
    f.descentFlow = WriteField(FieldKind::Volume, p.m_fDescentFlow, f.volumeUnit);
    f.climbRate = WriteField(FieldKind::ClimbRate, p.m_fClimbRate, f.climbUnit);
    f.descentRate = WriteField(FieldKind::ClimbRate, p.m_fDescentRate, f.climbUnit);
    f.cost = WriteWholeField(p.m_nCost, NOVALUE_SHORT);
    f.cgArmUnit = p.m_nCgArmUnit;
    f.cgMassUnit = p.m_nCgMassUnit;
    f.mtowMass = WriteField(FieldKind::Mass, p.m_fCgMass[0], f.cgMassUnit);
    f.mtowForward = WriteField(FieldKind::Arm, p.m_fCgForward[0], f.cgArmUnit);
    f.mtowAft = WriteField(FieldKind::Arm, p.m_fCgAft[0], f.cgArmUnit);
    f.towMass = WriteField(FieldKind::Mass, p.m_fCgMass[1], f.cgMassUnit);
    f.towForward = WriteField(FieldKind::Arm, p.m_fCgForward[1], f.cgArmUnit);
    f.towAft = WriteField(FieldKind::Arm, p.m_fCgAft[1], f.cgArmUnit);
    f.emptyMass = WriteField(FieldKind::Mass, p.m_fEmptyMass, f.cgMassUnit);
    f.emptyMoment = WriteField(FieldKind::Moment, p.m_fEmptyMoment, f.cgArmUnit);
    return f;
}

PlaneFormCheck CheckCgLimits(double mtowMass, double towMass, double mtowForward, double mtowAft,
                             double towForward, double towAft, double emptyMass) {
    if (mtowMass < towMass) return fail(LoadStr(kStrCgMtowMissing), PlaneField::MtowMass);
    if (mtowForward > mtowAft) return fail(FormatStr(kStrCgArmOrder, mtowForward, mtowAft), PlaneField::MtowForward);
    if (towForward > towAft) return fail(FormatStr(kStrCgArmOrder, towForward, towAft), PlaneField::TowForward);
    if (emptyMass > towMass) {
        return fail(FormatStr(kStrCgEmptyTooHeavy, static_cast<long>(truncateToLong(emptyMass)),
                              static_cast<long>(truncateToLong(towMass))),
                    PlaneField::EmptyMass);
    }
    return {};
}

PlaneFormCheck StorePlaneForm(const PlaneForm& f, CPlane& plane) {
    using namespace PlaneRules;
    PlaneFormCheck check;
    double climbSpeed, cruiseSpeed, descentSpeed, climbFlow, cruiseFlow, descentFlow, climbRate, descentRate;
    double mtowMass, mtowForward, mtowAft, towMass, towForward, towAft, emptyMass, emptyMoment;
    if (!readField(kSpeed, f.climbSpeed, f.speedUnit, PlaneField::ClimbSpeed, climbSpeed, check) ||
        !readField(kSpeed, f.cruiseSpeed, f.speedUnit, PlaneField::CruiseSpeed, cruiseSpeed, check) ||
        !readField(kSpeed, f.descentSpeed, f.speedUnit, PlaneField::DescentSpeed, descentSpeed, check) ||
        !readField(kFuelFlow, f.climbFlow, f.volumeUnit, PlaneField::ClimbFlow, climbFlow, check) ||
        !readField(kFuelFlow, f.cruiseFlow, f.volumeUnit, PlaneField::CruiseFlow, cruiseFlow, check) ||
        !readField(kFuelFlow, f.descentFlow, f.volumeUnit, PlaneField::DescentFlow, descentFlow, check) ||
        !readField(kRate, f.climbRate, f.climbUnit, PlaneField::ClimbRate, climbRate, check) ||
        !readField(kRate, f.descentRate, f.climbUnit, PlaneField::DescentRate, descentRate, check)) {
        return check;
    }
    const PlainFieldValue<long long> cost = ReadIntegerField(f.cost, kCostMin, kCostMax);
    if (!cost) return fail(cost.message, PlaneField::Cost);
    if (!readField(kCgMass, f.mtowMass, f.cgMassUnit, PlaneField::MtowMass, mtowMass, check) ||
        !readField(kCgArm, f.mtowForward, f.cgArmUnit, PlaneField::MtowForward, mtowForward, check) ||
        !readField(kCgArm, f.mtowAft, f.cgArmUnit, PlaneField::MtowAft, mtowAft, check) ||
        !readField(kCgMass, f.towMass, f.cgMassUnit, PlaneField::TowMass, towMass, check) ||
        !readField(kCgArm, f.towForward, f.cgArmUnit, PlaneField::TowForward, towForward, check) ||
        !readField(kCgArm, f.towAft, f.cgArmUnit, PlaneField::TowAft, towAft, check) ||
        !readField(kEmptyMass, f.emptyMass, f.cgMassUnit, PlaneField::EmptyMass, emptyMass, check) ||
        !readField(kEmptyMoment, f.emptyMoment, f.cgArmUnit, PlaneField::EmptyMoment, emptyMoment, check,
                   f.cgMassUnit)) {
        return check;
    }
    check = CheckCgLimits(mtowMass, towMass, mtowForward, mtowAft, towForward, towAft, emptyMass);
    if (!check) return check;

    plane.m_strName = FitPlaneName(f.name);
    plane.m_nSpeedUnit = static_cast<int16_t>(DistanceUnitFor(f.speedUnit));
    plane.m_nClimbUnit = static_cast<int16_t>(AltitudeUnitFor(f.climbUnit));
    plane.m_nFuelUnit = static_cast<int16_t>(f.volumeUnit);
    plane.m_fClimbSpeed = static_cast<float>(climbSpeed);
    plane.m_fCruiseSpeed = static_cast<float>(cruiseSpeed);
    plane.m_fDescentSpeed = static_cast<float>(descentSpeed);
    plane.m_fClimbFlow = static_cast<float>(climbFlow);
    plane.m_fCruiseFlow = static_cast<float>(cruiseFlow);
    plane.m_fDescentFlow = static_cast<float>(descentFlow);
    plane.m_fClimbRate = static_cast<float>(climbRate);
    plane.m_fDescentRate = static_cast<float>(descentRate);
    plane.m_nCost = static_cast<int16_t>(*cost.value);
    plane.m_nCgArmUnit = static_cast<int16_t>(f.cgArmUnit);
    plane.m_nCgMassUnit = static_cast<int16_t>(f.cgMassUnit);
    plane.m_fCgMass = {static_cast<float>(mtowMass), static_cast<float>(towMass)};
    plane.m_fCgForward = {static_cast<float>(mtowForward), static_cast<float>(towForward)};
    plane.m_fCgAft = {static_cast<float>(mtowAft), static_cast<float>(towAft)};
    plane.m_fEmptyMass = static_cast<float>(emptyMass);
    plane.m_fEmptyMoment = static_cast<float>(emptyMoment);
    plane.m_nCgRows = CPlane::kCgRows;
    return {};
}

std::string MomentUnitLabel(int armUnit, int massUnit) {
    return std::string(UnitName(armUnit)) + UnitName(massUnit);
}

// ---- the list copy ------------------------------------------------------------------------------

bool PlaneNameTaken(const std::vector<CPlane>& list, const std::string& name, int except) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (static_cast<int>(i) != except && list[i].m_strName == name) return true;
    }
    return false;
}

PlaneFormCheck AddPlane(std::vector<CPlane>& list, const CPlane& plane, int& index) {
    if (PlaneNameTaken(list, plane.m_strName)) return fail(LoadStr(kStrDuplicateName), PlaneField::Name);
    size_t at = 0;
    while (at < list.size() && compareNoCase(list[at].m_strName, plane.m_strName) <= 0) ++at;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), plane);
    index = static_cast<int>(at);
    return {};
}

PlaneFormCheck ChangePlane(std::vector<CPlane>& list, int index, const CPlane& plane) {
    if (index < 0 || index >= static_cast<int>(list.size())) return fail({}, PlaneField::None);
    if (PlaneNameTaken(list, plane.m_strName, index)) return fail(LoadStr(kStrDuplicateName), PlaneField::Name);
    list[static_cast<size_t>(index)] = plane;
    return {};
}

int RemovePlane(std::vector<CPlane>& list, int index) {
    if (index >= 0 && index < static_cast<int>(list.size())) {
        list.erase(list.begin() + index);
    }
    if (list.empty()) return -1;
    return std::max(0, std::min(index - 1, static_cast<int>(list.size()) - 1));
}
