#pragma once
// One aircraft of the aircraft database: its performance for climb, cruise
// and descent, the take-off and landing table, the lever arms of seats,
// baggage and tanks, the centre-of-gravity data, the operating cost and the
// flight-plan data. Stored as a 408-byte record (see Serialize).
//
// Every group of values carries its own unit codes. The getters convert into
// the unit the caller asks for and keep the group's "not given" marker a
// marker (it is never converted into a number that looks real).

#include <array>
#include <cstdint>
#include <string>

#include "core/units.h"

class CArchive;

enum class FlightPhase { Climb, Cruise, Descent };

// The flight-plan data of an aircraft (168 bytes in the record).
struct CPlaneFlightPlan {
    static constexpr size_t kSize = 168;

    std::string m_strIdent;      // aircraft identification, 8 bytes
    std::string m_strType;       // type of aircraft, 8 bytes
    std::string m_strEquipment;  // 8 bytes
    std::string m_strMarkings;   // colour and markings, 128 bytes
    int32_t m_nTransponder = 0;  // 0 "N", 1 "0", 2 "2", 3 "4", 4 "C"
    int32_t m_bRadioUhf = 0;     // emergency radio UHF
    int32_t m_bRadioVhf = 0;     // emergency radio VHF
    int32_t m_bBeacon = 0;       // emergency locator beacon ("ELBA")

    void Serialize(CArchive& ar);
    bool operator==(const CPlaneFlightPlan&) const = default;
};

// Take-off or landing data at the maximum and the minimum mass
// (index 0: maximum, 1: minimum), in the table's mass and length units.
struct CPlaneDistances {
    std::array<float, 2> m_fMass{-1.0f, -1.0f};     // -1 = not given
    std::array<float, 2> m_fRoll{1.0f, 1.0f};       // ground roll; 1 = not given
    std::array<float, 2> m_fObstacle{1.0f, 1.0f};   // over a 15 m obstacle; 1 = not given

    bool operator==(const CPlaneDistances&) const = default;
};

class CPlane {
public:
    static constexpr size_t kRecordSize = 408;
    static constexpr int kSeatRows = 5;
    static constexpr int kBaggageCompartments = 5;
    static constexpr int kTanks = 3;
    static constexpr int kCgRows = 2;
    static constexpr size_t kNameBytes = 12;  // 11 characters and the terminator
    static constexpr float kMassNotGiven = -1.0f;
    static constexpr float kDistanceNotGiven = 1.0f;
    static constexpr float kVolumeNotGiven = -1.0f;

    using Packed = std::array<uint8_t, kRecordSize>;

    // A new record: empty texts, zero performance, every optional value not
    // given (see the field comments).
    CPlane();

    // ---- the stored fields, in record order ------------------------------------
    std::string m_strName;              // code page 850 on disk, at most 11 bytes
    int16_t m_nSpeedUnit = DIM_NM;      // distance unit of the speeds (NM: kt, km: km/h, stm: mph)
    int16_t m_nClimbUnit = DIM_FEET;    // altitude unit of the rates (ft: ft/min, m: m/s)
    int16_t m_nFuelUnit = DIM_LITER;    // volume unit of the fuel flows (per hour)
    float m_fCruiseSpeed = 0.0f;
    float m_fCruiseFlow = 0.0f;
    float m_fClimbSpeed = 0.0f;
    float m_fClimbFlow = 0.0f;
    float m_fClimbRate = 0.0f;
    float m_fDescentSpeed = 0.0f;
    float m_fDescentFlow = 0.0f;
    float m_fDescentRate = 0.0f;        // negative for a descent
    int16_t m_nTableMassUnit = DIM_KG;  // take-off and landing table
    int16_t m_nTableLengthUnit = DIM_METER;
    int16_t m_nReservedTakeOff = 0;     // 1 in records converted from the first format
    CPlaneDistances m_TakeOff;
    int16_t m_nReservedLanding = 0;     // 1 in records converted from the first format
    CPlaneDistances m_Landing;
    int16_t m_nLoadArmUnit = DIM_METER;  // seats and baggage
    int16_t m_nSeatRows = 0;
    std::array<float, kSeatRows> m_fSeatArm;           // arm marker = not given
    int16_t m_nBaggageCompartments = 0;
    std::array<float, kBaggageCompartments> m_fBaggageArm;  // arm marker = not given
    int16_t m_nTankVolumeUnit = DIM_LITER;
    int16_t m_nTankArmUnit = DIM_METER;
    int16_t m_nTanks = 0;
    std::array<float, kTanks> m_fTankUsable;    // "Ausfliegbar"; -1 = not given
    std::array<float, kTanks> m_fTankUnusable;  // "Nicht ausfliegbar"; -1 = not given
    std::array<float, kTanks> m_fTankArm;       // arm marker = not given
    int16_t m_nCost = 0;                        // per hour; 0 = none
    int16_t m_nCgMassUnit = DIM_KG;
    int16_t m_nCgArmUnit = DIM_METER;
    float m_fEmptyMass = -1.0f;    // with unusable fuel and oil
    float m_fEmptyMoment = -1.0f;  // in CG mass unit x CG arm unit
    int16_t m_nCgRows = 0;
    std::array<float, kCgRows> m_fCgMass;     // row 0: at MTOW, row 1: at TOW; -1 = not given
    std::array<float, kCgRows> m_fCgForward;  // arm marker = not given
    std::array<float, kCgRows> m_fCgAft;      // arm marker = not given
    CPlaneFlightPlan m_FlightPlan;
    int32_t m_nReservedLong = -1;
    int16_t m_nReservedWord = -1;

    // Exactly kRecordSize bytes in either direction.
    void Serialize(CArchive& ar);
    Packed Pack() const;
    static CPlane Unpack(const Packed& bytes);

    bool operator==(const CPlane&) const = default;

    // ---- performance ----------------------------------------------------------------
    // Airspeed of a phase in a speed unit (DIM_KT, DIM_KMH, DIM_MPH).
    double GetSpeed(FlightPhase phase, int speedUnit) const;
    double GetSpeedKt(FlightPhase phase) const { return GetSpeed(phase, DIM_KT); }
    // Climb or descent rate in a climb unit (DIM_FTPM, DIM_MPS); 0 for cruise.
    double GetRate(FlightPhase phase, int climbUnit) const;
    double GetRateFtPerMin(FlightPhase phase) const { return GetRate(phase, DIM_FTPM); }
    // Fuel flow per hour of a phase in a volume unit.
    double GetFuelFlow(FlightPhase phase, int volumeUnit) const;
    double GetFuelFlowLiters(FlightPhase phase) const { return GetFuelFlow(phase, DIM_LITER); }

    // True when the cruise or the climb fuel flow is 0 (or not a number):
    // the aircraft has no fuel flow and no fuel plan can be made.
    bool HasNoFuelFlow() const;

    // Fuel flow for a leg in litres per hour, -1 when the aircraft has no
    // fuel flow. Without climbDescent it is the cruise flow. With it, the
    // difference d = a - b of the two altitudes (ft) against the threshold t
    // (ft) picks the climb flow when d > t, the descent flow when d < -t and
    // the cruise flow otherwise.
    double GetFuelFlowForLeg(bool climbDescent, long a, long b, long thresholdFt) const;
    // The same with the climb and descent threshold of the computation
    // presets, converted into ft and truncated.
    double GetFuelFlowForLeg(bool climbDescent, long a, long b) const;

    // ---- take-off and landing --------------------------------------------------------
    // The table converted into the given units; markers stay markers.
    CPlaneDistances GetTakeOff(int massUnit, int lengthUnit) const;
    CPlaneDistances GetLanding(int massUnit, int lengthUnit) const;

    // ---- seats, baggage, tanks (index 0-based) -------------------------------------------
    // Arms in an arm unit; a missing arm comes back as ArmMarker(armUnit).
    double GetSeatArm(int row, int armUnit) const;
    double GetBaggageArm(int compartment, int armUnit) const;
    double GetTankArm(int tank, int armUnit) const;
    bool HasSeatArm(int row) const;
    bool HasBaggageArm(int compartment) const;
    bool HasTankArm(int tank) const;
    // Tank volumes in a volume unit; -1 when not given.
    double GetTankUsable(int tank, int volumeUnit) const;
    double GetTankUnusable(int tank, int volumeUnit) const;

    // ---- centre of gravity -----------------------------------------------------------------
    // -1 when not given.
    double GetEmptyMass(int massUnit) const;
    double GetEmptyMoment(int armUnit, int massUnit) const;
    double GetCgMass(int row, int massUnit) const;
    // A missing limit comes back as ArmMarker(armUnit).
    double GetCgForward(int row, int armUnit) const;
    double GetCgAft(int row, int armUnit) const;

    // ---- derived values ---------------------------------------------------------------------
    // Wake turbulence category from the MTOW of the CG limits: 'H' from
    // 136000 kg, 'M' above 7000 kg, otherwise 'L'.
    char GetWakeCategory() const;

private:
    float Speed(FlightPhase phase) const;
    float Flow(FlightPhase phase) const;
    CPlaneDistances ConvertTable(const CPlaneDistances& table, int massUnit, int lengthUnit) const;
};

// The name cut to what the record holds (11 bytes in code page 850).
std::string FitPlaneName(const std::string& name);

// The cruise speed in a speed unit (DIM_KT, DIM_KMH, DIM_MPH), rounded half
// up, as "%4d %s" with the unit name ("  185 km/h").
std::string FormatCruiseSpeed(const CPlane& plane, int speedUnit);
