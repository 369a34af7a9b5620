// A fixture that starts the game window as the program does, in a data
// folder of its own, with the start-up tile chooser turned off.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <memory>

#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/SettingsFile.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/QtHost.h"
#include "ui/ChooseGame.h"

namespace jw::test {

class StartedShell : public ::testing::Test {
  protected:
    StartedShell()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {}

    std::unique_ptr<GameShell> StartShell() {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        SettingsFile stored((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
        QtHost& host = shell->GetHost();
        host.answerer = [](MessageKind, const std::string&, MessageButtons) {
            return MessageAnswer::Yes;
        };
        host.holdAndExitAnswerer = [] { return HoldAndExitChoice::HoldAndExit; };
        AcceptOfferedGame(host);
        if (!shell->Start()) {
            return nullptr;
        }
        QTest::qWait(100);
        return shell;
    }

    std::string SettingsText(const GameShell& shell) const {
        return ReadFileBytes(shell.DataFolder() + "cnfg.dat", 1 << 20).value_or("<unreadable>");
    }

    TempFolder folder;
    ScopedEnv home;
    ScopedEnv dataHome;
};

}  // namespace jw::test
