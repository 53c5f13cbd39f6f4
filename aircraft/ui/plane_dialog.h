#pragma once
// "Flugzeugdatenbank": the editor of the aircraft database. It works on a
// copy of the list. The fields show the chosen aircraft; choosing another
// entry, "&Ändern" and "&Fertig" store the fields into the shown entry first
// (the checks of plane_form.h run when the fields were changed). "Hinzufügen"
// takes the fields as a new aircraft placed by name, "&Entfernen" deletes the
// shown one. Names must differ. The buttons "Flug&plan...", "&Start/Landung...",
// "Sitze/&Gepäck..." and "&Tank..." edit further parts of the shown aircraft.
//
// "&Fertig" hands a changed copy to the document, which saves it after asking;
// "Abbrechen" drops the copy and clears the document's modified flag.

#include <vector>

#include "aircraft/plane_doc.h"
#include "aircraft/plane_form.h"
#include "aircraft/ui/plane_sub_dialogs.h"
#include "core/ui/dim_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;

// The editors behind "Sitze/&Gepäck..." (seat and baggage arms) and "&Tank..."
// (tank volumes and arms), provided by the load dialogs. A button without an
// editor is disabled.
void SetPlaneLoadEditors(PlaneRecordEditor arms, PlaneRecordEditor tanks);

class CPlaneDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CPlaneDialog(CPlaneDoc& doc, QWidget* parent = nullptr);

    // The controls, for tests.
    struct Controls {
        QListWidget* list;  // "Ausgewähltes Flugzeug:"
        QLineEdit* name;
        QComboBox *speedUnit, *volumeUnit, *climbUnit;
        QLineEdit *climbSpeed, *cruiseSpeed, *descentSpeed;
        QLineEdit *climbFlow, *cruiseFlow, *descentFlow;
        QLineEdit *climbRate, *descentRate;
        QLineEdit* cost;
        QComboBox *cgArmUnit, *cgMassUnit;
        QLineEdit *mtowMass, *mtowForward, *mtowAft;
        QLineEdit *towMass, *towForward, *towAft;
        QLineEdit *emptyMass, *emptyMoment;
        QLabel *emptyMassUnit, *emptyMomentUnit;
        QPushButton *flightPlan, *runway, *arms, *tanks;
        QPushButton *add, *change, *remove;
    };
    const Controls& GetControls() const { return c_; }

    // The working copy of the list, whether it was changed, the entry shown
    // (-1: none) and the aircraft the fields stand for.
    const std::vector<CPlane>& GetList() const { return list_; }
    bool IsListChanged() const { return changed_; }
    int GetSelection() const { return selection_; }
    const CPlane& GetShownPlane() const { return shown_; }

    // The buttons and the list, as the user works them.
    bool Add();                   // "Hinzufügen"
    bool Change();                // "&Ändern"
    void Remove();                // "&Entfernen"
    bool SelectEntry(int index);  // a click into the list

    // "Abbrechen" (also Escape and closing the window).
    void reject() override;

protected:
    // "&Fertig": stores the shown entry; refuses when its fields fail.
    bool Validate() override;
    // Hands the copy to the document.
    void Apply() override;

private:
    PlaneForm ReadForm() const;
    void ShowPlane(const CPlane& plane);
    void FillList();
    void UpdateButtons();
    void UpdateUnitLabels();
    bool StoreShown();
    QWidget* FieldWidget(PlaneField field) const;
    void RunEditor(const PlaneRecordEditor& editor);
    void OnRowChanged(int row);

    CPlaneDoc& doc_;
    std::vector<CPlane> list_;
    int selection_ = -1;
    CPlane shown_;  // the shown aircraft with what the sub-editors changed
    bool changed_ = false;
    Controls c_{};
};
