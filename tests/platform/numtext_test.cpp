#include "platform/numtext.h"

#include <gtest/gtest.h>
#include <locale.h>

#include "platform/rounding.h"

TEST(NumText, FormattingIgnoresTheProcessLocale) {
    // Under a German locale printf would write 12,50; the helpers never do.
    const char* previous = setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    // Where the German locale is not installed, this checks the C locale only.
    setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(formatFixed(12.5, 2), "12.50");
    EXPECT_EQ(strFormat("%.3f|%5.1f|%ld", 121.725, -3.25, 42L), "121.725| -3.2|42");
    EXPECT_EQ(parseDouble("12.5"), 12.5);
    setlocale(LC_ALL, saved.c_str());
}

TEST(NumText, WholeTextParsing) {
    EXPECT_EQ(parseDouble(" 8.5 "), 8.5);
    EXPECT_EQ(parseDouble("-0.25"), -0.25);
    EXPECT_EQ(parseDouble("1e3"), 1000.0);
    EXPECT_FALSE(parseDouble("").has_value());
    EXPECT_FALSE(parseDouble("abc").has_value());
    EXPECT_FALSE(parseDouble("12abc").has_value());
    EXPECT_FALSE(parseDouble("8,5").has_value());
    EXPECT_EQ(parseInteger("+17"), 17);
    EXPECT_FALSE(parseInteger("1.5").has_value());
    EXPECT_EQ(parseInteger("99999999999999999999999"), LLONG_MAX);
}

TEST(NumText, LeadingNumbers) {
    EXPECT_EQ(leadingDouble("  50.5N"), 50.5);
    EXPECT_EQ(leadingDouble("-8"), -8.0);
    EXPECT_FALSE(leadingDouble("N50").has_value());
    EXPECT_EQ(leadingInteger("123abc"), 123);
    EXPECT_EQ(leadingInteger("12.9"), 12);
    EXPECT_FALSE(leadingInteger("x").has_value());
    EXPECT_EQ(clampTo<int16_t>(*leadingInteger("70000")), 32767);
    EXPECT_EQ(clampTo<int32_t>(*leadingInteger("-99999999999")), INT32_MIN);
}

TEST(Rounding, TheTwoRulesDifferForNegatives) {
    struct Case {
        double x;
        long long addHalf;
        long long floorHalfValue;
    } cases[] = {{2.5, 3, 3}, {2.49, 2, 2}, {-2.5, -2, -2}, {-2.7, -2, -3}, {-0.4, 0, 0}, {-0.6, 0, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(addHalfTruncate(c.x), c.addHalf) << c.x;
        EXPECT_EQ(floorHalf(c.x), c.floorHalfValue) << c.x;
    }
    EXPECT_EQ(addHalfTruncate(std::nan("")), 0);
    EXPECT_EQ(floorHalf(1e300), LLONG_MAX);
}
