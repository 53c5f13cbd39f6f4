// The desktop program. It runs in the program directory, the working
// directory at start-up, where all its data files lie.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/registrations.h"
#include "core/app_recent_files.h"
#include "core/app_startup.h"
#include "core/document_set.h"
#include "core/ui/main_frame.h"
#include "core/ui/splash_dialog.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/app_settings_store.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qt_timers.h"
#include "platform/string_table.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Message boxes before the main window must not end the program.
    app.setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (file chooser, print dialog, preview) in German when
    // the translations are installed; English otherwise.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtGerman);
    QCoreApplication::setOrganizationName("Tarnwell");
    QCoreApplication::setApplicationName(QString::fromUtf8(LoadStr(57344)));
    setProgramDir(currentDirectory());

    QtPrompt prompt;
    PromptScope promptScope(prompt);
    QtTimers timers;
    SetTimers(&timers);
    AppSettingsStore profile;
    SetRecentFileSink([&profile](const std::string& path) {
        profile.AddRecentFile(path);
        profile.Sync();
    });

    AppHooks hooks;
    InstallStartupHooks(hooks);
    RegisterViewFactories();

    CNavoraApp navora(hooks);
    if (!navora.InitDocuments()) {
        SetRecentFileSink({});
        SetTimers(nullptr);
        return CNavoraApp::kExitFailure;
    }
    {
        CSplashDlg splash([&navora] { navora.LoadData(); }, &timers);
        splash.exec();
    }
    navora.FinishLoading();
    CDocumentSet& documents = *navora.Documents();

    auto frame = std::make_unique<CMainFrame>(documents.Init(), profile, hooks, theCommands(), &timers);
    prompt.SetParent(frame.get());
    RegisterAllCommands(*frame, documents);
    frame->UpdateTitle();

    std::vector<std::string> args;
    for (const QString& arg : app.arguments().mid(1)) args.push_back(arg.toUtf8().toStdString());
    const CommandLineOutcome outcome = navora.RunCommandLine(ParseCommandLine(args));
    int status = 0;
    if (outcome == CommandLineOutcome::Continue) {
        frame->ShowWithPlacement();
        frame->raise();
        frame->activateWindow();
        frame->setAcceptDrops(true);
        documents.Init().SetMainFrame(static_cast<MainFrameLink*>(frame.get()));
        app.setQuitOnLastWindowClosed(true);
        status = app.exec();
        documents.Init().SetMainFrame(nullptr);
    } else if (outcome == CommandLineOutcome::Failed) {
        status = CNavoraApp::kExitFailure;
    }
    prompt.SetParent(nullptr);
    frame.reset();
    const bool saved = navora.ExitInstance();
    SetRecentFileSink({});
    SetTimers(nullptr);
    if (status == 0 && !saved) status = CNavoraApp::kExitFailure;
    return status;
}
