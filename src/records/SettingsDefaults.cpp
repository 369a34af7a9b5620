#include "records/SettingsDefaults.h"

#include "records/SettingsKeys.h"

namespace jw {

char DefaultTileSizeLetter(int screenWidth, bool fullScreen) {
    if (screenWidth > 1550) {
        return 'X';
    }
    if (screenWidth > 1200) {
        return 'T';
    }
    if (screenWidth > 1000) {
        return fullScreen ? 'C' : 'B';
    }
    if (screenWidth > 780) {
        return fullScreen ? 'P' : 'M';
    }
    return 'N';
}

std::string ReadTileSetSize(const SettingsStore& settings, const ScreenInfo& screen) {
    const bool fullScreen = settings.ReadFlag(kSectionPreference, kKeyFullScreen, kDefFullScreen);
    const char letter = DefaultTileSizeLetter(screen.width, fullScreen);
    return settings.ReadString(kSectionPreference, kKeyTileSetSize, std::string(1, letter));
}

std::string ReadScoreType(const SettingsStore& settings) {
    return settings.ReadString(kSectionPreference, kKeyScoreType, kDefScoreType);
}

int DefaultTileSetFor(std::string_view scoreType) {
    if (scoreType == kScoreTypeMahJong) {
        return kDefTileSetMahJong;
    }
    if (scoreType == kScoreTypeMatching) {
        return kDefTileSetMatching;
    }
    return kDefTileSetOther;
}

int ReadTileSet(const SettingsStore& settings) {
    return settings.ReadInteger(kSectionPreference, kKeyTileSet,
                                DefaultTileSetFor(ReadScoreType(settings)));
}

std::string ScoreTypeKey(std::string_view scoreType, std::string_view suffix) {
    return std::string(scoreType) + std::string(suffix);
}

int ReadScoreTypeTileSet(const SettingsStore& settings, std::string_view scoreType) {
    return settings.ReadInteger(kSectionPreference, ScoreTypeKey(scoreType, kKeySuffixTileSet),
                                DefaultTileSetFor(scoreType));
}

int ReadBackgroundColour(const SettingsStore& settings) {
    const int colour =
        settings.ReadInteger(kSectionPreference, kKeyBackgroundCol, kDefBackgroundCol);
    return colour == 0 ? kDefBackgroundCol : colour;
}

int ReadMainWindowWidth(const SettingsStore& settings, const ScreenInfo& screen) {
    return settings.ReadInteger(kSectionPreference, kKeyMainWindowWidth,
                                screen.width - kMainWindowMargin);
}

int ReadMainWindowHeight(const SettingsStore& settings, const ScreenInfo& screen) {
    return settings.ReadInteger(kSectionPreference, kKeyMainWindowHeight,
                                screen.height - kMainWindowMargin);
}

int ReadStoredScreenWidth(const SettingsStore& settings, const ScreenInfo& screen) {
    return settings.ReadInteger(kSectionPreference, kKeyScreenWidth, screen.width);
}

int ReadStoredScreenHeight(const SettingsStore& settings, const ScreenInfo& screen) {
    return settings.ReadInteger(kSectionPreference, kKeyScreenHeight, screen.height);
}

std::string NumberedKey(std::string_view prefix, int number, int digits) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return std::string(prefix) + text;
}

std::string PlayerSlotKey(int slot) {
    return NumberedKey(kKeyPrefixUser, slot, 3);
}

bool EnsureDefaultPlayers(SettingsStore& settings) {
    if (!settings.ReadString(kSectionPreference, kKeyUserDefault, kDefUserDefault).empty()) {
        return false;
    }
    settings.WriteString(kSectionPreference, kKeyUserDefault, kDefaultPlayer1);
    settings.WriteString(kSectionUsers, PlayerSlotKey(1), kDefaultPlayer1);
    settings.WriteString(kSectionUsers, PlayerSlotKey(2), kDefaultPlayer2);
    settings.WriteString(kSectionUsers, PlayerSlotKey(3), kDefaultPlayer3);
    return true;
}

}  // namespace jw
