#include "views/ui/text_view_commands.h"

#include <QApplication>

#include "core/ui/command_registry.h"
#include "platform/qt/page_printer.h"
#include "views/ui/font_dialog.h"

void RegisterTextViewCommands() {
    theCommands().Register(kFontCommand, [] { RunFontDialog(QApplication::activeWindow()); });
    theCommands().Register(kPrintSetupCommand, [] { RunPrintSetup(QApplication::activeWindow()); });
}
