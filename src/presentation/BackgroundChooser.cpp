#include "presentation/BackgroundChooser.h"

#include <map>

#include "platform/Host.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "presentation/RandomBackground.h"

namespace jw {

namespace {

constexpr std::size_t kCustomizedGroup = 0;
constexpr std::string_view kDefaultEntry = "Green";

}  // namespace

bool IsSelectableBackground(int code) {
    return code > 0 || code == kCodeOwnPicture || code == kCodeAddOnPicture;
}

BackgroundChooser::BackgroundChooser(SettingsStore& settingsIn, BackgroundSources sourcesIn,
                                     int colourDepthIn)
    : settings(settingsIn), sources(std::move(sourcesIn)), colourDepth(colourDepthIn) {}

void BackgroundChooser::Open(const BackgroundChoice& current, int systemButtonFace) {
    groups = FullBackgroundCatalogue(settings, sources.programFolder, sources.dataFolder);
    const std::map<std::string, bool> inclusion = RandomListInclusion(sources.dataFolder);
    included.clear();
    for (const BackgroundGroup& group : groups) {
        std::vector<bool> marks;
        for (const BackgroundEntry& entry : group.entries) {
            const auto found = inclusion.find(entry.text);
            marks.push_back(found == inclusion.end() || found->second);
        }
        included.push_back(std::move(marks));
    }
    RebuildOwnPictures();

    customColour = Read(settings, setting::kBackgroundCol);
    if (customColour == 0) {
        customColour = systemButtonFace;
    }
    fade = Read(settings, setting::kFadeBackground);
    random = Read(settings, setting::kRandomBackground);

    // The entry of the background in use.
    const auto find = [this](auto matches) -> TreePlace {
        for (std::size_t g = 0; g < groups.size(); ++g) {
            for (std::size_t e = 0; e < groups[g].entries.size(); ++e) {
                if (matches(groups[g].entries[e])) {
                    return {static_cast<int>(g), static_cast<int>(e)};
                }
            }
        }
        return {};
    };
    TreePlace place;
    switch (current.kind) {
        case BackgroundKind::OwnPicture: {
            const std::string text = OwnPictureText(current.picture);
            place = find([&](const BackgroundEntry& e) {
                return e.code == kCodeOwnPicture &&
                       (e.text == text || e.picture == current.picture);
            });
            break;
        }
        case BackgroundKind::AddOnPicture:
            place = find([&](const BackgroundEntry& e) {
                return e.code == kCodeAddOnPicture && e.picture == current.picture;
            });
            break;
        case BackgroundKind::Default:
            place = find([](const BackgroundEntry& e) { return e.text == kDefaultEntry; });
            break;
        case BackgroundKind::BuiltIn:
            place = find([&](const BackgroundEntry& e) { return e.code == current.code; });
            break;
        case BackgroundKind::Colour:
            if (current.colour > kLastBuiltInCode) {
                place = find([&](const BackgroundEntry& e) { return e.code == current.colour; });
            }
            break;
    }
    if (place.group < 0 && current.kind != BackgroundKind::Default) {
        place = find([](const BackgroundEntry& e) { return e.code == kCodeCustomColour; });
    }
    Select(place);
}

bool BackgroundChooser::Included(int group, int entry) const {
    if (group < 0 || group >= static_cast<int>(included.size())) {
        return false;
    }
    const std::vector<bool>& marks = included[static_cast<std::size_t>(group)];
    return entry >= 0 && entry < static_cast<int>(marks.size()) &&
           marks[static_cast<std::size_t>(entry)];
}

bool BackgroundChooser::IsPlaceholder(TreePlace place) const {
    if (place.group < 0 || place.group >= static_cast<int>(groups.size()) || place.entry < 0) {
        return false;
    }
    const auto& entries = groups[static_cast<std::size_t>(place.group)].entries;
    return place.entry < static_cast<int>(entries.size()) &&
           entries[static_cast<std::size_t>(place.entry)].code == kCodeCustomizedPlaceholder;
}

void BackgroundChooser::Select(TreePlace place) {
    const bool validGroup = place.group >= 0 && place.group < static_cast<int>(groups.size());
    if (!validGroup) {
        selected = {};
        return;
    }
    const auto& entries = groups[static_cast<std::size_t>(place.group)].entries;
    if (place.entry >= static_cast<int>(entries.size())) {
        place.entry = -1;
    }
    selected = place;
}

const BackgroundEntry* BackgroundChooser::SelectedEntry() const {
    if (selected.group < 0 || selected.entry < 0) {
        return nullptr;
    }
    return &groups[static_cast<std::size_t>(selected.group)]
                .entries[static_cast<std::size_t>(selected.entry)];
}

bool BackgroundChooser::ColoursEnabled() const {
    const BackgroundEntry* entry = SelectedEntry();
    return entry != nullptr && entry->code == kCodeCustomColour;
}

bool BackgroundChooser::FadeEnabled() const {
    const BackgroundEntry* entry = SelectedEntry();
    return FadingOffered() && entry != nullptr &&
           (entry->code == kCodeCustomColour || entry->code > kLastBuiltInCode);
}

bool BackgroundChooser::RandomButtonsEnabled() const {
    const BackgroundEntry* entry = SelectedEntry();
    return entry != nullptr && IsSelectableBackground(entry->code);
}

std::string BackgroundChooser::IncludeCaption() const {
    return Included(selected.group, selected.entry) ? "Unselect" : "Select";
}

std::optional<BackgroundChoice> BackgroundChooser::PreviewChoice(int systemColour) const {
    const BackgroundEntry* entry = SelectedEntry();
    if (entry == nullptr || !IsSelectableBackground(entry->code)) {
        return std::nullopt;
    }
    const int colour = customColour < 0 ? systemColour : customColour;
    BackgroundChoice choice = ChoiceFromCode(entry->code, colour, fade && FadingOffered());
    choice.picture = entry->picture;
    return choice;
}

BackgroundOutcome BackgroundChooser::DrawPreview(Image& target, int width, int height,
                                                 int systemColour) const {
    const std::optional<BackgroundChoice> choice = PreviewChoice(systemColour);
    if (!choice) {
        target = Image(width, height);
        return BackgroundOutcome::Drawn;
    }
    target = Image(width, height);
    const BackgroundOutcome outcome =
        DrawBackground(target, width, height, *choice, sources, colourDepth);
    if (outcome != BackgroundOutcome::Drawn && outcome != BackgroundOutcome::BuiltInMissing) {
        // What the board would fall back to: the default background.
        DrawBackground(target, width, height, BackgroundChoice{}, sources, colourDepth);
    }
    return outcome;
}

std::vector<std::string> BackgroundChooser::OwnTexts() const {
    return ReadOwnPictureTexts(settings);
}

void BackgroundChooser::WriteOwnTexts(const std::vector<std::string>& texts) {
    const std::size_t before = OwnTexts().size();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        WriteEntry(settings, setting::kOwnBackgrounds, static_cast<int>(i), texts[i]);
    }
    // An empty value ends the list for every reader.
    for (std::size_t i = texts.size(); i < before; ++i) {
        WriteEntry(settings, setting::kOwnBackgrounds, static_cast<int>(i), "");
    }
}

void BackgroundChooser::RebuildOwnPictures() {
    if (groups.empty()) {
        return;
    }
    BackgroundGroup& own = groups[kCustomizedGroup];
    std::map<std::string, bool> kept;
    for (std::size_t i = 0; i < own.entries.size() && i < included[kCustomizedGroup].size(); ++i) {
        kept[own.entries[i].text] = included[kCustomizedGroup][i];
    }
    own.entries.clear();
    std::vector<bool> marks;
    for (const std::string& text : OwnTexts()) {
        own.entries.push_back({text, kCodeOwnPicture, OwnPicturePath(text, sources.dataFolder)});
        const auto found = kept.find(text);
        marks.push_back(found == kept.end() || found->second);
    }
    if (own.entries.empty()) {
        own.entries.push_back(
            {std::string(kOwnPicturePlaceholder), kCodeCustomizedPlaceholder, {}});
        marks.push_back(false);
    }
    included[kCustomizedGroup] = std::move(marks);
}

void BackgroundChooser::AddOwnPicture(const std::string& path) {
    std::vector<std::string> texts = OwnTexts();
    texts.push_back(OwnPictureText(path));
    WriteOwnTexts(texts);
    RebuildOwnPictures();
    Select({static_cast<int>(kCustomizedGroup), static_cast<int>(texts.size()) - 1});
}

bool BackgroundChooser::DeleteOwnPicture() {
    const BackgroundEntry* entry = SelectedEntry();
    if (entry == nullptr || entry->code != kCodeOwnPicture) {
        return false;
    }
    std::vector<std::string> texts = OwnTexts();
    const auto index = static_cast<std::size_t>(selected.entry);
    if (index < texts.size()) {
        texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(index));
    }
    WriteOwnTexts(texts);
    RebuildOwnPictures();
    Select({static_cast<int>(kCustomizedGroup), 0});
    return true;
}

void BackgroundChooser::ToggleInclude() {
    const BackgroundEntry* entry = SelectedEntry();
    if (entry == nullptr || !IsSelectableBackground(entry->code)) {
        return;
    }
    std::vector<bool>& marks = included[static_cast<std::size_t>(selected.group)];
    const auto index = static_cast<std::size_t>(selected.entry);
    marks[index] = !marks[index];
}

void BackgroundChooser::IncludeAll(bool in) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t e = 0; e < groups[g].entries.size(); ++e) {
            if (IsSelectableBackground(groups[g].entries[e].code)) {
                included[g][e] = in;
            }
        }
    }
}

std::optional<BackgroundChoice> BackgroundChooser::Ok(Host& host) {
    const BackgroundEntry* entry = SelectedEntry();
    if (entry == nullptr || !IsSelectableBackground(entry->code)) {
        host.Inform(std::string(kSelectBackgroundMessage));
        return std::nullopt;
    }
    Write(settings, setting::kRandomBackground, random);
    const int code = entry->code;
    BackgroundChoice choice = ChoiceFromCode(code, customColour, fade);
    choice.picture = entry->picture;
    const bool picture = code > kCodeCustomColour && code <= kLastBuiltInCode;
    Write(settings, setting::kBackgroundCol, customColour);
    Write(settings, setting::kBackgroundBmp, picture ? code : 0);
    Write(settings, setting::kBackgroundFixedCol, code > kLastBuiltInCode ? code : 0);
    Write(settings, setting::kBackgroundDef, false);
    Write(settings, setting::kFadeBackground, fade);
    Write(settings, setting::kCustomizedBackground,
          code == kCodeOwnPicture ? entry->picture : std::string());
    Write(settings, setting::kAdditionalBackground,
          code == kCodeAddOnPicture ? entry->picture : std::string());

    std::map<const BackgroundEntry*, bool> marks;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t e = 0; e < groups[g].entries.size(); ++e) {
            marks[&groups[g].entries[e]] = included[g][e];
        }
    }
    WriteRandomList(sources.dataFolder, RandomListLines(groups, [&marks](const BackgroundEntry& e) {
                        const auto found = marks.find(&e);
                        return found == marks.end() || found->second;
                    }));
    return choice;
}

}  // namespace jw
