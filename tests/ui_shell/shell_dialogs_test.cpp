#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "core/ui/about_dialog.h"
#include "core/ui/splash_dialog.h"
#include "platform/clock.h"

namespace {

QStringList labelTexts(const QWidget& w) {
    QStringList texts;
    for (const QLabel* label : w.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    return texts;
}

TEST(SplashDialog, LoadsAfterAppearingAndClosesWhenBothLoadingAndTimeAreDone) {
    ManualClock clock;
    int loads = 0;
    CSplashDlg splash([&] { ++loads; }, &clock);
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    const QStringList texts = labelTexts(splash);
    for (const char* text : {"N a v o r a", "Flugvorbereitung", "Vers.: 4.1.0.2"})
        EXPECT_TRUE(texts.contains(text)) << text;

    splash.show();
    QElapsedTimer waited;
    waited.start();
    while (loads == 0 && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(loads, 1);
    EXPECT_TRUE(splash.isVisible());
    splash.reject();  // the user cannot close it
    EXPECT_TRUE(splash.isVisible());
    clock.Advance(SplashSequence::kMinimumMs);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(AboutDialog, ShowsNameVersionAndOk) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Über Navora"));
    EXPECT_TRUE(labelTexts(about).contains("Navora, Version 4.1"));
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.first()->text(), "OK");
}

}  // namespace
