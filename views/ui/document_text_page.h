#pragma once
// A main-window page for a text view that shows the route with the current
// aircraft, weather, load and settings: it measures itself again whenever
// one of these documents announces a change, and it offers print, print
// preview and copy.

#include <QWidget>
#include <functional>
#include <memory>

#include "core/ui/main_frame_views.h"

class CTextViewTool;

struct DocumentTextPageOptions {
    // Follow the route, the aircraft database, the weather, the load, the
    // units, the presets, the appendix settings and the font.
    bool followDocuments = true;
    // Called before the update when the route changed.
    std::function<void()> routeChanged;
};

// The page and its widget; the widget owns the view.
ViewPage MakeDocumentTextPage(std::unique_ptr<CTextViewTool> view, QWidget* parent,
                              const DocumentTextPageOptions& options = {});
