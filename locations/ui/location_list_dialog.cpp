#include "locations/ui/location_list_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/init_doc.h"
#include "locations/location_types.h"
#include "locations/quick_find.h"
#include "locations/ui/name_index_model.h"
#include "locations/ui/regions_dialog.h"

CLocationListDialog::CLocationListDialog(CInitDoc& settings, QWidget* parent)
    : CDimDialog(QStringLiteral("Ortsliste"), parent), settings_(settings), index_(settings.QuickFind()) {
    auto* layout = new QVBoxLayout(this);
    model_ = new NameIndexModel(index_, this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("names"));
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(220, 300);
    layout->addWidget(list_);

    auto* details = new QGridLayout;
    category_ = new QLabel(this);
    region_ = new QLabel(this);
    details->addWidget(new QLabel(QStringLiteral("Kategorie:"), this), 0, 0);
    details->addWidget(category_, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("Region:"), this), 1, 0);
    details->addWidget(region_, 1, 1);
    details->setColumnStretch(1, 1);
    layout->addLayout(details);

    QDialogButtonBox* buttons = MakeOkCancelButtons();
    regions_ = buttons->addButton(QStringLiteral("Regionen..."), QDialogButtonBox::ActionRole);
    regions_->setAutoDefault(false);
    layout->addWidget(buttons);

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { ShowDetails(); });
    connect(list_, &QListView::doubleClicked, this, [this] { accept(); });
    connect(regions_, &QPushButton::clicked, this, &CLocationListDialog::ChooseRegions);

    SetHelpText(list_, QStringLiteral("Alle Namen und Kennungen der Orte in den aktiven Regionen. Der "
                                      "ausgewählte Ort wird mit »OK« Ihr Heimatflugplatz."));
    SetHelpText(regions_, QStringLiteral("Legt fest, welche Regionen aktiv sind, und füllt die Liste neu."));
    SetHelpText(OkButton(), QStringLiteral("Macht den ausgewählten Ort zum Heimatflugplatz."));
    SetHelpText(CancelButton(), QStringLiteral("Schließt die Liste, ohne den Heimatflugplatz zu ändern."));

    SelectEntry(HomeEntry());
}

int CLocationListDialog::SelectedEntry() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() && list_->selectionModel()->isSelected(current) ? current.row() : -1;
}

void CLocationListDialog::SelectEntry(int entry) {
    if (entry < 0 || entry >= model_->rowCount()) {
        list_->selectionModel()->clear();
        ShowDetails();
        return;
    }
    const QModelIndex at = model_->index(entry);
    list_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(at, QAbstractItemView::PositionAtCenter);
    ShowDetails();
}

QString CLocationListDialog::CategoryText() const { return category_->text(); }
QString CLocationListDialog::RegionText() const { return region_->text(); }

int CLocationListDialog::HomeEntry() const {
    const CLocation& home = settings_.GetHome();
    int first = 0;
    int last = 0;
    if (home.GetName().empty() || !index_.Range(home.GetName(), first, last)) return -1;
    for (int i = first; i <= last; ++i) {
        if (index_.Names().At(i).type == home.GetType()) return i;
    }
    return first;
}

void CLocationListDialog::ShowDetails() {
    const int entry = SelectedEntry();
    if (entry < 0) {
        category_->clear();
        region_->clear();
        return;
    }
    const NameEntry& e = index_.Names().At(entry);
    category_->setText(qs(TypeDisplayName(e.type)));
    region_->setText(qs(index_.RegionName(e.region)));
}

void CLocationListDialog::ChooseRegions() {
    const int entry = SelectedEntry();
    const std::string text = entry >= 0 ? index_.Names().Text(entry) : std::string();
    const int type = entry >= 0 ? index_.Names().At(entry).type : 0;
    CRegionsDialog dialog(index_, this);
    dialog.exec();
    model_->Reload();
    // Keep the entry chosen before, when its region is still active.
    int again = -1;
    int first = 0;
    int last = 0;
    if (!text.empty() && index_.Range(text, first, last)) {
        again = first;
        for (int i = first; i <= last; ++i) {
            if (index_.Names().At(i).type == type) {
                again = i;
                break;
            }
        }
    }
    SelectEntry(again >= 0 ? again : HomeEntry());
}

bool CLocationListDialog::Validate() {
    chosen_.reset();
    const int entry = SelectedEntry();
    if (entry < 0) return true;
    CLocation loc;
    int region = -1;
    // A region file that can no longer be read gives no location at all: that
    // must not become the home airfield.
    if (!index_.LocationOf(entry, loc, region) || loc.GetName().empty())
        return Fail(list_, "Ortsdaten können nicht eingelesen werden.");
    chosen_ = loc;
    return true;
}

void CLocationListDialog::Apply() {
    if (chosen_) settings_.SetHome(*chosen_);
}
