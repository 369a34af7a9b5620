#include "layouts/LayoutSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "engine/Jong_class.h"
#include "engine/LayoutCompleteness.h"
#include "engine/LayoutReader.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"
#include "presentation/ResourceLibrary.h"

namespace jw {
namespace {

// Rectangle 16 (game 89): 4 x 4 face-down tiles, written row by row.
std::string Rectangle16(const std::string& extraLevel = "") {
    std::string text = "# test\nid 89\nname Rectangle 16\nrules 2 2 1 1 0 1\n\nlevel 1\n";
    for (int row = 0; row < 4; ++row) {
        text += "12121212\n43434343\n";
    }
    return text + extraLevel;
}

class Compiling : public ::testing::Test {
  protected:
    bool Compile(const std::string& text, const std::string& file = "g00089.txt") {
        errors.clear();
        layout = std::make_unique<CompiledLayout>();
        return CompileLayoutSource(text, file, catalog, *layout, errors);
    }
    std::string FirstError() const { return errors.empty() ? "" : errors.front(); }
    GameCatalog catalog;
    std::unique_ptr<CompiledLayout> layout;
    std::vector<std::string> errors;
};

TEST_F(Compiling, ValidSource) {
    ASSERT_TRUE(Compile(Rectangle16())) << FirstError();
    EXPECT_EQ(layout->id, 89);
    EXPECT_EQ(layout->tiles, 16);
    EXPECT_EQ(layout->levels, 1);
    EXPECT_EQ(layout->board.At(1, 1, 1), 1001);
    EXPECT_EQ(layout->board.At(1, 8, 8), 2016);
    EXPECT_EQ(layout->rules.faceDown, 1);
}

TEST_F(Compiling, RefusalsNameFileLineAndColumn) {
    std::string text = Rectangle16();
    text[text.find("43434343\n12121212") + 2] = '2';  // line 8, column 3
    EXPECT_FALSE(Compile(text));
    EXPECT_EQ(FirstError(),
              "g00089.txt:8:3: the tile begun at line 7 column 3 needs '4' here, not '2'");

    EXPECT_FALSE(Compile(Rectangle16() + "level 2\n.3\n"));
    EXPECT_EQ(FirstError(),
              "g00089.txt:16:2: quarter '3' belongs to no tile (a tile is 12 over 43)");

    EXPECT_FALSE(Compile(Rectangle16() + "level 2\n.......12\n.......43\n"));
    EXPECT_EQ(FirstError(),
              "g00089.txt:16:9: the tile on level 2 does not rest fully on tiles of level 1");

    EXPECT_FALSE(Compile(Rectangle16() + "level 1\n"));
    EXPECT_EQ(FirstError(), "g00089.txt:15:1: level 1 is given twice (its tiles would overlap)");

    EXPECT_FALSE(Compile(Rectangle16() + "..x\n"));
    EXPECT_EQ(FirstError(),
              "g00089.txt:15:3: unexpected character 'x' in a grid row (use '.', '1', '2', '3', "
              "'4')");
}

TEST_F(Compiling, CatalogAndCompletenessRefusals) {
    EXPECT_FALSE(Compile(Rectangle16() + "12\n43\n"));  // 17 tiles
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "g00089.txt:2:1: the layout has 17 tiles; the catalog says 16",
                          "g00089.txt:4:1: The layout is not completed. To finish the layout: "
                          "Add 1 tiles or delete 1 tiles.",
                          "g00089.txt:6:1: level 1 holds 17 tiles; every level of a Memory-Up "
                          "game must hold a multiple of 2"}));

    // 16 tiles on two levels, each level odd.
    std::string twoLevels = Rectangle16();
    twoLevels.replace(twoLevels.rfind("12121212\n43434343\n"), 18, "121212\n434343\n");
    EXPECT_FALSE(Compile(twoLevels + "level 2\n12\n43\n"));
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "g00089.txt:2:1: the layout has 2 levels; the catalog says 1",
                          "g00089.txt:6:1: level 1 holds 15 tiles; every level of a Memory-Up "
                          "game must hold a multiple of 2"}));

    std::string wrongName = Rectangle16();
    wrongName.replace(wrongName.find("Rectangle 16"), 12, "Rectangle 61");
    EXPECT_FALSE(Compile(wrongName));
    EXPECT_EQ(FirstError(),
              "g00089.txt:3:6: the catalog calls game 89 \"Rectangle 16\", not \"Rectangle 61\"");

    std::string faceUp = Rectangle16();
    faceUp.replace(faceUp.find("0 1\n"), 4, "0 0\n");
    EXPECT_FALSE(Compile(faceUp));
    EXPECT_EQ(FirstError(), "g00089.txt:4:1: a Memory-Up game is played face down (FaceDown 1)");

    EXPECT_FALSE(Compile(Rectangle16(), "g00090.txt"));
    EXPECT_EQ(FirstError(), "g00090.txt:2:4: the id 89 does not match the file name");
    EXPECT_FALSE(Compile("id 89\nname Rectangle 16\nrules 2 2 1 1\nlevel 1\n"));
    EXPECT_EQ(FirstError(), "g00089.txt:3:7: rules need six numbers of 0 to 99");
}

TEST_F(Compiling, TooWideForTheBoard) {
    std::string text = "id 89\nname Rectangle 16\nrules 2 2 1 1 0 1\nlevel 1\n";
    text += "1212" + std::string(190, '.') + "121212121212\n";
    text += "4343" + std::string(190, '.') + "434343434343\n";
    text += "1212121212121212\n4343434343434343\n";
    EXPECT_FALSE(Compile(text));
    EXPECT_EQ(FirstError(),
              "g00089.txt:5:199: the layout is larger than the board (199 cells wide and high)");
}

// Every layout source in the tree compiles, and the picture of what it
// compiled to is the source grid again, moved to the corner.
TEST_F(Compiling, EverySourceRoundTripsThroughItsPicture) {
    int sources = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(JW_SOURCE_DIR) + "/assets/layouts")) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("g") || !name.ends_with(".txt")) {
            continue;
        }
        ++sources;
        const std::string text = ReadFileBytes(entry.path().string(), 1 << 22).value_or("");
        ASSERT_TRUE(Compile(text, name)) << FirstError();
        const CellExtent extent = CellExtentOf(layout->board);
        EXPECT_LE(extent.columns, kMaxLayoutExtent);
        // Collect the source rows of each level, without comments.
        std::istringstream in(text);
        std::map<int, std::vector<std::string>> rows;
        int level = 0;
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("level ")) {
                level = std::stoi(line.substr(6));
            } else if (level > 0 && !line.empty() && line[0] != '#') {
                rows[level].push_back(line == "." ? "" : line);
            }
        }
        for (int l = 1; l <= layout->levels; ++l) {
            std::vector<std::string> picture = LevelPicture(layout->board, l, 200, 200);
            // Compare tile cells only: strip the offset the compiler removed.
            std::string flatSource;
            std::string flatPicture;
            for (const std::string& r : rows[l]) {
                flatSource += r.substr(0, r.find_last_not_of('.') + 1) + "|";
            }
            for (const std::string& r : picture) {
                flatPicture += r + "|";
            }
            auto strip = [](std::string s) {
                std::erase(s, '.');
                std::erase(s, '|');
                return s;
            };
            EXPECT_EQ(strip(flatPicture), strip(flatSource)) << name << " level " << l;
        }
    }
    EXPECT_GE(sources, 11);
}

// The layouts of game 0 and the Memory-Up games, as the game reads them
// from the built library.
TEST(BuiltLayouts, StandardAndMemoryUpGames) {
    const auto library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf");
    ASSERT_NE(library, nullptr);
    test::ScriptedHost host;
    auto engine = std::make_unique<TMahJong_Base>(host);
    engine->resources = library.get();

    ASSERT_TRUE(ReadLayout(*engine, ReadMode::NewGame, "", 0));
    EXPECT_EQ(engine->board.tileCount, 144);
    EXPECT_EQ(engine->board.levels, 5);
    EXPECT_EQ(engine->board.perLevel, (std::array<int, 6>{0, 87, 36, 16, 4, 1}));
    EXPECT_EQ(engine->rules.faceDown, 0);
    // The lone tile on top rests on the four of level 4.
    EXPECT_FALSE(engine->IsTileFree(4, 13, 7, true));
    EXPECT_TRUE(CheckLayoutComplete(*engine));

    for (const GameId id : {50, 51, 52, 57, 88, 89, 90, 91, 92, 93}) {
        ASSERT_TRUE(ReadLayout(*engine, ReadMode::Preview, "", id)) << id;
        EXPECT_EQ(engine->board.tileCount, engine->catalog.TilesOf(id)) << id;
        EXPECT_EQ(engine->board.levels, engine->catalog.LevelsOf(id)) << id;
        EXPECT_EQ(engine->rules.faceDown, 1) << id;
        EXPECT_EQ(engine->rules.removeRule, 1) << id;
        EXPECT_TRUE(CheckLayoutComplete(*engine)) << id;
    }
    EXPECT_TRUE(host.messages.empty()) << host.MessageTexts().front();
}

}  // namespace
}  // namespace jw
