#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>

#include "core/calc_doc.h"
#include "core/init_doc.h"
#include "core/ui/command_registry.h"
#include "core/ui/settings_dialog_commands.h"
#include "core/ui/units_dialog.h"
#include "support/temp_dir.h"

namespace {

// Runs a command whose dialog is closed by `close` once it is open.
void runWithOpenDialog(int command, std::function<void(QDialog&)> close) {
    QTimer::singleShot(0, [close] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        close(*dialog);
    });
    EXPECT_TRUE(theCommands().Execute(command));
}

}  // namespace

TEST(SettingsDialogCommands, OpenTheDialogsAndRepaintAfterOk) {
    TempDir dir;
    CInitDoc settings(dir.path());
    int repaints = 0;
    RegisterSettingsDialogCommands(settings, [&repaints] { ++repaints; });
    for (int id : {ID_VIEW_UNITS, ID_CALC_PRESETS, ID_UNIT_CALCULATOR})
        EXPECT_TRUE(theCommands().State(id).enabled);

    runWithOpenDialog(ID_VIEW_UNITS, [](QDialog& d) {
        auto& units = dynamic_cast<CUnitsDialog&>(d);
        units.Button("Höhe", "m")->click();
        units.reject();
    });
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(settings.Units().m_nAltitude, DIM_FEET);

    runWithOpenDialog(ID_VIEW_UNITS, [](QDialog& d) {
        auto& units = dynamic_cast<CUnitsDialog&>(d);
        units.Button("Höhe", "m")->click();
        units.accept();
    });
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(settings.Units().m_nAltitude, DIM_METER);

    runWithOpenDialog(ID_CALC_PRESETS, [](QDialog& d) { d.accept(); });
    EXPECT_EQ(repaints, 2);

    runWithOpenDialog(ID_UNIT_CALCULATOR, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Rechner");
        d.accept();
    });
    EXPECT_EQ(repaints, 2);
}
