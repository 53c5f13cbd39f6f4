#include "core/ui/command_registry.h"

void CommandRegistry::Register(int id, Handler handler, Updater updater) {
    commands_[id] = Entry{std::move(handler), std::move(updater)};
}

bool CommandRegistry::Execute(int id) const {
    const auto it = commands_.find(id);
    if (it == commands_.end() || !State(id).enabled) return false;
    // Copy: the handler may register or replace commands while it runs.
    const Handler handler = it->second.handler;
    if (handler) handler();
    return true;
}

CommandState CommandRegistry::State(int id) const {
    const auto it = commands_.find(id);
    if (it == commands_.end()) return CommandState{false, false};
    if (!it->second.updater) return CommandState{};
    return it->second.updater();
}

CommandRegistry& theCommands() {
    static CommandRegistry registry;
    return registry;
}
