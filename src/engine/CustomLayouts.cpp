#include "engine/CustomLayouts.h"

#include <algorithm>
#include <filesystem>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

// The registry files are small; anything larger is not ours.
constexpr std::uintmax_t kMaxIndexBytes = 4u * 1024 * 1024;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// The name as cl.dat holds it, for comparing: cut to its column width,
// trailing blanks removed, lower case.
std::string NameKey(std::string_view name) {
    return Lower(TrimRight(CutUtf8(name, kLayoutNameWidth)));
}

std::string_view NameOfLine(std::string_view line) {
    return Columns(line, 1, kLayoutNameWidth);
}

std::optional<std::int64_t> IdOfLine(std::string_view line) {
    return ParseInteger(Columns(line, kLayoutNameWidth + 1, 5));
}

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

}  // namespace

bool IsValidLayoutName(std::string_view name) {
    return name.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

std::string InvalidLayoutNameMessage(std::string_view name) {
    return std::string(
               "A Layout name cannot contain any of the following characters: \\ / : * ? ") +
           "\"" + " < > |\rPlease rename the Layout name:  " + std::string(name);
}

CustomLayouts::CustomLayouts(std::string folder) : dataFolder(std::move(folder)) {}

std::vector<std::string> CustomLayouts::ReadIndex() const {
    auto lines = ReadLines(Folder() + "cl.dat", kMaxIndexBytes);
    return lines ? *lines : std::vector<std::string>{};
}

bool CustomLayouts::WriteIndex(const std::vector<std::string>& lines) const {
    return EnsureFolder() && WriteLinesAtomically(Folder() + "cl.dat", lines);
}

bool CustomLayouts::EnsureFolder() const {
    std::error_code error;
    std::filesystem::create_directories(Folder(), error);
    return std::filesystem::is_directory(Folder(), error);
}

GameId CustomLayouts::LayoutIdByName(std::string_view name) const {
    const std::string key = NameKey(name);
    for (const std::string& line : ReadIndex()) {
        if (!IsBlankLine(line) && NameKey(NameOfLine(line)) == key) {
            const auto id = IdOfLine(line);
            return id ? static_cast<GameId>(*id) : -1;
        }
    }
    return -1;
}

bool CustomLayouts::LayoutExists(std::string_view name) const {
    const std::string key = NameKey(name);
    const std::vector<std::string> lines = ReadIndex();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return !IsBlankLine(line) && NameKey(NameOfLine(line)) == key;
    });
}

std::string CustomLayouts::LayoutNameById(GameId id) const {
    if (id < kFirstCustomGameId) {
        return {};
    }
    for (const std::string& line : ReadIndex()) {
        if (!IsBlankLine(line) && IdOfLine(line) == id) {
            return std::string(TrimRight(NameOfLine(line)));
        }
    }
    return {};
}

std::string CustomLayouts::LayoutFileName(GameId id) const {
    return Folder() + "cl_" + FormatFixed(id, 5) + ".dat";
}

std::vector<std::string> CustomLayouts::ListLayouts() const {
    std::vector<std::string> lines = ReadIndex();
    std::erase_if(lines, [](const std::string& line) { return IsBlankLine(line); });
    std::sort(lines.begin(), lines.end());
    return lines;
}

GameId CustomLayouts::RegisterLayout(std::string_view name) const {
    const std::string key = NameKey(name);
    std::vector<std::string> lines = ReadIndex();
    for (const std::string& line : lines) {
        if (!IsBlankLine(line) && NameKey(NameOfLine(line)) == key) {
            const auto id = IdOfLine(line);
            return id ? static_cast<GameId>(*id) : -1;
        }
    }
    std::int64_t last = 0;
    if (auto counter = ReadLines(Folder() + "cl2.dat", kMaxIndexBytes);
        counter && !counter->empty()) {
        last = ParseInteger(Columns(counter->front(), 1, 5)).value_or(-1);
    }
    const std::int64_t id = std::max<std::int64_t>(last + 1, kFirstCustomGameId);
    // Ids are written in 5 digits: past the last one there is nothing to
    // hand out.
    if (id > kLastCustomGameId) {
        return -1;
    }
    if (!EnsureFolder() || !WriteLinesAtomically(Folder() + "cl2.dat", {FormatFixed(id, 5)})) {
        return -1;
    }
    lines.push_back(PadRight(name, kLayoutNameWidth) + FormatFixed(id, 5));
    if (!WriteIndex(lines)) {
        return -1;
    }
    return static_cast<GameId>(id);
}

bool CustomLayouts::DeleteLayout(std::string_view name, GameId id) const {
    if (id < kFirstCustomGameId) {
        return false;
    }
    const std::string key = NameKey(name);
    std::vector<std::string> lines = ReadIndex();
    const auto match = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return !IsBlankLine(line) && NameKey(NameOfLine(line)) == key && IdOfLine(line) == id;
    });
    if (match == lines.end()) {
        return false;
    }
    lines.erase(match);
    WriteIndex(lines);
    std::error_code error;
    std::filesystem::remove(LayoutFileName(id), error);
    return true;
}

bool CustomLayouts::RenameLayout(std::string_view oldName, std::string_view newName) const {
    const GameId oldId = LayoutIdByName(oldName);
    if (!LayoutExists(oldName)) {
        return false;
    }
    const GameId other = LayoutIdByName(newName);
    if (LayoutExists(newName) && other != oldId) {
        DeleteLayout(newName, other);
    }
    const std::string key = NameKey(oldName);
    std::vector<std::string> lines = ReadIndex();
    for (std::string& line : lines) {
        if (!IsBlankLine(line) && NameKey(NameOfLine(line)) == key) {
            const std::string rest = line.size() > static_cast<std::size_t>(kLayoutNameWidth)
                                         ? line.substr(kLayoutNameWidth)
                                         : std::string();
            line = PadRight(newName, kLayoutNameWidth) + rest;
            return WriteIndex(lines);
        }
    }
    return false;
}

}  // namespace jw
