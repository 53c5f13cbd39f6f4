#pragma once
// "Hebelarme": the lever arms of an aircraft's five seat rows and five
// baggage compartments in a chosen arm unit. Seat row 1 is required; an
// empty field means the position has no arm. Works on a copy and writes the
// arms, their unit and the numbers of rows and compartments in use into the
// aircraft on "OK".

#include "aircraft/plane.h"
#include "core/ui/dim_dialog.h"

class QLineEdit;

class CLoadArmsDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CLoadArmsDialog(CPlane& plane, QWidget* parent = nullptr);

    struct Controls {
        QComboBox* armUnit;
        QLineEdit* seat[CPlane::kSeatRows];
        QLineEdit* baggage[CPlane::kBaggageCompartments];
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CPlane& plane_;
    int16_t armUnit_;
    std::array<float, CPlane::kSeatRows> seat_;
    std::array<float, CPlane::kBaggageCompartments> baggage_;
    Controls c_{};
};

// Opens the dialog for `plane`; true when the user confirmed with "OK".
bool EditArms(QWidget* parent, CPlane& plane);
