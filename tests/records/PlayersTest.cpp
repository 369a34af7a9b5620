// The player list in the settings and the rules of the players window.
#include "records/Players.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"

namespace jw {
namespace {

using test::MemorySettings;
using test::ScriptedHost;

void WritePlayers(MemorySettings& settings, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        WriteEntry(settings, setting::kPlayers, static_cast<int>(i) + 1, names[i]);
    }
}

// A players window with its editor answering from a script and every other
// hook recording what it was asked.
struct Window {
    MemorySettings settings;
    ScriptedHost host;
    std::deque<std::optional<std::string>> editorAnswers;
    std::vector<std::string> editorShown;  // "Add:" or "Edit:" and the initial text
    std::vector<std::string> calls;
    bool quitAnswer = true;
    PlayersSession session{settings, host, Hooks()};

    PlayersHooks Hooks() {
        PlayersHooks hooks;
        hooks.editName = [this](PlayerEditorMode mode, const std::string& initial) {
            editorShown.push_back((mode == PlayerEditorMode::Add ? "Add:" : "Edit:") + initial);
            std::optional<std::string> answer;
            if (!editorAnswers.empty()) {
                answer = editorAnswers.front();
                editorAnswers.pop_front();
            }
            return answer;
        };
        hooks.renameRecords = [this](const std::string& oldName, const std::string& newName,
                                     const std::function<void(int)>& progress) {
            calls.push_back("rename " + oldName + " -> " + newName);
            progress(10);
        };
        hooks.showRenameProgress = [this](bool visible) {
            calls.push_back(visible ? "show progress" : "hide progress");
        };
        hooks.renameProgress = [this](int lines) {
            calls.push_back("progress " + std::to_string(lines));
        };
        hooks.clearPlayerStatistics = [this](const std::string& name) {
            calls.push_back("clear " + name);
        };
        hooks.confirmQuitGame = [this](const std::string& question) {
            calls.push_back("ask " + question);
            return quitAnswer;
        };
        hooks.endRunningGame = [this] { calls.push_back("end game"); };
        hooks.setCurrentPlayer = [this](const std::string& name) {
            calls.push_back("current " + name);
        };
        hooks.playerChanged = [this] { calls.push_back("player changed"); };
        return hooks;
    }

    void Open(const std::vector<std::string>& names, const std::string& current) {
        WritePlayers(settings, names);
        session.Open(current);
    }
    void SelectName(const std::string& name) {
        const auto& list = session.Names();
        const auto found = std::find(list.begin(), list.end(), name);
        ASSERT_NE(found, list.end()) << name;
        session.SetSelected(static_cast<int>(found - list.begin()));
    }
    std::string Slot(int slot) const { return ReadEntry(settings, setting::kPlayers, slot, "-"); }
};

TEST(PlayerNames, EachForbiddenCharacterIsRefused) {
    for (const char c : std::string("\\/:*?\"<>|;=+")) {
        EXPECT_FALSE(IsValidPlayerName(std::string("Ann") + c + "e")) << c;
    }
    EXPECT_TRUE(IsValidPlayerName("Ann-Marie O'Neil (2) & co."));
    EXPECT_TRUE(IsValidPlayerName("Zoë"));
}

TEST(PlayerNames, LoadSkipsGapsAndRepeatsAndSortsWithoutCase) {
    MemorySettings settings;
    WriteEntry(settings, setting::kPlayers, 1, "walter");
    WriteEntry(settings, setting::kPlayers, 3, "Anna  ");
    WriteEntry(settings, setting::kPlayers, 4, "   ");
    WriteEntry(settings, setting::kPlayers, 5, "Bob");
    WriteEntry(settings, setting::kPlayers, 6, "Anna");
    WriteEntry(settings, setting::kPlayers, 20, "carl");
    WriteEntry(settings, setting::kPlayers, 21, "Beyond");
    EXPECT_EQ(LoadPlayerNames(settings),
              (std::vector<std::string>{"Anna", "Bob", "carl", "walter"}));
}

TEST(PlayerNames, StoreWritesSortedSlotsOnlyWhenChanged) {
    MemorySettings settings;
    WritePlayers(settings, {"Zed", "Amy", "Old3"});
    StorePlayers(settings, "Amy", {"Zed", "Amy"}, false);
    EXPECT_EQ(ReadEntry(settings, setting::kPlayers, 3), "Old3");
    EXPECT_EQ(Read(settings, setting::kUserDefault), "Amy");

    StorePlayers(settings, "Zed", {"Zed", "Amy"}, true);
    EXPECT_EQ(ReadEntry(settings, setting::kPlayers, 1), "Amy");
    EXPECT_EQ(ReadEntry(settings, setting::kPlayers, 2), "Zed");
    EXPECT_EQ(ReadEntry(settings, setting::kPlayers, 3, "-"), "");
    EXPECT_EQ(ReadEntry(settings, setting::kPlayers, 20, "-"), "");
    EXPECT_EQ(Read(settings, setting::kUserDefault), "Zed");
}

TEST(PlayersWindow, OpensOnTheCurrentPlayerWhoCannotBeDeleted) {
    Window w;
    w.Open({"Bob", "Anna", "Carl"}, "Bob ");
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Anna", "Bob", "Carl"}));
    EXPECT_EQ(w.session.Selected(), 1);
    EXPECT_TRUE(w.session.CanSelect());
    EXPECT_TRUE(w.session.CanEdit());
    EXPECT_FALSE(w.session.CanDelete());
    EXPECT_FALSE(w.session.Delete());
    EXPECT_EQ(w.host.MessageTexts(), std::vector<std::string>{std::string(kCannotDeletePlayer)});
    EXPECT_EQ(w.session.Names().size(), 3u);

    w.session.SetSelected(0);
    EXPECT_TRUE(w.session.CanDelete());
    w.session.SetSelected(7);
    EXPECT_FALSE(w.session.CanSelect());
    EXPECT_FALSE(w.session.CanEdit());
    EXPECT_FALSE(w.session.CanDelete());
}

TEST(PlayersWindow, AddRepeatsTheEditorUntilAnEntryIsAccepted) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    w.editorAnswers = {"", "   ", "Ann=e", "Ann+e", "Ann|e", "Bob  ", "bob"};
    EXPECT_TRUE(w.session.Add());
    EXPECT_EQ(w.host.MessageTexts(),
              (std::vector<std::string>{
                  std::string(kEnterOneCharacter), std::string(kEnterOneCharacter),
                  std::string(kForbiddenPlayerCharacters), std::string(kForbiddenPlayerCharacters),
                  std::string(kForbiddenPlayerCharacters), std::string(kPlayerExists)}));
    // The editor shows the refused entry again.
    EXPECT_EQ(w.editorShown.size(), 7u);
    EXPECT_EQ(w.editorShown[1], "Add:");
    EXPECT_EQ(w.editorShown[6], "Add:Bob  ");
    // Letter case makes another name.
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Anna", "Bob", "bob"}));
    EXPECT_EQ(w.session.Names()[static_cast<std::size_t>(w.session.Selected())], "bob");
    EXPECT_TRUE(w.session.ListChanged());
}

TEST(PlayersWindow, CancelledAddChangesNothing) {
    Window w;
    w.Open({"Anna"}, "Anna");
    w.editorAnswers = {std::nullopt};
    EXPECT_FALSE(w.session.Add());
    EXPECT_FALSE(w.session.ListChanged());
    EXPECT_EQ(w.session.Names().size(), 1u);
}

TEST(PlayersWindow, NamesAreCutToThirtyCharacters) {
    Window w;
    w.Open({"Anna"}, "Anna");
    const std::string thirty(30, 'x');
    w.editorAnswers = {thirty, thirty + "y"};
    EXPECT_TRUE(w.session.Add());
    EXPECT_FALSE(w.session.Add());  // the cut entry equals the first one
    EXPECT_EQ(w.host.MessageTexts(), std::vector<std::string>{std::string(kPlayerExists)});
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Anna", thirty}));
}

TEST(PlayersWindow, TwentyFirstPlayerIsRefusedBeforeTheEditorOpens) {
    Window w;
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i) {
        std::string name = "P";
        name += std::to_string(100 + i);
        twenty.push_back(name);
    }
    w.Open(twenty, "P101");
    w.editorAnswers = {"Extra"};
    EXPECT_FALSE(w.session.Add());
    EXPECT_TRUE(w.editorShown.empty());
    EXPECT_EQ(w.host.MessageTexts(), std::vector<std::string>{std::string(kPlayerListFull)});
    EXPECT_EQ(w.session.Names().size(), 20u);

    // After a deletion there is room again, and all twenty are written back.
    w.SelectName("P120");
    ASSERT_TRUE(w.session.Delete());
    EXPECT_TRUE(w.session.Add());
    ASSERT_TRUE(w.session.Close());
    EXPECT_EQ(LoadPlayerNames(w.settings).size(), 20u);
    EXPECT_EQ(w.Slot(1), "Extra");
}

TEST(PlayersWindow, EditRenamesTheRecordsAndFollowsTheCurrentPlayer) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    w.editorAnswers = {"Bob", "Zoe  "};
    ASSERT_TRUE(w.session.Edit());
    EXPECT_EQ(w.editorShown, (std::vector<std::string>{"Edit:Anna", "Edit:Bob"}));
    EXPECT_EQ(w.calls, (std::vector<std::string>{"show progress", "rename Anna -> Zoe",
                                                 "progress 10", "hide progress"}));
    EXPECT_EQ(w.host.MessageTexts(),
              (std::vector<std::string>{std::string(kPlayerExists), std::string(kPlayerRenamed)}));
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Bob", "Zoe"}));
    EXPECT_EQ(w.session.Selected(), 1);
    EXPECT_EQ(w.session.PlayerAtOpening(), "Zoe");
    EXPECT_FALSE(w.session.CanDelete());

    // Leaving with Cancel keeps the renamed player current and stores the list.
    w.calls.clear();
    ASSERT_TRUE(w.session.Close());
    EXPECT_EQ(w.calls, std::vector<std::string>{"current Zoe"});
    EXPECT_EQ(Read(w.settings, setting::kUserDefault), "Zoe");
    EXPECT_EQ(w.Slot(1), "Bob");
    EXPECT_EQ(w.Slot(2), "Zoe");
}

TEST(PlayersWindow, UnchangedEditRenamesNothing) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    w.session.SetSelected(1);
    w.editorAnswers = {"Bob", "Bob   "};
    ASSERT_TRUE(w.session.Edit());
    // Trailing blanks added to the edited name are no duplicate of itself.
    ASSERT_TRUE(w.session.Edit());
    EXPECT_TRUE(w.calls.empty());
    EXPECT_TRUE(w.host.MessageTexts().empty());
    EXPECT_FALSE(w.session.ListChanged());
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Anna", "Bob"}));
}

TEST(PlayersWindow, DeleteAsksAndClearsTheStatistics) {
    Window w;
    w.Open({"Anna", "Bob", "Carl"}, "Anna");
    w.SelectName("Carl");
    w.host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(w.session.Delete());
    EXPECT_TRUE(w.calls.empty());
    EXPECT_FALSE(w.session.ListChanged());

    ASSERT_TRUE(w.session.Delete());
    ASSERT_EQ(w.host.messages.size(), 2u);
    EXPECT_EQ(w.host.messages[1].text, std::string(kConfirmDeletePlayer));
    EXPECT_EQ(w.host.messages[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(w.calls, std::vector<std::string>{"clear Carl"});
    EXPECT_EQ(w.session.Names(), (std::vector<std::string>{"Anna", "Bob"}));
    EXPECT_EQ(w.session.Selected(), 0);
    ASSERT_TRUE(w.session.Close());
    EXPECT_EQ(w.Slot(3), "");
}

TEST(PlayersWindow, SelectingAnotherPlayerEndsTheRunningGameFirst) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    w.SelectName("Bob");
    ASSERT_TRUE(w.session.Select());
    EXPECT_EQ(w.calls,
              (std::vector<std::string>{"ask Start a new game for player Bob?", "current Anna",
                                        "end game", "current Bob", "player changed"}));
    EXPECT_EQ(Read(w.settings, setting::kUserDefault), "Bob");
    // The list was not changed, so the slots are not rewritten.
    EXPECT_EQ(w.Slot(3), "-");
    w.host.RunWaits();
    EXPECT_EQ(w.host.waits, std::vector<int>{100});
    EXPECT_EQ(w.host.busyChanges, (std::vector<bool>{true, false}));
}

TEST(PlayersWindow, RefusedQuitQuestionKeepsTheWindowOpen) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    w.SelectName("Bob");
    w.quitAnswer = false;
    EXPECT_FALSE(w.session.Select());
    EXPECT_EQ(w.calls, std::vector<std::string>{"ask Start a new game for player Bob?"});
    EXPECT_EQ(Read(w.settings, setting::kUserDefault), "");
}

TEST(PlayersWindow, SelectingTheSamePlayerLeavesTheGameAlone) {
    Window w;
    w.Open({"Anna", "Bob"}, "Anna");
    ASSERT_TRUE(w.session.Select());
    EXPECT_EQ(w.calls, std::vector<std::string>{"current Anna"});

    Window none;
    none.Open({"Anna"}, "Nobody");
    EXPECT_EQ(none.session.Selected(), -1);
    EXPECT_FALSE(none.session.Select());
    EXPECT_EQ(none.host.MessageTexts(), std::vector<std::string>{std::string(kSelectAPlayer)});
}

TEST(PlayersWindow, DamagedNameMustBeRenamedBeforeLeaving) {
    Window w;
    w.Open({"Anna", "B=ob", "Carl"}, "Anna");
    w.editorAnswers = {std::nullopt, "Bob"};
    EXPECT_FALSE(w.session.Close());
    EXPECT_EQ(w.host.MessageTexts(),
              std::vector<std::string>{std::string(kForbiddenPlayerCharacters) +
                                       "\rPlease rename the Player name:  B=ob"});
    EXPECT_EQ(w.editorShown, std::vector<std::string>{"Edit:B=ob"});
    EXPECT_EQ(w.session.Selected(), 1);

    EXPECT_FALSE(w.session.Select());  // renamed now, but nothing else happens
    EXPECT_EQ(w.calls.front(), "show progress");
    EXPECT_EQ(w.calls[1], "rename B=ob -> Bob");
    ASSERT_TRUE(w.session.Close());
    EXPECT_EQ(w.Slot(2), "Bob");
}

}  // namespace
}  // namespace jw
