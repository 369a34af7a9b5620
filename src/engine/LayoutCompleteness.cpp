#include "engine/LayoutCompleteness.h"

#include "engine/Jong_class.h"
#include "platform/Host.h"

namespace jw {

LayoutCompleteness AssessLayout(const LayoutRules& rules, int tiles,
                                const std::array<int, kTileLevels + 1>& perLevel) {
    LayoutCompleteness result;
    const int group = rules.GroupSize();
    if (group <= 0) {
        return result;
    }
    if (tiles <= 0) {
        result.toAdd = group;
    } else if (tiles % group != 0) {
        result.toAdd = group - tiles % group;
    }
    if (result.toAdd > 0 && tiles >= group) {
        result.toDelete = group - result.toAdd;
    }
    if (rules.faceDown != 0) {
        for (int level = 1; level <= kTileLevels; ++level) {
            if (perLevel[static_cast<std::size_t>(level)] % group != 0) {
                result.failingLevel = level;
                break;
            }
        }
    }
    return result;
}

std::string IncompleteLayoutMessage(const LayoutCompleteness& result) {
    return "The layout is not completed. To finish the layout:\rAdd " +
           std::to_string(result.toAdd) + " " + "tiles" + " " + "or delete" + " " +
           std::to_string(result.toDelete) + " " + "tiles" + ".";
}

std::string UnevenLevelMessage(int level) {
    return "Each level must contain a pair number of tiles, for ex. 2,4,6,8,...\r\n"
           "Add or delete one tile from level n.: " +
           std::to_string(level);
}

bool CheckLayoutComplete(TMahJong_Base& engine) {
    engine.board.RecountLevels();
    const LayoutCompleteness result =
        AssessLayout(engine.rules, engine.board.CountAnchors(), engine.board.perLevel);
    if (result.toAdd != 0 || result.toDelete != 0) {
        engine.host.Inform(IncompleteLayoutMessage(result));
        return false;
    }
    if (result.failingLevel != 0) {
        engine.host.Inform(UnevenLevelMessage(result.failingLevel));
        return false;
    }
    return true;
}

}  // namespace jw
