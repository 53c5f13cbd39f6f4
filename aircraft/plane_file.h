#pragma once
// The aircraft database file "VXplanes.pln": a 20-byte header whose text
// names the format, then the records in list order. The number of records
// follows from the file length.
//
//   "VX PL  1.00  "   98-byte records (oldest; converted field by field)
//   "VX PL  2.10  "  240-byte records (the current record without flight-plan data)
//   "VX PL  3.00  "  408-byte records (the current record; always written)
//
// Reading converts older records into the current one in memory; whether the
// converted list may be used is the caller's decision (it asks the user).

#include <cstdint>
#include <string>
#include <vector>

#include "aircraft/plane.h"

constexpr size_t kPlaneHeaderSize = 20;
constexpr int kPlaneFormatCurrent = 3;

// Header text of a format (1 to 3); empty for any other number.
const char* PlaneHeaderText(int format);
// Record size of a format (98, 240, 408); 0 for any other number.
size_t PlaneRecordSize(int format);
// The format named by a header (its text up to the first NUL, matched
// exactly); 0 when the header is unknown or shorter than kPlaneHeaderSize.
int PlaneFormatOfHeader(const std::vector<uint8_t>& header);

// Records of the older formats, turned into current records.
CPlane ConvertPlaneFormat1(const uint8_t* record);  // 98 bytes
CPlane ConvertPlaneFormat2(const uint8_t* record);  // 240 bytes

enum class PlaneReadResult {
    Ok,
    Missing,     // no such file
    Unreadable,  // the file exists but cannot be read
    BadHeader,   // not an aircraft database (unknown or missing header)
    BadLength,   // header + a whole number of records does not make the length
};

struct PlaneFileContents {
    int format = 0;  // the format the file was in
    std::vector<CPlane> planes;
};

// Reads a database file; on any result but Ok, `out` is left empty.
PlaneReadResult ReadPlaneFile(const std::string& path, PlaneFileContents& out);

// The bytes of a database in the current format.
std::vector<uint8_t> PlaneFileBytes(const std::vector<CPlane>& planes);
// Writes a database in the current format, atomically. Throws FileError
// when that fails; the previous file is then unchanged.
void WritePlaneFile(const std::string& path, const std::vector<CPlane>& planes);

// A German description of a read failure for the command-line tool.
std::string PlaneReadMessage(PlaneReadResult result, const std::string& path);
