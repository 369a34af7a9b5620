#include "platform/SaveFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

int CountEntries(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

TEST(SaveFileTest, WritesReplacesAndLeavesNoTemporaryFile) {
    TempFolder temp;
    const std::string path = temp / "data.dat";
    ASSERT_TRUE(WriteFileAtomically(path, std::string("first\0binary", 12)));
    EXPECT_EQ(ReadFileBytes(path, 100), std::string("first\0binary", 12));

    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadFileBytes(path, 100), "second");
    EXPECT_EQ(CountEntries(temp.Path()), 1);

    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadFileBytes(path, 100), "");
}

TEST(SaveFileTest, KeepsThePermissionsOfAReplacedFile) {
    TempFolder temp;
    const std::string path = temp / "data.dat";
    ASSERT_TRUE(WriteFileAtomically(path, "a"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(path, "b"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SaveFileTest, FailureLeavesOldContentsAndNoTemporaryFile) {
    TempFolder temp;
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directories(temp / "taken/inner");
    EXPECT_FALSE(WriteFileAtomically(temp / "taken", "x"));
    EXPECT_TRUE(fs::is_directory(temp / "taken/inner"));
    EXPECT_EQ(CountEntries(temp.Path()), 1);

    // A missing folder is not created.
    EXPECT_FALSE(WriteFileAtomically(temp / "missing/data.dat", "x"));
    EXPECT_FALSE(fs::exists(temp / "missing"));

    EXPECT_FALSE(WriteFileAtomically("", "x"));
}

TEST(SaveFileTest, WritesThroughASymbolicLink) {
    TempFolder temp;
    fs::create_directories(temp / "real");
    ASSERT_TRUE(WriteFileAtomically(temp / "real/cnfg.dat", "old"));
    fs::create_symlink(temp / "real/cnfg.dat", temp / "link.dat");
    ASSERT_TRUE(WriteFileAtomically(temp / "link.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(temp / "link.dat"));
    EXPECT_EQ(ReadFileBytes(temp / "real/cnfg.dat", 100), "new");
    EXPECT_EQ(CountEntries(temp / "real"), 1);
}

TEST(SaveFileTest, LinesEndInCrLf) {
    TempFolder temp;
    const std::string path = temp / "lines.dat";
    ASSERT_TRUE(WriteLinesAtomically(path, {"one", "", "three"}));
    EXPECT_EQ(ReadFileBytes(path, 100), "one\r\n\r\nthree\r\n");
    ASSERT_TRUE(WriteLinesAtomically(path, {}));
    EXPECT_EQ(ReadFileBytes(path, 100), "");
}

TEST(TextFileTest, SplitsOnCrLfAndLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
    // Only the CR directly before an LF belongs to the line end.
    EXPECT_EQ(SplitLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
    EXPECT_EQ(SplitLines("\n"), (Lines{""}));
}

TEST(TextFileTest, RefusesMissingOversizedAndNonRegularFiles) {
    TempFolder temp;
    const std::string path = temp / "f.txt";
    EXPECT_FALSE(ReadLines(path, 100).has_value());
    ASSERT_TRUE(WriteFileAtomically(path, "12345\n"));
    EXPECT_EQ(ReadLines(path, 6), std::vector<std::string>{"12345"});
    EXPECT_FALSE(ReadLines(path, 5).has_value());
    EXPECT_FALSE(ReadLines(temp.Path().string(), 1000).has_value());
}

}  // namespace
}  // namespace jw
