#pragma once
// "Regionen": which regions (region files) belong to the name index.
//
// Two lists with several selections each, "Passiv:" and "Aktiv:"; under
// "Aktiviere:" and "Deaktiviere:" the buttons "Auswahl" and "Alle" move the
// selected or all regions from one list to the other. "Fertig" (disabled
// while no region is active) applies the choice: the first region selected
// in "Aktiv:" (or else the first active one) is loaded into the location
// database, and the name index is rebuilt when a region changed its state.
// The dialog then ends with Accepted; when no state changed it ends as
// cancelled.

#include <functional>
#include <vector>

#include "core/ui/dim_dialog.h"

class CQuickFind;
class CRegionList;
class QListWidget;
class QPushButton;

class CRegionsDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CRegionsDialog(CQuickFind& index, QWidget* parent = nullptr);

    void accept() override;

    QListWidget* PassiveList() const { return passive_; }
    QListWidget* ActiveList() const { return active_; }
    QPushButton* ActivateSelected() const { return activateSelected_; }
    QPushButton* ActivateAll() const { return activateAll_; }
    QPushButton* DeactivateSelected() const { return deactivateSelected_; }
    QPushButton* DeactivateAll() const { return deactivateAll_; }
    QPushButton* DoneButton() const { return done_; }

    // Runs after every applied change of the active regions, for the parts of
    // the program that follow them (the airspace regions).
    static void SetActivationObserver(std::function<void(const CRegionList&)> observer);

private:
    // Moves the selected (or all) regions of one list to the other.
    void Move(bool toActive, bool all);
    void Refill();

    CQuickFind& index_;
    std::vector<bool> activeFlags_;
    QListWidget* passive_ = nullptr;
    QListWidget* active_ = nullptr;
    QPushButton* activateSelected_ = nullptr;
    QPushButton* activateAll_ = nullptr;
    QPushButton* deactivateSelected_ = nullptr;
    QPushButton* deactivateAll_ = nullptr;
    QPushButton* done_ = nullptr;
};
