#pragma once
// Shared pieces of the command-line tool.

#include <string>
#include <vector>

#include "platform/scripted_prompt.h"

// Messages go to standard error; questions are never asked: they get the
// default answer (No), so a command never waits for input.
class ConsolePrompt : public ScriptedPrompt {
protected:
    void OnShown(const Entry& e) override;
};

using Args = std::vector<std::string>;

// A file named on the command line, relative to the folder the tool was
// started in (not to the program directory given with --dir).
std::string ArgPath(const std::string& arg);

int CmdSettings(const Args& args);
int CmdCourse(const Args& args);
int CmdSun(const Args& args);
int CmdImport(const Args& args);
int CmdRegion(const Args& args);
int CmdFind(const Args& args);
int CmdNear(const Args& args);
int CmdPlanes(const Args& args);
int CmdPlane(const Args& args);
int CmdPlanesMake(const Args& args);
int CmdRoute(const Args& args);
int CmdLog(const Args& args);
