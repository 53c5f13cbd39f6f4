#pragma once
// "Beladung": the current load. The masses in the five seat rows and five
// baggage compartments in a chosen mass unit, and the fuel: "Maximal" (every
// tank as full as the maximum take-off mass allows) or "Auslastung (%)" with
// a fill per tank. The dialog works on a copy and writes it back on "OK".
//
// The menu command "Be&ladung..." (32790) opens it; after "OK" every view is
// drawn again and the main window's warnings are shown.

#include "aircraft/load_doc.h"
#include "core/ui/dim_dialog.h"

class CDocumentSet;
class CMainFrame;
class QLineEdit;
class QRadioButton;

constexpr int ID_LOAD = 32790;

class CLoadDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CLoadDialog(CLoadDoc& load, QWidget* parent = nullptr);

    // The controls, for tests.
    struct Controls {
        QComboBox* massUnit;
        QLineEdit* seat[5];
        QLineEdit* baggage[5];
        QRadioButton *maximal, *partial;  // "Maximal", "Auslastung (%)"
        QLineEdit* fill[3];
    };
    const Controls& GetControls() const { return c_; }

protected:
    void Apply() override;

private:
    CLoadDoc& load_;
    LoadValues v_;
    int16_t maximal_ = 1;  // 1: "Maximal", 0: "Auslastung (%)"
    Controls c_{};
};

// Registers "Be&ladung..." with theCommands() and hands the editors of the
// seat, baggage and tank data to the aircraft editor. `frame` and
// `documents` must outlive the registration.
void RegisterLoadCommands(CMainFrame& frame, CDocumentSet& documents);
