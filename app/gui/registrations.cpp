#include "app/gui/registrations.h"

#include <memory>

#include "aircraft/ui/load_dialog.h"
#include "aircraft/ui/plane_commands.h"
#include "core/app_hooks.h"
#include "core/app_views.h"
#include "core/document_set.h"
#include "core/ui/main_frame.h"
#include "core/ui/settings_dialog_commands.h"
#include "core/units.h"
#include "locations/loc_startup.h"
#include "locations/ui/location_commands.h"
#include "route/ui/route_commands.h"
#include "views/placeholder_text_view.h"
#include "views/ui/course_view_page.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

namespace {

constexpr int kImportLocations = 32831;  // "&Importieren..."
constexpr int kMergeLocations = 32833;   // "&Zusammenführen..."

// A text page naming a view that is not built yet; it prints, previews and
// copies like every text view.
ViewPage placeholderTextPage(int view, QWidget* parent) {
    const ViewInfo* info = FindView(view);
    auto* widget = new TextViewWidget(std::make_unique<PlaceholderTextView>(info->caption), parent);
    ViewPage page;
    page.widget = widget;
    page.state = [](int command) -> std::optional<CommandState> {
        if (command == kPrintCommand || command == kPrintPreviewCommand || command == kCopyCommand)
            return CommandState{true, false};
        return std::nullopt;
    };
    page.execute = [widget](int command) {
        if (command == kPrintCommand)
            widget->Print();
        else if (command == kPrintPreviewCommand)
            widget->PrintPreview();
        else if (command == kCopyCommand)
            widget->CopyToClipboard();
        else
            return false;
        return true;
    };
    return page;
}

}  // namespace

void InstallStartupHooks(AppHooks& hooks) {
    hooks.loadLocations = [](CDocumentSet& d) { LoadLocationDatabase(d.Init(), d.Loc()); };
    hooks.openAircraft = [](CDocumentSet& d) { d.Plane().OnOpenDocument(d.Plane().GetPathName()); };
    hooks.chooseHomeAirfield = [](CDocumentSet& d) { return ChooseHomeAirfield(d.Init()); };
    InstallRouteHooks(hooks, ProgramRoute());
}

void RegisterViewFactories() {
    for (int view = 1; view <= kViewCount; ++view) {
        if (view == VIEW_TRACK_SCAN) continue;  // the window of view 3
        RegisterViewFactory(view, [view](QWidget* parent) { return placeholderTextPage(view, parent); });
    }
    RegisterCourseView();
}

void RegisterAllCommands(CMainFrame& frame, CDocumentSet& documents) {
    frame.FrameQueries().trackTitle = [&documents] { return documents.Track().GetTitle(); };
    RegisterRouteCommands(frame, ProgramRoute());
    RegisterTextViewCommands();
    RegisterSettingsDialogCommands(documents.Init(), [&frame] {
        TextViewWidget::UpdateAllTextViews();
        frame.UpdateCommandUI();
    });
    RegisterAircraftDialogCommands(frame, documents);
    RegisterLoadCommands(frame, documents);
    RegisterLocationCommands(frame, documents);

    // Location database commands that need no dialog of their own.
    CLocDoc& locations = documents.Loc();
    theCommands().Register(kImportLocations, [&locations] {
        locations.ImportCommand();
        TextViewWidget::UpdateAllTextViews();
    });
    theCommands().Register(kMergeLocations, [&locations] {
        if (locations.MergeCommand()) TextViewWidget::UpdateAllTextViews();
    });
}
