// The tile-set chooser's logic: list geometry, marker, size list, the rows
// selected at opening, "OK" and applying a set to the board.
#include "presentation/TileSetChooser.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/MemorySettings.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "presentation/RendererFixture.h"
#include "presentation/TileSetCatalog.h"

namespace jw {
namespace {

TEST(PreviewListLayout, PlacesItemsInCentredColumns) {
    // Previews of 181 x 121 are shown as 180 x 120: pitches 228 and 168.
    const PreviewListLayout layout(10, 181, 121, 800);
    EXPECT_EQ(layout.PreviewWidth(), 180);
    EXPECT_EQ(layout.PreviewHeight(), 120);
    EXPECT_EQ(layout.ColumnPitch(), 228);
    EXPECT_EQ(layout.RowPitch(), 168);
    EXPECT_EQ(layout.Columns(), 3);
    EXPECT_EQ(layout.Rows(), 4);
    EXPECT_EQ(layout.LeftMargin(), (800 - 3 * 228) / 2);
    EXPECT_EQ(layout.PictureHeight(), 4 * 168 + 48);
    EXPECT_EQ(layout.ItemX(0), 58);
    EXPECT_EQ(layout.ItemY(0), 48);
    EXPECT_EQ(layout.ItemX(2), 58 + 2 * 228);
    EXPECT_EQ(layout.ItemX(3), 58);
    EXPECT_EQ(layout.ItemY(3), 48 + 168);
    EXPECT_EQ(layout.ItemY(9), 48 + 3 * 168);
}

TEST(PreviewListLayout, ANarrowListKeepsOneColumnAndItsMargin) {
    const PreviewListLayout layout(4, 181, 121, 100);
    EXPECT_EQ(layout.Columns(), 1);
    EXPECT_EQ(layout.Rows(), 4);
    // (48 + 228 - 228) / 2 = 24, raised to the minimum of 32.
    EXPECT_EQ(layout.LeftMargin(), 32);
}

TEST(PreviewListLayout, APointSelectsTheItemOfItsCell) {
    const PreviewListLayout layout(7, 181, 121, 800);  // 3 columns, 3 rows
    EXPECT_EQ(layout.ItemAt(60, 50), 0);
    EXPECT_EQ(layout.ItemAt(58 + 228 + 10, 48 + 168 + 10), 4);
    EXPECT_EQ(layout.ItemAt(0, 0), 0);  // the margins belong to the first cell
    EXPECT_EQ(layout.ItemAt(58 + 10, 48 + 2 * 168 + 5), 6);
    // Past the last item, beyond the last row, right of the last column.
    EXPECT_EQ(layout.ItemAt(58 + 228 + 10, 48 + 2 * 168 + 5), -1);
    EXPECT_EQ(layout.ItemAt(60, 48 + 3 * 168 + 1), -1);
    EXPECT_EQ(layout.ItemAt(58 + 3 * 228 + 1, 50), -1);
}

TEST(PreviewListLayout, ScrollsToTheSelectedItem) {
    const PreviewListLayout layout(10, 181, 121, 800);
    // Marker 200 x 140 over item 0: top 48 + (120 - 140) / 2 + 2 = 40 < 60.
    EXPECT_EQ(layout.ScrollFor(0, 140), 0);
    // Item 9 (row 3): top 48 + 504 - 10 + 2 = 544, less a row pitch.
    EXPECT_EQ(layout.ScrollFor(9, 140), 544 - 168);
    EXPECT_EQ(layout.ScrollFor(-1, 140), 0);
}

TEST(SelectionMarker, GreyHaloWithTheFrameOnTop) {
    Image halo(4, 2, PixelFormat::Rgb24, Rgb(255, 255, 255));
    halo.Set(0, 0, Rgb(0, 0, 0));
    Image frame(2, 2, PixelFormat::Rgb24, Rgb(255, 255, 255));
    frame.Set(0, 0, Rgb(10, 20, 30));
    const Image marker = MakeSelectionMarker(halo, frame);
    ASSERT_EQ(marker.Format(), PixelFormat::Argb32);
    EXPECT_EQ(marker.At(0, 0), Argb(0, 0, 0, 0));  // black halo: see-through
    EXPECT_EQ(marker.At(3, 1), Argb(255, 128, 128, 128));
    // The frame, centred on the halo, replaces the halo where not white.
    EXPECT_EQ(marker.At(1, 0), Argb(255, 10, 20, 30));
    EXPECT_EQ(marker.At(2, 0), Argb(255, 128, 128, 128));
    EXPECT_TRUE(MakeSelectionMarker(Image(), frame).Empty());
    EXPECT_EQ(MarkerPosition(100, 50, 180, 120, 200, 140).x, 100 - 10 + 1);
    EXPECT_EQ(MarkerPosition(100, 50, 180, 120, 200, 140).y, 50 - 10 + 2);
}

TEST(GreyPreview, TurnsColoursToIntensityAndTheGroundToTheList) {
    Image picture(3, 1, PixelFormat::Rgb24, Rgb(0, 0, 255));
    picture.Set(1, 0, Rgb(255, 0, 0));
    GreyPreview(picture);
    EXPECT_EQ(picture.At(0, 0), kPreviewListBackground);
    EXPECT_EQ(picture.At(2, 0), kPreviewListBackground);
    EXPECT_EQ(picture.At(1, 0), Rgb(60, 60, 60));  // 61 x 255 / 256
}

TEST(SizeList, EntriesAndLetters) {
    const auto& entries = SizeListEntries();
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0], "Automatic (recommended)");
    EXPECT_EQ(entries[1], "Size 8 (Extra large)");
    EXPECT_EQ(entries[5], "Size 4 (Normal)");
    EXPECT_EQ(entries[8], "Size 1 (Small)");
    EXPECT_EQ(std::string{SizeEntryLetter(1)} + SizeEntryLetter(2) + SizeEntryLetter(3) +
                  SizeEntryLetter(4) + SizeEntryLetter(5) + SizeEntryLetter(6) +
                  SizeEntryLetter(7) + SizeEntryLetter(8),
              "XTSCBPMN");
    EXPECT_EQ(SizeEntryLetter(0), 0);
    EXPECT_EQ(SizeEntryLetter(9), 0);
    EXPECT_EQ(SizeEntryAtOpening(true, 'B', false), 0);
    EXPECT_EQ(SizeEntryAtOpening(false, 'b', false), 5);
    // A reduced size in force shows no size at all.
    EXPECT_EQ(SizeEntryAtOpening(false, 'B', true), -1);
    EXPECT_EQ(SizeEntryAtOpening(true, 'B', true), -1);
}

TEST(RowOfCurrentSet, BuiltInByNumberAddOnById) {
    const std::vector<std::string> rows = TileSetCatalog("01");
    EXPECT_EQ(RowOfCurrentSet(rows, 3, ""), 0);  // Antique
    EXPECT_EQ(RowOfCurrentSet(rows, 4, ""), 3);  // Modern
    EXPECT_EQ(
        TileSetRowField(
            rows[static_cast<std::size_t>(RowOfCurrentSet(rows, kAddOnSetNumber, "j_mr_bamboo"))],
            4),
        "Bamboo");
    EXPECT_EQ(RowOfCurrentSet(rows, 501, ""), -1);
}

TEST(TileSetOk, AsksBeforeChangingTheFamilyOfAGameInPlay) {
    test::ScriptedHost host;
    const TileSetSelection opening{TileSetCatalog("01")[3], false, 5};
    TileSetSelection chosen{TileSetCatalog("02")[0], true, 5};

    host.answers = {MessageAnswer::No};
    EXPECT_EQ(DecideTileSetOk(host, opening, chosen, true, true, false), TileSetOk::Stay);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You have changed the Tile Set from MahJong Type to Matching Type.\r"
              "The Scoring System will be changed.\r\nStart a new game?");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);

    host.answers = {MessageAnswer::Yes};
    EXPECT_EQ(DecideTileSetOk(host, opening, chosen, true, true, false),
              TileSetOk::ApplyWithNewGame);
    // No game, or a face-down game: no question.
    EXPECT_EQ(DecideTileSetOk(host, opening, chosen, true, false, false), TileSetOk::Apply);
    EXPECT_EQ(DecideTileSetOk(host, opening, chosen, true, true, true), TileSetOk::Apply);
    EXPECT_EQ(host.messages.size(), 2u);

    EXPECT_EQ(DecideTileSetOk(host, opening, {"", false, 5}, true, true, false), TileSetOk::Stay);
    EXPECT_EQ(host.messages.back().text, "Please select a Tile Set.");
    chosen.matchingPage = false;
    EXPECT_EQ(DecideTileSetOk(host, opening, chosen, false, true, false),
              TileSetOk::ShowAddOnNotice);
}

TEST(AddOnNotice, NamesTheVolumeAndAnOlderEdition) {
    test::TempFolder folder;
    std::string row;
    for (const std::string& candidate : TileSetCatalog("01")) {
        if (TileSetRowField(candidate, 2) == "01") {
            row = candidate;  // an add-on row of volume 01
            break;
        }
    }
    AddOnNotice notice = MakeAddOnNotice(row, folder.Path().string());
    EXPECT_EQ(notice.title, TileSetRowField(row, 4) + " additional Tile Set");
    EXPECT_NE(notice.text.find("volume 1,"), std::string::npos);
    EXPECT_EQ(notice.text.find("older"), std::string::npos);

    std::filesystem::create_directories(folder.Path() / "gp");
    std::ofstream(folder.Path() / "gp" / "t01.dat") << "[MahJong type]\r\n";
    std::ofstream(folder.Path() / "gp" / "GPD01.dat") << "[Version]\r\nVers=1.2\r\n";
    notice = MakeAddOnNotice(row, folder.Path().string());
    EXPECT_NE(notice.text.find("(version 1.2)"), std::string::npos);
}

TEST(PreviewLists, LoadGreyAndReport) {
    test::ScriptedHost host;
    test::MemoryStore library;
    const std::string jpeg = test::EncodeJpeg(Image(41, 31, PixelFormat::Rgb24, Rgb(200, 30, 30)));
    for (const char* name : {"preview_tiles_mahjong_antique", "preview_tiles_mahjong_classic",
                             "preview_tiles_mahjong_oriental", "preview_tiles_mahjong_modern"}) {
        library.Put("JPEG", name, jpeg);
    }
    const PreviewList list = LoadPreviewList(host, library, "01", "/nonexistent");
    ASSERT_EQ(list.rows.size(), 10u);
    EXPECT_EQ(list.previews[0].Width(), 41);
    EXPECT_TRUE(list.installed[3]);
    EXPECT_FALSE(list.installed[4]);
    EXPECT_TRUE(list.previews[4].Empty());  // no picture for an add-on here
    EXPECT_TRUE(host.messages.empty());

    const PreviewList empty = LoadPreviewList(host, library, "02", "/nonexistent");
    EXPECT_TRUE(empty.rows.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "File not found: preview_tiles_matching_fruits\rPlease install again the program.");

    EXPECT_TRUE(LoadSelectionMarker(host, library).Empty());
    EXPECT_EQ(host.messages.back().text,
              "Error loading: sel_cell_alph - Install again the program");
}

// Applying a set to a board drawn with the generated test set.
class ApplyTileSet : public test::RendererTest {
  protected:
    ApplyTileSet() {
        Put(1, 10, 10, 1);
        Put(1, 12, 10, 2);
        engine.board.tileCount = 2;
        renderer.RedrawBoard();
    }
    TileSetApplyContext Context() {
        return {host, settings, renderer, engine.scoreType, 1280, false, true};
    }
    const std::string row = "\"M\",\"preview\",\"01\",\"B_MR_TEST\",\"Test\"";
    test::MemorySettings settings;
};

TEST_F(ApplyTileSet, TheSameSetAndSizeChangeNothing) {
    const TileSetSelection same{row, false, 5};
    const int presents = window.presents;
    TileSetApplyContext context = Context();
    EXPECT_EQ(ApplyTileSetChoice(same, same, false, context), TileSetApplied::Nothing);
    EXPECT_EQ(window.presents, presents);
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(ApplyTileSet, ANewSizeIsWrittenLoadedAndDrawn) {
    const int presents = window.presents;
    TileSetApplyContext context = Context();
    ASSERT_EQ(ApplyTileSetChoice({row, false, 5}, {row, false, 6}, false, context),
              TileSetApplied::Applied);
    EXPECT_EQ(renderer.Geometry().faceWidth, 46);  // size "P"
    EXPECT_EQ(settings.ReadString(setting::kTileSetSize.section, setting::kTileSetSize.key, ""),
              "P");
    EXPECT_EQ(settings.ReadInteger(setting::kTileSet.section, setting::kTileSet.key, 0),
              kAddOnSetNumber);
    EXPECT_EQ(Read(settings, setting::kAdditionalTileSet), "B_MR_TEST");
    EXPECT_FALSE(Read(settings, setting::kAutomaticTileSize));
    EXPECT_GT(window.presents, presents);
    // The board picture shows the tiles at the new size.
    const Point at = At({1, 12, 10});
    EXPECT_NE(Board(at.x + 5, at.y + 5), test::kGrey);
}

TEST_F(ApplyTileSet, NoSizeShownKeepsThePlayersOwnSize) {
    renderer.rememberedSize = 'C';  // the player's size while "B" is in force
    TileSetApplyContext context = Context();
    const TileSetSelection opening{"\"M\",\"x\",\"\",\"004\",\"Modern\"", false, -1};
    ApplyTileSetChoice(opening, {row, false, -1}, true, context);
    EXPECT_EQ(settings.ReadString(setting::kTileSetSize.section, setting::kTileSetSize.key, ""),
              "C");
    EXPECT_FALSE(renderer.rememberedSize.has_value());
}

}  // namespace
}  // namespace jw
