#include "core/ui/settings_dialog_commands.h"

#include <QApplication>
#include <QWidget>

#include "core/init_doc.h"
#include "core/ui/calc_dialog.h"
#include "core/ui/calculator_dialog.h"
#include "core/ui/command_registry.h"
#include "core/ui/units_dialog.h"

void RegisterSettingsDialogCommands(CInitDoc& settings, std::function<void()> repaintAll) {
    auto changed = [repaintAll] {
        if (repaintAll) repaintAll();
    };
    theCommands().Register(ID_VIEW_UNITS, [&settings, changed] {
        CUnitsDialog dialog(settings.Units(), QApplication::activeWindow());
        if (dialog.exec() == QDialog::Accepted) changed();
    });
    theCommands().Register(ID_CALC_PRESETS, [&settings, changed] {
        CCalcDialog dialog(settings.Calc(), QApplication::activeWindow());
        if (dialog.exec() == QDialog::Accepted) changed();
    });
    theCommands().Register(ID_UNIT_CALCULATOR, [] {
        CCalculatorDialog dialog(QApplication::activeWindow());
        dialog.exec();
    });
}
