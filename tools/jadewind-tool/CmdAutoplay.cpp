// jadewind-tool autoplay GAMEID|FILE|--all [--games K] [--seed S]: plays K
// new deals of a face-up game with a simple player that always takes a
// random available match and never shuffles, and prints how often it wins.
// Deals whose last batches hold single tiles cannot be played out; they are
// listed, not hidden.
//
// With "--record --player NAME [--data DIR]" the games are played through
// the engine itself (its start of a new deal, its picks, its end of game),
// and every finished game is booked in the data folder's records as a game
// played in the window is.
#include <iomanip>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "Commands.h"
#include "ToolGames.h"
#include "engine/Deal.h"
#include "engine/FixedText.h"
#include "engine/GameNumber.h"
#include "engine/Jong_class_interface.h"
#include "engine/MatchFinder.h"
#include "records/C_App_Config.h"
#include "records/Recorder.h"

namespace jw::tool {
namespace {

struct Tally {
    int wins = 0;
    int games = 0;
    std::vector<std::string> unclearable;  // numbers dealt with short batches
};

// The game number a new game would draw, from the autoplay's own generator.
std::string DrawNumber(std::mt19937& random) {
    const std::int64_t a = static_cast<std::int64_t>(random() % 9999999u);
    const std::int64_t b = static_cast<std::int64_t>(random() % 999999u);
    return NormalizeGameNumber(std::to_string(a * b));
}

bool PlayOne(const TMahJong_Base& layout, const std::string& number, std::mt19937& random,
             Tally& tally) {
    Board board = layout.board;
    const LayoutRules& rules = layout.rules;
    const DealResult deal = DealNewGame(board, rules, number);
    std::map<int, int> sizes;
    for (const DealtTile& tile : deal.tiles) {
        ++sizes[tile.batch];
    }
    for (const auto& [batch, size] : sizes) {
        if (size < rules.tilesToMatch) {
            tally.unclearable.push_back(number);
            break;
        }
    }
    const FaceRules faces{false, rules.faceless != 0};
    MatchCount count;
    for (;;) {
        FindMatches(board, rules.tilesToMatch, rules.removeRule, faces, count);
        if (count.liveTiles == 0) {
            return true;
        }
        if (count.candidates.empty()) {
            return false;
        }
        const MatchCandidate& pick = count.candidates[random() % count.candidates.size()];
        for (int k = 0; k < pick.size; ++k) {
            board.RemoveTileByCode(pick.codes[static_cast<std::size_t>(k)], Removal::MarkRemoved);
        }
    }
}

// Plays one game id or file; prints its line. Returns false when it could
// not be played at all.
bool Autoplay(const std::string& what, int games, std::mt19937& random, bool quietMissing) {
    ToolHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    if (!LoadGameLayout(what, *engine, host)) {
        if (!quietMissing) {
            return false;
        }
        std::cout << what << ": not available\n";
        return true;
    }
    const std::string title =
        engine->gameId >= 0 ? FormatFixed(engine->gameId, 5) + " " + engine->gameName : what;
    if (engine->rules.faceDown != 0) {
        std::cout << title << ": a face-down game; autoplay does not apply\n";
        return true;
    }
    Tally tally;
    for (int k = 0; k < games; ++k) {
        ++tally.games;
        if (PlayOne(*engine, DrawNumber(random), random, tally)) {
            ++tally.wins;
        }
    }
    std::ostringstream rate;
    rate << std::fixed << std::setprecision(1)
         << (tally.games > 0 ? 100.0 * tally.wins / tally.games : 0.0);
    std::cout << title << ": wins " << tally.wins << " games " << tally.games << " win rate "
              << rate.str() << "%\n";
    for (const std::string& number : tally.unclearable) {
        std::cout << title << ": number " << number
                  << " deals batches of single tiles and cannot be played out\n";
    }
    return true;
}

// The engine's host for an unattended player: a seeded random source (the
// deals are repeatable), and a game without matches is ended, not shuffled.
class AutoplayHost : public ToolHost {
  public:
    explicit AutoplayHost(std::uint32_t seed) : random(seed) {}
    int Random(int range) override {
        return range < 1 ? 0 : static_cast<int>(random() % static_cast<unsigned>(range));
    }
    NoMoreMatchesChoice ShowNoMoreMatches() override { return NoMoreMatchesChoice::EndGame; }

    std::mt19937 random;
};

// Books every game the engine ends.
struct RecordingHooks : EngineHooks {
    explicit RecordingHooks(Recorder& records) : recorder(records) {}
    void RecordGame(const GameResult& result) override {
        ++booked;
        result.won ? ++won : 0;
        failed = !recorder.RecordGame(result, false) || failed;
    }
    Recorder& recorder;
    int booked = 0;
    int won = 0;
    bool failed = false;
};

int RecordedAutoplay(const std::string& what, int games, std::uint32_t seed,
                     const std::string& player, std::string data) {
    const auto id = ParseInteger(what);
    if (!id || *id < 0 || (*id >= kBuiltInGameCount && *id < kFirstCustomGameId)) {
        return UsageError("autoplay --record takes a game id");
    }
    AutoplayHost host(seed);
    if (data.empty()) {
        data = TApplication_Config(host, "./").DefaultDataFolder();
    }
    Recorder recorder(data);
    RecordingHooks hooks(recorder);
    TMahJong_interface engine(host);
    engine.resources = ToolLibrary();
    engine.dataFolder = data;
    engine.hooks = &hooks;
    if (engine.resources == nullptr) {
        return 1;
    }
    for (int k = 0; k < games; ++k) {
        if (!engine.StartGame(ReadMode::NewGame, static_cast<GameId>(*id), "", player)) {
            std::cerr << "jadewind-tool: game " << what << " could not be started\n";
            return 1;
        }
        if (engine.rules.faceDown != 0) {
            std::cerr << "jadewind-tool: " << what
                      << " is a face-down game; autoplay does not apply\n";
            return 1;
        }
        // Random available matches, picked tile by tile as clicks pick them,
        // until the engine ends the game (cleared, or no match left).
        while (engine.play.playing && engine.finder.Available() > 0) {
            const auto& candidates = engine.finder.Candidates();
            const MatchCandidate pick = candidates[host.random() % candidates.size()];
            for (int t = 0; t < pick.size; ++t) {
                const CellCode code = pick.codes[static_cast<std::size_t>(t)];
                const BoardPos at = engine.board.FindAnchor(code);
                engine.PickTile(at.level, at.column, at.row, code);
            }
        }
    }
    std::cout << FormatFixed(*id, 5) << " " << engine.gameName << ": played " << hooks.booked
              << " won " << hooks.won << " for " << player << " in " << data << "\n";
    if (hooks.failed) {
        std::cerr << "jadewind-tool: Write error on file\n";
        return 1;
    }
    return 0;
}

int RunAutoplay(const Args& args) {
    std::string what;
    bool all = false;
    bool record = false;
    std::string player;
    std::string data;
    int games = 100;
    std::uint32_t seed = std::random_device{}();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            all = true;
        } else if (args[i] == "--record") {
            record = true;
        } else if ((args[i] == "--player" || args[i] == "--data") && i + 1 < args.size()) {
            (args[i] == "--player" ? player : data) = args[i + 1];
            ++i;
        } else if ((args[i] == "--games" || args[i] == "--seed") && i + 1 < args.size()) {
            const auto value = ParseInteger(args[i + 1]);
            if (!value || *value < 0 || *value > 1000000000) {
                return UsageError(args[i] + " takes a number");
            }
            if (args[i] == "--games") {
                games = static_cast<int>(*value);
            } else {
                seed = static_cast<std::uint32_t>(*value);
            }
            ++i;
        } else if (what.empty() && !args[i].starts_with("--")) {
            what = args[i];
        } else {
            return UsageError(
                "autoplay GAMEID|FILE|--all [--games K] [--seed S] [--record --player NAME "
                "[--data DIR]]");
        }
    }
    if (all == !what.empty()) {
        return UsageError("autoplay takes a game id, a layout file or --all");
    }
    if (record) {
        if (all || player.empty()) {
            return UsageError("autoplay GAMEID --record --player NAME [--data DIR]");
        }
        return RecordedAutoplay(what, games, seed, player, data);
    }
    std::mt19937 random(seed);
    if (!all) {
        return Autoplay(what, games, random, false) ? 0 : 1;
    }
    for (GameId id = 0; id < kBuiltInGameCount; ++id) {
        Autoplay(std::to_string(id), games, random, true);
    }
    return 0;
}

const Registrar kAutoplay{
    {"autoplay", "GAMEID|FILE|--all [--games K] [--seed S] [--record --player NAME [--data DIR]]",
     "win rate of a random player over K deals; with --record the games are played by the "
     "engine and booked in the records",
     RunAutoplay}};

}  // namespace
}  // namespace jw::tool
