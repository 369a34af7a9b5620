// The comments' RTF: what the program writes reads back with its styles, and
// word-processor RTF and damaged files give their text without crashing.
#include "records/RichText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/Comments.h"

namespace jw {
namespace {

constexpr TextStyle kPlain{};
constexpr TextStyle kBold{true, false, false};
constexpr TextStyle kItalic{false, true, false};
constexpr TextStyle kUnderline{false, false, true};
constexpr TextStyle kAll{true, true, true};

// Whether the text is valid UTF-8 (the editor is handed nothing else).
bool ValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int n = b < 0x80             ? 1
                      : (b & 0xE0) == 0xC0 ? 2
                      : (b & 0xF0) == 0xE0 ? 3
                      : (b & 0xF8) == 0xF0 ? 4
                                           : 0;
        if (n == 0 || i + static_cast<std::size_t>(n) > text.size()) {
            return false;
        }
        for (int k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) !=
                0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Dump(const StyledText& text) {
    std::string out;
    for (const StyledRun& run : text) {
        out += '[';
        out += run.style.bold ? 'b' : '-';
        out += run.style.italic ? 'i' : '-';
        out += run.style.underline ? 'u' : '-';
        out += ']';
        for (const char c : run.text) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 || b >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "<%02X>", b);
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out;
}

TEST(RichText, StylesAndSpecialCharactersSurviveTheRoundTrip) {
    const StyledText text = {
        {"Plain {braces} and \\backslash\\ ", kPlain},
        {"bold", kBold},
        {" then ", kPlain},
        {"italic\n", kItalic},
        {"under", kUnderline},
        {"all three\ttabbed", kAll},
        {"\nZoë – 東京 😀 €", kPlain},
    };
    const std::string rtf = WriteRtf(text);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    // Only ASCII in the file; the rest as Unicode escapes.
    for (const char c : rtf) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
    EXPECT_NE(rtf.find("\\u235?"), std::string::npos);     // ë
    EXPECT_NE(rtf.find("\\u-10179?"), std::string::npos);  // high surrogate of U+1F600
    EXPECT_EQ(ReadRtf(rtf), text);
}

TEST(RichText, WriterDropsControlCharactersAndRepairsBadUtf8) {
    StyledText text = {{std::string("a\x01"
                                    "b\x7f"
                                    "c\xff"
                                    "d\xc3",
                                    8),
                        kPlain}};
    const StyledText back = ReadRtf(WriteRtf(text));
    EXPECT_EQ(PlainText(back),
              "abc\xEF\xBF\xBD"
              "d\xEF\xBF\xBD");
}

TEST(RichText, ReadsWordProcessorRtf) {
    // The usual furniture of a word processor's file around two paragraphs.
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
        "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\froman Times New Roman;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\stylesheet{\\s0 Normal;}{\\s1\\b heading 1;}}\r\n"
        "{\\info{\\author Someone}{\\title A title}}\r\n"
        "{\\*\\generator Riched20 10.0.19041}{\\*\\rsidtbl \\rsid123}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22\\lang9 Caf\\'e9 \\b bold\\b0 , "
        "{\\i italic} \\ul under\\ulnone  \\uldb double\\ul0  end\\par\r\n"
        "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"
        "\\emdash\\~\\ldblquote q\\rdblquote\\u8364\\'80\\par\r\n"
        "{\\pict\\wmetafile8 0123456789abcdef}\\plain tail}";
    const StyledText text = ReadRtf(rtf);
    EXPECT_EQ(
        PlainText(text),
        "Café bold, italic under double end\nlink\xE2\x80\x94\xC2\xA0\xE2\x80\x9Cq\xE2\x80\x9D"
        "\xE2\x82\xAC\ntail");
    const StyledText expected_start = {
        {"Café ", kPlain}, {"bold", kBold},       {", ", kPlain}, {"italic", kItalic},
        {" ", kPlain},     {"under", kUnderline}, {" ", kPlain},  {"double", kUnderline}};
    ASSERT_GE(text.size(), expected_start.size());
    EXPECT_TRUE(std::equal(expected_start.begin(), expected_start.end(), text.begin()));
}

TEST(RichText, UnicodeSkipCountAndSurrogates) {
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1\\uc2 \\u26481\\'93\\'8cX}")), "東X");
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1\\uc0 \\u26481 X}")), "東X");
    // A lone surrogate and a value beyond 16 bits become U+FFFD.
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1\\u-10179?x\\u99999?}")), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(RichText, DamagedRtfKeepsItsText) {
    // Unbalanced braces: a stray closing brace, a group never closed.
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1 one}} two}{\\b three")), "one twothree");
    // Truncated in a control word, a hex escape and a Unicode escape.
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1 abc\\")), "abc");
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1 abc\\'4")), "abc");
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1 abc\\u")), "abc");
    // A \bin longer than the file ends it.
    EXPECT_EQ(PlainText(ReadRtf("{\\rtf1 a\\bin999999999999 xyz")), "a");
    // Nesting deeper than the reader keeps still yields the text.
    std::string deep = "{\\rtf1 ";
    deep += std::string(100000, '{') + "deep" + std::string(100000, '}') + " end}";
    EXPECT_EQ(PlainText(ReadRtf(deep)), "deep end");
}

TEST(RichText, NonRtfIsTakenAsPlainText) {
    EXPECT_EQ(ReadRtf("just\r\nsome text"), (StyledText{{"just\nsome text", kPlain}}));
    EXPECT_TRUE(ReadRtf("").empty());
}

TEST(RichText, RandomBytesNeverBreakTheReader) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = round % 2 == 0 ? "{\\rtf1 " : "";
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) {
            // Mostly RTF's own characters, so that the reader's paths are hit.
            static const std::string kAlphabet = "{}\\'*ubi0123456789- abcf\r\n\x80\xff";
            bytes += random() % 4 == 0 ? static_cast<char>(random() % 256)
                                       : kAlphabet[random() % kAlphabet.size()];
        }
        const StyledText text = ReadRtf(bytes);
        const std::string plain = PlainText(text);
        EXPECT_TRUE(ValidUtf8(plain)) << round;
        // What was read is written and read back unchanged.
        EXPECT_EQ(ReadRtf(WriteRtf(text)), text) << round << "\n"
                                                 << Dump(text) << "\n"
                                                 << Dump(ReadRtf(WriteRtf(text))) << "\n"
                                                 << WriteRtf(text);
    }
}

TEST(Comments, SavedCommentReadsBackAndAnEmptyOneRemovesItsFile) {
    test::TempFolder folder;
    test::ScriptedHost host;
    const std::string data = folder.Path().string();
    EXPECT_FALSE(HasComment(data, "Dragon"));
    EXPECT_TRUE(LoadComment(data, "Dragon").empty());

    const StyledText text = {{"Good ", kPlain}, {"luck", kBold}};
    ASSERT_TRUE(SaveComment(host, data, "Dragon", text));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Comments_Dragon.rtf"));
    EXPECT_TRUE(HasComment(data, "Dragon"));
    EXPECT_EQ(LoadComment(data, "Dragon"), text);

    ASSERT_TRUE(SaveComment(host, data, "Dragon", {{" \n\n ", kBold}}));
    EXPECT_FALSE(HasComment(data, "Dragon"));
    EXPECT_TRUE(host.messages.empty());
    // Removing a comment that has no file is no error.
    EXPECT_TRUE(SaveComment(host, data, "Dragon", {}));
}

TEST(Comments, FailedWriteSaysSoAndKeepsTheOldFile) {
    test::TempFolder folder;
    test::ScriptedHost host;
    const std::string data = folder.Path().string();
    ASSERT_TRUE(SaveComment(host, data, "Tower", {{"old", kPlain}}));
    const std::string before = *ReadFileBytes(CommentPath(data, "Tower"), 1 << 20);

    // A folder in place of the file can be neither replaced nor deleted.
    std::filesystem::create_directories(folder.Path() / "Comments_Blocked.rtf" / "inside");
    EXPECT_FALSE(SaveComment(host, data, "Blocked", {{"new", kPlain}}));
    EXPECT_FALSE(SaveComment(host, data, "Blocked", {}));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text.rfind(std::string(kCommentNotSaved), 0), 0u);
    EXPECT_EQ(host.messages[1].text.rfind(std::string(kCommentNotRemoved), 0), 0u);
    // Nothing else in the folder was touched, and no temporary file is left.
    EXPECT_EQ(*ReadFileBytes(CommentPath(data, "Tower"), 1 << 20), before);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST(Comments, SlashesInTheGameNameStayInTheDataFolder) {
    EXPECT_EQ(std::filesystem::path(CommentPath("/data", "../up/and\\back")).filename(),
              "Comments_.._up_and_back.rtf");
    EXPECT_EQ(std::filesystem::path(CommentPath("/data", "x")).parent_path(), "/data");
}

TEST(Comments, DamagedOrBinaryFileReadsWithoutCrashing) {
    test::TempFolder folder;
    const std::string data = folder.Path().string();
    std::string binary;
    for (int i = 0; i < 5000; ++i) {
        binary += static_cast<char>((i * 131) % 256);
    }
    ASSERT_TRUE(WriteFileAtomically(CommentPath(data, "Bin"), binary));
    EXPECT_TRUE(ValidUtf8(PlainText(LoadComment(data, "Bin"))));
    ASSERT_TRUE(WriteFileAtomically(CommentPath(data, "Cut"), "{\\rtf1 {\\b kept"));
    EXPECT_EQ(LoadComment(data, "Cut"), (StyledText{{"kept", kBold}}));
}

}  // namespace
}  // namespace jw
