#pragma once
// CDimDialog: the base of Navora's dialogs. It knows unit selectors and
// exchanges values between the dialog's controls and variables (usually the
// members of a copy the dialog works on) through bindings:
//
//   CMyDialog::CMyDialog(CCalcDoc& doc, QWidget* parent) : CDimDialog("Titel", parent), doc_(doc) {
//       v_ = ...copy of the document's values...;
//       auto* unit = NewUnitSelector(PARAM_ALTITUDE);
//       UnitSelector(unit, v_.altitudeUnit);                    // unit code <-> selector
//       Field(altitudeEdit, FieldKind::Altitude, v_.altitude)  // value in the selected unit
//           .Unit(unit).Required().Range(500, 10000);           // range in the kind's reference unit
//       Integer(minutesEdit, v_.minutes).Range(0, 600);
//       Radio(v_.detour, {{bigButton, 2}, {mediumButton, 3}});
//       SetHelp(altitudeEdit, "calc.climb");
//       layout->addWidget(MakeOkCancelButtons());
//       ShowFields();                                            // variables -> controls
//   }
//   void CMyDialog::Apply() { ...write v_ back into doc_... }  // runs on OK only
//
// OK (accept()) reads and checks every bound field in the order the fields
// were bound. The first failure shows its German message, puts the focus
// into that field, selects its text and keeps the dialog open; the bound
// variables then keep the values they had. Only when every field and
// Validate() pass do the variables take the new values, Apply() runs and the
// dialog closes. "Abbrechen" closes without reading anything.
//
// Notes for dialog authors:
// - Bind each variable with the width its kind is stored in (unit_fields.h),
//   or make sure a Range() keeps the value inside the variable: whole numbers
//   are clamped to the variable when stored, markers included.
// - A dimensioned field reads and writes its text in the unit its selector
//   shows when it is exchanged; changing the selector does not convert the
//   text. Selectors are shown before fields, so arm markers follow the arm
//   unit. A selector whose list lacks the shown unit (a distance in metres)
//   shows no entry and keeps standing for that unit.
// - ShowFields() and ReadFields() can be called at any time, for example to
//   show defaults or to store the entry shown before switching to another.
// - Text that is no number is refused with the field's message; it never
//   counts as 0.
//
// Help: every control can carry a German help text (SetHelp with a key of the
// table in context_help.cpp, or SetHelpText). F1 or Shift+F1 shows the text
// of the focused control, and the title bar's "?" button lets the user click
// a control to see its text.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/unit_fields.h"
#include "core/units.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;

// A reference to a bound numeric variable of any width.
class NumberRef {
public:
    NumberRef(int16_t& v) : kind_(Int16), p_(&v) {}
    NumberRef(int32_t& v) : kind_(Int32), p_(&v) {}
    NumberRef(float& v) : kind_(Float), p_(&v) {}
    NumberRef(double& v) : kind_(Double), p_(&v) {}
    double Get() const;
    // Stores v, clamped to the variable's range (whole numbers truncated).
    void Set(double v) const;
    // The range the variable can hold.
    double Lowest() const;
    double Highest() const;

private:
    enum Kind { Int16, Int32, Float, Double } kind_;
    void* p_;
};

// One bound control. Reading happens in two steps, so that nothing is
// written before every field has passed: Read() checks the control's text
// and keeps the value, Commit() stores it and Rollback() undoes the store.
class DialogBinding {
public:
    virtual ~DialogBinding() = default;
    // Variable -> control.
    virtual void Show() = 0;
    // Control -> pending value; the German message when the control's
    // content is refused.
    virtual std::optional<std::string> Read() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    // The control that gets the focus after a refusal.
    virtual QWidget* FocusWidget() const = 0;
    // Unit selectors are shown before the fields, which are written in the
    // unit their selector shows.
    virtual bool ShowsFirst() const { return false; }
};

// A dimensioned field: a number in the unit of its selector (FieldKind of
// unit_fields.h decides how it is read, written and checked).
class DimFieldBinding : public DialogBinding {
public:
    DimFieldBinding(QLineEdit* edit, FieldKind kind, NumberRef value)
        : edit_(edit), kind_(kind), value_(value) {}
    // The selector the value's unit is taken from (for a moment: its arm unit).
    DimFieldBinding& Unit(QComboBox* selector);
    // A fixed unit, for a field without a selector.
    DimFieldBinding& Unit(int unit);
    // The mass selector of a moment field.
    DimFieldBinding& MassUnit(QComboBox* selector);
    DimFieldBinding& MassUnit(int unit);
    // An empty field is refused (some kinds are always or never required).
    DimFieldBinding& Required(bool required = true);
    // Allowed range in the kind's reference unit (ft, NM, m, kg, kt, ...);
    // converted into the selected unit when checked.
    DimFieldBinding& Range(double min, double max);

    int CurrentUnit() const;
    int CurrentMassUnit() const;

    void Show() override;
    std::optional<std::string> Read() override;
    void Commit() override;
    void Rollback() override;
    QWidget* FocusWidget() const override;

private:
    QLineEdit* edit_;
    FieldKind kind_;
    NumberRef value_;
    QComboBox* unitSelector_ = nullptr;
    int fixedUnit_ = DIM_UNKNOWN;
    QComboBox* massSelector_ = nullptr;
    int fixedMassUnit_ = DIM_UNKNOWN;
    bool required_ = false;
    std::optional<std::pair<double, double>> range_;
    double pending_ = 0, old_ = 0;
};

// A plain whole number. Without a Range() the variable's own range applies;
// a number outside it is refused, never clamped.
class IntegerBinding : public DialogBinding {
public:
    IntegerBinding(QLineEdit* edit, NumberRef value) : edit_(edit), value_(value) {}
    IntegerBinding& Range(long long min, long long max);
    void Show() override;
    std::optional<std::string> Read() override;
    void Commit() override;
    void Rollback() override;
    QWidget* FocusWidget() const override;

private:
    QLineEdit* edit_;
    NumberRef value_;
    std::optional<std::pair<long long, long long>> range_;
    double pending_ = 0, old_ = 0;
};

// A plain decimal number, shown with a fixed number of decimals (or "%g"
// for decimals < 0); "," is read as ".".
class NumberBinding : public DialogBinding {
public:
    NumberBinding(QLineEdit* edit, NumberRef value, int decimals)
        : edit_(edit), value_(value), decimals_(decimals) {}
    NumberBinding& Range(double min, double max);
    void Show() override;
    std::optional<std::string> Read() override;
    void Commit() override;
    void Rollback() override;
    QWidget* FocusWidget() const override;

private:
    QLineEdit* edit_;
    NumberRef value_;
    int decimals_;
    std::optional<std::pair<double, double>> range_;
    double pending_ = 0, old_ = 0;
};

// A text (UTF-8), optionally limited to a number of characters.
class TextBinding : public DialogBinding {
public:
    TextBinding(QLineEdit* edit, std::string& value) : edit_(edit), value_(value) {}
    TextBinding& MaxChars(int n);
    void Show() override;
    std::optional<std::string> Read() override;
    void Commit() override;
    void Rollback() override;
    QWidget* FocusWidget() const override;

private:
    QLineEdit* edit_;
    std::string& value_;
    int maxChars_ = -1;
    std::string pending_, old_;
};

// A latitude, longitude or variation as position text. Empty gives
// NOVALUE_POSITION, which a required field refuses.
class PositionBinding : public DialogBinding {
public:
    enum class Kind { Latitude, Longitude, Variation };
    PositionBinding(QLineEdit* edit, Kind kind, double& value);
    PositionBinding& Required(bool required = true);
    // Default: -90..90 for latitudes, -180..180 otherwise.
    PositionBinding& Range(double min, double max);
    void Show() override;
    std::optional<std::string> Read() override;
    void Commit() override;
    void Rollback() override;
    QWidget* FocusWidget() const override;

private:
    QLineEdit* edit_;
    Kind kind_;
    double& value_;
    bool required_ = false;
    double min_, max_;
    double pending_ = 0, old_ = 0;
};

class CDimDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDimDialog(const QString& title, QWidget* parent = nullptr);
    ~CDimDialog() override;

    // OK: ReadFields(), then Apply(), then close. Stays open on a refusal.
    void accept() override;

    // Variables -> controls: unit selectors first, then the other bindings.
    void ShowFields();
    // Controls -> variables, in binding order, then Validate(). On the first
    // refusal: the message through thePrompt(), the focus into the control,
    // its text selected, every variable unchanged, and false.
    bool ReadFields();

    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    // ---- unit selectors (usable without a dialog) ------------------------------------
    // Fills a drop-down with the short names of a parameter type's units, in
    // selector order, and remembers the type on it.
    static void FillUnitSelector(QComboBox* selector, int type);
    // Selects the entry of `unit`; a unit the list does not hold selects no
    // entry, and the selector then stands for that unit (SelectedUnit).
    static void SelectUnit(QComboBox* selector, int unit);
    // The unit the selector shows: the unit of its entry, or the unit it was
    // given by SelectUnit when it shows none; DIM_UNKNOWN for nullptr.
    static int SelectedUnit(const QComboBox* selector);

    // The help text of a control, or of the nearest parent that has one.
    static QString ContextHelpText(const QWidget* control);
    // Shows that text in a pop-up beside the control.
    void ShowContextHelp(QWidget* control);

protected:
    // Checks across fields; runs after every field passed, with the bound
    // variables holding the new values. Refuse with `return Fail(...)`.
    virtual bool Validate() { return true; }
    // Writes the dialog's values back into the documents (OK only).
    virtual void Apply() {}

    // Shows a refusal: the message, then the focus into `control` with its
    // text selected. Returns false, for `return Fail(...)`.
    bool Fail(QWidget* control, const std::string& message);

    // ---- controls ----------------------------------------------------------------------
    // A drop-down filled for a parameter type.
    QComboBox* NewUnitSelector(int type);
    // An edit field about `chars` characters wide.
    QLineEdit* NewEdit(int chars = 8);
    // "OK" and "Abbrechen", connected to accept() and reject(); add further
    // buttons to the box it returns.
    QDialogButtonBox* MakeOkCancelButtons();

    // ---- bindings, exchanged in the order they are made -----------------------------------
    // A unit selector and the unit code variable it shows. Reading a selector
    // that shows no entry keeps the variable's unit.
    void UnitSelector(QComboBox* selector, int16_t& unit);
    DimFieldBinding& Field(QLineEdit* edit, FieldKind kind, NumberRef value);
    IntegerBinding& Integer(QLineEdit* edit, NumberRef value);
    NumberBinding& Number(QLineEdit* edit, NumberRef value, int decimals);
    TextBinding& Text(QLineEdit* edit, std::string& value);
    PositionBinding& Latitude(QLineEdit* edit, double& value);
    PositionBinding& Longitude(QLineEdit* edit, double& value);
    PositionBinding& Variation(QLineEdit* edit, double& value);
    void Check(QAbstractButton* box, bool& value);
    void Check(QAbstractButton* box, int32_t& value);  // 0 or 1
    // Radio buttons and the value each stands for. A value no button stands
    // for shows the first button; no button checked keeps the value.
    void Radio(NumberRef value, std::vector<std::pair<QAbstractButton*, int>> buttons);
    // The position of a drop-down entry (an index outside the list shows the
    // first entry; no entry selected keeps the value).
    void Choice(QComboBox* list, NumberRef index);
    // Any other binding.
    DialogBinding& Bind(std::unique_ptr<DialogBinding> binding);

    // ---- help ----------------------------------------------------------------------------
    // Gives a control the help text of `key` in the help table (context_help.h).
    void SetHelp(QWidget* control, std::string_view key);
    void SetHelpText(QWidget* control, const QString& text);

    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename B>
    B& Add(std::unique_ptr<B> binding) {
        B& ref = *binding;
        bindings_.push_back(std::move(binding));
        return ref;
    }

    std::vector<std::unique_ptr<DialogBinding>> bindings_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Text between the program's UTF-8 strings and Qt.
inline QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline QString qs(const char* s) {
    return QString::fromUtf8(s);
}
