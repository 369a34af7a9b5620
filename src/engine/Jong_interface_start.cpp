// Starting games: new deals, restarts, typed game numbers, saved and held
// games, and the random choice of a game.
#include "engine/Deal.h"
#include "engine/FixedText.h"
#include "engine/GameNumber.h"
#include "engine/Jong_class_interface.h"
#include "platform/SettingsDefaults.h"

namespace jw {

namespace {

// Tiles of a level as dealt: live tiles and tiles already taken off.
int DealtTilesOnLevel(const Board& board, int level) {
    int count = 0;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level == level) {
            const CellCode code = board.At(pos.level, pos.column, pos.row);
            count += IsAnchor(code) || code == kRemovedAnchor ? 1 : 0;
        }
    }
    return count;
}

// The GameIds of the favourite games in the settings, folders left out.
std::vector<GameId> FavoriteGames(const SettingsStore& settings) {
    std::vector<GameId> ids;
    for (int index = 0; index <= 9999; ++index) {
        const std::string value = ReadEntry(settings, setting::kFavorites, index);
        if (value.empty()) {
            break;
        }
        const auto id = ParseInteger(Columns(value, 3, 5));
        const GameId game = id ? static_cast<GameId>(*id) : 0;
        if (game >= 0) {
            ids.push_back(game);
        }
    }
    return ids;
}

}  // namespace

bool TMahJong_interface::StartGame(ReadMode readMode, GameId id, const std::string& fileName,
                                   const std::string& player) {
    for (;;) {
        if (play.playing) {
            if (!ConfirmQuit()) {
                return false;
            }
            EndGame();
        }

        play.playing = true;
        play.won = false;
        play.ended = false;
        play.counted = -1;
        CancelWaits();
        play.undoDone = false;
        play.redoDone = false;
        play.bookmarkFile.clear();
        play.faceUp.clear();
        ++play.gameSerial;
        mode = EngineMode::Playing;
        clock.Start();
        selection.Clear();
        finder.Reset();
        suggestedPairs.clear();
        counters = GameCounters{};
        undoStack.Clear();
        redoStack.Clear();
        host.RefreshMenus();

        const GameId previousId = gameId;
        if (!ReadLayout(*this, readMode, fileName, id)) {
            EndGame();
            return false;
        }
        const bool automaticSize = AutomaticTileSize(settings);
        if (!automaticSize && gameId != previousId) {
            Hooks().RestoreTileSize();
        }

        if (readMode == ReadMode::NewGame) {
            PlayEventSound(SoundEvent::NewGame);
            gameNumber = NewGameNumber(host);
        } else if (readMode == ReadMode::Restart) {
            PlayEventSound(SoundEvent::Restart);
        }
        if (readMode == ReadMode::OpenSaved || readMode == ReadMode::ResumeHeld) {
            clock.SetElapsed(elapsedSeconds);
        }

        play.dealtByLevel = false;
        if (rules.faceDown != 0) {
            play.dealtByLevel = true;
            for (int level = 1; level <= kTileLevels; ++level) {
                if (DealtTilesOnLevel(board, level) % EffectiveTilesToMatch() != 0) {
                    play.dealtByLevel = false;
                }
            }
        }
        play.levelOneTiles = DealtTilesOnLevel(board, 1);
        if (readMode == ReadMode::NewGame || readMode == ReadMode::Restart ||
            readMode == ReadMode::GameNumber) {
            ShowReports(DealNewGame(board, rules, gameNumber).reports);
        }

        if (player != playerName) {
            playerName = player;
        }
        if (play.startedBefore && settings != nullptr &&
            Read(*settings, setting::kRandomBackground)) {
            Hooks().RandomBackground();
        }
        play.startedBefore = true;

        CountMatches(false);
        host.RefreshStatusBar();
        host.RefreshTitle();
        host.RefreshBoard();
        host.RefreshMenus();
        Hooks().RefreshInformation();
        Hooks().RecordStartedGame(gameId, gameNumber);

        if (finder.Available() > 0 ||
            host.ShowMessage(MessageKind::Confirmation, std::string(kNoMatchesAtStartQuestion),
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
            return true;
        }
        // A new deal of the same game; the game just dealt is ended without
        // the quit question.
        EndGame();
        readMode = ReadMode::NewGame;
        id = gameId;
    }
}

void TMahJong_interface::NewGameCommand() {
    if (gameId < 0) {
        Hooks().OpenGameDialog();
        return;
    }
    StartGame(ReadMode::NewGame, gameId, std::string(), playerName);
}

bool TMahJong_interface::StartNumberedGame(GameId id, std::string_view typed) {
    const TypedNumber number = ReadTypedGameNumber(typed);
    if (number.status == TypedNumberStatus::NotDigits) {
        host.Inform(std::string(kNumbersOnlyMessage));
        return false;
    }
    if (number.status == TypedNumberStatus::Zero) {
        return false;
    }
    if (!ConfirmQuit()) {
        return false;
    }
    EndGame();
    gameNumber = number.number;
    return StartGame(ReadMode::GameNumber, id, std::string(), playerName);
}

bool TMahJong_interface::RandomGame(RandomGameSource source) {
    GameId id = 0;
    if (source == RandomGameSource::Favorites) {
        const std::vector<GameId> favorites =
            settings != nullptr ? FavoriteGames(*settings) : std::vector<GameId>{};
        if (favorites.empty()) {
            if (host.ShowMessage(MessageKind::Information, std::string(kNoFavoritesQuestion),
                                 MessageButtons::YesNo) == MessageAnswer::Yes) {
                Hooks().OpenFavoritesOrganiser();
            }
            return false;
        }
        id = favorites[static_cast<std::size_t>(host.Random(static_cast<int>(favorites.size())))];
    } else {
        // Never the last entry of the catalog.
        const int count = static_cast<int>(catalog.Records().size());
        do {
            id = host.Random(count - 1);
        } while (catalog.NameOf(id).empty());
    }
    if (!ConfirmQuit()) {
        return false;
    }
    EndGame();
    play.randomGameType = static_cast<int>(source);
    return StartGame(ReadMode::NewGame, id, std::string(), playerName);
}

}  // namespace jw
