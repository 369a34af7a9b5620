// The settings the board presentation reads and writes, in one place.
//
// They mirror the names in records/SettingsKeys.h, which cannot be included
// beside engine/ScoreType.h while both spell the family codes.
#pragma once

#include <string_view>

namespace jw::setting {

inline constexpr std::string_view kPreference = "Preference";
inline constexpr std::string_view kTileSet = "Tile_Set";
inline constexpr std::string_view kTileSetSize = "Tile_Set_Size";
inline constexpr std::string_view kAutomaticTileSize = "Automatic_Tile_Size";
inline constexpr std::string_view kAdditionalTileSet = "Additional_Tile_Set";
inline constexpr std::string_view kCustomizedTileSet = "Customized_Tile_Set";
inline constexpr std::string_view kShowPartialHiddenTile = "Show_Partial_Hidden_Tile";
inline constexpr std::string_view kFadeBackground = "Fade_Background";

}  // namespace jw::setting
