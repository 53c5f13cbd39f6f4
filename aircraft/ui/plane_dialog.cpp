#include "aircraft/ui/plane_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/init_doc.h"
#include "platform/prompt.h"

namespace {

PlaneRecordEditor armsEditor;
PlaneRecordEditor tanksEditor;

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QLabel* buddyLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(qs(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

void SetPlaneLoadEditors(PlaneRecordEditor arms, PlaneRecordEditor tanks) {
    armsEditor = std::move(arms);
    tanksEditor = std::move(tanks);
}

CPlaneDialog::CPlaneDialog(CPlaneDoc& doc, QWidget* parent)
    : CDimDialog(QStringLiteral("Flugzeugdatenbank"), parent), doc_(doc) {
    doc_.CopyTo(list_);
    auto* layout = new QVBoxLayout(this);

    // The list and the name of the shown aircraft.
    {
        auto* column = new QVBoxLayout;
        c_.list = new QListWidget(this);
        c_.list->setSelectionMode(QAbstractItemView::SingleSelection);
        c_.name = NewEdit(12);
        // The record holds 11 characters.
        c_.name->setMaxLength(static_cast<int>(CPlane::kNameBytes) - 1);
        column->addWidget(buddyLabel("Ausgewähltes Flugzeug:", c_.list, this));
        column->addWidget(c_.list);
        column->addWidget(c_.name);
        SetHelp(c_.list, "plane.list");
        SetHelp(c_.name, "plane.name");

        auto* top = new QHBoxLayout;
        top->addLayout(column);

        // Speeds, fuel flows and rates of the three phases.
        auto* perf = new QGroupBox(this);
        auto* grid = new QGridLayout(perf);
        c_.speedUnit = NewUnitSelector(PARAM_SPEED);
        c_.volumeUnit = NewUnitSelector(PARAM_VOLUME);
        c_.climbUnit = NewUnitSelector(PARAM_CLIMB);
        grid->addWidget(new QLabel(QStringLiteral("Geschw."), perf), 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Verbr./Std."), perf), 0, 2);
        grid->addWidget(new QLabel(QStringLiteral("Steigrate"), perf), 0, 3);
        grid->addWidget(c_.speedUnit, 1, 1);
        grid->addWidget(c_.volumeUnit, 1, 2);
        grid->addWidget(c_.climbUnit, 1, 3);
        SetHelp(c_.speedUnit, "plane.unit");
        SetHelp(c_.volumeUnit, "plane.unit");
        SetHelp(c_.climbUnit, "plane.unit");
        struct PhaseRow {
            const char* caption;
            QLineEdit** speed;
            QLineEdit** flow;
            QLineEdit** rate;
        };
        const PhaseRow phases[] = {{"Steigflug:", &c_.climbSpeed, &c_.climbFlow, &c_.climbRate},
                                   {"Reiseflug:", &c_.cruiseSpeed, &c_.cruiseFlow, nullptr},
                                   {"Sinkflug:", &c_.descentSpeed, &c_.descentFlow, &c_.descentRate}};
        int row = 2;
        for (const PhaseRow& p : phases) {
            *p.speed = NewEdit(6);
            *p.flow = NewEdit(6);
            grid->addWidget(buddyLabel(p.caption, *p.speed, perf), row, 0);
            grid->addWidget(*p.speed, row, 1);
            grid->addWidget(*p.flow, row, 2);
            SetHelp(*p.speed, "plane.speed");
            SetHelp(*p.flow, "plane.flow");
            if (p.rate) {
                *p.rate = NewEdit(7);
                grid->addWidget(*p.rate, row, 3);
                SetHelp(*p.rate, "plane.rate");
            }
            ++row;
        }
        c_.cost = NewEdit(6);
        grid->addWidget(buddyLabel("Betriebskosten pro Stunde:", c_.cost, perf), row, 0, 1, 2);
        grid->addWidget(c_.cost, row, 2);
        SetHelp(c_.cost, "plane.cost");
        grid->setRowStretch(row + 1, 1);
        top->addWidget(perf);
        layout->addLayout(top);
    }

    // Centre-of-gravity limits and the empty aircraft.
    {
        auto* box = new QGroupBox(this);
        auto* grid = new QGridLayout(box);
        c_.cgArmUnit = NewUnitSelector(PARAM_ARM);
        c_.cgMassUnit = NewUnitSelector(PARAM_MASS);
        grid->addWidget(buddyLabel("Grenzwerte zur Schwerpunktlage:", c_.cgArmUnit, box), 0, 0);
        grid->addWidget(c_.cgArmUnit, 0, 1);
        grid->addWidget(buddyLabel("Gewichte in", c_.cgMassUnit, box), 0, 2);
        grid->addWidget(c_.cgMassUnit, 0, 3);
        SetHelp(c_.cgArmUnit, "plane.cgarmunit");
        SetHelp(c_.cgMassUnit, "plane.cgmassunit");
        grid->addWidget(new QLabel(QStringLiteral("Gewicht"), box), 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("Vorne"), box), 1, 2);
        grid->addWidget(new QLabel(QStringLiteral("Hinten"), box), 1, 3);
        struct LimitRow {
            const char* caption;
            QLineEdit** mass;
            QLineEdit** forward;
            QLineEdit** aft;
        };
        const LimitRow limits[] = {{"Bei MTOW", &c_.mtowMass, &c_.mtowForward, &c_.mtowAft},
                                   {"Bei TOW", &c_.towMass, &c_.towForward, &c_.towAft}};
        int row = 2;
        for (const LimitRow& l : limits) {
            *l.mass = NewEdit(6);
            *l.forward = NewEdit(6);
            *l.aft = NewEdit(6);
            grid->addWidget(buddyLabel(l.caption, *l.mass, box), row, 0);
            grid->addWidget(*l.mass, row, 1);
            grid->addWidget(*l.forward, row, 2);
            grid->addWidget(*l.aft, row, 3);
            SetHelp(*l.mass, "plane.cgmass");
            SetHelp(*l.forward, "plane.cgforward");
            SetHelp(*l.aft, "plane.cgaft");
            ++row;
        }
        c_.emptyMass = NewEdit(6);
        c_.emptyMoment = NewEdit(8);
        c_.emptyMassUnit = new QLabel(box);
        c_.emptyMomentUnit = new QLabel(box);
        grid->addWidget(buddyLabel("Leergewicht mit n.a.K.+Öl", c_.emptyMass, box), row, 0);
        grid->addWidget(c_.emptyMass, row, 1);
        grid->addWidget(c_.emptyMassUnit, row, 2);
        ++row;
        grid->addWidget(buddyLabel("Leermoment mit n.a.K.+Öl", c_.emptyMoment, box), row, 0);
        grid->addWidget(c_.emptyMoment, row, 1);
        grid->addWidget(c_.emptyMomentUnit, row, 2);
        SetHelp(c_.emptyMass, "plane.emptymass");
        SetHelp(c_.emptyMoment, "plane.emptymoment");
        layout->addWidget(box);
        connect(c_.cgArmUnit, &QComboBox::currentIndexChanged, this, [this] { UpdateUnitLabels(); });
        connect(c_.cgMassUnit, &QComboBox::currentIndexChanged, this, [this] { UpdateUnitLabels(); });
    }

    // The sub-editors of the shown aircraft.
    {
        auto* row = new QHBoxLayout;
        auto button = [&](const char* text, const char* help) {
            auto* b = new QPushButton(qs(text), this);
            b->setAutoDefault(false);
            row->addWidget(b);
            SetHelp(b, help);
            return b;
        };
        c_.flightPlan = button("Flug&plan...", "plane.flightplan");
        c_.runway = button("&Start/Landung...", "plane.runway");
        c_.arms = button("Sitze/&Gepäck...", "plane.arms");
        c_.tanks = button("&Tank...", "plane.tanks");
        row->addStretch();
        layout->addLayout(row);
        c_.arms->setEnabled(static_cast<bool>(armsEditor));
        c_.tanks->setEnabled(static_cast<bool>(tanksEditor));
        connect(c_.flightPlan, &QPushButton::clicked, this, [this] { RunEditor(EditPlaneFlightPlanData); });
        connect(c_.runway, &QPushButton::clicked, this, [this] { RunEditor(EditPlaneRunwayTable); });
        connect(c_.arms, &QPushButton::clicked, this, [this] { RunEditor(armsEditor); });
        connect(c_.tanks, &QPushButton::clicked, this, [this] { RunEditor(tanksEditor); });
    }

    // List buttons, "&Fertig" and "Abbrechen".
    {
        auto* row = new QHBoxLayout;
        auto button = [&](const char* text, const char* help) {
            auto* b = new QPushButton(qs(text), this);
            b->setAutoDefault(false);
            row->addWidget(b);
            SetHelp(b, help);
            return b;
        };
        c_.add = button("Hinzufügen", "plane.add");
        c_.change = button("&Ändern", "plane.change");
        c_.remove = button("&Entfernen", "plane.remove");
        row->addStretch();
        row->addWidget(MakeOkCancelButtons());
        OkButton()->setText(QStringLiteral("&Fertig"));
        SetHelp(OkButton(), "plane.done");
        SetHelp(CancelButton(), "plane.cancel");
        layout->addLayout(row);
        connect(c_.add, &QPushButton::clicked, this, [this] { Add(); });
        connect(c_.change, &QPushButton::clicked, this, [this] { Change(); });
        connect(c_.remove, &QPushButton::clicked, this, [this] { Remove(); });
    }

    // Start with the current aircraft.
    const int current = doc_.GetCurrentIndex();
    selection_ =
        list_.empty() ? -1 : (current >= 0 && current < static_cast<int>(list_.size()) ? current : 0);
    if (selection_ >= 0) shown_ = list_[static_cast<size_t>(selection_)];
    FillList();
    ShowPlane(shown_);
    UpdateButtons();
    connect(c_.list, &QListWidget::currentRowChanged, this, &CPlaneDialog::OnRowChanged);
}

// ---- fields ------------------------------------------------------------------------------------

PlaneForm CPlaneDialog::ReadForm() const {
    PlaneForm f;
    f.name = textOf(c_.name);
    f.speedUnit = SelectedUnit(c_.speedUnit);
    f.volumeUnit = SelectedUnit(c_.volumeUnit);
    f.climbUnit = SelectedUnit(c_.climbUnit);
    f.climbSpeed = textOf(c_.climbSpeed);
    f.cruiseSpeed = textOf(c_.cruiseSpeed);
    f.descentSpeed = textOf(c_.descentSpeed);
    f.climbFlow = textOf(c_.climbFlow);
    f.cruiseFlow = textOf(c_.cruiseFlow);
    f.descentFlow = textOf(c_.descentFlow);
    f.climbRate = textOf(c_.climbRate);
    f.descentRate = textOf(c_.descentRate);
    f.cost = textOf(c_.cost);
    f.cgArmUnit = SelectedUnit(c_.cgArmUnit);
    f.cgMassUnit = SelectedUnit(c_.cgMassUnit);
    f.mtowMass = textOf(c_.mtowMass);
    f.mtowForward = textOf(c_.mtowForward);
    f.mtowAft = textOf(c_.mtowAft);
    f.towMass = textOf(c_.towMass);
    f.towForward = textOf(c_.towForward);
    f.towAft = textOf(c_.towAft);
    f.emptyMass = textOf(c_.emptyMass);
    f.emptyMoment = textOf(c_.emptyMoment);
    return f;
}

void CPlaneDialog::ShowPlane(const CPlane& plane) {
    const PlaneForm f = PlaneToForm(plane);
    c_.name->setText(qs(f.name));
    SelectUnit(c_.speedUnit, f.speedUnit);
    SelectUnit(c_.volumeUnit, f.volumeUnit);
    SelectUnit(c_.climbUnit, f.climbUnit);
    c_.climbSpeed->setText(qs(f.climbSpeed));
    c_.cruiseSpeed->setText(qs(f.cruiseSpeed));
    c_.descentSpeed->setText(qs(f.descentSpeed));
    c_.climbFlow->setText(qs(f.climbFlow));
    c_.cruiseFlow->setText(qs(f.cruiseFlow));
    c_.descentFlow->setText(qs(f.descentFlow));
    c_.climbRate->setText(qs(f.climbRate));
    c_.descentRate->setText(qs(f.descentRate));
    c_.cost->setText(qs(f.cost));
    SelectUnit(c_.cgArmUnit, f.cgArmUnit);
    SelectUnit(c_.cgMassUnit, f.cgMassUnit);
    c_.mtowMass->setText(qs(f.mtowMass));
    c_.mtowForward->setText(qs(f.mtowForward));
    c_.mtowAft->setText(qs(f.mtowAft));
    c_.towMass->setText(qs(f.towMass));
    c_.towForward->setText(qs(f.towForward));
    c_.towAft->setText(qs(f.towAft));
    c_.emptyMass->setText(qs(f.emptyMass));
    c_.emptyMoment->setText(qs(f.emptyMoment));
    UpdateUnitLabels();
}

void CPlaneDialog::UpdateUnitLabels() {
    const int arm = SelectedUnit(c_.cgArmUnit);
    const int mass = SelectedUnit(c_.cgMassUnit);
    c_.emptyMassUnit->setText(qs(UnitName(mass)));
    c_.emptyMomentUnit->setText(qs(MomentUnitLabel(arm, mass)));
}

QWidget* CPlaneDialog::FieldWidget(PlaneField field) const {
    switch (field) {
        case PlaneField::None:
        case PlaneField::Name:
            return c_.name;
        case PlaneField::ClimbSpeed:
            return c_.climbSpeed;
        case PlaneField::CruiseSpeed:
            return c_.cruiseSpeed;
        case PlaneField::DescentSpeed:
            return c_.descentSpeed;
        case PlaneField::ClimbFlow:
            return c_.climbFlow;
        case PlaneField::CruiseFlow:
            return c_.cruiseFlow;
        case PlaneField::DescentFlow:
            return c_.descentFlow;
        case PlaneField::ClimbRate:
            return c_.climbRate;
        case PlaneField::DescentRate:
            return c_.descentRate;
        case PlaneField::Cost:
            return c_.cost;
        case PlaneField::MtowMass:
            return c_.mtowMass;
        case PlaneField::MtowForward:
            return c_.mtowForward;
        case PlaneField::MtowAft:
            return c_.mtowAft;
        case PlaneField::TowMass:
            return c_.towMass;
        case PlaneField::TowForward:
            return c_.towForward;
        case PlaneField::TowAft:
            return c_.towAft;
        case PlaneField::EmptyMass:
            return c_.emptyMass;
        case PlaneField::EmptyMoment:
            return c_.emptyMoment;
    }
    return c_.name;
}

// ---- the list ------------------------------------------------------------------------------------

void CPlaneDialog::FillList() {
    const QSignalBlocker block(c_.list);
    c_.list->clear();
    for (const CPlane& p : list_) c_.list->addItem(qs(p.m_strName));
    c_.list->setCurrentRow(selection_);
}

void CPlaneDialog::UpdateButtons() {
    const bool any = !list_.empty();
    c_.change->setEnabled(any);
    c_.remove->setEnabled(any);
}

bool CPlaneDialog::StoreShown() {
    if (selection_ < 0) return true;
    const auto at = static_cast<size_t>(selection_);
    CPlane plane = shown_;
    // Fields nobody touched are not checked again: an entry read from the
    // file stays as it is until the user changes it.
    const PlaneForm form = ReadForm();
    if (!(form == PlaneToForm(shown_))) {
        const PlaneFormCheck check = StorePlaneForm(form, plane);
        if (!check) return Fail(FieldWidget(check.field), check.message);
    }
    if (!(plane == list_[at])) {
        const PlaneFormCheck check = ChangePlane(list_, selection_, plane);
        if (!check) return Fail(c_.name, check.message);
        changed_ = true;
        if (QListWidgetItem* item = c_.list->item(selection_)) item->setText(qs(plane.m_strName));
    }
    shown_ = plane;
    return true;
}

void CPlaneDialog::OnRowChanged(int row) {
    if (row == selection_) return;
    if (!SelectEntry(row)) {
        const QSignalBlocker block(c_.list);
        c_.list->setCurrentRow(selection_);
    }
}

bool CPlaneDialog::SelectEntry(int index) {
    if (index < 0 || index >= static_cast<int>(list_.size())) return false;
    if (index == selection_) return true;
    if (!StoreShown()) return false;
    selection_ = index;
    shown_ = list_[static_cast<size_t>(index)];
    {
        const QSignalBlocker block(c_.list);
        c_.list->setCurrentRow(selection_);
    }
    ShowPlane(shown_);
    return true;
}

bool CPlaneDialog::Add() {
    CPlane plane = shown_;
    PlaneFormCheck check = StorePlaneForm(ReadForm(), plane);
    if (!check) return Fail(FieldWidget(check.field), check.message);
    int index = -1;
    check = AddPlane(list_, plane, index);
    if (!check) return Fail(c_.name, check.message);
    changed_ = true;
    selection_ = index;
    shown_ = plane;
    FillList();
    ShowPlane(shown_);
    UpdateButtons();
    if (theInitDoc() && theInitDoc()->GetSignalOnSave()) thePrompt().Beep();
    c_.name->setFocus(Qt::OtherFocusReason);
    return true;
}

bool CPlaneDialog::Change() {
    if (selection_ < 0) return false;
    if (!StoreShown()) return false;
    ShowPlane(shown_);
    c_.name->setFocus(Qt::OtherFocusReason);
    return true;
}

void CPlaneDialog::Remove() {
    if (selection_ < 0) return;
    selection_ = RemovePlane(list_, selection_);
    changed_ = true;
    if (selection_ >= 0) shown_ = list_[static_cast<size_t>(selection_)];
    FillList();
    // With the last entry gone the fields keep showing it, ready to be
    // added again under another name.
    ShowPlane(shown_);
    UpdateButtons();
    c_.name->setFocus(Qt::OtherFocusReason);
}

void CPlaneDialog::RunEditor(const PlaneRecordEditor& editor) {
    if (!editor) return;
    CPlane plane = shown_;
    if (editor(plane, this)) shown_ = plane;
}

// ---- "&Fertig" and "Abbrechen" -------------------------------------------------------------------

bool CPlaneDialog::Validate() {
    return StoreShown();
}

void CPlaneDialog::Apply() {
    doc_.FinishEditing(list_, changed_);
}

void CPlaneDialog::reject() {
    doc_.CancelEditing();
    CDimDialog::reject();
}
