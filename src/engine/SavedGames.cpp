// Saved games, the game held at exit and the close request of
// TMahJong_interface.
#include "engine/SavedGames.h"

#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "engine/LayoutWriter.h"
#include "platform/Settings.h"

namespace jw {

namespace {

// The dialog of the save and open commands, opening in the folder used last
// (the documents folder the first time).
FileDialogRequest GameFileDialog(TMahJong_Base& engine, std::string_view title) {
    FileDialogRequest request;
    request.title = std::string(title);
    request.filter = SavedGameFilter();
    if (engine.settings != nullptr) {
        request.folder = ReadText(*engine.settings, setting::kDirSave, "");
    }
    if (request.folder.empty()) {
        request.folder = engine.host.DocumentsFolder();
    }
    return request;
}

void RememberFolder(TMahJong_Base& engine, const std::string& file) {
    if (engine.settings != nullptr) {
        Write(*engine.settings, setting::kDirSave, FolderOf(file));
    }
}

}  // namespace

std::string SavedGameFilter() {
    const std::string extension(kSavedGameExtension);
    return std::string(kProductNameWithYear) + " Games (*" + extension + ")|*" + extension;
}

std::string ReplaceFileQuestion(std::string_view fileName) {
    return "The file: " + std::string(fileName) + " " +
           "already exists. Do you want to replace the existing file?";
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string WithSavedGameExtension(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    // A leading dot names a hidden file, not an extension.
    if (dot != std::string_view::npos && dot > 0 && dot + 1 < name.size()) {
        return std::string(path);
    }
    std::string withExtension(path);
    if (!withExtension.empty() && withExtension.back() == '.') {
        withExtension.pop_back();
    }
    return withExtension + std::string(kSavedGameExtension);
}

bool TMahJong_interface::WriteGameFile(LayoutFileKind kind, const std::string& fileName) {
    elapsedSeconds = clock.ElapsedSeconds();
    return WriteLayoutFile(*this, kind, fileName);
}

bool TMahJong_interface::SaveGame() {
    if (!MoveCommands().save) {
        return false;
    }
    FileDialogRequest request = GameFileDialog(*this, kSaveGameTitle);
    request.fileName = saveFileName.empty() ? gameName : saveFileName;
    for (;;) {
        const std::optional<std::string> typed = host.ChooseFileToSave(request);
        if (!typed || typed->empty()) {
            return false;
        }
        const std::string chosen = WithSavedGameExtension(*typed);
        RememberFolder(*this, chosen);
        std::error_code error;
        if (std::filesystem::exists(chosen, error)) {
            const MessageAnswer answer = host.ShowMessage(
                MessageKind::Warning, ReplaceFileQuestion(chosen), MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::No) {
                request.folder = FolderOf(chosen);
                request.fileName = chosen;
                continue;
            }
            if (answer != MessageAnswer::Yes) {
                return false;
            }
        }
        saveFileName = chosen;
        return WriteGameFile(LayoutFileKind::SavedGame, chosen);
    }
}

bool TMahJong_interface::OpenSavedGame(const std::string& player) {
    const FileDialogRequest request = GameFileDialog(*this, kOpenGameTitle);
    const std::optional<std::string> chosen = host.ChooseFileToOpen(request);
    if (!chosen || chosen->empty()) {
        return false;
    }
    RememberFolder(*this, *chosen);
    return StartGame(ReadMode::OpenSaved, -1, *chosen, player);
}

std::string TMahJong_interface::HeldGameFile() const {
    return dataFolder + std::string(kHeldGameFileName);
}

bool TMahJong_interface::HoldGame() {
    if (!play.playing) {
        return false;
    }
    if (!WriteGameFile(LayoutFileKind::HeldGame, HeldGameFile())) {
        return false;
    }
    // No longer in progress: ending it books nothing.
    play.playing = false;
    host.RefreshMenus();
    return true;
}

bool TMahJong_interface::ResumeHeldGame(const std::string& player) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(HeldGameFile(), error)) {
        return false;
    }
    return StartGame(ReadMode::ResumeHeld, -1, HeldGameFile(), player);
}

CloseDecision TMahJong_interface::CloseRequest() {
    if (play.winningAnimation) {
        closePending = true;
        return CloseDecision::WaitForAnimation;
    }
    // The stored texts: only a clear "N" (or none stored) counts as no.
    const auto flagText = [this](const FlagSetting& flag) {
        return settings != nullptr ? ReadText(*settings, flag)
                                   : std::string(flag.fallback ? "Y" : "N");
    };
    const auto refuse = [this] {
        closePending = false;
        holdRequested = false;
        return CloseDecision::Refuse;
    };
    if (flagText(setting::kConfirmQuit) != "N" &&
        host.ShowMessage(MessageKind::Confirmation, std::string(kExitQuestion),
                         MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return refuse();
    }

    if (MoveCommands().holdAndExit) {
        const std::string askToHold = flagText(setting::kConfirmSaveAndExit);
        const int exitType = settings != nullptr ? Read(*settings, setting::kConfirmSaveAndExitType)
                                                 : setting::kConfirmSaveAndExitType.fallback;
        bool showWindow = holdRequested || askToHold == "Y";
        // A silent hold that fails (it has been reported) leaves the choice
        // to the player rather than losing the game unasked.
        if (!showWindow && askToHold == "N" && exitType == 1 && !HoldGame()) {
            showWindow = true;
        }
        if (showWindow) {
            switch (host.ShowHoldAndExit()) {
                case HoldAndExitChoice::HoldAndExit:
                    // The failed write has been reported; the player decides
                    // between losing the game and staying with it.
                    if (!HoldGame() &&
                        host.ShowMessage(MessageKind::Confirmation,
                                         std::string(kHoldFailedQuestion),
                                         MessageButtons::YesNo) != MessageAnswer::Yes) {
                        return refuse();
                    }
                    break;
                case HoldAndExitChoice::ExitWithLoss:
                    break;
                case HoldAndExitChoice::Cancel:
                    return refuse();
            }
        }
    }
    holdRequested = false;
    // A game that was not held is over: it is booked as a loss.
    if (play.playing) {
        EndGame();
    }
    return CloseDecision::Close;
}

}  // namespace jw
