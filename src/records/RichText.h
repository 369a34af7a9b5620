// The comments' styled text and its files: a list of runs of UTF-8 text with
// bold, italic and underline, written as a small subset of RTF that word
// processors open, and read back from that subset or from the fuller RTF a
// word processor saves (unknown control words and destinations are skipped,
// the text is kept).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const TextStyle&) const = default;
};

// A stretch of text in one style; '\n' ends a paragraph.
struct StyledRun {
    std::string text;
    TextStyle style;
    bool operator==(const StyledRun&) const = default;
};

using StyledText = std::vector<StyledRun>;

// Appends text in a style, joining it to the last run when the style matches.
void AppendRun(StyledText& text, std::string_view run, TextStyle style);

// The text without its styles.
std::string PlainText(const StyledText& text);

// The text as an RTF document: Unicode escapes for everything outside
// printable ASCII (invalid UTF-8 becomes U+FFFD).
std::string WriteRtf(const StyledText& text);

// The text of an RTF document. Never fails: damaged input yields what could
// be read, and input that is not RTF at all is taken as plain text.
StyledText ReadRtf(std::string_view rtf);

}  // namespace jw
