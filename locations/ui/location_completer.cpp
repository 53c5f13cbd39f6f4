#include "locations/ui/location_completer.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStandardItemModel>

#include "core/ui/dim_dialog.h"
#include "locations/location.h"
#include "locations/location_types.h"
#include "locations/name_completion.h"
#include "locations/quick_find.h"

namespace {

// The text put into the field; the pop-up shows more.
constexpr int kNameRole = Qt::UserRole + 1;

}  // namespace

CLocationCompleter::CLocationCompleter(CQuickFind& index, QLineEdit* edit, int maxItems)
    : QCompleter(edit), index_(index), edit_(edit), model_(new QStandardItemModel(this)), maxItems_(maxItems) {
    setModel(model_);
    setCompletionRole(kNameRole);
    setCaseSensitivity(Qt::CaseInsensitive);
    // The list is already the choice; the completer must not filter it again.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setMaxVisibleItems(12);
    edit_->setCompleter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Update(text);
        if (model_->rowCount() > 0) {
            setCompletionPrefix(text);
            complete();
        } else if (popup()) {
            popup()->hide();
        }
    });
}

void CLocationCompleter::Update(const QString& text) {
    model_->clear();
    const std::string typed = text.trimmed().toStdString();
    for (int entry : NameCompletions(index_.Names(), typed, static_cast<size_t>(maxItems_))) {
        const NameEntry& e = index_.Names().At(entry);
        const QString name = qs(index_.Names().Text(entry));
        auto* item = new QStandardItem(name + QStringLiteral("  (") + qs(TypeDisplayName(e.type)) +
                                       QStringLiteral(", ") + qs(index_.RegionName(e.region)) +
                                       QStringLiteral(")"));
        item->setData(name, kNameRole);
        item->setEditable(false);
        model_->appendRow(item);
    }
}

QStringList CLocationCompleter::Offered() const {
    QStringList out;
    for (int row = 0; row < model_->rowCount(); ++row) out << model_->item(row)->data(kNameRole).toString();
    return out;
}

bool CLocationCompleter::Resolve(CLocation& loc) const {
    const std::string text = edit_->text().trimmed().toStdString();
    return !text.empty() && index_.FindLocationByName(text, loc);
}
