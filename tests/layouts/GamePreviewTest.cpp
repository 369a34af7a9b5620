// The preview of the open-game dialog draws a dealt layout of its own.
#include "layouts/GamePreview.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/CustomLayouts.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"

namespace jw {
namespace {

class Preview : public ::testing::Test {
  protected:
    void SetUp() override {
        library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf");
        ASSERT_NE(library, nullptr);
    }
    // How many distinct colours the picture holds.
    static std::size_t Colours(const Image& image) {
        std::set<Pixel> colours;
        for (int y = 0; y < image.Height(); y += 2) {
            for (int x = 0; x < image.Width(); x += 2) {
                colours.insert(image.At(x, y));
            }
        }
        return colours.size();
    }
    test::ScriptedHost host;
    test::TempFolder folder;
    std::unique_ptr<ResourceLibrary> library;
};

TEST_F(Preview, DrawsTheLayoutCountsItAndTellsFaceDownGames) {
    CustomLayouts custom(folder.Path().string() + "/");
    GamePreview preview(host, library.get(), folder.Path().string() + "/", &custom);
    preview.SetSize(300, 220);
    ASSERT_TRUE(preview.Show(0));
    EXPECT_EQ(preview.Tiles(), 144);
    EXPECT_EQ(preview.Levels(), 5);
    EXPECT_FALSE(preview.FaceDown());
    EXPECT_EQ(preview.Picture().Width(), 300);
    EXPECT_EQ(preview.Picture().Height(), 220);
    // Tiles drawn over the gradient give many colours; the bare gradient few.
    const std::size_t withTiles = Colours(preview.Picture());

    ASSERT_TRUE(preview.Show(50));  // Rectangle 40, a Memory-Up game
    EXPECT_EQ(preview.Tiles(), 40);
    EXPECT_EQ(preview.Levels(), 1);
    EXPECT_TRUE(preview.FaceDown());

    EXPECT_FALSE(preview.Show(10050));  // no such custom layout
    EXPECT_EQ(preview.Tiles(), 0);
    EXPECT_GT(withTiles, Colours(preview.Picture()) + 20);
}

}  // namespace
}  // namespace jw
