// The flight log's page in the main window: it follows the documents it
// computes with, shows its warnings once per change of the route, and the
// "Anhang" dialog.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "core/app_views.h"
#include "core/ui/command_registry.h"
#include "core/ui/main_frame_views.h"
#include "course_env.h"
#include "views/course_view.h"
#include "views/ui/appendix_dialog.h"
#include "views/ui/course_view_page.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_widget.h"

namespace {

class CoursePage : public CourseEnv {
protected:
    // The warnings a visible page shows come after the update, from the
    // event loop.
    void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
};

TEST_F(CoursePage, RecomputesOnEveryChangeAndWarnsOncePerRouteChange) {
    CWayPoint low = wayPoint("Hügel", 50, 8.5, 2500);
    low.SetElevation(2000);
    low.SetElevationUnit(DIM_FEET);
    route.Append(wayPoint("A", 50, 8, 1000));
    route.Append(low);
    route.Append(wayPoint("B", 50, 9, 2500));
    const std::string warning = "Die Sicherheitsmindesthöhe wird über »Hügel« nicht eingehalten!";

    ViewPage page = MakeCourseViewPage(nullptr);
    std::unique_ptr<QWidget> window(page.widget);
    auto* widget = qobject_cast<TextViewWidget*>(page.widget);
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(dynamic_cast<CCourseView*>(&widget->View()), nullptr);
    widget->resize(600, 400);
    widget->show();
    settle();
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{warning});

    // New weather: the winds are computed again, the warning is not repeated.
    met.SetLayerWind(1, 300, 30);
    met.UpdateAllViews();
    settle();
    EXPECT_EQ(route.GetWayPoint(2).GetWindDirection(), 300);
    EXPECT_EQ(prompt.Texts().size(), 1u);

    // A change of the route shows it again.
    route.UpdateAllViews();
    settle();
    EXPECT_EQ(prompt.Texts().size(), 2u);

    // A new aircraft is computed with at once.
    CPlane faster = courseTestPlane();
    faster.m_fCruiseSpeed = 140;
    planes.CopyFrom({faster});
    planes.SelectByName("D-EPDF");
    planes.UpdateAllViews();
    EXPECT_EQ(route.GetWayPoint(1).GetTrueAirspeed(), 140);

    // The page prints, previews and copies.
    for (int command : {kPrintCommand, kPrintPreviewCommand, kCopyCommand}) {
        ASSERT_TRUE(page.state(command).has_value());
        EXPECT_TRUE(page.state(command)->enabled);
    }
    EXPECT_FALSE(page.state(32880).has_value());
}

TEST_F(CoursePage, RegistersTheFirstViewAndTheAppendixCommand) {
    ClearViewFactories();
    RegisterCourseView();
    const ViewFactory factory = FindViewFactory(VIEW_COURSE);
    ASSERT_TRUE(factory);
    ViewPage page = factory(nullptr);
    std::unique_ptr<QWidget> window(page.widget);
    EXPECT_NE(qobject_cast<TextViewWidget*>(page.widget), nullptr);
    EXPECT_TRUE(theCommands().Has(kAppendixCommand));
    ClearViewFactories();
}

// ---- "Anhang" ------------------------------------------------------------------------------------------

TEST_F(CoursePage, AppendixDialogEnablesTextsWithTheirBoxesAndStoresOnOk) {
    appendix.m_bWithFuel = 1;
    appendix.m_bWithText[1] = 1;
    appendix.SetText(1, "Zweiter Text");
    appendix.SetText(2, "bleibt");
    CAppendixDialog dialog(appendix);
    const auto& c = dialog.GetControls();
    EXPECT_FALSE(c.winds->isChecked());
    EXPECT_TRUE(c.fuel->isChecked());
    EXPECT_FALSE(c.text[0]->isEnabled());
    EXPECT_TRUE(c.text[1]->isEnabled());
    EXPECT_FALSE(c.text[2]->isEnabled());
    EXPECT_EQ(c.text[1]->text().toStdString(), "Zweiter Text");
    EXPECT_EQ(c.text[0]->maxLength(), 80);

    c.withText[0]->setChecked(true);
    EXPECT_TRUE(c.text[0]->isEnabled());
    c.text[0]->setText(QString::fromUtf8("Frequenz Türme: 118,5"));
    c.winds->setChecked(true);
    c.withText[1]->setChecked(false);
    EXPECT_FALSE(c.text[1]->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(appendix.m_bWithWinds, 1);
    EXPECT_EQ(appendix.m_bWithFuel, 1);
    EXPECT_EQ(appendix.m_bWithSunset, 0);
    EXPECT_EQ(appendix.m_bWithText[0], 1);
    EXPECT_EQ(appendix.m_bWithText[1], 0);
    EXPECT_EQ(appendix.GetText(0), "Frequenz Türme: 118,5");
    EXPECT_EQ(appendix.GetText(1), "Zweiter Text");  // kept while its box is off
    EXPECT_TRUE(appendix.IsOn());
}

TEST_F(CoursePage, AppendixDialogCancelChangesNothing) {
    CAppendixDialog dialog(appendix);
    dialog.GetControls().sunset->setChecked(true);
    dialog.GetControls().withText[2]->setChecked(true);
    dialog.GetControls().text[2]->setText("neu");
    dialog.reject();
    EXPECT_FALSE(appendix.IsOn());
    EXPECT_EQ(appendix.GetText(2), "");
}

}  // namespace
