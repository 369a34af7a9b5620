#include "engine/Scoring.h"

#include <cmath>

#include "engine/Jong_class.h"
#include "engine/ScoreType.h"
#include "platform/Host.h"

namespace jw {

std::int64_t RoundHalfEven(double x) {
    const double floor = std::floor(x);
    const double fraction = x - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

int TileValue(MatchGroup group, bool faceDown, std::string_view scoreType, Host& host) {
    if (faceDown) {
        return 50;
    }
    if (scoreType == kScoreTypeMatching) {
        return 25;
    }
    if (scoreType != kScoreTypeMahJong) {
        host.Inform("Error T2SV - STNF");
        return 0;
    }
    if (group < 0) {
        return 0;
    }
    if (group == 1 || group == 10 || group == 19) {
        return 10;
    }
    if (group >= 2 && group <= 9) {
        return group;
    }
    if (group >= 11 && group <= 18) {
        return group - 9;
    }
    if (group >= 20 && group <= 27) {
        return group - 18;
    }
    if (group >= 28 && group <= 31) {
        return 11;
    }
    if (group >= 32 && group <= 34) {
        return 12;
    }
    if (group == kFirstFlower || group == kFirstSeason) {
        return 15;
    }
    host.Inform("Error T2SV - OFR");
    return 0;
}

std::int64_t PairPoints(const PairScoring& scoring) {
    if (scoring.suggested) {
        return 0;
    }
    if (scoring.faceDown || scoring.scoreType == kScoreTypeMatching) {
        return 2 * static_cast<std::int64_t>(scoring.tileValue);
    }
    const int s = static_cast<int>(static_cast<double>(scoring.tileCount) / 18.0);
    const int m =
        static_cast<int>(static_cast<double>(scoring.tileCount - scoring.tilesLeft) / 2.0);
    int multiplier = s > 0 ? 10 - static_cast<int>(static_cast<double>(m) / s) : 10;
    if (multiplier < 2) {
        multiplier = 2;
    }
    return static_cast<std::int64_t>(scoring.tileValue) * multiplier;
}

namespace {

std::int64_t PerMatch(int tilesLeft, int tilesToMatch) {
    if (tilesToMatch == 0) {
        return 0;
    }
    return RoundHalfEven(static_cast<double>(tilesLeft) / tilesToMatch);
}

}  // namespace

std::int64_t SuggestPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch,
                            Host& host) {
    if (scoreType == kScoreTypeMahJong) {
        return PerMatch(tilesLeft, tilesToMatch);
    }
    if (scoreType == kScoreTypeMatching) {
        return 50;
    }
    host.Inform("Error SFSM - STNF");
    return 0;
}

std::int64_t UndoPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch, Host& host) {
    if (scoreType == kScoreTypeMahJong) {
        return 2 * PerMatch(tilesLeft, tilesToMatch);
    }
    if (scoreType == kScoreTypeMatching) {
        return 100;
    }
    host.Inform("Error SFU - STNF");
    return 0;
}

std::int64_t RedoPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch, Host& host) {
    if (scoreType == kScoreTypeMahJong) {
        return PerMatch(tilesLeft, tilesToMatch);
    }
    if (scoreType == kScoreTypeMatching) {
        return 50;
    }
    host.Inform("Error SFR - STNF");
    return 0;
}

std::int64_t ShufflePenalty(std::int64_t displayedScore) {
    return std::llabs(RoundHalfEven(static_cast<double>(displayedScore) / 2.0));
}

std::int64_t DisplayedScore(const GameCounters& counters) {
    return counters.rawScore - counters.suggestPenaltyTotal - counters.undoPenaltyTotal -
           counters.redoPenaltyTotal - counters.shufflePenaltyTotal;
}

std::int64_t EndBonus(std::int64_t displayedScore) {
    return std::llabs(RoundHalfEven(static_cast<double>(displayedScore) * 0.25));
}

std::int64_t TimeBonus(std::int64_t displayedScore, int elapsedSeconds, int tileCount) {
    const int target = tileCount <= 144 ? 900 : tileCount <= 288 ? 1800 : 2700;
    const std::int64_t half = RoundHalfEven(target / 2.0);
    double factor = 0;
    if (elapsedSeconds <= half) {
        factor = 100;
    } else if (elapsedSeconds <= target) {
        factor = 100.0 - static_cast<double>(std::llabs(elapsedSeconds - half)) * 100.0 /
                             static_cast<double>(half);
    }
    return std::llabs(RoundHalfEven(static_cast<double>(displayedScore) * 0.25 * factor / 100.0));
}

std::int64_t MemoryUpTarget(int tileCount, int levelOneTiles, bool dealtByLevel) {
    const int x = dealtByLevel ? levelOneTiles : tileCount;
    const auto base = static_cast<std::int64_t>(50.0 * tileCount / 4.0 * 3.0);
    const auto reduction = static_cast<std::int64_t>(10.0 * x / 2.0);
    return base - reduction;
}

}  // namespace jw
