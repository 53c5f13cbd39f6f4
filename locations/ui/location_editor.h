#pragma once
// "Ortsdatenbank": the location editor.
//
// The editor works on a copy of the lists of one region, the region it was
// opened for (or the one chosen under "Gebiet:" since). "Kategorie:" picks
// the list of a location type, and the fields show the entry selected in
// it. Choosing another entry, category or region first stores the fields
// into the entry shown; a refusal keeps the old choice. "Hinzufügen" adds
// the fields as a new location, "&Ändern" stores them into the entry (a
// renamed entry moves to its sorted place and stays selected), "&Entfernen"
// deletes it. "&Fertig" asks whether a changed region is to be saved, saves
// it to that region's file and rebuilds the name index; "Abbrechen"
// discards the copy.
//
// Whatever the name index or another part of the program loads into the
// location database meanwhile, the editor saves its copy to the file of its
// own region.

#include <QString>
#include <map>
#include <string>

#include "core/ui/dim_dialog.h"
#include "locations/loc_lists.h"
#include "locations/location.h"

class CInitDoc;
class CLocDoc;
class CQuickFind;
class QCheckBox;
class QLabel;
class QListWidget;
class QStackedWidget;

class CLocationEditor : public CDimDialog {
    Q_OBJECT
public:
    // `location`, when given, chooses the region (by its region text), the
    // category and the entry to start with, and receives the values of the
    // entry last shown when the editor ends with "&Fertig".
    CLocationEditor(CLocDoc& doc, CInitDoc& settings, CLocation* location = nullptr, QWidget* parent = nullptr);

    // "&Fertig" and "Abbrechen".
    void accept() override;
    void reject() override;

    // The buttons' actions.
    void AddEntry();     // "Hinzufügen"
    void ChangeEntry();  // "&Ändern"
    void RemoveEntry();  // "&Entfernen"

    // The controls, for tests.
    struct Controls {
        QComboBox *region, *type;
        QListWidget* list;
        QLineEdit *country, *name, *ident, *latitude, *longitude, *elevation, *variation, *frequency, *range,
            *runway, *slope;
        QComboBox *elevationUnit, *rangeUnit, *direction, *runwayUnit, *slopeUnit, *minHeight;
        QCheckBox* unpaved;
        QLabel* rangeLabel;  // "Reichweite:" or "Ausrichtung:"
        QStackedWidget* rangeOrDirection;
        QPushButton *add, *change, *remove, *done, *cancel;
    };
    const Controls& GetControls() const { return c_; }

    // The copy the editor works on, its region file and the entry shown.
    const CLocLists& Lists() const { return lists_; }
    const std::string& RegionPath() const { return path_; }
    int ListPos() const { return listPos_; }
    int CurrentEntry() const { return current_; }
    // True when the fields show a runway direction in place of a range.
    bool ShowsRunwayDirection() const;

protected:
    bool Validate() override;

private:
    struct Values {
        std::string country, name, ident;
        double latitude = 0, longitude = 0, variation = 0;
        int16_t elevationUnit = DIM_FEET;
        int32_t elevation = 0;
        float frequency = 0;
        int16_t rangeUnit = DIM_NM;
        int32_t range = 0;
        int32_t direction = 0;  // position in the runway direction list
        int16_t runwayUnit = DIM_METER;
        int16_t runway = 0;
        int16_t slopeUnit = DIM_FEET;
        int32_t slope = 0;
        bool unpaved = false;
        int32_t minHeight = 0;  // position in "500", "1000", "2000"
    };

    void BuildControls();
    void BindFields();
    void FillRegions();

    // Loads a region file into the location database and copies its lists.
    void LoadRegion(const std::string& path, bool reload);
    // Shows the list of the current category with `select` selected.
    void FillList(int select);
    // Shows the selected entry (or an empty location of the category).
    void ShowEntry();
    // Stores the fields into the entry shown; false (after the message) when
    // a field or the name is refused. `follow` is an entry position that is
    // adjusted when the stored entry moves to another place.
    bool StoreCurrent(int* follow = nullptr);
    // The fields as a location, on top of `base`. Fields whose text was not
    // touched keep the exact value of the entry shown.
    CLocation LocationFromFields(const CLocation& base) const;
    void FieldsFromLocation(const CLocation& loc);
    // Shows "Ausrichtung:" for landing sites and "Reichweite:" otherwise.
    void UpdateRangeOrDirection();
    bool IsLandingSiteShown() const;
    bool Untouched(const QLineEdit* edit) const;
    bool UntouchedChoice(const QComboBox* box) const;
    void RememberShownTexts();

    // True when the copy differs from the region (or the region still has to
    // be written after a conversion or sorting).
    bool IsDirty() const;
    // Hands the copy to the location database, saves it to the region's file
    // and rebuilds the name index. False when the save failed.
    bool SaveCopy();

    void OnRegionChosen(int index);
    void OnTypeChosen(int listPos);
    void OnEntryChosen(int row);
    void EnableButtons();

    CLocDoc& doc_;
    CInitDoc& settings_;
    CQuickFind& index_;
    CLocation* location_;

    std::string path_;      // the file of the region being edited
    int region_ = -1;       // its position in the region list
    CLocLists lists_;       // the copy
    CLocLists original_;    // the region as loaded or last saved
    int listPos_ = 0;
    int current_ = -1;
    CLocation shown_;       // the entry the fields show
    bool adding_ = false;

    Values v_;
    Controls c_{};
    std::map<const QLineEdit*, QString> shownTexts_;
    std::map<const QComboBox*, int> shownChoices_;
};
