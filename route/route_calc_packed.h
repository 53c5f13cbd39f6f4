#pragma once
// The fields of a packed waypoint record that the flight log reads and
// writes on every run, accessed in place. A run touches every waypoint
// several times while a view draws; unpacking the whole record (texts in
// their code pages, both radio bearings) each time would cost far more than
// the computation itself. Only fixed-size numeric fields are read or
// written here, at their offsets in the 146-byte record (little-endian):
//
//   18 double latitude      26 double longitude     38 int16 variation
//   72 int32 planned alt.   76 int16 altitude unit  78 int32 altitude in feet
//   86 int16 true airspeed  88 int16 wind direction 90 int16 wind speed
//   92 uint8 marks

#include <cstdint>
#include <cstring>

#include "core/latlon.h"
#include "route/way_point.h"

// Reads the fields of a record.
class PackedWayReader {
public:
    explicit PackedWayReader(const PackedWayPoint& record) : r_(record) {}

    CLatLon Position() const { return CLatLon(Double(kLat), Double(kLon)); }
    int Variation() const { return I16(kVariation); }
    int32_t PlannedAltitude() const { return I32(kPlanned); }
    int16_t AltitudeUnit() const { return I16(kUnit); }
    int32_t AltitudeFeet() const { return I32(kFeet); }
    int16_t TrueAirspeed() const { return I16(kTas); }
    int16_t WindDirection() const { return I16(kWindDirection); }
    int16_t WindSpeed() const { return I16(kWindSpeed); }
    uint8_t Marks() const { return r_[kMarks]; }

protected:
    static constexpr size_t kLat = 18, kLon = 26, kVariation = 38;
    static constexpr size_t kPlanned = 72, kUnit = 76, kFeet = 78, kTas = 86, kWindDirection = 88,
                            kWindSpeed = 90, kMarks = 92;

private:
    uint32_t U32(size_t at) const {
        return static_cast<uint32_t>(r_[at]) | static_cast<uint32_t>(r_[at + 1]) << 8 |
               static_cast<uint32_t>(r_[at + 2]) << 16 | static_cast<uint32_t>(r_[at + 3]) << 24;
    }
    int16_t I16(size_t at) const { return static_cast<int16_t>(r_[at] | r_[at + 1] << 8); }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    double Double(size_t at) const {
        const uint64_t bits = static_cast<uint64_t>(U32(at)) | static_cast<uint64_t>(U32(at + 4)) << 32;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    const PackedWayPoint& r_;
};

// Reads and writes the fields of a record.
class PackedWayFields : public PackedWayReader {
public:
    explicit PackedWayFields(PackedWayPoint& record) : PackedWayReader(record), w_(record) {}

    void SetAltitudeFeet(int32_t feet) { SetI32(kFeet, feet); }
    void SetTrueAirspeed(int16_t kt) { SetI16(kTas, kt); }
    void SetWind(int16_t direction, int16_t speed) {
        SetI16(kWindDirection, direction);
        SetI16(kWindSpeed, speed);
    }

private:
    void SetI16(size_t at, int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        w_[at] = static_cast<uint8_t>(u);
        w_[at + 1] = static_cast<uint8_t>(u >> 8);
    }
    void SetI32(size_t at, int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (size_t i = 0; i < 4; ++i) w_[at + i] = static_cast<uint8_t>(u >> (8 * i));
    }

    PackedWayPoint& w_;
};
