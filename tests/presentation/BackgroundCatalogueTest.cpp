#include "presentation/BackgroundCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/MemorySettings.h"
#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "presentation/Backgrounds.h"
#include "presentation/RandomBackground.h"

namespace jw {
namespace {

using test::MemorySettings;
using test::ScriptedHost;
using test::TempFolder;

std::vector<std::string> Texts(const BackgroundGroup& group) {
    std::vector<std::string> texts;
    for (const auto& entry : group.entries) {
        texts.push_back(entry.text);
    }
    return texts;
}

const BackgroundGroup* GroupNamed(const std::vector<BackgroundGroup>& groups,
                                  std::string_view name) {
    for (const auto& group : groups) {
        if (group.name == name) {
            return &group;
        }
    }
    return nullptr;
}

TEST(BackgroundCatalogueTest, BuiltInGroupsAndPictureCodes) {
    const auto groups = BuiltInBackgroundGroups();
    ASSERT_EQ(groups.size(), 14u);
    EXPECT_EQ(groups[0].name, "Customized");
    EXPECT_EQ(groups[0].code, -100);
    EXPECT_EQ(groups[13].name, "Wood");
    const auto codes = BuiltInPictureCodes();
    EXPECT_EQ(codes.size(), 46u);
    EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), codes.size());
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](int c) { return c >= 2 && c < 500; }));
    EXPECT_EQ(BuiltInPictureName(257), "B257");
    EXPECT_EQ(BuiltInPictureName(7), "B007");
}

TEST(BackgroundCatalogueTest, OwnPictureTextAndPathTranslateBothWays) {
    EXPECT_EQ(OwnPictureText("/home/ann/Pictures/lake.jpg"), "lake.jpg (/home/ann/Pictures/)");
    EXPECT_EQ(OwnPicturePath("lake.jpg (/home/ann/Pictures/)", "/data"),
              "/home/ann/Pictures/lake.jpg");
    EXPECT_EQ(OwnPicturePath("lake.jpg (/home/ann/Pictures/)   ", "/data"),
              "/home/ann/Pictures/lake.jpg");
    // A name with " (" of its own: the folder is after the last one.
    EXPECT_EQ(OwnPicturePath("my (1).bmp (/p/)", "/data"), "/p/my (1).bmp");
    EXPECT_EQ(OwnPicturePath("plain", "/data"), "/data/plain");

    MemorySettings settings;
    settings.WriteString("Customized backgrounds", "Background000", "a.jpg (/x/)");
    settings.WriteString("Customized backgrounds", "Background001", "b.bmp (/y/)");
    settings.WriteString("Customized backgrounds", "Background003", "gap.bmp (/z/)");
    EXPECT_EQ(ReadOwnPictureTexts(settings),
              (std::vector<std::string>{"a.jpg (/x/)", "b.bmp (/y/)"}));
}

TEST(BackgroundCatalogueTest, AddOnEntriesJoinGroupsInSortedPlaces) {
    TempFolder program;
    std::filesystem::create_directories(program.Path() / "gp");
    ASSERT_TRUE(WriteLinesAtomically(program / "gp/b01.dat",
                                     {"[Nature]", "lake01=Lake", "zz=Zebra meadow", "aa=Aaa",
                                      "junk line", "[Lakes]", "l2=Second", "l1=First"}));
    ASSERT_TRUE(WriteLinesAtomically(program / "gp/b02.dat", {"[Nature]", "dune=Dune"}));
    MemorySettings settings;
    settings.WriteString("Customized backgrounds", "Background000", "a.jpg (/x/)");
    const auto groups = FullBackgroundCatalogue(settings, program.Path().string(), "/data");

    // Nature keeps its own order; each add-on goes before the first entry
    // whose text sorts after it.
    EXPECT_EQ(Texts(*GroupNamed(groups, "Nature")),
              (std::vector<std::string>{"Aaa", "Algae", "Dune", "Lake", "Sky", "Meadow", "Ocean",
                                        "Zebra meadow"}));
    // A new group before the first group that sorts after it.
    std::vector<std::string> names;
    for (const auto& group : groups) {
        names.push_back(group.name);
    }
    const auto lakes = std::find(names.begin(), names.end(), "Lakes");
    ASSERT_NE(lakes, names.end());
    EXPECT_EQ(*(lakes - 1), "Floors");
    EXPECT_EQ(*(lakes + 1), "Marble");
    EXPECT_EQ(Texts(*GroupNamed(groups, "Lakes")), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(GroupNamed(groups, "Lakes")->entries[0].code, kCodeAddOnPicture);
    EXPECT_EQ(GroupNamed(groups, "Lakes")->entries[0].picture, "l1");
    // Own pictures in the Customized group.
    ASSERT_EQ(groups[0].entries.size(), 1u);
    EXPECT_EQ(groups[0].entries[0].code, kCodeOwnPicture);
    EXPECT_EQ(groups[0].entries[0].picture, "/x/a.jpg");

    EXPECT_EQ(AddOnPictureName(program.Path().string(), "Dune"), "dune");
    EXPECT_EQ(AddOnDisplayName(program.Path().string(), "lake01"), "Lake");
    EXPECT_EQ(AddOnPictureName(program.Path().string(), "Unknown"), "Unknown");
}

// ---------------------------------------------------------------------------
// The random pick
// ---------------------------------------------------------------------------

class RandomBackgroundTest : public ::testing::Test {
  protected:
    RandomBackgroundTest() {
        sources.dataFolder = data.Path().string();
        sources.programFolder = program.Path().string();
        settings.WriteString("Preference", "Random_Background", "Y");
        settings.WriteString("Preference", "Customized_Background", "/old/own.jpg");
    }

    void WriteList(const std::vector<std::string>& entries) {
        std::vector<std::string> lines{"[Backgrounds]"};
        lines.insert(lines.end(), entries.begin(), entries.end());
        ASSERT_TRUE(WriteLinesAtomically(data / "Rnd_cfg.dat", lines));
        ASSERT_TRUE(WriteFileAtomically(data / "Rnd_read.dat", ""));
    }

    TempFolder data;
    TempFolder program;
    BackgroundSources sources;
    MemorySettings settings;
    ScriptedHost host;
};

TEST_F(RandomBackgroundTest, MissingMarkerWritesTheWholeCatalogueIncluded) {
    settings.WriteString("Customized backgrounds", "Background000", "a.jpg (/x/)");
    Backgrounds backgrounds(host, settings, sources);
    EXPECT_TRUE(backgrounds.PickRandom());
    EXPECT_TRUE(std::filesystem::exists(data / "Rnd_read.dat"));
    const auto lines = ReadLines(data / "Rnd_cfg.dat", 1 << 20);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->front(), "[Backgrounds]");
    const auto has = [&](const std::string& line) {
        return std::count(lines->begin(), lines->end(), line);
    };
    EXPECT_EQ(has("Sky=y 410"), 1);
    EXPECT_EQ(has("(Custom color)=y 1"), 1);
    EXPECT_EQ(has("a.jpg (/x/)=y -102"), 1);
    // "Blue" is both a picture and a colour: one key, the later entry's code.
    EXPECT_EQ(has("Blue=y 16711680"), 1);
    EXPECT_EQ(has("Blue=y 274"), 0);
    // 46 pictures + 7 colours - the shared "Blue" + 1 own picture + header.
    EXPECT_EQ(lines->size(), 46u + 7u - 1u + 1u + 1u);
}

TEST_F(RandomBackgroundTest, ListWithEveryEntryLeftOutGivesTheDefault) {
    WriteList({"Sky=n 410", "Blue=n 16711680", "Marble=N 401"});
    Backgrounds backgrounds(host, settings, sources);
    for (int pick = 0; pick < 5; ++pick) {
        EXPECT_TRUE(backgrounds.PickRandom());
        EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Default);
    }
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Background", "?"), "");
    EXPECT_EQ(settings.ReadString("Preference", "Additional_Background", "?"), "");
    // The list is kept as the player left it.
    EXPECT_EQ(ReadLines(data / "Rnd_cfg.dat", 1 << 20)->at(1), "Sky=n 410");
}

TEST_F(RandomBackgroundTest, PicksOnlyIncludedEntriesByTheirCodes) {
    WriteList({"Sky=n 410", "Marble=y 401", "Teal=n 8421376"});
    Backgrounds backgrounds(host, settings, sources);
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::BuiltIn);
    EXPECT_EQ(backgrounds.Current().code, 401);

    WriteList({"Teal=y 8421376"});
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Colour);
    EXPECT_EQ(backgrounds.Current().colour, 8421376);

    WriteList({"Odd=y x12"});
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Default);
}

TEST_F(RandomBackgroundTest, CustomColourNeedsAStoredColour) {
    WriteList({"(Custom color)=y 1"});
    settings.WriteInteger("Preference", "Background_Col", 0);
    Backgrounds backgrounds(host, settings, sources);
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Default);

    settings.WriteInteger("Preference", "Background_Col", 65280);
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Colour);
    EXPECT_EQ(backgrounds.Current().colour, 65280);
}

TEST_F(RandomBackgroundTest, OwnAndAddOnPicksAreWrittenToTheSettings) {
    std::filesystem::create_directories(program.Path() / "gp");
    ASSERT_TRUE(WriteLinesAtomically(program / "gp/b02.dat", {"[Nature]", "lake01=Lake"}));
    WriteList({"pic.jpg (/x/y/)=y -102"});
    Backgrounds backgrounds(host, settings, sources);
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::OwnPicture);
    EXPECT_EQ(backgrounds.Current().picture, "/x/y/pic.jpg");
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Background", "?"), "/x/y/pic.jpg");

    WriteList({"Lake=y -103"});
    ASSERT_TRUE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::AddOnPicture);
    EXPECT_EQ(backgrounds.Current().picture, "lake01");
    EXPECT_EQ(settings.ReadString("Preference", "Additional_Background", "?"), "lake01");
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Background", "?"), "");
}

TEST_F(RandomBackgroundTest, SwitchedOffChangesNothingButStillWritesTheList) {
    settings.WriteString("Preference", "Random_Background", "N");
    Backgrounds backgrounds(host, settings, sources);
    backgrounds.Load();
    const BackgroundChoice before = backgrounds.Current();
    EXPECT_FALSE(backgrounds.PickRandom());
    EXPECT_EQ(backgrounds.Current(), before);
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Background", "?"), "/old/own.jpg");
    EXPECT_TRUE(std::filesystem::exists(data / "Rnd_cfg.dat"));
}

TEST(RandomEntryCodeTest, NumberAfterTheFirstTwoCharacters) {
    EXPECT_EQ(RandomEntryCode("y 410"), 410);
    EXPECT_EQ(RandomEntryCode("n -102"), -102);
    EXPECT_EQ(RandomEntryCode("y"), 0);
    EXPECT_EQ(RandomEntryCode("y 4x"), 0);
    EXPECT_EQ(RandomEntryCode("y 99999999999"), 0);
}

}  // namespace
}  // namespace jw
