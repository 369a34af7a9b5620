#include "records/C_App_Config.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/SaveFile.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace jw {

namespace fs = std::filesystem;

namespace {

// A pointer file holds one short line; anything larger is not one.
constexpr std::uintmax_t kMaxPointerBytes = 64 * 1024;

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// An environment variable holding an absolute path, or the empty text.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    return value;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void CreateFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);  // failures show up at the first file written there
}

void CreateParentFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
}

}  // namespace

std::string SaveErrorMessage(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    return "Error saving the file: " + path + "\r" + "The folder " + folder +
           " cannot be written. Change its permissions so that you may write there (or choose "
           "another data folder) and try again.";
}

TApplication_Config::TApplication_Config(Host& host, std::string executableFolder,
                                         std::vector<std::string> installFolders)
    : host(host),
      executableFolder(WithSlash(std::move(executableFolder))),
      installFolders(std::move(installFolders)) {}

std::string TApplication_Config::DefaultDataFolder() const {
    std::string base = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (base.empty()) {
        const std::string home = AbsoluteFromEnvironment("HOME");
        if (!home.empty()) {
            base = WithSlash(home) + ".local/share";
        }
    }
    if (base.empty()) {
        return executableFolder + "Data/";
    }
    return WithSlash(base) + productFolderName;
}

std::string TApplication_Config::FolderPointerFile() const {
    return DefaultDataFolder() + kFolderPointerName;
}

void TApplication_Config::SeedFolderPointer() {
    const std::string pointer = FolderPointerFile();
    if (Exists(pointer)) {
        return;
    }
    std::vector<std::string> folders{executableFolder};
    for (const std::string& folder : installFolders) {
        folders.push_back(WithSlash(folder));
    }
    for (const char* name : {kInstallPointerName, kFolderPointerName}) {
        for (const std::string& folder : folders) {
            const std::string seed = folder + name;
            if (!IsRegularFile(seed)) {
                continue;
            }
            const auto lines = ReadLines(seed, kMaxPointerBytes);
            if (!lines) {
                continue;
            }
            CreateParentFolder(pointer);
            WriteLinesAtomically(pointer, *lines);
            return;
        }
    }
}

std::string TApplication_Config::ResolveDataFolder() {
    const std::string pointer = FolderPointerFile();
    std::string folder;
    if (!IsRegularFile(pointer)) {
        CreateParentFolder(pointer);
        if (!WriteLinesAtomically(pointer, {kDefaultDataFolderMark})) {
            ReportSaveError(pointer);
        }
    } else if (const auto lines = ReadLines(pointer, kMaxPointerBytes); lines && !lines->empty()) {
        folder = WithSlash(std::string(Trim(lines->front())));
    }

    // Only the first characters are compared, so the mark followed by more
    // text still means the default folder. A relative path has no meaning
    // here (it would depend on the working folder) and is not trusted.
    const std::string_view mark = kDefaultDataFolderMark;
    if (folder.empty() || folder.compare(0, mark.size(), mark) == 0 || folder.front() != '/') {
        folder = DefaultDataFolder();
    }
    CreateFolder(folder);
    return folder;
}

bool TApplication_Config::SetDataFolder(const std::string& path) {
    const std::string pointer = FolderPointerFile();
    std::string line(Trim(path));
    if (line.empty()) {
        line = kDefaultDataFolderMark;
    }
    // A folder name with a line break cannot be kept in a one-line file.
    const bool storable = line.find_first_of("\r\n") == std::string::npos;
    CreateParentFolder(pointer);
    if (!storable || !WriteLinesAtomically(pointer, {line})) {
        ReportSaveError(pointer);
        return false;
    }
    return true;
}

void TApplication_Config::MigrateOldSettings() {
    if (dataFolder.empty()) {
        return;
    }
    const std::string oldPath = dataFolder + kOldSettingsFileName;
    if (!IsRegularFile(oldPath)) {
        return;
    }
    const auto lines = ReadLines(oldPath, kMaxSettingsBytes);
    if (!lines) {
        return;  // an unreadable old file is left alone rather than lost
    }
    bool copied = true;
    for (const char* name : {kSettingsFileName, kSettingsBackupName}) {
        const std::string target = dataFolder + name;
        if (!Exists(target)) {
            copied = WriteLinesAtomically(target, *lines) && copied;
        }
    }
    // The old file goes only once its contents are safe in the new place.
    if (copied) {
        std::error_code error;
        fs::remove(oldPath, error);
    }
}

void TApplication_Config::Initialise() {
    // The old settings file is looked for in the folder the pointer file
    // names, so that folder is resolved first.
    settingsFileName = kSettingsFileName;
    dataFolder = ResolveDataFolder();
    MigrateOldSettings();
    if (!Exists(SettingsPath())) {
        CreateFolder(dataFolder);
    }
}

void TApplication_Config::ReportSaveError(const std::string& path) {
    host.ShowMessage(MessageKind::Information, SaveErrorMessage(path), MessageButtons::Ok);
}

}  // namespace jw
