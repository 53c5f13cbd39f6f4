#include "aircraft/ui/plane_commands.h"

#include <QApplication>

#include "aircraft/plane.h"
#include "aircraft/plane_doc.h"
#include "aircraft/ui/met_dialog.h"
#include "aircraft/ui/plane_dialog.h"
#include "core/document_set.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame.h"
#include "core/units.h"
#include "views/ui/text_view_widget.h"

void FillAircraftMenu(CMainFrame& frame, CPlaneDoc& planes, bool select) {
    const std::vector<PlaneMenuItem> items = select ? planes.FillMenu() : planes.MenuItems();
    std::vector<std::string> names;
    int current = -1;
    for (const PlaneMenuItem& item : items) {
        if (!item.enabled) continue;  // the "Fehlt" entry of an empty list
        if (item.checked) current = static_cast<int>(names.size());
        names.push_back(item.text);
    }
    frame.SetAircraftNames(names, current);
}

void RegisterAircraftDialogCommands(CMainFrame& frame, CDocumentSet& documents) {
    CPlaneDoc& planes = documents.Plane();
    CMetDoc& met = documents.Met();
    // Every view recomputes with the new aircraft or weather.
    auto repaintAll = [&frame] {
        TextViewWidget::UpdateAllTextViews();
        frame.UpdateCommandUI();
    };

    FillAircraftMenu(frame, planes, true);
    for (int command = CPlaneDoc::kFirstPlaneCommand; command <= CPlaneDoc::kLastPlaneCommand; ++command) {
        const int index = command - CPlaneDoc::kFirstPlaneCommand;
        theCommands().Register(
            command,
            [&frame, &planes, command, repaintAll] {
                if (!planes.OnPlaneCommand(command)) return;
                FillAircraftMenu(frame, planes, false);
                repaintAll();
            },
            [&planes, index] {
                return CommandState{index < planes.GetCount(), index == planes.GetCurrentIndex()};
            });
    }

    theCommands().Register(ID_PLANE_EDIT, [&frame, &planes, repaintAll] {
        CPlaneDialog dialog(planes, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted) return;
        FillAircraftMenu(frame, planes, true);
        repaintAll();
    });

    theCommands().Register(ID_WEATHER, [&met, repaintAll] {
        CMetDialog dialog(met, QApplication::activeWindow());
        if (dialog.exec() == QDialog::Accepted) repaintAll();
    });

    // The cruise speed of the current aircraft in the speed unit of the
    // preferred distance unit.
    frame.AddStatusSource([&planes](StatusPaneInput& in) {
        const CPlane* plane = planes.GetCurrentPlane();
        if (!plane) return;
        const int unit = SpeedUnitFor(theDimDoc()->m_nDistance);
        in.cruiseSpeed = plane->GetSpeed(FlightPhase::Cruise, unit);
        in.speedUnit = UnitName(unit);
    });

    // A list that could not be saved after editing is offered again when the
    // program ends (the connection ends with the main window).
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &frame, [&planes] { planes.SaveWithQuestion(); });
}
