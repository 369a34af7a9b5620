// The comments window opened from the main window: a styled comment typed,
// stored when another game is chosen, and a comment emptied away.
#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/Text.h"
#include "records/Comments.h"
#include "records/SettingsFile.h"
#include "records/ui/J_Comments.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"

namespace jw {
namespace {

class CommentsWindow : public ::testing::Test {
  protected:
    CommentsWindow()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        SettingsFile stored((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
    }

    std::unique_ptr<GameShell> StartShell() {
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
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

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
};

TEST_F(CommentsWindow, StyledCommentIsStoredAndAnEmptiedOneRemoved) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const TMahJong_interface& engine = *shell->Engine();
    const std::string data = shell->DataFolder();
    std::string first;
    std::string second;

    shell->commentsAnswerer = [&](TfrmJComments& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral(" Comments"));
        QComboBox* games = window.GameBox();
        ASSERT_GT(games->count(), 100);
        first = games->currentText().toStdString();
        EXPECT_EQ(first, std::string(TrimRight(engine.gameName)));
        EXPECT_TRUE(window.NumberButton()->isEnabled());
        EXPECT_TRUE(games->itemIcon(games->currentIndex()).isNull());

        QTextEdit* editor = window.Editor();
        QTest::keyClicks(editor, "Plain ");
        window.BoldButton()->click();
        QTest::keyClicks(editor, "bold");
        window.BoldButton()->click();
        window.UnderlineButton()->click();
        editor->insertPlainText(QStringLiteral(" Zoë"));
        window.UnderlineButton()->click();
        window.PlayerButton()->click();
        window.NumberButton()->click();

        // The style buttons follow the caret.
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(8);
        editor->setTextCursor(cursor);
        EXPECT_TRUE(window.BoldButton()->isChecked());
        EXPECT_FALSE(window.UnderlineButton()->isChecked());
        cursor.setPosition(13);
        editor->setTextCursor(cursor);
        EXPECT_FALSE(window.BoldButton()->isChecked());
        EXPECT_TRUE(window.UnderlineButton()->isChecked());
        if (!qEnvironmentVariable("JW_SHOTS_DIR").isEmpty()) {
            window.grab().save(qEnvironmentVariable("JW_SHOTS_DIR") + "/comments.png");
        }

        // Choosing another game stores the comment and marks the game.
        const int firstIndex = games->currentIndex();
        const int secondIndex = firstIndex == 0 ? 1 : 0;
        games->setCurrentIndex(secondIndex);
        second = games->currentText().toStdString();
        EXPECT_TRUE(HasComment(data, first));
        EXPECT_FALSE(games->itemIcon(firstIndex).isNull());
        EXPECT_TRUE(editor->toPlainText().isEmpty());
        EXPECT_FALSE(window.NumberButton()->isEnabled());
        QTest::keyClicks(editor, "short-lived");
        games->setCurrentIndex(firstIndex);
        ASSERT_TRUE(HasComment(data, second));
        EXPECT_TRUE(editor->toPlainText().startsWith(QStringLiteral("Plain bold Zoë")));

        // Back on the second game: cleared, and closed.
        games->setCurrentIndex(secondIndex);
        window.ClearButton()->click();
        window.done(0);
        EXPECT_FALSE(window.isVisible());
    };
    shell->Window()->Action(CommandId::Comments)->trigger();

    ASSERT_FALSE(first.empty());
    const StyledText stored = LoadComment(data, first);
    const StyledText expectedStart = {
        {"Plain ", {}}, {"bold", {true, false, false}}, {" Zoë", {false, false, true}}};
    ASSERT_GE(stored.size(), expectedStart.size()) << PlainText(stored);

    EXPECT_TRUE(std::equal(expectedStart.begin(), expectedStart.end(), stored.begin()));
    EXPECT_NE(PlainText(stored).find("\n[Player: " + engine.playerName + "]\n"), std::string::npos);
    EXPECT_NE(PlainText(stored).find("[Game number = " + engine.gameNumber + "]"),
              std::string::npos);
    // The emptied comment has no file.
    EXPECT_FALSE(HasComment(data, second));
    EXPECT_EQ(asked, std::vector<std::string>{"Delete all comments for the game: " + second + "?"});
}

}  // namespace
}  // namespace jw
