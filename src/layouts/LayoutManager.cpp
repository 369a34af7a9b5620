#include "layouts/LayoutManager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/FixedText.h"
#include "engine/LayoutFile.h"
#include "engine/SavedGames.h"
#include "layouts/ForeignLayout.h"
#include "platform/Host.h"
#include "platform/SaveFile.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"

namespace jw {

namespace {

constexpr std::string_view kLayoutExtension = ".mjl";
constexpr std::string_view kNameDialogForbidden = "\\/:*?\"<>|;=+";

std::string ReplaceLayoutQuestion(std::string_view name) {
    return "The layout: " + std::string(name) + " " +
           "already exists. Do you want to replace the existing layout?";
}

std::string FileNotFound(std::string_view what) {
    return "File not found: " + std::string(what);
}

}  // namespace

std::vector<LayoutEntry> ManagedLayouts(const CustomLayouts& layouts) {
    std::vector<LayoutEntry> entries;
    for (const std::string& line : layouts.ListLayouts()) {
        const auto id = ParseInteger(Columns(line, kLayoutNameWidth + 1, 5));
        if (id && *id >= kFirstCustomGameId)
            entries.push_back({static_cast<GameId>(*id),
                               std::string(TrimRight(Columns(line, 1, kLayoutNameWidth)))});
    }
    return entries;
}

std::string RefusedLayoutNameMessage(std::string_view text) {
    return "A Layout name cannot contain any of the following characters: \\ / : * ? \" < > |\r"
           "Please rename the Layout name:  " +
           std::string(text);
}

NameCheck CheckLayoutName(Host& host, const CustomLayouts& layouts, std::string_view text,
                          NameUse use, std::string_view oldName) {
    if (Trim(text).empty())
        return NameCheck::Empty;
    if (text.find_first_of(kNameDialogForbidden) != std::string_view::npos) {
        host.ShowMessage(MessageKind::Warning, RefusedLayoutNameMessage(text), MessageButtons::Ok);
        return NameCheck::Refused;
    }
    if (use != NameUse::Save && text == oldName)
        return NameCheck::Unchanged;
    if (layouts.LayoutExists(TrimRight(text))) {
        const MessageAnswer answer = host.ShowMessage(
            MessageKind::Confirmation, ReplaceLayoutQuestion(text), MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return NameCheck::Declined;
    }
    return NameCheck::Accepted;
}

std::string LayoutFileFilter() {
    const std::string extension(kLayoutExtension);
    return std::string(kProductNameWithYear) + " Layouts (*" + extension + ")|*" + extension;
}

std::string ImportFileFilter() {
    return LayoutFileFilter() + "|Other programs' layouts (*.layout)|*.layout";
}

LayoutManager::LayoutManager(Host& hostIn, const CustomLayouts& layoutsIn,
                             SettingsStore& settingsIn)
    : host(hostIn), layouts(layoutsIn), settings(settingsIn) {}

bool LayoutManager::Delete(const LayoutEntry& layout, const std::function<bool(GameId)>& release,
                           const std::function<void(GameId)>& purge) const {
    const MessageAnswer answer = host.ShowMessage(
        MessageKind::Confirmation,
        "Are you sure you want to delete the Layout: " + layout.name + "?", MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return false;
    if (release && !release(layout.id))
        return false;
    if (!layouts.DeleteLayout(layout.name, layout.id))
        return false;
    if (purge)
        purge(layout.id);
    return true;
}

std::optional<LayoutManager::Renamed> LayoutManager::Rename(const LayoutEntry& layout,
                                                            std::string_view newName) const {
    const std::string name(Trim(newName));
    const GameId other = layouts.LayoutIdByName(name);
    if (!layouts.RenameLayout(layout.name, name)) {
        host.ShowMessage(MessageKind::Error,
                         "Error in renaming the file: " + layout.name + "\r" + "to:" + " " + name,
                         MessageButtons::Ok);
        return std::nullopt;
    }
    return Renamed{name, other >= 0 && other != layout.id};
}

bool LayoutManager::CopyLayoutFile(const std::string& from, const std::string& to) const {
    const std::optional<std::string> bytes = ReadFileBytes(from, kMaxLayoutFileBytes);
    if (!bytes) {
        host.ShowMessage(MessageKind::Error, FileNotFound(from), MessageButtons::Ok);
        return false;
    }
    return WriteLayoutBytes(*bytes, to);
}

bool LayoutManager::WriteLayoutBytes(const std::string& bytes, const std::string& to) const {
    if (!WriteFileAtomically(to, bytes)) {
        host.ShowMessage(MessageKind::Error, "Write error on file " + to, MessageButtons::Ok);
        return false;
    }
    return true;
}

std::optional<GameId> LayoutManager::Duplicate(std::string_view oldName,
                                               std::string_view newName) const {
    const std::string name(Trim(newName));
    const GameId source = layouts.LayoutIdByName(Trim(oldName));
    if (source < 0) {
        host.ShowMessage(MessageKind::Error, FileNotFound(Trim(oldName)), MessageButtons::Ok);
        return std::nullopt;
    }
    const std::string from = layouts.LayoutFileName(source);
    std::error_code error;
    if (!std::filesystem::exists(from, error)) {
        host.ShowMessage(MessageKind::Error, FileNotFound(from), MessageButtons::Ok);
        return std::nullopt;
    }
    const GameId id = layouts.RegisterLayout(name);
    if (id < 0 || !CopyLayoutFile(from, layouts.LayoutFileName(id)))
        return std::nullopt;
    return id;
}

std::string LayoutManager::StartFolder() const {
    const std::string folder = ReadText(settings, setting::kDirSave, "");
    return folder.empty() ? host.DocumentsFolder() : folder;
}

std::optional<std::string> LayoutManager::Import() const {
    const std::optional<std::string> file =
        host.ChooseFileToOpen({"Import Layout", ImportFileFilter(), StartFolder(), ""});
    if (!file)
        return std::nullopt;
    Write(settings, setting::kDirSave, FolderOf(*file));
    const std::string name = std::filesystem::path(*file).stem().string();
    // The file is read as a layout before anything is registered.
    std::optional<std::string> bytes = ReadFileBytes(*file, kMaxLayoutFileBytes);
    std::string refusal;
    if (!bytes) {
        refusal = FileNotFound(*file);
    } else if (IsForeignLayout(*bytes)) {
        ForeignLayoutResult converted = ConvertForeignLayout(*bytes);
        refusal = converted.refusal;
        bytes = std::move(converted.fileText);
    } else if (!ParseLayoutFile(*bytes)) {
        refusal = "The file: " + std::filesystem::path(*file).filename().string() + " " +
                  "is not a layout file.";
    }
    if (!refusal.empty()) {
        host.ShowMessage(MessageKind::Warning,
                         "The layout " + name + " was not imported.\r" + refusal,
                         MessageButtons::Ok);
        return std::nullopt;
    }
    if (layouts.LayoutExists(name) &&
        host.ShowMessage(MessageKind::Confirmation, ReplaceLayoutQuestion(name),
                         MessageButtons::YesNo) != MessageAnswer::Yes)
        return name;
    if (!IsValidLayoutName(name)) {
        host.ShowMessage(MessageKind::Warning, InvalidLayoutNameMessage(name), MessageButtons::Ok);
        return std::nullopt;
    }
    const GameId id = layouts.RegisterLayout(name);
    if (id < 0 || !WriteLayoutBytes(*bytes, layouts.LayoutFileName(id)))
        return std::nullopt;
    return name;
}

bool LayoutManager::Export(const LayoutEntry& layout) const {
    FileDialogRequest request{"Export Layout", LayoutFileFilter(), StartFolder(), layout.name};
    for (;;) {
        const std::optional<std::string> chosen = host.ChooseFileToSave(request);
        if (!chosen)
            return false;
        std::string file = *chosen;
        if (std::filesystem::path(file).extension().empty())
            file += kLayoutExtension;
        Write(settings, setting::kDirSave, FolderOf(file));
        std::error_code error;
        if (std::filesystem::exists(file, error)) {
            const MessageAnswer answer = host.ShowMessage(
                MessageKind::Warning,
                ReplaceFileQuestion(std::filesystem::path(file).filename().string()),
                MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::No) {
                request.folder = FolderOf(file);
                continue;
            }
            if (answer != MessageAnswer::Yes)
                return false;
        }
        return CopyLayoutFile(layouts.LayoutFileName(layout.id), file);
    }
}

}  // namespace jw
