#include "records/RichText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace jw {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMaxDepth = 4096;

// Windows-1252 characters 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `pos` and moves past it; a malformed
// sequence yields U+FFFD and moves one byte.
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t c = 0;
    if (byte < 0x80) {
        ++pos;
        return byte;
    }
    if ((byte & 0xE0) == 0xC0) {
        length = 2;
        c = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        length = 3;
        c = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        length = 4;
        c = byte & 0x07;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[static_cast<std::size_t>(length)] || c > 0x10FFFF ||
        (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += static_cast<std::size_t>(length);
    return c;
}

// Control characters other than the line end and the tab are not text.
bool IsControl(char32_t c) {
    return (c < 0x20 && c != '\n' && c != '\t') || c == 0x7F;
}

void WriteUnicodeEscape(std::string& out, char32_t c) {
    const auto unit = [&out](std::uint32_t u) {
        // RTF numbers are signed 16-bit values.
        const int value = u > 0x7FFF ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
        out += "\\u" + std::to_string(value) + "?";
    };
    if (c > 0xFFFF) {
        const std::uint32_t v = static_cast<std::uint32_t>(c) - 0x10000;
        unit(0xD800 + (v >> 10));
        unit(0xDC00 + (v & 0x3FF));
    } else {
        unit(static_cast<std::uint32_t>(c));
    }
}

// Destinations whose content is not part of the text.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 24> kSkipped = {
        "fonttbl",      "colortbl",          "stylesheet", "info",      "pict",
        "header",       "headerl",           "headerr",    "headerf",   "footer",
        "footerl",      "footerr",           "footerf",    "footnote",  "object",
        "listtable",    "listoverridetable", "rsidtbl",    "generator", "themedata",
        "latentstyles", "datastore",         "fldinst",    "pntext"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

struct GroupState {
    TextStyle style;
    bool skip = false;
    int unicodeSkip = 1;
};

class RtfReader {
  public:
    explicit RtfReader(std::string_view rtf) : in(rtf) {}

    StyledText Read() {
        while (pos < in.size()) {
            const char c = in[pos++];
            if (c == '{') {
                if (stack.size() < kMaxDepth) {
                    stack.push_back(state);
                } else {
                    ++overflow;
                }
            } else if (c == '}') {
                if (overflow > 0) {
                    --overflow;
                } else if (!stack.empty()) {
                    state = stack.back();
                    stack.pop_back();
                }
                pendingSkip = 0;
            } else if (c == '\\') {
                ControlSequence();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Line breaks in the source are not text.
            } else {
                Character(FromCp1252(static_cast<unsigned char>(c)));
            }
        }
        FlushSurrogate();
        return out;
    }

  private:
    void Character(char32_t c) {
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        Emit(c);
    }

    void Emit(char32_t c) {
        if (state.skip) {
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF && highSurrogate != 0) {
            const char32_t joined = 0x10000 + ((highSurrogate - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate = 0;
            Put(joined);
            return;
        }
        FlushSurrogate();
        if (c >= 0xD800 && c <= 0xDBFF) {
            highSurrogate = c;
            return;
        }
        if (IsControl(c)) {
            return;
        }
        Put(c);
    }

    void FlushSurrogate() {
        if (highSurrogate != 0) {
            highSurrogate = 0;
            Put(kReplacement);
        }
    }

    void Put(char32_t c) {
        std::string utf8;
        AppendUtf8(utf8, c);
        AppendRun(out, utf8, state.style);
    }

    void ControlSequence() {
        if (pos >= in.size()) {
            return;
        }
        const char c = in[pos];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            ++pos;
            ControlSymbol(c);
            return;
        }
        const std::size_t start = pos;
        while (pos < in.size() && pos - start < 32 &&
               ((in[pos] >= 'a' && in[pos] <= 'z') || (in[pos] >= 'A' && in[pos] <= 'Z'))) {
            ++pos;
        }
        const std::string_view word = in.substr(start, pos - start);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos < in.size() && in[pos] == '-') {
            negative = true;
            ++pos;
        }
        int digits = 0;
        while (pos < in.size() && in[pos] >= '0' && in[pos] <= '9') {
            if (digits < 10) {
                param = param * 10 + (in[pos] - '0');
            }
            ++digits;
            ++pos;
            hasParam = true;
        }
        if (negative) {
            param = -param;
        }
        if (pos < in.size() && in[pos] == ' ') {
            ++pos;
        }
        ControlWord(word, hasParam, param);
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Character(static_cast<unsigned char>(c));
                break;
            case '~':
                Character(0xA0);
                break;
            case '_':
                Character('-');
                break;
            case '\'': {
                int value = 0;
                int got = 0;
                while (got < 2 && pos < in.size()) {
                    const char h = in[pos];
                    int digit = -1;
                    if (h >= '0' && h <= '9') {
                        digit = h - '0';
                    } else if (h >= 'a' && h <= 'f') {
                        digit = h - 'a' + 10;
                    } else if (h >= 'A' && h <= 'F') {
                        digit = h - 'A' + 10;
                    }
                    if (digit < 0) {
                        break;
                    }
                    value = value * 16 + digit;
                    ++got;
                    ++pos;
                }
                if (got > 0) {
                    Character(FromCp1252(static_cast<unsigned char>(value)));
                }
                break;
            }
            case '*':
                // An optional destination: this reader knows none of them.
                state.skip = true;
                break;
            case '\r':
            case '\n':
                Character('\n');
                break;
            default:
                break;  // "\-" (optional hyphen), "\:" and the unknown ones
        }
    }

    void ControlWord(std::string_view word, bool hasParam, long long param) {
        const bool on = !hasParam || param != 0;
        if (IsSkippedDestination(word)) {
            state.skip = true;
        } else if (word == "b") {
            state.style.bold = on;
        } else if (word == "i") {
            state.style.italic = on;
        } else if (word == "ulnone") {
            state.style.underline = false;
        } else if (word.substr(0, 2) == "ul" &&
                   (word.size() == 2 || word.find("c") == std::string_view::npos)) {
            // \ul and its kinds (\uldb, \ulw, \uld, ...); \ulc is a colour.
            state.style.underline = on;
        } else if (word == "plain") {
            state.style = TextStyle{};
        } else if (word == "par" || word == "line" || word == "sect" || word == "page" ||
                   word == "row") {
            Emit('\n');
        } else if (word == "tab" || word == "cell") {
            Emit('\t');
        } else if (word == "uc") {
            state.unicodeSkip = static_cast<int>(std::clamp(param, 0LL, 16LL));
        } else if (word == "u" && hasParam) {
            long long value = param;
            if (value < 0) {
                value += 0x10000;
            }
            Emit(value >= 0 && value <= 0xFFFF ? static_cast<char32_t>(value) : kReplacement);
            pendingSkip = state.unicodeSkip;
        } else if (word == "bin" && hasParam && param > 0) {
            const auto count = static_cast<std::size_t>(param);
            pos = count >= in.size() - pos ? in.size() : pos + count;
        } else if (word == "emdash") {
            Emit(0x2014);
        } else if (word == "endash") {
            Emit(0x2013);
        } else if (word == "bullet") {
            Emit(0x2022);
        } else if (word == "lquote") {
            Emit(0x2018);
        } else if (word == "rquote") {
            Emit(0x2019);
        } else if (word == "ldblquote") {
            Emit(0x201C);
        } else if (word == "rdblquote") {
            Emit(0x201D);
        }
    }

    std::string_view in;
    std::size_t pos = 0;
    GroupState state;
    std::vector<GroupState> stack;
    std::size_t overflow = 0;
    int pendingSkip = 0;
    char32_t highSurrogate = 0;
    StyledText out;
};

}  // namespace

void AppendRun(StyledText& text, std::string_view run, TextStyle style) {
    if (run.empty()) {
        return;
    }
    if (!text.empty() && text.back().style == style) {
        text.back().text += run;
    } else {
        text.push_back(StyledRun{std::string(run), style});
    }
}

std::string PlainText(const StyledText& text) {
    std::string plain;
    for (const StyledRun& run : text) {
        plain += run.text;
    }
    return plain;
}

std::string WriteRtf(const StyledText& text) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
        "\\viewkind4\\pard\\f0\\fs16 ";
    TextStyle current;
    for (const StyledRun& run : text) {
        const TextStyle& s = run.style;
        std::string words;
        if (s.bold != current.bold) {
            words += s.bold ? "\\b" : "\\b0";
        }
        if (s.italic != current.italic) {
            words += s.italic ? "\\i" : "\\i0";
        }
        if (s.underline != current.underline) {
            words += s.underline ? "\\ul" : "\\ulnone";
        }
        if (!words.empty()) {
            out += words + " ";
        }
        current = s;
        std::size_t pos = 0;
        while (pos < run.text.size()) {
            const char32_t c = NextUtf8(run.text, pos);
            if (c == '\n') {
                out += "\\par\r\n";
            } else if (c == '\t') {
                out += "\\tab ";
            } else if (c == '\\' || c == '{' || c == '}') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (IsControl(c)) {
                // Not text: left out.
            } else if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                WriteUnicodeEscape(out, c);
            }
        }
    }
    out += "}\r\n";
    return out;
}

StyledText ReadRtf(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf") {
        StyledText plain;
        std::string text;
        std::size_t pos = 0;
        while (pos < rtf.size()) {
            const char32_t c = NextUtf8(rtf, pos);
            if (c == '\r') {
                continue;
            }
            if (!IsControl(c)) {
                AppendUtf8(text, c);
            }
        }
        AppendRun(plain, text, TextStyle{});
        return plain;
    }
    return RtfReader(rtf).Read();
}

}  // namespace jw
