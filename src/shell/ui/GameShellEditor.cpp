// The layout editor as a mode of the main window: its bars and title, the
// pointer tile that follows the mouse, adding and removing tiles with the
// mouse, the layout commands, saving, and leaving for play or for the
// layout manager.
#include <QMouseEvent>

#include "engine/CustomLayouts.h"
#include "engine/Jong_class_interface.h"
#include "layouts/GameChooser.h"
#include "layouts/LayoutEditor.h"
#include "layouts/ui/J_InfoGame.h"
#include "layouts/ui/J_Layout_Editor.h"
#include "layouts/ui/J_Layout_Manager.h"
#include "layouts/ui/J_Open_Game.h"
#include "platform/Settings.h"
#include "presentation/BoardRenderer.h"
#include "records/WindowPlace.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireEditorCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::EditCurrentLayout, [this] { EnterEditor(engine->gameId, true); });
    w.SetHandler(CommandId::LayoutSave, [this] { SaveLayout(false); });
    w.SetHandler(CommandId::LayoutSaveAs, [this] { SaveLayout(true); });
    w.SetHandler(CommandId::LayoutPlay, [this] { PlayEditedLayout(); });
    w.SetHandler(CommandId::LayoutExit, [this] { ExitEditor(); });
    w.SetHandler(CommandId::LayoutMoveLeft, [this] { MoveLayout(-1, 0); });
    w.SetHandler(CommandId::LayoutMoveRight, [this] { MoveLayout(1, 0); });
    w.SetHandler(CommandId::LayoutMoveUp, [this] { MoveLayout(0, -1); });
    w.SetHandler(CommandId::LayoutMoveDown, [this] { MoveLayout(0, 1); });
    w.SetHandler(CommandId::LayoutMoveCenter, [this] {
        if (editor->Centre(renderer->Grid().VisibleColumns(), renderer->Grid().VisibleRows()))
            EditorChanged(true);
    });
    w.SetHandler(CommandId::LayoutClearAll, [this] {
        if (editor->ClearAll())
            EditorChanged(true);
    });
    w.SetHandler(CommandId::LayoutOptions, [this] { LayoutOptions(); });
}

bool GameShell::Editing() const {
    return editor && editor->Editing();
}

void GameShell::EnterEditor(GameId id, bool forgetName) {
    if (engine->play.playing && !engine->ConfirmQuit())
        return;
    host.SetBusy(true);
    if (infoGame != nullptr)
        infoGame->hide();
    if (engine->play.playing)
        engine->EndGame();
    engine->ClearBoard();
    if (!editor)
        editor = std::make_unique<LayoutEditor>(*engine);
    editor->Enter(id);
    if (forgetName)
        editor->SetName("");  // the first save asks for a name of the player's own
    renderer->ComputeGrid();
    if (editor->Tiles() > 0) {
        // A layout read from a file lies in the top-left corner.
        editor->Centre(renderer->Grid().VisibleColumns(), renderer->Grid().VisibleRows());
        engine->layoutChanged = false;
    }
    window->ShowPlayingBars(false);
    window->Board()->setCursor(Qt::PointingHandCursor);
    if (!layoutInformation) {
        layoutInformation = std::make_unique<TfrmJInfoLayoutEditor>(window.get());
        // The stored place, or the screen's left edge under the bars.
        WindowPlace place =
            LoadWindowPlace(*settings, host.Screen(), setting::kFormInfoLayoutEditor,
                            layoutInformation->width(), layoutInformation->height());
        if (place.left < 0)
            place.left = 0;
        if (place.top < 0)
            place.top = window->geometry().top() +
                        (window->frameGeometry().height() - window->geometry().height()) +
                        window->Board()->mapTo(window.get(), QPoint(0, 0)).y() - 3;
        layoutInformation->move(place.left, place.top);
    }
    layoutInformation->show();
    EditorChanged(true);
    host.SetBusy(false);
}

void GameShell::LeaveEditor() {
    editor->Leave();
    renderer->editorGhost.reset();
    engine->ClearBoard();
    renderer->RedrawBoard();
    if (layoutInformation) {
        StoreLayoutInformationPlace();
        layoutInformation->hide();
    }
    window->ShowPlayingBars(true);
    ApplyPointer();
    AfterMove();
}

void GameShell::StoreLayoutInformationPlace() {
    if (layoutInformation)
        SaveWindowPlace(*settings, setting::kFormInfoLayoutEditor, layoutInformation->x(),
                        layoutInformation->isVisible(), layoutInformation->y());
}

void GameShell::EditorChanged(bool redraw) {
    if (redraw) {
        renderer->RedrawBoard();
        renderer->Paint();
    }
    engine->board.RecountLevels();
    if (layoutInformation)
        layoutInformation->Show(
            {engine->board.levels, editor->Tiles(), editor->Counts(), engine->rules.faceDown != 0});
    RefreshTitle();
    RefreshStatus();
}

std::optional<std::string> GameShell::AskLayoutName(const std::string& proposed) {
    TfrmJLayoutSave dialog(host, *customLayouts, NameUse::Save, proposed, window.get());
    RunDialog(dialog, host.layoutNameAnswerer);
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}

bool GameShell::SaveLayout(bool saveAs) {
    const bool saved =
        editor->Save(saveAs, [this](const std::string& name) { return AskLayoutName(name); });
    if (saved)
        OpenGameDialog().RebuildCustomAndFavorites();
    EditorChanged(false);
    return saved;
}

void GameShell::PlayEditedLayout() {
    if (!editor->MayLeave([this](const std::string& name) { return AskLayoutName(name); }))
        return;
    const GameId id = engine->gameId;
    LeaveEditor();
    OpenGameDialog().RebuildCustomAndFavorites();
    if (id < 0) {
        OpenGameCommand();
        return;
    }
    OpenGameDialog().Remember(ChooserList::Custom, id);
    engine->StartGame(ReadMode::NewGame, id, std::string(), engine->playerName);
    AfterMove();
}

void GameShell::ExitEditor() {
    if (!editor->MayLeave([this](const std::string& name) { return AskLayoutName(name); }))
        return;
    LeaveEditor();
    ShowLayoutManager();
}

void GameShell::MoveLayout(int columns, int rows) {
    if (editor->Move(columns, rows, renderer->Grid().VisibleColumns(),
                     renderer->Grid().VisibleRows()))
        EditorChanged(true);
}

void GameShell::LayoutOptions() {
    TfrmJLayoutOptions options(engine->rules.faceDown != 0, engine->rules.removeRule, window.get());
    RunDialog(options, host.layoutOptionsAnswerer);
    if (options.result() == QDialog::Accepted)
        editor->SetOptions(options.FaceDown(), options.RemoveRule());
    EditorChanged(false);
}

PixelRect GameShell::GhostRect() const {
    const TileGeometry& g = renderer->Geometry();
    const Point at = renderer->editorGhost.value_or(Point{});
    return {at.x, at.y, g.faceWidth, g.faceHeight};
}

void GameShell::EditorMouseMove(int x, int y) {
    const TileGeometry& g = renderer->Geometry();
    const Point ghost{x - (g.faceWidth - g.depth) / 2, y - (g.faceHeight - g.depth) / 2};
    // Shown only over the rows of the board.
    const BoardGrid& grid = renderer->Grid();
    const int middle = ghost.y + g.faceHeight / 2;
    const bool shown = ghost.x >= 0 && middle > grid.Y(1) &&
                       middle < grid.Y(std::min(grid.VisibleRows(), grid.N()));
    renderer->editorGhost = shown ? std::optional<Point>(ghost) : std::nullopt;
    renderer->Paint();
}

void GameShell::EditorMousePress(QMouseEvent* event) {
    EditorMouseMove(static_cast<int>(event->position().x()),
                    static_cast<int>(event->position().y()));
    if (!renderer->editorGhost)
        return;
    const bool remove = event->button() == Qt::RightButton;
    const std::optional<BoardPos> changed = remove ? editor->Remove(renderer->Grid(), GhostRect())
                                                   : editor->Add(renderer->Grid(), GhostRect());
    if (!changed)
        return;
    renderer->LocalRedraw(*changed, remove ? TileRedraw::Remove : TileRedraw::Unselect, true,
                          false);
    renderer->Paint();
    EditorChanged(false);
}

}  // namespace jw
