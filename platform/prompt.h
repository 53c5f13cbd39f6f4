#pragma once
// Asking the user: message boxes, questions, file and folder choosers, the
// beep and the wait cursor. Logic asks through the current Prompt; the GUI
// installs a Qt one with German buttons, the command-line tool one that never
// waits for input, and tests a scripted one.

#include <optional>
#include <string>

enum class MessageKind { Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct FileFilter {
    std::string description;  // "Way Files (*.way)"
    std::string pattern;      // "*.way"
};

class Prompt {
public:
    virtual ~Prompt() = default;

    // A message box with an "OK" button.
    virtual void Message(const std::string& text, MessageKind kind = MessageKind::Information) = 0;
    // A question with "Ja" and "Nein": Yes or No.
    virtual Answer AskYesNo(const std::string& text) = 0;
    // A question with "Ja", "Nein" and "Abbrechen".
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // A question with "OK" and "Abbrechen".
    virtual Answer AskOkCancel(const std::string& text) = 0;

    virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startDir) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& startDir,
                                                      const FileFilter& filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& startPath,
                                                      const FileFilter& filter) = 0;

    virtual void Beep() = 0;
    virtual void SetWaitCursor(bool on) = 0;
};

// The prompt in use. Until one is installed, a NullPrompt answers: it shows
// nothing and declines every question.
Prompt& thePrompt();
// Installs a prompt (not owned); nullptr restores the default.
void SetPrompt(Prompt* prompt);

// Installs a prompt for the lifetime of the object.
class PromptScope {
public:
    explicit PromptScope(Prompt& p);
    ~PromptScope();
    PromptScope(const PromptScope&) = delete;
    PromptScope& operator=(const PromptScope&) = delete;

private:
    Prompt* previous_;
};

// Wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor() { thePrompt().SetWaitCursor(true); }
    ~WaitCursor() { thePrompt().SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
