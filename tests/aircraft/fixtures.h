#pragma once
// Small builders shared by the aircraft tests: records laid out byte by byte
// at the offsets of the file format, and a sample aircraft.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "aircraft/plane.h"
#include "platform/encoding.h"

// A zeroed byte block with little-endian writers at given offsets.
struct ByteBlock {
    std::vector<uint8_t> bytes;
    explicit ByteBlock(size_t size) : bytes(size, 0) {}

    ByteBlock& i16(size_t at, int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        bytes.at(at) = static_cast<uint8_t>(u);
        bytes.at(at + 1) = static_cast<uint8_t>(u >> 8);
        return *this;
    }
    ByteBlock& i32(size_t at, int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) bytes.at(at + static_cast<size_t>(i)) = static_cast<uint8_t>(u >> (8 * i));
        return *this;
    }
    ByteBlock& f32(size_t at, float v) {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        return i32(at, static_cast<int32_t>(u));
    }
    ByteBlock& text(size_t at, const std::string& utf8, CodePage cp = CodePage::Windows1252) {
        const std::string raw = fromUtf8(utf8, cp);
        std::memcpy(bytes.data() + at, raw.data(), raw.size());
        return *this;
    }
    int16_t readI16(size_t at) const { return static_cast<int16_t>(bytes.at(at) | (bytes.at(at + 1) << 8)); }
    int32_t readI32(size_t at) const {
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | bytes.at(at + static_cast<size_t>(i));
        return static_cast<int32_t>(u);
    }
    float readF32(size_t at) const {
        const auto u = static_cast<uint32_t>(readI32(at));
        float v;
        std::memcpy(&v, &u, 4);
        return v;
    }
};

// A database file: the 20-byte header, then the records.
inline std::vector<uint8_t> planeFile(const char* header, const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> out(20, 0);
    std::memcpy(out.data(), header, std::strlen(header));
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

// An aircraft with a value in every group, in metric units.
inline CPlane samplePlane(const std::string& name = "D-EFGH") {
    CPlane p;
    p.m_strName = name;
    p.m_fCruiseSpeed = 105;
    p.m_fCruiseFlow = 28;
    p.m_fClimbSpeed = 75;
    p.m_fClimbFlow = 36;
    p.m_fClimbRate = 650;
    p.m_fDescentSpeed = 110;
    p.m_fDescentFlow = 20;
    p.m_fDescentRate = -500;
    p.m_TakeOff.m_fMass = {1111, 900};
    p.m_TakeOff.m_fRoll = {280, 220};
    p.m_TakeOff.m_fObstacle = {520, 400};
    p.m_Landing.m_fMass = {1111, 900};
    p.m_Landing.m_fObstacle = {500, 1.0f};
    p.m_nSeatRows = 2;
    p.m_fSeatArm[0] = 0.94f;
    p.m_fSeatArm[1] = 1.85f;
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm[0] = 2.41f;
    p.m_nTanks = 2;
    p.m_fTankUsable = {70, 70, -1};
    p.m_fTankUnusable = {2, 2, -1};
    p.m_fTankArm = {1.22f, 1.22f, 99};
    p.m_nCost = 180;
    p.m_fEmptyMass = 680;
    p.m_fEmptyMoment = 675.5f;
    p.m_nCgRows = 2;
    p.m_fCgMass = {1111, 885};
    p.m_fCgForward = {1.0f, 0.89f};
    p.m_fCgAft = {1.2f, 1.2f};
    p.m_FlightPlan.m_strIdent = "DEFGH";
    p.m_FlightPlan.m_strType = "C172";
    p.m_FlightPlan.m_strEquipment = "SDFG";
    p.m_FlightPlan.m_strMarkings = "weiß/rot";
    p.m_FlightPlan.m_nTransponder = 4;
    p.m_FlightPlan.m_bRadioVhf = 1;
    p.m_FlightPlan.m_bBeacon = 1;
    return p;
}
