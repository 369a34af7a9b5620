#include "engine/Jong_class_interface.h"

#include <algorithm>

#include "engine/Scoring.h"
#include "engine/SoundEvents.h"
#include "platform/Settings.h"

namespace jw {

int TMahJong_interface::EffectiveTilesToMatch() const {
    return std::clamp(rules.tilesToMatch, 2, kSelectionSlots);
}

void TMahJong_interface::PlayEventSound(SoundEvent event) {
    PlaySoundEvent(host, settings, event);
}

void TMahJong_interface::ShowReports(const std::vector<std::string>& reports) {
    for (const std::string& report : reports) {
        host.Inform(report);
    }
}

bool TMahJong_interface::PickTile(int level, int column, int row, CellCode anchorCode) {
    if (!play.playing || play.busy || !IsAnchor(anchorCode)) {
        return false;
    }
    const BoardPos pos{level, column, row};
    const int slot = selection.IndexOf(pos);
    const bool faceDown = rules.faceDown != 0;
    if (slot >= 0) {
        if (!faceDown) {
            selection.RemoveAt(slot);
            host.RefreshBoard();
        }
        return false;
    }
    const MatchGroup group = MatchGroupOfTile(anchorCode);
    bool matches = true;
    for (int k = 0; k < selection.Count(); ++k) {
        matches = matches && MatchGroupOfTile(selection.Code(k)) == group;
    }
    const int needed = EffectiveTilesToMatch();
    if (!matches) {
        if (faceDown && needed == 2 && selection.Count() >= 1) {
            CompleteMiss(pos);
            return true;
        }
        return false;
    }
    selection.Add(pos, anchorCode);
    if (faceDown) {
        play.faceUp.push_back(pos);
    }
    host.RefreshBoard();
    if (selection.Count() >= needed) {
        CompleteMove();
        return true;
    }
    return false;
}

void TMahJong_interface::CompleteMove() {
    PlayEventSound(SoundEvent::Pairing);
    if (EffectiveTilesToMatch() != 2) {
        // The group stays on show a moment with its sound before it goes.
        HoldBusy(100, [this] {
            RemoveSelectedTiles();
            BookMove(kGroupMatchPoints);
        });
        return;
    }
    PairScoring scoring;
    scoring.faceDown = rules.faceDown != 0;
    scoring.scoreType = scoreType;
    scoring.tileValue =
        TileValue(MatchGroupOfTile(selection.Code(0)), scoring.faceDown, scoreType, host);
    scoring.tileCount = board.tileCount;
    scoring.tilesLeft = board.tilesLeft;
    scoring.suggested = WasSuggested(suggestedPairs, selection.Code(0), selection.Code(1));
    const std::int64_t points = PairPoints(scoring);
    RemoveSelectedTiles();
    BookMove(points);
}

void TMahJong_interface::RemoveSelectedTiles() {
    for (int k = 0; k < selection.Count(); ++k) {
        const BoardPos& pos = selection.Pos(k);
        RemoveTileAt(pos.level, pos.column, pos.row, false);
    }
}

void TMahJong_interface::CompleteMiss(BoardPos missed) {
    play.faceUp.push_back(missed);
    host.RefreshBoard();
    // Both faces stay up long enough to be remembered, then turn down.
    HoldBusy(400, [this] {
        play.faceUp.clear();
        host.RefreshBoard();
        // The record holds the first tile only; the slots empty with the booking.
        HoldBusy(100, [this] { BookMove(kMemoryMissPoints); });
    });
}

void TMahJong_interface::HoldBusy(int milliseconds, std::function<void()> then) {
    play.busy = true;
    host.After(milliseconds, [this, alive = std::weak_ptr<int>(waitToken), then = std::move(then)] {
        if (alive.expired()) {
            return;  // cancelled, or the engine is gone
        }
        play.busy = false;
        then();
    });
}

void TMahJong_interface::CancelWaits() {
    waitToken = std::make_shared<int>(0);
    play.busy = false;
}

void TMahJong_interface::BookMove(std::int64_t points) {
    std::array<std::string, 4> descriptors;
    for (int k = 0; k < kSelectionSlots; ++k) {
        descriptors[static_cast<std::size_t>(k)] = selection.Descriptor(k);
    }
    const std::int64_t before = counters.rawScore;
    undoStack.Push(MatchUndoRecord(descriptors, before, before + points));
    play.undoDone = false;
    play.redoDone = false;
    counters.rawScore += points;
    selection.Clear();
    play.faceUp.clear();
    // The removed tiles leave the screen at once.
    host.RefreshBoard();
    CountMatches(false);
    host.RefreshStatusBar();
    redoStack.Clear();
    ++counters.matchesMade;
    // Counted before the end check, so that a game cleared by its first
    // move is booked as played.
    if (play.counted < 1) {
        play.counted = 1;
    }
    EndCheck();
}

void TMahJong_interface::CountMatches(bool recountTiles) {
    board.ResetScanBounds();
    const int live = finder.Count(board, rules.tilesToMatch, rules.removeRule, CurrentFaceRules());
    if (recountTiles) {
        board.tilesLeft = live;
    }
}

void TMahJong_interface::EndCheck() {
    if (!play.playing) {
        return;
    }
    if (board.tilesLeft <= 0) {
        play.won = true;
        EndGame();
    } else if (finder.Available() == 0) {
        NoMoreMatches();
    }
}

bool TMahJong_interface::ConfirmQuit(std::string_view message) {
    if (play.winningAnimation) {
        return false;
    }
    if (settings == nullptr || !Read(*settings, setting::kConfirmQuitGame)) {
        return true;
    }
    if (!play.playing || play.won) {
        return true;
    }
    const std::string question(message.empty() ? kQuitGameQuestion : message);
    return host.ShowMessage(MessageKind::Confirmation, question, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

std::int64_t TMahJong_interface::MemoryUpNeeded() const {
    return MemoryUpTarget(board.tileCount, play.levelOneTiles, play.dealtByLevel);
}

MemoryUpTotals TMahJong_interface::MemoryUpTotalsValues(bool won) const {
    MemoryUpTotals totals;
    const int ttm = EffectiveTilesToMatch();
    totals.won = won;
    totals.tileCount = board.tileCount;
    totals.pointsPerMatch = ttm * 50;
    totals.pointsPerMiss = ttm * -10;
    totals.matches = (board.tileCount - board.tilesLeft) / ttm;
    totals.misses = static_cast<int>(
        (counters.rawScore - static_cast<std::int64_t>(totals.pointsPerMatch) * totals.matches) /
        totals.pointsPerMiss);
    totals.matchPoints = static_cast<std::int64_t>(totals.matches) * totals.pointsPerMatch;
    totals.missPoints = static_cast<std::int64_t>(totals.misses) * totals.pointsPerMiss;
    totals.needed = MemoryUpNeeded();
    totals.total = counters.rawScore;
    return totals;
}

bool TMahJong_interface::EndGame() {
    if (!play.playing) {
        return true;
    }
    CancelWaits();
    const bool faceDown = rules.faceDown != 0;
    if (faceDown) {
        if (play.won && board.tilesLeft <= 0 && counters.rawScore < MemoryUpNeeded()) {
            play.won = false;
        }
        host.ShowMemoryUpTotals(MemoryUpTotalsValues(play.won));
    }
    const bool won = play.won && counters.shuffleCount == 0;

    const LocalTime end = host.Now();
    clock.Stop();
    const int elapsed = clock.ElapsedSeconds();
    elapsedSeconds = elapsed;
    if (!faceDown && won) {
        const std::int64_t displayed = DisplayedScore(counters);
        counters.rawScore += EndBonus(displayed) + TimeBonus(displayed, elapsed, board.tileCount);
        host.RefreshStatusBar();
    }
    play.playing = false;
    mode = EngineMode::Idle;
    host.RefreshMenus();

    GameResult result;
    result.won = won;
    result.gameId = gameId;
    result.gameName = gameName;
    result.player = playerName;
    result.scoreType = scoreType;
    result.gameNumber = gameNumber;
    result.end = end;
    result.elapsed = elapsed;
    result.score = DisplayedScore(counters);
    result.matches = counters.matchesMade;
    result.undoCount = counters.undoCount;
    result.undoPenaltyTotal = counters.undoPenaltyTotal;
    result.redoCount = counters.redoCount;
    result.redoPenaltyTotal = counters.redoPenaltyTotal;
    result.suggestCount = counters.suggestCount;
    result.suggestPenaltyTotal = counters.suggestPenaltyTotal;
    result.totalTiles = board.tileCount;
    result.tilesLeft = board.tilesLeft;
    result.shuffleCount = counters.shuffleCount;
    result.shufflePenaltyTotal = counters.shufflePenaltyTotal;
    result.counted = play.counted;
    Hooks().RecordGame(result);

    host.RefreshStatusBar();
    play.won = false;
    play.ended = true;

    const int serial = play.gameSerial;
    if (!won) {
        AfterEnd(false, serial);
        return won;
    }
    play.winningAnimation = true;
    Hooks().RunWinningAnimation([this] { PlayEventSound(SoundEvent::GameWon); },
                                [this, serial](bool closeRequested) {
                                    play.winningAnimation = false;
                                    if (!closeRequested) {
                                        AfterEnd(true, serial);
                                    }
                                });
    return won;
}

void TMahJong_interface::AfterEnd(bool won, int serial) {
    if (play.gameSerial != serial) {
        return;  // another game has started meanwhile
    }
    if (won) {
        const bool statistics =
            settings == nullptr || !Read(*settings, setting::kDisableStatistics);
        const bool showWon = settings == nullptr || Read(*settings, setting::kShowGameWonDialogBox);
        if (statistics && showWon) {
            Hooks().ShowGameWon();
        } else {
            Hooks().OpenGameDialog();
        }
    } else if (board.tilesLeft <= 0) {
        Hooks().OpenGameDialog();
    }
}

void TMahJong_interface::QuitGame() {
    if (!ConfirmQuit()) {
        return;
    }
    EndGame();
    ClearBoard();
    host.RefreshTitle();
    host.RefreshStatusBar();
    host.RefreshBoard();
}

}  // namespace jw
