#pragma once
// The window of the flight log, the first view of the main window, and the
// "Anhang" command.

#include <QWidget>

#include "core/ui/main_frame_views.h"

class CCourseView;
class TextViewWidget;

// The page of the flight log on the current route. The view measures itself
// again whenever the route, the aircraft database, the weather, the load,
// the units, the computation presets, the appendix settings or the font
// announce a change; a change of the route also lets its warnings show once
// more. The documents must outlive the page.
ViewPage MakeCourseViewPage(QWidget* parent);

// Registers the page as view 1 and the appendix dialog (command 32921).
void RegisterCourseView();
