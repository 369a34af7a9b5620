#include "engine/CustomLayouts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "LayoutTestSupport.h"
#include "engine/LayoutReader.h"
#include "engine/LayoutWriter.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

class Registry : public ::testing::Test {
  protected:
    std::vector<std::string> IndexLines() const {
        return ReadLines(folder / "cl/cl.dat", 1 << 20).value_or(std::vector<std::string>{});
    }
    test::TempFolder folder;
    CustomLayouts registry{folder.Path().string() + "/"};
};

TEST_F(Registry, IdsAreHandedOutOnceAndNamesReused) {
    EXPECT_EQ(registry.RegisterLayout("Castle"), 10000);
    EXPECT_EQ(registry.RegisterLayout("Moat"), 10001);
    EXPECT_EQ(registry.RegisterLayout("CASTLE  "), 10000);
    EXPECT_EQ(IndexLines(), (std::vector<std::string>{PadRight("Castle", 50) + "10000",
                                                      PadRight("Moat", 50) + "10001"}));
    EXPECT_EQ(ReadLines(folder / "cl/cl2.dat", 100)->front(), "10001");
    ASSERT_TRUE(registry.DeleteLayout("moat", 10001));
    EXPECT_EQ(registry.RegisterLayout("Moat"), 10002);  // never reused
}

TEST_F(Registry, CounterFileIsRaisedOrRepaired) {
    std::filesystem::create_directories(folder / "cl");
    WriteLinesAtomically(folder / "cl/cl2.dat", {"00042"});
    EXPECT_EQ(registry.RegisterLayout("A"), 10000);
    WriteLinesAtomically(folder / "cl/cl2.dat", {"12345"});
    EXPECT_EQ(registry.RegisterLayout("B"), 12346);
    WriteLinesAtomically(folder / "cl/cl2.dat", {"x"});
    EXPECT_EQ(registry.RegisterLayout("C"), 10000);  // unreadable counts as -1
    WriteLinesAtomically(folder / "cl/cl2.dat", {"99999"});
    EXPECT_EQ(registry.RegisterLayout("D"), -1);  // no 5-digit id left
    EXPECT_FALSE(registry.LayoutExists("D"));
}

TEST_F(Registry, Lookups) {
    std::filesystem::create_directories(folder / "cl");
    WriteLinesAtomically(folder / "cl/cl.dat",
                         {PadRight("Zeta", 50) + "10003", "", PadRight("alpha", 50) + "10007",
                          PadRight("Broken", 50) + "1x0x7"});
    EXPECT_EQ(registry.LayoutIdByName("ALPHA"), 10007);
    EXPECT_EQ(registry.LayoutIdByName("Broken"), -1);
    EXPECT_EQ(registry.RegisterLayout("broken"), -1);
    EXPECT_EQ(registry.LayoutIdByName("Nothing"), -1);
    EXPECT_TRUE(registry.LayoutExists("zeta"));
    EXPECT_EQ(registry.LayoutNameById(10003), "Zeta");
    EXPECT_EQ(registry.LayoutNameById(10004), "");
    EXPECT_EQ(registry.LayoutNameById(3), "");
    EXPECT_EQ(registry.LayoutFileName(10003), folder.Path().string() + "/cl/cl_10003.dat");
    EXPECT_EQ(registry.ListLayouts(), (std::vector<std::string>{PadRight("Broken", 50) + "1x0x7",
                                                                PadRight("Zeta", 50) + "10003",
                                                                PadRight("alpha", 50) + "10007"}));

    GameCatalog catalog;
    catalog.SetCustomLayouts(&registry);
    EXPECT_EQ(catalog.NameOf(10007), "alpha");
    EXPECT_EQ(catalog.IdOf("Zeta"), 10003);
}

TEST_F(Registry, RenameAndDelete) {
    const GameId castle = registry.RegisterLayout("Castle");
    const GameId moat = registry.RegisterLayout("Moat");
    ASSERT_TRUE(WriteFileAtomically(registry.LayoutFileName(moat), "x"));
    ASSERT_TRUE(WriteFileAtomically(registry.LayoutFileName(castle), "y"));

    EXPECT_FALSE(registry.RenameLayout("Tower", "Keep"));
    // Renaming onto another layout's name deletes that layout first.
    EXPECT_TRUE(registry.RenameLayout("castle", "Moat"));
    EXPECT_EQ(IndexLines(), (std::vector<std::string>{PadRight("Moat", 50) + "10000"}));
    EXPECT_FALSE(std::filesystem::exists(registry.LayoutFileName(moat)));
    EXPECT_TRUE(std::filesystem::exists(registry.LayoutFileName(castle)));  // keeps its file
    EXPECT_TRUE(registry.RenameLayout("MOAT", "moat"));                     // only the letter case
    EXPECT_EQ(registry.LayoutIdByName("Moat"), castle);

    EXPECT_FALSE(registry.DeleteLayout("moat", 10001));  // the id must match too
    EXPECT_FALSE(registry.DeleteLayout("moat", 5));
    EXPECT_TRUE(registry.DeleteLayout("Moat", castle));
    EXPECT_TRUE(IndexLines().empty());
    EXPECT_FALSE(std::filesystem::exists(registry.LayoutFileName(castle)));
}

class SavingLayouts : public Registry, public test::LayoutFixture {};

TEST_F(SavingLayouts, NameRuleRefusesAndWritesNothing) {
    engine->dataFolder = folder.Path().string() + "/";
    engine->gameName = "a<b";
    EXPECT_FALSE(WriteLayoutFile(*engine, LayoutFileKind::CustomLayout, ""));
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{
                  "A Layout name cannot contain any of the following characters: \\ / : * ? \" "
                  "< > |\rPlease rename the Layout name:  a<b"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "cl"));
    for (char c : std::string("\\/:*?\"<>|")) {
        EXPECT_FALSE(IsValidLayoutName(std::string("x") + c));
    }
    EXPECT_TRUE(IsValidLayoutName("Dragon's Gate (3)"));
}

TEST_F(SavingLayouts, CustomLayoutIsRegisteredWrittenAndReadBack) {
    engine->dataFolder = folder.Path().string() + "/";
    engine->mode = EngineMode::Editing;
    engine->gameName = "Little Hill";
    engine->rules.tilesToMatch = 4;
    engine->rules.setCount = 1;
    engine->layoutChanged = true;
    engine->PlaceTile(1, 60, 60, 1);
    engine->PlaceTile(1, 62, 60, 2);
    engine->PlaceTile(2, 61, 60, 3);
    ASSERT_TRUE(WriteLayoutFile(*engine, LayoutFileKind::CustomLayout, ""));
    EXPECT_EQ(engine->gameId, 10000);
    EXPECT_FALSE(engine->layoutChanged);
    // Saving again under the same name in another case overwrites that file.
    engine->gameName = "LITTLE HILL";
    engine->PlaceTile(1, 64, 60, 4);
    ASSERT_TRUE(WriteLayoutFile(*engine, LayoutFileKind::CustomLayout, ""));
    EXPECT_EQ(engine->gameId, 10000);
    EXPECT_EQ(registry.ListLayouts().size(), 1u);

    test::ScriptedHost otherHost;
    TMahJong_Base other(otherHost);
    other.dataFolder = engine->dataFolder;
    ASSERT_TRUE(ReadLayout(other, ReadMode::Preview, "", 10000));
    EXPECT_TRUE(otherHost.messages.empty());
    EXPECT_EQ(other.gameName, "Little Hill");
    EXPECT_EQ(other.rules, engine->rules);
    EXPECT_TRUE(other.madeInEditor);
    EXPECT_EQ(other.board.tileCount, 4);
    EXPECT_EQ(other.board.At(2, 2, 1), 1003);  // moved to the corner
    EXPECT_EQ(other.board.At(1, 6, 2), 2004);
}

}  // namespace
}  // namespace jw
