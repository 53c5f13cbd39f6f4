#include "locations/ui/name_index_model.h"

#include "core/ui/dim_dialog.h"
#include "locations/quick_find.h"

NameIndexModel::NameIndexModel(CQuickFind& index, QObject* parent) : QAbstractListModel(parent), index_(index) {}

int NameIndexModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : index_.Names().Count();
}

QVariant NameIndexModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= index_.Names().Count()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return qs(index_.Names().Text(index.row()));
    return {};
}

void NameIndexModel::Reload() {
    beginResetModel();
    endResetModel();
}
