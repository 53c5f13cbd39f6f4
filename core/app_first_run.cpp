#include "core/app_first_run.h"

#include <optional>

#include "core/init_doc.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

namespace {

// Copies `name` (found without regard to case) from `oldDir` into `newDir`
// under the name given; a missing source is not an error.
void copyDataFile(const std::string& oldDir, const std::string& newDir, const std::string& name) {
    const std::optional<std::string> source = findNoCase(oldDir, name);
    if (!source || !fileExists(*source)) return;
    const std::string target = newDir + name;
    if (!copyFile(*source, target)) thePrompt().Message(FormatStr(61701, name.c_str()), MessageKind::Error);
}

// Lets the user pick the folder of the earlier installation. Returns the
// folder (with a trailing separator) when it holds a settings file, or
// nothing when the user gave up.
std::optional<std::string> choosePreviousInstallation(const std::string& startDir) {
    for (;;) {
        const std::optional<std::string> chosen = thePrompt().ChooseFolder(LoadStr(1504), startDir);
        if (!chosen) return std::nullopt;
        const std::string folder = withTrailingSeparator(*chosen);
        if (findNoCase(folder, LoadStr(1032))) return folder;
        if (thePrompt().AskYesNo(LoadStr(1505)) != Answer::Yes) return std::nullopt;
    }
}

void takeOverPreviousInstallation(CInitDoc& settings, const AppHooks& hooks) {
    const std::optional<std::string> folder = choosePreviousInstallation(settings.GetProgramDir());
    if (!folder) return;
    settings.SetPreviousInstallDir(*folder);
    // The earlier settings must be readable, but none of them is taken over:
    // the new settings keep their defaults.
    CInitDoc previous(*folder);
    const std::optional<std::string> oldSettings = findNoCase(*folder, LoadStr(1032));
    if (!oldSettings || !previous.OnOpenDocument(*oldSettings)) return;
    CopyPreviousInstallation(settings, *folder, hooks);
}

}  // namespace

void CopyPreviousInstallation(const CInitDoc& settings, const std::string& oldDir, const AppHooks& hooks) {
    const std::string& newDir = settings.GetProgramDir();
    copyDataFile(oldDir, newDir, LoadStr(1033));
    for (const std::string& region : listFilesWithSuffix(oldDir, ".krd")) {
        const std::string name = baseName(region);
        if (!copyFile(region, newDir + name))
            thePrompt().Message(FormatStr(61701, name.c_str()), MessageKind::Error);
    }
    if (hooks.mergeProfileIndex) hooks.mergeProfileIndex(oldDir, newDir);
    copyDataFile(oldDir, newDir, LoadStr(1034));
    copyDataFile(oldDir, newDir, LoadStr(1037));
    copyDataFile(oldDir, newDir, LoadStr(1038));
}

bool RunFirstRunDialogue(CInitDoc& settings, const AppHooks& hooks) {
    const bool takeOver = thePrompt().AskYesNo(LoadStr(1501)) == Answer::Yes;
    if (takeOver) takeOverPreviousInstallation(settings, hooks);
    if (!settings.OnSaveDocument(settings.GetSettingsPath())) return false;
    const bool newLocations = thePrompt().AskYesNo(LoadStr(1507)) == Answer::Yes;
    if (!takeOver || newLocations) thePrompt().Message(LoadStr(1506));
    return true;
}
