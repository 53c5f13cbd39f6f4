#include "core/app_command_line.h"

#include "platform/encoding.h"
#include "platform/prompt.h"
#include "platform/string_table.h"

namespace {

enum class Switch { None, Print, PrintTo };

Switch switchOf(const std::string& arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return Switch::None;
    const std::string_view name(arg.data() + 1, arg.size() - 1);
    if (equalsNoCase(name, "p")) return Switch::Print;
    if (equalsNoCase(name, "pt")) return Switch::PrintTo;
    return Switch::None;
}

CommandLineOutcome routeFailed() {
    thePrompt().Message(LoadStr(1751), MessageKind::Error);
    return CommandLineOutcome::Failed;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool print = false;
    bool printTo = false;
    std::vector<std::string> parameters;
    for (const std::string& arg : args) {
        switch (switchOf(arg)) {
            case Switch::Print:
                print = true;
                break;
            case Switch::PrintTo:
                printTo = true;
                break;
            case Switch::None:
                if (!arg.empty()) parameters.push_back(arg);
                break;
        }
    }
    if (!parameters.empty()) {
        result.path = parameters[0];
        result.action = CommandLine::Action::OpenRoute;
    }
    if (printTo) {
        result.action = CommandLine::Action::PrintRoute;
        if (parameters.size() > 1) result.target.printer = parameters[1];
        if (parameters.size() > 2) result.target.driver = parameters[2];
        if (parameters.size() > 3) result.target.port = parameters[3];
    } else if (print) {
        result.action = CommandLine::Action::PrintRoute;
    }
    return result;
}

CommandLineOutcome CarryOutCommandLine(const CommandLine& commandLine, const AppHooks& hooks) {
    switch (commandLine.action) {
        case CommandLine::Action::NewRoute:
            if (hooks.newRoute && !hooks.newRoute()) return CommandLineOutcome::Failed;
            return CommandLineOutcome::Continue;
        case CommandLine::Action::OpenRoute:
            if (!hooks.openRoute) return routeFailed();
            return hooks.openRoute(commandLine.path) ? CommandLineOutcome::Continue
                                                     : CommandLineOutcome::Failed;
        case CommandLine::Action::PrintRoute:
            if (commandLine.path.empty() || !hooks.printRoute) return routeFailed();
            return hooks.printRoute(commandLine.path, commandLine.target) ? CommandLineOutcome::Finished
                                                                          : CommandLineOutcome::Failed;
    }
    return CommandLineOutcome::Failed;
}
