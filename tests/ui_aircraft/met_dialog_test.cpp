#include "aircraft/ui/met_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "platform/scripted_prompt.h"

namespace {

using Controls = CMetDialog::Controls;

// The weather as the dialog writes it, for comparing before and after.
struct MetValues {
    MetAerodrome departure, destination;
    int windUnit;
    std::array<LegWind, CMetDoc::kLayers> winds;
    bool operator==(const MetValues& o) const {
        auto same = [](const MetAerodrome& a, const MetAerodrome& b) {
            return a.temperature == b.temperature && a.temperatureUnit == b.temperatureUnit &&
                   a.qnh == b.qnh && a.pressureUnit == b.pressureUnit && a.wet == b.wet;
        };
        return same(departure, o.departure) && same(destination, o.destination) && windUnit == o.windUnit &&
               winds == o.winds;
    }
};

MetValues valuesOf(const CMetDoc& met) {
    MetValues v{met.GetDeparture(), met.GetDestination(), met.m_nWindUnit, {}};
    for (int i = 0; i < CMetDoc::kLayers; ++i) v.winds[static_cast<size_t>(i)] = met.GetLayerWind(i);
    return v;
}

TEST(MetDialog, OkStoresUnitsValuesAndWindsWithInHgTimesHundred) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CMetDoc met;
    {
        CMetDialog d(met);
        d.show();
        const Controls& c = d.GetControls();
        EXPECT_EQ(c.departure.temperature->text(), "15");
        EXPECT_EQ(c.departure.qnh->text(), "1013");
        EXPECT_EQ(c.departure.pressureUnit->currentText(), "hPa");
        EXPECT_EQ(c.speed[3]->text(), "0");

        c.departure.temperature->setText("-5");
        CDimDialog::SelectUnit(c.departure.pressureUnit, DIM_INCHHG);
        c.departure.qnh->setText("29.92");
        c.departure.wet->setChecked(true);
        CDimDialog::SelectUnit(c.windUnit, DIM_KMH);
        c.direction[0]->setText("270");
        c.speed[0]->setText("37");
        c.direction[3]->setText("360");
        c.speed[3]->setText("150");

        // "&Benutze" copies the departure into the destination.
        c.copyToDestination->click();
        EXPECT_EQ(c.destination.qnh->text(), "29.92");
        EXPECT_EQ(c.destination.pressureUnit->currentText(), c.departure.pressureUnit->currentText());
        EXPECT_EQ(c.destination.temperature->text(), "-5");
        EXPECT_TRUE(c.destination.wet->isChecked());

        d.accept();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(prompt.Texts().empty());
    EXPECT_EQ(met.m_nDeparturePressureUnit, DIM_INCHHG);
    EXPECT_EQ(met.m_nDepartureQnh, 2992);
    EXPECT_EQ(met.m_nDestinationPressureUnit, DIM_INCHHG);
    EXPECT_EQ(met.m_nDestinationQnh, 2992);
    EXPECT_EQ(met.m_nDepartureTemperature, -5);
    EXPECT_EQ(met.m_bDepartureWet, 1);
    EXPECT_EQ(met.m_bDestinationWet, 1);
    EXPECT_EQ(met.m_nWindUnit, DIM_KMH);
    EXPECT_EQ(met.GetLayerWind(0), (LegWind{270, 37}));
    EXPECT_EQ(met.GetLayerWind(3), (LegWind{360, 150}));

    CMetDialog again(met);
    EXPECT_EQ(again.GetControls().departure.qnh->text(), "29.92");
    EXPECT_EQ(again.GetControls().departure.pressureUnit->currentText(), "InHg");
}

TEST(MetDialog, RefusedValueShowsItsMessageTakesTheFocusAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<QLineEdit*(const Controls&)> field;
        const char* text;
        const char* shownValue;  // part of the message
    };
    const Case cases[] = {
        {"departure too hot", [](const Controls& c) { return c.departure.temperature; }, "71", "71"},
        {"departure QNH too low", [](const Controls& c) { return c.departure.qnh; }, "919", "919"},
        {"direction beyond 360", [](const Controls& c) { return c.direction[2]; }, "361", "360"},
        {"wind too strong", [](const Controls& c) { return c.speed[1]; }, "100", "100"},
        {"destination QNH no number", [](const Controls& c) { return c.destination.qnh; }, "abc", "Bitte"},
        {"destination too cold", [](const Controls& c) { return c.destination.temperature; }, "-71", "-71"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        ScriptedPrompt prompt;
        PromptScope scope(prompt);
        CMetDoc met;
        met.SetLayerWind(0, 90, 5);
        const MetValues before = valuesOf(met);
        CMetDialog d(met);
        d.show();
        const Controls& c = d.GetControls();
        // Valid changes in other fields must not slip through either.
        c.departure.wet->setChecked(true);
        c.speed[0]->setText("7");
        QLineEdit* field = k.field(c);
        field->setText(QString::fromUtf8(k.text));
        d.accept();
        ASSERT_EQ(prompt.Texts().size(), 1u);
        EXPECT_NE(prompt.Texts()[0].find(k.shownValue), std::string::npos) << prompt.Texts()[0];
        EXPECT_EQ(d.focusWidget(), field);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(valuesOf(met), before);
    }
}

TEST(MetDialog, CancelChangesNothing) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CMetDoc met;
    const MetValues before = valuesOf(met);
    CMetDialog d(met);
    d.show();
    const Controls& c = d.GetControls();
    c.departure.temperature->setText("30");
    CDimDialog::SelectUnit(c.windUnit, DIM_MPS);
    c.speed[2]->setText("10");
    c.copyToDestination->click();
    d.reject();
    EXPECT_EQ(valuesOf(met), before);
    EXPECT_TRUE(prompt.Texts().empty());
}

}  // namespace
