#pragma once
// "Ortsliste": every name and ident of the name index in one list, with the
// category and region of the selected entry below it. "Regionen..." opens
// the region activation and refills the list. With "OK" the selected
// location becomes the home airfield of the settings.

#include <optional>

#include "core/ui/dim_dialog.h"
#include "locations/location.h"

class CInitDoc;
class CQuickFind;
class NameIndexModel;
class QLabel;
class QListView;

class CLocationListDialog : public CDimDialog {
    Q_OBJECT
public:
    explicit CLocationListDialog(CInitDoc& settings, QWidget* parent = nullptr);

    QListView* List() const { return list_; }
    QPushButton* RegionsButton() const { return regions_; }
    // The selected entry of the name list, -1 when none.
    int SelectedEntry() const;
    void SelectEntry(int entry);
    QString CategoryText() const;
    QString RegionText() const;

protected:
    bool Validate() override;
    void Apply() override;

private:
    // The entry of the home airfield: the entry of its name whose type is
    // the home's, else the first one of its name; -1 when it is not listed.
    int HomeEntry() const;
    void ShowDetails();
    void ChooseRegions();

    CInitDoc& settings_;
    CQuickFind& index_;
    NameIndexModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QLabel* category_ = nullptr;
    QLabel* region_ = nullptr;
    QPushButton* regions_ = nullptr;
    std::optional<CLocation> chosen_;
};
