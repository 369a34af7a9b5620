#include "engine/FixedText.h"

#include <gtest/gtest.h>

#include <limits>

namespace jw {
namespace {

TEST(FixedText, NumbersAreZeroPaddedSignedAndStarredWhenTooWide) {
    EXPECT_EQ(FormatFixed(7, 5), "00007");
    EXPECT_EQ(FormatFixed(0, 3), "000");
    EXPECT_EQ(FormatFixed(-1, 4), "-001");
    EXPECT_EQ(FormatFixed(-2, 4), "-002");
    EXPECT_EQ(FormatFixed(12345, 4), "****");
    EXPECT_EQ(FormatFixed(-1000, 4), "****");
    EXPECT_EQ(FormatFixed(-5, 1), "*");
    EXPECT_EQ(FormatFixed(std::numeric_limits<std::int64_t>::min(), 6), "******");
}

TEST(FixedText, TextFieldsArePaddedAndCutOnCharacterBoundaries) {
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcd");
    // "é" is two bytes: cutting through it keeps the field width with a blank.
    EXPECT_EQ(PadRight("abc\xC3\xA9", 4), "abc ");
    EXPECT_EQ(CutUtf8("\xE6\x9D\xB1x", 2), "");
}

TEST(FixedText, ParsesWholeIntegersOnly) {
    EXPECT_EQ(ParseInteger(" 042 "), 42);
    EXPECT_EQ(ParseInteger("-001"), -1);
    EXPECT_EQ(ParseInteger("+5"), 5);
    EXPECT_FALSE(ParseInteger("").has_value());
    EXPECT_FALSE(ParseInteger("12a").has_value());
    EXPECT_FALSE(ParseInteger("1 2").has_value());
    EXPECT_FALSE(ParseInteger("99999999999999999999").has_value());
}

TEST(FixedText, ColumnsAreOneBasedAndSafePastTheEnd) {
    EXPECT_EQ(Columns("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Columns("abcdef", 5, 10), "ef");
    EXPECT_EQ(Columns("abc", 9, 2), "");
    EXPECT_EQ(Columns("abc", 0, 2), "");
}

}  // namespace
}  // namespace jw
