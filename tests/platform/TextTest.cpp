// Text helpers shared by the file readers and the command-line tool.
#include <gtest/gtest.h>

#include "platform/Text.h"

namespace jw {
namespace {

TEST(EscapeControlCharacters, KeepsLinesTabsAndLettersAndEscapesTheRest) {
    EXPECT_EQ(EscapeControlCharacters("Ann\tHolt\n"), "Ann\tHolt\n");
    EXPECT_EQ(EscapeControlCharacters("\x1b[2J\a\r\x7f"), "\\x1B[2J\\x07\\x0D\\x7F");
    EXPECT_EQ(EscapeControlCharacters(std::string("a\0b", 3)), "a\\x00b");
    // Bytes of UTF-8 names pass unchanged.
    EXPECT_EQ(EscapeControlCharacters("Zoë"), "Zoë");
}

}  // namespace
}  // namespace jw
