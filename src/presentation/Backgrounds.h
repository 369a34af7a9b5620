// The background under the tiles: which one is current, and how it fills
// the board area.
//
// A background is the default green (fading to black), a colour (fading to
// black when fading is on), a built-in picture, a picture from an add-on
// library or a picture file of the player's own. Pictures narrower than 512
// or lower than 384 pixels are tiled; larger ones are stretched to the area
// with the cubic B-spline. Built-in bitmaps (codes 500..1000) are drawn once
// at their own size.
#pragma once

#include <future>
#include <string>
#include <string_view>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "platform/SettingsStore.h"
#include "presentation/BackgroundCatalogue.h"
#include "presentation/Image.h"

namespace jw {

enum class BackgroundKind { Default, Colour, BuiltIn, OwnPicture, AddOnPicture };

// The current background as the engine holds it.
struct BackgroundChoice {
    BackgroundKind kind = BackgroundKind::Default;
    int code = 0;         // BuiltIn: the picture code
    int colour = 0;       // Colour: the stored colour value (may be a system reference)
    std::string picture;  // OwnPicture: full path; AddOnPicture: picture name
    bool fade = true;
    friend bool operator==(const BackgroundChoice&, const BackgroundChoice&) = default;
};

// The choice a background code stands for (own and add-on pictures need
// their path or name filled in by the caller; code 1 takes `userColour`).
BackgroundChoice ChoiceFromCode(int code, int userColour, bool fade);

// The current background from the settings, the first that applies:
// "Background_Def", "Customized_Background", "Additional_Background",
// "Background_bmp" (not 0), then the fixed colour when above 0, else
// "Background_Col".
BackgroundChoice ReadCurrentBackground(const SettingsStore& settings);

// A stored colour value (red in the low byte) as a pixel; a system-colour
// reference (any value below 0) becomes green (0, 128, 0).
Pixel ColourOfSetting(int value);

// Tiles `picture` over the area: copies along the top row at x = 0, w, 2w,
// ... while x does not exceed the area width, then that row band downward
// at y = h, 2h, ... while y does not exceed the area height.
void TilePicture(Image& target, int areaWidth, int areaHeight, const Image& picture);

// Whether a picture of this size is tiled rather than stretched.
bool IsTiledPicture(int width, int height);

// Fills the area with a picture: tiled, or stretched with the cubic
// B-spline.
void FillWithPicture(Image& target, int areaWidth, int areaHeight, const Image& picture);

// Fills the area with a colour, as a vertical gradient to black when
// fading is on and the display shows more than 256 colours.
void FillWithColour(Image& target, int areaWidth, int areaHeight, Pixel colour, bool fade,
                    int colourDepth);

// Where pictures come from.
struct BackgroundSources {
    const ResourceStore* library = nullptr;  // the main library ("JPEG"/"BITMAP" Bnnn)
    const ResourceStore* addOns = nullptr;   // "gp/b01.rgf" then "gp/b02.rgf"
    std::string dataFolder;     // random-pick files, own pictures named without a folder
    std::string programFolder;  // "gp/b01.dat" and "gp/b02.dat" beside the program
};

// What drawing a background came to.
enum class BackgroundOutcome {
    Drawn,
    BuiltInMissing,     // area left as it was
    OwnPictureMissing,  // file not found
    OwnPictureInvalid,  // file found, not a picture
    AddOnMissing,       // in neither add-on library
    AddOnInvalid,       // found, not a JPEG picture
};

// The picture a background is made from, read and decoded, or what went
// wrong. The default and colour backgrounds have none.
struct BackgroundPicture {
    BackgroundOutcome outcome = BackgroundOutcome::Drawn;
    Image picture;
};
BackgroundPicture ReadBackgroundPicture(const BackgroundChoice& choice,
                                        const BackgroundSources& sources);

// Draws `choice` into the top-left area of `target` without any message
// or fall-back; the outcome says what went wrong. The second form takes
// the picture read for `choice` already.
BackgroundOutcome DrawBackground(Image& target, int areaWidth, int areaHeight,
                                 const BackgroundChoice& choice, const BackgroundSources& sources,
                                 int colourDepth);
BackgroundOutcome DrawBackground(Image& target, int areaWidth, int areaHeight,
                                 const BackgroundChoice& choice, const BackgroundPicture& read,
                                 int colourDepth);

// What the player is told when `choice` came to `outcome`; empty when
// nothing is to be said (drawn, or a built-in picture missing).
std::string BackgroundFailureMessage(BackgroundOutcome outcome, const BackgroundChoice& choice,
                                     const BackgroundSources& sources);

// The full path of one of the player's own pictures: a name without a
// folder is taken in the data folder with ".bmp" appended.
std::string ResolveOwnPicturePath(std::string_view path, std::string_view dataFolder);

// Reads a picture file: ".jpg", ".jpe" and ".jpeg" (any case) as JPEG,
// anything else as a bitmap. False when it cannot be read or decoded.
bool LoadPictureFile(const std::string& path, Image& out);

// The main window's sizes the board area is worked out from.
struct WindowSizes {
    int clientWidth = 0;
    int clientHeight = 0;
    int windowHeight = 0;
    int bigStatusBarHeight = 0;
};

// The board area the background fills: the client area less the big status
// bar. During start-up the stored "MainClientWidth" and "MainClientHeight"
// stand for the client size, unless a stored size is missing or the stored
// screen size differs from `screen`: then the screen width and the screen
// height + client height - window height - status bar height.
Rect BoardArea(const SettingsStore& settings, const ScreenInfo& screen, const WindowSizes& window,
               bool startingUp);

// The current background of one engine object, with the messages and the
// fall-back to the default background when its picture cannot be used.
class Backgrounds {
  public:
    Backgrounds(Host& host, SettingsStore& settings, BackgroundSources sources);

    // Reads the current background from the settings.
    void Load();
    // The current background.
    const BackgroundChoice& Current() const { return current; }
    // Makes `choice` current in memory (the chooser writes the settings).
    void SetCurrent(const BackgroundChoice& choice) { current = choice; }

    // Draws the current background into the top-left area of `target`.
    // When an own or add-on picture cannot be used, tells the player, falls
    // back to the default background with fading (in memory and in the
    // settings) and draws that.
    void Make(Image& target, int areaWidth, int areaHeight);

    // Starts reading and decoding the current built-in or own picture on a
    // second core, for the next Make to take while the background is still
    // the same. At start-up this overlaps the decoding with the building of
    // the window.
    void ReadAhead();

    // The random pick: writes "Rnd_cfg.dat" when its marker is missing;
    // then, when "Random_Background" is on, draws one entry of the list
    // (the default background when none takes part), makes it current,
    // clears "Customized_Background" and "Additional_Background" and
    // writes the own picture's path or the add-on picture's name back.
    // Returns whether the background changed, so that the caller forces a
    // refresh.
    bool PickRandom();

  private:
    void FallBackToDefault();

    Host& host;
    SettingsStore& settings;
    BackgroundSources sources;
    BackgroundChoice current;
    BackgroundChoice aheadChoice;
    std::future<BackgroundPicture> ahead;
};

}  // namespace jw
