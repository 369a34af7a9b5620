// The help window driven through the real shell: F1 in the main window and
// in other windows, the web commands, the contents, the search, back and
// forward, and the message when the help is missing.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/HelpPages.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"

namespace jw {
namespace {

class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindowTest()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {}

    std::unique_ptr<GameShell> StartShell(std::string programFolder = std::string(JW_BIN_DIR) +
                                                                      "/") {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        SettingsFile stored((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
        auto shell = std::make_unique<GameShell>(programFolder);
        shell->GetHost().answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return MessageAnswer::Ok;
        };
        test::AcceptOfferedGame(shell->GetHost());
        if (!shell->Start()) {
            return nullptr;
        }
        QTest::qWait(50);
        return shell;
    }

    static std::string Topic() {
        TfrmJHelp* help = HelpWindowInstance();
        return help != nullptr ? help->CurrentTopic() : std::string("(no help window)");
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
};

TEST_F(HelpWindowTest, F1InTheMainWindowOpensTheFrontPage) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(HelpWindowInstance(), nullptr);
    QTest::keyClick(shell->Window(), Qt::Key_F1);
    ASSERT_NE(HelpWindowInstance(), nullptr);
    EXPECT_TRUE(HelpWindowInstance()->isVisible());
    EXPECT_EQ(Topic(), kHelpFrontPage);
    EXPECT_EQ(HelpWindowInstance()->Browser()->documentTitle(), "Jadewind 2007 Help");
    EXPECT_TRUE(asked.empty());
}

TEST_F(HelpWindowTest, TheHelpCommandsOpenTheirPages) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->Window()->Action(CommandId::ProductNews)->trigger();
    EXPECT_EQ(Topic(), kHelpWhatsNewPage);
    shell->Window()->Action(CommandId::ProgramUpdate)->trigger();
    EXPECT_EQ(Topic(), kHelpInstallingPage);
    shell->Window()->Action(CommandId::HelpContents)->trigger();
    EXPECT_EQ(Topic(), kHelpFrontPage);
    shell->Window()->Action(CommandId::ProductHomePage)->trigger();
    EXPECT_EQ(Topic(), kHelpFrontPage);
}

TEST_F(HelpWindowTest, F1InAnyWindowOpensThePageItsWindowNames) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    QDialog dialog(shell->Window());
    dialog.setProperty("helpTopic", QStringLiteral("html/windows/players.htm"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* inner = new QWidget(&dialog);
    auto* edit = new QLineEdit(inner);
    layout->addWidget(inner);
    dialog.show();
    edit->setFocus();
    // The topic is found from a widget deep inside the window.
    EXPECT_EQ(HelpTopicFor(edit), "html/windows/players.htm");
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(Topic(), "html/windows/players.htm");

    // A widget may name a page of its own; a window without a topic gets the
    // front page.
    inner->setProperty("helpTopic", QStringLiteral("html/windows/game_number.htm"));
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(Topic(), "html/windows/game_number.htm");
    // So does the title bar's "?" button.
    QEvent whatsThis(QEvent::EnterWhatsThisMode);
    QApplication::sendEvent(&dialog, &whatsThis);
    EXPECT_EQ(Topic(), "html/windows/players.htm");
    QWidget bare;
    EXPECT_EQ(HelpTopicFor(&bare), kHelpFrontPage);
    // A topic that is not a page gives the front page.
    ShowHelpTopic(&dialog, QStringLiteral("html/windows/no_such_window.htm"));
    EXPECT_EQ(Topic(), kHelpFrontPage);
    EXPECT_TRUE(asked.empty());
}

TEST_F(HelpWindowTest, HelpAskedFromAModalDialogCanBeUsed) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    QDialog dialog(shell->Window());
    dialog.setProperty("helpTopic", QStringLiteral("html/windows/open_game.htm"));
    Qt::WindowModality modality = Qt::NonModal;
    std::string shown;
    QTimer::singleShot(50, &dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_F1);
        shown = Topic();
        if (HelpWindowInstance() != nullptr) {
            modality = HelpWindowInstance()->windowModality();
            HelpWindowInstance()->close();
        }
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(shown, "html/windows/open_game.htm");
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

TEST_F(HelpWindowTest, ContentsLinksBackForwardAndSearch) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    ShowHelpTopic(shell->Window(), QString::fromUtf8(kHelpFrontPage));
    TfrmJHelp* help = HelpWindowInstance();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->BackButton()->isEnabled());

    // The contents tree holds every page; activating an entry shows it.
    QTreeWidgetItem* rules = nullptr;
    int entries = 0;
    for (QTreeWidgetItemIterator it(help->Contents()); *it != nullptr; ++it, ++entries) {
        if ((*it)->text(0) == "How to play Memory-Up games") {
            rules = *it;
        }
    }
    EXPECT_GT(entries, 25);
    ASSERT_NE(rules, nullptr);
    emit help->Contents()->itemActivated(rules, 0);
    EXPECT_EQ(help->CurrentTopic(), "html/rules/rules_memoryup.htm");
    EXPECT_EQ(help->Contents()->currentItem(), rules);

    // A link inside a page.
    emit help->Browser()->anchorClicked(QUrl(QStringLiteral("scoring.htm")));
    EXPECT_EQ(help->CurrentTopic(), "html/rules/scoring.htm");
    EXPECT_TRUE(help->BackButton()->isEnabled());
    help->BackButton()->click();
    EXPECT_EQ(help->CurrentTopic(), "html/rules/rules_memoryup.htm");
    help->BackButton()->click();
    EXPECT_EQ(help->CurrentTopic(), kHelpFrontPage);
    ASSERT_TRUE(help->ForwardButton()->isEnabled());
    help->ForwardButton()->click();
    EXPECT_EQ(help->CurrentTopic(), "html/rules/rules_memoryup.htm");

    // The search lists the pages that hold every word.
    help->SearchEdit()->setText(QStringLiteral("target score"));
    QTest::keyClick(help->SearchEdit(), Qt::Key_Return);
    QListWidget* results = help->SearchResults();
    ASSERT_GT(results->count(), 0);
    bool memoryUp = false;
    for (int i = 0; i < results->count(); ++i) {
        memoryUp = memoryUp || results->item(i)->text() == "How to play Memory-Up games";
    }
    EXPECT_TRUE(memoryUp);
    emit results->itemActivated(results->item(0));
    EXPECT_FALSE(help->CurrentTopic().empty());
    help->SearchEdit()->setText(QStringLiteral("zzqqxx"));
    QTest::keyClick(help->SearchEdit(), Qt::Key_Return);
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->flags(), Qt::NoItemFlags);
}

TEST_F(HelpWindowTest, MissingHelpIsReportedAndNothingOpens) {
    // A program folder with the resource library and no help.
    const auto program = folder.Path() / "program";
    std::filesystem::create_directories(program);
    std::filesystem::create_symlink(std::filesystem::path(JW_BIN_DIR) / "MahJong.rgf",
                                    program / "MahJong.rgf");
    auto shell = StartShell(program.string() + "/");
    ASSERT_NE(shell, nullptr);
    asked.clear();
    QTest::keyClick(shell->Window(), Qt::Key_F1);
    EXPECT_EQ(HelpWindowInstance(), nullptr);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], kHelpMissingMessage);
}

}  // namespace
}  // namespace jw
