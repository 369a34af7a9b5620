// The players: the list of names kept in the settings file ("Users",
// "User001" .. "User020"), the current player ("UserDefault") and the rules
// of the players window, which works on its own copy of the list and writes
// it back when it closes.
//
// The window itself only shows a PlayersSession: it forwards its clicks and
// keys here and asks the session which buttons are enabled.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

class Host;
class SettingsStore;

inline constexpr int kMaxPlayers = 20;
inline constexpr std::size_t kMaxPlayerNameLength = 30;

inline constexpr std::string_view kEnterOneCharacter = "Please enter at least 1 character.";
inline constexpr std::string_view kForbiddenPlayerCharacters =
    "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |";
inline constexpr std::string_view kPlayerExists = "This player name already exists.";
inline constexpr std::string_view kPlayerRenamed = "Player renamed.";
inline constexpr std::string_view kCannotDeletePlayer =
    "It is impossible to delete the selected player.";
inline constexpr std::string_view kConfirmDeletePlayer =
    "Are you sure you want to delete the selected player?\r"
    "Note: the statistics for this player will also be deleted.";
inline constexpr std::string_view kSelectAPlayer = "Select a player.";
inline constexpr std::string_view kPleaseRenamePlayer = "\rPlease rename the Player name:  ";
inline constexpr std::string_view kPlayerListFull =
    "The list already holds 20 players. Delete a player before adding another one.";

// False when the name holds one of \ / : * ? " < > | ; = + (the name becomes
// part of file names and of keys and sections of the data files).
bool IsValidPlayerName(std::string_view name);

// The names of slots 1 to 20, empty slots and repeated names left out,
// sorted alphabetically without regard to letter case.
std::vector<std::string> LoadPlayerNames(const SettingsStore& settings);

// Sorts names as the lists show them.
void SortPlayerNames(std::vector<std::string>& names);

// Stores the list: writes slots 1 to 20 from `names` in sorted order (empty
// beyond the list) when `listChanged`, and always makes `current` the
// current player.
void StorePlayers(SettingsStore& settings, const std::string& current,
                  const std::vector<std::string>& names, bool listChanged);

enum class PlayerEditorMode { Add, Edit };

// What the players window needs from the rest of the program. Every member
// may be left empty.
struct PlayersHooks {
    // The name editor, opened with `initial`; nothing when it was cancelled.
    std::function<std::optional<std::string>(PlayerEditorMode mode, const std::string& initial)>
        editName;
    // Carries a rename into the data files, reporting the lines copied so far.
    std::function<void(const std::string& oldName, const std::string& newName,
                       const std::function<void(int lines)>& progress)>
        renameRecords;
    // Shows ("Working:" and the count) or hides the rename progress.
    std::function<void(bool visible)> showRenameProgress;
    std::function<void(int lines)> renameProgress;
    // Clears the statistics of a deleted player for all games.
    std::function<void(const std::string& name)> clearPlayerStatistics;
    // The quit-game question of the running game; false when the player
    // wants to go on with it.
    std::function<bool(const std::string& question)> confirmQuitGame;
    // Ends the running game under the player it was started for and resets
    // the counters of games won and lost since start.
    std::function<void()> endRunningGame;
    // Makes the name the current player of the game.
    std::function<void(const std::string& name)> setCurrentPlayer;
    // After another player was chosen: refresh the board and offer a game.
    std::function<void()> playerChanged;
};

// The players window's working copy of the list and what its buttons do.
class PlayersSession {
  public:
    PlayersSession(SettingsStore& settings, Host& host, PlayersHooks hooks);

    // Fills the list from the settings and selects `currentPlayer`.
    void Open(const std::string& currentPlayer);

    const std::vector<std::string>& Names() const { return names; }
    // The index of the selected name, -1 for none.
    int Selected() const { return selected; }
    void SetSelected(int index);
    bool ListChanged() const { return changed; }
    const std::string& PlayerAtOpening() const { return playerAtOpening; }

    bool CanSelect() const { return selected >= 0; }
    bool CanEdit() const { return selected >= 0; }
    bool CanDelete() const;

    // "New" (and the Insert key).
    bool Add();
    // "Edit".
    bool Edit();
    // "Delete" (and the Delete key).
    bool Delete();
    // "Select" (and a double click). True when the window closes.
    bool Select();
    // Cancel or the close box. True when the window closes.
    bool Close();

  private:
    // Runs the editor until an entry is accepted or the editor is cancelled;
    // returns the accepted entry.
    std::optional<std::string> AskName(PlayerEditorMode mode, const std::string& initial,
                                       int editedIndex);
    bool EditAt(int index);
    // Reports and edits the first invalid name; false when there was none.
    bool RepairInvalidName();
    void Save(const std::string& current);
    int IndexOf(const std::string& name) const;

    SettingsStore& settings;
    Host& host;
    PlayersHooks hooks;
    std::vector<std::string> names;
    int selected = -1;
    bool changed = false;
    std::string playerAtOpening;
};

}  // namespace jw
