#pragma once
// Name completion for a field that takes a location: while the user types,
// a pop-up offers the names and idents of the name index that equal the
// text, then those that start with it, each shown with its category and
// region. Choosing one puts the name into the field.
//
//   auto* completer = new CLocationCompleter(theInitDoc()->QuickFind(), nameEdit);
//   ...
//   CLocation loc;
//   if (completer->Resolve(loc)) ...   // the location the field names

#include <QCompleter>
#include <QStringList>

class CLocation;
class CQuickFind;
class QLineEdit;
class QStandardItemModel;

class CLocationCompleter : public QCompleter {
    Q_OBJECT
public:
    static constexpr int kMaxItems = 50;

    // Installs itself on `edit`, which owns it.
    CLocationCompleter(CQuickFind& index, QLineEdit* edit, int maxItems = kMaxItems);

    // Fills the pop-up's list for `text`; runs on every edit of the field.
    void Update(const QString& text);
    // The names and idents offered now, in order.
    QStringList Offered() const;
    // The location the field's text names (name or ident, without regard to
    // case): the first one of that text with a valid position. False when
    // there is none.
    bool Resolve(CLocation& loc) const;

private:
    CQuickFind& index_;
    QLineEdit* edit_;
    QStandardItemModel* model_;
    int maxItems_;
};
