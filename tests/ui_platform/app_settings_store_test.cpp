#include "platform/qt/app_settings_store.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

TEST(AppSettingsStore, RecentFilesKeepFourNewestWithoutCaseDuplicates) {
    TempDir dir;
    const std::string ini = dir.file("profile.ini");
    {
        AppSettingsStore store(ini);
        EXPECT_TRUE(store.RecentFiles().empty());
        for (const char* name : {"a.way", "b.way", "c.way", "d.way", "e.way"})
            store.AddRecentFile(dir.file(name));
        EXPECT_EQ(store.RecentFiles(), (std::vector<std::string>{dir.file("e.way"), dir.file("d.way"),
                                                                 dir.file("c.way"), dir.file("b.way")}));
        // The same file in other letters moves to the front, under its new spelling.
        store.AddRecentFile(dir.file("C.WAY"));
        store.AddRecentFile("");
        EXPECT_EQ(store.RecentFiles(), (std::vector<std::string>{dir.file("C.WAY"), dir.file("e.way"),
                                                                 dir.file("d.way"), dir.file("b.way")}));
        ASSERT_TRUE(store.Sync());
    }
    AppSettingsStore again(ini);
    ASSERT_EQ(again.RecentFiles().size(), 4u);
    EXPECT_EQ(again.RecentFiles().front(), dir.file("C.WAY"));

    writeFileText(dir.file("e.way"), "");
    writeFileText(dir.file("b.way"), "");
    EXPECT_EQ(again.DropMissingRecentFiles(), 2);
    EXPECT_EQ(again.RecentFiles(), (std::vector<std::string>{dir.file("e.way"), dir.file("b.way")}));
    again.RemoveRecentFile(dir.file("E.way"));
    EXPECT_EQ(again.RecentFiles(), (std::vector<std::string>{dir.file("b.way")}));
}

TEST(AppSettingsStore, PlacementAndValuesRoundTrip) {
    TempDir dir;
    const std::string ini = dir.file("profile.ini");
    const QByteArray geometry("\x01\x02\x00\xff", 4);
    {
        AppSettingsStore store(ini);
        EXPECT_TRUE(store.WindowGeometry().isEmpty());
        store.SaveWindowPlacement(geometry, "state");
        store.SaveToolbarState("bars");
        store.SetInt("Ansicht", "Zoom", -7);
        store.SetString("Ansicht", "Name", "Höhe");
        store.SetString("Ansicht", "Text", "kein Wert");
        ASSERT_TRUE(store.Sync());
    }
    AppSettingsStore store(ini);
    EXPECT_EQ(store.WindowGeometry(), geometry);
    EXPECT_EQ(store.WindowState(), "state");
    EXPECT_EQ(store.ToolbarState(), "bars");
    EXPECT_EQ(store.GetInt("Ansicht", "Zoom"), -7);
    EXPECT_EQ(store.GetInt("Ansicht", "Fehlt", 42), 42);
    EXPECT_EQ(store.GetInt("Ansicht", "Text", 3), 3);
    EXPECT_EQ(store.GetString("Ansicht", "Name"), "Höhe");
    EXPECT_EQ(store.GetString("Ansicht", "Fehlt", "x"), "x");
}
