#include "layouts/GameChooser.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "engine/FixedText.h"
#include "platform/Settings.h"
#include "platform/Text.h"

namespace jw {

const char* const kChooserImageNames[20] = {
    "TREE1",        "TREE2",        "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
    "F_TREE2",      "S_TREE1",      "S_TREE2", "D_TREE1", "D_TREE2", "C_TREE1",
    "C_TREE2",      "T_TREE1",      "T_TREE2", "I_TREE1", "I_TREE2", "TREE5_CUSTOMIZED_GAMES",
    "TREE_MAHJONG", "TREE_MATCHING"};

std::string_view ChooserImageName(int image) {
    if (image == kImageMahJong || image == kImageMemoryUp) {
        return kChooserImageNames[18 + image - kImageMahJong];
    }
    if (image < 0 || image > 35) {
        return {};
    }
    return kChooserImageNames[image % 18];
}

int ImageOfType(int type) {
    return type == 1 ? kImageMahJong : type == 2 ? kImageMemoryUp : 3;
}

namespace {

int Field(std::string_view record, int from, int width) {
    const auto value = ParseInteger(Columns(record, from, width));
    return value ? static_cast<int>(*value) : 0;
}

ChooserNode GameNode(const CatalogEntry& game) {
    return {game.name, game.id, ImageOfType(game.type), {}};
}

ChooserNode Group(std::string text, int code, int image) {
    return {std::move(text), code, image, {ChooserNode{}}};
}

ChooserNode Heading(std::string text, int code, int image, std::vector<ChooserNode> children) {
    return {std::move(text), code, image, std::move(children)};
}

// The fixed children of "New games": version and GameIds, newest first.
struct VersionGames {
    const char* version;
    std::vector<GameId> ids;
};

const std::vector<VersionGames>& NewGameVersions() {
    static const std::vector<VersionGames> versions = {
        {"Vers. 4.3", {102, 103, 104, 105}},
        {"Vers. 4.2", {99, 100, 101}},
        {"Vers. 4.1", {97, 98}},
        {"Vers. 4.0", {88, 89, 90, 91, 92, 93, 94, 95, 96}},
        {"Vers. 3.5", {86, 87}},
        {"Vers. 3.4", {85, 84}},
        {"Vers. 3.3", {82, 83}},
        {"Vers. 3.2", {80, 81}},
        {"Vers. 3.1", {78, 79}},
        {"Vers. 3.0", {76, 77}},
        {"Vers. 2.14", {74, 75}},
        {"Vers. 2.13", {72, 73}},
        {"Vers. 2.12", {70, 71}},
        {"Vers. 2.11", {69, 68}},
        {"Vers. 2.10", {66, 67}},
        {"Vers. 2.9", {64, 65}},
        {"Vers. 2.8", {62, 63}},
        {"Vers. 2.7", {60, 61}},
        {"Vers. 2.6", {58, 59}},
        {"Vers. 2.5", {56, 57}},
        {"Vers. 2.4", {54, 53}},
        {"Vers. 2.3", {50, 51}},
        {"Vers. 2.2", {48, 49}},
        {"Vers. 2.1", {46, 47}},
        {"Vers. 1.8", {44, 45}},
        {"Vers. 1.7", {42, 43}},
        {"Vers. 1.6", {}},  // the list of games runs out before it
    };
    return versions;
}

const CatalogEntry* EntryOf(const std::vector<CatalogEntry>& sorted, GameId id) {
    for (const CatalogEntry& game : sorted) {
        if (game.id == id) {
            return &game;
        }
    }
    return nullptr;
}

bool FindCodeIn(const std::vector<ChooserNode>& list, int code, NodePath& path,
                const std::function<bool(const ChooserNode&)>& accept) {
    for (std::size_t index = 0; index < list.size(); ++index) {
        path.push_back(static_cast<int>(index));
        if (list[index].code == code && accept(list[index])) {
            return true;
        }
        if (FindCodeIn(list[index].children, code, path, accept)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

int CountNodes(const std::vector<ChooserNode>& list) {
    int count = 0;
    for (const ChooserNode& node : list) {
        count += 1 + CountNodes(node.children);
    }
    return count;
}

}  // namespace

std::vector<CatalogEntry> SortedCatalog(const GameCatalog& catalog) {
    std::vector<std::string> records = catalog.Records();
    std::stable_sort(records.begin(), records.end(),
                     [](const std::string& a, const std::string& b) {
                         return ToLowerAscii(a) < ToLowerAscii(b);
                     });
    std::vector<CatalogEntry> sorted;
    sorted.reserve(records.size());
    for (const std::string& record : records) {
        CatalogEntry entry;
        entry.name = std::string(TrimRight(Columns(record, 1, 50)));
        entry.id = Field(record, 51, 5);
        entry.type = Field(record, 56, 3);
        entry.wins = Field(record, 59, 3);
        entry.tries = Field(record, 62, 3);
        entry.duration = Field(record, 65, 2);
        entry.tiles = Field(record, 67, 3);
        entry.levels = Field(record, 70, 2);
        sorted.push_back(std::move(entry));
    }
    return sorted;
}

std::vector<ChooserNode> AllGamesList(const std::vector<CatalogEntry>& sorted) {
    std::vector<ChooserNode> list;
    for (const int type : {1, 2}) {
        list.push_back({TypeCaption(type), kCodePlaceholder, kImageHeading, {}});
        for (const CatalogEntry& game : sorted) {
            if (game.type == type) {
                list.push_back(GameNode(game));
            }
        }
    }
    return list;
}

std::vector<ChooserNode> GameGroupsTree(const std::vector<CatalogEntry>& sorted) {
    std::vector<ChooserNode> chance;
    static constexpr const char* kChanceNames[] = {"Very low", "Low", "Medium", "High",
                                                   "Very high"};
    for (int index = 0; index < 5; ++index) {
        chance.push_back(Group(kChanceNames[index], kCodeVeryLow - 10 * index, kImageChance + 1));
    }
    std::vector<ChooserNode> levels;
    for (int count = 1; count <= 5; ++count) {
        levels.push_back(Group(std::to_string(count) + (count == 1 ? " Level" : " Levels"),
                               kCodeOneLevel - 10 * (count - 1), kImageLevels + 1));
    }
    std::vector<ChooserNode> versions;
    for (const VersionGames& version : NewGameVersions()) {
        ChooserNode node{version.version, kCodeVersion, kImageVersion, {}};
        for (const GameId id : version.ids) {
            if (const CatalogEntry* game = EntryOf(sorted, id)) {
                node.children.push_back(GameNode(*game));
            }
        }
        versions.push_back(std::move(node));
    }
    std::vector<ChooserNode> tree;
    tree.push_back(Group("MahJong type", kCodeMahJongType, kImageType));
    tree.push_back(Group("Memory-Up type", kCodeMemoryUpType, kImageType));
    tree.push_back(Heading(
        "Games by Features", kCodePlaceholder, kImageFeatures,
        {Heading("Games by Sets number", kCodeSetsHeading, kImageSets,
                 {Group("1 Set (144 Tiles)", kCodeOneSet, kImageSets + 1),
                  Group("2 Sets (288 Tiles)", kCodeTwoSets, kImageSets + 1),
                  Group("3 Sets (432 Tiles)", kCodeThreeSets, kImageSets + 1),
                  Group("Others", kCodeOtherSets, kImageSets + 1)}),
         Heading("Games by Chance of Winning", kCodeChanceHeading, kImageChance, std::move(chance)),
         Heading("Games by Levels", kCodeLevelsHeading, kImageLevels, std::move(levels))}));
    tree.push_back(Heading("New games", kCodeNewGames, kImageNewGames, std::move(versions)));
    return tree;
}

bool IsFillableGroup(int code) {
    return code == kCodeMahJongType || code == kCodeMemoryUpType ||
           (code <= kCodeOneSet && code >= kCodeOtherSets) ||
           (code <= kCodeVeryLow && code >= kCodeVeryLow - 40) ||
           (code <= kCodeOneLevel && code >= kCodeOneLevel - 40);
}

bool GroupHolds(int code, const CatalogEntry& game) {
    switch (code) {
        case kCodeMahJongType:
            return game.type == 1;
        case kCodeMemoryUpType:
            return game.type == 2;
        case kCodeOneSet:
        case kCodeTwoSets:
        case kCodeThreeSets:
        case kCodeOtherSets:
            return TileCountClass(game.tiles) == (kCodeOneSet - code) / 10;
        default:
            break;
    }
    if (code <= kCodeVeryLow && code >= kCodeVeryLow - 40) {
        // Very low is class 4, Very high class 0.
        const int chanceClass = ChanceClass(game.wins, game.tries);
        return chanceClass >= 0 && chanceClass == 4 - (kCodeVeryLow - code) / 10;
    }
    if (code <= kCodeOneLevel && code >= kCodeOneLevel - 40) {
        return game.levels == 1 + (kCodeOneLevel - code) / 10;
    }
    return false;
}

std::vector<ChooserNode> GroupGames(int code, const std::vector<CatalogEntry>& sorted) {
    std::vector<ChooserNode> games;
    for (const CatalogEntry& game : sorted) {
        if (GroupHolds(code, game)) {
            games.push_back(GameNode(game));
        }
    }
    return games;
}

bool FillGroup(ChooserNode& node, const std::vector<CatalogEntry>& sorted) {
    if (!node.Unfilled()) {
        return false;
    }
    node.children = GroupGames(node.code, sorted);
    return true;
}

std::vector<ChooserNode> CustomLayoutList(const std::vector<std::string>& registryLines) {
    std::vector<ChooserNode> list;
    for (const std::string& line : registryLines) {
        const auto id = ParseInteger(Columns(line, 51, 5));
        if (id && *id > 0) {
            list.push_back({std::string(TrimRight(Columns(line, 1, 50))),
                            static_cast<int>(*id),
                            kImageCustomLayout,
                            {}});
        }
    }
    if (list.empty()) {
        list.push_back(
            {std::string(kRunLayoutManagerText), kCodeRunLayoutManager, kImagePlaceholder, {}});
    }
    return list;
}

std::vector<ChooserNode> FavoritesList(const std::vector<FavoriteNode>& favorites) {
    std::vector<ChooserNode> list;
    const auto convert = [](const FavoriteNode& favorite) {
        const int image = favorite.IsFolder()                   ? kImageFolder
                          : favorite.code >= kFirstCustomGameId ? kImageCustomLayout
                                                                : ImageOfType(favorite.type);
        return ChooserNode{favorite.text, favorite.code, image, {}};
    };
    for (const FavoriteNode& favorite : favorites) {
        ChooserNode node = convert(favorite);
        for (const FavoriteNode& child : favorite.children) {
            node.children.push_back(convert(child));
        }
        list.push_back(std::move(node));
    }
    if (list.empty()) {
        list.push_back({std::string(kAddFavoriteText), kCodeAddFavorite, kImagePlaceholder, {}});
    }
    return list;
}

std::vector<ChooserNode> RecentList(const std::vector<GameListItem>& recent) {
    std::vector<ChooserNode> list;
    for (const GameListItem& item : recent) {
        const int image =
            item.id >= kFirstCustomGameId ? kImageCustomLayout : ImageOfType(item.type);
        list.push_back({item.name, item.id, image, {}});
    }
    return list;
}

std::optional<NodePath> FindCode(const std::vector<ChooserNode>& list, int code) {
    NodePath path;
    if (FindCodeIn(list, code, path, [](const ChooserNode&) { return true; })) {
        return path;
    }
    return std::nullopt;
}

std::optional<NodePath> FindGroup(const std::vector<ChooserNode>& list, int code, GameId id,
                                  const std::vector<CatalogEntry>& sorted) {
    const CatalogEntry* game = EntryOf(sorted, id);
    NodePath path;
    const auto holds = [&](const ChooserNode& node) {
        if (node.Unfilled()) {
            return game != nullptr && GroupHolds(node.code, *game);
        }
        return std::any_of(node.children.begin(), node.children.end(),
                           [id](const ChooserNode& child) { return child.code == id; });
    };
    if (FindCodeIn(list, code, path, holds)) {
        return path;
    }
    return FindCode(list, code);
}

const ChooserNode* NodeAt(const std::vector<ChooserNode>& list, const NodePath& path) {
    const std::vector<ChooserNode>* level = &list;
    const ChooserNode* node = nullptr;
    for (const int index : path) {
        if (index < 0 || index >= static_cast<int>(level->size())) {
            return nullptr;
        }
        node = &(*level)[static_cast<std::size_t>(index)];
        level = &node->children;
    }
    return node;
}

ChooserNode* NodeAt(std::vector<ChooserNode>& list, const NodePath& path) {
    return const_cast<ChooserNode*>(NodeAt(std::as_const(list), path));
}

int AbsolutePosition(const std::vector<ChooserNode>& list, const NodePath& path) {
    int position = 0;
    const std::vector<ChooserNode>* level = &list;
    for (std::size_t depth = 0; depth < path.size(); ++depth) {
        const int index = path[depth];
        for (int before = 0; before < index && before < static_cast<int>(level->size()); ++before) {
            position += 1 + CountNodes((*level)[static_cast<std::size_t>(before)].children);
        }
        if (depth + 1 < path.size()) {
            position += 1;  // the parent itself
            level = &(*level)[static_cast<std::size_t>(index)].children;
        }
    }
    return position;
}

std::optional<NodePath> PathAtPosition(const std::vector<ChooserNode>& list, int position) {
    NodePath path;
    const std::vector<ChooserNode>* level = &list;
    while (position >= 0) {
        bool descended = false;
        for (std::size_t index = 0; index < level->size(); ++index) {
            const int size = 1 + CountNodes((*level)[index].children);
            if (position < size) {
                path.push_back(static_cast<int>(index));
                if (position == 0) {
                    return path;
                }
                position -= 1;
                level = &(*level)[index].children;
                descended = true;
                break;
            }
            position -= size;
        }
        if (!descended) {
            break;
        }
    }
    return std::nullopt;
}

std::string RulesTopic(bool faceDown) {
    return faceDown ? "html/rules/rules_memoryup.htm" : "html/rules/rules.htm";
}

std::string TilesText(int tiles) {
    if (tiles == 144) {
        return "144 Tiles - 1 Set";
    }
    if (tiles == 288) {
        return "288 Tiles - 2 Sets";
    }
    return std::to_string(tiles);
}

GameDescription DescribeGame(const GameCatalog& catalog, GameId id, int tiles, int levels) {
    GameDescription description;
    description.name = catalog.NameOf(id);
    description.tiles = TilesText(catalog.TilesOf(id).value_or(tiles));
    description.levels = std::to_string(catalog.LevelsOf(id).value_or(levels));
    if (const auto duration = catalog.DurationOf(id)) {
        description.time = DurationCaption(*duration);
    }
    if (const auto chance = catalog.ChanceOf(id)) {
        description.chance = ChanceText(chance->wins, chance->tries);
    }
    return description;
}

ChooserPlace ReadChooserPlace(const SettingsStore& settings) {
    ChooserPlace place;
    const int list = Read(settings, setting::kGameTreeType);
    place.list = list >= 0 && list < kChooserListCount ? static_cast<ChooserList>(list)
                                                       : ChooserList::AllGames;
    const int group = Read(settings, setting::kGameTreeNum);
    place.groupCode = group < 0 ? group : -1;
    place.favoritePosition = Read(settings, setting::kGameTreePos);
    place.preview = Read(settings, setting::kOpenPreviewGame);
    place.showWonLost = Read(settings, setting::kOpenShowWonLost);
    return place;
}

void WriteChooserChoice(SettingsStore& settings, const ChooserChoice& choice) {
    Write(settings, setting::kGame, choice.id);
    Write(settings, setting::kGameName, choice.name);
    Write(settings, setting::kGameTreeNum, choice.parentCode);
    Write(settings, setting::kGameTreePos, choice.position);
    Write(settings, setting::kGameTreeType, static_cast<int>(choice.list));
    Write(settings, setting::kScoreType, choice.scoreType);
    Write(settings, setting::kOpenPreviewGame, choice.preview);
    Write(settings, setting::kOpenShowWonLost, choice.showWonLost);
}

std::vector<std::string> PlayerNames(const SettingsStore& settings) {
    std::vector<std::string> names;
    for (int number = 1; number <= setting::kPlayers.capacity; ++number) {
        const std::string name(Trim(ReadEntry(settings, setting::kPlayers, number)));
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace jw
