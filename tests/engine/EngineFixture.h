// A playing engine wired to a scripted host, in-memory settings and
// resources, with hooks that record what the engine hands over.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "LayoutTestSupport.h"
#include "engine/Jong_class_interface.h"

namespace jw::test {

struct RecordingHooks : EngineHooks {
    void RecordGame(const GameResult& result) override { results.push_back(result); }
    void RecordStartedGame(GameId id, const std::string& number) override {
        started.push_back(std::to_string(id) + " " + number);
    }
    // Plays the sound and ends the animation at once, unless a test holds
    // it back in `heldAnimation` (the window's animation is still running).
    void RunWinningAnimation(std::function<void()> playWonSound,
                             std::function<void(bool)> done) override {
        ++animations;
        playWonSound();
        if (holdAnimation) {
            heldAnimation = std::move(done);
        } else {
            done(false);
        }
    }
    void ShowGameWon() override { ++gameWonWindows; }
    void OpenGameDialog() override { ++openGameDialogs; }
    void OpenFavoritesOrganiser() override { ++organisers; }
    void RandomBackground() override { ++backgrounds; }
    void RestoreTileSize() override { ++sizeRestores; }
    std::vector<GameResult> results;
    std::vector<std::string> started;
    int animations = 0;
    bool holdAnimation = false;
    std::function<void(bool)> heldAnimation;
    int gameWonWindows = 0;
    int openGameDialogs = 0;
    int organisers = 0;
    int backgrounds = 0;
    int sizeRestores = 0;
};

struct EngineFixture {
    EngineFixture() {
        engine.resources = &resources;
        engine.settings = &settings;
        engine.hooks = &hooks;
    }

    // Puts a built-in layout "G" + id into the resources.
    void AddLayout(GameId id, const std::vector<BoardPos>& anchors, LayoutRules rules = {}) {
        resources.entries["GAMES/" + BuiltInLayoutName(id)] =
            LayoutText(FormatRules(rules), BodyOf(anchors));
    }

    // Plays on the board as built by the test, without reading a layout.
    void BeginOnBoard(int tileCount) {
        engine.board.tileCount = tileCount;
        engine.board.tilesLeft = engine.board.CountAnchors();
        engine.mode = EngineMode::Playing;
        engine.play.playing = true;
        engine.clock.Start();
        engine.CountMatches(false);
    }
    // Picks the tile anchored at the position, as a click on it does.
    bool Pick(int level, int column, int row) {
        return engine.PickTile(level, column, row, engine.board.At(level, column, row));
    }

    ScriptedHost host;
    MemorySettings settings;
    MemoryResources resources;
    RecordingHooks hooks;
    TMahJong_interface engine{host};
};

}  // namespace jw::test
