#pragma once
// The windows of the thirteen views. Each subsystem registers a factory for
// the views it provides, by view number (1..13, see core/app_views.h), before
// the main window is built; a view without a factory gets a page that names
// it. Views 3 and 11 share one window: the factory of either builds it.
//
// While its window is the visible one, a view sees the commands first (print,
// preview, copy, zoom, ...): the main window asks the view's `state` and
// `execute` before the command registry.

#include <QWidget>
#include <functional>
#include <optional>

#include "core/ui/command_registry.h"

struct ViewPage {
    QWidget* widget = nullptr;
    // The state of a command the view handles, or nothing for the others.
    std::function<std::optional<CommandState>(int command)> state;
    // Runs a command the view handles; false when it is not the view's.
    std::function<bool(int command)> execute;
    // Called each time the view becomes the visible one.
    std::function<void()> activated;
};

using ViewFactory = std::function<ViewPage(QWidget* parent)>;

// Registers (or replaces) the factory of view `view`.
void RegisterViewFactory(int view, ViewFactory factory);
// Removes every factory (tests).
void ClearViewFactories();
// The factory for view `view`, or an empty function.
ViewFactory FindViewFactory(int view);

// The page of a view that is not available yet: it names the view.
ViewPage MakePlaceholderViewPage(int view, QWidget* parent);
