#include "platform/IniDocument.h"

#include <gtest/gtest.h>

#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/Text.h"

namespace jw {
namespace {

using Lines = std::vector<std::string>;

TEST(IniDocument, QueriesSkipJunkAndMatchNamesInAnyCase) {
    const IniDocument document(Lines{"stray=before any section", "[Group A]", "  Lake = lake01  ",
                                     "junk \x01\x02", "; comment=no", "=no key", "[ group a ]",
                                     "Lake=second", "Sea=sea01", "[]", "Orphan=x"});
    EXPECT_EQ(document.Value("group A", "LAKE"), "lake01");
    EXPECT_EQ(document.Value("Group A", "Sea"), "sea01");
    EXPECT_EQ(document.Value("Group A", "comment"), std::nullopt);
    EXPECT_EQ(document.SectionValues("GROUP A"),
              (Lines{"Lake=lake01", "Lake=second", "Sea=sea01"}));
    const std::vector<IniLine> entries = document.Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].section, "Group A");
    EXPECT_EQ(entries[2].section, "group a");
    EXPECT_EQ(entries[2].key, "Sea");
    EXPECT_EQ(entries[2].value, "sea01");
}

TEST(IniDocument, ChangesKeepEveryOtherLineAsItIs) {
    IniDocument document(Lines{"[One]", "a=1", "\x7f junk", "", "[Two]", "b=2"});
    ASSERT_TRUE(document.Set("one", "A", "10"));
    ASSERT_TRUE(document.Set("One", "c", "line\r\nbreak"));
    ASSERT_TRUE(document.Set("Three", "d", "4"));
    EXPECT_FALSE(document.Set("Bad]", "x", "1"));
    EXPECT_FALSE(document.Set("One", ";x", "1"));
    EXPECT_EQ(document.Lines(), (Lines{"[One]", "a=10", "\x7f junk", "c=line  break", "", "[Two]",
                                       "b=2", "[Three]", "d=4"}));
    EXPECT_TRUE(document.RemoveKey("ONE", "a"));
    EXPECT_FALSE(document.RemoveKey("One", "a"));
    EXPECT_TRUE(document.RemoveSection("two"));
    EXPECT_EQ(document.Lines(),
              (Lines{"[One]", "\x7f junk", "c=line  break", "", "[Three]", "d=4"}));
}

TEST(IniDocument, FilesAreNeverTrusted) {
    test::TempFolder temp;
    const std::string path = temp / "list.dat";
    const auto missing = IniDocument::Load(path, 100);
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->Lines().empty());
    ASSERT_TRUE(WriteFileAtomically(path, "[A]\r\nk=v\r\n"));
    EXPECT_EQ(IniDocument::Load(path, 100)->Value("a", "K"), "v");
    EXPECT_FALSE(IniDocument::Load(path, 5));  // larger than allowed
    EXPECT_EQ(ReadIniLines(path).size(), 1u);
    EXPECT_TRUE(ReadIniLines(temp / "none.dat").empty());
}

TEST(TextHelpers, TrimBlanksAndCompareAsciiCase) {
    EXPECT_EQ(Trim(" \t a b \t"), "a b");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(Trim("\r x \r"), "\r x \r");  // only blanks
    EXPECT_TRUE(EqualsIgnoreCase("Favorite Games", "FAVORITE games"));
    EXPECT_FALSE(EqualsIgnoreCase("Game", "Games"));
    EXPECT_FALSE(EqualsIgnoreCase("\xc4", "\xe4"));  // ASCII letters only
}

}  // namespace
}  // namespace jw
