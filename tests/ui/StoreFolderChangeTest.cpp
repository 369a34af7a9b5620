// Changing the store folder from a running game: the pointer file names the
// new folder, the game in progress is held, and the program ends at once.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Customize.h"
#include "layouts/ui/J_Options_Advanced.h"
#include "shell/CommandTable.h"
#include "shell/ui/J_Main.h"
#include "ui/StartedShell.h"

namespace jw {
namespace {

using StoreFolderChange = test::StartedShell;

// Runs in a child process: the change ends the event loops of the process.
// The child ends with _exit, as the program ends there without tearing its
// windows down: a leak check at exit would only report what is still up.
TEST_F(StoreFolderChange, HoldsTheGameStoresThePointerAndEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string target = (folder.Path() / "elsewhere").string() + "/";
    EXPECT_EXIT(
        {
            auto shell = StartShell();
            if (!shell || !shell->Engine()->play.playing) {
                ::_exit(2);
            }
            const std::string dataFolder = shell->DataFolder();
            QTimer::singleShot(50, [&] {
                auto* customize = qobject_cast<TfrmJCustomize*>(QApplication::activeModalWidget());
                if (customize == nullptr) {
                    ::_exit(3);
                }
                QTimer::singleShot(50, [&] {
                    auto* advanced =
                        qobject_cast<TfrmJOptionsAdvanced*>(QApplication::activeModalWidget());
                    if (advanced == nullptr) {
                        ::_exit(4);
                    }
                    advanced->OtherFolderRadio()->click();
                    advanced->OtherFolderBox()->setText(QString::fromStdString(target));
                    advanced->btnOKClick();
                });
                customize->AdvancedButton()->click();
            });
            shell->Window()->Action(CommandId::Customize)->trigger();
            // The dialog is open without a loop of its own: let the events run.
            const auto pointedAndHeld = [&] {
                const auto pointer = ReadFileBytes(
                    (folder.Path() / "data" / "Jadewind" / "fold.dat").string(), 1 << 16);
                const bool pointed = pointer && pointer->find(target) != std::string::npos;
                const bool held = std::filesystem::exists(shell->Engine()->HeldGameFile());
                return pointed && held;
            };
            ::_exit(QTest::qWaitFor(pointedAndHeld, 5000) ? 0 : 5);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace jw
