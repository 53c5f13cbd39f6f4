#pragma once
// "Rechner": converts a value between units; a thin view of CUnitCalculator.
// It keeps nothing after it closes and changes no document.

#include <vector>

#include "core/ui/dim_dialog.h"
#include "core/unit_calculator.h"

class QLabel;
class QLineEdit;
class QRadioButton;

class CCalculatorDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CCalculatorDialog(QWidget* parent = nullptr);

    // The controls, for tests.
    QPushButton* UnitButton(int index) const { return unitButtons_[static_cast<size_t>(index)]; }
    QPushButton* UnitButton(const QString& caption) const;
    QRadioButton* GivenRadio() const { return givenRadio_; }
    QRadioButton* SoughtRadio() const { return soughtRadio_; }
    QRadioButton* DensityRadio(CUnitCalculator::Density d) const { return densityRadios_[d]; }
    QLineEdit* ValueEdit() const { return value_; }
    QLineEdit* DensityEdit() const { return density_; }
    QLabel* ResultLabel() const { return result_; }
    QLabel* GivenLabel() const { return givenName_; }
    QLabel* SoughtLabel() const { return soughtName_; }
    QPushButton* DoneButton() const { return done_; }

private:
    void PressUnit(int index);
    void ChooseDensity(CUnitCalculator::Density choice);
    // Shows the calculator's state in the controls.
    void Refresh();

    CUnitCalculator calc_;
    std::vector<QPushButton*> unitButtons_;
    QRadioButton* givenRadio_ = nullptr;
    QRadioButton* soughtRadio_ = nullptr;
    QRadioButton* densityRadios_[3] = {};
    QLineEdit* value_ = nullptr;
    QLineEdit* density_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* givenName_ = nullptr;
    QLabel* soughtName_ = nullptr;
    QPushButton* done_ = nullptr;
};
