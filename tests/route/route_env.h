#pragma once
// A program directory for route tests: a temporary folder, scripted
// answers, settings installed as the current ones, and on request a region
// file with a few locations and the name index over it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/init_doc.h"
#include "core/units.h"
#include "locations/loc_doc.h"
#include "locations/loc_startup.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "way_fixtures.h"

class RouteEnv : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope{prompt};
    CInitDoc settings{dir.path()};
    CLocDoc locations;

    RouteEnv() {
        SetInitDoc(&settings);
        SetDimDoc(&settings.Units());
    }
    ~RouteEnv() override {
        SetDimDoc(nullptr);
        SetInitDoc(nullptr);
    }

    // Writes "Germany.krd" with the records and builds the name index.
    void loadDatabase(const std::vector<RecordFields>& records) {
        writeFileBytes(dir.file("Germany.krd"), RegionFileBytes(5, records));
        settings.SetRegionPath(dir.file("Germany.krd"));
        LoadLocationDatabase(settings, locations);
    }
    std::string writeRoute(const std::string& name, const std::vector<unsigned char>& bytes) {
        writeFileBytes(dir.file(name), bytes);
        return dir.file(name);
    }
};
