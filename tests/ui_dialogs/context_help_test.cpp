#include "core/ui/context_help.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "core/calc_doc.h"
#include "core/ui/calc_dialog.h"
#include "core/ui/calculator_dialog.h"
#include "core/ui/units_dialog.h"

// Every control the user can ask about has a help text (a mistyped key
// would silently leave it without one).
TEST(ContextHelp, EveryControlOfTheSettingsDialogsHasItsText) {
    CDimDoc units;
    CCalcDoc calc;
    std::unique_ptr<CDimDialog> dialogs[] = {std::make_unique<CUnitsDialog>(units),
                                             std::make_unique<CCalcDialog>(calc),
                                             std::make_unique<CCalculatorDialog>()};
    for (const auto& d : dialogs) {
        int controls = 0;
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QComboBox*>(w))
                continue;
            ++controls;
            EXPECT_FALSE(CDimDialog::ContextHelpText(w).isEmpty())
                << d->windowTitle().toStdString() << ": " << w->metaObject()->className() << " "
                << w->property("text").toString().toStdString();
        }
        EXPECT_GT(controls, 0);
    }
    EXPECT_STREQ(ContextHelp("no.such.key"), "");
}
