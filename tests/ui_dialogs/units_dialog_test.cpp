#include "core/ui/units_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

TEST(UnitsDialog, OpensOnTheCurrentUnitsAndOkWritesAllBack) {
    CDimDoc units;
    units.m_nDistance = DIM_KM;
    units.m_nPressure = DIM_MMHG;
    units.m_nMass = DIM_POUNDS;
    units.m_nWind = DIM_FEET;  // no button stands for it: the first one shows
    units.m_nPositionFormat = 1;
    CUnitsDialog d(units);
    EXPECT_EQ(d.windowTitle(), "Einheiten - Voreinstellungen");
    EXPECT_TRUE(d.Button("Distanz", "km")->isChecked());
    EXPECT_TRUE(d.Button("Luftdruck", "mm Hg")->isChecked());
    EXPECT_TRUE(d.Button("Masse", "Pounds")->isChecked());
    EXPECT_TRUE(d.Button("Wind", "kt")->isChecked());
    EXPECT_TRUE(d.Button("Höhe", "ft")->isChecked());
    EXPECT_EQ(d.PositionFormatList()->currentText(), "123 12.2 N");
    EXPECT_FALSE(d.Button("Höhe", "ft")->whatsThis().isEmpty());

    const struct {
        const char* group;
        const char* caption;
    } clicks[] = {{"Höhe", "m"},
                  {"Distanz", "Stat. Miles"},
                  {"Bahnlänge", "ft"},
                  {"Wind", "km/h"},
                  {"Temperatur", "Grad F"},
                  {"Luftdruck", "Inch Hg"},
                  {"Hebelarm", "Inch"},
                  {"Masse", "kp"},
                  {"Treibstoff", "Br. Gallons"}};
    for (const auto& c : clicks) {
        QRadioButton* b = d.Button(c.group, c.caption);
        ASSERT_NE(b, nullptr) << c.group << " " << c.caption;
        b->click();
    }
    d.PositionFormatList()->setCurrentIndex(0);
    units.m_nFrequency = DIM_KHZ;
    d.OkButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(units.m_nAltitude, DIM_METER);
    EXPECT_EQ(units.m_nDistance, DIM_STM);
    EXPECT_EQ(units.m_nRunway, DIM_FEET);
    EXPECT_EQ(units.m_nWind, DIM_KMH);
    EXPECT_EQ(units.m_nTemperature, DIM_F);
    EXPECT_EQ(units.m_nPressure, DIM_INCHHG);
    EXPECT_EQ(units.m_nArm, DIM_INCH);
    EXPECT_EQ(units.m_nMass, DIM_KG);
    EXPECT_EQ(units.m_nFuel, DIM_BRGAL);
    EXPECT_EQ(units.m_nPositionFormat, 0);
    EXPECT_EQ(units.m_nFrequency, DIM_KHZ);  // not the dialog's
}

TEST(UnitsDialog, CancelChangesNothing) {
    CDimDoc units;
    CUnitsDialog d(units);
    d.Button("Höhe", "m")->click();
    d.Button("Distanz", "m")->click();
    d.PositionFormatList()->setCurrentIndex(1);
    d.CancelButton()->click();
    EXPECT_EQ(units.m_nAltitude, DIM_FEET);
    EXPECT_EQ(units.m_nDistance, DIM_NM);
    EXPECT_EQ(units.m_nPositionFormat, 0);
}
