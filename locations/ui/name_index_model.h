#pragma once
// The names and idents of the name index as a list model, in the order of
// the index: row i is entry i of the name list.

#include <QAbstractListModel>

class CQuickFind;

class NameIndexModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NameIndexModel(CQuickFind& index, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Call after the name index was rebuilt.
    void Reload();

private:
    CQuickFind& index_;
};
