// "&Options": the Customize dialog, its winning-animation previews, and
// applying what OK wrote to the running program.
#include <QApplication>
#include <QEventLoop>
#include <QPushButton>

#include "engine/Jong_class_interface.h"
#include "layouts/CustomizeOptions.h"
#include "layouts/ui/J_Customize.h"
#include "layouts/ui/J_Options_Advanced.h"
#include "platform/Settings.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "records/C_App_Config.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {

void GameShell::WireCustomizeCommands() {
    window->SetHandler(CommandId::Customize, [this] { OpenCustomize(0); });
}

void GameShell::OpenCustomize(int page) {
    if (engine->play.winningAnimation) {
        return;
    }
    host.SetBusy(true);
    TfrmJCustomize dialog(host, *settings, library.get(), page, window.get());
    dialog.resetToolbars = [this] { window->ResetBarArrangement(); };
    dialog.openAdvanced = [this, &dialog](CustomizeValues& values) {
        TfrmJOptionsAdvanced advanced(host, values, config->DefaultDataFolder(),
                                      config->ResolveDataFolder(), library.get(), kProgramName,
                                      &dialog);
        advanced.changeDataFolder = [this](const std::string& folder) {
            ChangeDataFolderAndEnd(folder);
        };
        advanced.ClearValuesButton()->setEnabled(true);
        QObject::connect(advanced.ClearValuesButton(), &QPushButton::clicked, &advanced,
                         [this] { ShowClearValues(); });
        if (advanced.exec() != QDialog::Accepted) {
            return false;
        }
        values = advanced.Values();
        return true;
    };
    host.SetBusy(false);

    bool previewed = false;
    int result = dialog.exec();
    // Each preview hides the dialog, plays the animation of its unsaved
    // choice, and shows the same dialog again.
    while (result == TfrmJCustomize::kPreviewRequested) {
        previewed = true;
        QApplication::processEvents();
        QEventLoop wait;
        PreviewWinningAnimation(dialog.PreviewName(), dialog.PreviewSeconds(),
                                [&wait] { wait.quit(); });
        if (WinAnimationActive()) {
            wait.exec();
        }
        QApplication::processEvents();
        result = dialog.exec();
    }

    // Whatever closed it: the automatic tile size keeps its letter.
    WriteClosingValues(*settings, dialog.Values(), renderer->Tiles().choice.sizeLetter);
    if (result == QDialog::Accepted) {
        ApplyCustomizedValues();
    }
    if (previewed) {
        renderer->RedrawBoard();
    }
    window->Board()->setFocus();
}

void GameShell::ChangeDataFolderAndEnd(const std::string& folder) {
    // The program ends without its closing steps; a game in progress is
    // held first so that it is not lost.
    if (engine->play.playing) {
        engine->HoldGame();
    }
    config->SetDataFolder(folder);
    dataFolderChanged = true;
    QCoreApplication::exit(0);
}

void GameShell::ApplyCustomizedValues() {
    // The engine reads its switches (undo level, confirmations, sounds,
    // statistics, the Ctrl + right-click aids) from the settings when it
    // needs them; the window's own look is applied here.
    window->ApplyToolbarLook(Read(*settings, setting::kToolbarStyle),
                             Read(*settings, setting::kToolBarLarge),
                             Read(*settings, setting::kShowToolTips));
    ApplyPointer();
    RefreshMenus();
}

}  // namespace jw
