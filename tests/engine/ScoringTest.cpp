#include "engine/Scoring.h"

#include <gtest/gtest.h>

#include "engine/Jong_class.h"
#include "platform/ScriptedHost.h"

namespace jw {
namespace {

class Scoring : public ::testing::Test {
  protected:
    int Value(MatchGroup group, std::string_view type = "01", bool faceDown = false) {
        return TileValue(group, faceDown, type, host);
    }
    test::ScriptedHost host;
};

TEST_F(Scoring, TileValuesOfMahJongTiles) {
    EXPECT_EQ(Value(1), 10);
    EXPECT_EQ(Value(10), 10);
    EXPECT_EQ(Value(19), 10);
    EXPECT_EQ(Value(5), 5);
    EXPECT_EQ(Value(14), 5);
    EXPECT_EQ(Value(27), 9);
    EXPECT_EQ(Value(28), 11);
    EXPECT_EQ(Value(31), 11);
    EXPECT_EQ(Value(32), 12);
    EXPECT_EQ(Value(34), 12);
    EXPECT_EQ(Value(35), 15);
    EXPECT_EQ(Value(39), 15);
    EXPECT_EQ(Value(-1), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Scoring, OtherFamiliesAndBadValues) {
    EXPECT_EQ(Value(5, "02"), 25);
    EXPECT_EQ(Value(5, "01", true), 50);
    EXPECT_EQ(Value(36), 0);
    EXPECT_EQ(Value(5, "03"), 0);
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{"Error T2SV - OFR", "Error T2SV - STNF"}));
}

TEST_F(Scoring, PairsScoreByValueAndHowEarlyTheyAreMade) {
    PairScoring fives{false, "01", 5, 144, 144, false};
    EXPECT_EQ(PairPoints(fives), 50);  // the first pair
    fives.tilesLeft = 144 - 2 * 8;
    EXPECT_EQ(PairPoints(fives), 45);  // the ninth pair
    fives.tilesLeft = 144 - 2 * 64;
    EXPECT_EQ(PairPoints(fives), 10);  // the 65th pair
    fives.tilesLeft = 2;
    EXPECT_EQ(PairPoints(fives), 10);  // never below twice the value
    const PairScoring flowers{false, "01", 15, 144, 144, false};
    EXPECT_EQ(PairPoints(flowers), 150);
    EXPECT_EQ(PairPoints({false, "02", 25, 144, 100, false}), 50);
    EXPECT_EQ(PairPoints({true, "01", 50, 72, 10, false}), 100);
    EXPECT_EQ(PairPoints({false, "01", 5, 144, 144, true}), 0);
    // A layout below 18 tiles keeps the multiplier at 10.
    EXPECT_EQ(PairPoints({false, "01", 5, 16, 2, false}), 50);
}

TEST_F(Scoring, PenaltiesRoundHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(150.5), 150);
    EXPECT_EQ(RoundHalfEven(151.5), 152);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);

    EXPECT_EQ(UndoPenalty("01", 100, 2, host), 100);
    EXPECT_EQ(RedoPenalty("01", 102, 2, host), 51);
    EXPECT_EQ(SuggestPenalty("01", 102, 2, host), 51);
    EXPECT_EQ(SuggestPenalty("01", 10, 4, host), 2);  // 2.5 to the even 2
    EXPECT_EQ(SuggestPenalty("01", 14, 4, host), 4);  // 3.5 to the even 4
    EXPECT_EQ(SuggestPenalty("02", 10, 2, host), 50);
    EXPECT_EQ(UndoPenalty("02", 10, 2, host), 100);
    EXPECT_EQ(RedoPenalty("02", 10, 2, host), 50);
    EXPECT_EQ(ShufflePenalty(301), 150);
    EXPECT_EQ(ShufflePenalty(303), 152);
    EXPECT_EQ(ShufflePenalty(-301), 150);
    EXPECT_TRUE(host.messages.empty());

    EXPECT_EQ(SuggestPenalty("xx", 10, 2, host), 0);
    EXPECT_EQ(UndoPenalty("xx", 10, 2, host), 0);
    EXPECT_EQ(RedoPenalty("xx", 10, 2, host), 0);
    EXPECT_EQ(
        host.MessageTexts(),
        (std::vector<std::string>{"Error SFSM - STNF", "Error SFU - STNF", "Error SFR - STNF"}));
}

TEST_F(Scoring, DisplayedScoreAndBonuses) {
    GameCounters counters;
    counters.rawScore = 1000;
    counters.suggestPenaltyTotal = 10;
    counters.undoPenaltyTotal = 20;
    counters.redoPenaltyTotal = 30;
    counters.shufflePenaltyTotal = 40;
    EXPECT_EQ(DisplayedScore(counters), 900);

    EXPECT_EQ(EndBonus(900), 225);
    EXPECT_EQ(EndBonus(-10), 2);  // 2.5 to the even 2, then its absolute value
    EXPECT_EQ(TimeBonus(1000, 300, 144), 250);
    EXPECT_EQ(TimeBonus(1000, 450, 144), 250);
    EXPECT_EQ(TimeBonus(1000, 675, 144), 125);
    EXPECT_EQ(TimeBonus(1000, 900, 144), 0);
    EXPECT_EQ(TimeBonus(1000, 901, 144), 0);
    EXPECT_EQ(TimeBonus(1000, 900, 288), 250);  // 288 tiles have 1800 seconds
    EXPECT_EQ(TimeBonus(1000, 2025, 432), 125);
}

TEST_F(Scoring, MemoryUpTargets) {
    EXPECT_EQ(MemoryUpTarget(72, 0, false), 2340);
    EXPECT_EQ(MemoryUpTarget(48, 24, true), 1800 - 120);
    EXPECT_EQ(MemoryUpTarget(16, 16, true), 600 - 80);
}

}  // namespace
}  // namespace jw
