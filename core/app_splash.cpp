#include "core/app_splash.h"

#include "core/document_set.h"
#include "platform/clock.h"
#include "platform/paths.h"

SplashSequence::SplashSequence(TimerService& timers, std::function<void()> load, std::function<void()> close)
    : timers_(timers), load_(std::move(load)), close_(std::move(close)) {}

SplashSequence::~SplashSequence() {
    if (timerId_ != 0) timers_.Cancel(timerId_);
}

void SplashSequence::Start() {
    if (timerId_ != 0 || expired_) return;
    timerId_ = timers_.StartSingleShot(kMinimumMs, [this] { OnTimer(); });
}

void SplashSequence::RunLoad() {
    if (loadStarted_) return;
    loadStarted_ = true;
    if (load_) load_();
    loaded_ = true;
    CloseWhenDone();
}

void SplashSequence::OnTimer() {
    timerId_ = 0;
    expired_ = true;
    CloseWhenDone();
}

void SplashSequence::CloseWhenDone() {
    if (!loaded_ || !expired_ || closed_) return;
    closed_ = true;
    if (close_) close_();
}

void LoadStartupData(CDocumentSet& documents, const AppHooks& hooks) {
    CInitDoc& settings = documents.Init();
    const bool newSettings = settings.IsNew();

    documents.Loc().SetPathName(settings.GetRegionPath());
    if (hooks.loadLocations) hooks.loadLocations(documents);
    if (newSettings && hooks.initAirspaceRegions) hooks.initAirspaceRegions(documents);

    documents.Plane().SetPathName(settings.GetPlanesPath());
    if (hooks.openAircraft) hooks.openAircraft(documents);
    documents.Elev().SetPathName(settings.GetElevGridPath());
    if (hooks.openElevGrid) hooks.openElevGrid(documents);
    documents.ElevArray().SetPathName(settings.GetProfileIndexPath());
    if (hooks.openProfileIndex) hooks.openProfileIndex(documents);

    documents.ElevColor(1).SetPathName(settings.GetSeaColorPath());
    documents.ElevColor(2).SetPathName(settings.GetFlightColorPath());
    for (int kind = 1; kind <= 2; ++kind) {
        if (fileExists(documents.ElevColor(kind).GetPathName()) && hooks.openColorTable)
            hooks.openColorTable(documents, kind);
    }

    if (newSettings && !(hooks.chooseHomeAirfield && hooks.chooseHomeAirfield(documents)))
        settings.SetHome(CInitDoc::MakeEmptyLocation());
}
