#include "records/FavoritesEdit.h"

#include <algorithm>

#include "platform/Host.h"
#include "platform/Text.h"

namespace jw {

namespace {

bool IsPlaceholder(const FavoriteNode& node) {
    return node.code == kPlaceholderFolderCode && node.text == kPlaceholderFolder;
}

bool NameAfter(const std::string& a, const std::string& b) {
    return ToLowerAscii(a) > ToLowerAscii(b);
}

}  // namespace

int TargetFolder(const std::vector<FavoriteNode>& tree, FavoritePlace selected) {
    if (selected.folder < 0 || selected.folder >= static_cast<int>(tree.size())) {
        return -1;
    }
    return tree[static_cast<std::size_t>(selected.folder)].IsFolder() ? selected.folder : -1;
}

FavoritePlace InsertGame(std::vector<FavoriteNode>& tree, int targetFolder, FavoriteNode game) {
    const bool top = targetFolder < 0 || targetFolder >= static_cast<int>(tree.size());
    std::vector<FavoriteNode>& nodes =
        top ? tree : tree[static_cast<std::size_t>(targetFolder)].children;
    const auto at = std::find_if(nodes.begin(), nodes.end(), [&](const FavoriteNode& node) {
        return !(top && node.IsFolder()) && NameAfter(node.text, game.text);
    });
    const int index = static_cast<int>(at - nodes.begin());
    nodes.insert(at, std::move(game));
    return top ? FavoritePlace{index, -1} : FavoritePlace{targetFolder, index};
}

int InsertFolder(std::vector<FavoriteNode>& tree, std::string name) {
    const auto at = std::find_if(tree.begin(), tree.end(),
                                 [](const FavoriteNode& node) { return !node.IsFolder(); });
    const int index = static_cast<int>(at - tree.begin());
    FavoriteNode folder;
    folder.code = kNewFolderCode;
    folder.text = std::move(name);
    tree.insert(at, std::move(folder));
    return index;
}

namespace {

bool Valid(const std::vector<FavoriteNode>& tree, FavoritePlace place) {
    if (place.folder < 0 || place.folder >= static_cast<int>(tree.size())) {
        return false;
    }
    return place.child < 0 ||
           place.child <
               static_cast<int>(tree[static_cast<std::size_t>(place.folder)].children.size());
}

}  // namespace

bool RemoveNode(std::vector<FavoriteNode>& tree, FavoritePlace place) {
    if (!Valid(tree, place)) {
        return false;
    }
    if (place.child < 0) {
        tree.erase(tree.begin() + place.folder);
    } else {
        auto& children = tree[static_cast<std::size_t>(place.folder)].children;
        children.erase(children.begin() + place.child);
    }
    return true;
}

FavoritePlace MoveNode(std::vector<FavoriteNode>& tree, FavoritePlace from, FavoritePlace onto) {
    if (!Valid(tree, from) || (onto.folder >= 0 && !Valid(tree, onto)) ||
        (from.folder == onto.folder && from.child == onto.child)) {
        return {};
    }
    // A folder cannot be dropped into itself.
    if (from.child < 0 && onto.folder == from.folder) {
        return {};
    }
    FavoriteNode node = from.child < 0 ? tree[static_cast<std::size_t>(from.folder)]
                                       : tree[static_cast<std::size_t>(from.folder)]
                                             .children[static_cast<std::size_t>(from.child)];
    // Where the drop goes, as a place that stays right after the removal.
    const auto after = [&](FavoritePlace p) {
        if (from.child < 0 && p.folder > from.folder) {
            --p.folder;
        } else if (from.child >= 0 && p.folder == from.folder && p.child > from.child) {
            --p.child;
        }
        return p;
    };
    onto = onto.folder >= 0 ? after(onto) : onto;
    RemoveNode(tree, from);
    if (onto.folder < 0) {
        tree.push_back(std::move(node));
        return {static_cast<int>(tree.size()) - 1, -1};
    }
    const bool ontoFolder =
        onto.child < 0 && tree[static_cast<std::size_t>(onto.folder)].IsFolder();
    if (node.IsFolder() && (ontoFolder || onto.child >= 0)) {
        // Folders stay on the top level: before the folder dropped into.
        tree.insert(tree.begin() + onto.folder, std::move(node));
        return {onto.folder, -1};
    }
    if (ontoFolder) {
        auto& children = tree[static_cast<std::size_t>(onto.folder)].children;
        children.push_back(std::move(node));
        return {onto.folder, static_cast<int>(children.size()) - 1};
    }
    if (onto.child < 0) {
        tree.insert(tree.begin() + onto.folder, std::move(node));
        return {onto.folder, -1};
    }
    auto& children = tree[static_cast<std::size_t>(onto.folder)].children;
    children.insert(children.begin() + onto.child, std::move(node));
    return onto;
}

std::vector<FavoriteNode> WithPlaceholder(std::vector<FavoriteNode> tree) {
    if (tree.empty()) {
        FavoriteNode placeholder;
        placeholder.code = kPlaceholderFolderCode;
        placeholder.text = std::string(kPlaceholderFolder);
        tree.push_back(std::move(placeholder));
    }
    return tree;
}

bool AddFavorite(std::vector<FavoriteNode>& tree, FavoritePlace selected, FavoriteNode game,
                 Host& host) {
    int target = TargetFolder(tree, selected);
    const auto placeholder = std::find_if(tree.begin(), tree.end(), IsPlaceholder);
    if (placeholder != tree.end()) {
        const int index = static_cast<int>(placeholder - tree.begin());
        if (target == index) {
            target = -1;
        } else if (target > index) {
            --target;
        }
        tree.erase(placeholder);
    }
    const std::vector<FavoriteNode>& nodes =
        target < 0 ? tree : tree[static_cast<std::size_t>(target)].children;
    const bool present = std::any_of(nodes.begin(), nodes.end(), [&](const FavoriteNode& node) {
        return !node.IsFolder() && node.text == game.text;
    });
    if (present &&
        host.ShowMessage(MessageKind::Information, game.text + std::string(kAlreadyFavorite),
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    InsertGame(tree, target, std::move(game));
    return true;
}

}  // namespace jw
