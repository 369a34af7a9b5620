#include "presentation/Backgrounds.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/SettingsDefaults.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "presentation/BackgroundImage.h"
#include "presentation/Blit.h"
#include "presentation/BmpRead.h"
#include "presentation/JpegDecode.h"
#include "presentation/RandomBackground.h"
#include "presentation/Resample.h"

namespace jw {

namespace {

// The largest picture file of the player's own that is read.
constexpr std::uintmax_t kMaxPictureFileBytes = 128u * 1024u * 1024u;
constexpr int kMinStretchedWidth = 512;
constexpr int kMinStretchedHeight = 384;

bool HasJpegExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) {
        return false;
    }
    const std::string_view ext = path.substr(dot + 1);
    return EqualsIgnoreCase(ext, "jpg") || EqualsIgnoreCase(ext, "jpe") ||
           EqualsIgnoreCase(ext, "jpeg");
}

bool DecodeJpegBytes(std::string_view bytes, Image& out) {
    std::string error;
    return DecodeJpeg(bytes, out, error);
}

}  // namespace

BackgroundChoice ChoiceFromCode(int code, int userColour, bool fade) {
    BackgroundChoice choice;
    choice.fade = fade;
    if (code == kCodeOwnPicture) {
        choice.kind = BackgroundKind::OwnPicture;
    } else if (code == kCodeAddOnPicture) {
        choice.kind = BackgroundKind::AddOnPicture;
    } else if (code == kCodeCustomColour) {
        choice.kind = BackgroundKind::Colour;
        choice.colour = userColour;
    } else if (code > kCodeCustomColour && code <= kLastBuiltInCode) {
        choice.kind = BackgroundKind::BuiltIn;
        choice.code = code;
    } else if (code > kLastBuiltInCode) {
        choice.kind = BackgroundKind::Colour;
        choice.colour = code;
    }
    return choice;
}

BackgroundChoice ReadCurrentBackground(const SettingsStore& settings) {
    BackgroundChoice choice;
    choice.fade = Read(settings, setting::kFadeBackground);
    if (Read(settings, setting::kBackgroundDef)) {
        return choice;
    }
    std::string own = Read(settings, setting::kCustomizedBackground);
    if (!own.empty()) {
        choice.kind = BackgroundKind::OwnPicture;
        choice.picture = std::move(own);
        return choice;
    }
    std::string addOn = Read(settings, setting::kAdditionalBackground);
    if (!addOn.empty()) {
        choice.kind = BackgroundKind::AddOnPicture;
        choice.picture = std::move(addOn);
        return choice;
    }
    const int userColour = ReadBackgroundColour(settings);
    const int code = Read(settings, setting::kBackgroundBmp);
    if (code != 0 && code != kCodeOwnPicture && code != kCodeAddOnPicture) {
        return ChoiceFromCode(code, userColour, choice.fade);
    }
    const int fixed = Read(settings, setting::kBackgroundFixedCol);
    choice.kind = BackgroundKind::Colour;
    choice.colour = fixed > 0 ? fixed : userColour;
    return choice;
}

Pixel ColourOfSetting(int value) {
    if (value < 0) {
        return kDefaultBackgroundGreen;
    }
    return Rgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

bool IsTiledPicture(int width, int height) {
    return width < kMinStretchedWidth || height < kMinStretchedHeight;
}

void TilePicture(Image& target, int areaWidth, int areaHeight, const Image& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    for (int x = 0; x <= areaWidth; x += w) {
        Copy(target, x, 0, picture);
    }
    const Rect band{0, 0, areaWidth, h};
    for (int y = h; y <= areaHeight; y += h) {
        // Copying within one picture: the band lies above every row written.
        Copy(target, 0, y, target, band);
    }
}

void FillWithPicture(Image& target, int areaWidth, int areaHeight, const Image& picture) {
    if (picture.Empty() || areaWidth <= 0 || areaHeight <= 0) {
        return;
    }
    if (IsTiledPicture(picture.Width(), picture.Height())) {
        TilePicture(target, areaWidth, areaHeight, picture);
    } else {
        ResampleBSpline(picture, target, areaWidth, areaHeight);
    }
}

void FillWithColour(Image& target, int areaWidth, int areaHeight, Pixel colour, bool fade,
                    int colourDepth) {
    const Rect area{0, 0, areaWidth, areaHeight};
    FillRect(target, area, colour);
    if (fade && colourDepth > 8) {
        VerticalGradient(target, area, colour, kBlack);
    }
}

std::string ResolveOwnPicturePath(std::string_view path, std::string_view dataFolder) {
    if (path.find('/') != std::string_view::npos) {
        return std::string(path);
    }
    return (std::filesystem::path(std::string(dataFolder)) / (std::string(path) + ".bmp")).string();
}

bool LoadPictureFile(const std::string& path, Image& out) {
    const auto bytes = ReadFileBytes(path, kMaxPictureFileBytes);
    if (!bytes) {
        return false;
    }
    std::string error;
    return HasJpegExtension(path) ? DecodeJpeg(*bytes, out, error) : ReadBmp(*bytes, out, error);
}

BackgroundPicture ReadBackgroundPicture(const BackgroundChoice& choice,
                                        const BackgroundSources& sources) {
    BackgroundPicture read;
    const auto fail = [](BackgroundOutcome outcome) { return BackgroundPicture{outcome, Image()}; };
    switch (choice.kind) {
        case BackgroundKind::Default:
        case BackgroundKind::Colour:
            break;
        case BackgroundKind::BuiltIn: {
            const std::string name = BuiltInPictureName(choice.code);
            const bool bitmap = choice.code >= kFirstBuiltInBitmapCode;
            const auto bytes = sources.library
                                   ? sources.library->Find(bitmap ? "BITMAP" : "JPEG", name)
                                   : std::nullopt;
            std::string error;
            if (!bytes || !(bitmap ? ReadBmp(*bytes, read.picture, error)
                                   : DecodeJpeg(*bytes, read.picture, error))) {
                return fail(BackgroundOutcome::BuiltInMissing);
            }
            break;
        }
        case BackgroundKind::OwnPicture: {
            const std::string path = ResolveOwnPicturePath(choice.picture, sources.dataFolder);
            std::error_code error;
            if (!std::filesystem::exists(path, error)) {
                return fail(BackgroundOutcome::OwnPictureMissing);
            }
            if (!LoadPictureFile(path, read.picture)) {
                return fail(BackgroundOutcome::OwnPictureInvalid);
            }
            break;
        }
        case BackgroundKind::AddOnPicture: {
            const auto bytes =
                sources.addOns ? sources.addOns->Find("JPEG", choice.picture) : std::nullopt;
            if (!bytes) {
                return fail(BackgroundOutcome::AddOnMissing);
            }
            if (!DecodeJpegBytes(*bytes, read.picture)) {
                return fail(BackgroundOutcome::AddOnInvalid);
            }
            break;
        }
    }
    return read;
}

BackgroundOutcome DrawBackground(Image& target, int areaWidth, int areaHeight,
                                 const BackgroundChoice& choice, const BackgroundSources& sources,
                                 int colourDepth) {
    return DrawBackground(target, areaWidth, areaHeight, choice,
                          ReadBackgroundPicture(choice, sources), colourDepth);
}

BackgroundOutcome DrawBackground(Image& target, int areaWidth, int areaHeight,
                                 const BackgroundChoice& choice, const BackgroundPicture& read,
                                 int colourDepth) {
    if (read.outcome != BackgroundOutcome::Drawn) {
        return read.outcome;
    }
    switch (choice.kind) {
        case BackgroundKind::Default:
            MakeDefaultBackground(target, areaWidth, areaHeight, choice.fade, colourDepth);
            break;
        case BackgroundKind::Colour:
            FillWithColour(target, areaWidth, areaHeight, ColourOfSetting(choice.colour),
                           choice.fade, colourDepth);
            break;
        case BackgroundKind::BuiltIn:
            if (choice.code >= kFirstBuiltInBitmapCode) {
                Copy(target, 0, 0, read.picture);
            } else {
                FillWithPicture(target, areaWidth, areaHeight, read.picture);
            }
            break;
        case BackgroundKind::OwnPicture:
        case BackgroundKind::AddOnPicture:
            FillWithPicture(target, areaWidth, areaHeight, read.picture);
            break;
    }
    return BackgroundOutcome::Drawn;
}

std::string BackgroundFailureMessage(BackgroundOutcome outcome, const BackgroundChoice& choice,
                                     const BackgroundSources& sources) {
    switch (outcome) {
        case BackgroundOutcome::Drawn:
        case BackgroundOutcome::BuiltInMissing:
            return {};
        case BackgroundOutcome::OwnPictureMissing:
            return "Customized background image not found: " +
                   ResolveOwnPicturePath(choice.picture, sources.dataFolder);
        case BackgroundOutcome::OwnPictureInvalid:
            return "Image is not valid: " +
                   ResolveOwnPicturePath(choice.picture, sources.dataFolder);
        case BackgroundOutcome::AddOnMissing:
            return "Error loading the Background: " + choice.picture +
                   "\nPlease install again Jadewind Graphics Pack";
        case BackgroundOutcome::AddOnInvalid:
            return "Image is not valid: " + choice.picture;
    }
    return {};
}

Rect BoardArea(const SettingsStore& settings, const ScreenInfo& screen, const WindowSizes& window,
               bool startingUp) {
    if (!startingUp) {
        return {0, 0, window.clientWidth, window.clientHeight - window.bigStatusBarHeight};
    }
    // -1 for a value that is missing or empty.
    const auto stored = [&](const auto& declared) {
        const std::string text = settings.ReadString(declared.section, declared.key, "");
        return text.empty() ? -1 : settings.ReadInteger(declared.section, declared.key, -1);
    };
    const int clientWidth = stored(setting::kMainClientWidth);
    const int clientHeight = stored(setting::kMainClientHeight);
    const int screenWidth = stored(setting::kScreenWidth);
    const int screenHeight = stored(setting::kScreenHeight);
    if (clientWidth < 0 || clientHeight < 0 || screenWidth != screen.width ||
        screenHeight != screen.height) {
        return {
            0, 0, screen.width,
            screen.height + window.clientHeight - window.windowHeight - window.bigStatusBarHeight};
    }
    return {0, 0, clientWidth, clientHeight - window.bigStatusBarHeight};
}

Backgrounds::Backgrounds(Host& host, SettingsStore& settings, BackgroundSources sources)
    : host(host), settings(settings), sources(std::move(sources)) {}

void Backgrounds::Load() {
    current = ReadCurrentBackground(settings);
}

void Backgrounds::FallBackToDefault() {
    current = BackgroundChoice{};
    current.fade = true;
    Write(settings, setting::kCustomizedBackground, "");
    Write(settings, setting::kAdditionalBackground, "");
    Write(settings, setting::kBackgroundDef, true);
    Write(settings, setting::kFadeBackground, true);
}

void Backgrounds::ReadAhead() {
    // Add-on libraries open their volumes on first use, which must not
    // happen on two threads at once; their pictures are read when drawn.
    const bool picture =
        current.kind == BackgroundKind::BuiltIn || current.kind == BackgroundKind::OwnPicture;
    if (!picture || ahead.valid() || std::thread::hardware_concurrency() < 2) {
        return;
    }
    aheadChoice = current;
    ahead = std::async(std::launch::async, [choice = current, sources = sources] {
        return ReadBackgroundPicture(choice, sources);
    });
}

void Backgrounds::Make(Image& target, int areaWidth, int areaHeight) {
    const int colourDepth = host.Screen().colorDepth;
    // A picture read ahead for a background no longer current is dropped.
    std::optional<BackgroundPicture> read;
    if (ahead.valid()) {
        BackgroundPicture readAhead = ahead.get();
        if (aheadChoice == current) {
            read = std::move(readAhead);
        }
    }
    const BackgroundOutcome outcome =
        DrawBackground(target, areaWidth, areaHeight, current,
                       read ? *read : ReadBackgroundPicture(current, sources), colourDepth);
    const std::string message = BackgroundFailureMessage(outcome, current, sources);
    if (message.empty()) {
        return;
    }
    if (outcome == BackgroundOutcome::AddOnMissing) {
        ForgetRandomList(sources.dataFolder);
    }
    host.Inform(message);
    FallBackToDefault();
    DrawBackground(target, areaWidth, areaHeight, current, sources, colourDepth);
}

bool Backgrounds::PickRandom() {
    EnsureRandomList(sources.dataFolder,
                     FullBackgroundCatalogue(settings, sources.programFolder, sources.dataFolder));
    if (!Read(settings, setting::kRandomBackground)) {
        return false;
    }
    const std::vector<IniLine> candidates = RandomCandidates(sources.dataFolder);
    BackgroundChoice next;
    next.fade = current.fade;
    Write(settings, setting::kCustomizedBackground, "");
    Write(settings, setting::kAdditionalBackground, "");
    if (!candidates.empty()) {
        const int index = host.Random(static_cast<int>(candidates.size()));
        const IniLine& picked = candidates[static_cast<std::size_t>(index)];
        const int code = RandomEntryCode(picked.value);
        const int userColour = Read(settings, setting::kBackgroundCol);
        if (code == kCodeOwnPicture) {
            next.kind = BackgroundKind::OwnPicture;
            next.picture = OwnPicturePath(picked.key, sources.dataFolder);
            Write(settings, setting::kCustomizedBackground, next.picture);
        } else if (code == kCodeAddOnPicture) {
            next.kind = BackgroundKind::AddOnPicture;
            next.picture = AddOnPictureName(sources.programFolder, picked.key);
            Write(settings, setting::kAdditionalBackground, next.picture);
        } else if (code != kCodeCustomColour || userColour != 0) {
            next = ChoiceFromCode(code, userColour, next.fade);
        }
    }
    current = next;
    return true;
}

}  // namespace jw
