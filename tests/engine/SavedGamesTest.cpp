// Saving and opening games, holding and resuming them, the close request and
// game files that were damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "EngineFixture.h"
#include "engine/Scoring.h"
#include "engine/reference/SampleBoards.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

using literal::TurtleAnchors;

// A second engine on the same data folder, as the program is at its next
// start or for another player.
struct Other : test::EngineFixture {
    explicit Other(const std::string& dataFolder) { engine.dataFolder = dataFolder; }
};

class SavedGames : public ::testing::Test, public test::EngineFixture {
  protected:
    void SetUp() override {
        AddLayout(0, TurtleAnchors());
        engine.dataFolder = folder.Path().string() + "/";
        host.now.hour = 9;
    }
    void StartTurtle() {
        host.randomValues = {5151515, 272727};
        ASSERT_TRUE(engine.StartGame(ReadMode::NewGame, 0, "", "Ann"));
    }
    static bool PlayAPair(TMahJong_interface& e) {
        if (e.finder.Available() == 0) {
            return false;
        }
        const MatchCandidate pair = e.finder.Candidates().front();
        for (int t = 0; t < 2; ++t) {
            const BoardPos pos = e.board.FindAnchor(pair.codes[static_cast<std::size_t>(t)]);
            e.PickTile(pos.level, pos.column, pos.row, pair.codes[static_cast<std::size_t>(t)]);
        }
        return true;
    }
    // Saves the game through the dialog to `file`.
    void Save(const std::string& file) {
        host.fileAnswers = {file};
        ASSERT_TRUE(engine.SaveGame());
    }
    // Rewrites a game file after changing its plain lines.
    static void Edit(const std::string& file,
                     const std::function<void(std::vector<std::string>&)>& change) {
        std::vector<std::string> lines = *ReadLines(file, kMaxLayoutFileBytes);
        UnscrambleLines(lines);
        change(lines);
        ScrambleLines(lines);
        ASSERT_TRUE(WriteLinesAtomically(file, lines));
    }

    test::TempFolder folder;
};

TEST_F(SavedGames, TheSaveDialogAndTheReplaceQuestion) {
    StartTurtle();
    settings.WriteString("Parameters", "Dir_Save", folder / "games/");
    const std::string file = folder / "game.mjg";
    Save(file);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].title, "Save game");
    EXPECT_EQ(host.fileDialogs[0].filter, "Jadewind 2007 Games (*.mjg)|*.mjg");
    EXPECT_EQ(host.fileDialogs[0].folder, folder / "games/");
    EXPECT_EQ(host.fileDialogs[0].fileName, "Standard");  // the game's name
    EXPECT_EQ(settings.ReadString("Parameters", "Dir_Save", ""), folder.Path().string() + "/");
    EXPECT_TRUE(host.messages.empty());
    const std::string first = *ReadFileBytes(file, kMaxLayoutFileBytes);

    // No shows the dialog again, with the file chosen; Cancel saves nothing.
    ASSERT_TRUE(PlayAPair(engine));
    host.fileAnswers = {file, file};
    host.answers = {MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_FALSE(engine.SaveGame());
    ASSERT_EQ(host.fileDialogs.size(), 3u);
    EXPECT_EQ(host.fileDialogs[2].fileName, file);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(host.messages[0].text, "The file: " + file +
                                         " already exists. Do you want to replace the existing "
                                         "file?");
    EXPECT_EQ(*ReadFileBytes(file, kMaxLayoutFileBytes), first);

    host.fileAnswers = {file};
    host.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(engine.SaveGame());
    EXPECT_NE(*ReadFileBytes(file, kMaxLayoutFileBytes), first);

    host.fileAnswers = {std::nullopt};  // the dialog cancelled
    EXPECT_FALSE(engine.SaveGame());
    engine.EndGame();
    EXPECT_FALSE(engine.SaveGame());  // nothing to save
    EXPECT_EQ(host.fileDialogs.size(), 5u);
}

TEST_F(SavedGames, ANameWithoutExtensionIsSavedAsASavedGameFile) {
    StartTurtle();
    // The proposed name, taken as it is.
    const std::string typed = folder / "Standard";
    host.fileAnswers = {typed};
    ASSERT_TRUE(engine.SaveGame());
    EXPECT_TRUE(std::filesystem::exists(typed + ".mjg"));
    EXPECT_FALSE(std::filesystem::exists(typed));
    EXPECT_EQ(engine.saveFileName, typed + ".mjg");

    EXPECT_EQ(WithSavedGameExtension("/a/b.c/Standard"), "/a/b.c/Standard.mjg");
    EXPECT_EQ(WithSavedGameExtension("/a/Standard."), "/a/Standard.mjg");
    EXPECT_EQ(WithSavedGameExtension("/a/.hidden"), "/a/.hidden.mjg");
    EXPECT_EQ(WithSavedGameExtension("/a/game.sav"), "/a/game.sav");
}

TEST_F(SavedGames, OpeningASavedGameContinuesItExactly) {
    StartTurtle();
    for (int k = 0; k < 12; ++k) {
        ASSERT_TRUE(PlayAPair(engine));
    }
    const std::string beforeLast = FormatBody(engine.board);
    ASSERT_TRUE(PlayAPair(engine));
    ASSERT_TRUE(engine.Undo());
    ASSERT_TRUE(engine.Redo());
    engine.SuggestMove();
    host.RunWaits();
    host.now.minute = 7;
    host.now.second = 30;
    const std::string file = folder / "game.mjg";
    Save(file);

    Other other(engine.dataFolder);
    other.AddLayout(0, TurtleAnchors());
    other.host.now.hour = 20;
    other.settings.WriteString("Parameters", "Dir_Save", folder.Path().string() + "/");
    other.host.fileAnswers = {file};
    ASSERT_TRUE(other.engine.OpenSavedGame("Bob"));
    TMahJong_interface& opened = other.engine;
    EXPECT_EQ(other.host.fileDialogs[0].title, "Open game");
    EXPECT_EQ(other.host.fileDialogs[0].filter, "Jadewind 2007 Games (*.mjg)|*.mjg");
    EXPECT_EQ(other.host.fileDialogs[0].folder, folder.Path().string() + "/");

    EXPECT_EQ(FormatBody(opened.board), FormatBody(engine.board));
    EXPECT_EQ(opened.gameId, engine.gameId);
    EXPECT_EQ(opened.gameNumber, engine.gameNumber);
    EXPECT_EQ(opened.playerName, "Bob");  // the player who opens it, not Ann
    EXPECT_EQ(opened.clock.Text(), "0:07:30");
    EXPECT_EQ(opened.suggestedPairs, engine.suggestedPairs);
    EXPECT_EQ(opened.undoStack.Lines(), engine.undoStack.Lines());
    EXPECT_EQ(opened.redoStack.Lines(), engine.redoStack.Lines());
    const GameCounters& a = opened.counters;
    const GameCounters& b = engine.counters;
    EXPECT_EQ(a.matchesMade, b.matchesMade);
    EXPECT_EQ(a.rawScore, b.rawScore);
    EXPECT_EQ(a.undoCount, 1);
    EXPECT_EQ(a.undoPenaltyTotal, b.undoPenaltyTotal);
    EXPECT_EQ(a.redoCount, 1);
    EXPECT_EQ(a.redoPenaltyTotal, b.redoPenaltyTotal);
    EXPECT_EQ(a.suggestCount, 1);
    EXPECT_EQ(a.suggestPenaltyTotal, b.suggestPenaltyTotal);
    EXPECT_EQ(DisplayedScore(a), DisplayedScore(b));
    // The game's tile count survives, so that the rest scores as before.
    EXPECT_EQ(opened.board.tileCount, 144);
    EXPECT_EQ(opened.board.tilesLeft, 118);

    // The rest of the game scores as it would have without saving.
    for (int k = 0; k < 30; ++k) {
        const bool played = PlayAPair(engine);
        ASSERT_EQ(PlayAPair(opened), played);
        ASSERT_EQ(opened.counters.rawScore, engine.counters.rawScore) << "after pair " << k;
        if (!played) {
            break;
        }
    }

    // Undo after opening takes back the last move made before saving.
    other.host.fileAnswers = {file};
    ASSERT_TRUE(opened.OpenSavedGame("Bob"));
    ASSERT_TRUE(opened.Undo());
    EXPECT_EQ(FormatBody(opened.board), beforeLast);
}

TEST_F(SavedGames, AHeldGameIsResumedOnceAndBookedOnlyThen) {
    StartTurtle();
    ASSERT_TRUE(PlayAPair(engine));
    const std::string board = FormatBody(engine.board);
    ASSERT_TRUE(engine.HoldGame());
    EXPECT_TRUE(std::filesystem::exists(engine.dataFolder + "Stat_e01.dat"));
    EXPECT_FALSE(engine.play.playing);
    engine.EndGame();
    EXPECT_TRUE(hooks.results.empty());  // a held game is not booked

    Other next(engine.dataFolder);
    ASSERT_TRUE(next.engine.ResumeHeldGame("Ann"));
    EXPECT_EQ(FormatBody(next.engine.board), board);
    EXPECT_TRUE(next.engine.play.playing);
    EXPECT_EQ(next.engine.counters.matchesMade, 1);
    EXPECT_FALSE(std::filesystem::exists(engine.dataFolder + "Stat_e01.dat"));

    Other after(engine.dataFolder);
    EXPECT_FALSE(after.engine.ResumeHeldGame("Ann"));
    EXPECT_FALSE(after.engine.play.playing);
    EXPECT_TRUE(after.host.messages.empty());
}

TEST_F(SavedGames, CloseRequestWithTheDefaultsHoldsTheGameSilently) {
    StartTurtle();
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.holdAndExitShown, 0);
    EXPECT_TRUE(std::filesystem::exists(engine.HeldGameFile()));
    EXPECT_TRUE(hooks.results.empty());
}

TEST_F(SavedGames, CloseRequestAsksWhatTheSettingsAsk) {
    // No game: nothing to hold.
    settings.WriteString("Preference", "ConfirmQuit", "Y");
    host.answers = {MessageAnswer::Cancel};
    engine.holdRequested = true;
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Refuse);
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Exit Jadewind 2007?"}));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(engine.holdRequested);  // a refused close forgets the request
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    settings.WriteString("Preference", "ConfirmQuit", "N");

    // Asked: the window decides.
    StartTurtle();
    settings.WriteString("Preference", "ConfirmSaveAndExit", "Y");
    host.holdAndExitAnswers = {HoldAndExitChoice::Cancel};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Refuse);
    EXPECT_TRUE(engine.play.playing);
    host.holdAndExitAnswers = {HoldAndExitChoice::ExitWithLoss};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    ASSERT_EQ(hooks.results.size(), 1u);
    EXPECT_FALSE(hooks.results[0].won);
    EXPECT_FALSE(std::filesystem::exists(engine.HeldGameFile()));

    StartTurtle();
    host.holdAndExitAnswers = {HoldAndExitChoice::HoldAndExit};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_TRUE(std::filesystem::exists(engine.HeldGameFile()));
    EXPECT_EQ(hooks.results.size(), 1u);
    EXPECT_EQ(host.holdAndExitShown, 3);
    std::filesystem::remove(engine.HeldGameFile());

    // "Hold and exit" shows the window whatever the settings say.
    StartTurtle();
    settings.WriteString("Preference", "ConfirmSaveAndExit", "N");
    settings.WriteInteger("Preference", "ConfirmSaveAndExitType", 0);
    engine.holdRequested = true;
    host.holdAndExitAnswers = {HoldAndExitChoice::HoldAndExit};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_EQ(host.holdAndExitShown, 4);
    EXPECT_TRUE(std::filesystem::exists(engine.HeldGameFile()));
    std::filesystem::remove(engine.HeldGameFile());

    // Exit type 0 leaves the game as a loss without asking.
    StartTurtle();
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_EQ(host.holdAndExitShown, 4);
    EXPECT_FALSE(std::filesystem::exists(engine.HeldGameFile()));
    EXPECT_EQ(hooks.results.size(), 2u);
}

TEST_F(SavedGames, CloseRequestDuringTheWinningAnimationWaits) {
    settings.WriteString("Preference", "ConfirmQuit", "Y");
    engine.play.winningAnimation = true;
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::WaitForAnimation);
    EXPECT_TRUE(engine.closePending);
    EXPECT_TRUE(host.messages.empty());
    // The close the engine makes afterwards asks as usual; Cancel clears it.
    engine.play.winningAnimation = false;
    host.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Refuse);
    EXPECT_FALSE(engine.closePending);
}

TEST_F(SavedGames, AHoldThatCannotBeWrittenNeverLosesTheGameUnasked) {
    StartTurtle();
    engine.dataFolder = folder / "missing/";
    host.holdAndExitAnswers = {HoldAndExitChoice::HoldAndExit};
    host.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::No};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Refuse);
    EXPECT_EQ(host.holdAndExitShown, 1);  // the silent hold failed: the player chooses
    // Both failed writes were reported, then the question: No stays.
    ASSERT_EQ(host.MessageTexts().size(), 3u);
    EXPECT_EQ(host.MessageTexts()[2], std::string(kHoldFailedQuestion));
    EXPECT_EQ(host.messages[2].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(engine.play.playing);
    EXPECT_TRUE(hooks.results.empty());

    // Yes exits, the game booked as lost.
    host.holdAndExitAnswers = {HoldAndExitChoice::HoldAndExit};
    host.answers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_EQ(hooks.results.size(), 1u);
    EXPECT_FALSE(engine.play.playing);
}

TEST_F(SavedGames, ExitWithLossAfterAFailedHold) {
    StartTurtle();
    engine.dataFolder = folder / "missing/";
    host.holdAndExitAnswers = {HoldAndExitChoice::ExitWithLoss};
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::Close);
    EXPECT_EQ(hooks.results.size(), 1u);
}

class DamagedGameFiles : public SavedGames {
  protected:
    void SetUp() override {
        SavedGames::SetUp();
        StartTurtle();
        for (int k = 0; k < 4; ++k) {
            ASSERT_TRUE(PlayAPair(engine));
        }
        Save(file);
        engine.EndGame();
        host.messages.clear();
    }
    bool Open() {
        host.fileAnswers = {file};
        return engine.OpenSavedGame("Ann");
    }
    const std::string file = folder / "game.mjg";
};

TEST_F(DamagedGameFiles, AHeaderWhoseNumbersDoNotParse) {
    Edit(file, [](std::vector<std::string>& lines) {
        std::string& header = lines[kHeaderLine];
        header.replace(264, 6, "12a4..");  // elapsed time
        header.replace(278, 4, "x144");    // tile count
        header.replace(288, 6, "??????");  // matches made
        header.replace(366, 12, "oops");   // raw score (and the line is shorter)
    });
    ASSERT_TRUE(Open());
    EXPECT_TRUE(engine.play.playing);
    EXPECT_EQ(engine.clock.Text(), "0:00:00");
    EXPECT_EQ(engine.counters.matchesMade, 0);
    EXPECT_EQ(engine.counters.rawScore, 0);
    EXPECT_EQ(engine.board.tilesLeft, 136);
    EXPECT_EQ(engine.board.tileCount, 144);  // counted from the board, removed tiles included
    EXPECT_TRUE(PlayAPair(engine));
}

TEST_F(DamagedGameFiles, AGameIdThatNoLongerExists) {
    Edit(file,
         [](std::vector<std::string>& lines) { lines[kHeaderLine].replace(283, 5, "10042"); });
    ASSERT_TRUE(Open());
    EXPECT_EQ(engine.gameId, 10042);
    EXPECT_EQ(engine.gameName, "");
    EXPECT_EQ(engine.board.tilesLeft, 136);
    EXPECT_TRUE(PlayAPair(engine));  // the board of the file plays on
    // A restart has no layout to deal from: refused cleanly.
    EXPECT_FALSE(engine.Restart(false));
    EXPECT_EQ(host.MessageTexts().back(),
              "File not found: " + engine.dataFolder + "cl/cl_10042.dat");
    EXPECT_FALSE(engine.play.playing);
}

TEST_F(DamagedGameFiles, TruncatedFiles) {
    const std::vector<std::string> lines = *ReadLines(file, kMaxLayoutFileBytes);
    // Ten lines: no board, no game.
    ASSERT_TRUE(
        WriteLinesAtomically(file, std::vector<std::string>(lines.begin(), lines.begin() + 10)));
    EXPECT_FALSE(Open());
    EXPECT_FALSE(engine.play.playing);

    // Cut in the middle of the body: what was read is played.
    std::vector<std::string> plain = lines;
    UnscrambleLines(plain);
    plain[kBodyLine].resize(plain[kBodyLine].size() / 2 + 5);
    plain.resize(kBodyLine + 1);
    ScrambleLines(plain);
    ASSERT_TRUE(WriteLinesAtomically(file, plain));
    host.messages.clear();
    ASSERT_TRUE(Open());
    EXPECT_EQ(host.MessageTexts().front(), "Error in reading the file: ");
    EXPECT_TRUE(engine.play.playing);
    EXPECT_GT(engine.board.tilesLeft, 0);
    EXPECT_LT(engine.board.tilesLeft, 136);
    EXPECT_TRUE(engine.undoStack.Empty());
}

TEST_F(DamagedGameFiles, UndoRecordsPointingOutsideTheBoardOrNotNumeric) {
    Edit(file, [](std::vector<std::string>& lines) {
        const auto start = std::find(lines.begin(), lines.end(), "[Un_St]");
        ASSERT_NE(start, lines.end());
        // The last record before "[Un_En]": its pieces now lie off the board.
        std::string& last = *(std::find(start, lines.end(), "[Un_En]") - 1);
        last.replace(10, 8, "07250250");
        last.replace(22, 8, "01-05001");
        // One more on top, not numeric.
        lines.insert(std::find(start, lines.end(), "[Un_En]"),
                     "0100000000" + std::string(48, 'z') + std::string(24, '0'));
    });
    ASSERT_TRUE(Open());
    const std::string board = FormatBody(engine.board);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>(4, "Undo read error 1."));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>(6, "Undo read error 1."));
    EXPECT_EQ(FormatBody(engine.board), board);
    EXPECT_EQ(engine.board.tilesLeft, 136);
    ASSERT_TRUE(engine.Undo());  // the records below are sound
    EXPECT_EQ(engine.board.tilesLeft, 138);
}

}  // namespace
}  // namespace jw
