// The logic of the tile-set chooser: the geometry of its two preview lists,
// the selection marker, the size list and its letters, the rows selected at
// opening, the question when the family changes, and applying the chosen
// set to the running board. The dialog (ui/J_Choose_Tile_Sets) only shows
// what this decides.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/BoardGrid.h"
#include "presentation/Image.h"

namespace jw {

class BoardRenderer;
class Host;
class ResourceStore;
class SettingsStore;

// The list's background colour.
inline constexpr Pixel kPreviewListBackground = Rgb(251, 245, 233);

// Where the items of one preview list lie.
class PreviewListLayout {
  public:
    static constexpr int kTopMargin = 48;
    static constexpr int kMinLeftMargin = 32;
    static constexpr int kSpacing = 48;

    // For `count` items whose first preview picture is `firstWidth` x
    // `firstHeight`, in a list `listWidth` pixels wide.
    PreviewListLayout(int count, int firstWidth, int firstHeight, int listWidth);

    int PreviewWidth() const { return previewWidth; }
    int PreviewHeight() const { return previewHeight; }
    int ColumnPitch() const { return columnPitch; }
    int RowPitch() const { return rowPitch; }
    int Columns() const { return columns; }
    int Rows() const { return rows; }
    int LeftMargin() const { return leftMargin; }
    // The list picture's height: every row and the top margin.
    int PictureHeight() const { return rows * rowPitch + kTopMargin; }

    // The top-left corner of item `index`.
    int ItemX(int index) const;
    int ItemY(int index) const;
    // The item under a point: the grid cell whose pitch holds it; -1 beyond
    // the last row, right of the last column or past the last item.
    int ItemAt(int x, int y) const;
    // The first scroll position that shows item `index`: the marker's top
    // less one row pitch, 0 when the marker's top is less than half the
    // preview height; `markerHeight` is the marker picture's height.
    int ScrollFor(int index, int markerHeight) const;

  private:
    int count = 0;
    int previewWidth = 0;
    int previewHeight = 0;
    int columnPitch = 0;
    int rowPitch = 0;
    int columns = 1;
    int rows = 0;
    int leftMargin = kMinLeftMargin;
};

// The marker's top-left corner over an item at (itemX, itemY): centred on
// the preview, then 1 pixel right and 2 down.
Point MarkerPosition(int itemX, int itemY, int previewWidth, int previewHeight, int markerWidth,
                     int markerHeight);

// The selection marker: grey (128, 128, 128) whose alpha is the intensity of
// `halo`, premultiplied, with `frame` on top where it is not white. Empty
// when `halo` is.
Image MakeSelectionMarker(const Image& halo, const Image& frame);

// An uninstalled set's preview: every pixel replaced by its intensity, and
// the pixels equal to the greyed top-left pixel given the list's background.
void GreyPreview(Image& picture);

// One family's list as the chooser shows it.
struct PreviewList {
    std::vector<std::string> rows;  // the family's catalogue rows
    std::vector<Image> previews;    // one per row; empty where the picture is missing
    std::vector<bool> installed;    // whether the row's set can be used
};
inline constexpr int kMaxPreviewRows = 33;

// Loads a family's ("01" or "02") previews from the main library; the
// previews of sets that are not installed are greyed. When the first row's
// picture is missing, "File not found: ..." is reported and the list stays
// empty; more than 33 rows are reported as "CHR01 - C01".
PreviewList LoadPreviewList(Host& host, const ResourceStore& library, std::string_view scoreType,
                            const std::string& programFolder);

// The marker from the bitmaps "sel_cell_alph" and "sel_cell_alph2";
// "Error loading: sel_cell_alph - Install again the program" and an empty
// picture when the first is missing.
Image LoadSelectionMarker(Host& host, const ResourceStore& library);

// The default client size of the chooser for the screen width and the list
// layout of its first page.
struct ChooserSize {
    int width = 0;
    int height = 0;
};
ChooserSize DefaultChooserSize(int screenWidth, const PreviewListLayout& layout);

// The entries of the size list: "Automatic (recommended)", then the eight
// sizes from "Size 8 (Extra large)" down to "Size 1 (Small)".
const std::vector<std::string>& SizeListEntries();
// The entry shown at opening: 0 with automatic size, the letter's entry
// otherwise; none (-1) while a smaller size than the player's is in force.
int SizeEntryAtOpening(bool automatic, char letter, bool reducedInForce);
// The letter of entry 1..8; 0 for any other entry.
char SizeEntryLetter(int entry);

// The row of a family's list that names the set in use: with an add-on set
// the row with a volume whose id is `addOnId` (letter case ignored),
// otherwise the row without a volume whose id is the set number in three
// digits; -1 when none does.
int RowOfCurrentSet(const std::vector<std::string>& rows, int setNumber, std::string_view addOnId);

// "You have changed the Tile Set from MahJong Type to Matching Type. ..."
std::string FamilyChangeQuestion(bool fromMatching, bool toMatching);
inline constexpr std::string_view kSelectTileSetMessage = "Please select a Tile Set.";

// The notice of an add-on set that is not installed: its title and text.
struct AddOnNotice {
    std::string title;
    std::string text;
};
AddOnNotice MakeAddOnNotice(std::string_view row, const std::string& programFolder);

// What the chooser was opened with, and what is chosen when OK is pressed.
struct TileSetSelection {
    std::string row;  // the catalogue row; empty for none
    bool matchingPage = false;
    int sizeEntry = -1;  // -1 none, 0 automatic, 1..8 the sizes
    friend bool operator==(const TileSetSelection&, const TileSetSelection&) = default;
};

// What "OK" comes to.
enum class TileSetOk {
    Stay,              // a message was shown, or the question answered No
    Apply,             // apply and close
    ApplyWithNewGame,  // apply, close and start a new game of the new family
    ShowAddOnNotice,   // the set is not installed: show its notice and stay
};
// Decides "OK": no row selected ("Please select a Tile Set."), the family
// question while a face-up game is played, then whether the row can be used.
TileSetOk DecideTileSetOk(Host& host, const TileSetSelection& opening,
                          const TileSetSelection& chosen, bool rowInstalled, bool playing,
                          bool faceDownGame);

// What applying the choice needs from around it.
struct TileSetApplyContext {
    Host& host;
    SettingsStore& settings;
    BoardRenderer& renderer;
    std::string& scoreType;  // the engine's family code
    int screenWidth = 0;
    bool fullScreen = false;
    bool boardHasTiles = false;
};

// What applying did.
enum class TileSetApplied { Nothing, Applied };

// Applies `chosen` (a row that can be used): writes "Tile_Set",
// "Tile_Set_Size", "Automatic_Tile_Size" and "Additional_Tile_Set", loads
// the set at its letter and, unless a new game follows, fits the layout
// (with automatic size only), refreshes the background and redraws. Does
// nothing when `chosen` equals `opening`.
TileSetApplied ApplyTileSetChoice(const TileSetSelection& opening, const TileSetSelection& chosen,
                                  bool newGameFollows, TileSetApplyContext& context);

}  // namespace jw
