#include "core/ui/dim_dialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <QWhatsThis>
#include <cfloat>
#include <cmath>

#include "core/position_text.h"
#include "core/ui/context_help.h"
#include "platform/numtext.h"
#include "platform/prompt.h"
#include "platform/rounding.h"

namespace {

// Dynamic properties a unit selector carries.
const char* const kTypeProperty = "navoraParamType";
const char* const kShownUnitProperty = "navoraShownUnit";

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

// ---- NumberRef ---------------------------------------------------------------------

double NumberRef::Get() const {
    switch (kind_) {
        case Int16:
            return *static_cast<int16_t*>(p_);
        case Int32:
            return *static_cast<int32_t*>(p_);
        case Float:
            return *static_cast<float*>(p_);
        case Double:
            return *static_cast<double*>(p_);
    }
    return 0;
}

void NumberRef::Set(double v) const {
    switch (kind_) {
        case Int16:
            *static_cast<int16_t*>(p_) = clampTo<int16_t>(truncateToLong(v));
            break;
        case Int32:
            *static_cast<int32_t*>(p_) = clampTo<int32_t>(truncateToLong(v));
            break;
        case Float:
            *static_cast<float*>(p_) = static_cast<float>(std::fmax(-FLT_MAX, std::fmin(FLT_MAX, v)));
            break;
        case Double:
            *static_cast<double*>(p_) = v;
            break;
    }
}

double NumberRef::Lowest() const {
    switch (kind_) {
        case Int16:
            return INT16_MIN;
        case Int32:
            return INT32_MIN;
        case Float:
            return -FLT_MAX;
        case Double:
            return -DBL_MAX;
    }
    return 0;
}

double NumberRef::Highest() const {
    switch (kind_) {
        case Int16:
            return INT16_MAX;
        case Int32:
            return INT32_MAX;
        case Float:
            return FLT_MAX;
        case Double:
            return DBL_MAX;
    }
    return 0;
}

// ---- dimensioned fields ---------------------------------------------------------------

DimFieldBinding& DimFieldBinding::Unit(QComboBox* selector) {
    unitSelector_ = selector;
    return *this;
}
DimFieldBinding& DimFieldBinding::Unit(int unit) {
    unitSelector_ = nullptr;
    fixedUnit_ = unit;
    return *this;
}
DimFieldBinding& DimFieldBinding::MassUnit(QComboBox* selector) {
    massSelector_ = selector;
    return *this;
}
DimFieldBinding& DimFieldBinding::MassUnit(int unit) {
    massSelector_ = nullptr;
    fixedMassUnit_ = unit;
    return *this;
}
DimFieldBinding& DimFieldBinding::Required(bool required) {
    required_ = required;
    return *this;
}
DimFieldBinding& DimFieldBinding::Range(double min, double max) {
    range_ = std::make_pair(min, max);
    return *this;
}

int DimFieldBinding::CurrentUnit() const {
    return unitSelector_ ? CDimDialog::SelectedUnit(unitSelector_) : fixedUnit_;
}
int DimFieldBinding::CurrentMassUnit() const {
    return massSelector_ ? CDimDialog::SelectedUnit(massSelector_) : fixedMassUnit_;
}

void DimFieldBinding::Show() {
    edit_->setText(qs(WriteField(kind_, value_.Get(), CurrentUnit())));
}

std::optional<std::string> DimFieldBinding::Read() {
    const int unit = CurrentUnit();
    const auto v = ReadField(kind_, textOf(edit_), unit);
    if (!v) return MissingValueMessage(kind_, unit);
    const FieldCheck check =
        range_ ? CheckField(kind_, *v, required_, range_->first, range_->second, unit, CurrentMassUnit())
               : CheckFieldPresent(kind_, *v, required_, unit);
    if (!check) return check.message;
    pending_ = *v;
    return std::nullopt;
}

void DimFieldBinding::Commit() {
    old_ = value_.Get();
    value_.Set(pending_);
}
void DimFieldBinding::Rollback() {
    value_.Set(old_);
}
QWidget* DimFieldBinding::FocusWidget() const {
    return edit_;
}

// ---- plain whole numbers -------------------------------------------------------------------

IntegerBinding& IntegerBinding::Range(long long min, long long max) {
    range_ = std::make_pair(min, max);
    return *this;
}

void IntegerBinding::Show() {
    edit_->setText(qs(strFormat("%lld", truncateToLong(value_.Get()))));
}

std::optional<std::string> IntegerBinding::Read() {
    const long long lo = range_ ? range_->first : static_cast<long long>(value_.Lowest());
    const long long hi = range_ ? range_->second : static_cast<long long>(value_.Highest());
    const auto v = ReadIntegerField(textOf(edit_), lo, hi);
    if (!v) return v.message;
    pending_ = static_cast<double>(*v.value);
    return std::nullopt;
}

void IntegerBinding::Commit() {
    old_ = value_.Get();
    value_.Set(pending_);
}
void IntegerBinding::Rollback() {
    value_.Set(old_);
}
QWidget* IntegerBinding::FocusWidget() const {
    return edit_;
}

// ---- plain decimal numbers ------------------------------------------------------------------

NumberBinding& NumberBinding::Range(double min, double max) {
    range_ = std::make_pair(min, max);
    return *this;
}

void NumberBinding::Show() {
    const double v = value_.Get();
    if (!std::isfinite(v)) {
        edit_->clear();
        return;
    }
    edit_->setText(qs(decimals_ < 0 ? strFormat("%g", v) : formatFixed(v, decimals_)));
}

std::optional<std::string> NumberBinding::Read() {
    const double lo = range_ ? range_->first : value_.Lowest();
    const double hi = range_ ? range_->second : value_.Highest();
    const auto v = ReadNumberField(textOf(edit_), lo, hi);
    if (!v) return v.message;
    pending_ = *v.value;
    return std::nullopt;
}

void NumberBinding::Commit() {
    old_ = value_.Get();
    value_.Set(pending_);
}
void NumberBinding::Rollback() {
    value_.Set(old_);
}
QWidget* NumberBinding::FocusWidget() const {
    return edit_;
}

// ---- texts -------------------------------------------------------------------------------------

TextBinding& TextBinding::MaxChars(int n) {
    maxChars_ = n;
    if (n >= 0) edit_->setMaxLength(n);
    return *this;
}

void TextBinding::Show() {
    edit_->setText(qs(value_));
}

std::optional<std::string> TextBinding::Read() {
    const QString text = edit_->text();
    if (maxChars_ >= 0 && text.toUcs4().size() > maxChars_) return TextLengthMessage(maxChars_);
    pending_ = text.toStdString();
    return std::nullopt;
}

void TextBinding::Commit() {
    old_ = value_;
    value_ = pending_;
}
void TextBinding::Rollback() {
    value_ = old_;
}
QWidget* TextBinding::FocusWidget() const {
    return edit_;
}

// ---- positions -------------------------------------------------------------------------------

PositionBinding::PositionBinding(QLineEdit* edit, Kind kind, double& value)
    : edit_(edit), kind_(kind), value_(value) {
    const double limit = kind == Kind::Latitude ? 90.0 : 180.0;
    min_ = -limit;
    max_ = limit;
}

PositionBinding& PositionBinding::Required(bool required) {
    required_ = required;
    return *this;
}
PositionBinding& PositionBinding::Range(double min, double max) {
    min_ = min;
    max_ = max;
    return *this;
}

void PositionBinding::Show() {
    switch (kind_) {
        case Kind::Latitude:
            edit_->setText(qs(WriteLatitudeText(value_)));
            break;
        case Kind::Longitude:
            edit_->setText(qs(WriteLongitudeText(value_)));
            break;
        case Kind::Variation:
            edit_->setText(qs(WriteVariationText(value_)));
            break;
    }
}

std::optional<std::string> PositionBinding::Read() {
    const auto v = ReadPositionText(textOf(edit_));
    if (!v) return NumberRangeMessage(min_, max_);
    if (*v == NOVALUE_POSITION) {
        if (required_) return NumberRangeMessage(min_, max_);
    } else if (*v < min_ || *v > max_) {
        return NumberRangeMessage(min_, max_);
    }
    pending_ = *v;
    return std::nullopt;
}

void PositionBinding::Commit() {
    old_ = value_;
    value_ = pending_;
}
void PositionBinding::Rollback() {
    value_ = old_;
}
QWidget* PositionBinding::FocusWidget() const {
    return edit_;
}

// ---- selectors, check boxes, radio buttons, lists ----------------------------------------------

namespace {

class UnitSelectorBinding : public DialogBinding {
public:
    UnitSelectorBinding(QComboBox* selector, int16_t& unit) : selector_(selector), unit_(unit) {}
    void Show() override { CDimDialog::SelectUnit(selector_, unit_); }
    std::optional<std::string> Read() override {
        pending_ =
            selector_->currentIndex() < 0 ? unit_ : static_cast<int16_t>(CDimDialog::SelectedUnit(selector_));
        return std::nullopt;
    }
    void Commit() override {
        old_ = unit_;
        unit_ = pending_;
    }
    void Rollback() override { unit_ = old_; }
    QWidget* FocusWidget() const override { return selector_; }
    bool ShowsFirst() const override { return true; }

private:
    QComboBox* selector_;
    int16_t& unit_;
    int16_t pending_ = 0, old_ = 0;
};

class CheckBinding : public DialogBinding {
public:
    CheckBinding(QAbstractButton* box, std::function<bool()> get, std::function<void(bool)> set)
        : box_(box), get_(std::move(get)), set_(std::move(set)) {}
    void Show() override { box_->setChecked(get_()); }
    std::optional<std::string> Read() override {
        pending_ = box_->isChecked();
        return std::nullopt;
    }
    void Commit() override {
        old_ = get_();
        set_(pending_);
    }
    void Rollback() override { set_(old_); }
    QWidget* FocusWidget() const override { return box_; }

private:
    QAbstractButton* box_;
    std::function<bool()> get_;
    std::function<void(bool)> set_;
    bool pending_ = false, old_ = false;
};

class RadioBinding : public DialogBinding {
public:
    RadioBinding(NumberRef value, std::vector<std::pair<QAbstractButton*, int>> buttons)
        : value_(value), buttons_(std::move(buttons)) {}
    void Show() override {
        if (buttons_.empty()) return;
        QAbstractButton* shown = buttons_.front().first;
        for (const auto& [button, v] : buttons_) {
            if (v == value_.Get()) {
                shown = button;
                break;
            }
        }
        shown->setChecked(true);
    }
    std::optional<std::string> Read() override {
        pending_ = value_.Get();
        for (const auto& [button, v] : buttons_) {
            if (button->isChecked()) pending_ = v;
        }
        return std::nullopt;
    }
    void Commit() override {
        old_ = value_.Get();
        value_.Set(pending_);
    }
    void Rollback() override { value_.Set(old_); }
    QWidget* FocusWidget() const override { return buttons_.empty() ? nullptr : buttons_.front().first; }

private:
    NumberRef value_;
    std::vector<std::pair<QAbstractButton*, int>> buttons_;
    double pending_ = 0, old_ = 0;
};

class ChoiceBinding : public DialogBinding {
public:
    ChoiceBinding(QComboBox* list, NumberRef index) : list_(list), index_(index) {}
    void Show() override {
        const double i = index_.Get();
        list_->setCurrentIndex(i >= 0 && i < list_->count() ? static_cast<int>(i) : 0);
    }
    std::optional<std::string> Read() override {
        pending_ = list_->currentIndex() < 0 ? index_.Get() : list_->currentIndex();
        return std::nullopt;
    }
    void Commit() override {
        old_ = index_.Get();
        index_.Set(pending_);
    }
    void Rollback() override { index_.Set(old_); }
    QWidget* FocusWidget() const override { return list_; }

private:
    QComboBox* list_;
    NumberRef index_;
    double pending_ = 0, old_ = 0;
};

}  // namespace

// ---- the dialog ------------------------------------------------------------------------------

CDimDialog::CDimDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

CDimDialog::~CDimDialog() = default;

void CDimDialog::accept() {
    if (!ReadFields()) return;
    Apply();
    QDialog::accept();
}

void CDimDialog::ShowFields() {
    for (const auto& b : bindings_) {
        if (b->ShowsFirst()) b->Show();
    }
    for (const auto& b : bindings_) {
        if (!b->ShowsFirst()) b->Show();
    }
}

bool CDimDialog::ReadFields() {
    for (const auto& b : bindings_) {
        if (auto message = b->Read()) return Fail(b->FocusWidget(), *message);
    }
    for (const auto& b : bindings_) b->Commit();
    if (Validate()) return true;
    for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it) (*it)->Rollback();
    return false;
}

bool CDimDialog::Fail(QWidget* control, const std::string& message) {
    thePrompt().Message(message, MessageKind::Warning);
    if (control) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    }
    return false;
}

// ---- unit selectors --------------------------------------------------------------------------

void CDimDialog::FillUnitSelector(QComboBox* selector, int type) {
    selector->setProperty(kTypeProperty, type);
    for (const int16_t unit : SelectorUnits(type)) selector->addItem(qs(UnitName(unit)));
}

void CDimDialog::SelectUnit(QComboBox* selector, int unit) {
    const QVariant type = selector->property(kTypeProperty);
    selector->setProperty(kShownUnitProperty, unit);
    selector->setCurrentIndex(type.isValid() ? UnitToIndex(type.toInt(), unit) : -1);
}

int CDimDialog::SelectedUnit(const QComboBox* selector) {
    if (!selector) return DIM_UNKNOWN;
    const QVariant type = selector->property(kTypeProperty);
    if (!type.isValid()) return DIM_UNKNOWN;
    if (selector->currentIndex() >= 0) return IndexToUnit(type.toInt(), selector->currentIndex());
    const QVariant shown = selector->property(kShownUnitProperty);
    return shown.isValid() ? shown.toInt() : DIM_UNKNOWN;
}

// ---- controls ----------------------------------------------------------------------------------

QComboBox* CDimDialog::NewUnitSelector(int type) {
    auto* selector = new QComboBox(this);
    FillUnitSelector(selector, type);
    return selector;
}

QLineEdit* CDimDialog::NewEdit(int chars) {
    auto* edit = new QLineEdit(this);
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 16);
    return edit;
}

QDialogButtonBox* CDimDialog::MakeOkCancelButtons() {
    auto* box = new QDialogButtonBox(this);
    okButton_ = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancelButton_ = box->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    okButton_->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CDimDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CDimDialog::reject);
    return box;
}

// ---- bindings ------------------------------------------------------------------------------------

void CDimDialog::UnitSelector(QComboBox* selector, int16_t& unit) {
    Add(std::make_unique<UnitSelectorBinding>(selector, unit));
}

DimFieldBinding& CDimDialog::Field(QLineEdit* edit, FieldKind kind, NumberRef value) {
    return Add(std::make_unique<DimFieldBinding>(edit, kind, value));
}

IntegerBinding& CDimDialog::Integer(QLineEdit* edit, NumberRef value) {
    return Add(std::make_unique<IntegerBinding>(edit, value));
}

NumberBinding& CDimDialog::Number(QLineEdit* edit, NumberRef value, int decimals) {
    return Add(std::make_unique<NumberBinding>(edit, value, decimals));
}

TextBinding& CDimDialog::Text(QLineEdit* edit, std::string& value) {
    return Add(std::make_unique<TextBinding>(edit, value));
}

PositionBinding& CDimDialog::Latitude(QLineEdit* edit, double& value) {
    return Add(std::make_unique<PositionBinding>(edit, PositionBinding::Kind::Latitude, value));
}

PositionBinding& CDimDialog::Longitude(QLineEdit* edit, double& value) {
    return Add(std::make_unique<PositionBinding>(edit, PositionBinding::Kind::Longitude, value));
}

PositionBinding& CDimDialog::Variation(QLineEdit* edit, double& value) {
    return Add(std::make_unique<PositionBinding>(edit, PositionBinding::Kind::Variation, value));
}

void CDimDialog::Check(QAbstractButton* box, bool& value) {
    Add(std::make_unique<CheckBinding>(
        box, [&value] { return value; }, [&value](bool v) { value = v; }));
}

void CDimDialog::Check(QAbstractButton* box, int32_t& value) {
    Add(std::make_unique<CheckBinding>(
        box, [&value] { return value != 0; }, [&value](bool v) { value = v ? 1 : 0; }));
}

void CDimDialog::Radio(NumberRef value, std::vector<std::pair<QAbstractButton*, int>> buttons) {
    Add(std::make_unique<RadioBinding>(value, std::move(buttons)));
}

void CDimDialog::Choice(QComboBox* list, NumberRef index) {
    Add(std::make_unique<ChoiceBinding>(list, index));
}

DialogBinding& CDimDialog::Bind(std::unique_ptr<DialogBinding> binding) {
    return Add(std::move(binding));
}

// ---- help --------------------------------------------------------------------------------------

void CDimDialog::SetHelp(QWidget* control, std::string_view key) {
    SetHelpText(control, qs(ContextHelp(key)));
}

void CDimDialog::SetHelpText(QWidget* control, const QString& text) {
    if (control) control->setWhatsThis(text);
}

QString CDimDialog::ContextHelpText(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) return w->whatsThis();
        if (w->isWindow()) break;
    }
    return {};
}

void CDimDialog::ShowContextHelp(QWidget* control) {
    if (!control) control = this;
    const QString text = ContextHelpText(control);
    if (text.isEmpty()) return;
    QWhatsThis::showText(control->mapToGlobal(control->rect().center()), text, control);
}

void CDimDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(focusWidget());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
