#include "engine/Jong_class.h"

#include "platform/Host.h"

namespace jw {

TMahJong_Base::TMahJong_Base(Host& hostIn) : host(hostIn) {}

void TMahJong_Base::PlaceTile(int level, int column, int row, TileId id) {
    board.PlaceTile(level, column, row, id > 0 ? id : board.idCounter);
}

bool TMahJong_Base::RemoveTileAt(int level, int column, int row, bool onlyIfFree) {
    if (mode != EngineMode::Playing && mode != EngineMode::Editing) {
        host.Inform("Error FNDTA1");
        return false;
    }
    return board.RemoveTile(level, column, row, onlyIfFree, rules.removeRule, CurrentRemoval());
}

bool TMahJong_Base::RemoveTileByCode(CellCode anchorCode) {
    if (mode != EngineMode::Playing && mode != EngineMode::Editing) {
        host.Inform("Error DTNM01");
        return false;
    }
    return board.RemoveTileByCode(anchorCode, CurrentRemoval());
}

bool TMahJong_Base::EditorMayPlace(int level, int column, int row, int visibleColumns,
                                   int visibleRows) {
    if (board.CountAnchors() >= kMaxTiles) {
        host.Inform("Cannot add another Tile. Max number of Tiles exist.");
        return false;
    }
    return board.CanPlaceInEditor(level, column, row, visibleColumns, visibleRows);
}

EngineHooks& TMahJong_Base::Hooks() const {
    static EngineHooks none;
    return hooks != nullptr ? *hooks : none;
}

void TMahJong_Base::ClearBoard() {
    board.Clear();
    selection.Clear();
}

}  // namespace jw
