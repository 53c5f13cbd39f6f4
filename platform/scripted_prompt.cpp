#include "platform/scripted_prompt.h"

#include <algorithm>

std::vector<std::string> ScriptedPrompt::Texts() const {
    std::vector<std::string> out;
    for (const auto& e : shown_) out.push_back(e.text);
    return out;
}

bool ScriptedPrompt::WasShown(const std::string& text) const {
    return std::any_of(shown_.begin(), shown_.end(), [&](const Entry& e) { return e.text == text; });
}

void ScriptedPrompt::Message(const std::string& text, MessageKind kind) {
    shown_.push_back({text, kind});
    OnShown(shown_.back());
}

Answer ScriptedPrompt::NextAnswer(const std::string& text) {
    shown_.push_back({text, MessageKind::Question});
    OnShown(shown_.back());
    if (answers_.empty()) return defaultAnswer_;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

Answer ScriptedPrompt::AskYesNo(const std::string& text) {
    const Answer a = NextAnswer(text);
    return a == Answer::Yes || a == Answer::Ok ? Answer::Yes : Answer::No;
}

Answer ScriptedPrompt::AskYesNoCancel(const std::string& text) {
    const Answer a = NextAnswer(text);
    return a == Answer::Ok ? Answer::Yes : a;
}

Answer ScriptedPrompt::AskOkCancel(const std::string& text) {
    const Answer a = NextAnswer(text);
    return a == Answer::Ok || a == Answer::Yes ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> ScriptedPrompt::NextPath(const std::string& title) {
    shown_.push_back({title, MessageKind::Question});
    OnShown(shown_.back());
    if (paths_.empty()) return std::nullopt;
    std::string p = paths_.front();
    paths_.pop_front();
    if (p.empty()) return std::nullopt;
    return p;
}

std::optional<std::string> ScriptedPrompt::ChooseFolder(const std::string& title, const std::string&) {
    return NextPath(title);
}

std::optional<std::string> ScriptedPrompt::ChooseOpenFile(const std::string& title, const std::string&,
                                                          const FileFilter&) {
    return NextPath(title);
}

std::optional<std::string> ScriptedPrompt::ChooseSaveFile(const std::string& title, const std::string&,
                                                          const FileFilter&) {
    return NextPath(title);
}
