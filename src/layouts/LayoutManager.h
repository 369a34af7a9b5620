// What the layout manager does with the player's own layouts: the list,
// the layout-name checks of the name dialog, and deleting, renaming,
// duplicating, importing and exporting layouts, with every question and
// message through the host.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CustomLayouts.h"

namespace jw {

class Host;
class SettingsStore;

struct LayoutEntry {
    GameId id = -1;
    std::string name;
};

// The registered layouts (ids of 10000 and above), sorted by name.
std::vector<LayoutEntry> ManagedLayouts(const CustomLayouts& layouts);

// How the name dialog is used, and what its OK found.
enum class NameUse { Save, Rename, Duplicate };
enum class NameCheck { Empty, Refused, Unchanged, Declined, Accepted };

// The message that refuses a name with one of the forbidden characters.
std::string RefusedLayoutNameMessage(std::string_view text);
// The checks of the name dialog's OK, in order: an empty name, a forbidden
// character (with its message), the old name again (renaming or
// duplicating), an existing layout (with the replace question).
NameCheck CheckLayoutName(Host& host, const CustomLayouts& layouts, std::string_view text,
                          NameUse use, std::string_view oldName = {});

// The filter of the export dialog, and of the import dialog, which also
// takes the layouts of other programs.
std::string LayoutFileFilter();
std::string ImportFileFilter();

class LayoutManager {
  public:
    LayoutManager(Host& host, const CustomLayouts& layouts, SettingsStore& settings);

    // Asks, then deletes the layout. `release` is asked first when given: it
    // ends the game of this layout when it is the running one, and may refuse
    // (the quit question). `purge` then forgets the layout everywhere else
    // (favourites, statistics, hi-scores, recent games). Returns whether
    // the layout was deleted.
    bool Delete(const LayoutEntry& layout, const std::function<bool(GameId)>& release,
                const std::function<void(GameId)>& purge) const;

    struct Renamed {
        std::string name;
        bool replacedOther = false;  // another layout of that name was deleted
    };
    // Gives the layout a new name (the name dialog's checks passed).
    std::optional<Renamed> Rename(const LayoutEntry& layout, std::string_view newName) const;

    // Copies the layout under a new name; the new layout's id.
    std::optional<GameId> Duplicate(std::string_view oldName, std::string_view newName) const;

    // The open dialog, the file read as a layout (a layout of the other
    // programs' format converted; anything else that is no layout refused
    // with its reason), the replace question and the copy; the name of the
    // layout to select, or nothing when nothing was chosen or imported.
    std::optional<std::string> Import() const;
    // The save dialog, the replace question (No: the dialog again) and the
    // copy. Returns whether the file was written.
    bool Export(const LayoutEntry& layout) const;

  private:
    // Copies a layout file byte for byte; false (having said so) when the
    // source is missing or the copy cannot be written.
    bool CopyLayoutFile(const std::string& from, const std::string& to) const;
    bool WriteLayoutBytes(const std::string& bytes, const std::string& to) const;
    std::string StartFolder() const;

    Host& host;
    const CustomLayouts& layouts;
    SettingsStore& settings;
};

}  // namespace jw
