#pragma once
// The window of the fuel sheet ("Verbrauch"), view 5 of the main window.

#include <QWidget>

#include "core/ui/main_frame_views.h"

// The page of the fuel sheet on the current route; it follows the same
// documents as the flight log.
ViewPage MakeFuelViewPage(QWidget* parent);

// Registers the page as view 5.
void RegisterFuelView();
