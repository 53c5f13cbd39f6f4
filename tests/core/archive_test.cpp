#include "core/archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "support/temp_dir.h"

namespace {

std::vector<unsigned char> stored(const std::function<void(CArchive&)>& write) {
    CArchive ar;
    write(ar);
    return {ar.Bytes().begin(), ar.Bytes().end()};
}

CArchive loading(const std::string& hex) {
    auto bytes = fromHex(hex);
    return CArchive(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

TEST(Archive, PrimitivesAreLittleEndian) {
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteI16(-1); })), "FF FF");
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteFloat(1.0f); })), "00 00 80 3F");
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteDouble(1000.0); })), "00 00 00 00 00 40 8F 40");
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteI32(0x01020304); })), "04 03 02 01");

    CArchive ar = loading("FE FF 04 03 02 01 00 00 80 3F 00 00 00 00 00 40 8F 40 80");
    EXPECT_EQ(ar.ReadI16(), -2);
    EXPECT_EQ(ar.ReadU32(), 0x01020304u);
    EXPECT_EQ(ar.ReadFloat(), 1.0f);
    EXPECT_EQ(ar.ReadDouble(), 1000.0);
    EXPECT_EQ(ar.ReadI8(), -128);
    EXPECT_EQ(ar.BytesLeft(), 0u);
}

TEST(Archive, FixedTextField) {
    // Six bytes holding "EDFE": the text, its terminator and a zero.
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteFixedText("EDFE", 6); })), "45 44 46 45 00 00");
    // Too long: cut to width - 1 bytes.
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteFixedText("ABCDEFG", 4); })), "41 42 43 00");
    // Fixed widths count encoded bytes: "Ö" is one byte in both code pages.
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteFixedText("Ötz", 4, CodePage::Cp850); })), "99 74 7A 00");
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteFixedText("Ötz", 4); })), "D6 74 7A 00");

    // Reading ignores everything from the first NUL on.
    CArchive ar = loading("45 44 00 58 59 99 74 7A 00 00");
    EXPECT_EQ(ar.ReadFixedText(5), "ED");
    EXPECT_EQ(ar.ReadFixedText(5, CodePage::Cp850), "Ötz");
}

TEST(Archive, ArchiveStringLengthForms) {
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteString("ABC"); })), "03 41 42 43");
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteString(""); })), "00");
    auto s300 = stored([](CArchive& a) { a.WriteString(std::string(300, 'x')); });
    ASSERT_EQ(s300.size(), 303u);
    EXPECT_EQ(hexBytes({s300.begin(), s300.begin() + 3}), "FF 2C 01");
    auto s254 = stored([](CArchive& a) { a.WriteString(std::string(254, 'x')); });
    EXPECT_EQ(s254[0], 254);
    auto s255 = stored([](CArchive& a) { a.WriteString(std::string(255, 'x')); });
    EXPECT_EQ(hexBytes({s255.begin(), s255.begin() + 3}), "FF FF 00");
    auto s65534 = stored([](CArchive& a) { a.WriteString(std::string(65534, 'x')); });
    EXPECT_EQ(hexBytes({s65534.begin(), s65534.begin() + 7}), "FF FF FF FE FF 00 00");

    for (size_t n : {0, 3, 254, 255, 300, 65533, 65534, 70000}) {
        std::string text(n, 'q');
        CArchive out;
        out.WriteString(text);
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadString(), text) << n;
        EXPECT_EQ(in.BytesLeft(), 0u) << n;
    }
    // Umlauts travel as Windows-1252 bytes.
    EXPECT_EQ(hexBytes(stored([](CArchive& a) { a.WriteString("Hö"); })), "02 48 F6");
}

TEST(Archive, WideStringsAreAccepted) {
    // FF FE FF marks wide text; then the length prefix and UTF-16LE units.
    CArchive ar = loading("FF FE FF 03 48 00 F6 00 AC 20");
    EXPECT_EQ(ar.ReadString(), "Hö€");
    // A character that Windows-1252 lacks becomes '?'.
    CArchive ar2 = loading("FF FE FF 01 3A 04");
    EXPECT_EQ(ar2.ReadString(), "?");
}

TEST(Archive, ShortInputIsAnArchiveError) {
    CArchive ar = loading("01 02 03");
    EXPECT_THROW(ar.ReadI32(), ArchiveError);

    // A string whose bytes end before its length.
    CArchive s = loading("05 41 42");
    try {
        s.ReadString();
        FAIL();
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.cause(), ArchiveError::Cause::BadLength);
    }
    // A huge 32-bit length is refused before anything is allocated.
    CArchive big = loading("FF FF FF FF FF FF 7F 41");
    EXPECT_THROW(big.ReadString(), ArchiveError);
}

TEST(Archive, CheckCountAgainstBytesLeft) {
    CArchive ar = loading("00 00 00 00 00 00 00 00 00 00");
    EXPECT_NO_THROW(ar.CheckCount(5, 2));
    EXPECT_THROW(ar.CheckCount(6, 2), ArchiveError);
    EXPECT_THROW(ar.CheckCount(-1, 2), ArchiveError);
    EXPECT_THROW(ar.CheckCount(INT64_MAX, 72), ArchiveError);
}

TEST(Archive, FileRoundTripAndLength) {
    TempDir dir;
    const std::string path = dir.file("data.bin");
    {
        CArchive ar(path, CArchive::store);
        ar.WriteString("Navora");
        for (int i = 0; i < 40000; ++i) ar.WriteI32(i);  // more than one buffer
        ar.Close();
    }
    CArchive ar(path, CArchive::load);
    EXPECT_EQ(ar.GetFileLength(), 7u + 160000u);
    EXPECT_EQ(ar.ReadString(), "Navora");
    for (int i = 0; i < 40000; ++i) ASSERT_EQ(ar.ReadI32(), i);
    EXPECT_THROW(ar.ReadU8(), ArchiveError);
}

TEST(Archive, UnfinishedSaveLeavesOldFile) {
    TempDir dir;
    const std::string path = dir.file("keep.bin");
    writeFileText(path, "old");
    {
        CArchive ar(path, CArchive::store);
        ar.WriteString("new content");
        // no Close: the save was abandoned (an exception in a serialiser)
    }
    EXPECT_EQ(hexBytes(readFileBytes(path)), "6F 6C 64");
    // No temporary file is left behind.
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(Archive, MissingFileAndUnwritableFolderAreFileErrors) {
    TempDir dir;
    EXPECT_THROW(CArchive(dir.file("missing.bin"), CArchive::load), FileError);
    EXPECT_THROW(CArchive(dir.file("no/such/folder.bin"), CArchive::store), FileError);
}

}  // namespace
