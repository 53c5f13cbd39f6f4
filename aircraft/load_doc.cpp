#include "aircraft/load_doc.h"

#include "core/archive.h"
#include "platform/numtext.h"
#include "platform/rounding.h"

void CLoadDoc::Serialize(CArchive& ar) {
    ar.Io(m_nMassUnit);
    for (auto& m : m_nSeat) ar.Io(m);
    for (auto& m : m_nBaggage) ar.Io(m);
    for (auto& fill : m_fFill) {
        if (ar.IsStoring()) {
            ar.WriteI16(clampTo<int16_t>(floorHalf(static_cast<double>(fill) * 100.0)));
        } else {
            fill = static_cast<float>(ar.ReadI16() * 0.01);
        }
    }
}

bool LoadValues::IsMaximal() const {
    for (float f : fill)
        if (f != NOVALUE_FILL) return false;
    return true;
}

LoadValues CLoadDoc::GetValues() const { return {m_nMassUnit, m_nSeat, m_nBaggage, m_fFill}; }

void CLoadDoc::SetValues(const LoadValues& values) {
    m_nMassUnit = values.massUnit;
    m_nSeat = values.seat;
    m_nBaggage = values.baggage;
    m_fFill = values.fill;
}

bool CLoadDoc::IsMaximal() const { return GetValues().IsMaximal(); }

namespace {
CLoadDoc* currentLoadDoc = nullptr;
}

CLoadDoc* theLoadDoc() {
    static CLoadDoc defaults;
    return currentLoadDoc ? currentLoadDoc : &defaults;
}

void SetLoadDoc(CLoadDoc* doc) { currentLoadDoc = doc; }
