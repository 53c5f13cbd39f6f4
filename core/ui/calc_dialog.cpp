#include "core/ui/calc_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/numtext.h"

CCalcDialog::Values CCalcDialog::ValuesOf(const CCalcDoc& calc) {
    const CCalcDoc::Date date = calc.GetFlightDate();
    return {date.day,
            date.month,
            date.year,
            calc.m_nTaxiTime,
            calc.m_nApproachTime,
            calc.m_nReserveTime,
            calc.m_nClimbThreshold,
            calc.m_nClimbThresholdUnit,
            calc.m_nSemicircleThreshold,
            calc.m_nSemicircleThresholdUnit,
            calc.m_nGreatCircleThreshold,
            calc.m_nGreatCircleThresholdUnit,
            calc.m_nAutoRouteThreshold,
            calc.m_nAutoRouteThresholdUnit,
            calc.m_nCruiseAltitude,
            calc.m_nCruiseAltitudeUnit,
            calc.m_nDetour};
}

CCalcDialog::CCalcDialog(CCalcDoc& calc, QWidget* parent)
    : CDimDialog(QStringLiteral("Berechnung - Voreinstellungen"), parent), calc_(calc), v_(ValuesOf(calc)) {
    auto* layout = new QVBoxLayout(this);
    auto newGroup = [&](const char* title) {
        auto* box = new QGroupBox(qs(title), this);
        layout->addWidget(box);
        return box;
    };

    // Flight date.
    {
        QGroupBox* box = newGroup("Berechnung der Zeiten für den Auf- und Untergang der Sonne:");
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Für das Datum:"), box), 0, 0);
        auto* row = new QHBoxLayout;
        c_.day = NewEdit(2);
        c_.month = NewEdit(2);
        c_.year = NewEdit(4);
        for (QLineEdit* e : {c_.day, c_.month, c_.year}) {
            row->addWidget(e);
            SetHelp(e, "calc.date");
        }
        row->addStretch();
        grid->addLayout(row, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Tag Monat Jahr"), box), 1, 1);
        Integer(c_.day, v_.day).Range(1, 31);
        Integer(c_.month, v_.month).Range(1, 12);
        Integer(c_.year, v_.year).Range(1990, 2099);
    }

    // Time allowances of the fuel plan.
    {
        QGroupBox* box = newGroup("Zeitzuschläge (in Minuten) für die Treibstoffberechnung:");
        auto* row = new QHBoxLayout(box);
        const struct {
            const char* label;
            QLineEdit** edit;
            int16_t* value;
            const char* help;
        } times[] = {{"Rollen:", &c_.taxi, &v_.taxi, "calc.taxi"},
                     {"An-/Abflug:", &c_.approach, &v_.approach, "calc.approach"},
                     {"Reserve:", &c_.reserve, &v_.reserve, "calc.reserve"}};
        for (const auto& t : times) {
            *t.edit = NewEdit(4);
            auto* label = new QLabel(qs(t.label), box);
            label->setBuddy(*t.edit);
            row->addWidget(label);
            row->addWidget(*t.edit);
            SetHelp(*t.edit, t.help);
            // Minutes that fit the stored width; a negative allowance would
            // shorten the planned fuel.
            Integer(*t.edit, *t.value).Range(0, INT16_MAX);
        }
        row->addStretch();
    }

    // A threshold (or the cruise altitude) with its unit selector.
    auto threshold = [&](const char* title, const char* label, int type, QLineEdit*& edit, QComboBox*& unit,
                         const char* help) {
        QGroupBox* box = newGroup(title);
        auto* row = new QHBoxLayout(box);
        edit = NewEdit(6);
        unit = NewUnitSelector(type);
        if (label) {
            auto* l = new QLabel(qs(label), box);
            l->setBuddy(edit);
            row->addWidget(l);
        }
        row->addWidget(edit);
        row->addWidget(unit);
        row->addStretch();
        SetHelp(edit, help);
        SetHelp(unit, "calc.unit");
    };
    threshold("Berechnung der Wegpunkte für Steig- und Sinkflug:", "Ab einem Höhenunterschied von",
              PARAM_ALTITUDE, c_.climb, c_.climbUnit, "calc.toc");
    threshold("Anpassung der Flughöhen an die Halbkreisflughöhen:", "Ab einer Flughöhe von", PARAM_ALTITUDE,
              c_.semicircle, c_.semicircleUnit, "calc.semicircle");
    threshold("Berechnung von Wegpunkten für einen Großkreis:", "Ab einer Flugabschnittslänge von",
              PARAM_DISTANCE, c_.greatCircle, c_.greatCircleUnit, "calc.greatcircle");
    threshold("Automatische Aufnahme von Wegpunkten (AutoRouting):", "Ab einer Flugabschnittslänge von",
              PARAM_DISTANCE, c_.autoRoute, c_.autoRouteUnit, "calc.autoroute");
    threshold("Bevorzugte Reiseflughöhe:", nullptr, PARAM_ALTITUDE, c_.cruise, c_.cruiseUnit, "calc.cruise");

    UnitSelector(c_.climbUnit, v_.climbUnit);
    Field(c_.climb, FieldKind::Altitude, v_.climb).Unit(c_.climbUnit).Required().Range(500, 10000);
    UnitSelector(c_.semicircleUnit, v_.semicircleUnit);
    Field(c_.semicircle, FieldKind::Altitude, v_.semicircle)
        .Unit(c_.semicircleUnit)
        .Required()
        .Range(500, 5000);
    UnitSelector(c_.greatCircleUnit, v_.greatCircleUnit);
    Field(c_.greatCircle, FieldKind::Distance, v_.greatCircle)
        .Unit(c_.greatCircleUnit)
        .Required()
        .Range(250, 5000);
    UnitSelector(c_.autoRouteUnit, v_.autoRouteUnit);
    Field(c_.autoRoute, FieldKind::Distance, v_.autoRoute).Unit(c_.autoRouteUnit).Required().Range(10, 100);
    UnitSelector(c_.cruiseUnit, v_.cruiseUnit);
    // The cruise altitude is stored in 16 bits: an empty field or a height
    // beyond that width could not be kept.
    Field(c_.cruise, FieldKind::Altitude, v_.cruise).Unit(c_.cruiseUnit).Required().Range(0, INT16_MAX);

    // Permitted detour of auto-routing.
    {
        QGroupBox* box = newGroup("Zulässiger Umweg");
        auto* row = new QHBoxLayout(box);
        c_.large = new QRadioButton(QStringLiteral("Groß"), box);
        c_.medium = new QRadioButton(QStringLiteral("Mittel"), box);
        c_.small = new QRadioButton(QStringLiteral("Klein"), box);
        for (QRadioButton* b : {c_.large, c_.medium, c_.small}) {
            row->addWidget(b);
            SetHelp(b, "calc.detour");
        }
        row->addStretch();
        SetHelp(box, "calc.detour");
        Radio(v_.detour, {{c_.large, 2}, {c_.medium, 3}, {c_.small, 4}});
    }

    QDialogButtonBox* buttons = MakeOkCancelButtons();
    c_.defaults = buttons->addButton(QStringLiteral("Ausgangszustand"), QDialogButtonBox::ResetRole);
    connect(c_.defaults, &QPushButton::clicked, this, &CCalcDialog::ResetToDefaults);
    SetHelp(OkButton(), "dialog.ok");
    SetHelp(CancelButton(), "dialog.cancel");
    SetHelp(c_.defaults, "calc.defaults");
    layout->addWidget(buttons);

    ShowFields();
}

void CCalcDialog::ResetToDefaults() {
    calc_.ResetFlightDate();
    const CCalcDoc defaults;
    const CCalcDoc::Date today = calc_.GetFlightDate();
    v_ = ValuesOf(defaults);
    v_.day = today.day;
    v_.month = today.month;
    v_.year = today.year;
    ShowFields();
}

bool CCalcDialog::Validate() {
    if (CCalcDoc::IsValidDate(v_.day, v_.month, v_.year)) return true;
    return Fail(c_.day, strFormat("Das Datum %02d.%02d.%04d gibt es nicht!", static_cast<int>(v_.day),
                                  static_cast<int>(v_.month), static_cast<int>(v_.year)));
}

void CCalcDialog::Apply() {
    calc_.SetFlightDate(v_.day, v_.month, v_.year);
    calc_.m_nTaxiTime = v_.taxi;
    calc_.m_nApproachTime = v_.approach;
    calc_.m_nReserveTime = v_.reserve;
    calc_.m_nClimbThreshold = v_.climb;
    calc_.m_nClimbThresholdUnit = v_.climbUnit;
    calc_.m_nSemicircleThreshold = v_.semicircle;
    calc_.m_nSemicircleThresholdUnit = v_.semicircleUnit;
    calc_.m_nGreatCircleThreshold = v_.greatCircle;
    calc_.m_nGreatCircleThresholdUnit = v_.greatCircleUnit;
    calc_.m_nAutoRouteThreshold = v_.autoRoute;
    calc_.m_nAutoRouteThresholdUnit = v_.autoRouteUnit;
    calc_.m_nCruiseAltitude = v_.cruise;
    calc_.m_nCruiseAltitudeUnit = v_.cruiseUnit;
    calc_.m_nDetour = v_.detour;
}
