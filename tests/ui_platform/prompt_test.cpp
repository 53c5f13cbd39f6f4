#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <thread>

#include "platform/qt/qt_prompt.h"

TEST(QtPrompt, QuestionsFromAnotherThreadAreDeclinedAtOnce) {
    QtPrompt prompt;
    Answer yesNo = Answer::Yes, yesNoCancel = Answer::Yes, okCancel = Answer::Ok;
    std::optional<std::string> file = "x", folder = "x";
    std::thread worker([&] {
        yesNo = prompt.AskYesNo("Weiter?");
        yesNoCancel = prompt.AskYesNoCancel("Speichern?");
        okCancel = prompt.AskOkCancel("Senden?");
        file = prompt.ChooseOpenFile("Öffnen", "/tmp", {"Way Files (*.way)", "*.way"});
        folder = prompt.ChooseFolder("Ordner", "/tmp");
    });
    worker.join();
    EXPECT_EQ(yesNo, Answer::No);
    EXPECT_EQ(yesNoCancel, Answer::Cancel);
    EXPECT_EQ(okCancel, Answer::Cancel);
    EXPECT_FALSE(file);
    EXPECT_FALSE(folder);
}

TEST(QtPrompt, WaitCursorNestsAndIgnoresExtraEnds) {
    QtPrompt prompt;
    {
        PromptScope scope(prompt);
        WaitCursor outer;
        {
            WaitCursor inner;
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    prompt.SetWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
