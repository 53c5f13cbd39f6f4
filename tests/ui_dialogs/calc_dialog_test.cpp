#include "core/ui/calc_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/scripted_prompt.h"

namespace {

// A fixed "now" (2024-03-15 10:00 UTC) in UTC.
class CalcDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        SetClock(&clock_);
        SetPrompt(&prompt_);
    }
    void TearDown() override {
        SetPrompt(nullptr);
        SetClock(nullptr);
    }
    ManualClock clock_{1710496800};
    ScriptedPrompt prompt_;
};

}  // namespace

TEST_F(CalcDialogTest, ShowsThePresetsAndOkStoresThem) {
    CCalcDoc calc;
    calc.m_nGreatCircleThresholdUnit = DIM_KM;
    calc.m_nGreatCircleThreshold = 1852;
    calc.m_nDetour = 4;
    CCalcDialog d(calc);
    const auto& c = d.GetControls();
    EXPECT_EQ(d.windowTitle(), "Berechnung - Voreinstellungen");
    EXPECT_EQ(c.day->text(), "15");
    EXPECT_EQ(c.month->text(), "3");
    EXPECT_EQ(c.year->text(), "2024");
    EXPECT_EQ(c.taxi->text(), "10");
    EXPECT_EQ(c.reserve->text(), "30");
    EXPECT_EQ(c.climb->text(), "1500");
    EXPECT_EQ(c.climbUnit->currentText(), "ft");
    EXPECT_EQ(c.greatCircle->text(), "1852");
    EXPECT_EQ(c.greatCircleUnit->currentText(), "km");
    EXPECT_EQ(c.autoRouteUnit->currentText(), "NM");
    EXPECT_EQ(c.cruise->text(), "4500");
    EXPECT_TRUE(c.small->isChecked());

    c.day->setText("29");
    c.month->setText("2");
    c.year->setText("2028");
    c.taxi->setText("5");
    c.climbUnit->setCurrentIndex(1);  // m
    c.climb->setText("3048");
    c.autoRoute->setText("100");
    c.cruiseUnit->setCurrentIndex(1);
    c.cruise->setText("1500");
    c.large->click();
    d.OkButton()->click();
    EXPECT_TRUE(prompt_.Texts().empty());
    ASSERT_EQ(d.result(), QDialog::Accepted);
    const CCalcDoc::Date date = calc.GetFlightDate();
    EXPECT_EQ(date.day, 29);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.year, 2028);
    EXPECT_EQ(calc.m_nTaxiTime, 5);
    EXPECT_EQ(calc.m_nClimbThreshold, 3048);
    EXPECT_EQ(calc.m_nClimbThresholdUnit, DIM_METER);
    EXPECT_EQ(calc.m_nAutoRouteThreshold, 100);
    EXPECT_EQ(calc.m_nCruiseAltitude, 1500);
    EXPECT_EQ(calc.m_nCruiseAltitudeUnit, DIM_METER);
    EXPECT_EQ(calc.m_nDetour, 2);
}

TEST_F(CalcDialogTest, RefusedEntriesKeepThePresets) {
    struct Case {
        QLineEdit* CCalcDialog::Controls::*field;
        const char* text;
        int unitIndex;  // of the field's selector, -1: unchanged
        const char* message;
    } cases[] = {
        {&CCalcDialog::Controls::day, "31", -1, "Das Datum 31.02.2024 gibt es nicht!"},
        {&CCalcDialog::Controls::month, "13", -1, "Bitte geben Sie eine ganze Zahl zwischen 1 und 12 ein."},
        {&CCalcDialog::Controls::year, "2100", -1,
         "Bitte geben Sie eine ganze Zahl zwischen 1990 und 2099 ein."},
        {&CCalcDialog::Controls::approach, "-5", -1,
         "Bitte geben Sie eine ganze Zahl zwischen 0 und 32767 ein."},
        {&CCalcDialog::Controls::climb, "", -1, "Bitte geben Sie eine Höhe (in ft) ein!"},
        {&CCalcDialog::Controls::semicircle, "100", 1, "Die Höhe 100 sollte zwischen 152 und 1524 m liegen!"},
        {&CCalcDialog::Controls::greatCircle, "9261", 1,
         "Die Entfernung 9261 sollte zwischen 463 und 9260 km liegen!"},
        {&CCalcDialog::Controls::autoRoute, "zehn", 2, "Bitte geben Sie eine Entfernung (in stm) ein!"},
        {&CCalcDialog::Controls::cruise, "", -1, "Bitte geben Sie eine Höhe (in ft) ein!"},
    };
    for (const Case& c : cases) {
        CCalcDoc calc;
        CCalcDialog d(calc);
        const auto& ctl = d.GetControls();
        ctl.month->setText("2");
        QLineEdit* edit = ctl.*c.field;
        edit->setText(c.text);
        if (c.unitIndex >= 0) {
            QComboBox* unit = edit == ctl.semicircle    ? ctl.semicircleUnit
                              : edit == ctl.greatCircle ? ctl.greatCircleUnit
                                                        : ctl.autoRouteUnit;
            unit->setCurrentIndex(c.unitIndex);
        }
        ctl.taxi->setText("7");
        prompt_.Clear();
        d.accept();
        EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{c.message});
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.focusWidget(), c.field == &CCalcDialog::Controls::day ? ctl.day : edit) << c.text;
        EXPECT_EQ(calc.GetFlightDate().month, 3);
        EXPECT_EQ(calc.m_nTaxiTime, 10);
        EXPECT_EQ(calc.m_nSemicircleThresholdUnit, DIM_FEET);
    }
}

TEST_F(CalcDialogTest, DefaultsResetTheDateAtOnceAndTheRestOnOk) {
    CCalcDoc calc;
    ASSERT_TRUE(calc.SetFlightDate(1, 6, 2025));
    calc.m_nReserveTime = 45;
    calc.m_nGreatCircleThresholdUnit = DIM_KM;
    calc.m_nDetour = 2;
    {
        CCalcDialog d(calc);
        d.GetControls().taxi->setText("99");
        d.GetControls().defaults->click();
        EXPECT_EQ(calc.m_tFlightDate, clock_.Now());  // at once
        EXPECT_EQ(d.GetControls().day->text(), "15");
        EXPECT_EQ(d.GetControls().taxi->text(), "10");
        EXPECT_EQ(d.GetControls().reserve->text(), "30");
        EXPECT_EQ(d.GetControls().greatCircleUnit->currentText(), "NM");
        EXPECT_TRUE(d.GetControls().medium->isChecked());
        d.CancelButton()->click();
    }
    // Cancelled: only the date has changed.
    EXPECT_EQ(calc.m_nReserveTime, 45);
    EXPECT_EQ(calc.m_nDetour, 2);
    {
        CCalcDialog d(calc);
        d.GetControls().defaults->click();
        d.accept();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(calc.m_nReserveTime, 30);
    EXPECT_EQ(calc.m_nGreatCircleThresholdUnit, DIM_NM);
    EXPECT_EQ(calc.m_nDetour, 3);
    EXPECT_EQ(calc.GetFlightDate().day, 15);
}
