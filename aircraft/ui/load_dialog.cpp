#include "aircraft/ui/load_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "aircraft/ui/load_arms_dialog.h"
#include "aircraft/ui/load_tanks_dialog.h"
#include "aircraft/ui/plane_dialog.h"
#include "core/document_set.h"
#include "core/init_doc.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "views/ui/text_view_widget.h"

namespace {

// Ranges in kg; seat row 1 holds at least the pilot.
constexpr double kPilotMin = 30, kSeatMax = 200, kBaggageMax = 100;

}  // namespace

CLoadDialog::CLoadDialog(CLoadDoc& load, QWidget* parent)
    : CDimDialog(QStringLiteral("Beladung"), parent), load_(load), v_(load.GetValues()) {
    maximal_ = v_.IsMaximal() ? 1 : 0;
    auto* layout = new QVBoxLayout(this);

    // The masses.
    auto* massBox = new QGroupBox(QStringLiteral("Zuladung"), this);
    auto* grid = new QGridLayout(massBox);
    c_.massUnit = NewUnitSelector(PARAM_MASS);
    auto* unitLabel = new QLabel(QStringLiteral("Masse in:"), massBox);
    unitLabel->setBuddy(c_.massUnit);
    grid->addWidget(unitLabel, 0, 0);
    grid->addWidget(c_.massUnit, 0, 1, 1, 2);
    for (int i = 0; i < 5; ++i)
        grid->addWidget(new QLabel(QString::number(i + 1), massBox), 1, i + 1, Qt::AlignHCenter);
    auto* seatLabel = new QLabel(QStringLiteral("Sitzreihe:"), massBox);
    auto* baggageLabel = new QLabel(QStringLiteral("Gepäckabteil:"), massBox);
    grid->addWidget(seatLabel, 2, 0);
    grid->addWidget(baggageLabel, 3, 0);
    for (int i = 0; i < 5; ++i) {
        c_.seat[i] = NewEdit(4);
        c_.baggage[i] = NewEdit(4);
        grid->addWidget(c_.seat[i], 2, i + 1);
        grid->addWidget(c_.baggage[i], 3, i + 1);
        SetHelpText(c_.seat[i], QStringLiteral("Masse der Personen in dieser Sitzreihe. In der ersten Reihe "
                                               "sitzt mindestens der Pilot (30 bis 200 kg)."));
        SetHelpText(c_.baggage[i], QStringLiteral("Masse des Gepäcks in diesem Gepäckabteil (bis 100 kg)."));
    }
    seatLabel->setBuddy(c_.seat[0]);
    baggageLabel->setBuddy(c_.baggage[0]);
    SetHelpText(c_.massUnit, QStringLiteral("Einheit, in der die Massen eingegeben werden."));
    layout->addWidget(massBox);

    // The fuel.
    auto* fuelBox = new QGroupBox(QStringLiteral("Treibstoffvorrat"), this);
    auto* fuelGrid = new QGridLayout(fuelBox);
    c_.maximal = new QRadioButton(QStringLiteral("Maximal"), fuelBox);
    c_.partial = new QRadioButton(QStringLiteral("Auslastung (%)"), fuelBox);
    fuelGrid->addWidget(c_.maximal, 0, 0);
    fuelGrid->addWidget(c_.partial, 1, 0);
    for (int t = 0; t < 3; ++t) {
        c_.fill[t] = NewEdit(4);
        fuelGrid->addWidget(new QLabel(QStringLiteral("Tank %1").arg(t + 1), fuelBox), 0, t + 1,
                            Qt::AlignHCenter);
        fuelGrid->addWidget(c_.fill[t], 1, t + 1);
        SetHelpText(c_.fill[t],
                    QStringLiteral("Füllung dieses Tanks in Prozent seines Volumens (0 bis 100)."));
    }
    SetHelpText(c_.maximal, QStringLiteral("Alle Tanks werden der Reihe nach gefüllt, soweit es die maximale "
                                           "Abflugmasse erlaubt."));
    SetHelpText(c_.partial, QStringLiteral("Die Tanks sind so weit gefüllt, wie rechts angegeben."));
    layout->addWidget(fuelBox);
    // "Maximal" needs no fills; "Auslastung" asks for them.
    connect(c_.maximal, &QRadioButton::clicked, this, [this] {
        for (QLineEdit* e : c_.fill) e->clear();
    });
    connect(c_.partial, &QRadioButton::clicked, this, [this] {
        c_.fill[0]->setFocus();
        c_.fill[0]->selectAll();
    });

    UnitSelector(c_.massUnit, v_.massUnit);
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<size_t>(i);
        Field(c_.seat[i], FieldKind::Mass, v_.seat[k])
            .Unit(c_.massUnit)
            .Required(i == 0)
            .Range(i == 0 ? kPilotMin : 0, kSeatMax);
    }
    for (int i = 0; i < 5; ++i)
        Field(c_.baggage[i], FieldKind::Mass, v_.baggage[static_cast<size_t>(i)])
            .Unit(c_.massUnit)
            .Range(0, kBaggageMax);
    Radio(maximal_, {{c_.maximal, 1}, {c_.partial, 0}});
    for (int t = 0; t < 3; ++t)
        Field(c_.fill[t], FieldKind::TankFill, v_.fill[static_cast<size_t>(t)]).Range(0, 1);

    layout->addWidget(MakeOkCancelButtons());
    ShowFields();
}

void CLoadDialog::Apply() {
    LoadValues values = v_;
    if (maximal_) {
        values.fill.fill(NOVALUE_FILL);
    } else if (values.IsMaximal()) {
        // "Auslastung" without any fill means empty tanks; stored as three
        // empty fills it would read as "Maximal".
        values.fill.fill(0.0f);
    }
    load_.SetValues(values);
    load_.SetModifiedFlag();
}

void RegisterLoadCommands(CMainFrame& frame, CDocumentSet& documents) {
    CLoadDoc& load = documents.Init().Load();
    theCommands().Register(ID_LOAD, [&frame, &load] {
        CLoadDialog dialog(load, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted) return;
        load.UpdateAllViews();
        TextViewWidget::UpdateAllTextViews();
        // The owner of the warnings decides whether there is a route to warn about.
        if (frame.FrameQueries().showWarnings) frame.FrameQueries().showWarnings();
    });
    SetPlaneLoadEditors([](CPlane& plane, QWidget* parent) { return EditArms(parent, plane); },
                        [](CPlane& plane, QWidget* parent) { return EditTanks(parent, plane); });
}
