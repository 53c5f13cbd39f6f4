#pragma once
// A prompt that needs nobody: it records every message and question, and
// answers from a script. Tests use it to drive and check dialogs without a
// display; the command-line tool uses it with fixed answers.

#include <deque>
#include <string>
#include <vector>

#include "platform/prompt.h"

class ScriptedPrompt : public Prompt {
public:
    struct Entry {
        std::string text;
        MessageKind kind;
    };

    // Queued answers for questions, taken in order. When the queue is empty a
    // question gets the default answer.
    void QueueAnswer(Answer a) { answers_.push_back(a); }
    void SetDefaultAnswer(Answer a) { defaultAnswer_ = a; }
    // Queued results of the file and folder choosers; an empty string stands
    // for a cancelled chooser.
    void QueuePath(const std::string& path) { paths_.push_back(path); }

    // Every text shown, questions included, in order.
    const std::vector<Entry>& Shown() const { return shown_; }
    std::vector<std::string> Texts() const;
    bool WasShown(const std::string& text) const;
    int Beeps() const { return beeps_; }
    void Clear() { shown_.clear(); }

    void Message(const std::string& text, MessageKind kind) override;
    Answer AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    Answer AskOkCancel(const std::string& text) override;
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startDir) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& startDir,
                                              const FileFilter& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& startPath,
                                              const FileFilter& filter) override;
    void Beep() override { ++beeps_; }
    void SetWaitCursor(bool) override {}

protected:
    virtual void OnShown(const Entry&) {}

private:
    Answer NextAnswer(const std::string& text);
    std::optional<std::string> NextPath(const std::string& title);

    std::deque<Answer> answers_;
    std::deque<std::string> paths_;
    Answer defaultAnswer_ = Answer::No;
    std::vector<Entry> shown_;
    int beeps_ = 0;
};
