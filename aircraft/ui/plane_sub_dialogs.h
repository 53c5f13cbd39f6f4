#pragma once
// Editors of parts of one aircraft, opened from the aircraft database
// editor. Each works on a copy of the values and writes them into the
// aircraft it was given on "OK"; "Abbrechen" leaves the aircraft unchanged.
//   CPlaneRunwayDialog      "Start und Landung": the take-off and landing table
//   CPlaneFlightPlanDialog  "Angaben für den Flugplan": the flight-plan data

#include <functional>

#include "aircraft/plane.h"
#include "core/ui/dim_dialog.h"

class QCheckBox;
class QLineEdit;

// An editor of part of an aircraft: edits `plane` in place and returns true
// when the user confirmed with "OK".
using PlaneRecordEditor = std::function<bool(CPlane& plane, QWidget* parent)>;

class CPlaneRunwayDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CPlaneRunwayDialog(CPlane& plane, QWidget* parent = nullptr);

    // One table row: mass, ground roll, distance over a 15 m obstacle.
    struct Row {
        QLineEdit *mass, *roll, *obstacle;
    };
    // The controls, for tests. Row 0 is "Max:", row 1 "Min:".
    struct Controls {
        QComboBox *massUnit, *lengthUnit;
        Row takeOff[2];
        Row landing[2];
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CPlane& plane_;
    int16_t massUnit_, lengthUnit_;
    CPlaneDistances takeOff_, landing_;
    Controls c_{};
};

class CPlaneFlightPlanDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CPlaneFlightPlanDialog(CPlane& plane, QWidget* parent = nullptr);

    struct Controls {
        QLineEdit *ident, *type, *equipment, *markings;
        QComboBox* transponder;
        QCheckBox *uhf, *vhf, *beacon;
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CPlane& plane_;
    CPlaneFlightPlan data_;
    Controls c_{};
};

// The two editors as PlaneRecordEditor functions.
bool EditPlaneRunwayTable(CPlane& plane, QWidget* parent);
bool EditPlaneFlightPlanData(CPlane& plane, QWidget* parent);
