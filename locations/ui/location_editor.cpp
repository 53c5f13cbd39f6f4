#include "locations/ui/location_editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "locations/location_types.h"
#include "locations/name_key.h"
#include "locations/quick_find.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/rounding.h"
#include "platform/string_table.h"

namespace {

constexpr int kNameTaken = 1776;
constexpr int kSaveQuestion = 1768;

// Minimum heights above ground: list position <-> code.
constexpr int kMinHeightCodes[] = {1, 2, 4};

int minHeightPos(int code) {
    return code == 4 ? 2 : code == 2 ? 1 : 0;
}

// The range of a navaid or reporting point. Besides its range of 0 to 255 NM,
// the value must fit the record's byte in its own unit: 300 km is refused,
// not stored as something else. Only read while the range is shown.
class RangeBinding : public DialogBinding {
public:
    RangeBinding(QLineEdit* edit, QComboBox* unit, int32_t& value, std::function<bool()> shown)
        : field_(edit, FieldKind::Distance, value), unit_(unit), shown_(std::move(shown)) {
        field_.Unit(unit);
    }
    void Show() override { field_.Show(); }
    std::optional<std::string> Read() override {
        reading_ = shown_();
        if (!reading_) return std::nullopt;
        // The largest whole number the byte holds, in NM; the check converts
        // it back into the selected unit and truncates it to 255.
        const double byteLimit = ConvertLength(255.5, CDimDialog::SelectedUnit(unit_), DIM_NM);
        field_.Range(0, std::min(255.0, byteLimit));
        return field_.Read();
    }
    void Commit() override {
        if (reading_) field_.Commit();
    }
    void Rollback() override {
        if (reading_) field_.Rollback();
    }
    QWidget* FocusWidget() const override { return field_.FocusWidget(); }

private:
    DimFieldBinding field_;
    QComboBox* unit_;
    std::function<bool()> shown_;
    bool reading_ = false;
};

// A region's name as the question shows it.
std::string regionTitle(const std::string& path) {
    return fileTitle(path);
}

}  // namespace

CLocationEditor::CLocationEditor(CLocDoc& doc, CInitDoc& settings, CLocation* location, QWidget* parent)
    : CDimDialog(QStringLiteral("Ortsdatenbank"), parent),
      doc_(doc),
      settings_(settings),
      index_(settings.QuickFind()),
      location_(location) {
    BuildControls();
    BindFields();

    // The region to edit: the one of a location handed in, else the one the
    // location database holds, else the settings' current region.
    std::string path;
    if (location_ && !location_->GetRegion().empty()) {
        const int r = index_.Regions().Find(location_->GetRegion());
        if (r >= 0) path = index_.RegionPath(r);
    }
    if (path.empty()) path = doc_.GetPathName();
    if (path.empty()) path = settings_.GetRegionPath();
    LoadRegion(path, doc_.GetPathName() != path);
    FillRegions();

    int select = 0;
    if (location_) {
        listPos_ = TypeToListPos(location_->GetType());
        int at = 0;
        if (lists_.Find(listPos_, location_->GetName(), at)) select = at;
    }
    {
        const QSignalBlocker block(c_.type);
        c_.type->setCurrentIndex(listPos_);
    }
    FillList(select);
    ShowEntry();

    connect(c_.region, &QComboBox::currentIndexChanged, this, &CLocationEditor::OnRegionChosen);
    connect(c_.type, &QComboBox::currentIndexChanged, this, &CLocationEditor::OnTypeChosen);
    connect(c_.list, &QListWidget::currentRowChanged, this, &CLocationEditor::OnEntryChosen);
    connect(c_.runway, &QLineEdit::textChanged, this, [this] { UpdateRangeOrDirection(); });
    connect(c_.add, &QPushButton::clicked, this, &CLocationEditor::AddEntry);
    connect(c_.change, &QPushButton::clicked, this, &CLocationEditor::ChangeEntry);
    connect(c_.remove, &QPushButton::clicked, this, &CLocationEditor::RemoveEntry);
}

// ---- controls -------------------------------------------------------------------------

void CLocationEditor::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    layout->addLayout(top);

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(qs(text), this);
        l->setBuddy(buddy);
        return l;
    };

    c_.region = new QComboBox(this);
    c_.region->setMinimumContentsLength(16);
    c_.country = NewEdit(3);
    c_.type = new QComboBox(this);
    for (int pos = 0; pos < kLocationTypeCount; ++pos) c_.type->addItem(qs(TypeDisplayName(ListPosToType(pos))));
    top->addWidget(label("Gebiet:", c_.region), 0, 0);
    top->addWidget(c_.region, 0, 1);
    top->addWidget(label("Länderkennung (GPS):", c_.country), 0, 2);
    top->addWidget(c_.country, 0, 3);
    top->addWidget(label("Kategorie:", c_.type), 1, 0);
    top->addWidget(c_.type, 1, 1);
    top->setColumnStretch(4, 1);

    auto* middle = new QHBoxLayout;
    layout->addLayout(middle);
    c_.list = new QListWidget(this);
    c_.list->setMinimumSize(190, 320);
    c_.list->setUniformItemSizes(true);
    middle->addWidget(c_.list);

    auto* fields = new QGridLayout;
    middle->addLayout(fields);
    int row = 0;
    // A label, then the field with its unit selector.
    auto addRow = [&](const char* text, QWidget* field, QWidget* unit = nullptr) {
        fields->addWidget(label(text, field), row, 0);
        auto* cell = new QHBoxLayout;
        cell->addWidget(field);
        if (unit) cell->addWidget(unit);
        cell->addStretch();
        fields->addLayout(cell, row, 1);
        ++row;
    };
    c_.name = NewEdit(17);
    c_.ident = NewEdit(6);
    c_.latitude = NewEdit(14);
    c_.longitude = NewEdit(14);
    c_.elevation = NewEdit(7);
    c_.elevationUnit = NewUnitSelector(PARAM_ALTITUDE);
    c_.variation = NewEdit(7);
    c_.frequency = NewEdit(9);
    addRow("Name:", c_.name);
    addRow("ICAO-Kennung (GPS):", c_.ident);
    addRow("Breitengrad (N/S):", c_.latitude);
    addRow("Längengrad  (O/W):", c_.longitude);
    addRow("Höhe ü. NN:", c_.elevation, c_.elevationUnit);
    addRow("Variation (O/W):", c_.variation);
    addRow("Frequenz:", c_.frequency);

    // Range and runway direction share one place.
    c_.rangeOrDirection = new QStackedWidget(this);
    auto* rangePage = new QWidget(c_.rangeOrDirection);
    auto* rangeRow = new QHBoxLayout(rangePage);
    rangeRow->setContentsMargins(0, 0, 0, 0);
    c_.range = NewEdit(5);
    c_.rangeUnit = NewUnitSelector(PARAM_DISTANCE);
    rangeRow->addWidget(c_.range);
    rangeRow->addWidget(c_.rangeUnit);
    rangeRow->addStretch();
    c_.direction = new QComboBox(this);
    for (int pos = 0; pos <= 18; ++pos) c_.direction->addItem(qs(RunwayDirectionText(RunwayListPosToCode(pos))));
    auto* directionPage = new QWidget(c_.rangeOrDirection);
    auto* directionRow = new QHBoxLayout(directionPage);
    directionRow->setContentsMargins(0, 0, 0, 0);
    directionRow->addWidget(c_.direction);
    directionRow->addStretch();
    c_.rangeOrDirection->addWidget(rangePage);
    c_.rangeOrDirection->addWidget(directionPage);
    c_.rangeLabel = new QLabel(QStringLiteral("Reichweite:"), this);
    fields->addWidget(c_.rangeLabel, row, 0);
    fields->addWidget(c_.rangeOrDirection, row, 1);
    ++row;

    c_.runway = NewEdit(6);
    c_.runwayUnit = NewUnitSelector(PARAM_RUNWAY);
    c_.slope = NewEdit(6);
    c_.slopeUnit = NewUnitSelector(PARAM_ALTITUDE);
    addRow("Bahnlänge:", c_.runway, c_.runwayUnit);
    addRow("Höhenunterschied:", c_.slope, c_.slopeUnit);
    c_.unpaved = new QCheckBox(QStringLiteral("&Unbefestigte Bahn"), this);
    fields->addWidget(c_.unpaved, row++, 1);
    c_.minHeight = new QComboBox(this);
    for (const char* text : {"500", "1000", "2000"}) c_.minHeight->addItem(qs(text));
    addRow("Mindesthöhe (GND):", c_.minHeight);
    fields->setRowStretch(row, 1);

    // The list's buttons, then the dialog's.
    auto* buttons = new QHBoxLayout;
    auto newButton = [&](const char* text) {
        auto* b = new QPushButton(qs(text), this);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    c_.add = newButton("Hinzufügen");
    c_.change = newButton("&Ändern");
    c_.remove = newButton("&Entfernen");
    buttons->addStretch();
    c_.done = newButton("&Fertig");
    c_.cancel = newButton("Abbrechen");
    c_.done->setDefault(true);
    connect(c_.done, &QPushButton::clicked, this, &CLocationEditor::accept);
    connect(c_.cancel, &QPushButton::clicked, this, &CLocationEditor::reject);
    layout->addLayout(buttons);

    SetHelpText(c_.region, QStringLiteral("Die Region (Datei *.krd), deren Orte Sie bearbeiten. Beim Wechsel "
                                          "werden Sie gefragt, ob Änderungen gespeichert werden sollen."));
    SetHelpText(c_.country, QStringLiteral("Die zweistellige ICAO-Länderkennung des Orts, z.B. ED, für die "
                                           "Übertragung ins GPS."));
    SetHelpText(c_.type, QStringLiteral("Die Kategorie, deren Orte die Liste zeigt."));
    SetHelpText(c_.list, QStringLiteral("Die Orte der gewählten Kategorie. Beim Wechsel zu einem anderen Ort "
                                        "werden die Felder in den bisher gezeigten übernommen."));
    SetHelpText(c_.name, QStringLiteral("Der Name des Orts, höchstens 17 Zeichen."));
    SetHelpText(c_.ident, QStringLiteral("Die ICAO-Kennung oder GPS-Kennung, höchstens 5 Zeichen. Unter ihr "
                                         "finden Sie den Ort ebenso wie unter seinem Namen."));
    SetHelpText(c_.latitude, QStringLiteral("Die geografische Breite in Grad, Minuten und Sekunden, z.B. "
                                            "»50 10 30 N«; S steht für Süd."));
    SetHelpText(c_.longitude, QStringLiteral("Die geografische Länge in Grad, Minuten und Sekunden, z.B. "
                                             "»8 40 15 E«; W steht für West."));
    SetHelpText(c_.elevation, QStringLiteral("Die Höhe über dem Meeresspiegel, von -5000 bis 10000 ft in der "
                                             "gewählten Einheit; leer, wenn sie nicht bekannt ist."));
    SetHelpText(c_.variation, QStringLiteral("Die Missweisung in ganzen Grad, östlich mit E, westlich mit W, "
                                             "z.B. »2 E«."));
    SetHelpText(c_.frequency, QStringLiteral("Die Funkfrequenz: UKW in MHz (z.B. 121.725), NDB in kHz (z.B. "
                                             "400). Erlaubt sind 108.000 bis 1750.000; leer für keine."));
    SetHelpText(c_.range, QStringLiteral("Die Reichweite der Funknavigationsanlage, von 0 bis 255 in der "
                                         "gewählten Einheit; leer für keine."));
    SetHelpText(c_.direction, QStringLiteral("Die Ausrichtung der Landebahn; »xx/xx«, wenn sie nicht bekannt "
                                             "ist."));
    SetHelpText(c_.runway, QStringLiteral("Die Länge der Landebahn, von 100 bis 6000 m in der gewählten "
                                          "Einheit; leer, wenn sie nicht bekannt ist. Ein freier Ort mit "
                                          "Bahnlänge gilt als Landeplatz."));
    SetHelpText(c_.slope, QStringLiteral("Der Höhenunterschied zwischen den Enden der Landebahn, von -250 bis "
                                         "250 ft in der gewählten Einheit; leer für keinen."));
    for (QComboBox* unit : {c_.elevationUnit, c_.rangeUnit, c_.runwayUnit, c_.slopeUnit})
        SetHelpText(unit, QStringLiteral("Die Einheit, in der Sie den Wert links daneben eingeben."));
    SetHelpText(c_.unpaved, QStringLiteral("Die Landebahn ist nicht befestigt (Gras)."));
    SetHelpText(c_.minHeight, QStringLiteral("Die Mindesthöhe über Grund in ft für die Platzrunde."));
    SetHelpText(c_.add, QStringLiteral("Nimmt die Felder als neuen Ort in die Liste der gewählten Kategorie "
                                       "auf."));
    SetHelpText(c_.change, QStringLiteral("Übernimmt die Felder in den ausgewählten Ort."));
    SetHelpText(c_.remove, QStringLiteral("Löscht den ausgewählten Ort."));
    SetHelpText(c_.done, QStringLiteral("Beendet die Bearbeitung. Wurde die Region geändert, werden Sie gefragt, "
                                        "ob sie gespeichert werden soll."));
    SetHelpText(c_.cancel, QStringLiteral("Beendet die Bearbeitung und verwirft alle nicht gespeicherten "
                                          "Änderungen."));
}

void CLocationEditor::BindFields() {
    Text(c_.country, v_.country).MaxChars(2);
    Text(c_.name, v_.name).MaxChars(static_cast<int>(CLocation::kNameChars));
    Text(c_.ident, v_.ident).MaxChars(static_cast<int>(CLocation::kIdentChars));
    Latitude(c_.latitude, v_.latitude);
    Longitude(c_.longitude, v_.longitude);
    UnitSelector(c_.elevationUnit, v_.elevationUnit);
    Field(c_.elevation, FieldKind::Altitude, v_.elevation).Unit(c_.elevationUnit).Range(-5000, 10000);
    Variation(c_.variation, v_.variation).Required();
    Field(c_.frequency, FieldKind::Frequency, v_.frequency).Range(108.0, 1750.0);
    UnitSelector(c_.rangeUnit, v_.rangeUnit);
    Bind(std::make_unique<RangeBinding>(c_.range, c_.rangeUnit, v_.range, [this] { return !IsLandingSiteShown(); }));
    Choice(c_.direction, v_.direction);
    UnitSelector(c_.runwayUnit, v_.runwayUnit);
    Field(c_.runway, FieldKind::RunwayLength, v_.runway).Unit(c_.runwayUnit).Range(100, 6000);
    UnitSelector(c_.slopeUnit, v_.slopeUnit);
    Field(c_.slope, FieldKind::Altitude, v_.slope).Unit(c_.slopeUnit).Range(-250, 250);
    Check(c_.unpaved, v_.unpaved);
    Choice(c_.minHeight, v_.minHeight);
}

void CLocationEditor::FillRegions() {
    const QSignalBlocker block(c_.region);
    c_.region->clear();
    std::string dir = dirPart(path_);
    if (dir.empty()) dir = index_.GetRegionDir();
    std::vector<std::string> files = listFilesWithSuffix(dir.empty() ? "./" : dir, ".krd");
    std::stable_sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return compareNoCase(fileTitle(a), fileTitle(b)) < 0;
    });
    for (const std::string& file : files) {
        c_.region->addItem(qs(fileTitle(file)), qs(file));
        if (equalsNoCase(fileTitle(file), fileTitle(path_))) c_.region->setCurrentIndex(c_.region->count() - 1);
    }
    if (!equalsNoCase(c_.region->currentText().toStdString(), fileTitle(path_))) c_.region->setCurrentIndex(-1);
}

// ---- the region and its lists -----------------------------------------------------------

void CLocationEditor::LoadRegion(const std::string& path, bool reload) {
    path_ = path;
    region_ = index_.Regions().Find(fileTitle(path));
    if (reload) {
        doc_.Clear();
        doc_.OnOpenDocument(path);
        doc_.SetRegionIndex(region_);
    }
    doc_.CopyListsTo(lists_);
    original_ = lists_;
}

bool CLocationEditor::IsDirty() const {
    if (!(lists_ == original_)) return true;
    return doc_.GetPathName() == path_ && (doc_.IsConverted() || doc_.IsResorted());
}

bool CLocationEditor::SaveCopy() {
    // The database may hold another region by now: the copy belongs to the
    // editor's region and goes to its file.
    const CLocLists before = doc_.Lists();
    const std::string beforePath = doc_.GetPathName();
    const int beforeRegion = doc_.GetRegionIndex();
    doc_.SetPathName(path_);
    doc_.SetRegionIndex(region_);
    doc_.CopyListsFrom(lists_);
    doc_.SetModifiedFlag(true);
    if (!doc_.Save(path_, false)) {
        doc_.CopyListsFrom(before);
        doc_.SetPathName(beforePath);
        doc_.SetRegionIndex(beforeRegion);
        doc_.SetModifiedFlag(false);
        return false;
    }
    original_ = lists_;
    index_.RebuildIndex();
    return true;
}

void CLocationEditor::FillList(int select) {
    const QSignalBlocker block(c_.list);
    c_.list->clear();
    const CLocLists::List& list = lists_.GetList(listPos_);
    for (const PackedLocation& rec : list) c_.list->addItem(qs(NameKeyText(PackedName(rec))));
    const int count = static_cast<int>(list.size());
    current_ = count == 0 ? -1 : std::clamp(select, 0, count - 1);
    c_.list->setCurrentRow(current_);
    EnableButtons();
}

void CLocationEditor::EnableButtons() {
    const bool any = current_ >= 0;
    c_.change->setEnabled(any);
    c_.remove->setEnabled(any);
}

// ---- fields <-> location ------------------------------------------------------------------

void CLocationEditor::ShowEntry() {
    if (current_ >= 0) {
        shown_ = lists_.GetAt(listPos_, current_);
    } else {
        shown_ = CLocation();
        shown_.SetType(ListPosToType(listPos_));
    }
    FieldsFromLocation(shown_);
    ShowFields();
    RememberShownTexts();
    UpdateRangeOrDirection();
    EnableButtons();
}

void CLocationEditor::FieldsFromLocation(const CLocation& loc) {
    const bool landing = loc.IsLandingSite();
    v_.country = loc.GetCountry();
    v_.name = loc.GetName();
    v_.ident = loc.GetIdent();
    v_.latitude = loc.m_dLat;
    v_.longitude = loc.m_dLon;
    v_.variation = loc.GetVariation();
    v_.elevationUnit = loc.GetElevationUnit();
    v_.elevation = loc.Elevation();
    const auto frequency = loc.GetFrequency();
    v_.frequency = frequency ? static_cast<float>(*frequency) : 0.0f;
    v_.rangeUnit = loc.GetRangeUnit();
    v_.range = !landing && loc.DirectionOrRange() > 0 ? loc.DirectionOrRange() : NOVALUE_LONG;
    v_.direction = RunwayCodeToListPos(landing ? loc.DirectionOrRange() : kUnknownRunwayDirection);
    v_.runwayUnit = loc.GetRunwayUnit();
    v_.runway = loc.GetRunwayLength() ? clampTo<int16_t>(*loc.GetRunwayLength()) : NOVALUE_RUNWAY;
    v_.slopeUnit = loc.GetSlopeUnit();
    v_.slope = loc.GetHeightDifference() ? *loc.GetHeightDifference() : NOVALUE_ALTITUDE;
    v_.unpaved = loc.IsUnpaved();
    v_.minHeight = minHeightPos(loc.GetMinHeightCode());
}

void CLocationEditor::RememberShownTexts() {
    shownTexts_.clear();
    for (const QLineEdit* e : {c_.latitude, c_.longitude, c_.elevation, c_.variation, c_.frequency, c_.range,
                               c_.runway, c_.slope})
        shownTexts_[e] = e->text();
    shownChoices_.clear();
    for (const QComboBox* b : {c_.direction, c_.minHeight}) shownChoices_[b] = b->currentIndex();
}

bool CLocationEditor::Untouched(const QLineEdit* edit) const {
    const auto it = shownTexts_.find(edit);
    return it != shownTexts_.end() && it->second == edit->text();
}

bool CLocationEditor::UntouchedChoice(const QComboBox* box) const {
    const auto it = shownChoices_.find(box);
    return it != shownChoices_.end() && it->second == box->currentIndex();
}

// Values are read from the bound variables (ReadFields has run). A field
// whose text is still the one shown keeps the entry's exact value, so that
// looking at an entry never changes it (position texts are rounded to
// seconds, absent values have several stored forms).
CLocation CLocationEditor::LocationFromFields(const CLocation& base) const {
    const CLocation& was = shown_;
    CLocation loc = base;
    loc.SetType(ListPosToType(listPos_));
    loc.SetCountry(v_.country);
    loc.SetName(v_.name);
    loc.SetIdent(v_.ident);
    loc.m_dLat = Untouched(c_.latitude) ? was.m_dLat : v_.latitude;
    loc.m_dLon = Untouched(c_.longitude) ? was.m_dLon : v_.longitude;
    loc.SetVariation(Untouched(c_.variation) ? was.GetVariation()
                                             : clampTo<int32_t>(truncateToLong(v_.variation)));
    loc.SetElevationUnit(v_.elevationUnit);
    loc.SetElevation(Untouched(c_.elevation) ? was.Elevation() : v_.elevation);
    if (Untouched(c_.frequency)) {
        loc.SetFrequencyCode(was.FrequencyCode());
    } else {
        loc.SetFrequency(v_.frequency);
    }
    loc.SetRunwayUnit(v_.runwayUnit);
    loc.SetRunwayLength(Untouched(c_.runway) ? was.RunwayLength() : v_.runway);
    loc.SetSlopeUnit(v_.slopeUnit);
    loc.SetHeightDifference(Untouched(c_.slope) ? was.HeightDifference() : v_.slope);
    loc.SetUnpaved(v_.unpaved);
    if (UntouchedChoice(c_.minHeight)) {
        constexpr uint8_t kMinBits = LOC_MIN_500 | LOC_MIN_1000 | LOC_MIN_2000;
        loc.SetFlags(static_cast<uint8_t>((loc.GetFlags() & ~kMinBits) | (was.GetFlags() & kMinBits)));
    } else {
        loc.SetMinHeightCode(kMinHeightCodes[std::clamp<int>(v_.minHeight, 0, 2)]);
    }
    loc.SetRangeUnit(v_.rangeUnit);
    if (loc.IsLandingSite()) {
        const bool keep = UntouchedChoice(c_.direction) && was.IsLandingSite();
        loc.SetDirectionOrRange(keep ? was.DirectionOrRange() : RunwayListPosToCode(v_.direction));
    } else {
        const bool keep = Untouched(c_.range) && !was.IsLandingSite();
        loc.SetDirectionOrRange(keep ? was.DirectionOrRange() : v_.range);
    }
    return loc;
}

bool CLocationEditor::IsLandingSiteShown() const {
    const int type = ListPosToType(listPos_);
    if (type == WP_AIRPORT || type == WP_SAIL) return true;
    if (type != WP_USER) return false;
    // A free user point with a runway length is a landing site.
    const auto length = ReadField(FieldKind::RunwayLength, c_.runway->text().toStdString(),
                                  SelectedUnit(c_.runwayUnit));
    return length && *length >= 2;
}

bool CLocationEditor::ShowsRunwayDirection() const {
    return c_.rangeOrDirection->currentIndex() == 1;
}

void CLocationEditor::UpdateRangeOrDirection() {
    const bool landing = IsLandingSiteShown();
    c_.rangeOrDirection->setCurrentIndex(landing ? 1 : 0);
    c_.rangeLabel->setText(landing ? QStringLiteral("Ausrichtung:") : QStringLiteral("Reichweite:"));
    c_.rangeLabel->setBuddy(landing ? static_cast<QWidget*>(c_.direction) : c_.range);
}

bool CLocationEditor::Validate() {
    // A location needs a name, and a new one a position.
    if (v_.name.empty() && (adding_ || !shown_.GetName().empty()))
        return Fail(c_.name, "Bitte geben Sie einen Namen ein!");
    if (adding_ && v_.latitude == NOVALUE_POSITION) return Fail(c_.latitude, NumberRangeMessage(-90, 90));
    if (adding_ && v_.longitude == NOVALUE_POSITION) return Fail(c_.longitude, NumberRangeMessage(-180, 180));
    return true;
}

// ---- storing and the buttons ----------------------------------------------------------------

bool CLocationEditor::StoreCurrent(int* follow) {
    if (current_ < 0) return true;
    if (!ReadFields()) return false;
    const CLocation loc = LocationFromFields(lists_.GetAt(listPos_, current_));
    int moved = current_;
    switch (lists_.ChangeAt(current_, loc, moved)) {
        case CLocLists::Change::DuplicateName:
            return Fail(c_.name, LoadStr(kNameTaken));
        case CLocLists::Change::Unchanged:
            return true;
        case CLocLists::Change::Changed:
            break;
    }
    if (follow && *follow >= 0 && *follow != current_) {
        // The entry left its place and went to `moved`: the others shift.
        int f = *follow > current_ ? *follow - 1 : *follow;
        if (f >= moved) ++f;
        *follow = f;
    }
    FillList(moved);
    shown_ = lists_.GetAt(listPos_, current_);
    return true;
}

void CLocationEditor::AddEntry() {
    adding_ = true;
    const bool read = ReadFields();
    adding_ = false;
    if (!read) return;
    CLocation fresh;
    const CLocation loc = LocationFromFields(fresh);
    const int at = lists_.AddNew(loc);
    if (at < 0) {
        Fail(c_.name, LoadStr(kNameTaken));
        return;
    }
    FillList(at);
    ShowEntry();
    if (settings_.GetSignalOnSave()) thePrompt().Beep();
    c_.name->setFocus(Qt::OtherFocusReason);
}

void CLocationEditor::ChangeEntry() {
    if (current_ < 0) return;
    if (StoreCurrent()) ShowEntry();
}

void CLocationEditor::RemoveEntry() {
    if (current_ < 0) return;
    const int removed = current_;
    lists_.RemoveAt(listPos_, removed);
    FillList(removed > 0 ? removed - 1 : 0);
    ShowEntry();
}

void CLocationEditor::OnEntryChosen(int row) {
    if (row == current_) return;
    int target = row;
    if (!StoreCurrent(&target)) {
        const QSignalBlocker block(c_.list);
        c_.list->setCurrentRow(current_);
        return;
    }
    {
        const QSignalBlocker block(c_.list);
        c_.list->setCurrentRow(target);
    }
    current_ = c_.list->currentRow();
    ShowEntry();
}

void CLocationEditor::OnTypeChosen(int listPos) {
    if (listPos == listPos_ || listPos < 0) return;
    if (!StoreCurrent()) {
        const QSignalBlocker block(c_.type);
        c_.type->setCurrentIndex(listPos_);
        return;
    }
    int select = 0;
    if (listPos_ == TypeToListPos(WP_AIRPORT) && listPos == TypeToListPos(WP_REPORT) && current_ >= 0) {
        // The reporting points of an airport start with its ident.
        const std::string ident = shown_.GetIdent();
        int at = 0;
        lists_.Find(listPos, ident, at);
        const CLocLists::List& points = lists_.GetList(listPos);
        const std::string key = NameKey(ident);
        if (!ident.empty() && at < static_cast<int>(points.size()) &&
            CompareNameKeyPrefix(key, PackedName(points[at]), key.size()) == 0)
            select = at;
    }
    listPos_ = listPos;
    FillList(select);
    ShowEntry();
}

void CLocationEditor::OnRegionChosen(int index) {
    const std::string path = c_.region->itemData(index).toString().toStdString();
    auto restore = [this] { FillRegions(); };
    if (path.empty() || path == path_) return;
    if (!StoreCurrent()) {
        restore();
        return;
    }
    if (IsDirty()) {
        const Answer answer = thePrompt().AskYesNo(FormatStr(kSaveQuestion, regionTitle(path_).c_str()));
        if (answer == Answer::Yes && !SaveCopy()) {
            restore();
            return;
        }
    }
    LoadRegion(path, true);
    FillList(0);
    ShowEntry();
}

void CLocationEditor::accept() {
    if (!StoreCurrent()) return;
    if (IsDirty()) {
        if (thePrompt().AskYesNo(FormatStr(kSaveQuestion, regionTitle(path_).c_str())) == Answer::Yes) {
            if (!SaveCopy()) return;
        } else {
            doc_.SetModifiedFlag(false);
        }
    }
    settings_.SetRegionPath(path_);
    if (location_) *location_ = shown_;
    QDialog::accept();
}

void CLocationEditor::reject() {
    doc_.SetModifiedFlag(false);
    QDialog::reject();
}
