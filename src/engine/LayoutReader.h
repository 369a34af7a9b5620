// Reading a layout file into the engine: the board, the rules and, for the
// game files, the state of the game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"

namespace jw {

class TMahJong_Base;

// Why a layout is read; decides which parts of the file are taken over.
enum class ReadMode {
    NewGame = 1,       // new deal of the chosen game
    Restart = 2,       // restart of the current game
    GameNumber = 3,    // game with a number typed by the player
    OpenSaved = 4,     // a saved game file
    ResumeHeld = 5,    // the game held at exit; the file is deleted once read
    Preview = 6,       // previews and the layout editor
    GoToBookmark = 8,  // back to the bookmark
};

// Whether the mode takes a game's state (player, number, counters, undo and
// redo lists) from the file.
constexpr bool ReadsGameState(ReadMode mode) {
    return mode == ReadMode::OpenSaved || mode == ReadMode::ResumeHeld ||
           mode == ReadMode::GoToBookmark;
}

// Reads the layout of `id` (a built-in game from the resource library, a
// custom layout from the data folder) or, with a negative id in the modes
// that take a game's state, the file `fileName`. Reports what goes wrong
// through the host. Returns true when a board was read and fits the screen.
bool ReadLayout(TMahJong_Base& engine, ReadMode mode, const std::string& fileName, GameId id);

// Reads a layout from the text of a layout file (scrambled, as stored);
// ReadLayout goes on here once it has found the source.
bool ReadLayoutText(TMahJong_Base& engine, ReadMode mode, const std::string& text, GameId id);

}  // namespace jw
