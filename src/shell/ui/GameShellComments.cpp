// The comments window from the main window: "Co&mments..." opens it on the
// current game, over the comment files of the data folder.
#include <QPixmap>
#include <algorithm>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "engine/Jong_class_interface.h"
#include "platform/Text.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/ui/QtPicture.h"
#include "records/ui/J_Comments.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireCommentsCommands() {
    window->SetHandler(CommandId::Comments, [this] { ShowComments(); });
}

void GameShell::ShowComments() {
    CommentsSetup setup;
    setup.dataFolder = config->DataFolder();
    for (const std::string& record : engine->catalog.Records()) {
        setup.gameNames.push_back(std::string(TrimRight(Columns(record, 1, 50))));
    }
    for (const std::string& line : customLayouts->ListLayouts()) {
        setup.gameNames.push_back(std::string(TrimRight(Columns(line, 1, 50))));
    }
    std::stable_sort(setup.gameNames.begin(), setup.gameNames.end(),
                     [](const std::string& a, const std::string& b) {
                         return ToLowerAscii(a) < ToLowerAscii(b);
                     });
    setup.currentGame = std::string(TrimRight(engine->gameName));
    if (setup.currentGame.empty() && engine->gameId >= 0) {
        setup.currentGame = engine->catalog.NameOf(engine->gameId);
    }
    setup.playerName = engine->playerName;
    setup.gameNumber = engine->gameNumber;
    setup.gameRunning = engine->play.playing;
    setup.commentMarker =
        QIcon(QPixmap::fromImage(LibraryPicture(*library, "ICON", "COMMENT_YES")));

    TfrmJComments dialog(host, std::move(setup), window.get());
    RunDialog(dialog, commentsAnswerer);
}

}  // namespace jw
