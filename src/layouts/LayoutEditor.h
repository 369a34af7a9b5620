// The layout editor's logic: the player builds a layout tile by tile on the
// engine's board, moves or centres it, sets its rules and saves it as one
// of the player's own layouts. The window shows it; every question and
// message goes through the host.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/CellCode.h"
#include "engine/GameCatalog.h"

namespace jw {

class BoardGrid;
class TMahJong_Base;
struct LayoutRules;

// The tiles a layout still needs: `unit` is the group its tile count must
// be a multiple of; `mustAdd` tiles complete it, or `orRemove` fewer do.
struct EditorCounts {
    int unit = 0;
    int mustAdd = 0;
    int orRemove = 0;
};
EditorCounts CountEditorTiles(int tileCount, const LayoutRules& rules);

// Where a tile dropped with its picture's face at `ghost` (left, top, width,
// height in window pixels) may be anchored on `level`: the cell under the
// ghost's corner and its eight neighbours, best overlap first (then by
// descending column and row); cells in column or row 0 are left out.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};
std::vector<BoardPos> CandidatePositions(const BoardGrid& grid, int level, PixelRect ghost);

class LayoutEditor {
  public:
    explicit LayoutEditor(TMahJong_Base& engine);

    // Enters the editor: with a game's layout (id >= 0, or a layout file),
    // or with an empty board. Returns whether a given layout was read.
    bool Enter(GameId id, const std::string& fileName = {});
    // Leaves the editing state (the caller restores the window).
    void Leave();

    bool Editing() const { return editing; }
    bool Clean() const;
    const std::string& Name() const { return name; }
    void SetName(std::string layoutName) { name = std::move(layoutName); }
    EditorCounts Counts() const;
    int Tiles() const;

    // Adds a tile at the best allowed candidate, level 5 down to 1; the
    // position placed, or nothing.
    std::optional<BoardPos> Add(const BoardGrid& grid, PixelRect ghost);
    // Removes the uncovered tile at the best candidate, level 5 down to 1.
    std::optional<BoardPos> Remove(const BoardGrid& grid, PixelRect ghost);

    // Shifts every cell of the layout; refuses (with its message) when a
    // cell would leave the visible board.
    bool Move(int columns, int rows, int visibleColumns, int visibleRows);
    // Moves the layout into the middle of the visible board.
    bool Centre(int visibleColumns, int visibleRows);
    // Asks, then empties the board.
    bool ClearAll();
    // The options dialog's OK: face up or down, and the remove rule.
    void SetOptions(bool faceDown, int removeRule);

    // Saves the layout: the completeness checks with their messages, the
    // name (asked through `askName` when there is none or with "save as";
    // nothing when the dialog was cancelled), then the file. Returns
    // whether the layout was written.
    bool Save(bool saveAs,
              const std::function<std::optional<std::string>(const std::string&)>& askName);
    // Before "Play" and "Exit layout": when there are unsaved changes, asks
    // whether to save them. Returns whether the editor may be left.
    bool MayLeave(const std::function<std::optional<std::string>(const std::string&)>& askName);

  private:
    bool LevelsComplete() const;

    TMahJong_Base& engine;
    bool editing = false;
    std::string name;
};

}  // namespace jw
