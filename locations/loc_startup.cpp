#include "locations/loc_startup.h"

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "locations/quick_find.h"

int LoadLocationDatabase(CInitDoc& settings, CLocDoc& doc) {
    CQuickFind& index = settings.QuickFind();
    doc.SetPathName(settings.GetRegionPath());
    index.Attach(&doc);
    const int current = index.ScanRegions(settings);
    if (settings.IsNew() && current >= 0) index.Regions().Entries()[current].active = true;
    index.RebuildIndex();
    return current;
}

bool ChooseHomeAirfield(CInitDoc& settings) {
    if (!settings.IsNew()) return false;
    CLocation home;
    const bool found = settings.QuickFind().FirstAirfield(home);
    settings.SetHome(found ? home : CInitDoc::MakeEmptyLocation());
    return found;
}
