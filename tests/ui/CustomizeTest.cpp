// The Customize dialog driven like a player, alone and from the game window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Customize.h"
#include "layouts/ui/J_Options_Advanced.h"
#include "platform/MemorySettings.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "presentation/BoardRenderer.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/QtHost.h"
#include "ui/StartedShell.h"

namespace jw {
namespace {

std::string Stored(const SettingsStore& s, std::string_view key) {
    return s.ReadString("Preference", key, "<missing>");
}

TEST(CustomizeDialog, ControlsShowAndEditTheWorkingValues) {
    QtHost host;
    test::MemorySettings settings;
    settings.WriteString("Preference", "Winning_Animations", "Circles");
    settings.WriteInteger("Preference", "Undo_Enabled", 1);
    TfrmJCustomize dialog(host, settings, nullptr, 1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Customize");
    EXPECT_EQ(dialog.Pages()->currentIndex(), 1);
    EXPECT_TRUE(dialog.UndoGroup()->button(1)->isChecked());
    EXPECT_EQ(dialog.AnimationList()->currentText(), "Circles");

    // The time box: read-only, stepped by its buttons, never at 0.
    EXPECT_TRUE(dialog.TimeBox()->isReadOnly());
    EXPECT_EQ(dialog.TimeBox()->text(), "30");
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(dialog.TimeDown(), Qt::LeftButton);
    }
    EXPECT_EQ(dialog.TimeBox()->text(), "10");
    QTest::mouseClick(dialog.TimeUp(), Qt::LeftButton);
    EXPECT_EQ(dialog.TimeBox()->text(), "20");

    // "(None)" disables the preview and the time; another entry enables them.
    dialog.AnimationList()->setCurrentIndex(dialog.AnimationList()->count() - 1);
    EXPECT_EQ(dialog.AnimationList()->currentText(), "(None)");
    EXPECT_FALSE(dialog.PreviewButton()->isEnabled());
    EXPECT_FALSE(dialog.TimeUp()->isEnabled());
    EXPECT_FALSE(dialog.TimeBox()->isEnabled());
    dialog.AnimationList()->setCurrentIndex(3);
    EXPECT_TRUE(dialog.PreviewButton()->isEnabled());
    EXPECT_TRUE(dialog.TimeDown()->isEnabled());

    // The sound tree: a group entry leaves both buttons off and hides the
    // preview; an event entry offers the one button that changes it.
    QTreeWidget* tree = dialog.SoundTree();
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Actions");
    tree->setCurrentItem(tree->topLevelItem(2));
    EXPECT_FALSE(dialog.EnableSoundButton()->isEnabled());
    EXPECT_FALSE(dialog.DisableSoundButton()->isEnabled());
    EXPECT_TRUE(dialog.PlayButton()->isHidden());
    QTreeWidgetItem* redo = dialog.SoundEntry(2);
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(redo->text(0), "Redo");
    tree->setCurrentItem(redo);
    EXPECT_FALSE(redo->icon(0).isNull());
    EXPECT_FALSE(dialog.EnableSoundButton()->isEnabled());
    ASSERT_TRUE(dialog.DisableSoundButton()->isEnabled());
    EXPECT_FALSE(dialog.PlayButton()->isHidden());
    QTest::mouseClick(dialog.DisableSoundButton(), Qt::LeftButton);
    EXPECT_TRUE(redo->icon(0).isNull());
    EXPECT_TRUE(dialog.EnableSoundButton()->isEnabled());

    dialog.btnOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stored(settings, "Sounds_Redo"), "N");
    EXPECT_EQ(Stored(settings, "Winning_Animations"), "Lines");
    EXPECT_EQ(Stored(settings, "Winning_Animations_Time"), "20");
    EXPECT_EQ(Stored(settings, "Undo_Enabled"), "1");
}

TEST(CustomizeDialog, DisableAllSoundsThenOkSilencesEverything) {
    QtHost host;
    test::MemorySettings settings;
    const std::vector<std::string_view> events = {
        "Sounds_About",    "Sounds_NewHiScores", "Sounds_GameWon",
        "Sounds_HiScores", "Sounds_NewGame",     "Sounds_Pairing",
        "Sounds_Redo",     "Sounds_Restart",     "Sounds_Undo"};
    {
        TfrmJCustomize dialog(host, settings, nullptr, 1);
        dialog.show();
        dialog.DisableAllSounds()->click();
        EXPECT_FALSE(dialog.SoundTree()->isEnabled());
        EXPECT_FALSE(dialog.EnableSoundButton()->isEnabled());
        EXPECT_FALSE(dialog.DisableSoundButton()->isEnabled());
        EXPECT_TRUE(dialog.SoundEntry(5)->icon(0).isNull());
        dialog.btnOKClick();
    }
    EXPECT_EQ(Stored(settings, "Sounds_Enabled"), "N");
    for (std::string_view key : events) {
        EXPECT_EQ(Stored(settings, key), "N") << key;
    }
    {
        TfrmJCustomize dialog(host, settings, nullptr, 1);
        dialog.show();
        EXPECT_TRUE(dialog.DisableAllSounds()->isChecked());
        dialog.DisableAllSounds()->click();
        EXPECT_TRUE(dialog.SoundTree()->isEnabled());
        dialog.btnOKClick();
    }
    EXPECT_EQ(Stored(settings, "Sounds_Enabled"), "Y");
    for (std::string_view key : events) {
        EXPECT_EQ(Stored(settings, key), "Y") << key;
    }
}

TEST(CustomizeDialog, ResetToolbarsActsOnlyOnYes) {
    QtHost host;
    test::MemorySettings settings;
    std::vector<std::string> asked;
    MessageAnswer answer = MessageAnswer::No;
    host.answerer = [&](MessageKind, const std::string& text, MessageButtons) {
        asked.push_back(text);
        return answer;
    };
    TfrmJCustomize dialog(host, settings, nullptr, 0);
    int resets = 0;
    dialog.resetToolbars = [&resets] { ++resets; };
    dialog.ResetToolbarButton()->click();
    EXPECT_EQ(resets, 0);
    answer = MessageAnswer::Yes;
    dialog.ResetToolbarButton()->click();
    EXPECT_EQ(resets, 1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0],
              "Are you sure you want to reset the changes made to the Toolbars and Menu?");
    // Cancel afterwards writes none of the dialog's values.
    dialog.reject();
    EXPECT_TRUE(settings.values.empty());
}

TEST(AdvancedOptions, PointerZeroShowsTheLargeArrowAndNoSelectionStoresZero) {
    QtHost host;
    CustomizeValues values;
    values.pointer = 0;
    TfrmJOptionsAdvanced dialog(host, values, "/d/", "/d/", nullptr, "Jadewind 2007");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Advanced options");
    ASSERT_EQ(dialog.Pointers()->count(), 6);
    ASSERT_EQ(dialog.Pointers()->selectedItems().size(), 1);
    EXPECT_EQ(dialog.Pointers()->selectedItems().front()->text(), "Arrow large");
    EXPECT_EQ(dialog.Pointers()->item(0)->icon().availableSizes().value(0), QSize(35, 35));
    dialog.Pointers()->clearSelection();
    dialog.btnOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().pointer, 0);

    values.pointer = 14;
    TfrmJOptionsAdvanced hand(host, values, "/d/", "/d/", nullptr, "Jadewind 2007");
    EXPECT_EQ(hand.Pointers()->selectedItems().front()->text(), "Left-hand 1");
    hand.Pointers()->setCurrentRow(0);
    hand.btnOKClick();
    EXPECT_EQ(hand.Values().pointer, 10);
}

TEST(AdvancedOptions, HoldAndExitRadiosAndTheOtherPages) {
    QtHost host;
    CustomizeValues values;
    values.askAtExit = true;
    values.exitType = 1;
    TfrmJOptionsAdvanced dialog(host, values, "/d/", "/d/", nullptr, "Jadewind 2007");
    dialog.show();
    EXPECT_TRUE(dialog.SignalRadio()->isChecked());
    EXPECT_FALSE(dialog.ExitTypeList()->isEnabled());
    dialog.NoneRadio()->click();
    EXPECT_TRUE(dialog.ExitTypeList()->isEnabled());
    dialog.ExitTypeList()->setCurrentIndex(0);
    dialog.ConfirmOnExit()->click();
    dialog.DisableStatistics()->click();
    EXPECT_FALSE(dialog.ClearValuesButton()->isEnabled());
    EXPECT_EQ(dialog.DefaultFolderRadio()->text(), "Jadewind 2007 default Folder");
    dialog.btnOKClick();
    EXPECT_FALSE(dialog.Values().askAtExit);
    EXPECT_EQ(dialog.Values().exitType, 0);
    EXPECT_TRUE(dialog.Values().confirmOnExit);
    EXPECT_TRUE(dialog.Values().disableStatistics);
}

TEST(AdvancedOptions, NoToEitherFolderQuestionChangesNothing) {
    QtHost host;
    std::vector<MessageAnswer> script;
    std::vector<std::string> asked;
    host.answerer = [&](MessageKind, const std::string& text, MessageButtons) {
        asked.push_back(text);
        const MessageAnswer answer = script.empty() ? MessageAnswer::No : script.front();
        if (!script.empty()) {
            script.erase(script.begin());
        }
        return answer;
    };
    CustomizeValues values;
    TfrmJOptionsAdvanced dialog(host, values, "/Home/Ann/Data/", "/home/ann/data/", nullptr,
                                "Jadewind 2007");
    std::vector<std::string> changes;
    dialog.changeDataFolder = [&changes](const std::string& f) { changes.push_back(f); };
    dialog.show();
    // The same folder in other letter case counts as the default one.
    EXPECT_TRUE(dialog.DefaultFolderRadio()->isChecked());
    EXPECT_EQ(dialog.DefaultFolderBox()->text(), "/home/ann/data/");
    EXPECT_TRUE(dialog.OtherFolderBox()->isHidden());

    dialog.OtherFolderRadio()->click();
    EXPECT_FALSE(dialog.OtherFolderBox()->isHidden());
    dialog.btnOKClick();  // an empty folder
    EXPECT_EQ(asked.back(), "Please select a valid folder.");
    dialog.OtherFolderBox()->setText("/media/games");
    for (const auto& answers : std::vector<std::vector<MessageAnswer>>{
             {MessageAnswer::No}, {MessageAnswer::Yes, MessageAnswer::No}}) {
        script = answers;
        dialog.Pages()->setCurrentIndex(0);
        dialog.btnOKClick();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Pages()->currentIndex(), 3);
        EXPECT_TRUE(changes.empty());
    }
    script = {MessageAnswer::Yes, MessageAnswer::Yes};
    dialog.btnOKClick();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], dialog.OtherFolderBox()->text().toStdString());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(AdvancedOptions, BrowseAppendsTheSeparator) {
    QtHost host;
    CustomizeValues values;
    TfrmJOptionsAdvanced dialog(host, values, "/d/", "/o", nullptr, "Jadewind 2007");
    std::string openedAt;
    dialog.chooseFolder = [&openedAt](const std::string& start) {
        openedAt = start;
        return std::optional<std::string>("/media/new");
    };
    dialog.btnBrowseFolderClick();
    EXPECT_EQ(openedAt, "/o");
    EXPECT_EQ(dialog.OtherFolderBox()->text(), "/media/new/");
}

TEST(CustomizeDialog, AdvancedValuesComeBackOnlyOnOk) {
    QtHost host;
    test::MemorySettings settings;
    TfrmJCustomize dialog(host, settings, nullptr, 0);
    bool handBack = false;
    dialog.openAdvanced = [&handBack](CustomizeValues& values) {
        CustomizeValues edited = values;
        edited.pointer = 0;
        edited.confirmOnExit = true;
        if (handBack) {
            values = edited;
        }
        return handBack;
    };
    dialog.AdvancedButton()->click();
    EXPECT_EQ(dialog.Values().pointer, 10);
    handBack = true;
    dialog.AdvancedButton()->click();
    dialog.btnOKClick();
    EXPECT_EQ(Stored(settings, "Cursor"), "0");
    EXPECT_EQ(Stored(settings, "ConfirmQuit"), "Y");
}

using CustomizeInGame = test::StartedShell;

// The dialog that shows next, window-modal, handed to `act`.
void WhenCustomizeShows(std::function<void(TfrmJCustomize&)> act) {
    QTimer::singleShot(50, [act = std::move(act)] {
        auto* dialog = qobject_cast<TfrmJCustomize*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

TEST_F(CustomizeInGame, CancelAfterChangingEverythingWritesOnlyTheTileSize) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    SettingsFile settings(shell->DataFolder() + "cnfg.dat");
    Write(settings, setting::kTileSetSize, std::string("?"));
    const std::string before = SettingsText(*shell);
    bool shown = false;
    WhenCustomizeShows([&shown](TfrmJCustomize& dialog) {
        shown = true;
        dialog.UndoGroup()->button(2)->click();
        dialog.StyleGroup()->button(0)->click();
        dialog.PopupMenuBox()->click();
        dialog.RevealBox()->click();
        dialog.AnimationList()->setCurrentIndex(2);
        dialog.TimeUp()->click();
        dialog.DisableAllSounds()->click();
        dialog.reject();
    });
    shell->Window()->Action(CommandId::Customize)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown; }, 2000));
    const std::string letter(1, shell->Renderer()->Tiles().choice.sizeLetter);
    EXPECT_EQ(settings.ReadString("Preference", "Tile_Set_Size", ""), letter);
    // Put the "?" back: then nothing else may differ.
    Write(settings, setting::kTileSetSize, std::string("?"));
    EXPECT_EQ(SettingsText(*shell), before);
}

TEST_F(CustomizeInGame, CtrlOOpensCustomizeAndOkAppliesTheToolbarStyle) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->Window()->activateWindow();
    bool shown = false;
    WhenCustomizeShows([&shown](TfrmJCustomize& dialog) {
        shown = true;
        EXPECT_EQ(dialog.Pages()->currentIndex(), 0);
        dialog.StyleGroup()->button(1)->click();
        dialog.btnOKClick();
    });
    QTest::keyClick(shell->Window(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown; }, 2000));
    SettingsFile settings(shell->DataFolder() + "cnfg.dat");
    EXPECT_EQ(Read(settings, setting::kToolbarStyle), 1);
}

TEST_F(CustomizeInGame, APreviewHidesTheDialogAndTheSameDialogComesBack) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    SettingsFile settings(shell->DataFolder() + "cnfg.dat");
    ASSERT_NE(Read(settings, setting::kToolbarStyle), 1);
    TfrmJCustomize* previewed = nullptr;
    WhenCustomizeShows([&previewed](TfrmJCustomize& dialog) {
        previewed = &dialog;
        dialog.AnimationList()->setCurrentIndex(2);
        dialog.StyleGroup()->button(1)->click();  // an unsaved choice
        dialog.PreviewButton()->click();
    });
    shell->Window()->Action(CommandId::Customize)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell->Engine()->play.winningAnimation; }, 3000));
    ASSERT_NE(previewed, nullptr);
    EXPECT_FALSE(previewed->isVisible());
    EXPECT_EQ(shell->Window()->findChild<TfrmJCustomize*>(), previewed);
    EXPECT_NE(Read(settings, setting::kToolbarStyle), 1);  // nothing written yet

    // A key ends the animation; the dialog returns with the choices made.
    QTest::keyClick(shell->Window()->Board(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return previewed->isVisible(); }, 3000));
    EXPECT_FALSE(shell->WinAnimationActive());
    EXPECT_EQ(QApplication::activeModalWidget(), previewed);
    EXPECT_TRUE(previewed->StyleGroup()->button(1)->isChecked());

    // Only OK writes and applies them, and the dialog then goes.
    previewed->btnOKClick();
    EXPECT_EQ(Read(settings, setting::kToolbarStyle), 1);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return shell->Window()->findChild<TfrmJCustomize*>() == nullptr; }, 2000));
    // It may open again.
    bool shownAgain = false;
    WhenCustomizeShows([&shownAgain](TfrmJCustomize& dialog) {
        shownAgain = true;
        dialog.reject();
    });
    shell->Window()->Action(CommandId::Customize)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&shownAgain] { return shownAgain; }, 2000));
}

TEST_F(CustomizeInGame, ClosingTheWindowDuringAPreviewEndsTheDialogAsCancelled) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    SettingsFile settings(shell->DataFolder() + "cnfg.dat");
    Write(settings, setting::kTileSetSize, std::string("?"));
    const int style = Read(settings, setting::kToolbarStyle);
    QPointer<TfrmJCustomize> previewed;
    WhenCustomizeShows([&previewed, style](TfrmJCustomize& dialog) {
        previewed = &dialog;
        dialog.StyleGroup()->button(style == 1 ? 0 : 1)->click();
        dialog.PreviewButton()->click();
    });
    shell->Window()->Action(CommandId::Customize)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell->Engine()->play.winningAnimation; }, 3000));

    // The close waits for the animation, which it ends; then the dialog
    // goes without coming back and the window closes.
    EXPECT_FALSE(shell->Window()->close());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell->Window()->isVisible(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&previewed] { return previewed.isNull(); }, 2000));
    // Its closing steps ran, as for Cancel: the size letter only.
    const std::string letter(1, shell->Renderer()->Tiles().choice.sizeLetter);
    EXPECT_EQ(settings.ReadString("Preference", "Tile_Set_Size", ""), letter);
    EXPECT_EQ(Read(settings, setting::kToolbarStyle), style);
}

}  // namespace
}  // namespace jw
