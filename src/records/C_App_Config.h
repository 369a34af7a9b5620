// TApplication_Config: where the program keeps its per-user data.
//
// All per-user files (settings, statistics, hi-scores, custom layouts, held
// games) live in one data folder. By default it is the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) + "Jadewind/". The choice is
// remembered in the pointer file "fold.dat" in that default folder: one
// line holding either an absolute folder or "[Default Data Folder]". An
// administrator can put a "fold.dat" (or "ivy_fold.dat") beside the
// executable to give every new user a shared folder.
//
// One object lives for the whole run. Paths use '/' and folders end in '/'.
#pragma once

#include <string>
#include <vector>

#include "platform/Host.h"
#include "records/SettingsFile.h"

namespace jw {

inline constexpr const char* kProductFolderName = "Jadewind/";
inline constexpr const char* kSettingsFileName = "cnfg.dat";
inline constexpr const char* kFolderPointerName = "fold.dat";
inline constexpr const char* kInstallPointerName = "ivy_fold.dat";
inline constexpr const char* kOldSettingsFileName = "cfg.dat";
inline constexpr const char* kSettingsBackupName = "copycnfg.dat";
inline constexpr const char* kDefaultDataFolderMark = "[Default Data Folder]";

class TApplication_Config {
  public:
    // `executableFolder` is the folder of the running program; `installFolders`
    // are searched after it for a pointer file to seed from (for example
    // "<prefix>/share/jadewind/").
    TApplication_Config(Host& host, std::string executableFolder,
                        std::vector<std::string> installFolders = {});

    // First step of start-up: when "ivy_fold.dat", or else "fold.dat", lies
    // beside the executable and the user has no pointer file yet, copies it
    // to the pointer file's place. An existing pointer file is never touched.
    void SeedFolderPointer();

    // Chooses the data folder from the pointer file, converts an old
    // "cfg.dat" there and makes sure the folder exists.
    void Initialise();

    // The per-user default data folder, e.g. "/home/ann/.local/share/Jadewind/";
    // without $XDG_DATA_HOME and $HOME, the executable's folder + "Data/".
    std::string DefaultDataFolder() const;

    // The pointer file: DefaultDataFolder() + "fold.dat".
    std::string FolderPointerFile() const;

    // The data folder the pointer file names, creating the pointer file with
    // "[Default Data Folder]" when it is missing (an unwritable pointer file is
    // reported and start-up goes on) and creating the folder.
    std::string ResolveDataFolder();

    // Stores `path` (blanks trimmed; empty means the default folder) in the
    // pointer file for the next start. Reports a failure and returns false.
    bool SetDataFolder(const std::string& path);

    // In the data folder: an old "cfg.dat" becomes "cnfg.dat" (unless that
    // exists) and "copycnfg.dat" (unless that exists), and is then deleted.
    void MigrateOldSettings();

    // The data folder chosen by Initialise, ending in '/'.
    const std::string& DataFolder() const { return dataFolder; }
    // The settings file name, "cnfg.dat".
    const std::string& SettingsFileName() const { return settingsFileName; }
    // DataFolder() + "cnfg.dat".
    std::string SettingsPath() const { return dataFolder + settingsFileName; }
    // The settings file of the data folder.
    SettingsFile Settings() const { return SettingsFile(SettingsPath()); }

  private:
    void ReportSaveError(const std::string& path);

    Host& host;
    std::string executableFolder;
    std::vector<std::string> installFolders;
    std::string productFolderName = kProductFolderName;
    std::string settingsFileName = kSettingsFileName;
    std::string dataFolder;
};

// The message shown when a file cannot be saved.
std::string SaveErrorMessage(const std::string& path);

}  // namespace jw
