// "&Options": the Customize dialog, its winning-animation previews, and
// applying what OK wrote to the running program. The dialog is window-modal
// and opened without a loop of its own: a preview and the closing steps are
// states that follow its `finished` signal.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>

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
    if (engine->play.winningAnimation || customizeOpen) {
        return;
    }
    host.SetBusy(true);
    // Lives until it closes for good; a child of the window, so that it goes
    // with it.
    auto* dialog = new TfrmJCustomize(host, *settings, library.get(), page, window.get());
    dialog->resetToolbars = [this] { window->ResetBarArrangement(); };
    dialog->openAdvanced = [this, dialog](CustomizeValues& values) {
        TfrmJOptionsAdvanced advanced(host, values, config->DefaultDataFolder(),
                                      config->ResolveDataFolder(), library.get(), kProgramName,
                                      dialog);
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

    customizeOpen = true;
    auto previewed = std::make_shared<bool>(false);
    QObject::connect(dialog, &QDialog::finished, dialog, [this, dialog, previewed](int result) {
        if (result == TfrmJCustomize::kPreviewRequested) {
            // The dialog is hidden while the animation of its unsaved choice
            // plays; then the same dialog comes back. Both steps start from
            // the event loop, not from inside the dialog's own signal.
            *previewed = true;
            QTimer::singleShot(0, dialog, [this, dialog] {
                PreviewWinningAnimation(dialog->PreviewName(), dialog->PreviewSeconds(),
                                        [this, dialog = QPointer<TfrmJCustomize>(dialog)] {
                                            if (dialog) {
                                                AfterPreview(*dialog);
                                            }
                                        });
            });
            return;
        }
        // Whatever closed it: the automatic tile size keeps its letter.
        WriteClosingValues(*settings, dialog->Values(), renderer->Tiles().choice.sizeLetter);
        if (result == QDialog::Accepted) {
            ApplyCustomizedValues();
        }
        if (*previewed) {
            renderer->RedrawBoard();
        }
        customizeOpen = false;
        window->Board()->setFocus();
        dialog->deleteLater();
    });
    dialog->open();
}

void GameShell::AfterPreview(TfrmJCustomize& dialog) {
    // A close of the window asked for during the preview follows it: the
    // dialog then ends as cancelled, with its closing steps, instead of
    // coming back.
    const auto next = engine->closePending ? &QDialog::reject : &QDialog::open;
    QTimer::singleShot(0, &dialog, next);
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
