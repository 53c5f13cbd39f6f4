#include "views/ui/text_view_commands.h"

#include <QApplication>

#include "core/ui/command_registry.h"
#include "views/ui/font_dialog.h"

void RegisterTextViewCommands() {
    theCommands().Register(kFontCommand, [] { RunFontDialog(QApplication::activeWindow()); });
}
