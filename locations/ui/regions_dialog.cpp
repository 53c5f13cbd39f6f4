#include "locations/ui/regions_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "locations/quick_find.h"

namespace {

std::function<void(const CRegionList&)>& activationObserver() {
    static std::function<void(const CRegionList&)> observer;
    return observer;
}

constexpr int kRegionRole = Qt::UserRole;

}  // namespace

void CRegionsDialog::SetActivationObserver(std::function<void(const CRegionList&)> observer) {
    activationObserver() = std::move(observer);
}

CRegionsDialog::CRegionsDialog(CQuickFind& index, QWidget* parent)
    : CDimDialog(QStringLiteral("Regionen"), parent), index_(index) {
    for (const RegionEntry& e : index_.Regions().Entries()) activeFlags_.push_back(e.active);

    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    layout->addLayout(lists);

    auto newList = [this](const char* objectName) {
        auto* list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(objectName));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumHeight(200);
        return list;
    };
    passive_ = newList("passive");
    active_ = newList("active");
    auto* passiveLabel = new QLabel(QStringLiteral("Passiv:"), this);
    passiveLabel->setBuddy(passive_);
    auto* activeLabel = new QLabel(QStringLiteral("Aktiv:"), this);
    activeLabel->setBuddy(active_);
    lists->addWidget(passiveLabel, 0, 0);
    lists->addWidget(passive_, 1, 0);
    lists->addWidget(activeLabel, 0, 2);
    lists->addWidget(active_, 1, 2);

    // The move buttons between the lists.
    auto* moves = new QVBoxLayout;
    auto newGroup = [this, moves](const char* title, QPushButton*& selected, QPushButton*& all) {
        auto* box = new QGroupBox(qs(title), this);
        auto* column = new QVBoxLayout(box);
        selected = new QPushButton(QStringLiteral("Auswahl"), box);
        all = new QPushButton(QStringLiteral("Alle"), box);
        selected->setAutoDefault(false);
        all->setAutoDefault(false);
        column->addWidget(selected);
        column->addWidget(all);
        moves->addWidget(box);
    };
    newGroup("Aktiviere:", activateSelected_, activateAll_);
    newGroup("Deaktiviere:", deactivateSelected_, deactivateAll_);
    moves->addStretch();
    lists->addLayout(moves, 1, 1);

    connect(activateSelected_, &QPushButton::clicked, this, [this] { Move(true, false); });
    connect(activateAll_, &QPushButton::clicked, this, [this] { Move(true, true); });
    connect(deactivateSelected_, &QPushButton::clicked, this, [this] { Move(false, false); });
    connect(deactivateAll_, &QPushButton::clicked, this, [this] { Move(false, true); });
    connect(passive_, &QListWidget::itemDoubleClicked, this, [this] { Move(true, false); });
    connect(active_, &QListWidget::itemDoubleClicked, this, [this] { Move(false, false); });

    auto* buttons = new QDialogButtonBox(this);
    done_ = buttons->addButton(QStringLiteral("Fertig"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    done_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRegionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRegionsDialog::reject);
    layout->addWidget(buttons);

    SetHelpText(passive_, QStringLiteral("Die Regionen, deren Orte zurzeit nicht gesucht und nicht angezeigt "
                                         "werden. Mehrere Regionen lassen sich zusammen auswählen."));
    SetHelpText(active_, QStringLiteral("Die Regionen, deren Orte Navora bei der Suche nach Namen und auf den "
                                        "Karten verwendet. Die erste hier ausgewählte Region wird geladen."));
    SetHelpText(activateSelected_, QStringLiteral("Nimmt die ausgewählten passiven Regionen in die aktiven auf."));
    SetHelpText(activateAll_, QStringLiteral("Nimmt alle passiven Regionen in die aktiven auf."));
    SetHelpText(deactivateSelected_, QStringLiteral("Nimmt die ausgewählten aktiven Regionen aus der Suche heraus."));
    SetHelpText(deactivateAll_, QStringLiteral("Nimmt alle aktiven Regionen aus der Suche heraus."));
    SetHelpText(done_, QStringLiteral("Übernimmt die Auswahl und baut das Namensverzeichnis neu auf, wenn sich "
                                      "etwas geändert hat. Mindestens eine Region muss aktiv sein."));
    SetHelpText(cancel, QStringLiteral("Schließt den Dialog, ohne etwas zu ändern."));

    Refill();
}

void CRegionsDialog::Refill() {
    passive_->clear();
    active_->clear();
    const auto& entries = index_.Regions().Entries();
    for (size_t i = 0; i < entries.size() && i < activeFlags_.size(); ++i) {
        auto* item = new QListWidgetItem(qs(entries[i].name));
        item->setData(kRegionRole, static_cast<int>(i));
        (activeFlags_[i] ? active_ : passive_)->addItem(item);
    }
    done_->setEnabled(active_->count() > 0);
}

void CRegionsDialog::Move(bool toActive, bool all) {
    QListWidget* from = toActive ? passive_ : active_;
    for (int row = 0; row < from->count(); ++row) {
        QListWidgetItem* item = from->item(row);
        if (all || item->isSelected()) activeFlags_[static_cast<size_t>(item->data(kRegionRole).toInt())] = toActive;
    }
    Refill();
}

void CRegionsDialog::accept() {
    if (active_->count() == 0) return;
    // The region to show: the first one selected in "Aktiv:".
    int shown = -1;
    for (int row = 0; row < active_->count() && shown < 0; ++row) {
        if (active_->item(row)->isSelected()) shown = active_->item(row)->data(kRegionRole).toInt();
    }
    const bool changed = index_.ApplyActivation(activeFlags_, shown);
    if (!changed) {
        QDialog::reject();
        return;
    }
    if (activationObserver()) activationObserver()(index_.Regions());
    QDialog::accept();
}
