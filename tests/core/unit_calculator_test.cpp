#include "core/unit_calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int buttonOf(const std::string& caption) {
    const auto buttons = CalculatorButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (caption == buttons[i].caption) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no button " << caption;
    return -1;
}

// Runs a given step and a sought step as the dialog does; the density text
// is what the density field shows.
CUnitCalculator::PressResult convert(CUnitCalculator& calc, const std::string& given,
                                     const std::string& sought, const std::string& value,
                                     const std::string& density) {
    calc.ChooseGivenMode();
    calc.PressUnit(buttonOf(given), value, density);
    calc.ChooseSoughtMode();
    return calc.PressUnit(buttonOf(sought), value, density);
}

}  // namespace

TEST(UnitCalculator, WorkedExamples) {
    struct Case {
        const char* given;
        const char* sought;
        const char* value;
        const char* density;
        const char* result;
    } cases[] = {
        {"NM", "km", "10", "0.72", "18.520000"},
        {"Liter", "kg", "100", "0.72", "72.000003"},  // single-precision density
        {"Liter", "kg", "100", "0.9", "89.999998"},
        {"US Gall.", "Pounds", "1", "0.72", "6.008545"},
        {"kg", "Liter", "72", "0.72", "99.999996"},
        {"Grad C", "Grad F", "100", "0.72", "212.000000"},
        {"Grad C", "Grad C", "100", "0.72", "100.000000"},
        {"Grad F", "Grad C", "68", "0.72", "20.000000"},
        {"Kt", "km / h", "100", "0.72", "185.200000"},
        {"St. Meilen", "NM", "1,5", "0.72", "1.303186"},  // a decimal comma is accepted
        {"Inch Hg", "hPa", "29.92", "0.72", "1013.157353"},
    };
    for (const Case& c : cases) {
        CUnitCalculator calc;
        const auto r = convert(calc, c.given, c.sought, c.value, c.density);
        EXPECT_TRUE(r.ok) << c.given << " -> " << c.sought << ": " << r.message;
        EXPECT_EQ(calc.ResultText(), c.result) << c.given << " -> " << c.sought;
        EXPECT_EQ(calc.GivenName(), c.given);
        EXPECT_EQ(calc.SoughtName(), c.sought);
    }
}

TEST(UnitCalculator, GivenUnitLeavesOnlyItsTargetsEnabled) {
    CUnitCalculator calc;
    EXPECT_FALSE(calc.SoughtModeEnabled());
    calc.PressUnit(buttonOf("Feet"), "", "");
    EXPECT_TRUE(calc.SoughtModeEnabled());
    const auto buttons = CalculatorButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(calc.ButtonEnabled(static_cast<int>(i)), buttons[i].family == CalcFamily::Length)
            << buttons[i].caption;

    // A volume may become a mass and back, nothing else.
    calc.ChooseGivenMode();
    for (size_t i = 0; i < buttons.size(); ++i) EXPECT_TRUE(calc.ButtonEnabled(static_cast<int>(i)));
    calc.PressUnit(buttonOf("Liter"), "", "");
    EXPECT_TRUE(calc.ButtonEnabled(buttonOf("Pounds")));
    EXPECT_TRUE(calc.ButtonEnabled(buttonOf("Brit. Gall.")));
    EXPECT_FALSE(calc.ButtonEnabled(buttonOf("Meter")));
    EXPECT_FALSE(calc.ButtonEnabled(buttonOf("hPa")));

    // A disabled button does nothing, also in the sought mode.
    calc.ChooseSoughtMode();
    EXPECT_TRUE(calc.PressUnit(buttonOf("Meter"), "5", "0.72").ok);
    EXPECT_EQ(calc.ResultText(), "");
    EXPECT_EQ(calc.SoughtName(), "");
}

TEST(UnitCalculator, InvalidFieldsAreRefusedAndNothingIsComputed) {
    struct Case {
        const char* value;
        const char* density;
        CUnitCalculator::Field field;
        const char* message;
    } cases[] = {
        {"", "0.72", CUnitCalculator::Field::Value, "Bitte geben Sie eine Zahl ein."},
        {"abc", "0.72", CUnitCalculator::Field::Value, "Bitte geben Sie eine Zahl ein."},
        {"10", "25", CUnitCalculator::Field::Density, "Bitte geben Sie eine Zahl zwischen 0 und 20 ein."},
        {"10", "-1", CUnitCalculator::Field::Density, "Bitte geben Sie eine Zahl zwischen 0 und 20 ein."},
        {"10", "", CUnitCalculator::Field::Density, "Bitte geben Sie eine Zahl ein."},
        // A density of 0 would make a mass an infinite volume.
        {"10", "0", CUnitCalculator::Field::Density, "Bitte geben Sie eine Dichte größer als 0 ein!"},
        {"10", "1e-60", CUnitCalculator::Field::Density, "Bitte geben Sie eine Dichte größer als 0 ein!"},
    };
    for (const Case& c : cases) {
        CUnitCalculator calc;
        const auto r = convert(calc, "kg", "Liter", c.value, c.density);
        EXPECT_FALSE(r.ok) << c.value << " / " << c.density;
        EXPECT_EQ(r.field, c.field) << c.value << " / " << c.density;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(calc.ResultText(), "");
        EXPECT_EQ(calc.SoughtName(), "");
    }
    // A result beyond the range of numbers is shown as not computable.
    CUnitCalculator calc;
    EXPECT_TRUE(convert(calc, "kg", "US Quarts", "1e308", "0.5").ok);
    EXPECT_EQ(calc.ResultText(), "–");
    EXPECT_FALSE(CalculatorConvert(buttonOf("kg"), buttonOf("Liter"), 1.0, 0.0));
    EXPECT_FALSE(CalculatorConvert(buttonOf("kg"), buttonOf("Meter"), 1.0, 0.72));
}

TEST(UnitCalculator, DensityChangesClearOnlyAVolumeMassResult) {
    CUnitCalculator calc;
    EXPECT_EQ(calc.GetDensityChoice(), CUnitCalculator::Avgas);
    EXPECT_EQ(calc.DensityText(), "0.72");

    ASSERT_TRUE(convert(calc, "Liter", "kg", "100", calc.DensityText()).ok);
    EXPECT_TRUE(calc.CrossFlag());
    calc.ChooseDensity(CUnitCalculator::Oil);
    EXPECT_EQ(calc.DensityText(), "0.9");
    EXPECT_EQ(calc.ResultText(), "");

    // Within the volumes the flag is cleared, and a density change keeps the result.
    ASSERT_TRUE(calc.PressUnit(buttonOf("US Gall."), "100", calc.DensityText()).ok);
    EXPECT_FALSE(calc.CrossFlag());
    calc.DensityEdited();
    EXPECT_EQ(calc.GetDensityChoice(), CUnitCalculator::Other);
    EXPECT_EQ(calc.ResultText(), "26.417985");

    ASSERT_TRUE(calc.PressUnit(buttonOf("kg"), "100", "0.8").ok);
    EXPECT_EQ(calc.ResultText(), "80.000001");
    calc.DensityEdited();
    EXPECT_EQ(calc.ResultText(), "");

    // Typing a new value clears the result; the given unit stays.
    ASSERT_TRUE(calc.PressUnit(buttonOf("kg"), "100", "0.8").ok);
    calc.ValueEdited();
    EXPECT_EQ(calc.ResultText(), "");
    EXPECT_EQ(calc.GivenName(), "Liter");

    calc.ChooseGivenMode();
    EXPECT_EQ(calc.GivenName(), "");
    EXPECT_FALSE(calc.CrossFlag());
    EXPECT_EQ(calc.GetMode(), CUnitCalculator::GivenMode);
}
