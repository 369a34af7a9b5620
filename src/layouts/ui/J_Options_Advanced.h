// The Advanced options dialog of Customize: confirmation windows, what to do
// with an unfinished game at exit, the statistics switch, the store folder
// and the mouse pointer. It edits a copy of Customize's working values and
// hands them back only on OK; a store-folder change acts at once.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "layouts/CustomizeOptions.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace jw {

class Host;
class ResourceStore;

class TfrmJOptionsAdvanced : public QDialog {
    Q_OBJECT
  public:
    TfrmJOptionsAdvanced(Host& host, const CustomizeValues& values,
                         const std::string& defaultFolder, const std::string& currentFolder,
                         const ResourceStore* library, const std::string& programName,
                         QWidget* parent = nullptr);

    const CustomizeValues& Values() const { return values; }

    // Stores the new data folder (empty: the default one) and ends the
    // program; set by the opener.
    std::function<void(const std::string& folder)> changeDataFolder;
    // The folder browser: the chosen folder, or nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& start)> chooseFolder;

    QTabWidget* Pages() const { return pages; }
    QCheckBox* ConfirmOnExit() const { return chkConfirmOnExit; }
    QRadioButton* SignalRadio() const { return rbSaveAndExitSignal; }
    QRadioButton* NoneRadio() const { return rbSaveAndExitNone; }
    QComboBox* ExitTypeList() const { return cboSaveAndExitNone; }
    QCheckBox* DisableStatistics() const { return chkDisableStatistics; }
    QPushButton* ClearValuesButton() const { return btnClearValues; }
    QRadioButton* DefaultFolderRadio() const { return chkFolderDefault; }
    QRadioButton* OtherFolderRadio() const { return chkFolderOther; }
    QLineEdit* OtherFolderBox() const { return edtFolderOther; }
    QLineEdit* DefaultFolderBox() const { return memDataFolder; }
    QListWidget* Pointers() const { return lvCursors; }

    void btnOKClick();
    void btnBrowseFolderClick();

  private:
    void ShowFolderBox();
    StoreFolderChoice CurrentFolderChoice() const;

    Host& host;
    CustomizeValues values;
    StoreFolderChoice openingFolder;

    QTabWidget* pages = nullptr;
    QWidget* tabStoreFolder = nullptr;
    QCheckBox* chkConfirmOnExit = nullptr;
    QCheckBox* chkConfirmQuitGame = nullptr;
    QCheckBox* chkConfirmEnterHiScores = nullptr;
    QCheckBox* chkConfirmGameWon = nullptr;
    QRadioButton* rbSaveAndExitSignal = nullptr;
    QRadioButton* rbSaveAndExitNone = nullptr;
    QComboBox* cboSaveAndExitNone = nullptr;
    QCheckBox* chkDisableStatistics = nullptr;
    QPushButton* btnClearValues = nullptr;
    QRadioButton* chkFolderDefault = nullptr;
    QRadioButton* chkFolderOther = nullptr;
    QGroupBox* grbFolder = nullptr;
    QLineEdit* memDataFolder = nullptr;
    QLineEdit* edtFolderOther = nullptr;
    QPushButton* btnBrowseFolder = nullptr;
    QListWidget* lvCursors = nullptr;
};

}  // namespace jw
