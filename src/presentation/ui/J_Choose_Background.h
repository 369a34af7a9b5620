// The background chooser ("Customize"): the tree of backgrounds with the
// player's own pictures and the add-on groups, a preview, fading, the custom
// colour, and the entries of the random background. It shows what the core
// chooser (presentation/BackgroundChooser) decides.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "presentation/BackgroundChooser.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace jw {

class Host;
class SettingsStore;

struct BackgroundChooserSetup {
    BackgroundSources sources;
    int colourDepth = 24;
};

class TfrmJChooseBackground : public QDialog {
    Q_OBJECT
  public:
    TfrmJChooseBackground(Host& host, SettingsStore& settings, const BackgroundChoice& current,
                          const BackgroundChooserSetup& setup, QWidget* parent = nullptr);

    // The background OK chose.
    const BackgroundChoice& Chosen() const { return chosen; }
    BackgroundChooser& Chooser() { return chooser; }

    // The picture-file dialog (full path, or nothing when cancelled) and the
    // colour dialog; tests replace them.
    std::function<std::optional<std::string>(const std::string& folder)> chooseFile;
    std::function<std::optional<int>(int colour)> chooseColour;

    QTreeWidget* Tree() const { return trvBackgrounds; }
    QLabel* Preview() const { return imgPreview; }
    QWidget* RandomPanel() const { return pnlRandom; }
    QPushButton* IncludeButton() const { return btnInclude; }
    QCheckBox* Fade() const { return chkFade; }
    QCheckBox* Random() const { return chkRandom; }
    QPushButton* ColoursButton() const { return btnColors; }

    // The tree item of a place, and the place of an item.
    QTreeWidgetItem* ItemAt(TreePlace place) const;
    TreePlace PlaceOf(const QTreeWidgetItem* item) const;

    void btnOKClick();
    void AddPicture();
    void DeletePicture();
    void btnColorsClick();
    void btnIncludeClick();
    void btnAllClick(bool include);

  private:
    void FillTree();
    void ShowSelection();
    void PaintItems();

    Host& host;
    BackgroundChooser chooser;
    BackgroundChooserSetup setup;
    BackgroundChoice chosen;
    int systemColour = 0;
    QTreeWidget* trvBackgrounds = nullptr;
    QLabel* lblName = nullptr;
    QLabel* imgPreview = nullptr;
    QLabel* lblPreviewNote = nullptr;
    QCheckBox* chkFade = nullptr;
    QPushButton* btnColors = nullptr;
    QCheckBox* chkRandom = nullptr;
    QWidget* pnlRandom = nullptr;
    QPushButton* btnInclude = nullptr;
    QPushButton* btnAll = nullptr;
    QPushButton* btnClearAll = nullptr;
    bool filling = false;
};

}  // namespace jw
