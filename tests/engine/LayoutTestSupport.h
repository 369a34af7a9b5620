// Helpers for the tests of layout files: an engine wired to a scripted host,
// in-memory settings and resources, and text of layout files.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/FixedText.h"
#include "engine/Jong_class.h"
#include "engine/LayoutFile.h"
#include "platform/MemorySettings.h"
#include "platform/ResourceStore.h"
#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"

namespace jw::test {

// Resources held in a map of "KIND/NAME" (upper case) to bytes.
class MemoryResources : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override {
        std::string key = std::string(kind) + "/" + std::string(name);
        for (char& c : key) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        const auto found = entries.find(key);
        return found == entries.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::map<std::string, std::string> entries;
};

struct LayoutFixture {
    LayoutFixture() : engine(std::make_unique<TMahJong_Base>(host)) {
        engine->resources = &resources;
        engine->settings = &settings;
    }
    ScriptedHost host;
    MemoryResources resources;
    MemorySettings settings;
    std::unique_ptr<TMahJong_Base> engine;
};

// The body of tiles placed with consecutive ids at the given anchors.
inline std::string BodyOf(const std::vector<BoardPos>& anchors) {
    Board board;
    TileId id = 0;
    for (const BoardPos& pos : anchors) {
        board.PlaceTile(pos.level, pos.column, pos.row, ++id);
    }
    return FormatBody(board);
}

// A scrambled layout file from its plain lines 1 and up (line 0 added).
inline std::string FileFromPlainLines(std::vector<std::string> plain) {
    plain.insert(plain.begin(), "01");
    ScrambleLines(plain);
    return JoinLinesCrLf(plain);
}

// A layout file (kind 1) with the given rules line and body.
inline std::string LayoutText(const std::string& rulesLine, const std::string& body) {
    return FileFromPlainLines(
        {FormatHeader(LayoutHeader{}), rulesLine, "0000000000", "", "", "", "", "", "", body});
}

}  // namespace jw::test
