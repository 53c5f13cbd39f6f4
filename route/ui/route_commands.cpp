#include "route/ui/route_commands.h"

#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <memory>

#include "core/app_hooks.h"
#include "core/app_views.h"
#include "core/init_doc.h"
#include "core/ui/main_frame.h"
#include "platform/qt/page_printer.h"
#include "route/way_doc.h"
#include "views/text_view_tool.h"
#include "views/ui/text_view_print.h"
#include "views/ui/text_view_widget.h"

namespace {

constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPreviousWayPoint = 33307;  // "Näher zum Startplatz"
constexpr int kNextWayPoint = 33308;      // "Näher zum Landeplatz"
constexpr int kScannedRouteMap = 32882;

// The main window the route prints through (set while it exists).
QPointer<CMainFrame>& routeFrame() {
    static QPointer<CMainFrame> frame;
    return frame;
}

// Prints the flight log, the first view, on the printer of the command line.
bool printFirstView(const PrintTarget& target) {
    CMainFrame* frame = routeFrame();
    auto* view = frame ? qobject_cast<TextViewWidget*>(frame->ViewWindow(VIEW_COURSE)) : nullptr;
    if (!view) return false;
    QPrinter printer(QPrinter::HighResolution);
    if (!target.printer.empty()) printer.setPrinterName(QString::fromStdString(target.printer));
    if (!printer.isValid()) return false;
    view->OnUpdate();
    return PrintPages(printer, TextViewPages(view->View()));
}

// Makes waypoint `index` active and the centre of the map.
void moveActive(CMainFrame& frame, CWayDoc& route, int index) {
    CWayPoint wp;
    if (!route.GetAt(index, wp)) return;
    route.SetActive(index);
    if (CInitDoc* settings = theInitDoc(); settings && wp.IsValid()) settings->SetMapCentre(wp.m_dLat, wp.m_dLon);
    route.UpdateAllViews();
    if (frame.CurrentView() == VIEW_SCAN_MAP) frame.ExecuteCommand(kScannedRouteMap);
}

}  // namespace

CWayDoc& ProgramRoute() {
    static const std::unique_ptr<CWayDoc> route = [] {
        auto doc = std::make_unique<CWayDoc>();
        SetWayDoc(doc.get());
        return doc;
    }();
    return *route;
}

void InstallRouteHooks(AppHooks& hooks, CWayDoc& route) {
    CWayDoc* doc = &route;
    hooks.newRoute = [doc] { return doc->NewRoute(); };
    hooks.openRoute = [doc](const std::string& path) { return doc->OpenRoute(path); };
    hooks.printRoute = [doc](const std::string& path, const PrintTarget& target) {
        return doc->OpenRoute(path) && printFirstView(target);
    };
    hooks.routeTitle = [doc] { return doc->GetTitle(); };
    hooks.canCloseRoute = [doc] { return doc->QuerySaveModified(); };
    SetRouteEndsProvider([doc](std::string& first, std::string& last) { return doc->GetRouteEnds(first, last); });
}

void RegisterRouteCommands(CMainFrame& frame, CWayDoc& route, CommandRegistry& commands) {
    routeFrame() = &frame;
    CWayDoc* doc = &route;
    CMainFrame* window = &frame;
    // The title follows new, opened and renamed routes.
    const int token = route.Subscribe([window](CDocument&, int, const void*) { window->UpdateTitle(); });
    QObject::connect(&frame, &QObject::destroyed, [doc, token] { doc->Unsubscribe(token); });

    commands.Register(kSave, [window, doc] {
        doc->DoFileSave();
        window->UpdateTitle();
    });
    commands.Register(kSaveAs, [window, doc] {
        doc->DoSaveAs();
        window->UpdateTitle();
    });
    commands.Register(
        kPreviousWayPoint, [window, doc] { moveActive(*window, *doc, doc->GetActive() - 1); },
        [doc] { return CommandState{doc->GetActive() > 0, false}; });
    commands.Register(
        kNextWayPoint, [window, doc] { moveActive(*window, *doc, doc->GetActive() + 1); },
        [doc] { return CommandState{doc->GetActive() < doc->GetCount() - 1, false}; });
}
