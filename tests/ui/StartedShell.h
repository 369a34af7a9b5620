// A fixture that starts the game window as the program does, in a data
// folder of its own, with the start-up tile chooser turned off.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
        std::filesystem::create_directories(data);
        SettingsFile stored((data / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
        QtHost& host = shell->GetHost();
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons buttons) {
            shownMessages.push_back(text);
            return answerFor(buttons);
        };
        host.holdAndExitAnswerer = [] { return HoldAndExitChoice::HoldAndExit; };
        AcceptOfferedGame(host);
        if (!shell->Start()) {
            return nullptr;
        }
        QTest::qWait(100);
        return shell;
    }

    // The settings file of the data folder.
    SettingsFile Stored() const { return SettingsFile((data / "cnfg.dat").string()); }

    std::string SettingsText(const GameShell& shell) const {
        return ReadFileBytes(shell.DataFolder() + "cnfg.dat", 1 << 20).value_or("<unreadable>");
    }

    TempFolder folder;
    ScopedEnv home;
    ScopedEnv dataHome;
    // The data folder the game starts with.
    std::filesystem::path data = folder.Path() / "data" / "Jadewind";
    // How the player answers each message, and every message shown.
    std::function<MessageAnswer(MessageButtons)> answerFor = [](MessageButtons) {
        return MessageAnswer::Yes;
    };
    std::vector<std::string> shownMessages;
};

}  // namespace jw::test
