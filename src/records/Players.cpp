#include "records/Players.h"

#include <algorithm>
#include <utility>

#include "platform/Host.h"
#include "platform/Settings.h"
#include "platform/Text.h"

namespace jw {

namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|;=+";

bool SameName(std::string_view a, std::string_view b) {
    return TrimRight(a) == TrimRight(b);
}

}  // namespace

bool IsValidPlayerName(std::string_view name) {
    return name.find_first_of(kForbidden) == std::string_view::npos;
}

void SortPlayerNames(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = ToLowerAscii(a);
        const std::string lb = ToLowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
}

std::vector<std::string> LoadPlayerNames(const SettingsStore& settings) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= kMaxPlayers; ++slot) {
        std::string name(TrimRight(ReadEntry(settings, setting::kPlayers, slot)));
        if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) {
            continue;
        }
        names.push_back(std::move(name));
    }
    SortPlayerNames(names);
    return names;
}

void StorePlayers(SettingsStore& settings, const std::string& current,
                  const std::vector<std::string>& names, bool listChanged) {
    if (listChanged) {
        std::vector<std::string> sorted = names;
        SortPlayerNames(sorted);
        for (int slot = 1; slot <= kMaxPlayers; ++slot) {
            const auto index = static_cast<std::size_t>(slot - 1);
            WriteEntry(settings, setting::kPlayers, slot,
                       index < sorted.size() ? sorted[index] : std::string());
        }
    }
    Write(settings, setting::kUserDefault, current);
}

PlayersSession::PlayersSession(SettingsStore& settings, Host& host, PlayersHooks hooks)
    : settings(settings), host(host), hooks(std::move(hooks)) {}

void PlayersSession::Open(const std::string& currentPlayer) {
    names = LoadPlayerNames(settings);
    playerAtOpening = std::string(TrimRight(currentPlayer));
    changed = false;
    selected = IndexOf(playerAtOpening);
}

void PlayersSession::SetSelected(int index) {
    selected = index >= 0 && index < static_cast<int>(names.size()) ? index : -1;
}

int PlayersSession::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameName(names[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool PlayersSession::CanDelete() const {
    return selected >= 0 && !SameName(names[static_cast<std::size_t>(selected)], playerAtOpening);
}

std::optional<std::string> PlayersSession::AskName(PlayerEditorMode mode,
                                                   const std::string& initial, int editedIndex) {
    if (!hooks.editName) {
        return std::nullopt;
    }
    std::string shown = initial;
    for (;;) {
        std::optional<std::string> entry = hooks.editName(mode, shown);
        if (!entry) {
            return std::nullopt;
        }
        // The name field takes at most 30 characters.
        if (entry->size() > kMaxPlayerNameLength) {
            entry->resize(kMaxPlayerNameLength);
        }
        shown = *entry;
        if (TrimRight(*entry).empty()) {
            host.Inform(std::string(kEnterOneCharacter));
            continue;
        }
        if (!IsValidPlayerName(*entry)) {
            host.Inform(std::string(kForbiddenPlayerCharacters));
            continue;
        }
        if (editedIndex >= 0 && *entry == initial) {
            return entry;
        }
        const int existing = IndexOf(*entry);
        // The edited name itself does not count as a duplicate, so trailing
        // blanks added to it are simply dropped.
        if (existing >= 0 && existing != editedIndex) {
            host.Inform(std::string(kPlayerExists));
            continue;
        }
        return std::string(TrimRight(*entry));
    }
}

bool PlayersSession::Add() {
    if (static_cast<int>(names.size()) >= kMaxPlayers) {
        // The settings hold twenty slots; a twenty-first name would be lost
        // when the list is written back.
        host.Inform(std::string(kPlayerListFull));
        return false;
    }
    const std::optional<std::string> name = AskName(PlayerEditorMode::Add, std::string(), -1);
    if (!name) {
        return false;
    }
    changed = true;
    if (std::find(names.begin(), names.end(), *name) == names.end()) {
        names.push_back(*name);
        SortPlayerNames(names);
    }
    selected = IndexOf(*name);
    return true;
}

bool PlayersSession::Edit() {
    return selected >= 0 && EditAt(selected);
}

bool PlayersSession::EditAt(int index) {
    const std::string oldName = names[static_cast<std::size_t>(index)];
    const std::optional<std::string> entry = AskName(PlayerEditorMode::Edit, oldName, index);
    if (!entry) {
        return false;
    }
    const std::string newName(TrimRight(*entry));
    if (newName == TrimRight(oldName)) {
        names[static_cast<std::size_t>(index)] = newName;
        selected = index;
        return true;
    }
    changed = true;
    names[static_cast<std::size_t>(index)] = newName;
    SortPlayerNames(names);
    selected = IndexOf(newName);
    if (SameName(oldName, playerAtOpening)) {
        playerAtOpening = newName;
    }
    if (hooks.showRenameProgress) {
        hooks.showRenameProgress(true);
    }
    if (hooks.renameRecords) {
        const std::function<void(int)> progress = [this](int lines) {
            if (hooks.renameProgress) {
                hooks.renameProgress(lines);
            }
        };
        hooks.renameRecords(std::string(TrimRight(oldName)), newName, progress);
    }
    if (hooks.showRenameProgress) {
        hooks.showRenameProgress(false);
    }
    host.Inform(std::string(kPlayerRenamed));
    return true;
}

bool PlayersSession::Delete() {
    if (selected < 0) {
        return false;
    }
    const std::string name = names[static_cast<std::size_t>(selected)];
    if (SameName(name, playerAtOpening)) {
        host.Inform(std::string(kCannotDeletePlayer));
        return false;
    }
    if (host.ShowMessage(MessageKind::Warning, std::string(kConfirmDeletePlayer),
                         MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return false;
    }
    changed = true;
    if (hooks.clearPlayerStatistics) {
        hooks.clearPlayerStatistics(std::string(TrimRight(name)));
    }
    names.erase(names.begin() + selected);
    selected = names.empty() ? -1 : 0;
    return true;
}

bool PlayersSession::RepairInvalidName() {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!IsValidPlayerName(names[i])) {
            host.Inform(std::string(kForbiddenPlayerCharacters) + std::string(kPleaseRenamePlayer) +
                        names[i]);
            selected = static_cast<int>(i);
            EditAt(selected);
            return true;
        }
    }
    return false;
}

void PlayersSession::Save(const std::string& current) {
    host.SetBusy(true);
    if (hooks.setCurrentPlayer) {
        hooks.setCurrentPlayer(current);
    }
    StorePlayers(settings, current, names, changed);
    host.RefreshStatusBar();
    // The busy pointer stays a moment so that the save is noticed; the
    // host outlives this window.
    Host& shownOn = host;
    host.After(100, [&shownOn] { shownOn.SetBusy(false); });
}

bool PlayersSession::Select() {
    if (selected < 0) {
        host.Inform(std::string(kSelectAPlayer));
        return false;
    }
    if (RepairInvalidName()) {
        return false;
    }
    const std::string name = names[static_cast<std::size_t>(selected)];
    const bool playerChanged = !SameName(name, playerAtOpening);
    if (playerChanged) {
        const std::string question = "Start a new game for player " + name + "?";
        if (hooks.confirmQuitGame && !hooks.confirmQuitGame(question)) {
            return false;
        }
        // The running game is lost by the player it was started for, under
        // the name that player has now.
        if (hooks.setCurrentPlayer) {
            hooks.setCurrentPlayer(playerAtOpening);
        }
        if (hooks.endRunningGame) {
            hooks.endRunningGame();
        }
    }
    Save(name);
    if (playerChanged && hooks.playerChanged) {
        hooks.playerChanged();
    }
    return true;
}

bool PlayersSession::Close() {
    if (RepairInvalidName()) {
        return false;
    }
    Save(playerAtOpening);
    return true;
}

}  // namespace jw
