// TMahJong_Base: all the data of one engine object.
//
// The playing engine, and the private engines of the previews, are each one
// TMahJong_interface (derived from TMahJong_graphic, derived from this class).
// The data is composed of small value types that carry their own rules (the
// board, the layout rules, the selection slots, the catalog); this class ties
// them to the running game and reports failures through the Host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/EngineHooks.h"
#include "engine/Faces.h"
#include "engine/GameCatalog.h"
#include "engine/GameClock.h"
#include "engine/LayoutRules.h"
#include "engine/LayoutSeams.h"
#include "engine/MatchFinder.h"
#include "engine/PlayState.h"
#include "engine/ScoreType.h"
#include "engine/SelectionSlots.h"
#include "engine/UndoRecord.h"

namespace jw {

class Host;
class ResourceStore;
class SettingsStore;

// The counters of a game that files carry along with the board.
struct GameCounters {
    int matchesMade = 0;
    int undoCount = 0;
    std::int64_t undoPenaltyTotal = 0;
    int redoCount = 0;
    std::int64_t redoPenaltyTotal = 0;
    int suggestCount = 0;
    std::int64_t suggestPenaltyTotal = 0;
    int shuffleCount = 0;
    std::int64_t shufflePenaltyTotal = 0;
    std::int64_t rawScore = 0;
};

// What the engine is doing, which decides how removed tiles are marked and
// which operations are allowed.
enum class EngineMode { Idle, Playing, Editing, Preview };

class TMahJong_Base {
public:
    explicit TMahJong_Base(Host& host);

    TMahJong_Base(const TMahJong_Base&) = delete;
    TMahJong_Base& operator=(const TMahJong_Base&) = delete;

    Host& host;
    // Where built-in layouts and artwork come from, and the player's settings;
    // both may be absent (a preview without settings, a test).
    const ResourceStore* resources = nullptr;
    SettingsStore* settings = nullptr;
    std::string dataFolder;  // ends in '/'

    Board board;
    LayoutRules rules;
    SelectionSlots selection;
    GameCatalog catalog;

    EngineMode mode = EngineMode::Idle;
    GameId gameId = 0;
    std::string gameNumber;  // 13 decimal digits
    std::string gameName;
    std::string scoreType{kScoreTypeMahJong};
    std::string playerName;
    GameCounters counters;
    UndoStack undoStack;  // records of the moves and shuffles made, newest last
    UndoStack redoStack;  // records taken back by undo, newest last
    std::string suggestedPairs;  // the suggested-pairs record that game files carry
    int elapsedSeconds = 0;      // playing time of the game, as game files carry it
    LayoutSeams layoutSeams;     // filled in by the board view and the tile-set loader
    MatchFinder finder;          // the matches of the free tiles and the hint cursor
    GameClock clock{host};       // the playing time
    PlayState play;              // the game in progress and how it ended
    EngineHooks* hooks = nullptr;  // records, windows and animation; none in tests and previews
    bool madeInEditor = false;   // the layout was made or opened in the layout editor
    bool layoutChanged = false;  // the editor has unsaved changes
    bool holdRequested = false;  // "Hold and exit" started the close in progress
    bool closePending = false;   // a close waits for the winning animation to end
    std::string saveFileName;    // where the last save went; the next one proposes it

    FaceRules CurrentFaceRules() const {
        return {rules.faceDown != 0, rules.faceless != 0};
    }

    // The free-tile rule under the layout's remove rule.
    bool IsTileFree(int level, int column, int row, bool coverOnly) const {
        return board.IsTileFree(level, column, row, coverOnly, rules.removeRule);
    }
    FaceIndex FaceOfTile(TileId id) const { return FaceOf(id, CurrentFaceRules()); }
    MatchGroup MatchGroupOfTile(int tileIdOrAnchor) const {
        return MatchGroupOf(tileIdOrAnchor, CurrentFaceRules());
    }

    // Places a tile; without an id the next one from the id counter is used.
    void PlaceTile(int level, int column, int row, TileId id = 0);

    // Removes the tile anchored at the position (only when playing or
    // editing; otherwise "Error FNDTA1" is reported and nothing changes).
    bool RemoveTileAt(int level, int column, int row, bool onlyIfFree);
    // Removes the tile with the given anchor code (only when playing or
    // editing; otherwise "Error DTNM01").
    bool RemoveTileByCode(CellCode anchorCode);

    // The editor's placement test, including the limit of 432 tiles, which is
    // reported as "Cannot add another Tile. Max number of Tiles exist.".
    bool EditorMayPlace(int level, int column, int row, int visibleColumns, int visibleRows);

    // Empties the board, its counts and the selection slots.
    void ClearBoard();

    // The hooks set by the program, or ones that do nothing.
    EngineHooks& Hooks() const;

private:
    Removal CurrentRemoval() const {
        return mode == EngineMode::Editing ? Removal::Erase : Removal::MarkRemoved;
    }
};

}  // namespace jw
