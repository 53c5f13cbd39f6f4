#include <gtest/gtest.h>

#include "core/init_doc.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace {

TEST(HomeAirfield, SettingsFileKeepsItAsTheCurrentRecord) {
    TempDir dir;
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    CLocation home;
    home.SetName("Donaueschingen-Vi");
    home.SetIdent("EDTD");
    home.SetCountry("ED");
    home.Set(47.973, 8.522);
    home.SetElevation(2231);
    home.SetVariation(-2);
    home.SetFrequency(118.455);
    home.SetRunwayLength(1290);
    home.SetDirectionOrRange(0);  // "18/36"
    home.SetFlags(LOC_MIN_1000 | LOC_UNPAVED);
    home.SetType(WP_AIRPORT);

    CInitDoc settings(dir.path());
    settings.SetHome(home);
    ASSERT_TRUE(settings.OnSaveDocument(settings.GetSettingsPath()));
    const auto bytes = readFileBytes(settings.GetSettingsPath());
    // After the header, the spare texts, "Germany", the aircraft and the signal.
    const PackedLocation packed = home.ToPacked();
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 106, bytes.begin() + 178),
              std::vector<unsigned char>(packed.begin(), packed.end()));

    CInitDoc reread(dir.path());
    ASSERT_TRUE(reread.OnOpenDocument(reread.GetSettingsPath()));
    EXPECT_EQ(reread.GetHome(), home);
    EXPECT_EQ(reread.GetHome().GetName(), "Donaueschingen-Vi");
    ASSERT_TRUE(reread.OnSaveDocument(dir.file("again.ini")));
    EXPECT_EQ(readFileBytes(dir.file("again.ini")), bytes);
}

}  // namespace
