#include "views/ui/course_view_page.h"

#include <QApplication>
#include <memory>
#include <utility>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "core/app_views.h"
#include "core/calc_doc.h"
#include "core/ui/command_registry.h"
#include "core/units.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"
#include "views/course_view.h"
#include "views/font_doc.h"
#include "views/ui/appendix_dialog.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

ViewPage MakeCourseViewPage(QWidget* parent) {
    auto view = std::make_unique<CCourseView>();
    CCourseView* course = view.get();
    auto* widget = new TextViewWidget(std::move(view), parent);

    // Every document whose contents the flight log shows or computes with.
    struct Subscription {
        CDocument* doc;
        int token;
    };
    auto subscriptions = std::make_shared<std::vector<Subscription>>();
    auto follow = [&](CDocument* doc, bool isRoute) {
        if (!doc) return;
        const int token = doc->Subscribe([widget, course, isRoute](CDocument&, int, const void*) {
            if (isRoute) course->OnRouteChanged();
            widget->OnUpdate();
        });
        subscriptions->push_back({doc, token});
    };
    follow(theWayDoc(), true);
    follow(thePlaneDoc(), false);
    follow(theMetDoc(), false);
    follow(theLoadDoc(), false);
    follow(theDimDoc(), false);
    follow(theCalcDoc(), false);
    follow(theAppendixDoc(), false);
    follow(theFontDoc(), false);
    QObject::connect(widget, &QObject::destroyed, [subscriptions] {
        for (const Subscription& s : *subscriptions) s.doc->Unsubscribe(s.token);
    });

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
    page.activated = [widget] { widget->OnUpdate(); };
    widget->OnInitialUpdate();
    return page;
}

void RegisterCourseView() {
    RegisterViewFactory(VIEW_COURSE, [](QWidget* parent) { return MakeCourseViewPage(parent); });
    theCommands().Register(kAppendixCommand, [] { RunAppendixDialog(QApplication::activeWindow()); });
}
