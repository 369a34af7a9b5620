// The layout manager driven through the game window, over layouts
// registered in the player's data folder.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "ChooseGame.h"
#include "Screenshot.h"
#include "StartedShell.h"
#include "engine/CustomLayouts.h"
#include "engine/Jong_class_interface.h"
#include "engine/LayoutReader.h"
#include "layouts/ForeignLayout.h"
#include "layouts/ui/J_Layout_Editor.h"
#include "layouts/ui/J_Layout_Manager.h"
#include "platform/SaveFile.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "presentation/ResourceLibrary.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {
namespace {

using test::Shot;

class LayoutManagerWindow : public test::StartedShell {
  protected:
    LayoutManagerWindow() {
        answerFor = [](MessageButtons buttons) {
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        };
        std::filesystem::create_directories(data);
        // Two layouts of the player's own, made from built-in ones.
        const auto library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf");
        EXPECT_NE(library, nullptr);
        CustomLayouts layouts(data.string() + "/");
        for (const auto& [name, builtIn] : {std::pair{"My Turtle", 0}, {"Small one", 54}}) {
            const auto text = library->Find("GAMES", BuiltInLayoutName(builtIn));
            EXPECT_TRUE(text);
            const GameId id = layouts.RegisterLayout(name);
            EXPECT_TRUE(WriteFileAtomically(layouts.LayoutFileName(id), text.value_or("")));
        }
    }
};

TEST_F(LayoutManagerWindow, ListPreviewDuplicateDeleteAndPlay) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->GetHost().layoutNameAnswerer = [](TfrmJLayoutSave& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Duplicate Layout");
        EXPECT_EQ(dialog.NameField()->text(), "My Turtle");
        dialog.NameField()->setText(QStringLiteral(" Copy of turtle "));
        dialog.OkButton()->click();
    };
    shell->GetHost().layoutManagerAnswerer = [&](TfrmJLayoutManager& w) {
        EXPECT_EQ(w.windowTitle(), "Layout Manager");
        ASSERT_EQ(w.List()->topLevelItemCount(), 2);
        EXPECT_EQ(w.List()->topLevelItem(0)->text(0), "My Turtle");
        EXPECT_EQ(w.NameLabel()->text(), "My Turtle");
        EXPECT_EQ(w.TilesLabel()->text(), "144");
        EXPECT_FALSE(w.PreviewPicture()->pixmap().isNull());
        EXPECT_TRUE(w.Button("tbNew_Large")->isEnabled());
        EXPECT_TRUE(w.Button("tbEdit_Large")->isEnabled());
        EXPECT_TRUE(w.Button("tbDuplicate_Large")->isEnabled());
        Shot(w, "layout-manager");

        w.Button("tbDuplicate_Large")->click();
        ASSERT_EQ(w.List()->topLevelItemCount(), 3);
        ASSERT_TRUE(w.Selected());
        EXPECT_EQ(w.Selected()->name, "Copy of turtle");
        EXPECT_EQ(w.TilesLabel()->text(), "144");

        w.Button("tbDelete_Large")->click();  // answered Yes
        EXPECT_EQ(shownMessages.back(),
                  "Are you sure you want to delete the Layout: Copy of turtle?");
        EXPECT_EQ(w.List()->topLevelItemCount(), 2);

        EXPECT_TRUE(w.Select("Small one"));
        EXPECT_NE(w.TilesLabel()->text(), "144");
        w.PlayButton()->click();
    };
    shell->Window()->Action(CommandId::LayoutManager)->trigger();
    EXPECT_GE(shell->Engine()->gameId, kFirstCustomGameId);
    EXPECT_EQ(shell->Engine()->gameName, "Small one");
    EXPECT_TRUE(shell->Engine()->play.playing);

    // Deleting the layout being played ends the game: the next new game
    // needs a choice of game.
    shell->GetHost().layoutManagerAnswerer = [&](TfrmJLayoutManager& w) {
        ASSERT_TRUE(w.Selected());
        EXPECT_EQ(w.Selected()->name, "Small one");  // the current layout
        w.Button("tbDelete_Large")->click();
        EXPECT_EQ(w.List()->topLevelItemCount(), 1);
    };
    shell->Window()->Action(CommandId::LayoutManager)->trigger();
    EXPECT_EQ(shell->Engine()->gameId, -1);
    EXPECT_FALSE(shell->Engine()->play.playing);
    EXPECT_EQ(CustomLayouts(data.string() + "/").LayoutIdByName("Small one"), -1);
}

TEST_F(LayoutManagerWindow, EditingALayoutTileByTileThenPlayingIt) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    window.Action(CommandId::EditCurrentLayout)->trigger();
    ASSERT_TRUE(shell->Editing());
    EXPECT_EQ(window.windowTitle().toStdString(), WindowTitle(true, "", false, ""));
    TfrmJInfoLayoutEditor& info = *shell->LayoutInformationWindow();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.Value(2), "144");  // Standard's tiles, to be saved under a new name
    EXPECT_EQ(info.Value(4), "0");
    EXPECT_EQ(shell->Engine()->gameId, 0);

    window.Action(CommandId::LayoutClearAll)->trigger();  // answered Yes
    EXPECT_EQ(info.Value(2), "0");
    EXPECT_EQ(info.Value(4), "4");

    // Four clicks side by side in the middle of the board.
    BoardView& board = *window.Board();
    const QPoint middle = board.rect().center();
    const int step = board.width() / 12;
    for (int k = 0; k < 4; ++k) {
        const QPoint at = middle + QPoint((k - 2) * step, 0);
        QTest::mouseMove(&board, at);
        QTest::mouseClick(&board, Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(info.Value(2), "4");
    EXPECT_EQ(info.Value(4), "0");
    // A right click on the last one takes it away again; a left click puts it back.
    const QPoint last = middle + QPoint(step, 0);
    QTest::mouseClick(&board, Qt::RightButton, {}, last);
    EXPECT_EQ(info.Value(2), "3");
    QTest::mouseClick(&board, Qt::LeftButton, {}, last);
    EXPECT_EQ(info.Value(2), "4");
    QTest::mouseMove(&board, middle + QPoint(0, step));
    Shot(window, "layout-editor");
    // The picture with the information window where it stands over the
    // main window (a tool window of its own, which a grab leaves out).
    if (const QString shots = qEnvironmentVariable("JW_SHOTS_DIR"); !shots.isEmpty()) {
        QPixmap picture = window.grab();
        QPainter painter(&picture);
        painter.drawPixmap(info.geometry().topLeft() - window.geometry().topLeft(), info.grab());
        painter.end();
        picture.save(shots + "/layout-editor-with-information.png");
    }

    shell->GetHost().layoutNameAnswerer = [](TfrmJLayoutSave& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save Layout");
        EXPECT_EQ(dialog.NameField()->text(), "My Layout");
        dialog.NameField()->setText(QStringLiteral("Four in a row"));
        dialog.OkButton()->click();
    };
    window.Action(CommandId::LayoutSave)->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), WindowTitle(true, "Four in a row", false, ""));
    const GameId saved = CustomLayouts(data.string() + "/").LayoutIdByName("Four in a row");
    ASSERT_GE(saved, kFirstCustomGameId);

    window.Action(CommandId::LayoutPlay)->trigger();
    EXPECT_FALSE(shell->Editing());
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(shell->Engine()->gameId, saved);
    EXPECT_TRUE(shell->Engine()->play.playing);
    EXPECT_EQ(shell->Engine()->board.CountAnchors(), 4);
}

// A stepped pyramid in the other programs' layout format: 8 x 6, 6 x 4,
// 4 x 2 and 2 x 2 tiles, 84 in all.
std::string Pyramid() {
    const int width = 16, height = 12;
    std::string text = "kmahjongg-layout-v1.1\nw16\nh12\nd4\n";
    const int blocks[4][4] = {{0, 0, 8, 6}, {2, 2, 6, 4}, {4, 4, 4, 2}, {6, 4, 2, 2}};
    for (const auto& block : blocks) {
        for (int row = 0; row < height; ++row) {
            std::string line(width, '.');
            for (int column = 0; column < width; ++column) {
                const int c = column - block[0];
                const int r = row - block[1];
                if (c >= 0 && r >= 0 && c < 2 * block[2] && r < 2 * block[3])
                    line[static_cast<std::size_t>(column)] = "1243"[(r % 2) * 2 + c % 2];
            }
            text.append(line).append("\n");
        }
    }
    return text;
}

TEST_F(LayoutManagerWindow, AnImportedLayoutIsPlayed) {
    const ForeignLayoutResult pyramid = ConvertForeignLayout(Pyramid());
    ASSERT_EQ(pyramid.refusal, "");
    EXPECT_EQ(pyramid.tiles, 84);
    EXPECT_EQ(pyramid.levels, 4);
    CustomLayouts layouts(data.string() + "/");
    const GameId id = layouts.RegisterLayout("Pyramid");
    ASSERT_TRUE(WriteFileAtomically(layouts.LayoutFileName(id), pyramid.fileText));
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->GetHost().layoutManagerAnswerer = [&](TfrmJLayoutManager& w) {
        ASSERT_TRUE(w.Select("Pyramid"));
        EXPECT_EQ(w.TilesLabel()->text(), "84");
        w.PlayButton()->click();
    };
    shell->Window()->Action(CommandId::LayoutManager)->trigger();
    EXPECT_EQ(shell->Engine()->gameId, id);
    EXPECT_EQ(shell->Engine()->board.CountAnchors(), 84);
    QTest::qWait(50);
    Shot(*shell->Window(), "imported-layout-playing");
}

}  // namespace
}  // namespace jw
