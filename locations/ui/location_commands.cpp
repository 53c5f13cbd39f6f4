#include "locations/ui/location_commands.h"

#include "core/document_set.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "locations/quick_find.h"
#include "locations/ui/location_editor.h"
#include "locations/ui/location_list_dialog.h"
#include "locations/ui/regions_dialog.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"
#include "views/ui/text_view_widget.h"

namespace {

constexpr int kNoRegionFiles = 1791;

void repaint(CMainFrame& frame) {
    TextViewWidget::UpdateAllTextViews();
    frame.update();
    frame.UpdateCommandUI();
}

// The folder the region files lie in.
std::string regionDir(CDocumentSet& documents) {
    const std::string& indexDir = documents.Init().QuickFind().GetRegionDir();
    if (!indexDir.empty()) return indexDir;
    const std::string dir = dirPart(documents.Init().GetRegionPath());
    return dir.empty() ? documents.Init().GetProgramDir() : dir;
}

}  // namespace

void RegisterLocationCommands(CMainFrame& frame, CDocumentSet& documents) {
    theCommands().Register(ID_LOC_EDIT, [&frame, &documents] {
        if (listFilesWithSuffix(regionDir(documents), ".krd").empty()) {
            thePrompt().Message(LoadStr(kNoRegionFiles), MessageKind::Warning);
            return;
        }
        CLocationEditor editor(documents.Loc(), documents.Init(), nullptr, &frame);
        if (editor.exec() == QDialog::Accepted) repaint(frame);
    });
    theCommands().Register(ID_LOC_HOME, [&frame, &documents] {
        CLocationListDialog dialog(documents.Init(), &frame);
        dialog.exec();
        // "Regionen..." may have changed the name index even without OK.
        repaint(frame);
    });
    theCommands().Register(ID_LOC_ACTIVATE, [&frame, &documents] {
        CRegionsDialog dialog(documents.Init().QuickFind(), &frame);
        if (dialog.exec() == QDialog::Accepted) repaint(frame);
    });
}
