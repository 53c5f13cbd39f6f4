#include "platform/prompt.h"

namespace {

class NullPrompt final : public Prompt {
public:
    void Message(const std::string&, MessageKind) override {}
    Answer AskYesNo(const std::string&) override { return Answer::No; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    Answer AskOkCancel(const std::string&) override { return Answer::Cancel; }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const FileFilter&) override {
        return {};
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const FileFilter&) override {
        return {};
    }
    void Beep() override {}
    void SetWaitCursor(bool) override {}
};

NullPrompt nullPrompt;
Prompt* current = nullptr;

}  // namespace

Prompt& thePrompt() { return current ? *current : nullPrompt; }

void SetPrompt(Prompt* prompt) { current = prompt; }

PromptScope::PromptScope(Prompt& p) : previous_(current) { current = &p; }

PromptScope::~PromptScope() { current = previous_; }
