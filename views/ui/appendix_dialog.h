#pragma once
// "Anhang": what the summary appendix of the flight log contains — the
// winds aloft, the fuel, the sunset at the destination and up to three
// texts of the user. OK stores the choice in the appendix settings and
// updates every view.

#include <array>
#include <string>

#include "core/ui/dim_dialog.h"

class CAppendixDoc;
class QCheckBox;
class QLineEdit;

// The menu command "&Anhang..." of "&Verschiedenes".
constexpr int kAppendixCommand = 32921;

class CAppendixDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CAppendixDialog(CAppendixDoc& appendix, QWidget* parent = nullptr);

    // The controls, for tests.
    struct Controls {
        QCheckBox *winds, *fuel, *sunset;
        std::array<QCheckBox*, 3> withText;
        std::array<QLineEdit*, 3> text;
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CAppendixDoc& appendix_;
    int32_t winds_ = 0, fuel_ = 0, sunset_ = 0;
    std::array<int32_t, 3> withText_{};
    std::array<std::string, 3> text_;
    Controls c_{};
};

// Opens the dialog on the appendix settings in use; true after OK.
bool RunAppendixDialog(QWidget* parent);
