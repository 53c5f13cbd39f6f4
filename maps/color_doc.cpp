#include "maps/color_doc.h"

#include "core/archive.h"

void CColorDoc::Serialize(CArchive& ar) {
    for (Colour* c : {&m_crRoute, &m_crBearing, &m_crLabel, &m_crActive, &m_crFrame, &m_crPosition}) ar.Io(*c);
    for (int32_t* w : {&m_nRouteWidth, &m_nScanRouteWidth, &m_nBearingWidth, &m_nScanBearingWidth}) ar.Io(*w);
    for (Colour* c : {&m_crScanRoute, &m_crScanBearing, &m_crScanLabel, &m_crScanActive, &m_crScanPosition})
        ar.Io(*c);
    ar.Io(m_bReliefFlight);
    ar.Io(m_bReliefSea);
}
