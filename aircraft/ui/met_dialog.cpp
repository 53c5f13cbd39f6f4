#include "aircraft/ui/met_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/numtext.h"

namespace {

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

CMetDialog::Aerodrome CMetDialog::MakeAerodrome(const char* title, const char* helpPrefix,
                                                QBoxLayout* layout) {
    Aerodrome a{};
    auto* box = new QGroupBox(qs(title), this);
    auto* grid = new QGridLayout(box);
    a.temperature = NewEdit(5);
    a.temperatureUnit = NewUnitSelector(PARAM_TEMPERATURE);
    a.qnh = NewEdit(7);
    a.pressureUnit = NewUnitSelector(PARAM_PRESSURE);
    a.wet = new QCheckBox(QStringLiteral("&Feucht"), box);

    auto* temperatureLabel = new QLabel(QStringLiteral("Temperatur:"), box);
    temperatureLabel->setBuddy(a.temperature);
    grid->addWidget(temperatureLabel, 0, 0);
    grid->addWidget(a.temperature, 0, 1);
    grid->addWidget(a.temperatureUnit, 0, 2);
    auto* qnhLabel = new QLabel(QStringLiteral("QNH:"), box);
    qnhLabel->setBuddy(a.qnh);
    grid->addWidget(qnhLabel, 1, 0);
    grid->addWidget(a.qnh, 1, 1);
    grid->addWidget(a.pressureUnit, 1, 2);
    grid->addWidget(a.wet, 2, 0, 1, 3);
    layout->addWidget(box);

    const std::string prefix = helpPrefix;
    SetHelp(a.temperature, prefix + ".temperature");
    SetHelp(a.temperatureUnit, "met.unit");
    SetHelp(a.qnh, prefix + ".qnh");
    SetHelp(a.pressureUnit, "met.unit");
    SetHelp(a.wet, prefix + ".wet");
    return a;
}

CMetDialog::CMetDialog(CMetDoc& met, QWidget* parent)
    : CDimDialog(QStringLiteral("Wetter"), parent), met_(met) {
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    layout->addLayout(groups);

    c_.departure = MakeAerodrome("Am Startplatz:", "met.departure", groups);

    // Winds aloft: one column per layer, directions above speeds.
    {
        auto* box = new QGroupBox(QStringLiteral("Höhenwinde"), this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Grad"), box), 1, 0);
        auto* unitCell = new QHBoxLayout;
        unitCell->addWidget(new QLabel(QStringLiteral("in"), box));
        c_.windUnit = NewUnitSelector(PARAM_WIND);
        unitCell->addWidget(c_.windUnit);
        grid->addLayout(unitCell, 2, 0);
        SetHelp(c_.windUnit, "met.windunit");
        for (int i = 0; i < CMetDoc::kLayers; ++i) {
            const auto k = static_cast<size_t>(i);
            grid->addWidget(new QLabel(qs(strFormat("%d ft:", CMetDoc::kLayerAltitudes[k])), box), 0, i + 1);
            c_.direction[k] = NewEdit(4);
            c_.speed[k] = NewEdit(4);
            grid->addWidget(c_.direction[k], 1, i + 1);
            grid->addWidget(c_.speed[k], 2, i + 1);
            SetHelp(c_.direction[k], "met.direction");
            SetHelp(c_.speed[k], "met.speed");
        }
        groups->addWidget(box);
    }

    c_.destination = MakeAerodrome("Am Landeplatz:", "met.destination", groups);

    auto* copyBox = new QGroupBox(QStringLiteral("Startdaten zur Landung"), this);
    auto* copyRow = new QHBoxLayout(copyBox);
    c_.copyToDestination = new QPushButton(QStringLiteral("&Benutze"), copyBox);
    c_.copyToDestination->setAutoDefault(false);
    copyRow->addWidget(c_.copyToDestination);
    copyRow->addStretch();
    SetHelp(c_.copyToDestination, "met.copy");
    connect(c_.copyToDestination, &QPushButton::clicked, this, &CMetDialog::CopyDepartureToDestination);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(copyBox);
    bottom->addStretch();
    bottom->addWidget(MakeOkCancelButtons());
    layout->addLayout(bottom);
    SetHelp(OkButton(), "dialog.ok");
    SetHelp(CancelButton(), "dialog.cancel");

    ShowForm(MetToForm(met_));
}

MetForm CMetDialog::ReadForm() const {
    auto read = [](const Aerodrome& a) {
        MetAerodromeForm f;
        f.temperatureUnit = SelectedUnit(a.temperatureUnit);
        f.temperature = textOf(a.temperature);
        f.pressureUnit = SelectedUnit(a.pressureUnit);
        f.qnh = textOf(a.qnh);
        f.wet = a.wet->isChecked();
        return f;
    };
    MetForm form;
    form.departure = read(c_.departure);
    form.windUnit = SelectedUnit(c_.windUnit);
    for (size_t k = 0; k < CMetDoc::kLayers; ++k) {
        form.direction[k] = textOf(c_.direction[k]);
        form.speed[k] = textOf(c_.speed[k]);
    }
    form.destination = read(c_.destination);
    return form;
}

void CMetDialog::ShowForm(const MetForm& form) {
    auto show = [](const Aerodrome& a, const MetAerodromeForm& f) {
        SelectUnit(a.temperatureUnit, f.temperatureUnit);
        a.temperature->setText(qs(f.temperature));
        SelectUnit(a.pressureUnit, f.pressureUnit);
        a.qnh->setText(qs(f.qnh));
        a.wet->setChecked(f.wet);
    };
    show(c_.departure, form.departure);
    SelectUnit(c_.windUnit, form.windUnit);
    for (size_t k = 0; k < CMetDoc::kLayers; ++k) {
        c_.direction[k]->setText(qs(form.direction[k]));
        c_.speed[k]->setText(qs(form.speed[k]));
    }
    show(c_.destination, form.destination);
}

void CMetDialog::CopyDepartureToDestination() {
    MetForm form = ReadForm();
    ::CopyDepartureToDestination(form);
    ShowForm(form);
}

QWidget* CMetDialog::FieldWidget(const MetFormCheck& check) const {
    const size_t layer = check.layer < 0 ? 0 : static_cast<size_t>(check.layer) % CMetDoc::kLayers;
    switch (check.field) {
        case MetField::DepartureTemperature:
            return c_.departure.temperature;
        case MetField::DepartureQnh:
            return c_.departure.qnh;
        case MetField::WindDirection:
            return c_.direction[layer];
        case MetField::WindSpeed:
            return c_.speed[layer];
        case MetField::DestinationTemperature:
            return c_.destination.temperature;
        case MetField::DestinationQnh:
            return c_.destination.qnh;
        case MetField::None:
            break;
    }
    return nullptr;
}

bool CMetDialog::Validate() {
    // Checked on a scratch document, so that the weather changes only on OK
    // and only when every field passed.
    CMetDoc scratch;
    const MetFormCheck check = StoreMetForm(ReadForm(), scratch);
    if (check) return true;
    return Fail(FieldWidget(check), check.message);
}

void CMetDialog::Apply() {
    StoreMetForm(ReadForm(), met_);
    met_.UpdateAllViews();
}
