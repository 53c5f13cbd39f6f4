#pragma once
// "Berechnung - Voreinstellungen": the computation presets (flight date,
// time allowances, thresholds of the route transformations, preferred
// cruise altitude, permitted detour). OK writes them into the presets.

#include "core/calc_doc.h"
#include "core/ui/dim_dialog.h"

class QLineEdit;
class QRadioButton;

class CCalcDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CCalcDialog(CCalcDoc& calc, QWidget* parent = nullptr);

    // The controls, for tests.
    struct Controls {
        QLineEdit *day, *month, *year;
        QLineEdit *taxi, *approach, *reserve;
        QLineEdit *climb, *semicircle, *greatCircle, *autoRoute, *cruise;
        QComboBox *climbUnit, *semicircleUnit, *greatCircleUnit, *autoRouteUnit, *cruiseUnit;
        QRadioButton *large, *medium, *small;
        QPushButton* defaults;
    };
    const Controls& GetControls() const { return c_; }

    // "Ausgangszustand": the flight date of the presets becomes today at
    // once; every other field goes back to its default in the dialog only.
    void ResetToDefaults();

protected:
    bool Validate() override;
    void Apply() override;

private:
    struct Values {
        int32_t day, month, year;
        int16_t taxi, approach, reserve;
        int16_t climb, climbUnit, semicircle, semicircleUnit;
        int16_t greatCircle, greatCircleUnit, autoRoute, autoRouteUnit;
        int16_t cruise, cruiseUnit;
        int32_t detour;
    };
    static Values ValuesOf(const CCalcDoc& calc);

    CCalcDoc& calc_;
    Values v_;
    Controls c_{};
};
