#include "aircraft/ui/plane_sub_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// ---- "Start und Landung" ------------------------------------------------------------------

namespace {

// Ranges of the table (kg and m); a missing mass is -1 and a missing
// distance 1, the markers of the mass and runway-length fields.
constexpr double kMassMin = 100, kMassMax = 15000;
constexpr double kLengthMax = 5000;
constexpr double kLengthMin = 50;
constexpr double kLandingMinRollMin = 5;

}  // namespace

CPlaneRunwayDialog::CPlaneRunwayDialog(CPlane& plane, QWidget* parent)
    : CDimDialog(QStringLiteral("Start und Landung"), parent),
      plane_(plane),
      massUnit_(plane.m_nTableMassUnit),
      lengthUnit_(plane.m_nTableLengthUnit),
      takeOff_(plane.m_TakeOff),
      landing_(plane.m_Landing) {
    auto* layout = new QVBoxLayout(this);

    auto* unitsBox = new QGroupBox(QStringLiteral("Einheiten:"), this);
    auto* unitsRow = new QHBoxLayout(unitsBox);
    c_.massUnit = NewUnitSelector(PARAM_MASS);
    c_.lengthUnit = NewUnitSelector(PARAM_RUNWAY);
    auto* massLabel = new QLabel(QStringLiteral("Gewicht:"), unitsBox);
    massLabel->setBuddy(c_.massUnit);
    auto* lengthLabel = new QLabel(QStringLiteral("Strecke:"), unitsBox);
    lengthLabel->setBuddy(c_.lengthUnit);
    unitsRow->addWidget(massLabel);
    unitsRow->addWidget(c_.massUnit);
    unitsRow->addWidget(lengthLabel);
    unitsRow->addWidget(c_.lengthUnit);
    unitsRow->addStretch();
    layout->addWidget(unitsBox);
    SetHelp(c_.massUnit, "planerwy.unit");
    SetHelp(c_.lengthUnit, "planerwy.unit");
    UnitSelector(c_.massUnit, massUnit_);
    UnitSelector(c_.lengthUnit, lengthUnit_);

    // One table: heads, then the rows "Max:" and "Min:".
    auto table = [&](const char* title, Row(&rows)[2], CPlaneDistances& values, double minRollMin) {
        auto* box = new QGroupBox(qs(title), this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Gewicht"), box), 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Rollstrecke"), box), 0, 2);
        grid->addWidget(new QLabel(QStringLiteral("15 m Hindernis"), box), 0, 3);
        const char* captions[2] = {"Max:", "Min:"};
        for (int r = 0; r < 2; ++r) {
            Row& row = rows[r];
            grid->addWidget(new QLabel(qs(captions[r]), box), r + 1, 0);
            row.mass = NewEdit(6);
            row.roll = NewEdit(6);
            row.obstacle = NewEdit(6);
            grid->addWidget(row.mass, r + 1, 1);
            grid->addWidget(row.roll, r + 1, 2);
            grid->addWidget(row.obstacle, r + 1, 3);
            SetHelp(row.mass, r == 0 ? "planerwy.maxmass" : "planerwy.minmass");
            SetHelp(row.roll, "planerwy.roll");
            SetHelp(row.obstacle, "planerwy.obstacle");
        }
        layout->addWidget(box);
        // The maximum mass and its distance over the obstacle are needed for
        // every computation; the rest is optional.
        for (int r = 0; r < 2; ++r) {
            const auto k = static_cast<size_t>(r);
            const bool max = r == 0;
            Field(rows[r].mass, FieldKind::Mass, values.m_fMass[k])
                .Unit(c_.massUnit)
                .Required(max)
                .Range(kMassMin, kMassMax);
            Field(rows[r].roll, FieldKind::RunwayLength, values.m_fRoll[k])
                .Unit(c_.lengthUnit)
                .Range(max ? kLengthMin : minRollMin, kLengthMax);
            Field(rows[r].obstacle, FieldKind::RunwayLength, values.m_fObstacle[k])
                .Unit(c_.lengthUnit)
                .Required(max)
                .Range(kLengthMin, kLengthMax);
        }
    };
    table("Startstrecken (NN, Standardatmosphäre):", c_.takeOff, takeOff_, kLengthMin);
    table("Landestrecken (NN, Standardatmosphäre):", c_.landing, landing_, kLandingMinRollMin);

    layout->addWidget(MakeOkCancelButtons());
    SetHelp(OkButton(), "dialog.ok");
    SetHelp(CancelButton(), "dialog.cancel");
    ShowFields();
}

void CPlaneRunwayDialog::Apply() {
    plane_.m_nTableMassUnit = massUnit_;
    plane_.m_nTableLengthUnit = lengthUnit_;
    plane_.m_TakeOff = takeOff_;
    plane_.m_Landing = landing_;
}

// ---- "Angaben für den Flugplan" ------------------------------------------------------------

CPlaneFlightPlanDialog::CPlaneFlightPlanDialog(CPlane& plane, QWidget* parent)
    : CDimDialog(QStringLiteral("Angaben für den Flugplan"), parent),
      plane_(plane),
      data_(plane.m_FlightPlan) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    auto addRow = [&](const char* caption, QWidget* field) {
        auto* label = new QLabel(qs(caption), this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };

    c_.ident = NewEdit(8);
    addRow("Lfz.-Kennung:", c_.ident);
    c_.type = NewEdit(5);
    addRow("Muster d. Lfz.:", c_.type);

    auto* equipmentRow = new QWidget(this);
    auto* equipmentLayout = new QHBoxLayout(equipmentRow);
    equipmentLayout->setContentsMargins(0, 0, 0, 0);
    c_.equipment = NewEdit(7);
    c_.transponder = new QComboBox(equipmentRow);
    for (const char* code : {"N", "0", "2", "4", "C"}) c_.transponder->addItem(qs(code));
    equipmentLayout->addWidget(c_.equipment);
    equipmentLayout->addWidget(new QLabel(QStringLiteral("/"), equipmentRow));
    equipmentLayout->addWidget(c_.transponder);
    equipmentLayout->addStretch();
    addRow("Ausrüstung:", equipmentRow);

    auto* radioRow = new QWidget(this);
    auto* radioLayout = new QHBoxLayout(radioRow);
    radioLayout->setContentsMargins(0, 0, 0, 0);
    c_.uhf = new QCheckBox(QStringLiteral("UHF"), radioRow);
    c_.vhf = new QCheckBox(QStringLiteral("VHF"), radioRow);
    c_.beacon = new QCheckBox(QStringLiteral("ELBA"), radioRow);
    for (QCheckBox* box : {c_.uhf, c_.vhf, c_.beacon}) {
        radioLayout->addWidget(box);
        SetHelp(box, "planefpl.radio");
    }
    radioLayout->addStretch();
    addRow("Notfunkfrequenz:", radioRow);

    c_.markings = new QLineEdit(this);
    c_.markings->setMinimumWidth(320);
    addRow("Farbe und Markierung d. Lfz.:", c_.markings);

    SetHelp(c_.ident, "planefpl.ident");
    SetHelp(c_.type, "planefpl.type");
    SetHelp(c_.equipment, "planefpl.equipment");
    SetHelp(c_.transponder, "planefpl.transponder");
    SetHelp(c_.markings, "planefpl.markings");

    // Each text leaves room for its terminator in the aircraft record.
    Text(c_.ident, data_.m_strIdent).MaxChars(7);
    Text(c_.type, data_.m_strType).MaxChars(4);
    Text(c_.equipment, data_.m_strEquipment).MaxChars(6);
    Choice(c_.transponder, data_.m_nTransponder);
    Check(c_.uhf, data_.m_bRadioUhf);
    Check(c_.vhf, data_.m_bRadioVhf);
    Check(c_.beacon, data_.m_bBeacon);
    Text(c_.markings, data_.m_strMarkings).MaxChars(127);

    layout->addWidget(MakeOkCancelButtons());
    SetHelp(OkButton(), "dialog.ok");
    SetHelp(CancelButton(), "dialog.cancel");
    ShowFields();
}

void CPlaneFlightPlanDialog::Apply() {
    plane_.m_FlightPlan = data_;
}

// ---- as editor functions --------------------------------------------------------------------

bool EditPlaneRunwayTable(CPlane& plane, QWidget* parent) {
    CPlaneRunwayDialog dialog(plane, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool EditPlaneFlightPlanData(CPlane& plane, QWidget* parent) {
    CPlaneFlightPlanDialog dialog(plane, parent);
    return dialog.exec() == QDialog::Accepted;
}
