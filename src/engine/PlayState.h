// The state of the game in play beside the board and the score: whether a
// game runs, how it ended, how it was dealt.
#pragma once

#include <string>
#include <vector>

#include "engine/CellCode.h"

namespace jw {

struct PlayState {
    bool playing = false;  // a game is in progress
    bool won = false;      // the last tile went; cleared when the game does not count as won
    bool ended = false;    // the game has been ended
    int counted = -1;      // -1 at game start, 1 after the first completed move
    bool busy = false;     // a hint, a miss or a group is on show; presses are ignored
    bool winningAnimation = false;  // the winning animation runs
    bool undoDone = false;          // an undo since the last move
    bool redoDone = false;          // a redo since the last move
    bool dealtByLevel = false;      // a face-down game dealt level by level
    int levelOneTiles = 0;          // tiles of level 1 when the game was dealt
    int gameSerial = 0;             // counts the games started in this run
    bool startedBefore = false;     // a game was started since the program started
    int randomGameType = 2;         // 1 favourites, 2 all games: the last random choice
    std::string bookmarkFile;       // the game's bookmark, or empty
    std::vector<BoardPos> faceUp;   // face-down tiles shown with their face
};

}  // namespace jw
