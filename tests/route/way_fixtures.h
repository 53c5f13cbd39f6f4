#pragma once
// Route files of every version, written field by field from the record
// layouts, independently of the program's own route code; and a program
// directory with a small location database for the tests that look
// waypoints up.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "../locations/region_fixtures.h"

class CInitDoc;
class CLocDoc;
class CLocation;

struct BearingFields {
    std::string station;  // empty: no bearing
    int16_t bearing = 0;
    int16_t distance = 0;   // tenths of NM
    int32_t frequency = 0;  // in the unit of the version
};

struct WayFields {
    int32_t planned = 3500;
    int16_t unit = 1;  // versions 2..6
    int32_t feet = 0;
    int32_t reserved = 0;
    int16_t tas = 0;
    int16_t windDir = 0;
    int16_t windSpeed = 0;
    uint8_t marks = 0;         // versions 2..6
    uint8_t reservedByte = 0;  // versions 2..6
    BearingFields bearings[2];
};

struct WayRecord {
    RecordFields location;  // frequency in the unit of the version's location format
    WayFields way;
};

// The 20-byte header: the magic of `version` (0: "VX WAY 9.99  ", no
// version), options and count.
std::vector<unsigned char> WayHeader(int version, uint8_t options, int16_t count);
// One waypoint record of a version: 122 bytes for version 1, else 146.
std::vector<unsigned char> WayRecordBytes(int version, const WayRecord& r);
std::vector<unsigned char> FlightPlanBytes(int32_t manual, const std::string& speed, const std::string& route,
                                           const std::string& alternate1, const std::string& alternate2,
                                           const std::string& other);
// A whole file: header (count = records.size() for versions 5 and 6, else
// 0), records, and for versions 5 and 6 the flight-plan block (empty when
// not given) and, with the alternates option, two alternates.
std::vector<unsigned char> WayFileBytes(int version, uint8_t options, const std::vector<WayRecord>& records,
                                        const std::vector<unsigned char>& flightPlan = {},
                                        const std::vector<WayRecord>& alternates = {});

// An airport "Egelsbach" (EDFE) and a VOR "Frankfurt" (FFM, 114.200 MHz) as
// region-file records in the current format.
RecordFields EgelsbachRecord();
RecordFields FrankfurtVorRecord();

