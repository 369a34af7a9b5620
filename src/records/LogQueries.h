// Lists read from the game log for the game-number dialog: the newest games
// played and the deals of a game that were lost and never won.
#pragma once

#include <string>
#include <vector>

namespace jw {

struct LoggedGame {
    std::string number;  // game number, blanks removed
    std::string game;    // game name, trailing blanks removed
    bool won = false;
    std::string date;  // "yyyymmdd", empty when the record's date is not valid
    std::string time;
    std::string player;  // trailing blanks removed
};

// The newest `limit` records of the log, newest first. Lines too short to
// hold a game number are skipped.
std::vector<LoggedGame> LoadPreviousGames(const std::string& logPath, std::size_t limit = 100);

// The deals of game `gameName` that were lost and never won by anyone, one
// entry per deal (the lowest player name, then the earliest loss), newest
// first.
std::vector<LoggedGame> LoadLostGames(const std::string& logPath, const std::string& gameName);

}  // namespace jw
