// The tile legends: small tool windows on top of the main window showing
// every face of the current tile set, with its value on request.
// TfrmJInfoLegend shows MahJong tiles; TfrmJInfoLegendMatching the Matching
// tiles and the faces of face-down games.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "layouts/TileLegend.h"

class QCheckBox;

namespace jw {

class Host;
class Image;

class TfrmJInfoLegend : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmJInfoLegend(QWidget* mainWindow, bool showValues)
        : TfrmJInfoLegend(mainWindow, LegendForm::MahJong, showValues) {}

    LegendForm Form() const { return form; }
    QCheckBox* ShowValuesBox() const { return chkShowTileValue; }
    // The picture the window paints: faces and badges.
    const QImage& Picture() const { return picture; }
    // The faces drawn by the last rebuild, with their badge texts.
    const std::vector<LegendTile>& Drawn() const { return drawn; }

    // Rebuilds the picture from `face(n)` (the tile set's face n, 1..42)
    // for a game of `scoreType`, face down or not.
    void Rebuild(const std::function<const Image*(int face)>& face, const std::string& scoreType,
                 bool faceDown, Host& host);

    // The player closed the window (the program itself only hides it).
    std::function<void()> onClosedByUser;
    // "Show Tiles values" changed: the owner stores it and rebuilds.
    std::function<void(bool on)> onShowValuesChanged;

  protected:
    TfrmJInfoLegend(QWidget* mainWindow, LegendForm form, bool showValues);
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMahJongLabels();

    LegendForm form;
    QImage picture;
    std::vector<LegendTile> drawn;
    QCheckBox* chkShowTileValue = nullptr;
};

class TfrmJInfoLegendMatching : public TfrmJInfoLegend {
    Q_OBJECT
  public:
    TfrmJInfoLegendMatching(QWidget* mainWindow, bool showValues)
        : TfrmJInfoLegend(mainWindow, LegendForm::Matching, showValues) {}
};

}  // namespace jw
