#include "core/ui/calculator_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/scripted_prompt.h"

TEST(CalculatorDialog, ConvertsAndRestrictsTheButtons) {
    CCalculatorDialog d;
    EXPECT_EQ(d.windowTitle(), "Rechner");
    EXPECT_TRUE(d.GivenRadio()->isChecked());
    EXPECT_FALSE(d.SoughtRadio()->isEnabled());
    EXPECT_TRUE(d.DensityRadio(CUnitCalculator::Avgas)->isChecked());
    EXPECT_EQ(d.DensityEdit()->text(), "0.72");

    d.ValueEdit()->setText("10");
    d.UnitButton("NM")->click();
    EXPECT_EQ(d.GivenLabel()->text(), "NM");
    EXPECT_TRUE(d.SoughtRadio()->isEnabled());
    EXPECT_TRUE(d.UnitButton("km")->isEnabled());
    for (const char* other : {"Kt", "Liter", "Pounds", "hPa", "Grad C"})
        EXPECT_FALSE(d.UnitButton(other)->isEnabled()) << other;

    d.SoughtRadio()->click();
    d.UnitButton("km")->click();
    EXPECT_EQ(d.ResultLabel()->text(), "18.520000");
    EXPECT_EQ(d.SoughtLabel()->text(), "km");

    d.GivenRadio()->click();
    EXPECT_EQ(d.ResultLabel()->text(), "");
    EXPECT_EQ(d.GivenLabel()->text(), "");
    EXPECT_TRUE(d.UnitButton("Grad C")->isEnabled());
    EXPECT_FALSE(d.SoughtRadio()->isEnabled());
}

TEST(CalculatorDialog, DensityChoiceAndRefusal) {
    CCalculatorDialog d;
    d.show();
    d.ValueEdit()->setText("100");
    d.UnitButton("Liter")->click();
    d.SoughtRadio()->click();
    d.DensityRadio(CUnitCalculator::Oil)->click();
    EXPECT_EQ(d.DensityEdit()->text(), "0.9");
    d.UnitButton("kg")->click();
    EXPECT_EQ(d.ResultLabel()->text(), "89.999998");

    // A typed density selects "Sonstiges"; 0 is refused at the next result.
    d.DensityEdit()->setText("0");
    emit d.DensityEdit()->textEdited("0");
    EXPECT_TRUE(d.DensityRadio(CUnitCalculator::Other)->isChecked());
    EXPECT_EQ(d.ResultLabel()->text(), "");
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    d.UnitButton("Pounds")->click();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Bitte geben Sie eine Dichte größer als 0 ein!"});
    EXPECT_EQ(d.focusWidget(), d.DensityEdit());
    EXPECT_EQ(d.ResultLabel()->text(), "");

    d.DoneButton()->click();
    EXPECT_FALSE(d.isVisible());
}
