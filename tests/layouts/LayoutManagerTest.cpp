#include "layouts/LayoutManager.h"

#include "layouts/ForeignLayout.h"

#include <gtest/gtest.h>

#include "platform/MemorySettings.h"
#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

class LayoutManagerTest : public ::testing::Test {
  protected:
    LayoutManagerTest() { fs::create_directories(Docs()); }
    std::string Docs() const { return (temp.Path() / "docs").string() + "/"; }

    // Registers a layout whose file holds `text`.
    GameId Add(const std::string& name, const std::string& text) {
        const GameId id = layouts.RegisterLayout(name);
        EXPECT_TRUE(WriteFileAtomically(layouts.LayoutFileName(id), text));
        return id;
    }
    std::string FileOf(GameId id) {
        return ReadFileBytes(layouts.LayoutFileName(id), 1 << 20).value_or("<missing>");
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const LayoutEntry& entry : ManagedLayouts(layouts))
            names.push_back(entry.name);
        return names;
    }

    test::TempFolder temp;
    test::ScriptedHost host;
    test::MemorySettings settings;
    CustomLayouts layouts{temp.Path().string() + "/"};
    LayoutManager manager{host, layouts, settings};
};

TEST_F(LayoutManagerTest, NameDialogChecksInOrder) {
    Add("Tower", "x\r\n");
    EXPECT_EQ(CheckLayoutName(host, layouts, "   ", NameUse::Save), NameCheck::Empty);
    EXPECT_EQ(CheckLayoutName(host, layouts, "a+b", NameUse::Rename, "a"), NameCheck::Refused);
    ASSERT_EQ(host.messages.size(), 1u);
    // The message lists nine characters, though twelve are refused.
    EXPECT_EQ(host.messages[0].text,
              "A Layout name cannot contain any of the following characters: \\ / : * ? \" < > "
              "|\rPlease rename the Layout name:  a+b");
    EXPECT_EQ(CheckLayoutName(host, layouts, "x;y", NameUse::Save), NameCheck::Refused);
    EXPECT_EQ(CheckLayoutName(host, layouts, "Pyramid", NameUse::Duplicate, "Pyramid"),
              NameCheck::Unchanged);
    host.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(CheckLayoutName(host, layouts, "tower", NameUse::Save), NameCheck::Declined);
    EXPECT_EQ(CheckLayoutName(host, layouts, "tower", NameUse::Rename, "Tower"),
              NameCheck::Accepted);
    EXPECT_EQ(host.messages.back().text,
              "The layout: tower already exists. Do you want to replace the existing layout?");
    EXPECT_EQ(CheckLayoutName(host, layouts, "New one", NameUse::Save), NameCheck::Accepted);
}

TEST_F(LayoutManagerTest, RenameOntoAnotherLayoutReplacesIt) {
    const GameId a = Add("A", "layout A\r\n");
    const GameId b = Add("B", "layout B\r\n");
    const auto renamed = manager.Rename({a, "A"}, "  B ");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(renamed->name, "B");
    EXPECT_TRUE(renamed->replacedOther);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B"}));
    EXPECT_EQ(layouts.LayoutIdByName("B"), a);
    EXPECT_EQ(FileOf(a), "layout A\r\n");
    EXPECT_FALSE(fs::exists(layouts.LayoutFileName(b)));

    // Only the letters change.
    const auto letters = manager.Rename({a, "B"}, "b");
    ASSERT_TRUE(letters);
    EXPECT_FALSE(letters->replacedOther);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(layouts.LayoutIdByName("b"), a);

    EXPECT_FALSE(manager.Rename({12345, "Gone"}, "Other"));
    EXPECT_EQ(host.MessageTexts().back(), "Error in renaming the file: Gone\rto: Other");
}

TEST_F(LayoutManagerTest, DuplicateCopiesTheFileUnderANewId) {
    const GameId a = Add("Tower", "line 1\nline 2\n");
    const auto copy = manager.Duplicate("Tower", " Tower 2 ");
    ASSERT_TRUE(copy);
    EXPECT_NE(*copy, a);
    EXPECT_EQ(layouts.LayoutNameById(*copy), "Tower 2");
    EXPECT_EQ(FileOf(*copy), "line 1\nline 2\n");  // byte for byte

    EXPECT_FALSE(manager.Duplicate("Nothing", "Else"));
    EXPECT_EQ(host.MessageTexts().back(), "File not found: Nothing");
    const GameId broken = layouts.RegisterLayout("Broken");
    EXPECT_FALSE(manager.Duplicate("Broken", "Fixed"));
    EXPECT_EQ(host.MessageTexts().back(), "File not found: " + layouts.LayoutFileName(broken));
    EXPECT_FALSE(layouts.LayoutExists("Fixed"));
}

// A layout file of `tiles` tiles in a row (a multiple of 4).
std::string LayoutOf(int tiles) {
    std::string top = "kmahjongg-layout-v1.1\nw" + std::to_string(2 * tiles) + "\nh2\nd1\n";
    std::string first, second;
    for (int k = 0; k < tiles; ++k) {
        first += "12";
        second += "43";
    }
    return ConvertForeignLayout(top + first + "\n" + second + "\n").fileText;
}

TEST_F(LayoutManagerTest, ImportRegistersTheFileNameAndReplacesOnYes) {
    const std::string file = Docs() + "Tower.mjl";
    ASSERT_TRUE(WriteFileAtomically(file, LayoutOf(4)));
    host.fileAnswers = {file};
    EXPECT_EQ(manager.Import(), "Tower");
    const GameId id = layouts.LayoutIdByName("Tower");
    ASSERT_GE(id, kFirstCustomGameId);
    EXPECT_EQ(FileOf(id), LayoutOf(4));
    EXPECT_EQ(ReadText(settings, setting::kDirSave, ""), Docs());
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].title, "Import Layout");
    EXPECT_EQ(host.fileDialogs[0].filter,
              "Jadewind 2007 Layouts (*.mjl)|*.mjl|Other programs' layouts (*.layout)|*.layout");

    ASSERT_TRUE(WriteFileAtomically(file, LayoutOf(8)));
    host.fileAnswers = {file, file};
    host.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(manager.Import(), "Tower");  // declined: nothing imported
    EXPECT_EQ(FileOf(id), LayoutOf(4));
    EXPECT_EQ(manager.Import(), "Tower");
    EXPECT_EQ(layouts.LayoutIdByName("Tower"), id);
    EXPECT_EQ(FileOf(id), LayoutOf(8));
    EXPECT_EQ(host.fileDialogs.back().folder, Docs());

    host.fileAnswers = {std::nullopt};
    EXPECT_FALSE(manager.Import());
}

TEST_F(LayoutManagerTest, ImportConvertsOtherProgramsLayoutsAndRefusesWhatIsNoLayout) {
    const std::string foreign = Docs() + "Row.layout";
    ASSERT_TRUE(
        WriteFileAtomically(foreign, "kmahjongg-layout-v1.1\nw8\nh2\nd1\n12121212\n43434343\n"));
    host.fileAnswers = {foreign};
    EXPECT_EQ(manager.Import(), "Row");
    EXPECT_EQ(FileOf(layouts.LayoutIdByName("Row")), LayoutOf(4));

    const std::string picture = Docs() + "Picture.mjl";
    ASSERT_TRUE(WriteFileAtomically(picture, std::string("\x89PNG\r\n\x1a\n", 8)));
    const std::string broken = Docs() + "Broken.layout";
    ASSERT_TRUE(WriteFileAtomically(broken, "kmahjongg-layout-v1.1\nw4\nh2\nd1\n12..\n4...\n"));
    host.fileAnswers = {picture, broken};
    EXPECT_FALSE(manager.Import());
    EXPECT_EQ(host.MessageTexts().back(),
              "The layout Picture was not imported.\rThe file: Picture.mjl is not a layout file.");
    EXPECT_FALSE(manager.Import());
    EXPECT_EQ(host.MessageTexts().back(),
              "The layout Broken was not imported.\rThe tile at level 1, row 1, column 1 is not "
              "whole: a tile is the four cells 1 2 over 4 3.");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Row"}));
}

TEST_F(LayoutManagerTest, ExportAsksBeforeReplacingAFile) {
    const GameId id = Add("Tower", "tower\r\n");
    const std::string taken = Docs() + "Taken.mjl";
    const std::string free = Docs() + "Free";
    ASSERT_TRUE(WriteFileAtomically(taken, "keep me"));
    // No: the dialog comes back; the second choice is written.
    host.fileAnswers = {taken, free};
    host.answers = {MessageAnswer::No};
    EXPECT_TRUE(manager.Export({id, "Tower"}));
    EXPECT_EQ(ReadFileBytes(taken, 100).value_or(""), "keep me");
    EXPECT_EQ(ReadFileBytes(free + ".mjl", 100).value_or(""), "tower\r\n");
    EXPECT_EQ(host.fileDialogs[0].fileName, "Tower");
    EXPECT_EQ(host.messages[0].text,
              "The file: Taken.mjl already exists. Do you want to replace the existing file?");
    // Cancel ends the export.
    host.fileAnswers = {taken};
    host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(manager.Export({id, "Tower"}));
    EXPECT_EQ(ReadFileBytes(taken, 100).value_or(""), "keep me");

    fs::remove(layouts.LayoutFileName(id));
    host.fileAnswers = {Docs() + "Other.mjl"};
    EXPECT_FALSE(manager.Export({id, "Tower"}));
    EXPECT_EQ(host.MessageTexts().back(), "File not found: " + layouts.LayoutFileName(id));
}

TEST_F(LayoutManagerTest, DeleteAsksReleasesAndPurges) {
    const GameId first = Add("One", "1");
    const GameId second = Add("Two", "2");
    std::vector<GameId> purged;
    const auto purge = [&](GameId id) { purged.push_back(id); };
    host.answers = {MessageAnswer::No};
    EXPECT_FALSE(manager.Delete({first, "One"}, nullptr, purge));
    EXPECT_EQ(host.messages[0].text, "Are you sure you want to delete the Layout: One?");
    // The running game of it would not be left.
    EXPECT_FALSE(manager.Delete(
        {first, "One"}, [](GameId) { return false; }, purge));
    EXPECT_TRUE(layouts.LayoutExists("One"));
    EXPECT_TRUE(manager.Delete(
        {first, "One"}, [](GameId) { return true; }, purge));
    EXPECT_EQ(purged, (std::vector<GameId>{first}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Two"}));
    EXPECT_FALSE(fs::exists(layouts.LayoutFileName(first)));
    EXPECT_EQ(layouts.LayoutIdByName("Two"), second);
}

}  // namespace
}  // namespace jw
