#include "platform/SettingsDefaults.h"

namespace jw {

using namespace setting;

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

bool AutomaticTileSize(const SettingsStore* settings) {
    return settings == nullptr || Read(*settings, kAutomaticTileSize);
}

std::string ReadTileSetSize(const SettingsStore& settings, const ScreenInfo& screen) {
    const char letter = DefaultTileSizeLetter(screen.width, Read(settings, kFullScreen));
    return ReadText(settings, kTileSetSize, std::string(1, letter));
}

std::string ReadScoreType(const SettingsStore& settings) {
    return Read(settings, kScoreType);
}

int DefaultTileSetFor(std::string_view scoreType) {
    if (scoreType == kScoreTypeMahJong) {
        return kDefaultTileSetMahJong;
    }
    if (scoreType == kScoreTypeMatching) {
        return kDefaultTileSetMatching;
    }
    return kDefaultTileSetOther;
}

int ReadTileSet(const SettingsStore& settings) {
    return ReadInt(settings, kTileSet, DefaultTileSetFor(ReadScoreType(settings)));
}

std::string ScoreTypeKey(std::string_view scoreType, std::string_view suffix) {
    return std::string(scoreType) + std::string(suffix);
}

int ReadScoreTypeTileSet(const SettingsStore& settings, std::string_view scoreType) {
    return settings.ReadInteger(kPreference, ScoreTypeKey(scoreType, kSuffixTileSet),
                                DefaultTileSetFor(scoreType));
}

void SwitchToFamilyTileSet(SettingsStore& settings, std::string_view scoreType) {
    Write(settings, kTileSet, ReadScoreTypeTileSet(settings, scoreType));
    Write(settings, kCustomizedTileSet,
          settings.ReadString(kPreference, ScoreTypeKey(scoreType, kSuffixCustomizedTileSet),
                              kCustomizedTileSet.fallback));
    Write(settings, kAdditionalTileSet,
          settings.ReadString(kPreference, ScoreTypeKey(scoreType, kSuffixAdditionalTileSet),
                              kAdditionalTileSet.fallback));
}

int ReadBackgroundColour(const SettingsStore& settings) {
    const int colour = Read(settings, kBackgroundCol);
    return colour == 0 ? kBackgroundCol.fallback : colour;
}

int ReadMainWindowWidth(const SettingsStore& settings, const ScreenInfo& screen) {
    return ReadInt(settings, kMainWindowWidth, screen.width - kMainWindowMargin);
}

int ReadMainWindowHeight(const SettingsStore& settings, const ScreenInfo& screen) {
    return ReadInt(settings, kMainWindowHeight, screen.height - kMainWindowMargin);
}

int ReadStoredScreenWidth(const SettingsStore& settings, const ScreenInfo& screen) {
    return ReadInt(settings, kScreenWidth, screen.width);
}

int ReadStoredScreenHeight(const SettingsStore& settings, const ScreenInfo& screen) {
    return ReadInt(settings, kScreenHeight, screen.height);
}

std::string PlayerSlotKey(int slot) {
    return ListKey(kPlayers, slot);
}

bool EnsureDefaultPlayers(SettingsStore& settings) {
    if (!Read(settings, kUserDefault).empty()) {
        return false;
    }
    Write(settings, kUserDefault, kDefaultPlayer1);
    WriteEntry(settings, kPlayers, 1, kDefaultPlayer1);
    WriteEntry(settings, kPlayers, 2, kDefaultPlayer2);
    WriteEntry(settings, kPlayers, 3, kDefaultPlayer3);
    return true;
}

namespace {

std::string FormKey(std::string_view form, std::string_view suffix) {
    return std::string(form) + std::string(suffix);
}

}  // namespace

FormPlaceSetting ReadFormPlace(const SettingsStore& settings, std::string_view form) {
    FormPlaceSetting place;
    place.visible = settings.ReadFlag(kForms, FormKey(form, kSuffixVisible), kDefFormVisible);
    place.left = settings.ReadInteger(kForms, FormKey(form, kSuffixLeft), kDefFormLeft);
    place.top = settings.ReadInteger(kForms, FormKey(form, kSuffixTop), kDefFormTop);
    return place;
}

void WriteFormPlace(SettingsStore& settings, std::string_view form, const FormPlaceSetting& place) {
    settings.WriteInteger(kForms, FormKey(form, kSuffixLeft), place.left);
    settings.WriteInteger(kForms, FormKey(form, kSuffixTop), place.top);
    settings.WriteFlag(kForms, FormKey(form, kSuffixVisible), place.visible);
}

bool MessageWanted(const SettingsStore& settings, std::string_view section, std::string_view key) {
    return settings.ReadString(section, key, "") != "N";
}

void SilenceMessage(SettingsStore& settings, std::string_view section, std::string_view key) {
    settings.WriteFlag(section, key, false);
}

}  // namespace jw
