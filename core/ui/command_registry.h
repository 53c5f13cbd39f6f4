#pragma once
// Menu and toolbar commands by their numbers. Each subsystem registers the
// handlers of its commands (and how they are enabled and ticked); the main
// window builds its menus from the command numbers and asks the registry
// what to do. A command nobody registered stays in the menu, disabled.

#include <functional>
#include <map>
#include <string>

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandRegistry {
public:
    using Handler = std::function<void()>;
    using Updater = std::function<CommandState()>;

    // Registers (or replaces) the handler of a command. Without an updater
    // the command is always enabled and never ticked.
    void Register(int id, Handler handler, Updater updater = {});
    bool Has(int id) const { return commands_.count(id) != 0; }
    // Runs the handler when the command is registered and enabled; returns
    // whether it ran.
    bool Execute(int id) const;
    // Disabled when not registered.
    CommandState State(int id) const;

private:
    struct Entry {
        Handler handler;
        Updater updater;
    };
    std::map<int, Entry> commands_;
};

// The registry of the running program.
CommandRegistry& theCommands();
