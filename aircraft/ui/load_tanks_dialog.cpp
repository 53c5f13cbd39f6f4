#include "aircraft/ui/load_tanks_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Volumes in litres, arms in m.
constexpr double kVolumeMax = 5000;
constexpr double kArmMin = -5, kArmMax = 10;

}  // namespace

CLoadTanksDialog::CLoadTanksDialog(CPlane& plane, QWidget* parent)
    : CDimDialog(QStringLiteral("Treibstoffbehälter"), parent),
      plane_(plane),
      volumeUnit_(plane.m_nTankVolumeUnit),
      armUnit_(plane.m_nTankArmUnit),
      usable_(plane.m_fTankUsable),
      unusable_(plane.m_fTankUnusable),
      arm_(plane.m_fTankArm) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    c_.volumeUnit = NewUnitSelector(PARAM_VOLUME);
    c_.armUnit = NewUnitSelector(PARAM_ARM);
    grid->addWidget(new QLabel(QStringLiteral("Ausfliegbar"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Nicht ausfliegbar"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Hebelarme"), this), 0, 3);
    for (int t = 0; t < CPlane::kTanks; ++t) {
        auto* label = new QLabel(QStringLiteral("Tank %1").arg(t + 1), this);
        c_.usable[t] = NewEdit(6);
        c_.unusable[t] = NewEdit(6);
        c_.arm[t] = NewEdit(6);
        label->setBuddy(c_.usable[t]);
        grid->addWidget(label, t + 1, 0);
        grid->addWidget(c_.usable[t], t + 1, 1);
        grid->addWidget(c_.unusable[t], t + 1, 2);
        grid->addWidget(c_.arm[t], t + 1, 3);
        SetHelpText(c_.usable[t],
                    QStringLiteral("Kraftstoffmenge dieses Tanks, die im Flug genutzt werden kann "
                                   "(bis 5000 l). Leer: den Tank gibt es nicht."));
        SetHelpText(c_.unusable[t], QStringLiteral("Kraftstoffmenge, die im Tank bleibt und nicht genutzt "
                                                   "werden kann (bis 5000 l)."));
        SetHelpText(c_.arm[t], QStringLiteral("Hebelarm des Tanks, vom Bezugspunkt des Flugzeuges aus "
                                              "(-5 bis 10 m)."));
    }
    grid->addWidget(c_.volumeUnit, 4, 1, 1, 2);
    grid->addWidget(c_.armUnit, 4, 3);
    SetHelpText(c_.volumeUnit, QStringLiteral("Einheit der Tankvolumen."));
    SetHelpText(c_.armUnit, QStringLiteral("Einheit der Hebelarme der Tanks."));
    layout->addLayout(grid);

    UnitSelector(c_.volumeUnit, volumeUnit_);
    UnitSelector(c_.armUnit, armUnit_);
    for (int t = 0; t < CPlane::kTanks; ++t) {
        const auto k = static_cast<size_t>(t);
        Field(c_.usable[t], FieldKind::Volume, usable_[k]).Unit(c_.volumeUnit).Range(0, kVolumeMax);
        Field(c_.unusable[t], FieldKind::Volume, unusable_[k]).Unit(c_.volumeUnit).Range(0, kVolumeMax);
        Field(c_.arm[t], FieldKind::Arm, arm_[k]).Unit(c_.armUnit).Range(kArmMin, kArmMax);
    }

    layout->addWidget(MakeOkCancelButtons());
    ShowFields();
}

void CLoadTanksDialog::Apply() {
    plane_.m_nTankVolumeUnit = volumeUnit_;
    plane_.m_nTankArmUnit = armUnit_;
    plane_.m_fTankUsable = usable_;
    plane_.m_fTankUnusable = unusable_;
    plane_.m_fTankArm = arm_;
    // Tanks in use: up to the last one with a usable volume.
    int16_t tanks = 0;
    for (int t = 0; t < CPlane::kTanks; ++t)
        if (usable_[static_cast<size_t>(t)] != CPlane::kVolumeNotGiven) tanks = static_cast<int16_t>(t + 1);
    plane_.m_nTanks = tanks;
}

bool EditTanks(QWidget* parent, CPlane& plane) {
    CLoadTanksDialog dialog(plane, parent);
    return dialog.exec() == QDialog::Accepted;
}
