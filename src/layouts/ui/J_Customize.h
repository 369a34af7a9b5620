// The Customize dialog ("&Options"): the undo level, the toolbar look, the
// two Ctrl + right-click aids, the winning animation and the sounds. It edits
// the working values of layouts/CustomizeOptions and writes them on OK.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "engine/SoundEvents.h"
#include "layouts/CustomizeOptions.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace jw {

class Host;
class ResourceStore;
class SettingsStore;

class TfrmJCustomize : public QDialog {
    Q_OBJECT
  public:
    // The result when "Preview" closed the dialog: the opener plays the
    // animation and shows the same dialog again.
    static constexpr int kPreviewRequested = 2;

    TfrmJCustomize(Host& host, SettingsStore& settings, const ResourceStore* library, int page,
                   QWidget* parent = nullptr);
    ~TfrmJCustomize() override;

    const CustomizeValues& Values() const { return values; }
    // What the preview should play.
    std::string PreviewName() const { return AnimationTextOf(values.animationItem); }
    int PreviewSeconds() const { return WinningTimeSeconds(values.winningTime); }

    // "Reset Toolbars..." after the player said Yes.
    std::function<void()> resetToolbars;
    // "Advanced...": edits the values; true when its OK handed them back.
    std::function<bool(CustomizeValues& values)> openAdvanced;

    QTabWidget* Pages() const { return pages; }
    QButtonGroup* UndoGroup() const { return rgUndoOptions; }
    QButtonGroup* StyleGroup() const { return rgToolbarStyle; }
    QCheckBox* PopupMenuBox() const { return chkMainPopupMenu; }
    QCheckBox* RevealBox() const { return chkPartialHiddenCard; }
    QComboBox* AnimationList() const { return cboWinningAnim; }
    QLineEdit* TimeBox() const { return edtWinningTime; }
    QToolButton* TimeUp() const { return spnUp; }
    QToolButton* TimeDown() const { return spnDown; }
    QPushButton* PreviewButton() const { return btnWinningPreview; }
    QPushButton* ResetToolbarButton() const { return btnResetToolbar; }
    QPushButton* AdvancedButton() const { return btnAdvanced; }
    QTreeWidget* SoundTree() const { return trvSounds; }
    QPushButton* EnableSoundButton() const { return btnSoundsAdd; }
    QPushButton* DisableSoundButton() const { return btnSoundsDelete; }
    QCheckBox* DisableAllSounds() const { return chkSoundsEnabled; }
    QToolButton* PlayButton() const { return btnSoundGo; }
    QToolButton* StopButton() const { return btnSoundStop; }
    // The tree entry of event `number` (1..9).
    QTreeWidgetItem* SoundEntry(int number) const;

    void btnOKClick();
    void btnResetToolbarClick();

  private:
    void BuildGeneralPage();
    void BuildSoundsPage();
    void ShowAnimationControls();
    void StepTime(int direction);
    void RefreshSoundButtons();
    void RefreshSoundPictures();
    int SelectedSoundNumber() const;

    Host& host;
    SettingsStore& settings;
    const ResourceStore* library;
    CustomizeValues values;
    SoundEvents sounds;

    QTabWidget* pages = nullptr;
    QButtonGroup* rgUndoOptions = nullptr;
    QButtonGroup* rgToolbarStyle = nullptr;
    QPushButton* btnResetToolbar = nullptr;
    QPushButton* btnAdvanced = nullptr;
    QCheckBox* chkMainPopupMenu = nullptr;
    QCheckBox* chkPartialHiddenCard = nullptr;
    QComboBox* cboWinningAnim = nullptr;
    QLineEdit* edtWinningTime = nullptr;
    QToolButton* spnUp = nullptr;
    QToolButton* spnDown = nullptr;
    QPushButton* btnWinningPreview = nullptr;
    QTreeWidget* trvSounds = nullptr;
    QPushButton* btnSoundsAdd = nullptr;
    QPushButton* btnSoundsDelete = nullptr;
    QCheckBox* chkSoundsEnabled = nullptr;
    QToolButton* btnSoundGo = nullptr;
    QToolButton* btnSoundStop = nullptr;
};

}  // namespace jw
