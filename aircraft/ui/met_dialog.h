#pragma once
// "Wetter": temperature, QNH and runway state at the departure and the
// destination aerodrome, and the winds aloft at 1500, 3000, 5000 and
// 10000 ft. "OK" checks every field in dialog order and only then stores
// units, values and winds into the weather document; "Abbrechen" changes
// nothing.

#include <array>

#include "aircraft/met_form.h"
#include "core/ui/dim_dialog.h"

class QBoxLayout;
class QCheckBox;
class QLineEdit;

class CMetDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CMetDialog(CMetDoc& met, QWidget* parent = nullptr);

    // The fields of one aerodrome group.
    struct Aerodrome {
        QLineEdit* temperature;
        QComboBox* temperatureUnit;
        QLineEdit* qnh;
        QComboBox* pressureUnit;
        QCheckBox* wet;
    };
    // The controls, for tests.
    struct Controls {
        Aerodrome departure;
        QComboBox* windUnit;
        std::array<QLineEdit*, CMetDoc::kLayers> direction;
        std::array<QLineEdit*, CMetDoc::kLayers> speed;
        Aerodrome destination;
        QPushButton* copyToDestination;  // "&Benutze"
    };
    const Controls& GetControls() const { return c_; }

    // "&Benutze": the departure's temperature and QNH texts, its wet check
    // and both units become the destination's.
    void CopyDepartureToDestination();

protected:
    bool Validate() override;
    void Apply() override;

private:
    Aerodrome MakeAerodrome(const char* title, const char* helpPrefix, QBoxLayout* layout);
    MetForm ReadForm() const;
    void ShowForm(const MetForm& form);
    QWidget* FieldWidget(const MetFormCheck& check) const;

    CMetDoc& met_;
    Controls c_{};
};
