#include "presentation/TileSetChooser.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "platform/Settings.h"
#include "platform/SettingsDefaults.h"
#include "platform/SettingsStore.h"
#include "presentation/BmpRead.h"
#include "presentation/BoardRenderer.h"
#include "presentation/JpegDecode.h"
#include "presentation/TileGeometry.h"
#include "presentation/TileSet.h"
#include "presentation/TileSetCatalog.h"

namespace jw {

namespace {

constexpr Pixel kMarkerGrey = Rgb(128, 128, 128);
constexpr Pixel kWhite = Rgb(255, 255, 255);

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// The first value of `key` in section `section` of an INI file; empty when
// there is none.
std::string IniFileValue(const std::string& path, std::string_view section, std::string_view key) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    std::string current;
    const auto trim = [](std::string text) {
        const auto first = text.find_first_not_of(" \t\r\n");
        const auto last = text.find_last_not_of(" \t\r\n");
        return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    };
    while (std::getline(file, line)) {
        line = trim(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
        } else if (const auto equals = line.find('=');
                   equals != std::string::npos && SameLetters(current, section) &&
                   SameLetters(trim(line.substr(0, equals)), key)) {
            return trim(line.substr(equals + 1));
        }
    }
    return {};
}

}  // namespace

PreviewListLayout::PreviewListLayout(int countIn, int firstWidth, int firstHeight, int listWidth)
    : count(std::max(countIn, 0)),
      previewWidth(std::max(firstWidth - 1, 0)),
      previewHeight(std::max(firstHeight - 1, 0)) {
    columnPitch = previewWidth + kSpacing;
    rowPitch = previewHeight + kSpacing;
    const int width = std::max(listWidth, kSpacing + columnPitch);
    columns = std::max(width / columnPitch, 1);
    rows = (count + columns - 1) / columns;
    leftMargin = std::max((width - columns * columnPitch) / 2, kMinLeftMargin);
}

int PreviewListLayout::ItemX(int index) const {
    const int column = (index + 1) % columns == 0 ? columns : (index + 1) % columns;
    return leftMargin + (column - 1) * columnPitch;
}

int PreviewListLayout::ItemY(int index) const {
    return kTopMargin + index / columns * rowPitch;
}

int PreviewListLayout::ItemAt(int x, int y) const {
    int row = 0;
    while (row < rows && y >= kTopMargin + (row + 1) * rowPitch) {
        ++row;
    }
    int column = 0;
    while (column < columns && x >= leftMargin + (column + 1) * columnPitch) {
        ++column;
    }
    if (row >= rows || column >= columns) {
        return -1;
    }
    const int index = row * columns + column;
    return index < count ? index : -1;
}

int PreviewListLayout::ScrollFor(int index, int markerHeight) const {
    if (index < 0) {
        return 0;
    }
    const int markerTop =
        MarkerPosition(ItemX(index), ItemY(index), previewWidth, previewHeight, 0, markerHeight).y;
    return markerTop < previewHeight / 2 ? 0 : std::max(markerTop - rowPitch, 0);
}

Point MarkerPosition(int itemX, int itemY, int previewWidth, int previewHeight, int markerWidth,
                     int markerHeight) {
    return {itemX + (previewWidth - markerWidth) / 2 + 1,
            itemY + (previewHeight - markerHeight) / 2 + 2};
}

Image MakeSelectionMarker(const Image& halo, const Image& frame) {
    if (halo.Empty()) {
        return {};
    }
    Image marker(halo.Width(), halo.Height(), PixelFormat::Argb32);
    for (int y = 0; y < halo.Height(); ++y) {
        const Pixel* in = halo.Row(y);
        Pixel* out = marker.Row(y);
        for (int x = 0; x < halo.Width(); ++x) {
            const int alpha = Intensity(in[x]);
            out[x] = Argb(alpha, RedOf(kMarkerGrey) * alpha / 255,
                          GreenOf(kMarkerGrey) * alpha / 255, BlueOf(kMarkerGrey) * alpha / 255);
        }
    }
    // The frame is centred on the halo; white is its see-through colour.
    const int dx = (halo.Width() - frame.Width()) / 2;
    const int dy = (halo.Height() - frame.Height()) / 2;
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = 0; x < frame.Width(); ++x) {
            const Pixel p = frame.Row(y)[x] & 0xFFFFFFu;
            if (p != kWhite) {
                marker.Set(x + dx, y + dy, 0xFF000000u | p);
            }
        }
    }
    return marker;
}

void GreyPreview(Image& picture) {
    if (picture.Empty()) {
        return;
    }
    for (int y = 0; y < picture.Height(); ++y) {
        Pixel* row = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const int grey = Intensity(row[x]);
            row[x] = Rgb(grey, grey, grey);
        }
    }
    const Pixel corner = picture.Row(0)[0];
    for (int y = 0; y < picture.Height(); ++y) {
        Pixel* row = picture.Row(y);
        std::replace(row, row + picture.Width(), corner, kPreviewListBackground);
    }
}

PreviewList LoadPreviewList(Host& host, const ResourceStore& library, std::string_view scoreType,
                            const std::string& programFolder) {
    PreviewList list;
    std::vector<std::string> rows = TileSetCatalog(scoreType);
    if (rows.size() > kMaxPreviewRows) {
        host.Inform("CHR01 - C01");
        rows.resize(kMaxPreviewRows);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name = TileSetRowField(rows[i], 1);
        Image preview;
        std::string error;
        const std::optional<std::string> bytes = library.Find("JPEG", name);
        if (!bytes || !DecodeJpeg(*bytes, preview, error)) {
            preview.Reset();
            if (i == 0) {
                std::string message = "File not found: ";
                message.append(name).append("\rPlease install again the program.");
                host.Inform(message);
                return {};
            }
        }
        const bool installed = IsTileSetInstalled(rows[i], programFolder);
        if (!installed) {
            GreyPreview(preview);
        }
        list.rows.push_back(rows[i]);
        list.previews.push_back(std::move(preview));
        list.installed.push_back(installed);
    }
    return list;
}

Image LoadSelectionMarker(Host& host, const ResourceStore& library) {
    const auto load = [&library](const char* name) {
        Image picture;
        std::string error;
        const std::optional<std::string> bytes = library.Find("BITMAP", name);
        if (!bytes || !ReadBmp(*bytes, picture, error)) {
            picture.Reset();
        }
        return picture;
    };
    const Image halo = load("sel_cell_alph");
    if (halo.Empty()) {
        host.Inform("Error loading: sel_cell_alph - Install again the program");
        return {};
    }
    return MakeSelectionMarker(halo, load("sel_cell_alph2"));
}

ChooserSize DefaultChooserSize(int screenWidth, const PreviewListLayout& layout) {
    ChooserSize size;
    if (screenWidth < 700) {
        size = {2 * layout.ColumnPitch() + 30, 300};
    } else if (screenWidth < 900) {
        size = {2 * layout.ColumnPitch(), 2 * layout.RowPitch()};
    } else if (screenWidth < 1100) {
        size = {3 * layout.ColumnPitch(), 2 * layout.RowPitch()};
    } else {
        size = {3 * layout.ColumnPitch(), 3 * layout.RowPitch()};
    }
    size.width += PreviewListLayout::kMinLeftMargin;
    size.height += PreviewListLayout::kTopMargin;
    return size;
}

const std::vector<std::string>& SizeListEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list{"Automatic (recommended)"};
        for (const char letter : kSizeLetters) {
            list.emplace_back(SizeLabel(letter));
        }
        return list;
    }();
    return entries;
}

int SizeEntryAtOpening(bool automatic, char letter, bool reducedInForce) {
    if (reducedInForce) {
        return -1;
    }
    if (automatic) {
        return 0;
    }
    const auto at = kSizeLetters.find(NormalizeSizeLetter(letter));
    return at == std::string_view::npos ? -1 : static_cast<int>(at) + 1;
}

char SizeEntryLetter(int entry) {
    return entry >= 1 && entry <= static_cast<int>(kSizeLetters.size())
               ? kSizeLetters[static_cast<std::size_t>(entry - 1)]
               : 0;
}

int RowOfCurrentSet(const std::vector<std::string>& rows, int setNumber, std::string_view addOnId) {
    const bool addOn = setNumber == kAddOnSetNumber;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool hasVolume = !TileSetRowField(rows[i], 2).empty();
        const std::string id = TileSetRowField(rows[i], 3);
        if (addOn ? hasVolume && SameLetters(id, addOnId)
                  : !hasVolume && id == SetNumberText(setNumber)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string FamilyChangeQuestion(bool fromMatching, bool toMatching) {
    const auto family = [](bool matching) {
        return std::string(matching ? " Matching Type" : " MahJong Type");
    };
    std::string question = "You have changed the Tile Set from";
    question.append(family(fromMatching)).append(" to").append(family(toMatching));
    question.append(".\rThe Scoring System will be changed.\r\nStart a new game?");
    return question;
}

AddOnNotice MakeAddOnNotice(std::string_view row, const std::string& programFolder) {
    std::string volume = TileSetRowField(row, 2);
    if (!volume.empty() && volume.front() == '0') {
        volume.erase(0, 1);
    }
    const std::string paddedVolume = TileSetRowField(row, 2);
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    const std::string name = TileSetRowField(row, 4);
    AddOnNotice notice;
    notice.title = name;
    notice.title.append(" additional Tile Set");
    notice.text.push_back('"');
    notice.text.append(name).append("\" comes with the Jadewind Graphics Pack, volume ");
    notice.text.append(volume).append(", which is not installed.");
    std::ifstream catalogue(folder + "gp/t" + paddedVolume + ".dat");
    if (catalogue) {
        const std::string version =
            IniFileValue(folder + "gp/GPD" + paddedVolume + ".dat", "Version", "Vers");
        notice.text.append("\r\rAn older edition of volume ")
            .append(volume)
            .append(" is installed");
        if (!version.empty()) {
            notice.text.append(" (version ").append(version).append(")");
        }
        notice.text.append("; install the current edition to use this set.");
    }
    return notice;
}

TileSetOk DecideTileSetOk(Host& host, const TileSetSelection& opening,
                          const TileSetSelection& chosen, bool rowInstalled, bool playing,
                          bool faceDownGame) {
    if (chosen.row.empty()) {
        host.Inform(std::string(kSelectTileSetMessage));
        return TileSetOk::Stay;
    }
    bool newGame = false;
    if (!faceDownGame && playing && chosen.matchingPage != opening.matchingPage) {
        if (host.ShowMessage(MessageKind::Confirmation,
                             FamilyChangeQuestion(opening.matchingPage, chosen.matchingPage),
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
            return TileSetOk::Stay;
        }
        newGame = true;
    }
    if (!rowInstalled) {
        return TileSetOk::ShowAddOnNotice;
    }
    return newGame ? TileSetOk::ApplyWithNewGame : TileSetOk::Apply;
}

TileSetApplied ApplyTileSetChoice(const TileSetSelection& opening, const TileSetSelection& chosen,
                                  bool newGameFollows, TileSetApplyContext& context) {
    if (chosen == opening || chosen.row.empty()) {
        return TileSetApplied::Nothing;
    }
    BoardRenderer& renderer = context.renderer;
    SettingsStore& settings = context.settings;
    TileSetChoice choice = renderer.Tiles().choice;
    const std::string id = TileSetRowField(chosen.row, 3);
    if (!TileSetRowField(chosen.row, 2).empty()) {
        choice.setNumber = kAddOnSetNumber;
        choice.addOnId = id;
    } else {
        choice.addOnId.clear();
        const bool digits = !id.empty() && id.find_first_not_of("0123456789") == std::string::npos;
        choice.setNumber =
            digits ? std::stoi(id) : DefaultTileSetFor(chosen.matchingPage ? "02" : "01");
    }
    Write(settings, setting::kAdditionalTileSet, choice.addOnId);

    const char before = choice.sizeLetter;
    if (chosen.sizeEntry == 0) {
        choice.sizeLetter = DefaultTileSizeLetter(context.screenWidth, context.fullScreen);
    } else if (chosen.sizeEntry < 0) {
        choice.sizeLetter = renderer.rememberedSize.value_or(choice.sizeLetter);
    } else {
        choice.sizeLetter = SizeEntryLetter(chosen.sizeEntry);
    }
    Write(settings, setting::kTileSet, choice.setNumber);
    Write(settings, setting::kTileSetSize, std::string(1, choice.sizeLetter));
    Write(settings, setting::kAutomaticTileSize, chosen.sizeEntry == 0);
    if (choice.sizeLetter != before) {
        renderer.rememberedSize.reset();
    }

    renderer.SetTileSetChoice(choice);
    renderer.LoadTileSet(0, choice.sizeLetter);
    if (newGameFollows) {
        return TileSetApplied::Applied;
    }
    context.host.SetBusy(true);
    if (chosen.sizeEntry == 0 && context.boardHasTiles) {
        renderer.FitLayout(true, true, true);
    }
    renderer.RefreshBackground(true);
    renderer.RedrawBoard();
    context.host.SetBusy(false);
    return TileSetApplied::Applied;
}

}  // namespace jw
