#include <cstdio>

#include "app/cli/cli.h"
#include "core/init_doc.h"
#include "core/settings_dump.h"
#include "platform/paths.h"
#include "platform/string_table.h"

int CmdSettings(const Args& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "Aufruf: navora-cli settings [DATEI]\n");
        return 1;
    }
    CInitDoc doc;
    const std::string path = args.empty() ? programDir() + LoadStr(1032) : ArgPath(args[0]);
    const std::string error = ReadSettingsQuietly(doc, path);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    for (const auto& line : DumpSettings(doc)) std::printf("%s\n", line.c_str());
    return 0;
}
