#include "views/ui/course_view_page.h"

#include <QApplication>
#include <memory>
#include <utility>

#include "core/app_views.h"
#include "core/ui/command_registry.h"
#include "views/course_view.h"
#include "views/ui/appendix_dialog.h"
#include "views/ui/document_text_page.h"

ViewPage MakeCourseViewPage(QWidget* parent) {
    auto view = std::make_unique<CCourseView>();
    CCourseView* course = view.get();
    DocumentTextPageOptions options;
    options.routeChanged = [course] { course->OnRouteChanged(); };
    return MakeDocumentTextPage(std::move(view), parent, options);
}

void RegisterCourseView() {
    RegisterViewFactory(VIEW_COURSE, [](QWidget* parent) { return MakeCourseViewPage(parent); });
    theCommands().Register(kAppendixCommand, [] { RunAppendixDialog(QApplication::activeWindow()); });
}
