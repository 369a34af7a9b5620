// A player's first start: no settings file yet. Every part of the program
// takes the declared default of "Automatic_Tile_Size" (on).
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"
#include "engine/reference/SampleBoards.h"
#include "platform/SettingsDefaults.h"
#include "platform/TempFolder.h"
#include "presentation/RendererFixture.h"
#include "records/SettingsFile.h"
#include "shell/WindowSettings.h"

namespace jw {
namespace {

using literal::TurtleAnchors;

class FreshSettings : public test::RendererTest {
  protected:
    test::TempFolder temp;
    SettingsFile fresh{temp / "cnfg.dat"};
};

TEST_F(FreshSettings, EngineRendererAndShellAgreeThatTheTileSizeIsAutomatic) {
    ASSERT_FALSE(std::filesystem::exists(temp / "cnfg.dat"));
    EXPECT_TRUE(Read(fresh, setting::kAutomaticTileSize));
    EXPECT_TRUE(AutomaticTileSize(&fresh));

    // The engine: a change of game does not give back a size of the player's.
    test::EngineFixture game;
    game.engine.settings = &fresh;
    game.AddLayout(0, TurtleAnchors());
    game.AddLayout(1, TurtleAnchors());
    ASSERT_TRUE(game.engine.StartGame(ReadMode::NewGame, 0, "", "Ann"));
    ASSERT_TRUE(game.engine.StartGame(ReadMode::NewGame, 1, "", "Ann"));
    EXPECT_EQ(game.hooks.sizeRestores, 0);

    // The renderer: fitting a wide layout starts from "X" and keeps no size
    // of the player's to come back to.
    // (The test tile set is an add-on set, which the settings name.)
    fresh.WriteString(setting::kPreference, setting::kAdditionalTileSet.key, "B_MR_TEST");
    engine.settings = &fresh;
    Put(1, 1, 1, 1);
    Put(1, 59, 1, 2);
    EXPECT_TRUE(engine.layoutSeams.fitToScreen(engine, true));
    EXPECT_EQ(renderer.Tiles().choice.sizeLetter, 'N');
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{32, 44, 9}));
    EXPECT_EQ(renderer.rememberedSize, std::nullopt);

    // The shell: on a screen other than the stored one the start-up size is
    // the new screen's default, which only the automatic size asks for.
    const ScreenInfo screen{1280, 1024, 32};
    fresh.WriteInteger(setting::kPreference, setting::kScreenWidth.key, 1024);
    fresh.WriteString(setting::kPreference, setting::kTileSetSize.key, "N");
    EXPECT_EQ(StartupTileSize(fresh, screen), 'T');
    fresh.WriteString(setting::kPreference, setting::kAutomaticTileSize.key, "N");
    EXPECT_EQ(StartupTileSize(fresh, screen), 'N');
}

}  // namespace
}  // namespace jw
