// The logic of the background chooser: its tree of backgrounds (the
// catalogue with the player's own pictures and the add-on groups), which
// entry is selected and what it previews, the player's own pictures, the
// entries taking part in the random background, and what "OK" writes. The
// dialog (ui/J_Choose_Background) only shows what this decides.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "presentation/BackgroundCatalogue.h"
#include "presentation/Backgrounds.h"

namespace jw {

class Host;
class SettingsStore;

inline constexpr std::string_view kOwnPicturePlaceholder = "(Double click to add a background)";
inline constexpr std::string_view kCustomColourEntry = "(Custom color)";
inline constexpr std::string_view kSelectBackgroundMessage = "Please select a Background.";
inline constexpr std::string_view kDeleteOwnPictureQuestion =
    "Are you sure you want to delete this background?";
inline constexpr std::string_view kPictureFileFilter =
    "All image files|*.jpg;*.jpeg;*.bmp|Bitmaps (*.bmp)|*.bmp|JPG files (*.jpg, "
    "*.jpeg)|*.jpg;*.jpeg";

// Whether a code is a background one can choose: above 0, an own picture or
// an add-on picture (not a group, not the placeholder).
bool IsSelectableBackground(int code);

// A place in the tree: a group, and an entry of it (-1: the group line).
struct TreePlace {
    int group = -1;
    int entry = -1;
    friend bool operator==(const TreePlace&, const TreePlace&) = default;
};

class BackgroundChooser {
  public:
    BackgroundChooser(SettingsStore& settings, BackgroundSources sources, int colourDepth);

    // Builds the tree, marks the entries of the random list and selects the
    // entry of `current`. `systemButtonFace` is the stored value of the
    // system colour a custom colour of 0 stands for.
    void Open(const BackgroundChoice& current, int systemButtonFace);

    const std::vector<BackgroundGroup>& Groups() const { return groups; }
    bool Included(int group, int entry) const;
    bool IsPlaceholder(TreePlace place) const;

    void Select(TreePlace place);
    TreePlace Selected() const { return selected; }
    // The selected entry; nothing for a group line or no selection.
    const BackgroundEntry* SelectedEntry() const;

    // What the controls show and allow for the selection.
    bool ColoursEnabled() const;
    bool FadeEnabled() const;
    bool RandomButtonsEnabled() const;
    // "Unselect" for an entry taking part in the random draw, "Select" else.
    std::string IncludeCaption() const;
    // Whether fading can be offered at all (more than 256 colours).
    bool FadingOffered() const { return colourDepth > 8; }

    // The custom colour (stored form; a value below 0 is a system colour).
    int customColour = 0;
    bool fade = true;
    bool random = false;

    // The background the selection previews: colours fade when "&Fade
    // background" is ticked and the display can show it; a custom colour
    // that refers to a system colour shows `systemColour`.
    std::optional<BackgroundChoice> PreviewChoice(int systemColour) const;
    // Draws the preview of the selection into `target` (w x h); returns the
    // outcome (own pictures that are missing or not pictures say so).
    BackgroundOutcome DrawPreview(Image& target, int width, int height, int systemColour) const;

    // Adds a picture file of the player's own under the first free number
    // of "Customized backgrounds" and selects it.
    void AddOwnPicture(const std::string& path);
    // Deletes the selected own picture (after the dialog's question),
    // renumbers the rest without gaps and selects the first own picture, or
    // the placeholder when none is left.
    bool DeleteOwnPicture();

    void ToggleInclude();
    void IncludeAll(bool included);

    // "OK": nothing selected, a group or the placeholder give "Please select
    // a Background." and nothing; otherwise writes the settings and
    // "Rnd_cfg.dat" and returns the new background.
    std::optional<BackgroundChoice> Ok(Host& host);

  private:
    void RebuildOwnPictures();
    std::vector<std::string> OwnTexts() const;
    void WriteOwnTexts(const std::vector<std::string>& texts);

    SettingsStore& settings;
    BackgroundSources sources;
    int colourDepth = 24;
    std::vector<BackgroundGroup> groups;
    std::vector<std::vector<bool>> included;
    TreePlace selected;
};

}  // namespace jw
