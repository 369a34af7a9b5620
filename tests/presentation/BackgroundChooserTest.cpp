// The background chooser's logic: the entry selected at opening, the
// enabling rules, own pictures, the random list and what "OK" writes.
#include "presentation/BackgroundChooser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "presentation/RandomBackground.h"

namespace jw {
namespace {

constexpr int kButtonFace = 0xC0C0C0;

class BackgroundChooserTest : public ::testing::Test {
  protected:
    BackgroundChooserTest() : chooser(settings, Sources(), 24) {}

    BackgroundSources Sources() {
        BackgroundSources sources;
        sources.dataFolder = folder.Path().string() + "/";
        sources.programFolder = folder.Path().string() + "/program/";
        return sources;
    }
    std::string SelectedText() const {
        const BackgroundEntry* entry = chooser.SelectedEntry();
        return entry != nullptr ? entry->text : std::string("(none)");
    }
    std::string GroupText(int group) const {
        return chooser.Groups()[static_cast<std::size_t>(group)].name;
    }
    // The place of the first entry named `text`.
    TreePlace Find(const std::string& text) const {
        for (std::size_t g = 0; g < chooser.Groups().size(); ++g) {
            const auto& entries = chooser.Groups()[g].entries;
            for (std::size_t e = 0; e < entries.size(); ++e) {
                if (entries[e].text == text) {
                    return {static_cast<int>(g), static_cast<int>(e)};
                }
            }
        }
        return {};
    }

    test::TempFolder folder;
    test::MemorySettings settings;
    test::ScriptedHost host;
    BackgroundChooser chooser;
};

TEST_F(BackgroundChooserTest, OpensOnTheBackgroundInUse) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    EXPECT_EQ(SelectedText(), "Green");

    BackgroundChoice sky;
    sky.kind = BackgroundKind::BuiltIn;
    sky.code = 410;
    chooser.Open(sky, kButtonFace);
    EXPECT_EQ(SelectedText(), "Sky");

    BackgroundChoice navy;
    navy.kind = BackgroundKind::Colour;
    navy.colour = 8388608;
    chooser.Open(navy, kButtonFace);
    EXPECT_EQ(SelectedText(), "Navy");

    BackgroundChoice own;
    own.kind = BackgroundKind::Colour;
    own.colour = 0x123456;
    chooser.Open(own, kButtonFace);
    EXPECT_EQ(SelectedText(), "(Custom color)");
    EXPECT_TRUE(chooser.ColoursEnabled());
    EXPECT_TRUE(chooser.FadeEnabled());
}

TEST_F(BackgroundChooserTest, ACustomColourOfZeroIsTheSystemColour) {
    Write(settings, setting::kBackgroundCol, 0);
    chooser.Open(BackgroundChoice{}, kButtonFace);
    EXPECT_EQ(chooser.customColour, kButtonFace);
    Write(settings, setting::kBackgroundCol, 0x112233);
    chooser.Open(BackgroundChoice{}, kButtonFace);
    EXPECT_EQ(chooser.customColour, 0x112233);
}

TEST_F(BackgroundChooserTest, ControlsFollowTheSelection) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    chooser.Select(Find("Sky"));
    EXPECT_FALSE(chooser.ColoursEnabled());
    EXPECT_FALSE(chooser.FadeEnabled());
    EXPECT_TRUE(chooser.RandomButtonsEnabled());
    chooser.Select(Find("Teal"));
    EXPECT_FALSE(chooser.ColoursEnabled());
    EXPECT_TRUE(chooser.FadeEnabled());
    chooser.Select({Find("Sky").group, -1});  // the group "Nature"
    EXPECT_EQ(chooser.SelectedEntry(), nullptr);
    EXPECT_FALSE(chooser.RandomButtonsEnabled());
    EXPECT_FALSE(chooser.PreviewChoice(kButtonFace).has_value());

    BackgroundChooser fewColours(settings, Sources(), 8);
    fewColours.Open(BackgroundChoice{}, kButtonFace);
    EXPECT_FALSE(fewColours.FadingOffered());
    EXPECT_FALSE(fewColours.FadeEnabled());
}

TEST_F(BackgroundChooserTest, OwnPicturesComeAndGoWithThePlaceholder) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    EXPECT_EQ(GroupText(0), "Customized");
    ASSERT_EQ(chooser.Groups()[0].entries.size(), 1u);
    EXPECT_TRUE(chooser.IsPlaceholder({0, 0}));
    EXPECT_EQ(chooser.Groups()[0].entries[0].text, "(Double click to add a background)");

    chooser.AddOwnPicture("/home/p/Pictures/lake.jpg");
    chooser.AddOwnPicture("/home/p/Pictures/hills.bmp");
    ASSERT_EQ(chooser.Groups()[0].entries.size(), 2u);
    EXPECT_EQ(SelectedText(), "hills.bmp (/home/p/Pictures/)");
    EXPECT_EQ(settings.ReadString(setting::kOwnBackgrounds.section, "Background000", ""),
              "lake.jpg (/home/p/Pictures/)");
    EXPECT_EQ(settings.ReadString(setting::kOwnBackgrounds.section, "Background001", ""),
              "hills.bmp (/home/p/Pictures/)");

    // Deleting the first renumbers the rest without a gap.
    chooser.Select({0, 0});
    ASSERT_TRUE(chooser.DeleteOwnPicture());
    EXPECT_EQ(settings.ReadString(setting::kOwnBackgrounds.section, "Background000", ""),
              "hills.bmp (/home/p/Pictures/)");
    EXPECT_EQ(ReadOwnPictureTexts(settings).size(), 1u);
    EXPECT_EQ(SelectedText(), "hills.bmp (/home/p/Pictures/)");

    // Deleting the only one brings the placeholder back.
    ASSERT_TRUE(chooser.DeleteOwnPicture());
    EXPECT_TRUE(ReadOwnPictureTexts(settings).empty());
    EXPECT_TRUE(chooser.IsPlaceholder({0, 0}));
    EXPECT_FALSE(chooser.DeleteOwnPicture());
}

TEST_F(BackgroundChooserTest, OkOnAGroupOrThePlaceholderAsksForABackground) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    chooser.Select({1, -1});
    EXPECT_FALSE(chooser.Ok(host).has_value());
    chooser.Select({0, 0});
    EXPECT_FALSE(chooser.Ok(host).has_value());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Please select a Background.",
                                                             "Please select a Background."}));
    EXPECT_FALSE(settings.Has(setting::kBackgroundBmp.section, setting::kBackgroundBmp.key));
}

TEST_F(BackgroundChooserTest, OkWritesTheChoiceAndTheRandomList) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    chooser.Select(Find("Sky"));
    EXPECT_EQ(chooser.IncludeCaption(), "Unselect");
    chooser.ToggleInclude();
    EXPECT_EQ(chooser.IncludeCaption(), "Select");
    chooser.random = true;
    chooser.fade = false;
    const std::optional<BackgroundChoice> choice = chooser.Ok(host);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->kind, BackgroundKind::BuiltIn);
    EXPECT_EQ(choice->code, 410);
    EXPECT_EQ(Read(settings, setting::kBackgroundBmp), 410);
    EXPECT_EQ(Read(settings, setting::kBackgroundFixedCol), 0);
    EXPECT_FALSE(Read(settings, setting::kBackgroundDef));
    EXPECT_FALSE(Read(settings, setting::kFadeBackground));
    EXPECT_TRUE(Read(settings, setting::kRandomBackground));
    EXPECT_EQ(Read(settings, setting::kCustomizedBackground), "");

    const auto inclusion = RandomListInclusion(folder.Path().string());
    ASSERT_TRUE(inclusion.count("Sky"));
    EXPECT_FALSE(inclusion.at("Sky"));
    EXPECT_TRUE(inclusion.at("Ocean"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Rnd_read.dat"));

    // The next opening shows the marks as they were left.
    BackgroundChooser again(settings, Sources(), 24);
    again.Open(*choice, kButtonFace);
    EXPECT_EQ(again.IncludeCaption(), "Select");
    again.IncludeAll(true);
    EXPECT_EQ(again.IncludeCaption(), "Unselect");
}

TEST_F(BackgroundChooserTest, OkOnAColourWritesItAsFixedColour) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    chooser.Select(Find("Teal"));
    const std::optional<BackgroundChoice> choice = chooser.Ok(host);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->kind, BackgroundKind::Colour);
    EXPECT_EQ(Read(settings, setting::kBackgroundFixedCol), 8421376);
    EXPECT_EQ(Read(settings, setting::kBackgroundBmp), 0);
}

TEST_F(BackgroundChooserTest, AMissingOwnPicturePreviewsTheDefaultAndSaysWhy) {
    chooser.Open(BackgroundChoice{}, kButtonFace);
    chooser.AddOwnPicture((folder.Path() / "gone.jpg").string());
    Image preview;
    const BackgroundOutcome outcome = chooser.DrawPreview(preview, 64, 48, kButtonFace);
    EXPECT_EQ(outcome, BackgroundOutcome::OwnPictureMissing);
    EXPECT_GT(GreenOf(preview.At(0, 0)), 100);  // the default green at the top
    EXPECT_EQ(RedOf(preview.At(0, 0)), 0);

    std::ofstream(folder.Path() / "junk.jpg") << "not a picture";
    chooser.AddOwnPicture((folder.Path() / "junk.jpg").string());
    EXPECT_EQ(chooser.DrawPreview(preview, 64, 48, kButtonFace),
              BackgroundOutcome::OwnPictureInvalid);
    EXPECT_GT(GreenOf(preview.At(0, 0)), 100);
}

}  // namespace
}  // namespace jw
