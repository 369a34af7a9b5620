// Boards built by code for the checks and timings of the deal and the finder:
// the 144-tile turtle of the "Standard" game and larger boards made of it.
#pragma once

#include <vector>

#include "engine/Board.h"
#include "engine/LayoutRules.h"

namespace jw::literal {

// Places the 144 tiles of the turtle with ids firstId.. firstId + 143, its
// left edge `columnOffset` cells to the right of column 3. Raises the tile
// count and tiles left by 144.
void PlaceTurtle(Board& board, int firstId = 1, int columnOffset = 0);

// A cleared board holding `turtles` turtles (1 to 3) side by side, with ids
// 1 .. 144 x turtles, counts set as the layout reader sets them.
void BuildTurtles(Board& board, int turtles);

// The anchors of one turtle, in the board's scan order: the tiles of a
// layout to write as a test's built-in game.
std::vector<BoardPos> TurtleAnchors();

}  // namespace jw::literal
