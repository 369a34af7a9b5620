#include "engine/LayoutFile.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"

namespace jw {
namespace {

TEST(LineScramble, EveryByteAtEveryKeyPositionComesBack) {
    for (int position = 0; position < 10; ++position) {
        for (int value = 0; value < 256; ++value) {
            std::string plain(static_cast<std::size_t>(position), 'a');
            plain.push_back(static_cast<char>(value));
            const std::string scrambled = ScrambleLine(plain);
            ASSERT_EQ(UnscrambleLine(scrambled), plain) << "byte " << value << " at " << position;
        }
    }
}

TEST(LineScramble, KeyRestartsOnEveryLineAndLineZeroStaysPlain) {
    EXPECT_EQ(ScrambleLine("0000000000"), std::string("gceai`hbfd"));
    std::vector<std::string> lines = {"01", "same text", "same text"};
    ScrambleLines(lines);
    EXPECT_EQ(lines[0], "01");
    EXPECT_EQ(lines[1], lines[2]);
    EXPECT_NE(lines[1], "same text");
    UnscrambleLines(lines);
    EXPECT_EQ(lines[1], "same text");
}

TEST(LineScramble, OnlyHighBytesWrapIntoLineBreaks) {
    int breaking = 0;
    for (int column = 1; column <= 10; ++column) {
        for (int value = 0; value < 256; ++value) {
            if (ScramblesToLineBreak(static_cast<unsigned char>(value), column)) {
                ++breaking;
                EXPECT_GE(value, 209);
                EXPECT_LE(value, 221);
            }
        }
    }
    EXPECT_EQ(breaking, 20);  // a CR and an LF at each key position
}

// Player names are UTF-8: no character of any name may put a CR or LF into
// the scrambled header, and what is kept must stay whole characters.
TEST(PlayerName, NeverScramblesIntoALineBreak) {
    for (int lead = 0xC2; lead <= 0xDF; ++lead) {
        for (int shift = 0; shift < 10; ++shift) {
            LayoutHeader header;
            header.kind = 2;
            header.playerName = std::string(static_cast<std::size_t>(shift), 'p') +
                                static_cast<char>(lead) + '\x90' + "Z";
            const std::string line = FormatHeader(header);
            ASSERT_EQ(line.size(), 378u);
            const std::string scrambled = ScrambleLine(line);
            ASSERT_EQ(scrambled.find_first_of("\r\n"), std::string::npos)
                << "lead " << lead << " shift " << shift;
            const std::string_view name = TrimRight(HeaderText(line, kFieldPlayerName));
            EXPECT_TRUE(name.ends_with("Z"));
            EXPECT_TRUE(name.ends_with(std::string(1, static_cast<char>(lead)) + "\x90Z") ||
                        name.ends_with("?Z"));
        }
    }
}

TEST(PlayerName, KeepsCharactersThatScrambleSafely) {
    // Column 215 takes key digit '9' (57): 0xD1 + 57 wraps to 10, a line feed.
    EXPECT_TRUE(ScramblesToLineBreak(0xD1, kFieldPlayerName.from));
    EXPECT_EQ(ScrambleSafeText("\xD1\x8F"
                               "ax",
                               kFieldPlayerName.from, 50),
              "?ax");
    EXPECT_EQ(ScrambleSafeText("a\xD1\x8F", kFieldPlayerName.from, 50), "a\xD1\x8F");
    EXPECT_EQ(ScrambleSafeText("Zoë", kFieldPlayerName.from, 50), "Zoë");
    EXPECT_EQ(ScrambleSafeText(std::string(60, 'n'), kFieldPlayerName.from, 50).size(), 50u);
}

TEST(LayoutHeader, FieldsLieInTheirColumns) {
    LayoutHeader h;
    h.kind = 2;
    h.gameNumber = "1234567890123";
    h.playerName = "Anna";
    h.elapsedSeconds = 754;
    h.scoreType = "02";
    h.tileCount = 144;
    h.madeInEditor = true;
    h.gameId = 57;
    h.matchesMade = 12;
    h.undoCount = 3;
    h.undoPenaltyTotal = -45;
    h.redoCount = 1;
    h.redoPenaltyTotal = 7;
    h.suggestCount = 2;
    h.suggestPenaltyTotal = 30;
    h.shuffleCount = 1;
    h.shufflePenaltyTotal = 100;
    h.rawScore = 98765;
    const std::string line = FormatHeader(h);
    ASSERT_EQ(line.size(), 378u);
    EXPECT_EQ(line.substr(0, 1), "2");
    EXPECT_EQ(line.substr(1, 200), std::string(200, ' '));
    EXPECT_EQ(HeaderText(line, kFieldGameNumber), "1234567890123");
    EXPECT_EQ(HeaderText(line, kFieldPlayerName), PadRight("Anna", 50));
    EXPECT_EQ(HeaderText(line, kFieldElapsed), "000754");
    EXPECT_EQ(HeaderText(line, kFieldScoreType), "02");
    EXPECT_EQ(Columns(line, 273, 6), "000000");
    EXPECT_EQ(HeaderText(line, kFieldTileCount), "0144");
    EXPECT_EQ(HeaderText(line, kFieldEditorFlag), "C");
    EXPECT_EQ(HeaderText(line, kFieldGameId), "00057");
    EXPECT_EQ(HeaderText(line, kFieldUndoTotal), "-00000000045");
    EXPECT_EQ(HeaderText(line, kFieldShuffleTotal), "000000000100");
    EXPECT_EQ(HeaderText(line, kFieldRawScore), "000000098765");

    const LayoutHeader layout;  // a custom layout's header
    const std::string kindOne = FormatHeader(layout);
    EXPECT_EQ(HeaderText(kindOne, kFieldGameNumber), "0000000000000");
    EXPECT_EQ(HeaderText(kindOne, kFieldScoreType), "  ");
    EXPECT_EQ(HeaderText(kindOne, kFieldGameId), "-0001");
    EXPECT_EQ(HeaderText(kindOne, kFieldEditorFlag), "S");
}

TEST(CellRecords, FormatAndParse) {
    EXPECT_EQ(FormatCellRecord({1, 2, 3, 1017}), "010020031017");
    EXPECT_EQ(FormatCellRecord({5, 199, 200, -1}), "05199200-001");
    EXPECT_EQ(ParseCellRecord("05199200-002"), (CellRecord{5, 199, 200, -2}));
    EXPECT_FALSE(ParseCellRecord("0100200310x7"));
    EXPECT_FALSE(ParseCellRecord("01002003101"));  // cut short
}

TEST(CellRecords, BodyReachesTheLastColumnAndRow) {
    Board board;
    board.PlaceTile(1, 199, 199, 7);
    const std::string body = FormatBody(board);
    EXPECT_EQ(body,
              "011991991007"
              "011992002007"
              "012001992007"
              "012002002007");
}

TEST(LayoutLines, FileShape) {
    LayoutFileContent content;
    content.suggestedPairs = "pairs";
    content.body = "010010011001";
    content.undoLines = {"u1", "u2"};
    content.redoLines = {"r1"};
    content.originX = 12;
    content.originY = 345;
    const std::vector<std::string> lines = BuildLayoutLines(content);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "01");
    EXPECT_EQ(lines[2], "020200000000");
    EXPECT_EQ(lines[3], "0001200345");
    EXPECT_EQ(lines[4], "pairs");
    for (int i = 5; i <= 9; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], "");
    }
    EXPECT_EQ(lines[10], "010010011001");
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 11, lines.end()),
        (std::vector<std::string>{"[Un_St]", "u1", "u2", "[Un_En]", "[Re_St]", "r1", "[Re_En]"}));
    const std::string text = LayoutFileText(content);
    EXPECT_TRUE(text.starts_with("01\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(BuiltInLayoutName(7), "G00007");
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

TEST(LayoutFileReading, WhatTheWriterWroteComesBack) {
    LayoutFileContent content;
    content.header.kind = static_cast<int>(LayoutFileKind::SavedGame);
    content.header.gameNumber = "0944977087944";
    content.header.playerName = "Ann";
    content.header.elapsedSeconds = 754;
    content.header.scoreType = "02";
    content.header.tileCount = 144;
    content.header.madeInEditor = true;
    content.header.gameId = 17;
    content.header.matchesMade = 5;
    content.header.undoCount = 2;
    content.header.undoPenaltyTotal = 40;
    content.header.shuffleCount = 1;
    content.header.shufflePenaltyTotal = -7;
    content.header.rawScore = 1234;
    content.rules = {3, 4, 1, 2, 0, 1};
    content.suggestedPairs = "ab cd";
    content.body = FormatCellRecord({1, 2, 3, 1001}) + FormatCellRecord({1, 3, 3, 5001});
    content.undoLines = {"one", "two"};
    content.redoLines = {"three"};

    const std::optional<LayoutFileContent> read = ParseLayoutFile(LayoutFileText(content));
    ASSERT_TRUE(read);
    EXPECT_EQ(FormatHeader(read->header), FormatHeader(content.header));
    EXPECT_EQ(read->rules, content.rules);
    EXPECT_EQ(read->suggestedPairs, content.suggestedPairs);
    EXPECT_EQ(read->body, content.body);
    EXPECT_EQ(read->undoLines, content.undoLines);
    EXPECT_EQ(read->redoLines, content.redoLines);
}

TEST(LayoutFileReading, DamagedFieldsReadAsTheirDefaults) {
    EXPECT_FALSE(ParseLayoutFile("01\r\nshort\r\n"));

    std::vector<std::string> lines(12);
    lines[0] = "01";
    lines[1] = std::string(378, 'x');  // no field is a number
    lines[2] = "0204xx0101";           // a rule that is not a number
    lines[4] = "  pairs  ";
    lines[10] = "   " + FormatCellRecord({1, 1, 1, 1001}) + "  ";
    lines[11] = "[Un_St]";  // no end marker: the records run to the end
    lines.push_back(" rec ");
    lines.push_back("");
    ScrambleLines(lines);
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";  // LF alone is read too
    }
    const std::optional<LayoutFileContent> read = ParseLayoutFile(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->header.tileCount, -1);
    EXPECT_EQ(read->header.gameId, -1);
    EXPECT_EQ(read->header.elapsedSeconds, 0);
    EXPECT_EQ(read->header.rawScore, 0);
    EXPECT_FALSE(read->header.madeInEditor);
    EXPECT_EQ(read->rules, LayoutRules{});
    EXPECT_EQ(read->suggestedPairs, "pairs");
    EXPECT_EQ(read->body, FormatCellRecord({1, 1, 1, 1001}));
    EXPECT_EQ(read->undoLines, std::vector<std::string>{"rec"});
    EXPECT_TRUE(read->redoLines.empty());
}

TEST(LayoutFileReading, RulesTakeABlankFaceDownAndAZeroRepetition) {
    std::vector<std::string> lines(11);
    lines[0] = "01";
    lines[2] = "0200010000";
    ScrambleLines(lines);
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    const std::optional<LayoutFileContent> read = ParseLayoutFile(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->rules, (LayoutRules{2, 2, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace jw
