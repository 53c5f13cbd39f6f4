#include "app/gui/registrations.h"

#include "core/app_hooks.h"
#include "core/document_set.h"
#include "core/ui/main_frame.h"

void InstallStartupHooks(AppHooks& /*hooks*/) {}

void RegisterViewFactories() {}

void RegisterAllCommands(CMainFrame& frame, CDocumentSet& documents) {
    frame.FrameQueries().trackTitle = [&documents] { return documents.Track().GetTitle(); };
}
