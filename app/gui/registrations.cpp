#include "app/gui/registrations.h"

#include <initializer_list>
#include <memory>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "aircraft/ui/load_dialog.h"
#include "aircraft/ui/plane_commands.h"
#include "core/app_hooks.h"
#include "core/app_views.h"
#include "core/calc_doc.h"
#include "core/document_set.h"
#include "core/ui/main_frame.h"
#include "core/ui/settings_dialog_commands.h"
#include "core/units.h"
#include "locations/loc_startup.h"
#include "locations/ui/location_commands.h"
#include "platform/prompt.h"
#include "route/route_warnings.h"
#include "route/ui/route_commands.h"
#include "route/way_doc.h"
#include "views/placeholder_text_view.h"
#include "views/ui/course_view_page.h"
#include "views/ui/document_text_page.h"
#include "views/ui/fuel_view_page.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

namespace {

constexpr int kImportLocations = 32831;  // "&Importieren..."
constexpr int kMergeLocations = 32833;   // "&Zusammenführen..."

// A text page naming a view that is not built yet; it prints, previews and
// copies like every text view.
ViewPage placeholderTextPage(int view, QWidget* parent) {
    const ViewInfo* info = FindView(view);
    DocumentTextPageOptions options;
    options.followDocuments = false;
    return MakeDocumentTextPage(std::make_unique<PlaceholderTextView>(info->caption), parent, options);
}

// The warnings of the computation after the load dialog and when the fuel
// sheet is chosen, once per change of what the computation reads.
void InstallComputationWarnings(CMainFrame& frame) {
    static CComputationWarnings warnings;
    for (CDocument* doc : std::initializer_list<CDocument*>{theWayDoc(), thePlaneDoc(), theMetDoc(),
                                                            theLoadDoc(), theDimDoc(), theCalcDoc()})
        if (doc) doc->Subscribe([](CDocument&, int, const void*) { warnings.Changed(); });
    frame.FrameQueries().showWarnings = [] {
        const CPlaneDoc* planes = thePlaneDoc();
        const CMetDoc* met = theMetDoc();
        const CLoadDoc* load = theLoadDoc();
        if (!planes || !met || !load) return;
        warnings.Show(theWayDoc(), planes->GetCurrentPlane(), *met, *load, thePrompt());
    };
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
    RegisterFuelView();
}

void RegisterAllCommands(CMainFrame& frame, CDocumentSet& documents) {
    InstallComputationWarnings(frame);
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
