#include <gtest/gtest.h>

#include <fstream>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "presentation/Blit.h"
#include "presentation/TestPictures.h"
#include "presentation/TileSet.h"
#include "presentation/TileSetCatalog.h"

namespace jw {
namespace {

using test::CellColour;

TEST(TileSizes, TableAndTheExtraLargeSizeBySet) {
    test::ScriptedHost host;
    EXPECT_EQ(SizeTableGeometry('B', 4, false, host), (TileGeometry{52, 70, 14}));
    EXPECT_EQ(SizeTableGeometry('n', 503, false, host), (TileGeometry{32, 44, 9}));
    EXPECT_EQ(SizeTableGeometry('T', 1, false, host), (TileGeometry{76, 104, 20}));
    EXPECT_EQ(SizeTableGeometry('X', 1, false, host), (TileGeometry{88, 120, 24}));
    EXPECT_EQ(SizeTableGeometry('X', 2, false, host), (TileGeometry{82, 110, 22}));
    EXPECT_EQ(SizeTableGeometry('x', 3, false, host), (TileGeometry{76, 102, 20}));
    EXPECT_EQ(SizeTableGeometry('X', 501, false, host), (TileGeometry{88, 120, 24}));
    EXPECT_EQ(SizeTableGeometry('X', kAddOnSetNumber, false, host), (TileGeometry{88, 120, 24}));
    EXPECT_EQ(SizeTableGeometry('B', kAddOnSetNumber, true, host), (TileGeometry{52, 52, 14}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(SizeTableGeometry('X', 0, false, host), std::nullopt);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error TSEL01"});
    EXPECT_EQ(SizeTableGeometry('Q', 4, false, host), std::nullopt);
    EXPECT_EQ(SizeLabel('x'), "Size 8 (Extra large)");
    EXPECT_EQ(SizeLabel('N'), "Size 1 (Small)");
}

TEST(TileSizes, SteppingStopsAtBothEndsAndRefusesOtherSteps) {
    test::ScriptedHost host;
    std::string up;
    for (char letter = 'N'; up.size() < 8; letter = StepTileSize(letter, "+", host)) {
        up += letter;
    }
    EXPECT_EQ(up, "NMPBCSTX");
    EXPECT_EQ(StepTileSize('X', "+", host), 'X');
    EXPECT_EQ(StepTileSize('n', "-", host), 'N');
    EXPECT_EQ(StepTileSize('C', "-", host), 'B');
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(StepTileSize('C', "*", host), 'C');
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error InDeS01"});
}

TEST(TileSetNames, BuiltInAddOnAndPreviewPictures) {
    TileSetNames names = NamesFor({7, "", 'B', false});
    EXPECT_EQ(names.sheet, "tiles_X_007");
    EXPECT_TRUE(names.sheetIsJpeg);
    EXPECT_FALSE(names.fromAddOn);
    EXPECT_EQ(names.bodies[2], "tiles_x_007_3_3D_Border");
    EXPECT_EQ(names.faceOverlay, "tiles_x_007_3D_Border_Transparent");
    EXPECT_EQ(names.silhouette, "tiles_3D_border_transparent");
    EXPECT_EQ(NamesFor({2, "", 'B', false}).sheet, "tiles_S_002");

    names = NamesFor({kAddOnSetNumber, "B_MR_MODERN", 'B', false});
    EXPECT_EQ(names.sheet, "B_MR_MODERN");
    EXPECT_FALSE(names.sheetIsJpeg);
    EXPECT_TRUE(names.fromAddOn);
    EXPECT_EQ(names.bodies[0], "B_MR_MODERN_1_3D_Border");
    EXPECT_EQ(names.faceOverlay, "tiles_x_***_3D_Border_Transparent");

    names = NamesFor({4, "", 0, true});
    EXPECT_EQ(names.sheet, "preview_001");
    EXPECT_FALSE(names.sheetIsJpeg);
    EXPECT_EQ(names.bodies[1], "preview_001_2_3D_Border");
    EXPECT_EQ(names.faceOverlay, "tiles_x_001_3D_Border_Transparent");
    EXPECT_TRUE(names.silhouette.empty());
    EXPECT_EQ(SetNumberText(1000), "***");
    EXPECT_EQ(SetNumberText(5), "005");
}

TEST(TileSetNames, AddOnIdLettersAreReadCaseInsensitively) {
    const AddOnTraits flags = ReadAddOnId("J_TS_FLAGS");
    EXPECT_TRUE(flags.jpeg && flags.matching && flags.square);
    const AddOnTraits modern = ReadAddOnId("b_mr_modern");
    EXPECT_FALSE(modern.jpeg || modern.matching || modern.square);
    const AddOnTraits lower = ReadAddOnId("j_tr_dogs");
    EXPECT_TRUE(lower.jpeg && lower.matching);
    EXPECT_FALSE(lower.square);
    EXPECT_FALSE(ReadAddOnId("J").matching);
}

class TileSetLoading : public ::testing::Test {
  protected:
    TileSetContext Context() { return {host, &main, &addOns, &settings, scoreType}; }
    bool LoadAddOn(const std::string& id, char letter) {
        settings.WriteString("Preference", "Additional_Tile_Set", id);
        tiles.choice = {kAddOnSetNumber, id, letter, false};
        TileSetContext context = Context();
        return LoadTileSet(0, letter, context, tiles);
    }
    test::ScriptedHost host;
    test::MemoryStore main;
    test::MemoryStore addOns;
    test::MemorySettings settings;
    std::string scoreType = "01";
    TileSet tiles;
};

TEST_F(TileSetLoading, SlicesTheSheetSkippingCells34_35And44) {
    test::PutTestTileSet(main, addOns, "B_MR_TEST", 32, 44, 32, 44, 9);
    ASSERT_TRUE(LoadAddOn("B_MR_TEST", 'N'));
    EXPECT_EQ(tiles.geometry, (TileGeometry{32, 44, 9}));
    EXPECT_EQ(tiles.images.faceCount, 42);
    const auto cellOfFace = [](int face) {
        const int index = face - 1;
        return index < 34 ? index : index + 2;
    };
    for (int face = 1; face <= 42; ++face) {
        const Image& picture = tiles.images.faces[static_cast<std::size_t>(face)];
        ASSERT_EQ(picture.Width(), 32);
        ASSERT_EQ(picture.Height(), 44);
        // Copied without scaling: the cell's first and last pixels, no frame.
        EXPECT_EQ(picture.At(1, 0), CellColour(cellOfFace(face))) << face;
        EXPECT_EQ(picture.At(31, 43), CellColour(cellOfFace(face))) << face;
    }
    // The examples: face 28 is cell (0, 3), 34 is (6, 3), 35 is (0, 4), 42 is (7, 4).
    EXPECT_EQ(tiles.images.faces[28].At(5, 5), CellColour(3 * 9 + 0));
    EXPECT_EQ(tiles.images.faces[34].At(5, 5), CellColour(3 * 9 + 6));
    EXPECT_EQ(tiles.images.faces[35].At(5, 5), CellColour(4 * 9 + 0));
    EXPECT_EQ(tiles.images.faces[42].At(5, 5), CellColour(4 * 9 + 7));
    // The face overlay's magenta came through: faces are see-through by it.
    EXPECT_TRUE(tiles.images.facesKeyed);
    EXPECT_EQ(tiles.images.faces[1].At(0, 0), kKeyColour);
    // Face 43 is the top-left of body variant 1.
    EXPECT_EQ(tiles.images.faces[kBlankFace].At(10, 10), test::BodyFaceColour(1));
    EXPECT_EQ(tiles.images.faces[kBlankFace].Width(), 32);
    EXPECT_EQ(scoreType, "01");
}

TEST_F(TileSetLoading, ScalesCellsOfAnotherSizeAndSquaresSquareSets) {
    test::PutTestTileSet(main, addOns, "B_TS_SQUARE", 40, 50, 52, 52, 14);
    ASSERT_TRUE(LoadAddOn("B_TS_SQUARE", 'B'));
    EXPECT_EQ(tiles.geometry, (TileGeometry{52, 52, 14}));
    EXPECT_EQ(scoreType, "02");
    const Image& face = tiles.images.faces[5];
    ASSERT_EQ(face.Width(), 52);
    ASSERT_EQ(face.Height(), 52);
    EXPECT_EQ(face.At(26, 26), CellColour(4));
}

TEST_F(TileSetLoading, BodiesGetTheirCornersCutAndStripsAreCutFromThem) {
    test::PutTestTileSet(main, addOns, "B_MR_TEST", 52, 70, 52, 70, 14);
    ASSERT_TRUE(LoadAddOn("B_MR_TEST", 'B'));
    const int w = 52, h = 70, d = 14;
    for (std::size_t k = 1; k <= 3; ++k) {
        const Image& body = tiles.images.bodies[k];
        ASSERT_EQ(body.Width(), w + d);
        ASSERT_EQ(body.Height(), h + d);
        // Top right: 14 pixels of row 0, one of row 13.
        EXPECT_EQ(body.At(w - 1, 0), test::BodyFaceColour(static_cast<int>(k)));
        EXPECT_EQ(body.At(w, 0), kKeyColour);
        EXPECT_EQ(body.At(w + d - 2, d - 1), test::BodyRightColour(static_cast<int>(k)));
        EXPECT_EQ(body.At(w + d - 1, d - 1), kKeyColour);
        EXPECT_EQ(body.At(w + d - 1, d), test::BodyRightColour(static_cast<int>(k)));
        // Bottom left: 14 pixels of the bottom row, one of row h.
        EXPECT_EQ(body.At(d - 1, h + d - 1), kKeyColour);
        EXPECT_EQ(body.At(d, h + d - 1), test::BodyBottomColour(static_cast<int>(k)));
        EXPECT_EQ(body.At(0, h), kKeyColour);
        EXPECT_EQ(body.At(1, h), test::BodyBottomColour(static_cast<int>(k)));

        const Image& right = tiles.images.rightStrips[k];
        const Image& bottom = tiles.images.bottomStrips[k];
        ASSERT_EQ(right.Width(), d);
        ASSERT_EQ(right.Height(), h + d);
        ASSERT_EQ(bottom.Width(), w);
        ASSERT_EQ(bottom.Height(), d);
        EXPECT_EQ(right.At(0, 0), kKeyColour);
        EXPECT_EQ(right.At(0, 20), body.At(w, 20));
        EXPECT_EQ(bottom.At(20, 3), body.At(20, h + 3));
    }
    EXPECT_EQ(tiles.images.tileBuffer, tiles.images.bodies[1]);
    EXPECT_EQ(tiles.images.redrawBuffer.Width(), w + 2 * d);
}

TEST_F(TileSetLoading, SilhouettePointerFrameAndHighlight) {
    test::PutTestTileSet(main, addOns, "B_MR_TEST", 32, 44, 32, 44, 9);
    Image mask(32, 44, PixelFormat::Rgb24, Rgb(100, 200, 50));
    main.Put("BITMAP", "high_tld_alph", test::EncodeBmp(mask));
    ASSERT_TRUE(LoadAddOn("B_MR_TEST", 'N'));
    const Image& silhouette = tiles.images.silhouette;
    EXPECT_EQ(silhouette.At(0, 0), kSilhouetteKey);
    EXPECT_EQ(silhouette.At(1, 0), kKeyColour);
    EXPECT_EQ(silhouette.At(32 + 9 - 1, 0), kSilhouetteKey);
    EXPECT_EQ(silhouette.At(0, 44 + 9 - 1), kSilhouetteKey);
    EXPECT_EQ(silhouette.At(20, 20), kKeyColour);

    const Image& frame = tiles.images.pointerFrame;
    EXPECT_EQ(frame.At(0, 0), kKeyColour);
    EXPECT_EQ(frame.At(31, 43), kKeyColour);
    EXPECT_EQ(frame.At(1, 0), Rgb(255, 128, 64));
    EXPECT_EQ(frame.At(3, 20), Rgb(255, 128, 64));
    EXPECT_EQ(frame.At(4, 20), kKeyColour);
    EXPECT_EQ(frame.At(28, 20), Rgb(255, 128, 64));
    EXPECT_EQ(frame.At(27, 20), kKeyColour);

    // Alpha = (61 x 100 + 174 x 200 + 21 x 50) / 256 = 163, orange
    // premultiplied; none where the face overlay is magenta.
    const Image& overlay = tiles.images.highlightOverlay;
    EXPECT_EQ(overlay.Format(), PixelFormat::Argb32);
    EXPECT_EQ(overlay.At(10, 10), Argb(163, 255 * 163 / 255, 128 * 163 / 255, 0));
    EXPECT_EQ(AlphaOf(overlay.At(0, 0)), 0);
}

TEST_F(TileSetLoading, MissingPartsLeaveEmptyPicturesAndOpaqueFaces) {
    test::PutTestTileSet(main, addOns, "B_MR_TEST", 32, 44, 32, 44, 9);
    main.entries.clear();
    addOns.entries.erase("bitmap/b_mr_test_2_3d_border");
    ASSERT_TRUE(LoadAddOn("B_MR_TEST", 'N'));
    EXPECT_FALSE(tiles.images.facesKeyed);
    EXPECT_EQ(tiles.images.faces[1].At(0, 0), CellColour(0));
    EXPECT_TRUE(tiles.images.bodies[2].Empty());
    EXPECT_FALSE(tiles.images.bodies[3].Empty());
    EXPECT_TRUE(tiles.images.silhouette.Empty());
    EXPECT_TRUE(tiles.images.highlightOverlay.Empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(TileSetLoading, FallsBackToTheFamilyDefaultAtSizeSAndWritesTheSettings) {
    // Set 4 exists as a built-in JPEG set; set 7 does not.
    test::MemoryStore scratch;
    test::PutTestTileSet(scratch, scratch, "tmp", 64, 90, 64, 90, 18);
    Image sheet(9 * 64 + 10, 5 * 90 + 6, PixelFormat::Rgb24, Rgb(200, 200, 200));
    main.Put("JPEG", "tiles_X_004", test::EncodeJpeg(sheet));
    for (int k = 1; k <= 3; ++k) {
        main.Put("BITMAP", "tiles_x_004_" + std::to_string(k) + "_3D_Border",
                 *scratch.Find("BITMAP", "tmp_" + std::to_string(k) + "_3D_Border"));
    }
    settings.WriteString("Preference", "Customized_Tile_Set", "something");
    TileSetContext context = Context();
    ASSERT_TRUE(LoadTileSet(7, 'B', context, tiles));
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error Loading Tile Set"});
    EXPECT_EQ(tiles.choice.setNumber, 4);
    EXPECT_EQ(tiles.choice.sizeLetter, 'S');
    EXPECT_EQ(tiles.geometry, (TileGeometry{64, 90, 18}));
    EXPECT_EQ(settings.ReadInteger("Preference", "Tile_Set", 0), 4);
    EXPECT_EQ(settings.ReadString("Preference", "Tile_Set_Size", ""), "S");
    EXPECT_EQ(settings.ReadString("Preference", "Additional_Tile_Set", "x"), "");
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Tile_Set", "x"), "");
}

TEST_F(TileSetLoading, StopsWhenTheFallBackFailsToo) {
    TileSetContext context = Context();
    EXPECT_FALSE(LoadTileSet(503, 'N', context, tiles));
    // One report, the Matching family's default tried once, nothing loaded.
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error Loading Tile Set"});
    EXPECT_EQ(settings.ReadInteger("Preference", "Tile_Set", 0), 501);
    EXPECT_EQ(scoreType, "02");
    EXPECT_FALSE(tiles.loaded);
    EXPECT_TRUE(tiles.images.faces[1].Empty());

    // A sheet too small for one cell fails the same way.
    host.messages.clear();
    main.Put("JPEG", "tiles_X_004", test::EncodeJpeg(Image(18, 40)));
    EXPECT_FALSE(LoadTileSet(4, 'N', context, tiles));
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error Loading Tile Set"});
    // A damaged sheet as well, without a crash.
    host.messages.clear();
    main.Put("JPEG", "tiles_X_004", std::string("\xFF\xD8\xFF\xDB\x00\x43junk", 10));
    EXPECT_FALSE(LoadTileSet(4, 'N', context, tiles));
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Error Loading Tile Set"});
}

TEST_F(TileSetLoading, ReloadChecksTheFamilyCodeAndReadsTheAddOnIdFromTheSettings) {
    test::PutTestTileSet(main, addOns, "B_MR_TEST", 32, 44, 32, 44, 9);
    scoreType = "07";
    tiles.choice = {kAddOnSetNumber, "SOMETHING_ELSE", 'N', false};
    settings.WriteString("Preference", "Additional_Tile_Set", "B_MR_TEST");
    TileSetContext context = Context();
    ASSERT_TRUE(LoadTileSet(-1, 'X', context, tiles));
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Score Type Error (fnLT):07"});
    EXPECT_EQ(tiles.choice.addOnId, "B_MR_TEST");
    EXPECT_EQ(tiles.geometry.faceWidth, 32);  // the current size, not the argument
}

TEST(TileSetCatalogRows, StoredTextFieldsAndFamilyOrder) {
    EXPECT_EQ(AllTileSetRows().front(),
              R"("M","preview_tiles_mahjong_antique","","003","Antique")");
    EXPECT_EQ(AllTileSetRows().size(), 36u);
    const std::string row = AllTileSetRows()[5];
    EXPECT_EQ(TileSetRowField(row, 0), "M");
    EXPECT_EQ(TileSetRowField(row, 2), "01");
    EXPECT_EQ(TileSetRowField(row, 3), "J_MR_CHILDREN_S_TILE_SET");
    EXPECT_EQ(TileSetRowField(row, 4), "Children's Tile Set");

    std::vector<std::string> names;
    for (const std::string& r : TileSetCatalog("01")) {
        names.push_back(TileSetRowField(r, 4));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Antique", "Classic", "Oriental", "Modern", "Bamboo",
                                               "Cards", "Children's Tile Set", "Golden",
                                               "Traditional Chinese", "Yellow River"}));
    const std::vector<std::string> matching = TileSetCatalog("02");
    ASSERT_EQ(matching.size(), 26u);
    EXPECT_EQ(TileSetRowField(matching[0], 4), "Fruits");
    EXPECT_EQ(TileSetRowField(matching[2], 4), "Shapes");
    EXPECT_EQ(TileSetRowField(matching[3], 4), "American Flags");
    EXPECT_EQ(TileSetRowField(matching[25], 4), "Wild Flowers");
    EXPECT_TRUE(TileSetCatalog("09").empty());
}

TEST(TileSetCatalogRows, InstalledWhenTheVolumeListNamesTheSet) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "gp");
    std::ofstream(folder / "gp/t01.dat") << "[MahJong type]\r\nJ_MR_CARDS=   \r\n"
                                            "[Matching type]\r\nJ_MR_CARDS=Cards\r\n"
                                            "J_TR_DOGS=Dogs\r\nJ_TS_FLAGS=\r\n";
    const std::string root = folder.Path().string();
    auto row = [](std::string_view id) {
        for (const std::string& r : AllTileSetRows()) {
            if (TileSetRowField(r, 3) == id) {
                return r;
            }
        }
        return std::string();
    };
    EXPECT_TRUE(IsTileSetInstalled(row("003"), root));
    EXPECT_TRUE(IsTileSetInstalled(row("J_TR_DOGS"), root));
    EXPECT_TRUE(IsTileSetInstalled(row("J_MR_CARDS"), root));  // blank in the first section
    EXPECT_FALSE(IsTileSetInstalled(row("J_TS_FLAGS"), root));
    EXPECT_FALSE(IsTileSetInstalled(row("J_TR_BIRDS"), root));  // volume 02 missing
}

}  // namespace
}  // namespace jw
