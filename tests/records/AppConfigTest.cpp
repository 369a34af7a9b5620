#include "records/C_App_Config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::ScriptedHost;
using test::TempFolder;
using Lines = std::vector<std::string>;

// Every case runs with a fresh HOME, no XDG_DATA_HOME and an empty
// executable folder, all inside one temporary folder.
class AppConfigDataFolderTest : public ::testing::Test {
  protected:
    Lines Read(const std::string& path) const {
        return ReadLines(path, 1 << 20).value_or(Lines{"<missing>"});
    }
    void Put(const std::string& path, std::string_view bytes) const {
        fs::create_directories(fs::path(path).parent_path());
        ASSERT_TRUE(WriteFileAtomically(path, bytes));
    }
    // Runs the start-up steps and returns the data folder chosen.
    std::string StartUp() {
        config.SeedFolderPointer();
        config.Initialise();
        return config.DataFolder();
    }

    TempFolder temp;
    ScopedEnv home{"HOME", temp / "home"};
    ScopedEnv xdg{"XDG_DATA_HOME", std::nullopt};
    std::string exeFolder = temp / "exe";
    std::string defaultFolder = temp / "home/.local/share/Jadewind/";
    std::string pointer = defaultFolder + "fold.dat";
    ScriptedHost host;
    TApplication_Config config{host, exeFolder};
};

TEST_F(AppConfigDataFolderTest, FirstStartUsesTheDefaultFolderAndRemembersIt) {
    EXPECT_EQ(StartUp(), defaultFolder);
    EXPECT_EQ(config.FolderPointerFile(), pointer);
    EXPECT_EQ(ReadFileBytes(pointer, 100), "[Default Data Folder]\r\n");
    EXPECT_TRUE(fs::is_directory(defaultFolder));
    EXPECT_EQ(config.SettingsPath(), defaultFolder + "cnfg.dat");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AppConfigDataFolderTest, DefaultFolderFollowsTheEnvironment) {
    {
        ScopedEnv data("XDG_DATA_HOME", temp / "xdg/");
        EXPECT_EQ(config.DefaultDataFolder(), temp / "xdg/Jadewind/");
    }
    {
        // Relative and empty values are ignored, as the XDG rules ask.
        ScopedEnv data("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(config.DefaultDataFolder(), defaultFolder);
    }
    ScopedEnv data("XDG_DATA_HOME", "");
    ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_EQ(config.DefaultDataFolder(), exeFolder + "/Data/");
    EXPECT_EQ(config.FolderPointerFile(), exeFolder + "/Data/fold.dat");
}

TEST_F(AppConfigDataFolderTest, SharedPointerBesideTheExecutableSeedsNewUsers) {
    const std::string shared = temp / "shared";
    Put(exeFolder + "/fold.dat", shared + "  \n");
    EXPECT_EQ(StartUp(), shared + "/");
    EXPECT_TRUE(fs::is_directory(shared));
    EXPECT_EQ(Read(pointer), Lines{shared + "  "}) << "copied as lines";
}

TEST_F(AppConfigDataFolderTest, InstallPointerWinsOverFoldDat) {
    Put(exeFolder + "/fold.dat", temp / "from-fold");
    Put(exeFolder + "/ivy_fold.dat", temp / "from-ivy");
    EXPECT_EQ(StartUp(), temp / "from-ivy/");
}

TEST_F(AppConfigDataFolderTest, InstalledDataFolderIsSearchedAfterTheExecutable) {
    TApplication_Config installed(host, exeFolder, {temp / "share/jadewind"});
    Put(temp / "share/jadewind/fold.dat", temp / "from-share");
    installed.SeedFolderPointer();
    installed.Initialise();
    EXPECT_EQ(installed.DataFolder(), temp / "from-share/");
}

TEST_F(AppConfigDataFolderTest, AnExistingPointerFileIsNeverOverwrittenBySeeding) {
    Put(pointer, (temp / "mine") + "\r\n");
    Put(exeFolder + "/fold.dat", temp / "shared");
    Put(exeFolder + "/ivy_fold.dat", temp / "shared");
    EXPECT_EQ(StartUp(), temp / "mine/");
    EXPECT_EQ(Read(pointer), Lines{temp / "mine"});
}

TEST_F(AppConfigDataFolderTest, PointerLinesThatMeanTheDefaultFolder) {
    for (const char* text : {"[Default Data Folder]\r\n", "[Default Data Folder] (shared)\r\n",
                             "[Default Data Folder]\\\r\n", "", "   \r\nsecond\r\n",
                             "relative/folder\r\n", "\x01\xff\x00garbage"}) {
        Put(pointer, text);
        EXPECT_EQ(config.ResolveDataFolder(), defaultFolder) << text;
        EXPECT_EQ(ReadFileBytes(pointer, 100), text) << "an existing pointer is left as it is";
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AppConfigDataFolderTest, OnlyTheFirstLineOfThePointerCounts) {
    Put(pointer, (temp / "first/") + "\nsecond\n");
    EXPECT_EQ(config.ResolveDataFolder(), temp / "first/");
}

TEST_F(AppConfigDataFolderTest, SetDataFolderTakesEffectAtTheNextStart) {
    EXPECT_EQ(StartUp(), defaultFolder);
    ASSERT_TRUE(config.SetDataFolder("  " + (temp / "chosen") + " "));
    EXPECT_EQ(Read(pointer), Lines{temp / "chosen"});
    EXPECT_EQ(config.DataFolder(), defaultFolder);

    TApplication_Config next(host, exeFolder);
    next.Initialise();
    EXPECT_EQ(next.DataFolder(), temp / "chosen/");

    ASSERT_TRUE(config.SetDataFolder("   "));
    EXPECT_EQ(Read(pointer), Lines{"[Default Data Folder]"});
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AppConfigDataFolderTest, UnwritablePointerIsReportedAndStartUpGoesOn) {
    // Tests run as root, where file permissions are not enforced, so the
    // write is made impossible instead: the data home is a regular file, so
    // no folder (and no pointer file) can be created below it.
    const std::string blocker = temp / "blocker";
    Put(blocker, "not a folder");
    ScopedEnv data("XDG_DATA_HOME", blocker);
    const std::string blockedPointer = blocker + "/Jadewind/fold.dat";

    EXPECT_EQ(StartUp(), blocker + "/Jadewind/");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.messages[0].text,
              "Error saving the file: " + blockedPointer + "\rThe folder " + blocker +
                  "/Jadewind cannot be written. Change its permissions so that you may write "
                  "there (or choose another data folder) and try again.");

    EXPECT_FALSE(config.SetDataFolder(temp / "elsewhere"));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, host.messages[0].text);
}

TEST_F(AppConfigDataFolderTest, PointerPathTakenByAFolderIsReported) {
    fs::create_directories(pointer + "/inside");
    EXPECT_EQ(config.ResolveDataFolder(), defaultFolder);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, SaveErrorMessage(pointer));
    EXPECT_TRUE(fs::is_directory(pointer + "/inside"));
}

TEST_F(AppConfigDataFolderTest, SetDataFolderRefusesALineBreak) {
    EXPECT_FALSE(config.SetDataFolder((temp / "a") + "\n/etc"));
    EXPECT_FALSE(fs::exists(pointer));
    EXPECT_EQ(host.messages.size(), 1u);
}

// "cfg.dat" is the settings file name of older versions.
class AppConfigMigrationTest : public AppConfigDataFolderTest {
  protected:
    std::string Path(const char* name) const { return defaultFolder + name; }
};

TEST_F(AppConfigMigrationTest, OldSettingsBecomeTheSettingsFileAndABackup) {
    Put(Path("cfg.dat"), "[Preference]\nGame=5\n");
    StartUp();
    EXPECT_FALSE(fs::exists(Path("cfg.dat")));
    EXPECT_EQ(ReadFileBytes(Path("cnfg.dat"), 100), "[Preference]\r\nGame=5\r\n");
    EXPECT_EQ(ReadFileBytes(Path("copycnfg.dat"), 100), "[Preference]\r\nGame=5\r\n");
    EXPECT_EQ(config.Settings().ReadInteger("Preference", "Game", 0), 5);
}

TEST_F(AppConfigMigrationTest, ExistingSettingsAreKeptAndOnlyTheBackupIsWritten) {
    Put(Path("cfg.dat"), "[Preference]\r\nGame=5\r\n");
    Put(Path("cnfg.dat"), "[Preference]\r\nGame=9\r\n");
    StartUp();
    EXPECT_FALSE(fs::exists(Path("cfg.dat")));
    EXPECT_EQ(config.Settings().ReadInteger("Preference", "Game", 0), 9);
    EXPECT_EQ(Read(Path("copycnfg.dat")), (Lines{"[Preference]", "Game=5"}));
}

TEST_F(AppConfigMigrationTest, AnExistingBackupIsNeverReplaced) {
    Put(Path("cfg.dat"), "new\r\n");
    Put(Path("copycnfg.dat"), "old backup\r\n");
    StartUp();
    EXPECT_FALSE(fs::exists(Path("cfg.dat")));
    EXPECT_EQ(Read(Path("copycnfg.dat")), Lines{"old backup"});
    EXPECT_EQ(Read(Path("cnfg.dat")), Lines{"new"});
}

TEST_F(AppConfigMigrationTest, AnUnreadableOldFileIsLeftAlone) {
    std::string huge = "[P]\r\nK=1\r\n";
    huge.resize(kMaxSettingsBytes + 1, ' ');
    Put(Path("cfg.dat"), huge);
    StartUp();
    EXPECT_EQ(fs::file_size(Path("cfg.dat")), huge.size());
    EXPECT_FALSE(fs::exists(Path("cnfg.dat")));
    EXPECT_FALSE(fs::exists(Path("copycnfg.dat")));
}

TEST_F(AppConfigMigrationTest, MigrationHappensInTheChosenFolder) {
    const std::string shared = temp / "shared/";
    Put(pointer, shared + "\r\n");
    Put(shared + "cfg.dat", "[P]\r\nK=2\r\n");
    Put(Path("cfg.dat"), "[P]\r\nK=3\r\n");
    StartUp();
    EXPECT_EQ(config.Settings().Path(), shared + "cnfg.dat");
    EXPECT_EQ(config.Settings().ReadInteger("P", "K", 0), 2);
    EXPECT_TRUE(fs::exists(Path("cfg.dat"))) << "the default folder is not the data folder";
}

}  // namespace
}  // namespace jw
