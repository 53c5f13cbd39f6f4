#include "core/app_startup.h"

#include "core/app_first_run.h"
#include "core/app_splash.h"
#include "core/document_set.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

CNavoraApp::CNavoraApp(const AppHooks& hooks, std::string programDirectory)
    : hooks_(hooks),
      programDir_(withTrailingSeparator(programDirectory.empty() ? programDir() : programDirectory)) {}

CNavoraApp::~CNavoraApp() = default;

bool CNavoraApp::InitDocuments() {
    documents_ = std::make_unique<CDocumentSet>(programDir_);
    if (hooks_.repairProfilePaths) {
        const auto elev = findNoCase(programDir_, "elev");
        hooks_.repairProfilePaths(programDir_ + LoadStr(1035),
                                  withTrailingSeparator(elev ? *elev : programDir_ + "elev"));
    }
    CInitDoc& settings = documents_->Init();
    if (settings.OnOpenDocument(settings.GetSettingsPath())) return true;
    if (RunFirstRunDialogue(settings, hooks_)) return true;
    thePrompt().Message(LoadStr(1500), MessageKind::Error);
    documents_.reset();
    return false;
}

void CNavoraApp::LoadData() {
    if (documents_) LoadStartupData(*documents_, hooks_);
}

void CNavoraApp::FinishLoading() {
    if (!documents_) return;
    documents_->PublishSettingsSubDocuments();
    if (hooks_.openFlightPlan && fileExists(documents_->FlightPlan().GetPathName()))
        hooks_.openFlightPlan(*documents_);
    if (hooks_.openScanMaps && fileExists(documents_->ScanMap().GetPathName()))
        hooks_.openScanMaps(*documents_);
}

CommandLineOutcome CNavoraApp::RunCommandLine(const CommandLine& commandLine) {
    return CarryOutCommandLine(commandLine, hooks_);
}

bool CNavoraApp::ExitInstance() {
    if (!documents_) return true;
    CInitDoc& settings = documents_->Init();
    const bool saved = settings.OnSaveDocument(settings.GetPathName());
    if (hooks_.saveFlightPlan) hooks_.saveFlightPlan(*documents_);
    if (hooks_.saveScanMaps) hooks_.saveScanMaps(*documents_);
    documents_.reset();
    return saved;
}
