// jadewind-tool commands that read the statistics of a data folder: a
// player's totals of a game, a hi-score table, the previous games and the
// lost deals.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

#include "Commands.h"
#include "ToolHost.h"
#include "engine/FixedText.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "records/C_App_Config.h"
#include "records/LogQueries.h"
#include "records/OverallScore.h"
#include "records/Players.h"
#include "records/RecordFile.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"

namespace jw::tool {
namespace {

// Splits off "--data DIR" and "--player NAME"; the rest stays positional.
struct RecordArgs {
    std::string data;
    std::optional<std::string> player;
    Args rest;
};

std::optional<RecordArgs> ParseRecordArgs(const Args& args) {
    RecordArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--data" || args[i] == "--player") && i + 1 < args.size()) {
            (args[i] == "--data" ? parsed.data : parsed.player.emplace()) = args[i + 1];
            ++i;
        } else if (args[i].rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            parsed.rest.push_back(args[i]);
        }
    }
    if (parsed.data.empty()) {
        ToolHost host;
        parsed.data = TApplication_Config(host, "./").DefaultDataFolder();
    }
    return parsed;
}

void PrintGames(const std::vector<LoggedGame>& games) {
    for (const LoggedGame& g : games)
        std::cout << g.number << '\t' << (g.won ? "Won" : "Lost") << '\t' << g.date << '\t'
                  << g.player << '\n';
}

int RunStats(const Args& args) {
    const auto parsed = ParseRecordArgs(args);
    if (!parsed || parsed->rest.size() != 1 || !parsed->player)
        return UsageError("stats GAMEID --player NAME [--data DIR]");
    const auto id = ParseInteger(parsed->rest[0]);
    if (!id || *id < 0 || *id > 99999)
        return UsageError("stats: bad game id");
    const Recorder recorder(parsed->data);
    const GameStats stats = recorder.ReadGameStats(static_cast<GameId>(*id), *parsed->player);
    for (std::size_t i = 0; i < 7; ++i)
        std::cout << (i ? " " : "") << stats[i];
    std::cout << '\n';
    return 0;
}

int RunPreviousGames(const Args& args) {
    const auto parsed = ParseRecordArgs(args);
    if (!parsed || !parsed->rest.empty() || parsed->player)
        return UsageError("previousgames [--data DIR]");
    PrintGames(LoadPreviousGames(FindDataFile(parsed->data, "Stat_log.dat")));
    return 0;
}

int RunLostGames(const Args& args) {
    const auto parsed = ParseRecordArgs(args);
    if (!parsed || parsed->rest.size() != 1 || parsed->player)
        return UsageError("lostgames GAME-NAME [--data DIR]");
    PrintGames(LoadLostGames(FindDataFile(parsed->data, "Stat_log.dat"), parsed->rest[0]));
    return 0;
}

int RunHiScores(const Args& args) {
    const auto parsed = ParseRecordArgs(args);
    if (!parsed || parsed->rest.size() != 1 || parsed->player) {
        return UsageError("hiscores GAMEID [--data DIR]");
    }
    const auto id = ParseInteger(parsed->rest[0]);
    if (!id || *id < 0 || *id > 99999) {
        return UsageError("hiscores: bad game id");
    }
    // Read only: a table never played is shown as it would be seeded, and
    // nothing is written.
    ToolHost host;
    Recorder recorder(parsed->data);
    for (const std::string& entry :
         recorder.LoadHiScores(static_cast<GameId>(*id), host.Now(), true)) {
        std::cout << entry << '\n';
    }
    return 0;
}

// The log as a table a person can read, oldest first: "--game" and
// "--player" keep the records of one game or player, "--last K" the K
// newest of those.
int RunLog(const Args& args) {
    std::optional<std::string> game;
    std::optional<std::size_t> last;
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--game" && i + 1 < args.size()) {
            game = args[++i];
        } else if (args[i] == "--last" && i + 1 < args.size()) {
            const auto count = ParseInteger(args[++i]);
            if (!count || *count < 0) {
                return UsageError("log: --last takes a whole number, 0 or more");
            }
            last = static_cast<std::size_t>(*count);
        } else {
            rest.push_back(args[i]);
        }
    }
    const auto parsed = ParseRecordArgs(rest);
    if (!parsed || !parsed->rest.empty()) {
        return UsageError("log [--game NAME] [--player NAME] [--last K] [--data DIR]");
    }
    std::vector<LoggedGame> shown;
    for (const LoggedGame& logged :
         LoadPreviousGames(FindDataFile(parsed->data, "Stat_log.dat"), SIZE_MAX)) {
        if ((!game || logged.game == *game) &&
            (!parsed->player || logged.player == *parsed->player)) {
            shown.push_back(logged);
            if (last && shown.size() >= *last) {
                break;
            }
        }
    }
    std::printf("%-10s  %-8s  %-30s  %-30s  %-4s  %s\n", "Date", "Time", "Game", "Player", "W/L",
                "Game number");
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        const std::string date =
            it->date.size() == 8
                ? it->date.substr(0, 4) + "-" + it->date.substr(4, 2) + "-" + it->date.substr(6, 2)
                : std::string();
        std::printf("%-10s  %-8s  %-30s  %-30s  %-4s  %s\n", date.c_str(),
                    EscapeControlCharacters(it->time).c_str(),
                    EscapeControlCharacters(it->game).c_str(),
                    EscapeControlCharacters(it->player).c_str(), it->won ? "Won" : "Lost",
                    EscapeControlCharacters(it->number).c_str());
    }
    return 0;
}

// Tells the user when a read found the overall score damaged and reset it.
void ReportOverallReset(OverallScore& overall) {
    overall.onReset = [] {
        std::string message(kOverallCorruptMessage);
        std::replace(message.begin(), message.end(), '\r', '\n');
        std::cerr << message << '\n';
    };
}

// The standings (rank, score, seconds, name; tab-separated), or with
// "--details NAME" a player's best game in every built-in game.
int RunOverall(const Args& args) {
    std::optional<std::string> details;
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--details" && i + 1 < args.size())
            details = args[++i];
        else
            rest.push_back(args[i]);
    }
    const auto parsed = ParseRecordArgs(rest);
    if (!parsed || !parsed->rest.empty() || parsed->player)
        return UsageError("overall [--details NAME] [--data DIR]");
    OverallScore overall(parsed->data);
    ReportOverallReset(overall);
    if (details) {
        const auto best = overall.LoadPlayerDetails(*details);
        if (!best)
            return 1;
        for (const OverallGameBest& game : best->games)
            std::cout << game.id << '\t' << game.score << '\t' << game.seconds << '\t'
                      << EscapeControlCharacters(game.game) << '\n';
        std::cout << "total\t" << best->score << '\t' << best->seconds << '\n';
        return 0;
    }
    int rank = 0;
    for (const OverallStanding& standing : overall.LoadStandings())
        std::cout << ++rank << '\t' << standing.score << '\t' << standing.seconds << '\t'
                  << EscapeControlCharacters(standing.player) << '\n';
    return 0;
}

// "--decode CODE": what a code holds (name, score, seconds, whether its
// checksum and the totals' integrity hold), tab-separated.
int DecodeExportCode(const std::string& code) {
    const auto decoded = DecodeOverallExportCode(code);
    if (!decoded) {
        std::cerr << "exportcode: not an export code\n";
        return 1;
    }
    const auto totals = DecodeTotals(UnscrambleOverall(decoded->storedScore),
                                     UnscrambleOverall(decoded->storedTime),
                                     UnscrambleOverall(decoded->storedCheck));
    std::cout << EscapeControlCharacters(decoded->player) << '\t'
              << (totals ? std::to_string(totals->score) : "?") << '\t'
              << (totals ? std::to_string(totals->seconds) : "?") << '\t'
              << (decoded->checksumValid && totals ? "valid" : "invalid") << '\n';
    return decoded->checksumValid && totals ? 0 : 1;
}

int RunExportCode(const Args& args) {
    if (args.size() == 2 && args[0] == "--decode")
        return DecodeExportCode(args[1]);
    const auto parsed = ParseRecordArgs(args);
    if (!parsed || parsed->rest.size() != 1 || parsed->player)
        return UsageError("exportcode NAME [--data DIR]");
    OverallScore overall(parsed->data);
    ReportOverallReset(overall);
    const std::string code = overall.ExportCode(parsed->rest[0]);
    if (code.empty()) {
        std::cerr << "exportcode: " << parsed->rest[0] << " has no overall score\n";
        return 1;
    }
    std::cout << code << '\n';
    return 0;
}

const Registrar kOverall{{"overall", "[--details NAME] [--data DIR]",
                          "print the overall standings, or a player's best built-in games",
                          RunOverall}};
const Registrar kExportCode{{"exportcode", "NAME [--data DIR] | --decode CODE",
                             "print the export code of a player's overall score, or decode one",
                             RunExportCode}};

// "players rename OLD NEW": the name changed in the list (and as the
// current player) and carried through every records file, as the players
// window does it.
int RenamePlayer(const std::string& data, const std::string& oldName, const std::string& newName) {
    const std::string path = FindDataFile(data, kSettingsFileName);
    SettingsFile settings(path);
    std::vector<std::string> names = LoadPlayerNames(settings);
    const std::string from(TrimRight(oldName));
    const std::string to(TrimRight(newName));
    const auto found = std::find(names.begin(), names.end(), from);
    if (found == names.end()) {
        std::cerr << "jadewind-tool: there is no player " << from << '\n';
        return 1;
    }
    if (to.empty() || to.size() > kMaxPlayerNameLength || !IsValidPlayerName(to)) {
        std::cerr << "jadewind-tool: " << to << ": "
                  << (to.empty() ? std::string(kEnterOneCharacter)
                                 : std::string(kForbiddenPlayerCharacters))
                  << '\n';
        return 1;
    }
    if (std::find(names.begin(), names.end(), to) != names.end()) {
        std::cerr << "jadewind-tool: " << kPlayerExists << '\n';
        return 1;
    }
    *found = to;
    SortPlayerNames(names);
    const std::string current(TrimRight(Read(settings, setting::kUserDefault)));
    StorePlayers(settings, current == from ? to : current, names, true);
    const std::string failure = Recorder(data).RenamePlayerInRecords(from, to);
    if (!failure.empty()) {
        std::string message = failure;
        std::replace(message.begin(), message.end(), '\r', '\n');
        std::cerr << "jadewind-tool: " << message << '\n';
        return 1;
    }
    std::cout << kPlayerRenamed << '\n';
    return 0;
}

// The players of the settings file, sorted, the current one marked "*".
int RunPlayers(const Args& args) {
    const auto parsed = ParseRecordArgs(args);
    if (parsed && parsed->rest.size() == 3 && parsed->rest[0] == "rename" && !parsed->player) {
        if (!std::filesystem::is_regular_file(FindDataFile(parsed->data, kSettingsFileName))) {
            std::cerr << "jadewind-tool: no settings file " << kSettingsFileName << " in "
                      << parsed->data << '\n';
            return 1;
        }
        return RenamePlayer(parsed->data, parsed->rest[1], parsed->rest[2]);
    }
    if (!parsed || !parsed->rest.empty() || parsed->player)
        return UsageError("players [--data DIR] | players rename OLD NEW [--data DIR]");
    const std::string path = FindDataFile(parsed->data, kSettingsFileName);
    if (!std::filesystem::is_regular_file(path)) {
        std::cerr << "jadewind-tool: no settings file " << kSettingsFileName << " in "
                  << parsed->data << '\n';
        return 1;
    }
    const SettingsFile settings(path);
    const std::string current(TrimRight(Read(settings, setting::kUserDefault)));
    for (const std::string& name : LoadPlayerNames(settings))
        std::cout << (name == current ? "* " : "  ") << EscapeControlCharacters(name) << '\n';
    return 0;
}

const Registrar kPlayers{
    {"players", "[--data DIR] | rename OLD NEW [--data DIR]",
     "print the players, the current one marked with *; or rename a player in the list and "
     "the records",
     RunPlayers}};
const Registrar kLog{{"log", "[--game NAME] [--player NAME] [--last K] [--data DIR]",
                      "print the log's records as a table, oldest first", RunLog}};
const Registrar kHiScores{{"hiscores", "GAMEID [--data DIR]",
                           "print the 20 entries of a game's hi-score table as stored",
                           RunHiScores}};
const Registrar kStats{{"stats", "GAMEID --player NAME [--data DIR]",
                        "print a player's seven totals of a game", RunStats}};
const Registrar kPrevious{{"previousgames", "[--data DIR]",
                           "print the newest logged games: number, result, date, player",
                           RunPreviousGames}};
const Registrar kLost{{"lostgames", "GAME-NAME [--data DIR]",
                       "print the deals of a game lost and never won, newest first", RunLostGames}};

}  // namespace
}  // namespace jw::tool
