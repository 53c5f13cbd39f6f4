#include "aircraft/ui/load_arms_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Arms in m, measured from the aircraft's datum.
constexpr double kArmMin = -5, kArmMax = 10;

// The number of positions in use: up to the last one with an arm.
template <size_t N>
int16_t positionsInUse(const std::array<float, N>& arms, int armUnit) {
    int16_t count = 0;
    for (size_t i = 0; i < N; ++i)
        if (arms[i] != ArmMarker(armUnit)) count = static_cast<int16_t>(i + 1);
    return count;
}

}  // namespace

CLoadArmsDialog::CLoadArmsDialog(CPlane& plane, QWidget* parent)
    : CDimDialog(QStringLiteral("Hebelarme"), parent),
      plane_(plane),
      armUnit_(plane.m_nLoadArmUnit),
      seat_(plane.m_fSeatArm),
      baggage_(plane.m_fBaggageArm) {
    auto* layout = new QVBoxLayout(this);
    auto* unitRow = new QHBoxLayout;
    c_.armUnit = NewUnitSelector(PARAM_ARM);
    auto* unitLabel = new QLabel(QStringLiteral("Hebelarme in:"), this);
    unitLabel->setBuddy(c_.armUnit);
    unitRow->addWidget(unitLabel);
    unitRow->addWidget(c_.armUnit);
    unitRow->addStretch();
    layout->addLayout(unitRow);
    SetHelpText(c_.armUnit, QStringLiteral("Einheit der Hebelarme."));

    auto* grid = new QGridLayout;
    for (int i = 0; i < 5; ++i)
        grid->addWidget(new QLabel(QString::number(i + 1), this), 0, i + 1, Qt::AlignHCenter);
    auto* seatLabel = new QLabel(QStringLiteral("Sitzreihe:"), this);
    auto* baggageLabel = new QLabel(QStringLiteral("Gepäckabteil:"), this);
    grid->addWidget(seatLabel, 1, 0);
    grid->addWidget(baggageLabel, 2, 0);
    for (int i = 0; i < 5; ++i) {
        c_.seat[i] = NewEdit(6);
        c_.baggage[i] = NewEdit(6);
        grid->addWidget(c_.seat[i], 1, i + 1);
        grid->addWidget(c_.baggage[i], 2, i + 1);
        SetHelpText(c_.seat[i],
                    QStringLiteral("Hebelarm dieser Sitzreihe, vom Bezugspunkt des Flugzeuges aus "
                                   "(-5 bis 10 m). Leer: die Reihe gibt es nicht."));
        SetHelpText(c_.baggage[i], QStringLiteral("Hebelarm dieses Gepäckabteils (-5 bis 10 m). Leer: das "
                                                  "Abteil gibt es nicht."));
    }
    seatLabel->setBuddy(c_.seat[0]);
    baggageLabel->setBuddy(c_.baggage[0]);
    layout->addLayout(grid);

    UnitSelector(c_.armUnit, armUnit_);
    for (int i = 0; i < CPlane::kSeatRows; ++i)
        Field(c_.seat[i], FieldKind::Arm, seat_[static_cast<size_t>(i)])
            .Unit(c_.armUnit)
            .Required(i == 0)
            .Range(kArmMin, kArmMax);
    for (int i = 0; i < CPlane::kBaggageCompartments; ++i)
        Field(c_.baggage[i], FieldKind::Arm, baggage_[static_cast<size_t>(i)])
            .Unit(c_.armUnit)
            .Range(kArmMin, kArmMax);

    layout->addWidget(MakeOkCancelButtons());
    ShowFields();
}

void CLoadArmsDialog::Apply() {
    plane_.m_nLoadArmUnit = armUnit_;
    plane_.m_fSeatArm = seat_;
    plane_.m_fBaggageArm = baggage_;
    plane_.m_nSeatRows = positionsInUse(seat_, armUnit_);
    plane_.m_nBaggageCompartments = positionsInUse(baggage_, armUnit_);
}

bool EditArms(QWidget* parent, CPlane& plane) {
    CLoadArmsDialog dialog(plane, parent);
    return dialog.exec() == QDialog::Accepted;
}
