// The Customize dialog's working values: what opening shows, what OK writes
// and in which order, and the rules of the time box and the sound page.
#include "layouts/CustomizeOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"

namespace jw {
namespace {

// Remembers every key written, in order, besides holding the values.
class RecordingSettings : public test::MemorySettings {
  public:
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        written.emplace_back(key);
        MemorySettings::WriteString(section, key, value);
    }
    void WriteInteger(std::string_view section, std::string_view key, int value) override {
        written.emplace_back(key);
        MemorySettings::WriteInteger(section, key, value);
    }
    std::vector<std::string> written;
};

void Store(test::MemorySettings& s, std::string_view key, std::string_view value) {
    s.WriteString("Preference", key, value);
}
std::string Stored(const test::MemorySettings& s, std::string_view key) {
    return s.ReadString("Preference", key, "<missing>");
}

TEST(CustomizeValues, DefaultsOfAnEmptyFile) {
    test::MemorySettings empty;
    const CustomizeValues v = LoadCustomizeValues(empty);
    EXPECT_FALSE(v.confirmOnExit);
    EXPECT_TRUE(v.confirmEnterHiScores);
    EXPECT_TRUE(v.showGameWon);
    EXPECT_FALSE(v.tipAtStartup);
    EXPECT_FALSE(v.disableStatistics);
    EXPECT_FALSE(v.askAtExit);
    EXPECT_EQ(v.exitType, 1);
    EXPECT_EQ(v.pointer, 10);
    EXPECT_TRUE(v.automaticTileSize);
    EXPECT_EQ(v.undoItem, 0);
    EXPECT_EQ(v.toolbarStyleItem, 2);
    EXPECT_EQ(AnimationTextOf(v.animationItem), "(Random)");
    EXPECT_EQ(v.winningTime, "30");
    EXPECT_FALSE(v.allSoundsDisabled);
    // "New game" (entry 1) is the one event that starts silent.
    EXPECT_FALSE(v.soundOn[0]);
    for (std::size_t i = 1; i < v.soundOn.size(); ++i) {
        EXPECT_TRUE(v.soundOn[i]) << i;
    }
}

TEST(CustomizeValues, FirstLetterRulesOfStoredFlags) {
    test::MemorySettings s;
    // "on unless it begins with N": junk counts as on.
    Store(s, "ConfirmQuit", "yes");
    Store(s, "Show_Game_Won_Dialog_Box", "No thanks");
    Store(s, "Tips_StartUp", "x");
    Store(s, "ConfirmSaveAndExit", "Nope");
    // "on when it begins with Y": junk counts as off.
    Store(s, "Disable_Statistics", "Yes");
    Store(s, "Automatic_Tile_Size", "true");
    const CustomizeValues v = LoadCustomizeValues(s);
    EXPECT_TRUE(v.confirmOnExit);
    EXPECT_FALSE(v.showGameWon);
    EXPECT_TRUE(v.tipAtStartup);
    EXPECT_FALSE(v.askAtExit);
    EXPECT_TRUE(v.disableStatistics);
    EXPECT_FALSE(v.automaticTileSize);
}

TEST(CustomizeValues, RadioGroupsFallBackToTheFirstItem) {
    test::MemorySettings s;
    for (const auto& [stored, item] :
         std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}}) {
        s.WriteInteger("Preference", "Undo_Enabled", stored);
        s.WriteInteger("Preference", "Toolbar_style", stored);
        const CustomizeValues v = LoadCustomizeValues(s);
        EXPECT_EQ(v.undoItem, item) << stored;
        EXPECT_EQ(v.toolbarStyleItem, item) << stored;
    }
}

TEST(CustomizeValues, OkWritesEveryKeyInItsOrder) {
    RecordingSettings s;
    SaveCustomizeValues(s, LoadCustomizeValues(s));
    const std::vector<std::string> expected = {"ConfirmQuit",
                                               "ConfirmQuitGame",
                                               "ConfirmEnterHiScores",
                                               "Show_Game_Won_Dialog_Box",
                                               "Tips_StartUp",
                                               "Undo_Enabled",
                                               "ConfirmSaveAndExit",
                                               "ConfirmSaveAndExitType",
                                               "Disable_Statistics",
                                               "Winning_Animations",
                                               "Winning_Animations_Time",
                                               "Cursor",
                                               "Show_ToolTips",
                                               "Show_Main_Popup_Menu",
                                               "Show_Partial_Hidden_Tile",
                                               "ToolBar_Large",
                                               "ToolBar_Flat",
                                               "Statusbar",
                                               "Sounds_Enabled",
                                               "Sounds_About",
                                               "Sounds_NewHiScores",
                                               "Sounds_GameWon",
                                               "Sounds_HiScores",
                                               "Sounds_NewGame",
                                               "Sounds_Pairing",
                                               "Sounds_Redo",
                                               "Sounds_Restart",
                                               "Sounds_Undo",
                                               "Toolbar_style"};
    EXPECT_EQ(s.written, expected);
    // Automatic_Tile_Size is only read.
    EXPECT_FALSE(s.Has("Preference", "Automatic_Tile_Size"));
}

TEST(CustomizeValues, OkStoresTheEditedValues) {
    test::MemorySettings s;
    CustomizeValues v = LoadCustomizeValues(s);
    v.undoItem = 2;
    v.toolbarStyleItem = 1;
    v.mainPopupMenu = false;
    v.animationItem = AnimationItemOf("Lines");
    v.winningTime = "120";
    v.pointer = 13;
    v.askAtExit = true;
    v.exitType = 0;
    SetSoundOn(v, 9, false);  // "Game won (applause)"
    SetSoundOn(v, 1, true);   // "New game"
    SaveCustomizeValues(s, v);
    EXPECT_EQ(Stored(s, "Undo_Enabled"), "2");
    EXPECT_EQ(Stored(s, "Toolbar_style"), "1");
    EXPECT_EQ(Stored(s, "Show_Main_PopUp_Menu"), "N");
    EXPECT_EQ(Stored(s, "Winning_Animations"), "Lines");
    EXPECT_EQ(Stored(s, "Winning_Animations_Time"), "120");
    EXPECT_EQ(Stored(s, "Cursor"), "13");
    EXPECT_EQ(Stored(s, "ConfirmSaveAndExit"), "Y");
    EXPECT_EQ(Stored(s, "ConfirmSaveAndExitType"), "0");
    EXPECT_EQ(Stored(s, "Sounds_GameWon"), "N");
    EXPECT_EQ(Stored(s, "Sounds_NewGame"), "Y");
    EXPECT_EQ(Stored(s, "Sounds_Redo"), "Y");
    // Reading back gives the same working values.
    const CustomizeValues back = LoadCustomizeValues(s);
    EXPECT_EQ(back.soundOn, v.soundOn);
    EXPECT_EQ(back.animationItem, v.animationItem);
    EXPECT_EQ(back.undoItem, 2);
}

TEST(CustomizeValues, UnknownAnimationLeavesNoSelectionAndStoresEmpty) {
    test::MemorySettings s;
    Store(s, "Winning_Animations", "festoons");  // letter case counts
    CustomizeValues v = LoadCustomizeValues(s);
    EXPECT_EQ(v.animationItem, -1);
    EXPECT_TRUE(AnimationControlsEnabled(v.animationItem));
    SaveCustomizeValues(s, v);
    EXPECT_EQ(Stored(s, "Winning_Animations"), "");
    EXPECT_FALSE(AnimationControlsEnabled(AnimationItemOf("(None)")));
    EXPECT_TRUE(AnimationControlsEnabled(AnimationItemOf("Up to down")));
}

TEST(CustomizeValues, TimeBoxStepsAndNeverShowsZero) {
    EXPECT_EQ(StepWinningTime("30", +1), "40");
    EXPECT_EQ(StepWinningTime("30", -1), "20");
    EXPECT_EQ(StepWinningTime("10", -1), "10");
    EXPECT_EQ(StepWinningTime("5", -1), "10");
    EXPECT_EQ(StepWinningTime("985", +1), "990");
    EXPECT_EQ(StepWinningTime("990", +1), "990");
    EXPECT_EQ(StepWinningTime("5000", -1), "990");
    // A stored odd value is shown unchanged and stepped from.
    test::MemorySettings s;
    s.WriteInteger("Preference", "Winning_Animations_Time", 0);
    EXPECT_EQ(LoadCustomizeValues(s).winningTime, "0");
    EXPECT_EQ(StepWinningTime("0", +1), "10");
    EXPECT_EQ(WinningTimeSeconds("abc"), 30);
    EXPECT_EQ(WinningTimeSeconds(""), 30);
    EXPECT_EQ(WinningTimeSeconds("99999999999"), 30);
    EXPECT_EQ(WinningTimeSeconds("70"), 70);
}

TEST(CustomizeValues, SoundButtonsFollowTheSelectedEvent) {
    test::MemorySettings s;
    CustomizeValues v = LoadCustomizeValues(s);
    SoundButtonStates on = SoundButtonsFor(v, 2);  // "Redo", on
    EXPECT_FALSE(on.enableOn);
    EXPECT_TRUE(on.disableOn);
    EXPECT_TRUE(on.previewVisible);
    SetSoundOn(v, 2, false);
    SoundButtonStates off = SoundButtonsFor(v, 2);
    EXPECT_TRUE(off.enableOn);
    EXPECT_FALSE(off.disableOn);
    // A group entry (0) or nonsense number: nothing to act on.
    for (int number : {0, 10, -3}) {
        const SoundButtonStates group = SoundButtonsFor(v, number);
        EXPECT_FALSE(group.enableOn || group.disableOn || group.previewVisible) << number;
    }
    const auto before = v.soundOn;
    SetSoundOn(v, 0, true);
    EXPECT_EQ(v.soundOn, before);
}

TEST(CustomizeValues, DisableAllSoundsSwitchesEveryEvent) {
    test::MemorySettings s;
    CustomizeValues v = LoadCustomizeValues(s);
    SetAllSoundsDisabled(v, true);
    EXPECT_FALSE(SoundButtonsFor(v, 3).previewVisible);
    SaveCustomizeValues(s, v);
    EXPECT_EQ(Stored(s, "Sounds_Enabled"), "N");
    for (std::string_view key :
         {"Sounds_About", "Sounds_NewHiScores", "Sounds_GameWon", "Sounds_HiScores",
          "Sounds_NewGame", "Sounds_Pairing", "Sounds_Redo", "Sounds_Restart", "Sounds_Undo"}) {
        EXPECT_EQ(Stored(s, key), "N") << key;
    }
    v = LoadCustomizeValues(s);
    EXPECT_TRUE(v.allSoundsDisabled);
    SetAllSoundsDisabled(v, false);
    SaveCustomizeValues(s, v);
    EXPECT_EQ(Stored(s, "Sounds_Enabled"), "Y");
    for (std::string_view key :
         {"Sounds_About", "Sounds_NewHiScores", "Sounds_GameWon", "Sounds_HiScores",
          "Sounds_NewGame", "Sounds_Pairing", "Sounds_Redo", "Sounds_Restart", "Sounds_Undo"}) {
        EXPECT_EQ(Stored(s, key), "Y") << key;
    }
}

TEST(CustomizeValues, ClosingWritesTheTileSizeOnlyWhenAutomatic) {
    test::MemorySettings s;
    CustomizeValues v = LoadCustomizeValues(s);
    WriteClosingValues(s, v, 'M');
    EXPECT_EQ(Stored(s, "Tile_Set_Size"), "M");
    test::MemorySettings manual;
    Store(manual, "Automatic_Tile_Size", "N");
    WriteClosingValues(manual, LoadCustomizeValues(manual), 'S');
    EXPECT_FALSE(manual.Has("Preference", "Tile_Set_Size"));
}

TEST(CustomizeValues, PointerEntries) {
    EXPECT_EQ(PointerEntryOf(10), 0);
    EXPECT_EQ(PointerEntryOf(11), 1);
    EXPECT_EQ(PointerEntryOf(0), 1);
    EXPECT_EQ(PointerEntryOf(15), 5);
    EXPECT_EQ(PointerEntryOf(16), -1);
    EXPECT_EQ(PointerEntryOf(21), -1);
    EXPECT_EQ(PointerOfEntry(0), 10);
    EXPECT_EQ(PointerOfEntry(5), 15);
    EXPECT_EQ(PointerOfEntry(-1), 0);
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

TEST(StoreFolder, OpensOnOtherOnlyWhenTheFolderDiffersIgnoringCase) {
    StoreFolderChoice c =
        OpenStoreFolder("/home/Ann/.local/share/Jadewind/", "/HOME/ann/.local/share/jadewind/");
    EXPECT_FALSE(c.other);
    EXPECT_EQ(c.defaultText, "/home/ann/.local/share/jadewind/");
    c = OpenStoreFolder("/home/ann/.local/share/Jadewind/", "/media/Games/");
    EXPECT_TRUE(c.other);
    EXPECT_EQ(c.otherText, "/media/Games/");
    EXPECT_EQ(WithFolderSeparator("/media/x"), "/media/x/");
    EXPECT_EQ(WithFolderSeparator("/media/x/"), "/media/x/");
}

TEST(StoreFolder, AChangeNeedsTwoYesAnswers) {
    test::ScriptedHost host;
    const StoreFolderChoice opening = OpenStoreFolder("/d/", "/d/");
    StoreFolderChoice now = opening;
    EXPECT_EQ(DecideStoreFolder(host, opening, now).answer, StoreFolderAnswer::Unchanged);
    EXPECT_TRUE(host.messages.empty());

    now.other = true;
    EXPECT_EQ(DecideStoreFolder(host, opening, now).answer, StoreFolderAnswer::Stay);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please select a valid folder.");

    now.otherText = "  /media/games/ ";
    for (int noAt = 0; noAt < 2; ++noAt) {
        host.messages.clear();
        host.answers = {noAt == 0 ? MessageAnswer::No : MessageAnswer::Yes, MessageAnswer::No};
        EXPECT_EQ(DecideStoreFolder(host, opening, now).answer, StoreFolderAnswer::Stay);
        EXPECT_EQ(host.messages.size(), static_cast<std::size_t>(noAt + 1));
    }
    host.messages.clear();
    host.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    const StoreFolderDecision yes = DecideStoreFolder(host, opening, now);
    EXPECT_EQ(yes.answer, StoreFolderAnswer::Change);
    EXPECT_EQ(yes.newFolder, "/media/games/");
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Confirm change folder to   /media/games/ ");

    // Back to the default: an empty path.
    const StoreFolderChoice fromOther = OpenStoreFolder("/d/", "/o/");
    StoreFolderChoice back = fromOther;
    back.other = false;
    host.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    const StoreFolderDecision toDefault = DecideStoreFolder(host, fromOther, back);
    EXPECT_EQ(toDefault.answer, StoreFolderAnswer::Change);
    EXPECT_EQ(toDefault.newFolder, "");
}

}  // namespace
}  // namespace jw
