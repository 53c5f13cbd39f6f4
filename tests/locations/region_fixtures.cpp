#include "region_fixtures.h"

#include <cstring>

#include "core/archive.h"

std::vector<unsigned char> RegionHeader(int format) {
    static const char* texts[] = {"VX KO  9.99  ", "VX KO  1.00  ", "VX KO  2.00  ", "VX KO  2.10  ",
                                  "VX KO  2.23  ", "VX KO  4.00  "};
    std::vector<unsigned char> header(20, 0);
    std::memcpy(header.data(), texts[format], 13);
    return header;
}

std::vector<unsigned char> RecordBytes(int format, const RecordFields& r) {
    CArchive ar;
    ar.WriteFixedText(r.name, 18, CodePage::Cp850);
    ar.WriteDouble(r.lat);
    ar.WriteDouble(r.lon);
    ar.WriteI32(r.elevation);
    ar.WriteI16(r.variation);
    ar.WriteI32(r.frequency);
    ar.WriteI16(r.runwayLength);
    ar.WriteI16(r.heightDifference);
    ar.WriteU8(r.directionOrRange);
    ar.WriteU8(r.flags);
    if (format >= 2) {
        ar.WriteFixedText(r.ident, 6);
        ar.WriteI16(r.elevationUnit);
        ar.WriteI16(r.rangeUnit);
        ar.WriteI16(r.runwayUnit);
    }
    if (format == 2) ar.WriteI16(0x5A5A);
    if (format >= 3) {
        char country[2] = {0, 0};
        std::memcpy(country, r.country.data(), r.country.size() < 2 ? r.country.size() : 2);
        ar.WriteRaw(country, 2);
        ar.WriteU8(r.type);
        ar.WriteU8(r.reservedByte);
        ar.WriteI16(r.slopeUnit);
        ar.WriteI32(r.reservedWord);
    }
    return {ar.Bytes().begin(), ar.Bytes().end()};
}

std::vector<unsigned char> RegionFileBytes(int format, const std::vector<RecordFields>& records) {
    std::vector<unsigned char> bytes = RegionHeader(format);
    for (const auto& r : records) {
        const auto rec = RecordBytes(format == 0 ? 5 : format, r);
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}
