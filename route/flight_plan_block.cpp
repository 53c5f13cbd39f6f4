#include "route/flight_plan_block.h"

#include <cstring>

#include "core/archive.h"

bool CFlightPlanBlock::IsManual() const {
    CArchive ar(std::vector<uint8_t>(m_Bytes.begin(), m_Bytes.begin() + 4));
    return ar.ReadI32() != 0;
}

void CFlightPlanBlock::SetManual(bool manual) {
    CArchive ar;
    ar.WriteI32(manual ? 1 : 0);
    std::memcpy(m_Bytes.data(), ar.Bytes().data(), 4);
}

std::string CFlightPlanBlock::Text(Field field) const {
    CArchive ar(std::vector<uint8_t>(m_Bytes.begin() + static_cast<long>(field.offset),
                                     m_Bytes.begin() + static_cast<long>(field.offset + field.width)));
    return ar.ReadFixedText(field.width);
}

void CFlightPlanBlock::SetText(Field field, const std::string& text) {
    CArchive ar;
    ar.WriteFixedText(text, field.width);
    std::memcpy(m_Bytes.data() + field.offset, ar.Bytes().data(), field.width);
}

void CFlightPlanBlock::Write(CArchive& ar) const { ar.WriteRaw(m_Bytes.data(), m_Bytes.size()); }

void CFlightPlanBlock::Read(CArchive& ar) { ar.ReadRaw(m_Bytes.data(), m_Bytes.size()); }
