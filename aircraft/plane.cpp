#include "aircraft/plane.h"

#include <cmath>

#include "core/archive.h"
#include "core/calc_doc.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

constexpr size_t kIdentBytes = 8;
constexpr size_t kMarkingsBytes = 128;

// Converts a value unless it is the group's marker, which stays what it is.
double lengthOrMarker(float value, float marker, int from, int to) {
    return value == marker ? value : ConvertLength(value, from, to);
}

double armOrMarker(float value, int from, int to) {
    if (value == ArmMarker(from)) return ArmMarker(to);
    return ConvertLength(value, from, to);
}

double massOrMarker(float value, int from, int to) {
    return value == CPlane::kMassNotGiven ? value : ConvertMass(value, from, to);
}

double volumeOrMarker(float value, int from, int to) {
    return value == CPlane::kVolumeNotGiven ? value : ConvertVolume(value, from, to);
}

template <typename T, size_t N>
void ioArray(CArchive& ar, std::array<T, N>& values) {
    for (auto& v : values) ar.Io(v);
}

bool validIndex(int i, int count) { return i >= 0 && i < count; }

}  // namespace

// ---- flight-plan block --------------------------------------------------------------

void CPlaneFlightPlan::Serialize(CArchive& ar) {
    ar.IoFixedText(m_strIdent, kIdentBytes);
    ar.IoFixedText(m_strType, kIdentBytes);
    ar.IoFixedText(m_strEquipment, kIdentBytes);
    ar.IoFixedText(m_strMarkings, kMarkingsBytes);
    ar.Io(m_nTransponder);
    ar.Io(m_bRadioUhf);
    ar.Io(m_bRadioVhf);
    ar.Io(m_bBeacon);
}

// ---- the record ------------------------------------------------------------------------

CPlane::CPlane() {
    const float arm = ArmMarker(DIM_METER);
    m_fSeatArm.fill(arm);
    m_fBaggageArm.fill(arm);
    m_fTankUsable.fill(kVolumeNotGiven);
    m_fTankUnusable.fill(kVolumeNotGiven);
    m_fTankArm.fill(arm);
    m_fCgMass.fill(kMassNotGiven);
    m_fCgForward.fill(arm);
    m_fCgAft.fill(arm);
}

void CPlane::Serialize(CArchive& ar) {
    ar.IoFixedText(m_strName, kNameBytes, CodePage::Cp850);
    ar.Io(m_nSpeedUnit);
    ar.Io(m_nClimbUnit);
    ar.Io(m_nFuelUnit);
    ar.Io(m_fCruiseSpeed);
    ar.Io(m_fCruiseFlow);
    ar.Io(m_fClimbSpeed);
    ar.Io(m_fClimbFlow);
    ar.Io(m_fClimbRate);
    ar.Io(m_fDescentSpeed);
    ar.Io(m_fDescentFlow);
    ar.Io(m_fDescentRate);
    ar.Io(m_nTableMassUnit);
    ar.Io(m_nTableLengthUnit);
    ar.Io(m_nReservedTakeOff);
    ioArray(ar, m_TakeOff.m_fMass);
    ioArray(ar, m_TakeOff.m_fRoll);
    ioArray(ar, m_TakeOff.m_fObstacle);
    ar.Io(m_nReservedLanding);
    ioArray(ar, m_Landing.m_fMass);
    ioArray(ar, m_Landing.m_fRoll);
    ioArray(ar, m_Landing.m_fObstacle);
    ar.Io(m_nLoadArmUnit);
    ar.Io(m_nSeatRows);
    ioArray(ar, m_fSeatArm);
    ar.Io(m_nBaggageCompartments);
    ioArray(ar, m_fBaggageArm);
    ar.Io(m_nTankVolumeUnit);
    ar.Io(m_nTankArmUnit);
    ar.Io(m_nTanks);
    ioArray(ar, m_fTankUsable);
    ioArray(ar, m_fTankUnusable);
    ioArray(ar, m_fTankArm);
    ar.Io(m_nCost);
    ar.Io(m_nCgMassUnit);
    ar.Io(m_nCgArmUnit);
    ar.Io(m_fEmptyMass);
    ar.Io(m_fEmptyMoment);
    ar.Io(m_nCgRows);
    ioArray(ar, m_fCgMass);
    ioArray(ar, m_fCgForward);
    ioArray(ar, m_fCgAft);
    m_FlightPlan.Serialize(ar);
    ar.Io(m_nReservedLong);
    ar.Io(m_nReservedWord);
}

CPlane::Packed CPlane::Pack() const {
    CArchive ar;
    CPlane copy = *this;  // Serialize works in both directions and is not const
    copy.Serialize(ar);
    Packed bytes{};
    const auto& written = ar.Bytes();
    std::copy(written.begin(), written.end(), bytes.begin());
    return bytes;
}

CPlane CPlane::Unpack(const Packed& bytes) {
    CArchive ar(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    CPlane plane;
    plane.Serialize(ar);
    return plane;
}

// ---- performance -------------------------------------------------------------------------

float CPlane::Speed(FlightPhase phase) const {
    switch (phase) {
        case FlightPhase::Climb:
            return m_fClimbSpeed;
        case FlightPhase::Descent:
            return m_fDescentSpeed;
        case FlightPhase::Cruise:
            break;
    }
    return m_fCruiseSpeed;
}

float CPlane::Flow(FlightPhase phase) const {
    switch (phase) {
        case FlightPhase::Climb:
            return m_fClimbFlow;
        case FlightPhase::Descent:
            return m_fDescentFlow;
        case FlightPhase::Cruise:
            break;
    }
    return m_fCruiseFlow;
}

double CPlane::GetSpeed(FlightPhase phase, int speedUnit) const {
    return ConvertSpeed(Speed(phase), SpeedUnitFor(m_nSpeedUnit), speedUnit);
}

double CPlane::GetRate(FlightPhase phase, int climbUnit) const {
    float rate = 0.0f;
    if (phase == FlightPhase::Climb) rate = m_fClimbRate;
    if (phase == FlightPhase::Descent) rate = m_fDescentRate;
    return ConvertSpeed(rate, ClimbUnitFor(m_nClimbUnit), climbUnit);
}

double CPlane::GetFuelFlow(FlightPhase phase, int volumeUnit) const {
    return ConvertVolume(Flow(phase), m_nFuelUnit, volumeUnit);
}

bool CPlane::HasNoFuelFlow() const {
    // A flow that is no number counts as missing, so no NaN reaches the fuel plan.
    return m_fCruiseFlow == 0.0f || m_fClimbFlow == 0.0f || !std::isfinite(m_fCruiseFlow) ||
           !std::isfinite(m_fClimbFlow);
}

double CPlane::GetFuelFlowForLeg(bool climbDescent, long a, long b, long thresholdFt) const {
    if (HasNoFuelFlow()) return -1.0;
    FlightPhase phase = FlightPhase::Cruise;
    if (climbDescent) {
        const long long d = static_cast<long long>(a) - b;
        if (d > thresholdFt) {
            phase = FlightPhase::Climb;
        } else if (d < -static_cast<long long>(thresholdFt)) {
            phase = FlightPhase::Descent;
        }
    }
    return GetFuelFlowLiters(phase);
}

double CPlane::GetFuelFlowForLeg(bool climbDescent, long a, long b) const {
    const CCalcDoc& calc = *theCalcDoc();
    const long threshold = static_cast<long>(
        truncateToLong(ConvertLength(calc.m_nClimbThreshold, calc.m_nClimbThresholdUnit, DIM_FEET)));
    return GetFuelFlowForLeg(climbDescent, a, b, threshold);
}

// ---- take-off and landing ------------------------------------------------------------------

CPlaneDistances CPlane::ConvertTable(const CPlaneDistances& table, int massUnit, int lengthUnit) const {
    CPlaneDistances out;
    for (size_t i = 0; i < 2; ++i) {
        out.m_fMass[i] = static_cast<float>(massOrMarker(table.m_fMass[i], m_nTableMassUnit, massUnit));
        out.m_fRoll[i] = static_cast<float>(
            lengthOrMarker(table.m_fRoll[i], kDistanceNotGiven, m_nTableLengthUnit, lengthUnit));
        out.m_fObstacle[i] = static_cast<float>(
            lengthOrMarker(table.m_fObstacle[i], kDistanceNotGiven, m_nTableLengthUnit, lengthUnit));
    }
    return out;
}

CPlaneDistances CPlane::GetTakeOff(int massUnit, int lengthUnit) const {
    return ConvertTable(m_TakeOff, massUnit, lengthUnit);
}

CPlaneDistances CPlane::GetLanding(int massUnit, int lengthUnit) const {
    return ConvertTable(m_Landing, massUnit, lengthUnit);
}

// ---- seats, baggage, tanks -----------------------------------------------------------------

double CPlane::GetSeatArm(int row, int armUnit) const {
    if (!validIndex(row, kSeatRows)) return ArmMarker(armUnit);
    return armOrMarker(m_fSeatArm[row], m_nLoadArmUnit, armUnit);
}

double CPlane::GetBaggageArm(int compartment, int armUnit) const {
    if (!validIndex(compartment, kBaggageCompartments)) return ArmMarker(armUnit);
    return armOrMarker(m_fBaggageArm[compartment], m_nLoadArmUnit, armUnit);
}

double CPlane::GetTankArm(int tank, int armUnit) const {
    if (!validIndex(tank, kTanks)) return ArmMarker(armUnit);
    return armOrMarker(m_fTankArm[tank], m_nTankArmUnit, armUnit);
}

bool CPlane::HasSeatArm(int row) const {
    return validIndex(row, kSeatRows) && m_fSeatArm[row] != ArmMarker(m_nLoadArmUnit);
}

bool CPlane::HasBaggageArm(int compartment) const {
    return validIndex(compartment, kBaggageCompartments) &&
           m_fBaggageArm[compartment] != ArmMarker(m_nLoadArmUnit);
}

bool CPlane::HasTankArm(int tank) const {
    return validIndex(tank, kTanks) && m_fTankArm[tank] != ArmMarker(m_nTankArmUnit);
}

double CPlane::GetTankUsable(int tank, int volumeUnit) const {
    if (!validIndex(tank, kTanks)) return kVolumeNotGiven;
    return volumeOrMarker(m_fTankUsable[tank], m_nTankVolumeUnit, volumeUnit);
}

double CPlane::GetTankUnusable(int tank, int volumeUnit) const {
    if (!validIndex(tank, kTanks)) return kVolumeNotGiven;
    return volumeOrMarker(m_fTankUnusable[tank], m_nTankVolumeUnit, volumeUnit);
}

// ---- centre of gravity ------------------------------------------------------------------------

double CPlane::GetEmptyMass(int massUnit) const {
    return massOrMarker(m_fEmptyMass, m_nCgMassUnit, massUnit);
}

double CPlane::GetEmptyMoment(int armUnit, int massUnit) const {
    if (m_fEmptyMoment == kMassNotGiven) return m_fEmptyMoment;
    return ConvertLength(ConvertMass(m_fEmptyMoment, m_nCgMassUnit, massUnit), m_nCgArmUnit, armUnit);
}

double CPlane::GetCgMass(int row, int massUnit) const {
    if (!validIndex(row, kCgRows)) return kMassNotGiven;
    return massOrMarker(m_fCgMass[row], m_nCgMassUnit, massUnit);
}

double CPlane::GetCgForward(int row, int armUnit) const {
    if (!validIndex(row, kCgRows)) return ArmMarker(armUnit);
    return armOrMarker(m_fCgForward[row], m_nCgArmUnit, armUnit);
}

double CPlane::GetCgAft(int row, int armUnit) const {
    if (!validIndex(row, kCgRows)) return ArmMarker(armUnit);
    return armOrMarker(m_fCgAft[row], m_nCgArmUnit, armUnit);
}

// ---- derived values ---------------------------------------------------------------------------

char CPlane::GetWakeCategory() const {
    const double mtow = ConvertMass(m_fCgMass[0], m_nCgMassUnit, DIM_KG);
    if (mtow >= 136000.0) return 'H';
    if (mtow > 7000.0) return 'M';
    return 'L';
}

std::string FitPlaneName(const std::string& name) {
    std::string bytes = fromUtf8(name, CodePage::Cp850);
    if (bytes.size() > CPlane::kNameBytes - 1) bytes.resize(CPlane::kNameBytes - 1);
    return toUtf8(bytes, CodePage::Cp850);
}

std::string FormatCruiseSpeed(const CPlane& plane, int speedUnit) {
    const long long speed = floorHalf(plane.GetSpeed(FlightPhase::Cruise, speedUnit));
    return strFormat("%4d %s", static_cast<int>(clampTo<int32_t>(speed)), UnitName(speedUnit));
}
