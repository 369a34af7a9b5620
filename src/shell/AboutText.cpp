#include "shell/AboutText.h"

#include <filesystem>

#include "platform/IniDocument.h"
#include "shell/CommandTable.h"

namespace jw {

std::string AboutVersionLine() {
    std::string line = kProgramName;
    line.append(" - Version ").append(kProgramVersion).append(" - ").append(kProgramDate);
    return line;
}

std::vector<std::string> GraphicsPackLines(const std::string& programFolder) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    std::vector<std::string> volumes;
    for (const char* number : {"01", "02"}) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(folder + "gp/t" + number + ".dat", error)) {
            continue;
        }
        std::string line = std::string("Volume ") + (number[1]);
        const auto version =
            IniDocument::Load(folder + "gp/GPD" + number + ".dat", kMaxIniFileBytes);
        if (version) {
            const auto vers = version->Value("Version", "Vers");
            if (vers && !vers->empty()) {
                line.append(" (version ").append(*vers).append(")");
            }
        }
        volumes.push_back(line);
    }
    if (volumes.empty()) {
        return {"Graphics Pack not installed."};
    }
    volumes.insert(volumes.begin(), "Graphics Pack installed:");
    return volumes;
}

}  // namespace jw
