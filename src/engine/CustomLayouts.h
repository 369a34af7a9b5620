// The registry of the player's own layouts, kept in the folder "cl" of the
// data folder:
//
//   cl.dat          one line per layout in the order of registration: the
//                   name padded to 50 columns, then the GameId in 5 digits
//   cl2.dat         one line: the last GameId handed out
//   cl_NNNNN.dat    the layout file of the layout with id NNNNN
//
// Every operation reads the files afresh and writes them back at once.
// Names are compared without regard to letter case, trailing blanks ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"

namespace jw {

inline constexpr int kLayoutNameWidth = 50;
inline constexpr GameId kLastCustomGameId = 99999;

// Whether a layout name may be used as one: none of \ / : * ? " < > |.
bool IsValidLayoutName(std::string_view name);
// The message that refuses a name with one of those characters.
std::string InvalidLayoutNameMessage(std::string_view name);

class CustomLayouts : public CustomLayoutIndex {
  public:
    // `dataFolder` ends in '/'.
    explicit CustomLayouts(std::string dataFolder);

    // The id of the layout of this name: the registered one, or a new one
    // (one more than the last handed out, at least 10000) that is recorded.
    // -1 when the registered id is unreadable, no id is left or the files
    // cannot be written.
    GameId RegisterLayout(std::string_view name) const;
    // The id registered for the name, or -1.
    GameId LayoutIdByName(std::string_view name) const override;
    // Whether a layout of this name is registered.
    bool LayoutExists(std::string_view name) const;
    // The name without trailing blanks; empty below 10000 or when unknown.
    std::string LayoutNameById(GameId id) const override;
    // The full path of the layout file of an id, whether or not it exists.
    std::string LayoutFileName(GameId id) const;
    // The lines of cl.dat without blank lines, sorted by text.
    std::vector<std::string> ListLayouts() const;
    // Gives the layout `oldName` the name `newName`, deleting first another
    // layout that carries the new name. False when `oldName` is unknown.
    bool RenameLayout(std::string_view oldName, std::string_view newName) const;
    // Removes the line of `name` with id `id` (10000 or above) and the
    // layout file. Returns whether a line was removed.
    bool DeleteLayout(std::string_view name, GameId id) const;

    // The folder "cl" with a trailing '/'.
    std::string Folder() const { return dataFolder + "cl/"; }

  private:
    std::vector<std::string> ReadIndex() const;
    bool WriteIndex(const std::vector<std::string>& lines) const;
    bool EnsureFolder() const;

    std::string dataFolder;
};

}  // namespace jw
