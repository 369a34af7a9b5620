#include "records/OverallScore.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"

namespace jw {
namespace {

using test::TempFolder;

// Filler digits counting 0, 1, ... 8, 0, ...: a repeatable encoding.
FillerSource CountingFillers() {
    return [next = 0]() mutable { return static_cast<char>('0' + next++ % 9); };
}

TEST(OverallCodecTest, ChecksumAndScramblingFollowTheirFormulas) {
    // "A" (65): 65 + 65/2 + (1+65)%3 + 1 = 65 + 32 + 0 + 1.
    EXPECT_EQ(OverallChecksum("A"), 98);
    // "AB": 98 + 66 + 66 + (2+66)%3 + 2 = 98 + 66 + 66 + 2 + 2.
    EXPECT_EQ(OverallChecksum("AB"), 234);
    EXPECT_EQ(ScrambleOverall("000000"), "egbfae");
    EXPECT_EQ(UnscrambleOverall(ScrambleOverall("\xff\x01 z")), "\xff\x01 z");
}

TEST(OverallCodecTest, NumbersStandAtTheirPositionsBetweenFillers) {
    const FillerSource filler = CountingFillers();
    const std::string score = EncodeTotalScore(123456789012, filler);
    ASSERT_EQ(score.size(), 28u);
    std::string digits;
    for (int pos = 3; pos <= 25; pos += 2)
        digits.push_back(score[static_cast<std::size_t>(pos - 1)]);
    EXPECT_EQ(digits, "123456789012");

    const std::string time = EncodeTotalTime(3723, filler);
    ASSERT_EQ(time.size(), 28u);
    digits.clear();
    for (int pos = 2; pos <= 24; pos += 2)
        digits.push_back(time[static_cast<std::size_t>(pos - 1)]);
    EXPECT_EQ(digits, "000000003723");

    const std::string check = EncodeTotalsCheck(score, time);
    const std::string salted = std::string("0841").append(score).append(time);
    EXPECT_EQ(check, std::string("0841").append(FormatFixed(OverallChecksum(salted), 8)));

    const std::string game = EncodeGameScore(120, filler);
    ASSERT_EQ(game.size(), 25u);
    EXPECT_EQ(game.substr(1, 2) + game.substr(4, 2) + game.substr(16, 2), "000020");
    EXPECT_EQ(game.substr(19), FormatFixed(OverallChecksum(game.substr(0, 19)), 6));
    const std::string gameTime = EncodeGameTime(654321, filler);
    ASSERT_EQ(gameTime.size(), 16u);
    EXPECT_EQ(gameTime.substr(2, 2) + gameTime.substr(5, 2) + gameTime.substr(8, 2), "654321");

    const auto totals = DecodeTotals(score, time, check);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->score, 123456789012);
    EXPECT_EQ(totals->seconds, 3723);
    EXPECT_EQ(DecodeGameScore(game), 120);
    EXPECT_EQ(DecodeGameTime(gameTime), 654321);
}

TEST(OverallCodecTest, IntegrityRuleCatchesEveryKindOfDamage) {
    const FillerSource filler = CountingFillers();
    const std::string score = EncodeTotalScore(500, filler);
    const std::string time = EncodeTotalTime(60, filler);
    const std::string check = EncodeTotalsCheck(score, time);
    ASSERT_TRUE(DecodeTotals(score, time, check));

    std::string changedFiller = score;
    changedFiller[0] = changedFiller[0] == '0' ? '1' : '0';  // the checksum covers the fillers
    EXPECT_FALSE(DecodeTotals(changedFiller, time, check));
    std::string notADigit = time;
    notADigit[1] = 'x';
    EXPECT_FALSE(DecodeTotals(score, notADigit, check));
    EXPECT_FALSE(DecodeTotals(score, time.substr(0, 20), check));
    EXPECT_FALSE(DecodeTotals(score, time, "0841"));

    std::string game = EncodeGameScore(77, filler);
    game[4] = game[4] == '5' ? '6' : '5';
    EXPECT_FALSE(DecodeGameScore(game));
    EXPECT_FALSE(DecodeGameTime("0000000000000x"));

    // A missing key decodes to 0 without a checksum.
    for (const char* key : {"T01", "T02", "GS-00005", "GT-00005"})
        EXPECT_EQ(UnscrambleOverall(MissingOverallValue(key)), std::string(30, '0')) << key;
    EXPECT_TRUE(DecodeTotals(UnscrambleOverall(MissingOverallValue("T01")),
                             UnscrambleOverall(MissingOverallValue("T02")),
                             UnscrambleOverall(MissingOverallValue("T03"))));
    EXPECT_EQ(DecodeGameScore(std::string(30, '0')), 0);
}

TEST(OverallCodecTest, ExportCodeDeciphersToNameTotalsAndAValidChecksum) {
    const FillerSource filler = RandomFillers();
    const std::string score = ScrambleOverall(EncodeTotalScore(4321, filler));
    const std::string time = ScrambleOverall(EncodeTotalTime(987, filler));
    const std::string check =
        ScrambleOverall(EncodeTotalsCheck(UnscrambleOverall(score), UnscrambleOverall(time)));
    const std::string code = OverallExportCode("Anna", score, time, check);
    ASSERT_EQ(code.front(), 'm');
    EXPECT_EQ(code.find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-", 1),
              std::string::npos);
    // 106 bytes of 8 bits in groups of 6, no fill characters.
    EXPECT_EQ(code.size(), 1u + (106u * 8u + 5u) / 6u);

    const auto decoded = DecodeOverallExportCode(code);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->player, "Anna");
    EXPECT_TRUE(decoded->checksumValid);
    const auto totals = DecodeTotals(UnscrambleOverall(decoded->storedScore),
                                     UnscrambleOverall(decoded->storedTime),
                                     UnscrambleOverall(decoded->storedCheck));
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->score, 4321);
    EXPECT_EQ(totals->seconds, 987);

    std::string tampered = code;
    tampered[40] = tampered[40] == 'A' ? 'B' : 'A';
    const auto broken = DecodeOverallExportCode(tampered);
    EXPECT_TRUE(!broken || !broken->checksumValid);
    std::string otherStart = code;
    otherStart[0] = 'x';
    EXPECT_FALSE(DecodeOverallExportCode(otherStart));
}

class OverallFileTest : public ::testing::Test {
  protected:
    TempFolder temp;
    OverallScore overall{temp.Path().string()};
    int resets = 0;
    void SetUp() override {
        overall.onReset = [this] { ++resets; };
    }
    std::int64_t GameScore(const std::string& player, GameId id) {
        const auto details = overall.LoadPlayerDetails(player);
        for (const auto& game : details.value_or(OverallDetails{}).games)
            if (game.id == id)
                return game.score;
        return -1;
    }
};

TEST_F(OverallFileTest, BestResultsMakeTheTotals) {
    ASSERT_TRUE(overall.Update(5, "Ann", false, 300, 120));
    auto details = overall.LoadPlayerDetails("Ann");
    ASSERT_TRUE(details);
    EXPECT_EQ(details->score, 120);
    EXPECT_EQ(details->seconds, 300);
    EXPECT_EQ(details->games.size(), 106u);
    EXPECT_EQ(ListKeys(overall.Path(), "Ann"),
              (std::vector<std::string>{"T01", "T02", "T03", "GS-00005", "GT-00005"}));

    const std::string before = ReadFileBytes(overall.Path(), 1 << 20).value_or("");
    ASSERT_TRUE(overall.Update(5, "Ann", false, 10, 100));  // lower: nothing changes
    EXPECT_EQ(ReadFileBytes(overall.Path(), 1 << 20).value_or(""), before);

    ASSERT_TRUE(overall.Update(5, "Ann", false, 200, 120));  // same score, faster
    ASSERT_TRUE(overall.Update(9, "Ann", false, 50, 30));
    ASSERT_TRUE(overall.Update(10000, "Ann", false, 1, 5000));  // own layouts never count
    ASSERT_TRUE(overall.Update(9, "Ann", false, 1, -5));        // nor negative scores
    details = overall.LoadPlayerDetails("Ann");
    ASSERT_TRUE(details);
    EXPECT_EQ(details->score, 150);
    EXPECT_EQ(details->seconds, 250);

    ASSERT_TRUE(overall.Update(5, "Ann", true, 0, 0));  // taken off again
    EXPECT_EQ(GameScore("Ann", 5), 0);
    const auto standings = overall.LoadStandings();
    ASSERT_EQ(standings.size(), 1u);
    EXPECT_EQ(standings[0].score, 30);
    EXPECT_EQ(standings[0].seconds, 50);
    EXPECT_EQ(resets, 0);
}

TEST_F(OverallFileTest, StandingsRankByScoreThenTimeAndLeaveOutZeros) {
    overall.Update(1, "Cid", false, 100, 50);
    overall.Update(1, "Ann", false, 100, 80);
    overall.Update(2, "Bob", false, 90, 50);
    overall.Update(3, "Dan", false, 90, 50);  // equal to Bob: after him, as in the file
    overall.Update(4, "Eve", false, 10, 20);
    overall.Update(4, "Eve", true, 0, 0);  // all of Eve's bests are 0
    const auto standings = overall.LoadStandings();
    std::vector<std::string> names;
    for (const auto& s : standings)
        names.push_back(s.player);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob", "Dan", "Cid"}));
    const auto decoded = DecodeOverallExportCode(overall.ExportCode("Bob"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->player, "Bob");
    EXPECT_TRUE(decoded->checksumValid);
    EXPECT_EQ(overall.ExportCode("Eve"), "");
}

TEST_F(OverallFileTest, FreshFillersOnEveryWriteAndBothStayValid) {
    overall.Update(5, "Ann", false, 300, 120);
    const std::string first = ReadValue(overall.Path(), "Ann", "T01", "");
    overall.Update(5, "Ann", true, 300, 120);
    const std::string second = ReadValue(overall.Path(), "Ann", "T01", "");
    EXPECT_NE(first, second);
    EXPECT_EQ(overall.LoadStandings().at(0).score, 120);
}

TEST_F(OverallFileTest, ADamagedValueResetsTheWholeFile) {
    overall.Update(5, "Ann", false, 300, 120);
    overall.Update(5, "Bob", false, 300, 90);
    std::string t01 = ReadValue(overall.Path(), "Ann", "T01", "");
    ASSERT_EQ(t01.size(), 28u);
    t01[6] = static_cast<char>(t01[6] + 1);
    ASSERT_TRUE(WriteValue(overall.Path(), "Ann", "T01", t01));

    EXPECT_TRUE(overall.LoadStandings().empty());
    EXPECT_EQ(resets, 1);
    EXPECT_FALSE(std::filesystem::exists(overall.Path()));

    // Growing again from nothing.
    ASSERT_TRUE(overall.Update(5, "Bob", false, 30, 10));
    EXPECT_EQ(overall.LoadStandings().at(0).score, 10);
}

TEST_F(OverallFileTest, DamageInAGameValueIsFoundByUpdateAndDetails) {
    overall.Update(5, "Ann", false, 300, 120);
    ASSERT_TRUE(WriteValue(overall.Path(), "Ann", "GT-00005", "zzzz"));
    EXPECT_FALSE(overall.Update(5, "Ann", false, 10, 500));
    EXPECT_EQ(resets, 1);

    overall.Update(6, "Ann", false, 300, 120);
    std::string gs = ReadValue(overall.Path(), "Ann", "GS-00006", "");
    gs.pop_back();  // a value of the wrong length
    ASSERT_TRUE(WriteValue(overall.Path(), "Ann", "GS-00006", gs));
    EXPECT_FALSE(overall.LoadPlayerDetails("Ann"));
    EXPECT_EQ(resets, 2);
}

TEST_F(OverallFileTest, BinaryOrTruncatedFilesNeverCrash) {
    ASSERT_TRUE(WriteFileAtomically(overall.Path(), std::string("[Ann]\r\nT01=\xff\x00\x01", 13)));
    EXPECT_TRUE(overall.LoadStandings().empty());
    EXPECT_EQ(resets, 1);
    ASSERT_TRUE(WriteFileAtomically(overall.Path(), "[Ann]\r\nT01"));
    EXPECT_TRUE(overall.LoadStandings().empty());  // no values: all zero
    EXPECT_EQ(resets, 1);
}

}  // namespace
}  // namespace jw
