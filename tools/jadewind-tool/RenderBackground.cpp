#include "RenderBackground.h"

#include <cctype>
#include <charconv>

namespace jw::tool {

namespace {

std::optional<int> Code(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<BackgroundChoice> ParseBackgroundOption(const std::string& value) {
    std::optional<int> code = Code(value);
    if (!code && value.size() == 4 && (value[0] == 'B' || value[0] == 'b')) {
        code = Code(std::string_view(value).substr(1));
    }
    if (code) {
        if (*code == kCodeCustomColour || *code == kCodeOwnPicture || *code == kCodeAddOnPicture) {
            return std::nullopt;
        }
        return ChoiceFromCode(*code, 0, true);
    }
    BackgroundChoice choice;
    choice.kind = BackgroundKind::OwnPicture;
    choice.picture = value.find('/') == std::string::npos ? "./" + value : value;
    return choice;
}

void UseBackground(BoardRenderer& renderer, const BackgroundChoice& choice,
                   const ResourceStore* library, ToolHost& host) {
    renderer.makeBackground = [choice, library, &host](Image& target, int width, int height) {
        BackgroundSources sources;
        sources.library = library;
        const int depth = host.Screen().colorDepth;
        const BackgroundOutcome outcome =
            DrawBackground(target, width, height, choice, sources, depth);
        const std::string message = BackgroundFailureMessage(outcome, choice, sources);
        if (outcome == BackgroundOutcome::BuiltInMissing) {
            host.Inform("Background picture not found: " + BuiltInPictureName(choice.code));
        } else if (!message.empty()) {
            host.Inform(message);
        }
        if (outcome != BackgroundOutcome::Drawn) {
            DrawBackground(target, width, height, BackgroundChoice{}, sources, depth);
        }
    };
}

}  // namespace jw::tool
