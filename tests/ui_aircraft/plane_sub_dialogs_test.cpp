#include "aircraft/ui/plane_sub_dialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "aircraft/fixtures.h"
#include "platform/scripted_prompt.h"

namespace {

using RunwayControls = CPlaneRunwayDialog::Controls;

TEST(PlaneRunwayDialog, ChecksEachFieldOfTheTableAndKeepsMissingValuesMissing) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    const CPlane before = samplePlane();
    CPlane plane = before;
    CPlaneRunwayDialog d(plane);
    d.show();
    const RunwayControls& c = d.GetControls();
    EXPECT_EQ(c.takeOff[0].mass->text(), "1111");
    EXPECT_EQ(c.takeOff[1].roll->text(), "220");
    EXPECT_EQ(c.landing[0].roll->text(), "");  // not given
    EXPECT_EQ(c.landing[1].obstacle->text(), "");

    struct Case {
        const char* what;
        QLineEdit* field;
        const char* text;
        const char* shownValue;  // part of the message
    };
    const Case cases[] = {
        {"max mass below 100 kg", c.takeOff[0].mass, "99", "99"},
        {"max obstacle distance missing", c.takeOff[0].obstacle, "", "Bitte"},
        {"landing max obstacle missing", c.landing[0].obstacle, "", "Bitte"},
        {"take-off min roll below 50 m", c.takeOff[1].roll, "49", "49"},
        {"landing min roll below 5 m", c.landing[1].roll, "4", "4"},
        {"min mass above 15000 kg", c.landing[1].mass, "15001", "15001"},
        {"roll beyond 5000 m", c.landing[0].roll, "5001", "5001"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        prompt.Clear();
        const QString old = k.field->text();
        k.field->setText(QString::fromUtf8(k.text));
        d.accept();
        ASSERT_EQ(prompt.Texts().size(), 1u);
        EXPECT_NE(prompt.Texts()[0].find(k.shownValue), std::string::npos) << prompt.Texts()[0];
        EXPECT_EQ(d.focusWidget(), k.field);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(plane, before);
        k.field->setText(old);
    }

    // A landing roll of 5 m at the low mass is allowed; the rolls left empty
    // stay "not given".
    prompt.Clear();
    c.landing[1].roll->setText("5");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(prompt.Texts().empty());
    EXPECT_EQ(plane.m_Landing.m_fRoll[1], 5.0f);
    EXPECT_EQ(plane.m_Landing.m_fRoll[0], CPlane::kDistanceNotGiven);
    EXPECT_EQ(plane.m_Landing.m_fMass, before.m_Landing.m_fMass);

    // Values are read in the units the selectors show, and stored with them.
    CPlaneRunwayDialog feet(plane);
    feet.show();
    CDimDialog::SelectUnit(feet.GetControls().lengthUnit, DIM_FEET);
    CDimDialog::SelectUnit(feet.GetControls().massUnit, DIM_POUNDS);
    feet.GetControls().takeOff[0].obstacle->setText("1700");
    feet.GetControls().landing[1].roll->setText("20");
    feet.accept();
    ASSERT_TRUE(prompt.Texts().empty()) << prompt.Texts()[0];
    EXPECT_EQ(plane.m_nTableLengthUnit, DIM_FEET);
    EXPECT_EQ(plane.m_nTableMassUnit, DIM_POUNDS);
    EXPECT_EQ(plane.m_TakeOff.m_fObstacle[0], 1700.0f);
    EXPECT_EQ(plane.m_Landing.m_fRoll[1], 20.0f);
}

TEST(PlaneFlightPlanDialog, OkWritesTheBlockAndCancelLeavesIt) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    const CPlane before = samplePlane();
    CPlane plane = before;
    {
        CPlaneFlightPlanDialog d(plane);
        d.show();
        const auto& c = d.GetControls();
        EXPECT_EQ(c.ident->text(), "DEFGH");
        EXPECT_EQ(c.transponder->currentText(), "C");
        EXPECT_TRUE(c.vhf->isChecked());
        EXPECT_FALSE(c.uhf->isChecked());
        c.ident->setText("DEFGHIJ");
        c.markings->setText(QString::fromUtf8("blau/weiß"));
        c.transponder->setCurrentIndex(2);
        c.uhf->setChecked(true);
        d.reject();
    }
    EXPECT_EQ(plane, before);

    CPlaneFlightPlanDialog d(plane);
    d.show();
    const auto& c = d.GetControls();
    c.ident->setText("DEFGHIJ");
    c.markings->setText(QString::fromUtf8("blau/weiß"));
    c.transponder->setCurrentIndex(2);
    c.uhf->setChecked(true);
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(plane.m_FlightPlan.m_strIdent, "DEFGHIJ");
    EXPECT_EQ(plane.m_FlightPlan.m_strMarkings, "blau/weiß");
    EXPECT_EQ(plane.m_FlightPlan.m_nTransponder, 2);
    EXPECT_EQ(plane.m_FlightPlan.m_bRadioUhf, 1);
    EXPECT_EQ(plane.m_FlightPlan.m_strType, "C172");
    EXPECT_TRUE(prompt.Texts().empty());
}

}  // namespace
