#pragma once
// "Einheiten - Voreinstellungen": the user's preferred units and the
// position format. OK writes all of them back into the units record.

#include "core/ui/dim_dialog.h"

class QButtonGroup;
class QRadioButton;

class CUnitsDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CUnitsDialog(CDimDoc& units, QWidget* parent = nullptr);

    // The radio button of a group ("Höhe", "Distanz", ...) with its caption,
    // and the position-format list: for tests and for the caller's layout.
    QRadioButton* Button(const QString& group, const QString& caption) const;
    QComboBox* PositionFormatList() const { return format_; }

protected:
    void Apply() override;

private:
    struct Values {
        int16_t altitude, distance, runway, mass, wind, temperature, pressure, fuel, arm;
        int32_t positionFormat;
    };

    CDimDoc& units_;
    Values v_;
    QComboBox* format_ = nullptr;
};
