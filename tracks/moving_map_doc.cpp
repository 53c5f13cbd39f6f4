#include "tracks/moving_map_doc.h"

#include "core/archive.h"

void CMovingMapDoc::Serialize(CArchive& ar) {
    for (int32_t* v : {&m_nSymbol, &m_nTrackDisplay, &m_nSwitchDistance, &m_nSource, &m_nSimSpeed}) ar.Io(*v);
}
