#pragma once
// Start-up and shut-down of Navora, without the windows.
//
// The desktop program runs these steps in order:
//   1. InitDocuments: the long-lived documents, the repair of the terrain
//      profile paths, and the settings file (or the first-run dialogue);
//   2. the splash screen, whose posted load command runs LoadData;
//   3. FinishLoading: the settings' sub-documents become the current ones,
//      and the flight-plan data and scanned-map catalogue are read;
//   4. the main window is built, then RunCommandLine;
//   5. at the end ExitInstance saves and deletes the documents.

#include <memory>
#include <string>

#include "core/app_command_line.h"
#include "core/app_hooks.h"

class CDocumentSet;

class CNavoraApp {
public:
    // Status of a start-up that cannot continue or of a run whose settings
    // could not be saved at the end.
    static constexpr int kExitFailure = 1;

    // `programDirectory` empty: the program directory (the working directory
    // at start-up).
    explicit CNavoraApp(const AppHooks& hooks, std::string programDirectory = std::string());
    ~CNavoraApp();
    CNavoraApp(const CNavoraApp&) = delete;
    CNavoraApp& operator=(const CNavoraApp&) = delete;

    // Creates the documents, repairs the terrain profile paths and opens the
    // settings file, running the first-run dialogue when that fails. False
    // when no settings file could be saved either: "Navora kann nicht
    // starten!" was shown, the documents are deleted, nothing was written.
    bool InitDocuments();
    // The loading behind the splash screen.
    void LoadData();
    // After the splash screen.
    void FinishLoading();
    CommandLineOutcome RunCommandLine(const CommandLine& commandLine);
    // Saves the settings, the flight-plan data and the scanned-map catalogue,
    // then deletes the documents. Returns false when the settings could not
    // be saved (the user was told). Later calls do nothing and return true.
    bool ExitInstance();

    // nullptr before InitDocuments, after a failed start and after ExitInstance.
    CDocumentSet* Documents() const { return documents_.get(); }
    const AppHooks& Hooks() const { return hooks_; }

private:
    const AppHooks& hooks_;
    std::string programDir_;
    std::unique_ptr<CDocumentSet> documents_;
};
