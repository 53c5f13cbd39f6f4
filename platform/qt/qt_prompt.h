#pragma once
// The prompt of the desktop program: modal message boxes with the caption
// "Navora" and German buttons, Qt file and folder choosers, the system beep
// and the wait cursor.
//
// Dialogs only ever open on the user-interface thread. Called from another
// thread, the prompt never blocks that thread on the user (which could
// deadlock against a user-interface thread that waits for it): a message or
// beep is handed to the user-interface thread and shown from its event loop,
// while a question or chooser gets its declining answer (No, Cancel, nothing
// chosen) at once and a warning goes to the log.

#include <QPointer>
#include <QWidget>

#include "platform/prompt.h"

class QtPrompt final : public Prompt {
public:
    // Boxes are centred on `parent` when given, otherwise on the active window.
    explicit QtPrompt(QWidget* parent = nullptr);
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& text, MessageKind kind = MessageKind::Information) override;
    Answer AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    Answer AskOkCancel(const std::string& text) override;

    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startDir) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& startDir,
                                              const FileFilter& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& startPath,
                                              const FileFilter& filter) override;

    void Beep() override;
    // Nested calls are counted; the cursor returns when the last one ends.
    void SetWaitCursor(bool on) override;

private:
    QWidget* DialogParent() const;

    QPointer<QWidget> parent_;
    int waitDepth_ = 0;
};
