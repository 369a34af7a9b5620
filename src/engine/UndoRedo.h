// Undo and redo of moves and shuffles, the restart of a game and its one
// bookmark: the texts the player sees and the state of the move commands,
// which the main window reads to enable its menus and buttons.
#pragma once

#include <string_view>

namespace jw {

inline constexpr std::string_view kBookmarkFileName = "Stat_b01.dat";

inline constexpr std::string_view kInsertBookmarkQuestion = "Insert bookmark?";
inline constexpr std::string_view kGoToBookmarkQuestion = "Go to bookmark?";
// Followed by the game number.
inline constexpr std::string_view kRestartQuestion = "Restart this game?\rGame number: ";

// What goes wrong with a record that undo or redo cannot use.
inline constexpr std::string_view kUndoPieceError = "Undo read error 1.";
inline constexpr std::string_view kUndoScoreError = "Undo read error 2.";
inline constexpr std::string_view kUndoShuffleScoreError = "Undo read error 3.";
inline constexpr std::string_view kUndoKindError = "Error RsUn - EP3";
inline constexpr std::string_view kRedoPieceError = "Redo read error 1.";
inline constexpr std::string_view kRedoScoreError = "Redo read error 2.";
inline constexpr std::string_view kRedoShuffleScoreError = "Redo read error 3.";
inline constexpr std::string_view kRedoTileMissing = "Redo Error NR01";
inline constexpr std::string_view kRedoKindError = "Error Rd - EP3";

// The setting "Undo_Enabled".
enum class UndoLimit {
    Unlimited = 0,   // undo and redo as often as there are records
    OnePerMove = 1,  // one undo and one redo between two moves
    Disabled = 2,    // neither
};

// Which of the commands that act on the game in progress may be used now.
struct MoveCommandStates {
    bool undo = false;            // "&Undo" and its button
    bool redo = false;            // "&Redo" and its button
    bool suggestMove = false;     // "Suggest a &move"
    bool insertBookmark = false;  // "Insert &bookmark"
    bool goToBookmark = false;    // "Go &to bookmark"
    bool save = false;            // "&Save..."
    bool holdAndExit = false;     // "&Hold and exit..."
    friend bool operator==(const MoveCommandStates&, const MoveCommandStates&) = default;
};

}  // namespace jw
