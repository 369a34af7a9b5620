#include "records/StatisticsViews.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "records/StatRecords.h"

namespace jw {
namespace {

TEST(StatisticsTextsTest, PercentagesCarryOneDecimalAndTheirPatterns) {
    EXPECT_EQ(PercentWon(0, 0), 0);
    EXPECT_DOUBLE_EQ(PercentWon(1, 0), 100);
    EXPECT_DOUBLE_EQ(PercentWon(1, 2), 33.3);
    EXPECT_DOUBLE_EQ(PercentWon(2, 1), 66.7);
    EXPECT_DOUBLE_EQ(PercentWon(1, 7), 12.5);
    EXPECT_DOUBLE_EQ(PercentWon(-3, 1), 0);  // a damaged total
    EXPECT_EQ(FormatPercent(66.7), "66.7");
    EXPECT_EQ(FormatPercent(33.3), "33.3");
    EXPECT_EQ(FormatPercent(87.5), "87.5");
    EXPECT_EQ(FormatPercent(100 - 66.7), "33.3");
    EXPECT_EQ(FormatPercent(100), "100");
    EXPECT_EQ(FormatPercent(50), "50");
    EXPECT_EQ(FormatPercent(0), "0");
    EXPECT_EQ(FormatPercent(99.96), "100");
    EXPECT_EQ(FormatPercentSign(12.5), "12.5 %");

    const WonLostView none = MakeWonLost(0, 0);
    EXPECT_TRUE(none.empty);
    EXPECT_EQ(none.wonLabel, "");
    EXPECT_EQ(none.lostLabel, "");
    const WonLostView some = MakeWonLost(1, 2);
    EXPECT_FALSE(some.empty);
    EXPECT_EQ(some.total, 3);
    EXPECT_EQ(some.wonLabel, "(33.3%)");
    EXPECT_EQ(some.lostLabel, "(66.7%)");
    EXPECT_EQ(some.pieValue, 33);
    EXPECT_EQ(MakeWonLost(0, 4).lostLabel, "(100%)");
}

TEST(StatisticsTextsTest, DurationsShowAStarWhenTheHoursDoNotFit) {
    EXPECT_EQ(DurationText(0, 1), "0:00:00");
    EXPECT_EQ(DurationText(3725, 1), "1:02:05");
    EXPECT_EQ(DurationText(3725, 2, '.'), "01.02.05");
    EXPECT_EQ(DurationText(10 * 3600 + 5, 1), "*:00:05");
    EXPECT_EQ(DurationText(99 * 3600, 2), "99:00:00");
    EXPECT_EQ(DurationText(100 * 3600, 2), "*:00:00");
    EXPECT_EQ(DurationText(-4, 1), "0:00:00");
}

TEST(StatisticsTextsTest, DurationsPadHoursToTheirFieldAndStarWhatDoesNotFit) {
    EXPECT_EQ(DurationText(0, 2, ':'), "00:00:00");
    EXPECT_EQ(DurationText(3 * 3600 + 61, 2, ':'), "03:01:01");
    EXPECT_EQ(DurationText(99 * 3600 + 3599, 2, '.'), "99.59.59");
    EXPECT_EQ(DurationText(100 * 3600, 2, ':'), "*:00:00");
    EXPECT_EQ(DurationText(9 * 3600, 1, ':'), "9:00:00");
    EXPECT_EQ(DurationText(10 * 3600 + 5, 1, ':'), "*:00:05");
    EXPECT_EQ(DurationText(-1, 2, ':'), "00:00:00");
}

TEST(StatisticsTextsTest, ChanceAgainstTheCatalogue) {
    const GameStats stats = {2, 2, 0, 0, 0, 0, 0, 0, 0};
    const ChanceView builtIn = MakeGameChance(stats, GameChance{1, 3, 1});
    EXPECT_EQ(builtIn.line, "About 1 in 3");
    ASSERT_TRUE(builtIn.average);
    EXPECT_DOUBLE_EQ(*builtIn.average, 33.3);
    EXPECT_EQ(builtIn.yoursText, "50 %");
    EXPECT_TRUE(builtIn.yoursAhead);
    const ChanceView custom = MakeGameChance(stats, std::nullopt);
    EXPECT_EQ(custom.line, "Customized game");
    EXPECT_FALSE(custom.average);
    EXPECT_EQ(custom.averageText, "");
    EXPECT_FALSE(MakeGameChance(stats, GameChance{0, 0, -1}).average);
}

std::string Records(int count, GameId game = 7, int wonEvery = 2) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        GameResult r;
        r.gameId = game;
        r.won = i % wonEvery == 0;
        r.end = {2006 + i / 12, 1 + i % 12, 1, 0, 0, 0, 0};
        bytes += ProgressionBytes(r);
    }
    return bytes;
}

TEST(ProgressionTest, RecordsDecodeBackToGameMonthAndResult) {
    GameResult r;
    r.gameId = 10042;
    r.won = true;
    r.end = {1999, 11, 3, 0, 0, 0, 0};
    auto records = ParseProgression(ProgressionBytes(r) + "xy");  // a cut-off record is ignored
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].game, 10042);
    EXPECT_TRUE(records[0].won);
    EXPECT_EQ(records[0].month, (Month{1999, 11}));
    EXPECT_EQ(MonthLabel(records[0].month), "Nov 99");
    r.won = false;
    r.end.year = 2007;
    records = ParseProgression(ProgressionBytes(r));
    EXPECT_FALSE(records[0].won);
    EXPECT_EQ(records[0].month, (Month{2007, 11}));
}

TEST(ProgressionTest, StepsLabelsAndAxis) {
    const auto few = ParseProgression(Records(45));
    const ProgressionSeries every = BuildProgression(few, {7, {}, {}, 30});
    ASSERT_EQ(every.values.size(), 45u);  // step 1
    EXPECT_EQ(every.values[0], 100);
    EXPECT_EQ(every.values[1], 50);

    const auto many = ParseProgression(Records(100));
    const ProgressionSeries stepped = BuildProgression(many, {7, {}, {}, 30});
    // Step 3: records 1, 4, 7, ... 100 (the last record is also record 100).
    ASSERT_EQ(stepped.values.size(), 34u);
    EXPECT_DOUBLE_EQ(stepped.values[1], PercentWon(2, 2));  // after record 4: won 1, 3
    EXPECT_EQ(stepped.values.back(), 50);
    std::vector<std::size_t> labelled;
    for (std::size_t i = 0; i < stepped.labels.size(); ++i)
        if (!stepped.labels[i].empty())
            labelled.push_back(i);
    EXPECT_EQ(labelled, (std::vector<std::size_t>{0, 17, 33}));
    EXPECT_EQ(stepped.labels[0], "Jan 06");
    EXPECT_FALSE(stepped.fixedAxis);
    EXPECT_TRUE(stepped.wholeNumberAxis);

    // Another game's records and months outside the range are left out.
    EXPECT_TRUE(BuildProgression(many, {8, {}, {}, 30}).values.empty());
    const ProgressionSeries year =
        BuildProgression(many, {{}, Month{2007, 1}, Month{2007, 12}, 150});
    EXPECT_EQ(year.values.size(), 12u);
    EXPECT_EQ(year.labels.front(), "Jan 07");

    const ProgressionSeries lost =
        BuildProgression(ParseProgression(Records(3, 7, 1000).substr(4)), {});
    EXPECT_TRUE(lost.fixedAxis);
    const auto months = ProgressionMonths(many, 7);
    ASSERT_EQ(months.size(), 100u);
    EXPECT_EQ(months.back(), (Month{2014, 4}));
}

std::vector<GameTotals> Games() {
    return {{1, "Beta", 3, 1, GameChance{1, 2, 0}, 40},    // 75 against 50: over
            {2, "alpha", 1, 3, GameChance{1, 2, 0}, 10},   // 25 against 50: under
            {3, "Gamma", 0, 0, GameChance{1, 4, 0}, 0},    // not played: under (0 < 25)
            {4, "Delta", 0, 2, GameChance{1, 10, 0}, -5},  // lost only
            {10001, "Own", 2, 0, std::nullopt, 30}};       // a custom layout
}

TEST(StatisticsListTest, FiltersAndCells) {
    const auto names = [](const std::vector<ListRow>& rows) {
        std::vector<std::string> list;
        for (const ListRow& row : rows)
            list.push_back(row.game);
        return list;
    };
    const auto all = MakeList(Games(), ListFilter::All);
    EXPECT_EQ(names(all), (std::vector<std::string>{"alpha", "Beta", "Delta", "Gamma", "Own"}));
    EXPECT_EQ(all[3].won, "");
    EXPECT_EQ(all[3].percentWon, "");
    EXPECT_EQ(all[3].percentAverage, "25");
    EXPECT_EQ(all[4].percentAverage, "");
    EXPECT_EQ(names(MakeList(Games(), ListFilter::Won)),
              (std::vector<std::string>{"alpha", "Beta", "Own"}));
    EXPECT_EQ(names(MakeList(Games(), ListFilter::NotWon)), (std::vector<std::string>{"Delta"}));
    EXPECT_EQ(names(MakeList(Games(), ListFilter::OverAverage)),
              (std::vector<std::string>{"Beta"}));
    EXPECT_EQ(names(MakeList(Games(), ListFilter::UnderAverage)),
              (std::vector<std::string>{"alpha", "Delta", "Gamma"}));
    EXPECT_EQ(names(MakeList(Games(), ListFilter::NotPlayed)), (std::vector<std::string>{"Gamma"}));
}

TEST(StatisticsListTest, TotalsSharesSequencesAndPlayers) {
    const TotalView totals = MakeTotals(Games());  // the custom layout stays out
    EXPECT_EQ(totals.wonLost.won, 4);
    EXPECT_EQ(totals.wonLost.lost, 6);
    EXPECT_DOUBLE_EQ(totals.yours, 25);      // (75 + 25 + 0 + 0) / 4
    EXPECT_DOUBLE_EQ(totals.average, 33.8);  // (50 + 50 + 25 + 10) / 4
    const ShareView won = MakeWonShares(Games());
    EXPECT_EQ(won.first, 3);
    EXPECT_EQ(won.second, 1);
    EXPECT_EQ(won.notPlayed, 1);
    EXPECT_DOUBLE_EQ(won.firstShare, 60);
    EXPECT_DOUBLE_EQ(won.notPlayedShare, 20);
    const ShareView average = MakeAverageShares(Games());
    EXPECT_EQ(average.first, 1);
    EXPECT_EQ(average.second, 2);
    EXPECT_EQ(average.notPlayed, 1);

    const SequenceView sequences = MakeSequences({5, 3, 4, 1, 0, 2, 0, 0, 0});
    EXPECT_DOUBLE_EQ(sequences.wonShare, 80);
    EXPECT_DOUBLE_EQ(sequences.lostShare, 20);
    EXPECT_EQ(sequences.current, "Current: 2 Lost");
    EXPECT_EQ(MakeSequences({}).current, "");

    const std::vector<std::pair<std::string, GameStats>> players = {
        {"Annabella Smith", {1, 2, 0, 0, 0, 0, 300, 0, 0}}, {"Bo", {3, 1, 0, 0, 0, 0, 100, 0, 0}}};
    const auto bars = MakePlayerBars(players, PlayerValue::PercentWon);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].label, "Bo");
    EXPECT_EQ(bars[0].value, 75);
    EXPECT_EQ(bars[1].label, "Annabella ");
    EXPECT_EQ(bars[1].value, 33);
    EXPECT_EQ(MakePlayerBars(players, PlayerValue::AverageScore)[0].value, 100);
    EXPECT_EQ(MakePlayerBars(players, PlayerValue::GamesWon)[0].label, "Bo");
}

GameResult Logged(int k, const char* player, const char* game) {
    GameResult r;
    r.won = k % 2 == 0;
    r.gameId = 3;
    r.gameName = game;
    r.player = player;
    r.scoreType = "01";
    r.gameNumber = FormatFixed(k, 13);
    r.end = {2007, 2, 28, 9, 15, 0, 0};
    r.elapsed = 3725;
    r.score = k;
    r.undoPenaltyTotal = 20;
    r.tilesLeft = 4;
    return r;
}

TEST(LogWindowTest, RowsAndTheFastReadingOfALongLog) {
    test::TempFolder temp;
    const std::string log = temp / "Stat_log.dat";
    std::string text;
    for (int k = 1; k <= 12000; ++k)
        text += FormatLogLine(Logged(k, k % 3 == 0 ? "Bob" : "Ann", "Twins")) + "\r\n";
    ASSERT_TRUE(WriteFileAtomically(log, text));
    EXPECT_EQ(EstimateLogRecords(log), 12000u);

    const auto fast = ReadLogRows(log, kAllGames, kAllPlayers, true);
    ASSERT_EQ(fast.size(), 5000u);
    EXPECT_EQ(fast.front().score, 12000);  // newest first
    EXPECT_EQ(fast.back().score, 7001);
    // Bob's records among the last 10001 lines: 3334 of them.
    const auto bob = ReadLogRows(log, "Twins", "Bob", true);
    EXPECT_EQ(bob.size(), 3334u);
    EXPECT_EQ(bob.back().score, 2001);
    EXPECT_EQ(ReadLogRows(log, kAllGames, "Bob", false).size(), 4000u);
    EXPECT_TRUE(ReadLogRows(log, "Other", kAllPlayers, false).empty());

    const LogRow& row = fast.front();
    EXPECT_EQ(row.date, "20070228");
    EXPECT_EQ(row.start, "09:15");
    EXPECT_EQ(row.time, "1:02:05");
    EXPECT_EQ(row.game, "Twins");
    EXPECT_TRUE(row.won);
    EXPECT_EQ(row.undoPenalty, -20);
    EXPECT_EQ(row.tilesLeft, 4);
    EXPECT_EQ(row.player, "Bob");
    EXPECT_EQ(row.number, "0000000012000");
    EXPECT_EQ(row.gameType, "MahJong");

    const LogRow damaged = ParseLogRow("20070230 xx");
    EXPECT_EQ(damaged.date, "");
    EXPECT_EQ(damaged.score, 0);
    EXPECT_EQ(damaged.game, "");
}

}  // namespace
}  // namespace jw
