// Saved games, the game held at exit and the close request: the file names,
// the dialogs' texts and what the main window must do with a close request.
#pragma once

#include <string>
#include <string_view>

namespace jw {

inline constexpr std::string_view kHeldGameFileName = "Stat_e01.dat";
inline constexpr std::string_view kSavedGameExtension = ".mjg";
inline constexpr std::string_view kProductNameWithYear = "Jadewind 2007";
inline constexpr std::string_view kSaveGameTitle = "Save game";
inline constexpr std::string_view kOpenGameTitle = "Open game";
inline constexpr std::string_view kExitQuestion = "Exit Jadewind 2007?";
// Asked when the game could not be held on closing.
inline constexpr std::string_view kHoldFailedQuestion =
    "The game could not be held, so it cannot be resumed later.\r\r"
    "Exit anyway? The game will count as lost.";

// The filter of the save and open dialogs:
// "Jadewind 2007 Games (*.mjg)|*.mjg".
std::string SavedGameFilter();

// "The file: " + name + " already exists. Do you want to replace the
// existing file?"
std::string ReplaceFileQuestion(std::string_view fileName);

// The folder of a chosen file, ending in '/', as "Dir_Save" keeps it; empty
// for a bare file name.
std::string FolderOf(std::string_view path);

// The chosen file name with the saved-game extension added when its last
// part has no extension of its own ("Standard" -> "Standard.mjg").
std::string WithSavedGameExtension(std::string_view path);

// What the main window does with a close request.
enum class CloseDecision {
    Close,             // close the program
    Refuse,            // stay open
    WaitForAnimation,  // stop the winning animation; the engine closes the
                       // window when it has wound down
};

}  // namespace jw
