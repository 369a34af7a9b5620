// The hint, the dead end and the shuffle of TMahJong_interface.
#include "engine/Deal.h"
#include "engine/Jong_class_interface.h"
#include "engine/LayoutFile.h"
#include "engine/Scoring.h"

namespace jw {

void TMahJong_interface::SuggestMove() {
    // Face-down games offer no hints (the command is disabled there).
    if (!play.playing || play.busy || rules.faceDown != 0) {
        return;
    }
    if (finder.hintCursor >= finder.Possible()) {
        finder.hintCursor = 0;
    }
    CountMatches(false);
    const std::optional<MatchCandidate> pick = finder.ChooseForHint(selection);
    if (pick) {
        suggestedPairs += pick->SuggestedText();
        const SelectionSlots playerSelection = selection;
        selection.Clear();
        for (int k = 0; k < pick->size; ++k) {
            const BoardPos pos = board.FindAnchor(pick->codes[static_cast<std::size_t>(k)]);
            selection.Add(pos, pick->codes[static_cast<std::size_t>(k)]);
        }
        host.RefreshBoard();
        // The pair stays on show, then the player's own selection comes back.
        HoldBusy(800, [this, playerSelection] {
            selection = playerSelection;
            host.RefreshBoard();
            ++finder.hintCursor;
        });
    }
    ++counters.suggestCount;
    counters.suggestPenaltyTotal +=
        SuggestPenalty(scoreType, board.tilesLeft, rules.tilesToMatch, host);
    if (!pick) {
        host.Inform(
            std::string(selection.Count() == 1 ? kNoMatchesForTileMessage : kNoMatchesMessage));
    }
    host.RefreshStatusBar();
}

void TMahJong_interface::NoMoreMatches() {
    for (;;) {
        switch (host.ShowNoMoreMatches()) {
            case NoMoreMatchesChoice::Shuffle:
                if (Hooks().ConfirmAdvice(host, std::string(kShuffleAdvice), kShuffleAdviceKey)) {
                    Shuffle();
                    return;
                }
                break;  // the window comes back
            case NoMoreMatchesChoice::New:
                StartGame(ReadMode::NewGame, gameId, std::string(), playerName);
                return;
            case NoMoreMatchesChoice::Open:
                Hooks().OpenGameDialog();
                return;
            case NoMoreMatchesChoice::Restart:
                Hooks().RestartGame();
                return;
            case NoMoreMatchesChoice::Undo:
                Hooks().UndoMove();
                return;
            case NoMoreMatchesChoice::EndGame:
                EndGame();
                ClearBoard();
                host.RefreshBoard();
                host.RefreshStatusBar();
                return;
            case NoMoreMatchesChoice::Close:
                return;
        }
    }
}

void TMahJong_interface::Shuffle() {
    if (!play.playing) {
        return;
    }
    ++counters.shuffleCount;
    const std::int64_t penalty = ShufflePenalty(DisplayedScore(counters));
    counters.shufflePenaltyTotal += penalty;
    undoStack.Push(
        ShuffleUndoRecord(FormatBody(board), counters.rawScore, counters.rawScore - penalty));
    std::vector<int> ids;
    for (const BoardPos& pos : board.OccupiedCells()) {
        const CellCode code = board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code)) {
            ids.push_back(code - kAnchorBase);
        }
    }
    const DealResult deal =
        PlayableDeal(board, DealRules::Of(rules), gameNumber, 1, kTileLevels, std::move(ids));
    ShowReports(deal.reports);
    selection.Clear();
    CountMatches(true);
    host.RefreshBoard();
    host.RefreshStatusBar();
    EndCheck();
}

}  // namespace jw
