#include "way_fixtures.h"

#include <cstring>

#include "core/archive.h"

std::vector<unsigned char> WayHeader(int version, uint8_t options, int16_t count) {
    static const char* magics[] = {"VX WAY 9.99  ", "VX WAY 1.00  ", "VX WAY 2.10  ", "VX WAY 2.20  ",
                                   "VX WAY 2.23  ", "VX WAY 3.00  ", "VX WAY 4.00  "};
    std::vector<unsigned char> header(20, 0);
    std::memcpy(header.data(), magics[version], 13);
    header[14] = options;
    header[16] = static_cast<unsigned char>(count & 0xFF);
    header[17] = static_cast<unsigned char>((count >> 8) & 0xFF);
    return header;
}

std::vector<unsigned char> WayRecordBytes(int version, const WayRecord& r) {
    static const int locationFormat[] = {0, 1, 3, 3, 4, 4, 5};
    std::vector<unsigned char> bytes = RecordBytes(locationFormat[version], r.location);
    CArchive ar;
    const WayFields& w = r.way;
    ar.WriteI32(w.planned);
    if (version >= 2) ar.WriteI16(w.unit);
    ar.WriteI32(w.feet);
    ar.WriteI32(w.reserved);
    ar.WriteI16(w.tas);
    ar.WriteI16(w.windDir);
    ar.WriteI16(w.windSpeed);
    if (version >= 2) {
        ar.WriteU8(w.marks);
        ar.WriteU8(w.reservedByte);
    } else {
        ar.WriteI16(0x0707);  // the word the first format kept here
    }
    for (const BearingFields& b : w.bearings) {
        ar.WriteFixedText(b.station, 18);
        ar.WriteI16(b.bearing);
        ar.WriteI16(b.distance);
        ar.WriteI32(b.frequency);
    }
    bytes.insert(bytes.end(), ar.Bytes().begin(), ar.Bytes().end());
    return bytes;
}

std::vector<unsigned char> FlightPlanBytes(int32_t manual, const std::string& speed, const std::string& route,
                                           const std::string& alternate1, const std::string& alternate2,
                                           const std::string& other) {
    CArchive ar;
    ar.WriteI32(manual);
    ar.WriteFixedText(speed, 6);
    ar.WriteFixedText(route, 256);
    ar.WriteFixedText(alternate1, 5);
    ar.WriteFixedText(alternate2, 5);
    ar.WriteFixedText(other, 256);
    return {ar.Bytes().begin(), ar.Bytes().end()};
}

std::vector<unsigned char> WayFileBytes(int version, uint8_t options, const std::vector<WayRecord>& records,
                                        const std::vector<unsigned char>& flightPlan,
                                        const std::vector<WayRecord>& alternates) {
    const bool counted = version >= 5 || version == 0;
    std::vector<unsigned char> bytes =
        WayHeader(version, options, counted ? static_cast<int16_t>(records.size()) : int16_t{0});
    for (const WayRecord& r : records) {
        const auto rec = WayRecordBytes(version == 0 ? 6 : version, r);
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    if (counted) {
        const auto plan = flightPlan.empty() ? FlightPlanBytes(0, "", "", "", "", "") : flightPlan;
        bytes.insert(bytes.end(), plan.begin(), plan.end());
        for (const WayRecord& r : alternates) {
            const auto rec = WayRecordBytes(6, r);
            bytes.insert(bytes.end(), rec.begin(), rec.end());
        }
    }
    return bytes;
}

RecordFields EgelsbachRecord() {
    RecordFields r;
    r.name = "Egelsbach";
    r.ident = "EDFE";
    r.country = "ED";
    r.type = 1;
    r.lat = 49.96;
    r.lon = 8.64333;
    r.elevation = 385;
    r.frequency = 121725;
    r.runwayLength = 1166;
    r.directionOrRange = 9;
    return r;
}

RecordFields FrankfurtVorRecord() {
    RecordFields r;
    r.name = "Frankfurt";
    r.ident = "FFM";
    r.country = "ED";
    r.type = 5;
    r.lat = 50.0536;
    r.lon = 8.6372;
    r.elevation = 400;
    r.variation = 2;
    r.frequency = 114200;
    return r;
}
