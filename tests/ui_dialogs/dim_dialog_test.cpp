#include "core/ui/dim_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <functional>

#include "platform/scripted_prompt.h"

namespace {

// A dialog with one field of each sort the base exchanges.
class SampleDialog : public CDimDialog {
public:
    struct Values {
        int32_t altitude = 4500;
        int16_t altitudeUnit = DIM_FEET;
        int16_t wind = 20;
        int16_t windUnit = DIM_KT;
        int32_t distance = 12;
        int16_t distanceUnit = DIM_NM;
        int16_t armUnit = DIM_METER;
        float arm = 1.25f;
        int16_t massUnit = DIM_KG;
        float moment = 50.0f;
        int32_t count = 2;
        double latitude = 50.0;
    };

    explicit SampleDialog(Values& v) : CDimDialog(QStringLiteral("Probe")), v_(v) {
        auto* layout = new QVBoxLayout(this);
        for (QLineEdit** e : {&altitude, &wind, &distance, &arm, &moment, &count, &latitude}) {
            *e = NewEdit();
            layout->addWidget(*e);
        }
        altitudeUnit = NewUnitSelector(PARAM_ALTITUDE);
        windUnit = NewUnitSelector(PARAM_WIND);
        distanceUnit = NewUnitSelector(PARAM_DISTANCE);
        armUnit = NewUnitSelector(PARAM_ARM);
        massUnit = NewUnitSelector(PARAM_MASS);
        layout->addWidget(MakeOkCancelButtons());

        UnitSelector(altitudeUnit, v_.altitudeUnit);
        Field(altitude, FieldKind::Altitude, v_.altitude).Unit(altitudeUnit).Required().Range(-1000, 10000);
        UnitSelector(windUnit, v_.windUnit);
        Field(wind, FieldKind::WindSpeed, v_.wind).Unit(windUnit).Range(0, 99);
        UnitSelector(distanceUnit, v_.distanceUnit);
        Field(distance, FieldKind::Distance, v_.distance).Unit(distanceUnit).Range(0, 1);
        UnitSelector(armUnit, v_.armUnit);
        Field(arm, FieldKind::Arm, v_.arm).Unit(armUnit).Range(0, 5);
        UnitSelector(massUnit, v_.massUnit);
        Field(moment, FieldKind::Moment, v_.moment).Unit(armUnit).MassUnit(massUnit).Range(0, 1000);
        Integer(count, v_.count).Range(1, 12);
        Latitude(latitude, v_.latitude);
        SetHelpText(altitude, QStringLiteral("Hilfe zur Höhe"));
        ShowFields();
    }

    std::function<bool(SampleDialog&)> validate;
    int applied = 0;

    QLineEdit *altitude, *wind, *distance, *arm, *moment, *count, *latitude;
    QComboBox *altitudeUnit, *windUnit, *distanceUnit, *armUnit, *massUnit;

protected:
    bool Validate() override { return validate ? validate(*this) : true; }
    void Apply() override { ++applied; }

public:
    using CDimDialog::Fail;

private:
    Values& v_;
};

bool sameValues(const SampleDialog::Values& a, const SampleDialog::Values& b) {
    return a.altitude == b.altitude && a.altitudeUnit == b.altitudeUnit && a.wind == b.wind &&
           a.windUnit == b.windUnit && a.distance == b.distance && a.distanceUnit == b.distanceUnit &&
           a.armUnit == b.armUnit && a.arm == b.arm && a.massUnit == b.massUnit && a.moment == b.moment &&
           a.count == b.count && a.latitude == b.latitude;
}

// Fills every field with a valid entry, the wind in km/h and the moment in m*lbs.
void fillValid(SampleDialog& d) {
    d.altitude->setText("5000");
    d.windUnit->setCurrentIndex(2);  // km/h
    d.wind->setText("183");
    d.distance->setText("1");
    d.arm->setText("1,5");
    d.massUnit->setCurrentIndex(1);  // lbs
    d.moment->setText("2204.6");
    d.count->setText("3");
    d.latitude->setText("50 30 S");
}

}  // namespace

TEST(DimDialog, ShowsValuesInTheirUnits) {
    SampleDialog::Values v;
    v.armUnit = DIM_INCH;
    v.arm = ArmMarker(DIM_INCH);  // no arm given
    SampleDialog d(v);
    EXPECT_EQ(d.altitude->text(), "4500");
    EXPECT_EQ(d.altitudeUnit->currentText(), "ft");
    EXPECT_EQ(d.windUnit->currentText(), "kt");
    EXPECT_EQ(d.armUnit->currentText(), "Inch");
    EXPECT_EQ(d.arm->text(), "");
    EXPECT_EQ(d.moment->text(), "50.00");
    EXPECT_EQ(d.latitude->text(), " 50  0  0 N");
    EXPECT_EQ(d.OkButton()->text(), "OK");
    EXPECT_EQ(d.CancelButton()->text(), "Abbrechen");
}

TEST(DimDialog, OkReadsEveryFieldInTheUnitItsSelectorShows) {
    SampleDialog::Values v;
    SampleDialog d(v);
    fillValid(d);
    // No arm given while the selector shows Inch: the arm marker of Inch.
    d.armUnit->setCurrentIndex(2);
    d.arm->clear();
    d.moment->setText("86800");  // 0..1000 m*kg is 0..86796.62 Inch*lbs
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    d.accept();
    ASSERT_EQ(prompt.Texts(),
              std::vector<std::string>{
                  "Das Drehmoment 86800.00 sollte zwischen 0.00 und 86796.62 Inchlbs liegen!"});
    d.moment->setText("86795");
    d.accept();
    EXPECT_EQ(prompt.Texts().size(), 1u);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.applied, 1);
    EXPECT_EQ(v.altitude, 5000);
    EXPECT_EQ(v.wind, 183);
    EXPECT_EQ(v.windUnit, DIM_KMH);
    EXPECT_EQ(v.armUnit, DIM_INCH);
    EXPECT_EQ(v.arm, 3897.0f);
    EXPECT_EQ(v.massUnit, DIM_POUNDS);
    EXPECT_EQ(v.moment, 86795.0f);
    EXPECT_EQ(v.count, 3);
    EXPECT_DOUBLE_EQ(v.latitude, -50.5);
}

TEST(DimDialog, RefusesTheFirstBadFieldAndKeepsEveryValue) {
    struct Case {
        QLineEdit* SampleDialog::*field;
        const char* text;
        const char* message;
    } cases[] = {
        {&SampleDialog::altitude, "", "Bitte geben Sie eine Höhe (in ft) ein!"},
        {&SampleDialog::altitude, "hoch", "Bitte geben Sie eine Höhe (in ft) ein!"},  // no number is no 0
        {&SampleDialog::altitude, "10001", "Die Höhe 10001 sollte zwischen -1000 und 10000 ft liegen!"},
        {&SampleDialog::wind, "184", "Die Windgeschwindigkeit 184 sollte zwischen 0 und 183 km/h liegen!"},
        {&SampleDialog::distance, "2", "Die Entfernung 2 sollte zwischen 0 und 1 NM liegen!"},
        {&SampleDialog::moment, "2205",
         "Das Drehmoment 2205.00 sollte zwischen 0.00 und 2204.63 mlbs liegen!"},
        {&SampleDialog::count, "13", "Bitte geben Sie eine ganze Zahl zwischen 1 und 12 ein."},
        {&SampleDialog::count, "", "Bitte geben Sie eine ganze Zahl ein."},
        {&SampleDialog::count, "99999999999", "Bitte geben Sie eine ganze Zahl zwischen 1 und 12 ein."},
        {&SampleDialog::latitude, "95 N", "Bitte geben Sie eine Zahl zwischen -90 und 90 ein."},
    };
    for (const Case& c : cases) {
        SampleDialog::Values v;
        const SampleDialog::Values before = v;
        SampleDialog d(v);
        d.show();
        fillValid(d);
        QLineEdit* edit = d.*c.field;
        edit->setText(c.text);
        ScriptedPrompt prompt;
        PromptScope scope(prompt);
        d.OkButton()->click();
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(d.result(), QDialog::Rejected) << c.text;
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), edit) << c.text;
        EXPECT_EQ(edit->selectedText(), c.text);
        EXPECT_EQ(d.applied, 0);
        EXPECT_TRUE(sameValues(v, before)) << c.text;
    }
}

TEST(DimDialog, SelectorWithoutTheUnitKeepsItAndChecksInIt) {
    SampleDialog::Values v;
    v.distanceUnit = DIM_METER;  // not offered for distances
    v.distance = 1500;
    SampleDialog d(v);
    EXPECT_EQ(d.distanceUnit->currentIndex(), -1);
    EXPECT_EQ(CDimDialog::SelectedUnit(d.distanceUnit), DIM_METER);
    fillValid(d);
    d.distance->setText("2000");
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    d.accept();
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"Die Entfernung 2000 sollte zwischen 0 und 1852 m liegen!"});
    d.distance->setText("1852");
    d.accept();
    EXPECT_EQ(v.distance, 1852);
    EXPECT_EQ(v.distanceUnit, DIM_METER);
}

TEST(DimDialog, RefusalAfterTheFieldsUndoesTheirValues) {
    SampleDialog::Values v;
    const SampleDialog::Values before = v;
    SampleDialog d(v);
    fillValid(d);
    d.validate = [&v](SampleDialog& dlg) {
        EXPECT_EQ(v.altitude, 5000);  // the checks see the new values
        return dlg.Fail(dlg.count, "Zu viele.");
    };
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    d.accept();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Zu viele."});
    EXPECT_EQ(d.focusWidget(), d.count);
    EXPECT_TRUE(sameValues(v, before));
    EXPECT_EQ(d.applied, 0);

    d.reject();  // "Abbrechen" reads nothing
    EXPECT_TRUE(sameValues(v, before));
}

TEST(DimDialog, F1ShowsTheHelpOfTheFocusedControl) {
    SampleDialog::Values v;
    SampleDialog d(v);
    d.show();
    QApplication::setActiveWindow(&d);
    d.altitude->setFocus();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d.altitude, &f1);
    QWidget* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != &d) popup = w;
    }
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(CDimDialog::ContextHelpText(d.altitude), "Hilfe zur Höhe");
    EXPECT_EQ(CDimDialog::ContextHelpText(d.wind), "");
    QWhatsThis::hideText();
}
