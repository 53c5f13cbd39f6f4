#include "views/ui/document_text_page.h"

#include <utility>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "route/way_doc.h"
#include "views/appendix_doc.h"
#include "views/font_doc.h"
#include "views/text_view_tool.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

ViewPage MakeDocumentTextPage(std::unique_ptr<CTextViewTool> view, QWidget* parent,
                              const DocumentTextPageOptions& options) {
    auto* widget = new TextViewWidget(std::move(view), parent);

    if (options.followDocuments) {
        struct Subscription {
            CDocument* doc;
            int token;
        };
        auto subscriptions = std::make_shared<std::vector<Subscription>>();
        const std::function<void()> routeChanged = options.routeChanged;
        auto follow = [&](CDocument* doc, bool isRoute) {
            if (!doc) return;
            const int token = doc->Subscribe([widget, routeChanged, isRoute](CDocument&, int, const void*) {
                if (isRoute && routeChanged) routeChanged();
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
    }

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
    if (options.followDocuments) {
        page.activated = [widget] { widget->OnUpdate(); };
        widget->OnInitialUpdate();
    }
    return page;
}
