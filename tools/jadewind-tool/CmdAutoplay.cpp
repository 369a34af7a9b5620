// jadewind-tool autoplay GAMEID|FILE|--all [--games K] [--seed S]: plays K
// new deals of a face-up game with a simple player that always takes a
// random available match and never shuffles, and prints how often it wins.
// Deals whose last batches hold single tiles cannot be played out; they are
// listed, not hidden.
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
#include "engine/MatchFinder.h"

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

int RunAutoplay(const Args& args) {
    std::string what;
    bool all = false;
    int games = 100;
    std::uint32_t seed = std::random_device{}();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            all = true;
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
            return UsageError("autoplay GAMEID|FILE|--all [--games K] [--seed S]");
        }
    }
    if (all == !what.empty()) {
        return UsageError("autoplay takes a game id, a layout file or --all");
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

const Registrar kAutoplay{{"autoplay", "GAMEID|FILE|--all [--games K] [--seed S]",
                           "win rate of a random player over K deals", RunAutoplay}};

}  // namespace
}  // namespace jw::tool
