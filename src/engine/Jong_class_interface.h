// TMahJong_interface: the game logic of the engine object and its hooks into
// the main window. The main window owns one for the whole run; the previews
// own one each, which never plays.
//
// Picks, the booking of moves, the end check and the end of a game live in
// Jong_class_interface.cpp; starting games in Jong_interface_start.cpp; the
// hint, the dead end and the shuffle in Jong_interface_help.cpp; undo, redo,
// restart and the bookmark in UndoRedo.cpp; saved and held games and the
// close request in SavedGames.cpp.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/Jong_class_graphic.h"
#include "engine/LayoutFile.h"
#include "engine/LayoutReader.h"
#include "engine/SavedGames.h"
#include "engine/SoundEvents.h"
#include "engine/UndoRedo.h"
#include "platform/Settings.h"

namespace jw {

// Where a random game is drawn from.
enum class RandomGameSource { Favorites = 1, All = 2 };

inline constexpr std::string_view kQuitGameQuestion = "Quit this game?";
inline constexpr std::string_view kNoMatchesAtStartQuestion =
    "There are no matches available. Start a new game?";
inline constexpr std::string_view kNoFavoritesQuestion =
    "You haven't selected any favorite game.\rDo you want to select now your favorite games?";
inline constexpr std::string_view kNoMatchesMessage = "No Matches available.";
inline constexpr std::string_view kNoMatchesForTileMessage = "No Matches for the selected Tile.";
inline constexpr std::string_view kShuffleAdviceKey = setting::kMsgInfoShuffle;
inline constexpr std::string_view kShuffleAdvice =
    "If one or more \"Shuffles\" are done, the game can be finished and the Score will be "
    "updated, but the game will be considered as \"Lost\" for Statistics.";

class TMahJong_interface : public TMahJong_graphic {
  public:
    using TMahJong_graphic::TMahJong_graphic;

    // --- Starting games ---

    // Starts a game in read mode 1 (new deal), 2 (restart), 3 (typed game
    // number, already set in gameNumber), 4 (saved game) or 5 (held game).
    // Ends the running game first, after the quit question. Returns whether
    // a game was started.
    bool StartGame(ReadMode mode, GameId id, const std::string& fileName,
                   const std::string& player);
    // The "New game" command: a new deal of the current game; with a
    // negative GameId the open-game dialog instead.
    void NewGameCommand();
    // Starts game `id` with the number the player typed: "Numbers only are
    // required." for anything but digits, a value of 0 is ignored.
    bool StartNumberedGame(GameId id, std::string_view typed);
    // Starts a random game of all games or of the favourites.
    bool RandomGame(RandomGameSource source);

    // --- Play ---

    // The pick of a free tile under the pointer; returns whether a move
    // (a match or a Memory-Up miss) was completed. A miss, and a match of
    // three or four tiles, are booked after a pause, with the board busy.
    bool PickTile(int level, int column, int row, CellCode anchorCode);
    // Runs the match finder; with `recountTiles` tiles left becomes the
    // number of live tiles.
    void CountMatches(bool recountTiles);
    // After every completed move and shuffle: a cleared board ends the game,
    // a board without matches opens the "No more matches" window.
    void EndCheck();
    // The "Suggest a move" command.
    void SuggestMove();
    // Re-deals the tiles left on the board, at the price of the shuffle
    // penalty and of the game counting as lost.
    void Shuffle();
    // The "No more matches" window and what its buttons do.
    void NoMoreMatches();

    // --- Ending games ---

    // May the current game be left? Asks `message` (or "Quit this game?")
    // when "ConfirmQuitGame" is on and a game that is not won is in progress.
    bool ConfirmQuit(std::string_view message = {});
    // Ends the game in progress: outcome, bonuses, records, and what follows
    // a win (the winning animation, which may still run when this returns,
    // then the game-won window). Returns whether the game counts as won.
    bool EndGame();
    // The "Quit game" command: quit question, end of the game, empty board.
    void QuitGame();

    // --- Undo, redo, restart and the bookmark (UndoRedo.cpp) ---

    // Takes back the last move or shuffle, at the undo penalty. Refused with
    // a beep outside a game, in face-down games, with nothing to undo or
    // when "Undo_Enabled" forbids it. Returns whether a record was undone.
    bool Undo();
    // Makes the last undone move or shuffle again, at the redo penalty; a
    // shuffle is dealt again as it was. Refused like Undo.
    bool Redo();
    // Deals the same game number again; with `ask`, only during a game and
    // after the question when the game is not won. Returns whether it started.
    bool Restart(bool ask);
    // Writes the game as it stands to the bookmark file, after the question.
    bool InsertBookmark();
    // Returns to the bookmark of this game, after the question: board, score
    // and moves as they were, the counters of help and the clock as they are.
    bool GoToBookmark();
    // Which of the move commands may be used now.
    MoveCommandStates MoveCommands() const;

    // --- Saved and held games, the close request (SavedGames.cpp) ---

    // The "Save..." command: the save dialog, the replace question, the file.
    bool SaveGame();
    // Opens a saved game chosen in the open dialog, for `player`.
    bool OpenSavedGame(const std::string& player);
    // Writes the game in progress as the held game and leaves it unbooked.
    bool HoldGame();
    // Resumes the held game for `player`, when there is one; it is resumed
    // once only. Returns whether a game was resumed.
    bool ResumeHeldGame(const std::string& player);
    // The held game's file in the data folder.
    std::string HeldGameFile() const;
    // The close request of the main window: the exit question and what
    // becomes of a game in progress (held, or ended as a loss).
    CloseDecision CloseRequest();

    // The values of the Memory-Up totals window for the game as it stands.
    MemoryUpTotals MemoryUpTotalsValues(bool won) const;
    // The raw score the current face-down game needs to be won.
    std::int64_t MemoryUpNeeded() const;

  private:
    // What follows the end of game `serial` (unless another game started
    // meanwhile): the game-won window or the open-game dialog.
    void AfterEnd(bool won, int serial);
    void CompleteMove();
    void CompleteMiss(BoardPos missed);
    void RemoveSelectedTiles();
    // Runs `then` once `milliseconds` have passed, with the board busy
    // meanwhile: picks and the move commands are ignored. A game started or
    // ended meanwhile (CancelWaits) or the engine gone, and it never runs.
    void HoldBusy(int milliseconds, std::function<void()> then);
    // Forgets what HoldBusy queued and frees the board.
    void CancelWaits();
    void BookMove(std::int64_t points);
    // Plays the event's sound when its switches are on.
    void PlayEventSound(SoundEvent event);
    void ShowReports(const std::vector<std::string>& reports);
    int EffectiveTilesToMatch() const;
    UndoLimit CurrentUndoLimit() const;
    bool WriteGameFile(LayoutFileKind kind, const std::string& fileName);

    // What HoldBusy queued runs only while this very token lives.
    std::shared_ptr<int> waitToken = std::make_shared<int>(0);
};

}  // namespace jw
