#include "aircraft/plane_file.h"

#include <algorithm>
#include <cstring>

#include "core/archive.h"
#include "platform/paths.h"

namespace {

constexpr const char* kHeaders[] = {"VX PL  1.00  ", "VX PL  2.10  ", "VX PL  3.00  "};
constexpr size_t kRecordSizes[] = {98, 240, CPlane::kRecordSize};

// Format 2 is the current record without the flight-plan block: the first
// 234 bytes, then the two reserved words.
constexpr size_t kFlightPlanOffset = 234;

}  // namespace

const char* PlaneHeaderText(int format) {
    if (format < 1 || format > 3) return "";
    return kHeaders[format - 1];
}

size_t PlaneRecordSize(int format) {
    if (format < 1 || format > 3) return 0;
    return kRecordSizes[format - 1];
}

int PlaneFormatOfHeader(const std::vector<uint8_t>& header) {
    if (header.size() < kPlaneHeaderSize) return 0;
    const char* text = reinterpret_cast<const char*>(header.data());
    const std::string name(text, strnlen(text, kPlaneHeaderSize));
    for (int format = 1; format <= 3; ++format) {
        if (name == kHeaders[format - 1]) return format;
    }
    return 0;
}

CPlane ConvertPlaneFormat1(const uint8_t* record) {
    CArchive ar(std::vector<uint8_t>(record, record + PlaneRecordSize(1)));
    CPlane p;  // kt, ft/min, litres, kg and m: the units of a new record
    p.m_strName = ar.ReadFixedText(CPlane::kNameBytes, CodePage::Cp850);
    p.m_fCruiseSpeed = ar.ReadI16();
    p.m_fDescentSpeed = p.m_fCruiseSpeed;
    p.m_fCruiseFlow = ar.ReadFloat();
    p.m_fDescentFlow = p.m_fCruiseFlow;
    p.m_fClimbSpeed = ar.ReadI16();
    p.m_fClimbFlow = ar.ReadFloat();
    p.m_fClimbRate = ar.ReadI16();
    p.m_fDescentRate = -p.m_fClimbRate;
    ar.ReadBlock(4);  // unused
    p.m_TakeOff.m_fObstacle[0] = ar.ReadI16();
    p.m_Landing.m_fObstacle[0] = ar.ReadI16();
    ar.ReadBlock(4);  // unused
    p.m_fEmptyMass = ar.ReadFloat();
    p.m_fEmptyMoment = ar.ReadFloat();
    p.m_fTankUsable[0] = ar.ReadFloat();
    p.m_fTankUnusable[0] = ar.ReadFloat();
    p.m_fTankArm[0] = ar.ReadFloat();
    p.m_fSeatArm[0] = ar.ReadFloat();
    p.m_fSeatArm[1] = ar.ReadFloat();
    p.m_fBaggageArm[0] = ar.ReadFloat();
    p.m_fBaggageArm[1] = ar.ReadFloat();
    const float mtow = ar.ReadFloat();
    p.m_TakeOff.m_fMass[0] = mtow;
    p.m_Landing.m_fMass[0] = mtow;
    p.m_fCgMass[0] = mtow;
    p.m_fCgForward[0] = ar.ReadFloat();
    p.m_fCgAft[0] = ar.ReadFloat();
    p.m_fCgMass[1] = ar.ReadFloat();
    p.m_fCgForward[1] = ar.ReadFloat();
    p.m_fCgAft[1] = ar.ReadFloat();

    p.m_nReservedTakeOff = 1;
    p.m_nReservedLanding = 1;
    p.m_nSeatRows = 2;
    p.m_nBaggageCompartments = 2;
    p.m_nTanks = 1;
    p.m_nCgRows = 2;
    return p;
}

CPlane ConvertPlaneFormat2(const uint8_t* record) {
    CPlane::Packed packed{};
    std::memcpy(packed.data(), record, kFlightPlanOffset);
    std::memcpy(packed.data() + kFlightPlanOffset + CPlaneFlightPlan::kSize, record + kFlightPlanOffset,
                PlaneRecordSize(2) - kFlightPlanOffset);
    return CPlane::Unpack(packed);
}

PlaneReadResult ReadPlaneFile(const std::string& path, PlaneFileContents& out) {
    out = PlaneFileContents{};
    if (!fileExists(path)) return PlaneReadResult::Missing;
    PlaneFileContents read;
    try {
        CArchive ar(path, CArchive::load);
        const uint64_t length = ar.GetFileLength();
        if (length < kPlaneHeaderSize) return PlaneReadResult::BadHeader;
        read.format = PlaneFormatOfHeader(ar.ReadBlock(kPlaneHeaderSize));
        if (read.format == 0) return PlaneReadResult::BadHeader;
        const size_t size = PlaneRecordSize(read.format);
        if ((length - kPlaneHeaderSize) % size != 0) return PlaneReadResult::BadLength;
        const uint64_t count = (length - kPlaneHeaderSize) / size;
        ar.CheckCount(static_cast<int64_t>(count), size, "aircraft");
        read.planes.reserve(static_cast<size_t>(count));
        for (uint64_t i = 0; i < count; ++i) {
            const std::vector<uint8_t> record = ar.ReadBlock(size);
            switch (read.format) {
                case 1:
                    read.planes.push_back(ConvertPlaneFormat1(record.data()));
                    break;
                case 2:
                    read.planes.push_back(ConvertPlaneFormat2(record.data()));
                    break;
                default: {
                    CPlane::Packed packed;
                    std::copy(record.begin(), record.end(), packed.begin());
                    read.planes.push_back(CPlane::Unpack(packed));
                    break;
                }
            }
        }
        ar.Close();
    } catch (const FileError&) {
        return PlaneReadResult::Unreadable;
    } catch (const ArchiveError&) {
        // The file changed its length while it was read.
        return PlaneReadResult::Unreadable;
    }
    out = std::move(read);
    return PlaneReadResult::Ok;
}

namespace {

void storePlanes(CArchive& ar, const std::vector<CPlane>& planes) {
    uint8_t header[kPlaneHeaderSize] = {};
    const char* text = PlaneHeaderText(kPlaneFormatCurrent);
    std::memcpy(header, text, std::strlen(text));
    ar.WriteRaw(header, sizeof header);
    for (const CPlane& plane : planes) {
        const CPlane::Packed packed = plane.Pack();
        ar.WriteRaw(packed.data(), packed.size());
    }
}

}  // namespace

std::vector<uint8_t> PlaneFileBytes(const std::vector<CPlane>& planes) {
    CArchive ar;
    storePlanes(ar, planes);
    return ar.Bytes();
}

void WritePlaneFile(const std::string& path, const std::vector<CPlane>& planes) {
    CArchive ar(path, CArchive::store);
    storePlanes(ar, planes);
    ar.Close();
}

std::string PlaneReadMessage(PlaneReadResult result, const std::string& path) {
    switch (result) {
        case PlaneReadResult::Ok:
            return {};
        case PlaneReadResult::Missing:
            return "Die Flugzeugdatenbank »" + path + "« ist nicht vorhanden.";
        case PlaneReadResult::Unreadable:
            return "Die Flugzeugdatenbank »" + path + "« kann nicht gelesen werden.";
        case PlaneReadResult::BadHeader:
            return "Die Datei »" + path + "« ist keine Flugzeugdatenbank (unbekannter Dateikopf).";
        case PlaneReadResult::BadLength:
            return "Die Flugzeugdatenbank »" + path +
                   "« ist beschädigt: Ihre Länge passt zu keiner ganzen Zahl von Flugzeugen.";
    }
    return {};
}
