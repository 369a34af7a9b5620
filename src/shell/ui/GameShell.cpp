#include "shell/ui/GameShell.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "records/SettingsDefaults.h"
#include "records/SettingsKeys.h"
#include "shell/CommandTable.h"
#include "shell/ui/J_Main.h"

namespace jw {

GameShell::GameShell(std::string executableFolderIn)
    : executableFolder(std::move(executableFolderIn)) {}

GameShell::~GameShell() = default;

bool GameShell::Start() {
    config = std::make_unique<TApplication_Config>(host, executableFolder);
    config->SeedFolderPointer();
    config->Initialise();
    settings = std::make_unique<SettingsFile>(config->SettingsPath());

    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    window = std::make_unique<TfrmJMain>();
    host.SetOwner(window.get());
    EnsureDefaultPlayers(*settings);
    WireCommands();
    RestoreWindowState();
    return true;
}

void GameShell::WireCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::Exit, [&w] { w.close(); });
    w.SetHandler(CommandId::FullScreen, [this] { ToggleFullScreen(); });
    w.SetHandler(CommandId::About, [this] { ShowAbout(); });
    w.onCloseRequest = [this] { return CloseRequest(); };
    const std::string player =
        settings->ReadString(kSectionPreference, kKeyUserDefault, kDefUserDefault);
    w.SetStatusPanel(5, player);
}

void GameShell::ToggleFullScreen() {
    TfrmJMain& w = *window;
    const bool fullScreen = w.IsCommandDown(CommandId::FullScreen);
    w.ApplyFullScreenBars(fullScreen);
    if (fullScreen) {
        w.showFullScreen();
    } else {
        w.showNormal();
    }
}

void GameShell::ShowAbout() {
    const std::string version =
        std::string(kProgramName) + " - Version " + kProgramVersion + " - " + kProgramDate;
    QMessageBox box(window.get());
    box.setWindowTitle(QString::fromUtf8(ReplaceCaptionPlaceholders("About [Program]")));
    box.setText(QString::fromUtf8(version) + QStringLiteral("\n\nGraphics Pack not installed."));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void GameShell::RestoreWindowState() {
    TfrmJMain& w = *window;
    const ScreenInfo screen = host.Screen();
    const int left = settings->ReadInteger(kSectionPreference, "MainWindowState_Left", 50);
    const int top = settings->ReadInteger(kSectionPreference, "MainWindowState_Top", 50);
    const int width = ReadMainWindowWidth(*settings, screen);
    const int height = ReadMainWindowHeight(*settings, screen);
    w.setGeometry(left, top, std::max(width, 400), std::max(height, 300));
    const bool maximized =
        settings->ReadFlag(kSectionPreference, "MainWindowState_Maximized", true);
    if (settings->ReadFlag(kSectionPreference, "Full_Screen", false)) {
        w.SetCommandDown(CommandId::FullScreen, true);
        w.ApplyFullScreenBars(true);
        w.showFullScreen();
    } else if (maximized) {
        w.showMaximized();
    } else {
        w.show();
    }
}

bool GameShell::CloseRequest() {
    TfrmJMain& w = *window;
    // The window state is written on every close request, also a refused one.
    const bool maximized = w.isMaximized() || w.isFullScreen();
    settings->WriteFlag(kSectionPreference, "MainWindowState_Maximized", maximized);
    if (!maximized) {
        const QRect frame = w.frameGeometry();
        settings->WriteInteger(kSectionPreference, "MainWindowState_Left", frame.left());
        settings->WriteInteger(kSectionPreference, "MainWindowState_Top", frame.top());
        settings->WriteInteger(kSectionPreference, "MainWindowState_Width", frame.width());
        settings->WriteInteger(kSectionPreference, "MainWindowState_Height", frame.height());
    }
    settings->WriteFlag(kSectionPreference, "Full_Screen", w.isFullScreen());
    const ScreenInfo screen = host.Screen();
    settings->WriteInteger(kSectionPreference, "ScreenWidth", screen.width);
    settings->WriteInteger(kSectionPreference, "ScreenHeight", screen.height);

    if (settings->ReadString(kSectionPreference, "ConfirmQuit", "N") != "N") {
        const MessageAnswer answer = host.ShowMessage(
            MessageKind::Confirmation, "Exit Jadewind 2007?", MessageButtons::OkCancel);
        if (answer != MessageAnswer::Ok) {
            return false;
        }
    }
    return true;
}

}  // namespace jw
