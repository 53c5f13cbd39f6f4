#pragma once
// "Treibstoffbehälter": the usable ("Ausfliegbar") and unusable ("Nicht
// ausfliegbar") volume and the lever arm of an aircraft's three tanks, each
// group in its chosen unit. Every field is optional; an empty volume means
// the tank does not exist. Works on a copy and writes the values, their
// units and the number of tanks in use into the aircraft on "OK".

#include "aircraft/plane.h"
#include "core/ui/dim_dialog.h"

class QLineEdit;

class CLoadTanksDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CLoadTanksDialog(CPlane& plane, QWidget* parent = nullptr);

    struct Controls {
        QComboBox *volumeUnit, *armUnit;
        QLineEdit* usable[CPlane::kTanks];
        QLineEdit* unusable[CPlane::kTanks];
        QLineEdit* arm[CPlane::kTanks];
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CPlane& plane_;
    int16_t volumeUnit_, armUnit_;
    std::array<float, CPlane::kTanks> usable_, unusable_, arm_;
    Controls c_{};
};

// Opens the dialog for `plane`; true when the user confirmed with "OK".
bool EditTanks(QWidget* parent, CPlane& plane);
