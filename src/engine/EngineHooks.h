// What the engine asks of the rest of the program when a game starts, ends
// or reaches a dead end: the records, the background, the windows of the
// game chooser and the animation. Every hook does nothing until the part of
// the program behind it sets its own.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/GameResult.h"
#include "platform/Host.h"

namespace jw {

class EngineHooks {
  public:
    virtual ~EngineHooks() = default;

    // Books a finished game in the log, progression, totals and hi-scores.
    virtual void RecordGame(const GameResult& result) { (void)result; }
    // Notes a started game in its number history and the recent games.
    virtual void RecordStartedGame(GameId id, const std::string& gameNumber) {
        (void)id;
        (void)gameNumber;
    }
    // Chooses a random background (setting "Random_Background").
    virtual void RandomBackground() {}
    // Gives back the player's own tile size after a change of game.
    virtual void RestoreTileSize() {}
    // Refreshes the game information and tile legend windows.
    virtual void RefreshInformation() {}
    // Celebrates a won game: after 200 ms the input filter goes in,
    // `playWonSound` plays the "Won" sound (when the settings allow it) and
    // the winning animation runs; `done` follows when it has ended, with
    // whether the main window was asked to close meanwhile (then nothing else
    // follows the win). The game window does this on its timer and returns
    // at once; without a window there is nothing to show, and the sound and
    // `done` follow at once.
    virtual void RunWinningAnimation(std::function<void()> playWonSound,
                                     std::function<void(bool closeRequested)> done) {
        playWonSound();
        done(false);
    }
    // The "Game won" window.
    virtual void ShowGameWon() {}
    // The open-game dialog.
    virtual void OpenGameDialog() {}
    // The organiser of the favourite games.
    virtual void OpenFavoritesOrganiser() {}
    // Undo of the last move and restart of the game, offered by the
    // "No more matches" window.
    virtual void UndoMove() {}
    virtual void RestartGame() {}
    // An advice question the player may silence for good under `key`;
    // returns whether it was answered with OK (a silenced one counts as OK).
    virtual bool ConfirmAdvice(Host& host, const std::string& text, std::string_view key) {
        (void)key;
        return host.ConfirmAdviceWindow(text, true).ok;
    }
};

}  // namespace jw
