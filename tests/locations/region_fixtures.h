#pragma once
// Region files of every format, written field by field from the record
// layouts, independently of the program's own record code.

#include <cstdint>
#include <string>
#include <vector>

struct RecordFields {
    std::string name;           // UTF-8, stored in code page 850
    double lat = 1000.0;
    double lon = 1000.0;
    int32_t elevation = 6250335;
    int16_t variation = 0;
    int32_t frequency = 0;      // in the unit of the format
    int16_t runwayLength = 1;
    int16_t heightDifference = 0;
    uint8_t directionOrRange = 0;
    uint8_t flags = 1;
    std::string ident;          // formats 2..5
    int16_t elevationUnit = 1;  // formats 2..5
    int16_t rangeUnit = 6;
    int16_t runwayUnit = 3;
    std::string country;        // formats 3..5, two bytes
    uint8_t type = 6;           // formats 3..5
    uint8_t reservedByte = 0;
    int16_t slopeUnit = 1;
    int32_t reservedWord = -1;
};

// The 20-byte header of a format (0: "VX KO  9.99  ", a format nobody knows).
std::vector<unsigned char> RegionHeader(int format);
// One record in the layout of `format` (50, 64 or 72 bytes).
std::vector<unsigned char> RecordBytes(int format, const RecordFields& r);
// Header and records.
std::vector<unsigned char> RegionFileBytes(int format, const std::vector<RecordFields>& records);
