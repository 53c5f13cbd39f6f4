#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

TEST(Paths, PartsOfAPath) {
    EXPECT_EQ(fileTitle("C:\\Navora\\Germany.krd"), "Germany");
    EXPECT_EQ(fileTitle("/data/route.v2.way"), "route.v2");
    EXPECT_EQ(baseName("C:\\x\\elev\\n50e008.bin"), "n50e008.bin");
    EXPECT_EQ(dirPart("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(dirPart("c.txt"), "");
    EXPECT_EQ(fileExtension("ROUTE.WAY"), "WAY");
    EXPECT_EQ(withTrailingSeparator("/tmp"), "/tmp/");
}

TEST(Paths, CaseInsensitiveLookupAndPatterns) {
    TempDir dir;
    writeFileText(dir.file("Germany.krd"), "");
    writeFileText(dir.file("SWISS.KRD"), "");
    writeFileText(dir.file("notes.txt"), "");
    mkdir(dir.file("Airspaces").c_str(), 0755);
    EXPECT_EQ(findNoCase(dir.path(), "airspaces"), dir.file("Airspaces"));
    EXPECT_EQ(findNoCase(dir.path(), "GERMANY.krd"), dir.file("Germany.krd"));
    EXPECT_FALSE(findNoCase(dir.path(), "france.krd").has_value());
    EXPECT_EQ(listFilesWithSuffix(dir.path(), ".krd"),
              (std::vector<std::string>{dir.file("Germany.krd"), dir.file("SWISS.KRD")}));
}

TEST(Paths, StoredWindowsPathsResolveUnderTheProgramDirectory) {
    TempDir dir;
    mkdir(dir.file("Elev").c_str(), 0755);
    writeFileText(dir.file("Elev/N50E008.BIN"), "x");
    writeFileText(dir.file("top.bin"), "x");
    EXPECT_EQ(resolveStoredPath("C:\\Programme\\Navora\\elev\\n50e008.bin", dir.path()), dir.file("Elev/N50E008.BIN"));
    EXPECT_EQ(resolveStoredPath("D:\\old\\top.bin", dir.path()), dir.file("top.bin"));
    EXPECT_EQ(resolveStoredPath(dir.file("top.bin"), "/nowhere/"), dir.file("top.bin"));
    EXPECT_EQ(resolveStoredPath("C:\\gone\\x.bin", dir.path()), "C:/gone/x.bin");
}

TEST(AtomicFile, ReplacesOnlyOnCommit) {
    TempDir dir;
    const std::string target = dir.file("VX.ini");
    writeFileText(target, "old");
    chmod(target.c_str(), 0444);  // a read-only file is still replaced
    {
        AtomicFile f;
        ASSERT_TRUE(f.open(target));
        f.write("new", 3);
    }
    EXPECT_EQ(readFileBytes(target).size(), 3u);
    EXPECT_EQ(readFileBytes(target)[0], 'o');
    AtomicFile f;
    ASSERT_TRUE(f.open(target));
    f.write("newer", 5);
    ASSERT_TRUE(f.commit());
    EXPECT_EQ(readFileBytes(target).size(), 5u);
    EXPECT_TRUE(copyFile(target, dir.file("copy.ini")));
    EXPECT_EQ(readFileBytes(dir.file("copy.ini")).size(), 5u);
    EXPECT_FALSE(copyFile(dir.file("missing"), dir.file("copy2.ini")));
}
