// Every settings section and key is spelled once, in platform/Settings.h.
// This check reads the program's sources (src/ and tools/) and fails on any
// string literal that spells a declared section or key elsewhere, and on any
// settings call that passes a literal section or key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace jw {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = JW_SOURCE_DIR;
const fs::path kDeclarations = kSource / "src" / "platform" / "Settings.h";

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text without comments; string literals are kept.
std::string WithoutComments(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            const std::size_t start = i;
            for (++i; i < text.size() && text[i] != c && text[i] != '\n'; ++i) {
                if (text[i] == '\\') {
                    ++i;
                }
            }
            out.append(text, start, i - start + 1);
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') {
                ++i;
            }
            out += '\n';
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const std::size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            out += c;
        }
    }
    return out;
}

// The sections, keys, key prefixes and key parts that Settings.h declares.
std::set<std::string> DeclaredNames() {
    const std::string text = WithoutComments(Slurp(kDeclarations));
    std::set<std::string> names;
    // Sections and key parts: std::string_view kName = "...";
    const std::regex part(R"re(std::string_view\s+k\w+\s*=\s*"([^"]+)")re");
    // Keys and list prefixes: the second field of a declaration.
    const std::regex key(
        R"re((?:FlagSetting|IntSetting|TextSetting|SettingKey|NumberedList)\s+k\w+\s*\{\s*k\w+\s*,\s*"([^"]+)")re");
    for (const std::regex& re : {part, key}) {
        for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) {
            names.insert((*it)[1].str());
        }
    }
    return names;
}

std::vector<fs::path> ProgramSources() {
    std::vector<fs::path> files;
    for (const char* root : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kSource / root)) {
            const fs::path& path = entry.path();
            if (entry.is_regular_file() &&
                (path.extension() == ".cpp" || path.extension() == ".h") && path != kDeclarations) {
                files.push_back(path);
            }
        }
    }
    return files;
}

TEST(SettingsVocabulary, DeclarationsAreFound) {
    const std::set<std::string> names = DeclaredNames();
    for (const char* name : {"Preference", "Automatic_Tile_Size", "Favorite Games", "Game_Numbers",
                             "Dir_Save", "_Tile_Set", "info_game", "Msg_info_Shuffle", "Game"}) {
        EXPECT_EQ(names.count(name), 1u) << name;
    }
    EXPECT_GT(names.size(), 100u);
}

// A name made of letters alone ("Game", "Cursor", "Users") is also an
// ordinary word of menus and messages; such names are found only as
// arguments of settings calls (below). Every other name is found anywhere.
bool IsPlainWord(const std::string& name) {
    return std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalpha(c); });
}

TEST(SettingsVocabulary, NoSectionOrKeyIsSpelledOutsideTheDeclarations) {
    std::set<std::string> names = DeclaredNames();
    std::erase_if(names, IsPlainWord);
    const std::regex literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    // A settings call whose section or key is a literal.
    const std::regex literalArgument(
        R"re(\b(?:Read|Write)(?:String|Integer|Flag)\s*\(\s*(?:"|[^,()"]+,\s*"))re");
    std::vector<std::string> found;
    for (const fs::path& path : ProgramSources()) {
        const std::string text = WithoutComments(Slurp(path));
        const std::string where = fs::relative(path, kSource).string();
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            if (names.count((*it)[1].str()) != 0) {
                found.push_back(where + ": \"" + (*it)[1].str() + "\"");
            }
        }
        if (std::regex_search(text, literalArgument)) {
            found.push_back(where + ": a settings call with a literal section or key");
        }
    }
    EXPECT_TRUE(found.empty()) << [&] {
        std::string list = "declare these in platform/Settings.h:";
        for (const std::string& line : found) {
            list += "\n  " + line;
        }
        return list;
    }();
}

}  // namespace
}  // namespace jw
