// The fuel sheet's page in the main window: view 5, recomputed whenever the
// load or the aircraft changes, and printable like every text view.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "core/app_views.h"
#include "core/ui/main_frame_views.h"
#include "course_env.h"
#include "views/fuel_view.h"
#include "views/ui/fuel_view_page.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

namespace {

bool sheetHas(const CFuelView& view, const std::string& start) {
    for (const FuelSection& section : view.Sheet().sections)
        for (const FuelLine& line : section.lines)
            if (!line.cells.empty() && line.cells[0].rfind(start, 0) == 0) return true;
    return false;
}

std::string massLine(const CFuelView& view) {
    for (const FuelSection& section : view.Sheet().sections)
        for (const FuelLine& line : section.lines)
            if (!line.cells.empty() && line.cells[0].rfind("Masse = ", 0) == 0) return line.cells[0];
    return std::string();
}

TEST_F(CourseEnv, FuelPageFollowsTheLoadAndTheAircraft) {
    route.Append(wayPoint("A", 50, 8, 1000));
    route.Append(wayPoint("B", 50, 9, 2500));
    RegisterFuelView();
    const ViewFactory factory = FindViewFactory(VIEW_FUEL);
    ASSERT_TRUE(factory);
    ViewPage page = factory(nullptr);
    std::unique_ptr<QWidget> window(page.widget);
    auto* widget = qobject_cast<TextViewWidget*>(page.widget);
    ASSERT_NE(widget, nullptr);
    auto* view = dynamic_cast<CFuelView*>(&widget->View());
    ASSERT_NE(view, nullptr);
    widget->resize(600, 400);
    widget->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sheetHas(*view, "Treibstoffverbrauch"));
    const std::string before = massLine(*view);

    LoadValues values = load.GetValues();
    values.seat[0] = static_cast<int16_t>(values.seat[0] + 80);
    load.SetValues(values);
    load.UpdateAllViews();
    EXPECT_NE(massLine(*view), before);

    CPlane noFlow = courseTestPlane();
    noFlow.m_fCruiseFlow = 0;
    planes.CopyFrom({noFlow});
    planes.SelectByName(noFlow.m_strName);
    planes.UpdateAllViews();
    EXPECT_TRUE(sheetHas(*view, "Kein Kraftstoff-Verbrauch!"));
    EXPECT_FALSE(sheetHas(*view, "Treibstoffverbrauch"));

    for (int command : {kPrintCommand, kPrintPreviewCommand, kCopyCommand}) {
        ASSERT_TRUE(page.state(command).has_value());
        EXPECT_TRUE(page.state(command)->enabled);
    }
}

}  // namespace
