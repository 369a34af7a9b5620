#include "engine/LayoutWriter.h"

#include "engine/CustomLayouts.h"
#include "engine/Jong_class.h"
#include "platform/Host.h"
#include "platform/SaveFile.h"

namespace jw {

LayoutFileContent LayoutContentOf(const TMahJong_Base& engine, LayoutFileKind kind) {
    LayoutFileContent content;
    LayoutHeader& h = content.header;
    h.kind = static_cast<int>(kind);
    if (kind == LayoutFileKind::CustomLayout) {
        h.tileCount = engine.board.CountAnchors();
        h.madeInEditor = true;
        h.gameId = -1;
    } else {
        const GameCounters& c = engine.counters;
        h.gameNumber = engine.gameNumber;
        h.playerName = engine.playerName;
        h.elapsedSeconds = engine.elapsedSeconds;
        h.scoreType = engine.scoreType;
        h.tileCount = engine.board.tileCount;
        h.madeInEditor = engine.madeInEditor;
        h.gameId = engine.gameId;
        h.matchesMade = c.matchesMade;
        h.undoCount = c.undoCount;
        h.undoPenaltyTotal = c.undoPenaltyTotal;
        h.redoCount = c.redoCount;
        h.redoPenaltyTotal = c.redoPenaltyTotal;
        h.suggestCount = c.suggestCount;
        h.suggestPenaltyTotal = c.suggestPenaltyTotal;
        h.shuffleCount = c.shuffleCount;
        h.shufflePenaltyTotal = c.shufflePenaltyTotal;
        h.rawScore = c.rawScore;
        content.suggestedPairs = engine.suggestedPairs;
        content.undoLines = engine.undoStack.Lines();
        content.redoLines = engine.redoStack.Lines();
    }
    content.rules = engine.rules;
    if (engine.layoutSeams.boardOrigin) {
        const auto [x, y] = engine.layoutSeams.boardOrigin();
        content.originX = x;
        content.originY = y;
    }
    content.body = FormatBody(engine.board);
    return content;
}

bool WriteLayoutFile(TMahJong_Base& engine, LayoutFileKind kind, const std::string& fileName) {
    switch (kind) {
        case LayoutFileKind::CustomLayout:
        case LayoutFileKind::SavedGame:
        case LayoutFileKind::HeldGame:
        case LayoutFileKind::Bookmark:
            break;
        default:
            return false;
    }
    std::string path = fileName;
    if (kind == LayoutFileKind::CustomLayout && path.empty()) {
        if (!IsValidLayoutName(engine.gameName)) {
            engine.host.Inform(InvalidLayoutNameMessage(engine.gameName));
            return false;
        }
        const CustomLayouts registry(engine.dataFolder);
        const GameId id = registry.RegisterLayout(engine.gameName);
        if (id < kFirstCustomGameId) {
            engine.host.Inform("Error writing the file: " + registry.Folder() + "cl.dat");
            return false;
        }
        engine.gameId = id;
        path = registry.LayoutFileName(id);
    }
    if (!WriteFileAtomically(path, LayoutFileText(LayoutContentOf(engine, kind)))) {
        engine.host.Inform("Error writing the file: " + path);
        return false;
    }
    engine.layoutChanged = false;
    return true;
}

}  // namespace jw
