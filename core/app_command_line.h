#pragma once
// The command line of the program: no argument starts with a new, empty
// route; a path opens that route; "/p path" prints it on the default printer
// and "/pt path printer driver port" on the printer named, after which the
// program ends. The switches are also accepted with '-' and in any case.
// Every other argument is a path, so a Linux path beginning with '/' is
// never mistaken for a switch.

#include <string>
#include <vector>

#include "core/app_hooks.h"

struct CommandLine {
    enum class Action { NewRoute, OpenRoute, PrintRoute };
    Action action = Action::NewRoute;
    std::string path;
    PrintTarget target;  // for PrintRoute
};

// `args` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

enum class CommandLineOutcome {
    Continue,  // the main window opens
    Finished,  // the job is done (printed); the program ends normally
    Failed,    // start-up ends with an error
};

// Carries the command line out through the route hooks. A route that cannot
// be opened (or a print request without a file) fails; the route code shows
// its own messages, and without route support the message "Flugstrecke kann
// nicht eingelesen werden." is shown here.
CommandLineOutcome CarryOutCommandLine(const CommandLine& commandLine, const AppHooks& hooks);
