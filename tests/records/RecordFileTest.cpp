#include "records/RecordFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

using test::TempFolder;

class RecordFileTest : public ::testing::Test {
  protected:
    void Write(const std::string& bytes) { ASSERT_TRUE(WriteFileAtomically(path, bytes)); }
    std::string Bytes() { return ReadFileBytes(path, kMaxRecordFileBytes).value_or("<missing>"); }

    TempFolder temp;
    std::string path = temp / "Stat.dat";
};

TEST_F(RecordFileTest, ReadsValuesOfTheRightSectionOnly) {
    Write("[Version]\r\nVersion=0300\r\n\r\n[00007]\r\nAnn=12 \r\nBob= 5\r\n[00008]\r\nAnn=99\r\n");
    EXPECT_EQ(ReadValue(path, "00007", "Ann", "d"), "12");
    EXPECT_EQ(ReadValue(path, "00007", "Bob", "d"), " 5");
    EXPECT_EQ(ReadValue(path, "00008", "Bob", "d"), "d");
    EXPECT_EQ(ReadValue(path, "00009", "Ann", "d"), "d");
    EXPECT_EQ(ReadValue(temp / "none.dat", "00007", "Ann", "d"), "d");
    EXPECT_EQ(ReadValues(path, "00007", {"Bob", "Ann", "Cy"}, {"x", "y", "z"}),
              (std::vector<std::string>{" 5", "12 ", "z"}));
    EXPECT_EQ(ListSections(path), (std::vector<std::string>{"Version", "00007", "00008"}));
    EXPECT_EQ(ListKeys(path, "00007"), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST_F(RecordFileTest, HeaderIsFoundOnlyAsAWholeLine) {
    // A player whose name holds a section's bracketed name must not be taken
    // for that section's header.
    Write("[00003]\r\nx[00007]=0001\r\n[00007]\r\nAnn=0002\r\n");
    EXPECT_EQ(ReadValue(path, "00007", "Ann", "d"), "0002");
    ASSERT_TRUE(WriteValue(path, "00007", "Ann", "0005"));
    EXPECT_EQ(ReadValue(path, "00003", "x[00007]", "d"), "0001");
    EXPECT_EQ(ReadValue(path, "00007", "Ann", "d"), "0005");
    EXPECT_EQ(ListSections(path), (std::vector<std::string>{"00003", "00007"}));
}

TEST_F(RecordFileTest, WriteValueInPlaceKeepsTheRestOfTheFileByteForByte) {
    Write("[A]\r\nk=0001\r\nj=0002\r\n\r\n[B]\r\nk=0003\r\n");
    ASSERT_TRUE(WriteValue(path, "A", "j", "0042"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=0001\r\nj=0042\r\n\r\n[B]\r\nk=0003\r\n");
}

TEST_F(RecordFileTest, ValueOfAnotherLengthRebuildsTheSectionInsteadOfOverwritingTheNextLine) {
    Write("[A]\r\nk=01\r\nj=02\r\n[B]\r\nk=03\r\n");
    ASSERT_TRUE(WriteValue(path, "A", "k", "123456"));
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "123456");
    EXPECT_EQ(ReadValue(path, "A", "j", "d"), "02");
    EXPECT_EQ(ReadValue(path, "B", "k", "d"), "03");
    ASSERT_TRUE(WriteValue(path, "A", "k", "1"));
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "1");
    EXPECT_EQ(ListKeys(path, "A"), (std::vector<std::string>{"k", "j"}));
}

TEST_F(RecordFileTest, NewKeyRebuildsTheSectionAndNewSectionIsAppended) {
    Write("[A]\r\nk=  1\r\n\r\n\r\n[B]\r\nk=3\r\n");
    ASSERT_TRUE(WriteValue(path, "A", "n", "7"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=1\r\nn=7\r\n\r\n[B]\r\nk=3\r\n");
    ASSERT_TRUE(WriteValue(path, "C", "m", "9"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=1\r\nn=7\r\n\r\n[B]\r\nk=3\r\n\r\n[C]\r\nm=9\r\n");
    const std::string fresh = temp / "new.dat";
    ASSERT_TRUE(WriteValue(fresh, "V", "Version", "0300"));
    EXPECT_EQ(ReadValue(fresh, "V", "Version", "d"), "0300");
}

TEST_F(RecordFileTest, WriteValuesInPlaceOnlyWhenTheBodyMatches) {
    Write("[G]\r\n1=aa\r\n2=bb\r\n[H]\r\n1=zz\r\n");
    ASSERT_TRUE(WriteValuesInPlace(path, "G", {"1", "2"}, {"cc", "dd"}));
    EXPECT_EQ(Bytes(), "[G]\r\n1=cc\r\n2=dd\r\n[H]\r\n1=zz\r\n");
    // Fewer lines than the new body: the next section's header survives.
    ASSERT_TRUE(WriteValuesInPlace(path, "G", {"1", "2", "3"}, {"ee", "ff", "gg"}));
    EXPECT_EQ(ListKeys(path, "G"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(ReadValue(path, "H", "1", "d"), "zz");
    // Longer values: rebuilt too.
    ASSERT_TRUE(WriteValuesInPlace(path, "G", {"1", "2", "3"}, {"eeee", "f", "g"}));
    EXPECT_EQ(ReadValues(path, "G", {"1", "2", "3"}, {"", "", ""}),
              (std::vector<std::string>{"eeee", "f", "g"}));
    EXPECT_EQ(ReadValue(path, "H", "1", "d"), "zz");
}

TEST_F(RecordFileTest, FileNamesMatchWithoutRegardToCase) {
    Write("[A]\r\nk=1\r\n");
    EXPECT_EQ(FindDataFile(temp.Path().string(), "STAT.DAT"), path);
    EXPECT_EQ(FindDataFile(temp.Path().string(), "Stat_glo.dat"), temp / "Stat_glo.dat");
}

TEST_F(RecordFileTest, DamagedFilesNeverCrashAndNeverLoseData) {
    // LF-only lines are read like CR LF ones.
    Write("[A]\nk=1\n[B]\nk=2\n");
    EXPECT_EQ(ReadValue(path, "B", "k", "d"), "2");
    // A CR-only file is one long line: nothing found, a write appends.
    Write("[A]\rk=1\r");
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "d");
    ASSERT_TRUE(WriteValue(path, "A", "k", "2"));
    EXPECT_EQ(Bytes().substr(0, 9), "[A]\rk=1\r\r");
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "2");
    // Binary bytes, a header without a body, a key line without "=".
    Write(std::string("\0\xff[\x01]\r\n[A]\r\nnoequals\r\n[", 22));
    EXPECT_EQ(ReadValue(path, "A", "noequals", "d"), "d");
    ASSERT_TRUE(WriteValue(path, "A", "k", "5"));
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "5");
    // A line named like the key but without "=" is kept and never read as
    // the key's (empty) value.
    Write("[00007]\r\nAnn\nBob=1\r\n");
    ASSERT_TRUE(WriteValue(path, "00007", "Ann", "000001"));
    EXPECT_EQ(ReadValue(path, "00007", "Ann", "d"), "000001");
    EXPECT_EQ(ReadValue(path, "00007", "Bob", "d"), "1");
}

TEST_F(RecordFileTest, TooLargeFileIsNeitherReadNorOverwritten) {
    {
        std::ofstream out(path, std::ios::binary);
        out << "[A]\r\nk=1\r\n";
        out.seekp(static_cast<std::streamoff>(kMaxRecordFileBytes) + 10);
        out << "end";
    }
    const auto size = std::filesystem::file_size(path);
    EXPECT_EQ(ReadValue(path, "A", "k", "d"), "d");
    EXPECT_FALSE(WriteValue(path, "A", "k", "2"));
    EXPECT_FALSE(AppendSection(path, "B", {"k"}, {"1"}));
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST_F(RecordFileTest, FailedWriteLeavesTheOldFileWhole) {
    const std::string folder = temp / "locked";
    std::filesystem::create_directory(folder);
    const std::string file = folder + "/Stat.dat";
    ASSERT_TRUE(WriteFileAtomically(file, "[A]\r\nk=1\r\n"));
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool writable = WriteFileAtomically(folder + "/probe", "x");  // root ignores modes
    if (!writable) {
        EXPECT_FALSE(WriteValue(file, "A", "k", "22"));
        EXPECT_EQ(ReadFileBytes(file, 100).value_or(""), "[A]\r\nk=1\r\n");
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    if (writable)
        GTEST_SKIP() << "running with rights that ignore folder modes";
}

TEST_F(RecordFileTest, WriteIntoAMissingFolderFailsWithoutCreatingAnything) {
    const std::string file = temp / "gone/Stat.dat";
    EXPECT_FALSE(WriteValue(file, "A", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(temp / "gone"));
    // A folder where the file should be is not a record file: left alone.
    std::filesystem::create_directory(path);
    EXPECT_FALSE(WriteValue(path, "A", "k", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace jw
