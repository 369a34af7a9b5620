// The game's shell: it runs the start-up sequence, owns the Host, the
// configuration, the engine and the main window for the whole run, connects
// the window's commands to the engine, and runs the shutdown sequence.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "records/C_App_Config.h"
#include "records/SettingsFile.h"
#include "shell/ui/QtHost.h"

namespace jw {

class TfrmJMain;

class GameShell : public QObject {
    Q_OBJECT
  public:
    explicit GameShell(std::string executableFolder);
    ~GameShell() override;

    // Runs the start-up sequence; false when the program must end at once.
    bool Start();

    TfrmJMain* Window() const { return window.get(); }

  private:
    void WireCommands();
    void ToggleFullScreen();
    void ShowAbout();
    bool CloseRequest();
    void RestoreWindowState();

    std::string executableFolder;
    QtHost host;
    std::unique_ptr<TApplication_Config> config;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<TfrmJMain> window;
};

}  // namespace jw
