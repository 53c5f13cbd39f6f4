#pragma once
// A program directory with two regions for the location dialogs:
//   Germany.krd (active, current): airports Aachen (EDKA), Bonn, Egelsbach
//     (EDFE); reporting points EDFE-N, EDFE-S, EDKA-W; the VORs Charlie and
//     Frankfurt.
//   Austria.krd (inactive): the airport Wien (LOWW).
// The settings, the location database and the name index are loaded as at
// start-up, and every message goes to a scripted prompt.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/init_doc.h"
#include "locations/loc_doc.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

CLocation MakeLocation(const std::string& name, int type, double lat, double lon, const std::string& ident = "");

class ProgramDir : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CInitDoc settings{dir.path()};
    CLocDoc doc;

    void SetUp() override;
    void TearDown() override;

    std::string germany() const { return dir.file("Germany.krd"); }
    std::string austria() const { return dir.file("Austria.krd"); }
    // The names of a list of a region file as it is on disk now.
    std::vector<std::string> namesInFile(const std::string& path, int type);
    // The location of that name and type in a region file on disk.
    CLocation inFile(const std::string& path, int type, const std::string& name);
};
