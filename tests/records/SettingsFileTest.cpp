#include "records/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using Lines = std::vector<std::string>;

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string Contents() const {
        return ReadFileBytes(path, kMaxSettingsBytes).value_or("<none>");
    }
    void Store(std::string_view bytes) const { ASSERT_TRUE(WriteFileAtomically(path, bytes)); }

    TempFolder temp;
    std::string path = temp / "cnfg.dat";
    SettingsFile settings{path};
};

TEST_F(SettingsFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(settings.ReadString("Preference", "Game_Name", "none"), "none");
    EXPECT_EQ(settings.ReadInteger("Preference", "Game", 7), 7);
    EXPECT_TRUE(settings.ReadFlag("Preference", "Fade_Background", true));
    EXPECT_TRUE(settings.ReadSectionValues("Users").empty());
    EXPECT_FALSE(fs::exists(path)) << "readers never create the file";

    Store("[Preference]\r\nGame=3\r\n");
    EXPECT_EQ(settings.ReadInteger("Preference", "Cursor", 10), 10);
    EXPECT_EQ(settings.ReadInteger("Settings", "Game", -1), -1);
}

TEST_F(SettingsFileTest, FirstWriteCreatesTheFileWithCrLfLines) {
    // Used through the interface the engine sees.
    SettingsStore& store = settings;
    store.WriteString("Preference", "Game_Name", "Standard");
    store.WriteInteger("Preference", "Game", -12);
    store.WriteFlag("Settings", "Tile_Legend_Show_Values", true);
    EXPECT_EQ(Contents(),
              "[Preference]\r\nGame_Name=Standard\r\nGame=-12\r\n"
              "[Settings]\r\nTile_Legend_Show_Values=Y\r\n");
    EXPECT_EQ(store.ReadInteger("Preference", "Game", 0), -12);
    EXPECT_TRUE(store.ReadFlag("Settings", "Tile_Legend_Show_Values", false));
}

TEST_F(SettingsFileTest, NamesMeetWhateverTheirLetterCase) {
    Store("[preference]\nshow_main_popup_menu=N\nGame_name=Old\n[Other]\nx=1\n");
    EXPECT_FALSE(settings.ReadFlag("Preference", "Show_Main_Popup_Menu", true));
    EXPECT_FALSE(settings.ReadFlag("PREFERENCE", "Show_Main_PopUp_Menu", true));

    // Rewritten where it stands, in its stored spelling, never duplicated.
    ASSERT_TRUE(settings.TryWriteString("Preference", "Game_Name", "New"));
    ASSERT_TRUE(settings.TryWriteString("PREFERENCE", "GAME_NAME", "Newer"));
    EXPECT_EQ(Contents(),
              "[preference]\r\nshow_main_popup_menu=N\r\nGame_name=Newer\r\n[Other]\r\nx=1\r\n");

    // A new key joins the end of its section, before the next one.
    ASSERT_TRUE(settings.TryWriteString("Preference", "Game", "5"));
    EXPECT_EQ(SplitLines(Contents())[3], "Game=5");
}

TEST_F(SettingsFileTest, NewKeyGoesAfterTheLastLineOfItsSection) {
    Store("[A]\r\nk=1\r\n\r\n[B]\r\nm=2\r\n");
    ASSERT_TRUE(settings.TryWriteString("a", "n", "3"));
    EXPECT_EQ(Contents(), "[A]\r\nk=1\r\nn=3\r\n\r\n[B]\r\nm=2\r\n");
}

TEST_F(SettingsFileTest, IntegersThatDoNotParseGiveTheDefault) {
    Store(
        "[P]\nUndo_Enabled=abc\nEmpty=\nTrail=12x\nHuge=99999999999\nPlus=+7\n"
        "Spaced=  42  \nNeg=-16777201\nBad=+-3\nHex=0x10\n");
    EXPECT_EQ(settings.ReadInteger("P", "Undo_Enabled", 0), 0);
    EXPECT_EQ(settings.ReadInteger("P", "Empty", 9), 9);
    EXPECT_EQ(settings.ReadInteger("P", "Trail", 9), 9);
    EXPECT_EQ(settings.ReadInteger("P", "Huge", 9), 9);
    EXPECT_EQ(settings.ReadInteger("P", "Plus", 9), 7);
    EXPECT_EQ(settings.ReadInteger("P", "Spaced", 9), 42);
    EXPECT_EQ(settings.ReadInteger("P", "Neg", 9), -16777201);
    EXPECT_EQ(settings.ReadInteger("P", "Bad", 9), 9);
    EXPECT_EQ(settings.ReadInteger("P", "Hex", 9), 9);
}

TEST_F(SettingsFileTest, OnlyAnExactCapitalYIsYes) {
    Store("[P]\nA=Y\nB=y\nC=Yes\nD=\nE=N\n");
    EXPECT_TRUE(settings.ReadFlag("P", "A", false));
    EXPECT_FALSE(settings.ReadFlag("P", "B", true));
    EXPECT_FALSE(settings.ReadFlag("P", "C", true));
    EXPECT_FALSE(settings.ReadFlag("P", "D", true));
    EXPECT_FALSE(settings.ReadFlag("P", "E", true));
    EXPECT_TRUE(settings.ReadFlag("P", "Missing", true));
}

TEST_F(SettingsFileTest, DeleteKeyAndEraseSection) {
    Store("[Users]\nUser001=Ann\nuser001=dup\nUser002=Bob\n[Keep]\na=1\n[USERS]\nUser001=Cy\n");
    ASSERT_TRUE(settings.DeleteKey("users", "USER001"));
    EXPECT_EQ(settings.ReadSectionValues("Users"), (Lines{"User002=Bob"}));
    ASSERT_TRUE(settings.DeleteKey("Users", "NotThere"));

    ASSERT_TRUE(settings.EraseSection("users"));
    EXPECT_EQ(Contents(), "[Keep]\r\na=1\r\n");
    ASSERT_TRUE(settings.EraseSection("Missing"));
    EXPECT_EQ(Contents(), "[Keep]\r\na=1\r\n");
}

TEST_F(SettingsFileTest, SectionValuesAreTrimmedKeyValueLines) {
    Store("top=0\n[Games]\n; a comment\n Game0000 = Standard \n\njunk line\nGame0001=a=b\n[X]\n");
    EXPECT_EQ(settings.ReadSectionValues("games"), (Lines{"Game0000=Standard", "Game0001=a=b"}));
    EXPECT_EQ(settings.ReadString("Games", "Game0001", ""), "a=b");
}

TEST_F(SettingsFileTest, LineBreaksInValuesBecomeBlanks) {
    ASSERT_TRUE(settings.TryWriteString("P", "Name", "Ann\r\n[Evil]\rX=1\nY"));
    ASSERT_TRUE(settings.TryWriteString("P", "Next", "ok"));
    EXPECT_EQ(settings.ReadString("P", "Name", ""), "Ann  [Evil] X=1 Y");
    EXPECT_EQ(settings.ReadString("P", "Next", ""), "ok");
    EXPECT_TRUE(settings.ReadSectionValues("Evil").empty());
    EXPECT_EQ(SplitLines(Contents()).size(), 3u);
}

TEST_F(SettingsFileTest, NamesThatWouldBreakTheFileAreRefused) {
    EXPECT_FALSE(settings.TryWriteString("P", "a=b", "v"));
    EXPECT_FALSE(settings.TryWriteString("P", "a\nb", "v"));
    EXPECT_FALSE(settings.TryWriteString("P", "[x", "v"));
    EXPECT_FALSE(settings.TryWriteString("P", ";x", "v"));
    EXPECT_FALSE(settings.TryWriteString("P", "  ", "v"));
    EXPECT_FALSE(settings.TryWriteString("A]B", "k", "v"));
    EXPECT_FALSE(settings.TryWriteString("A\rB", "k", "v"));
    EXPECT_FALSE(settings.TryWriteString("", "k", "v"));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsFileTest, DamagedOrBinaryFileKeepsItsBytesAndStillAnswers) {
    const std::string junk("\x00\xff\xfe[\x01]=\x00zz\r\r", 12);
    Store(junk + "\n[P]\nGame=4\n" + junk + "\nnoequals\n");
    EXPECT_EQ(settings.ReadInteger("P", "Game", 0), 4);
    EXPECT_EQ(settings.ReadString("P", "Cursor", "d"), "d");

    ASSERT_TRUE(settings.TryWriteInteger("P", "Cursor", 11));
    // The junk ends in CR CR, so with the LF after it the old bytes come back
    // unchanged; only the bare LF line ends have become CR LF.
    EXPECT_EQ(Contents(), junk + "\n[P]\r\nGame=4\r\n" + junk + "\nnoequals\r\nCursor=11\r\n");
}

TEST_F(SettingsFileTest, OversizedFileGivesDefaultsAndIsNeverOverwritten) {
    std::string big = "[P]\r\nGame=4\r\n";
    big.resize(kMaxSettingsBytes + 1, 'x');
    Store(big);
    EXPECT_EQ(settings.ReadInteger("P", "Game", 0), 0);
    EXPECT_TRUE(settings.ReadSectionValues("P").empty());
    EXPECT_FALSE(settings.TryWriteInteger("P", "Game", 5));
    EXPECT_FALSE(settings.DeleteKey("P", "Game"));
    EXPECT_FALSE(settings.EraseSection("P"));
    EXPECT_EQ(fs::file_size(path), big.size());
}

TEST_F(SettingsFileTest, SettingsPathThatIsAFolderGivesDefaults) {
    fs::create_directories(path);
    EXPECT_EQ(settings.ReadString("P", "K", "d"), "d");
    EXPECT_FALSE(settings.TryWriteString("P", "K", "v"));
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(SettingsFileTest, EveryCallSeesTheFileAsItIsNow) {
    SettingsFile other(path);
    ASSERT_TRUE(settings.TryWriteString("P", "K", "1"));
    EXPECT_EQ(other.ReadString("P", "K", ""), "1");
    Store("[P]\nK=2\n");
    EXPECT_EQ(settings.ReadString("P", "K", ""), "2");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 1)
        << "no temporary files are left behind";
}

}  // namespace
}  // namespace jw
