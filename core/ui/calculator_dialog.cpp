#include "core/ui/calculator_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/prompt.h"

CCalculatorDialog::CCalculatorDialog(QWidget* parent) : CDimDialog(QStringLiteral("Rechner"), parent) {
    auto* layout = new QVBoxLayout(this);

    // Mode, value and result.
    auto* top = new QHBoxLayout;
    auto* modeBox = new QGroupBox(QStringLiteral("Auswahl der Einheit"), this);
    auto* modeColumn = new QVBoxLayout(modeBox);
    givenRadio_ = new QRadioButton(QStringLiteral("Für den gegebenen Wert"), modeBox);
    soughtRadio_ = new QRadioButton(QStringLiteral("Für den gesuchten Wert"), modeBox);
    modeColumn->addWidget(givenRadio_);
    modeColumn->addWidget(soughtRadio_);
    SetHelp(givenRadio_, "calculator.given");
    SetHelp(soughtRadio_, "calculator.sought");
    top->addWidget(modeBox);

    auto* values = new QGridLayout;
    value_ = NewEdit(14);
    givenName_ = new QLabel(this);
    result_ = new QLabel(this);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    result_->setFixedSize(value_->width(), value_->sizeHint().height());
    soughtName_ = new QLabel(this);
    values->addWidget(value_, 0, 0);
    values->addWidget(givenName_, 0, 1);
    values->addWidget(result_, 1, 0);
    values->addWidget(soughtName_, 1, 1);
    SetHelp(value_, "calculator.value");
    SetHelp(result_, "calculator.result");
    top->addLayout(values);
    top->addStretch();
    layout->addLayout(top);

    // The unit buttons, one group per family.
    static const char* const kGroupTitles[] = {"Länge", "Geschwindigkeit", "Volumen",
                                               "Masse", "Luftdruck",       "Temperatur"};
    auto* groups = new QHBoxLayout;
    QVBoxLayout* columns[std::size(kGroupTitles)] = {};
    for (size_t g = 0; g < std::size(kGroupTitles); ++g) {
        auto* box = new QGroupBox(qs(kGroupTitles[g]), this);
        columns[g] = new QVBoxLayout(box);
        SetHelp(box, "calculator.units");
        groups->addWidget(box);
    }
    const auto buttons = CalculatorButtons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const size_t g = static_cast<size_t>(buttons[i].family);
        auto* button = new QPushButton(qs(buttons[i].caption), this);
        button->setAutoDefault(false);
        columns[g]->addWidget(button);
        SetHelp(button, "calculator.units");
        unitButtons_.push_back(button);
        connect(button, &QPushButton::clicked, this, [this, i] { PressUnit(static_cast<int>(i)); });
    }
    for (QVBoxLayout* c : columns) c->addStretch();
    layout->addLayout(groups);

    // Density and the close button.
    auto* bottom = new QHBoxLayout;
    auto* densityBox = new QGroupBox(QStringLiteral("Dichte"), this);
    auto* densityRow = new QHBoxLayout(densityBox);
    const char* const densityCaptions[] = {"Öl", "Avgas", "Sonstiges"};
    for (int d = 0; d < 3; ++d) {
        densityRadios_[d] = new QRadioButton(qs(densityCaptions[d]), densityBox);
        densityRow->addWidget(densityRadios_[d]);
        SetHelp(densityRadios_[d], "calculator.density");
        const auto choice = static_cast<CUnitCalculator::Density>(d);
        connect(densityRadios_[d], &QRadioButton::clicked, this, [this, choice] { ChooseDensity(choice); });
    }
    density_ = NewEdit(6);
    densityRow->addWidget(density_);
    densityRow->addWidget(new QLabel(QStringLiteral("kg/Liter"), densityBox));
    SetHelp(density_, "calculator.density");
    SetHelp(densityBox, "calculator.density");
    bottom->addWidget(densityBox);
    bottom->addStretch();
    done_ = new QPushButton(QStringLiteral("&Fertig"), this);
    done_->setAutoDefault(false);
    SetHelp(done_, "calculator.done");
    bottom->addWidget(done_, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(done_, &QPushButton::clicked, this, &CCalculatorDialog::accept);
    connect(givenRadio_, &QRadioButton::clicked, this, [this] {
        calc_.ChooseGivenMode();
        Refresh();
    });
    connect(soughtRadio_, &QRadioButton::clicked, this, [this] {
        calc_.ChooseSoughtMode();
        Refresh();
    });
    connect(value_, &QLineEdit::textEdited, this, [this] {
        calc_.ValueEdited();
        Refresh();
    });
    connect(density_, &QLineEdit::textEdited, this, [this] {
        calc_.DensityEdited();
        Refresh();
    });

    density_->setText(qs(calc_.DensityText()));
    Refresh();
    value_->setFocus();
}

QPushButton* CCalculatorDialog::UnitButton(const QString& caption) const {
    for (QPushButton* b : unitButtons_) {
        if (b->text() == caption) return b;
    }
    return nullptr;
}

void CCalculatorDialog::PressUnit(int index) {
    const CUnitCalculator::Mode mode = calc_.GetMode();
    const auto result = calc_.PressUnit(index, value_->text().toStdString(), density_->text().toStdString());
    Refresh();
    if (!result.ok) {
        Fail(result.field == CUnitCalculator::Field::Density ? density_ : value_, result.message);
        return;
    }
    if (mode == CUnitCalculator::GivenMode) value_->setFocus();
}

void CCalculatorDialog::ChooseDensity(CUnitCalculator::Density choice) {
    calc_.ChooseDensity(choice);
    if (choice == CUnitCalculator::Other)
        density_->setFocus();
    else
        density_->setText(qs(calc_.DensityText()));
    Refresh();
}

void CCalculatorDialog::Refresh() {
    {
        const QSignalBlocker a(givenRadio_), b(soughtRadio_);
        givenRadio_->setChecked(calc_.GetMode() == CUnitCalculator::GivenMode);
        soughtRadio_->setChecked(calc_.GetMode() == CUnitCalculator::SoughtMode);
    }
    soughtRadio_->setEnabled(calc_.SoughtModeEnabled());
    for (size_t i = 0; i < unitButtons_.size(); ++i)
        unitButtons_[i]->setEnabled(calc_.ButtonEnabled(static_cast<int>(i)));
    {
        QRadioButton* chosen = densityRadios_[calc_.GetDensityChoice()];
        const QSignalBlocker block(chosen);
        chosen->setChecked(true);
    }
    result_->setText(qs(calc_.ResultText()));
    givenName_->setText(qs(calc_.GivenName()));
    soughtName_->setText(qs(calc_.SoughtName()));
}
