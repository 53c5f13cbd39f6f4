#include "platform/encoding.h"

#include <gtest/gtest.h>

TEST(Encoding, EveryByteRoundTripsInBothCodePages) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    for (CodePage cp : {CodePage::Windows1252, CodePage::Cp850}) {
        bool lossy = true;
        EXPECT_EQ(fromUtf8(toUtf8(all, cp), cp, &lossy), all);
        EXPECT_FALSE(lossy);
    }
}

TEST(Encoding, GermanLettersInEachCodePage) {
    struct Case {
        const char* utf8;
        const char* cp1252;
        const char* cp850;
    } cases[] = {
        {"Ä", "\xC4", "\x8E"}, {"ö", "\xF6", "\x94"}, {"ü", "\xFC", "\x81"},
        {"ß", "\xDF", "\xE1"}, {"€", "\x80", nullptr}, {"é", "\xE9", "\x82"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.utf8, CodePage::Windows1252), c.cp1252) << c.utf8;
        EXPECT_EQ(toUtf8(c.cp1252, CodePage::Windows1252), c.utf8) << c.utf8;
        if (c.cp850) {
            EXPECT_EQ(fromUtf8(c.utf8, CodePage::Cp850), c.cp850) << c.utf8;
            EXPECT_EQ(toUtf8(c.cp850, CodePage::Cp850), c.utf8) << c.utf8;
        }
    }
}

TEST(Encoding, UnrepresentableAndMalformedBecomeQuestionMarks) {
    bool lossy = false;
    EXPECT_EQ(fromUtf8("a\xD0\x96z", CodePage::Windows1252, &lossy), "a?z");  // Cyrillic Zhe
    EXPECT_TRUE(lossy);
    EXPECT_EQ(fromUtf8("€", CodePage::Cp850, &lossy), "?");
    EXPECT_EQ(fromUtf8("x\xC3", CodePage::Windows1252, &lossy), "x?");  // cut sequence
    EXPECT_EQ(fromUtf8("\xED\xA0\x80", CodePage::Windows1252, &lossy), "???");  // surrogate
}

TEST(Encoding, CaseInsensitiveComparison) {
    EXPECT_EQ(compareNoCase("germany", "GERMANY"), 0);
    EXPECT_LT(compareNoCase("Austria", "germany"), 0);
    EXPECT_GT(compareNoCase("abc", "AB"), 0);
    EXPECT_TRUE(equalsNoCase("ÖSTERREICH", "österreich"));
    EXPECT_EQ(toUpperUtf8("Frankfurt-Egelsb. ä"), "FRANKFURT-EGELSB. Ä");
    EXPECT_EQ(utf8Left("Größenwahn", 4), "Größ");
    EXPECT_EQ(utf8Length("Größe"), 5u);
}
