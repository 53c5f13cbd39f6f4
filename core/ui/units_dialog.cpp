#include "core/ui/units_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct UnitChoice {
    const char* caption;
    int unit;
};

}  // namespace

CUnitsDialog::CUnitsDialog(CDimDoc& units, QWidget* parent)
    : CDimDialog(QStringLiteral("Einheiten - Voreinstellungen"), parent), units_(units) {
    v_ = {units.m_nAltitude,    units.m_nDistance, units.m_nRunway, units.m_nMass, units.m_nWind,
          units.m_nTemperature, units.m_nPressure, units.m_nFuel,   units.m_nArm,  units.m_nPositionFormat};

    auto* grid = new QGridLayout;
    int slot = 0;
    // One radio group per preference; its buttons stand for unit codes.
    auto group = [&](const char* title, const char* helpKey, int16_t& value,
                     std::initializer_list<UnitChoice> choices) {
        auto* box = new QGroupBox(qs(title), this);
        box->setObjectName(qs(title));
        auto* column = new QVBoxLayout(box);
        std::vector<std::pair<QAbstractButton*, int>> buttons;
        for (const UnitChoice& c : choices) {
            auto* button = new QRadioButton(qs(c.caption), box);
            column->addWidget(button);
            SetHelp(button, helpKey);
            buttons.emplace_back(button, c.unit);
        }
        column->addStretch();
        SetHelp(box, helpKey);
        grid->addWidget(box, slot / 3, slot % 3);
        ++slot;
        Radio(value, std::move(buttons));
    };
    group("Höhe", "units.altitude", v_.altitude, {{"ft", DIM_FEET}, {"m", DIM_METER}});
    group("Distanz", "units.distance", v_.distance,
          {{"NM", DIM_NM}, {"Stat. Miles", DIM_STM}, {"km", DIM_KM}, {"m", DIM_METER}});
    group("Bahnlänge", "units.runway", v_.runway, {{"m", DIM_METER}, {"ft", DIM_FEET}});
    group("Wind", "units.wind", v_.wind, {{"kt", DIM_KT}, {"m/s", DIM_MPS}, {"km/h", DIM_KMH}});
    group("Temperatur", "units.temperature", v_.temperature, {{"Grad C", DIM_C}, {"Grad F", DIM_F}});
    group("Luftdruck", "units.pressure", v_.pressure,
          {{"hPa", DIM_HPA}, {"Inch Hg", DIM_INCHHG}, {"mm Hg", DIM_MMHG}});
    group("Hebelarm", "units.arm", v_.arm, {{"m", DIM_METER}, {"cm", DIM_CM}, {"Inch", DIM_INCH}});
    group("Masse", "units.mass", v_.mass, {{"kp", DIM_KG}, {"Pounds", DIM_POUNDS}});
    group("Treibstoff", "units.fuel", v_.fuel,
          {{"Liter", DIM_LITER}, {"US Gallons", DIM_USGAL}, {"Br. Gallons", DIM_BRGAL}});

    auto* formatRow = new QHBoxLayout;
    auto* formatLabel = new QLabel(QStringLiteral("Format für\nPositionsangaben:"), this);
    format_ = new QComboBox(this);
    format_->addItems({QStringLiteral("123 12 12 N"), QStringLiteral("123 12.2 N")});
    formatLabel->setBuddy(format_);
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(format_);
    formatRow->addStretch();
    SetHelp(format_, "units.position");
    SetHelp(formatLabel, "units.position");
    Choice(format_, v_.positionFormat);

    QDialogButtonBox* buttons = MakeOkCancelButtons();
    SetHelp(OkButton(), "dialog.ok");
    SetHelp(CancelButton(), "dialog.cancel");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(formatRow);
    layout->addWidget(buttons);

    ShowFields();
}

QRadioButton* CUnitsDialog::Button(const QString& group, const QString& caption) const {
    const auto* box = findChild<QGroupBox*>(group);
    if (!box) return nullptr;
    for (QRadioButton* b : box->findChildren<QRadioButton*>()) {
        if (b->text() == caption) return b;
    }
    return nullptr;
}

void CUnitsDialog::Apply() {
    units_.m_nAltitude = v_.altitude;
    units_.m_nDistance = v_.distance;
    units_.m_nRunway = v_.runway;
    units_.m_nMass = v_.mass;
    units_.m_nWind = v_.wind;
    units_.m_nTemperature = v_.temperature;
    units_.m_nPressure = v_.pressure;
    units_.m_nFuel = v_.fuel;
    units_.m_nArm = v_.arm;
    units_.m_nPositionFormat = v_.positionFormat;
}
