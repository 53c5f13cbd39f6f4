#include "maps/map_doc.h"

#include "core/archive.h"

void CMapDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteI32(kFlagCount);
        for (int32_t flag : m_bShow) ar.WriteI32(flag);
        return;
    }
    const int32_t count = ar.ReadI32();
    ar.CheckCount(count, 4, "map flag count");
    for (int i = 0; i < kFlagCount; ++i) m_bShow[i] = i < count ? ar.ReadI32() : 0;
    for (int i = kFlagCount; i < count; ++i) ar.ReadI32();
}
