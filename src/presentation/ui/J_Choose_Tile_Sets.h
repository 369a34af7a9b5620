// The tile-set chooser "Select Your Preferred Tile Set": one picture list
// per family on two pages, the tile size and "Show at startup". It shows
// what the core chooser logic (presentation/TileSetChooser) decides; the
// caller applies the choice after OK.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "presentation/TileSetChooser.h"

class QCheckBox;
class QComboBox;
class QScrollArea;
class QTabWidget;

namespace jw {

class Host;
class ResourceStore;
class SettingsStore;

// One family's list of previews (TPreviewTiles).
class TPreviewTiles : public QWidget {
    Q_OBJECT
  public:
    TPreviewTiles(PreviewList list, QImage marker, QWidget* parent = nullptr);

    // Lays the list out for the visible width of its box.
    void LayOut(int width);
    const PreviewListLayout& Layout() const { return layout; }
    const PreviewList& List() const { return list; }
    int Selected() const { return selected; }
    void Select(int index);
    // The scroll position that shows the selected item.
    int ScrollForSelection() const;
    bool scrolledOnce = false;

    std::function<void()> onDoubleClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    PreviewList list;
    std::vector<QImage> pictures;
    QImage marker;
    PreviewListLayout layout;
    int selected = -1;
};

// What the chooser is opened with.
struct TileSetChooserSetup {
    std::string scoreType = "01";  // the family of the game in play
    int setNumber = 4;
    std::string addOnId;
    char sizeLetter = 'B';
    bool automaticSize = true;
    bool reducedInForce = false;  // a size smaller than the player's is in use
    bool playing = false;
    bool faceDownGame = false;
    int screenWidth = 1280;
    std::string programFolder;
};

class TfrmJChooseTileSets : public QDialog {
    Q_OBJECT
  public:
    TfrmJChooseTileSets(Host& host, SettingsStore& settings, const ResourceStore& library,
                        const TileSetChooserSetup& setup, QWidget* parent = nullptr);

    // The selection at opening and the one OK accepted.
    const TileSetSelection& Opening() const { return opening; }
    TileSetSelection Chosen() const;
    // Whether OK asked for a new game of the new family.
    bool NewGameWanted() const { return newGame; }

    QTabWidget* Pages() const { return pgTileSets; }
    TPreviewTiles* List(bool matching) const { return lists[matching ? 1 : 0]; }
    QComboBox* SizeList() const { return cboSize; }
    QCheckBox* ShowAtStartup() const { return chkShowAtStartup; }

    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

  private:
    void LayOutLists();

    Host& host;
    SettingsStore& settings;
    TileSetChooserSetup setup;
    TileSetSelection opening;
    bool newGame = false;
    QTabWidget* pgTileSets = nullptr;
    std::array<QScrollArea*, 2> boxes{};
    std::array<TPreviewTiles*, 2> lists{};
    QCheckBox* chkShowAtStartup = nullptr;
    QComboBox* cboSize = nullptr;
};

}  // namespace jw
