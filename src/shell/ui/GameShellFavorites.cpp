// The favourites from the main window: "&Add to Favorites..." puts the
// current game into the favourites tree, after which the "F&avorites" menu
// and the open-game dialog's favourites are built again.
#include <QPixmap>
#include <algorithm>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "platform/Text.h"

#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Open_Game.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/ui/QtPicture.h"
#include "records/GameLists.h"
#include "records/ui/J_Favorite.h"
#include "shell/CommandTable.h"
#include "shell/FavoritesMenu.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireFavoritesCommands() {
    window->SetHandler(CommandId::AddFavorites, [this] { AddToFavorites(); });
    window->SetHandler(CommandId::OrganizeFavorites, [this] { OrganizeFavorites(); });
    window->SetHandler(CommandId::OrganizeFavoritesPopUp, [this] { OrganizeFavorites(); });
}

void GameShell::OrganizeFavorites() {
    FavoriteOrganiserSetup setup;
    setup.programName = QString::fromLatin1(kProgramName);
    std::vector<std::string> names;
    for (const std::string& record : engine->catalog.Records()) {
        names.push_back(std::string(TrimRight(Columns(record, 1, 50))));
    }
    for (const std::string& line : customLayouts->ListLayouts()) {
        names.push_back(std::string(TrimRight(Columns(line, 1, 50))));
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ToLowerAscii(a) < ToLowerAscii(b);
    });
    for (const std::string& name : names) {
        FavoriteNode game;
        game.code = engine->catalog.IdOf(name);
        game.text = name;
        game.type = engine->catalog.TypeOf(game.code);
        if (game.code >= 0) {
            setup.games.push_back(std::move(game));
        }
    }
    setup.tree = LoadFavoritesTree(*settings, engine->catalog);
    setup.folderIcon = LibraryIcon("FOLDER_FAVORITES_OPEN_256_16x16");
    setup.gameIcon = LibraryIcon("FAVORITES_256_16x16");
    TfrmJFavorite dialog(host, std::move(setup), window.get());
    RunDialog(dialog, favoriteOrganiserAnswerer);
    if (dialog.result() == QDialog::Accepted) {
        SaveFavoritesTree(*settings, dialog.Tree());
        RebuildFavorites();
    }
}

QIcon GameShell::LibraryIcon(const char* name) const {
    return QIcon(QPixmap::fromImage(LibraryPicture(*library, "ICON", name)));
}

void GameShell::RebuildFavorites() {
    std::vector<TfrmJMain::FavoriteItem> favorites;
    for (const FavoriteMenuItem& item : ReadFavoriteMenu(*settings)) {
        favorites.push_back({item.folder, item.toRoot, item.gameId, item.caption});
    }
    window->SetFavorites(favorites, [this](int id) {
        if (engine->ConfirmQuit()) {
            engine->StartGame(ReadMode::NewGame, id, "", engine->playerName);
        }
    });
    if (openGame) {
        openGame->RebuildCustomAndFavorites();
    }
}

void GameShell::AddToFavorites() {
    if (engine->gameId < 0) {
        return;
    }
    FavoriteAddSetup setup;
    setup.programName = QString::fromLatin1(kProgramName);
    setup.game.code = engine->gameId;
    setup.game.text = engine->catalog.NameOf(engine->gameId);
    setup.game.type = engine->catalog.TypeOf(engine->gameId);
    setup.tree = LoadFavoritesTree(*settings, engine->catalog);
    setup.folderIcon = LibraryIcon("FOLDER_FAVORITES_OPEN_256_16x16");
    setup.gameIcon = LibraryIcon("FAVORITES_256_16x16");
    TfrmJFavoriteAdd dialog(host, std::move(setup), window.get());
    RunDialog(dialog, favoriteAddAnswerer);
    if (dialog.result() == QDialog::Accepted && dialog.Added()) {
        SaveFavoritesTree(*settings, dialog.Tree());
        RebuildFavorites();
    }
}

}  // namespace jw
