// jadewind-tool animate: the frames of a winning animation over a dealt
// board, written as PNG pictures, so that every pattern can be looked at
// without the game window.
//
//   animate NAME --seconds S --width W --height H [--set N] [--game ID]
//           [--number NUMBER] [--seed K] --out DIR
//
// The animation runs on a clock of its own, in no real time; one frame is
// written for every 100 ms of animation time ("frame-0000.png", ...), and
// one more when it has ended.
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>

#include "Commands.h"
#include "ToolGames.h"
#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/Jong_class_interface.h"
#include "platform/SettingsDefaults.h"
#include "presentation/BoardAnimation.h"
#include "presentation/PngWrite.h"

namespace jw::tool {
namespace {

constexpr int kFrameMs = 100;

// The tool's Host with a clock that only moves when the animation waits and
// a seeded random generator, so that the frames can be made again.
class FrameClockHost : public ToolHost {
  public:
    explicit FrameClockHost(unsigned seed) : generator(seed) {}
    std::int64_t MonotonicMs() override { return now; }
    int Random(int range) override {
        return range < 1 ? 0 : static_cast<int>(generator() % static_cast<unsigned>(range));
    }
    std::int64_t now = 0;

  private:
    std::mt19937 generator;
};

struct AnimateOptions {
    std::string name;
    int seconds = -1;
    int width = 0;
    int height = 0;
    int set = 0;
    std::string game = "0";
    std::string number = "2007000000001";
    int seed = 2007;
    std::string out;
};

std::string Parse(const Args& args, AnimateOptions& options) {
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            plain.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            return arg + " needs a value";
        }
        const std::string& value = args[++i];
        if (arg == "--out") {
            options.out = value;
        } else if (arg == "--game") {
            options.game = value;
        } else if (arg == "--number") {
            options.number = value;
        } else if (arg == "--seconds" || arg == "--width" || arg == "--height" || arg == "--set" ||
                   arg == "--seed") {
            int number = 0;
            std::istringstream in(value);
            if (!(in >> number) || in.peek() != EOF || number < 0 ||
                (arg != "--seed" && number > 16384) ||
                ((arg == "--width" || arg == "--height") && number < 1)) {
                return arg + (arg == "--seed" ? " takes a whole number, 0 or more"
                              : arg == "--width" || arg == "--height"
                                  ? " takes a number from 1 to 16384"
                                  : " takes a number from 0 to 16384");
            }
            (arg == "--seconds"  ? options.seconds
             : arg == "--width"  ? options.width
             : arg == "--height" ? options.height
             : arg == "--set"    ? options.set
                                 : options.seed) = number;
        } else {
            return "unknown option " + arg;
        }
    }
    if (plain.size() != 1) {
        return "animate takes one animation name (\"Circles\", \"(Random)\", ...)";
    }
    options.name = plain[0];
    if (options.seconds < 0 || options.width == 0 || options.height == 0 || options.out.empty()) {
        return "animate needs --seconds, --width, --height and --out";
    }
    return {};
}

int RunAnimate(const Args& args) {
    AnimateOptions options;
    if (const std::string error = Parse(args, options); !error.empty()) {
        return UsageError(error);
    }
    const TypedNumber number = ReadTypedGameNumber(options.number);
    if (number.status != TypedNumberStatus::Valid) {
        return UsageError("--number takes a game number of up to 13 digits");
    }
    FrameClockHost host(static_cast<unsigned>(options.seed));
    auto engine = std::make_unique<TMahJong_interface>(host);
    if (!LoadGameLayout(options.game, *engine, host)) {
        return 1;
    }
    if (engine->resources == nullptr) {
        engine->resources = ToolLibrary();
    }
    DealNewGame(engine->board, engine->rules, number.number);
    engine->mode = EngineMode::Playing;

    BoardRenderer renderer(*engine);
    renderer.SetArea({options.width, options.height, 0, 0, false});
    const int set = options.set > 0 ? options.set : DefaultTileSetFor(engine->scoreType);
    if (!renderer.LoadTileSet(set, 'X')) {
        return 1;
    }
    renderer.FitLayout(true, true, true);
    renderer.PlaceLayout();
    renderer.FullRedraw();

    std::error_code ignored;
    std::filesystem::create_directories(options.out, ignored);
    int frames = 0;
    std::string error;
    const auto writeFrame = [&] {
        std::ostringstream name;
        name << options.out << "/frame-" << std::setw(4) << std::setfill('0') << frames << ".png";
        if (!WritePng(renderer.BoardImage(), name.str(), error)) {
            return false;
        }
        ++frames;
        return true;
    };

    BoardStamps stamps(renderer);
    WinningAnimation animation(host, stamps);
    const AnimationArea area = AnimationAreaOf(options.width, options.height, 0, 0);
    if (!animation.Start(options.name, options.seconds, area,
                         AnimationTileOf(renderer.Geometry()))) {
        std::cerr << "note: \"" << options.name << "\" draws nothing\n";
        return writeFrame() ? 0 : (std::cerr << "jadewind-tool: " << error << "\n", 1);
    }
    // A frame shows every stamp made before its moment.
    std::int64_t nextFrame = 0;
    for (;;) {
        const std::optional<int> wait = animation.Resume();
        const std::int64_t until = wait ? host.now + *wait : host.now + 1;
        for (; nextFrame < until; nextFrame += kFrameMs) {
            if (!writeFrame()) {
                std::cerr << "jadewind-tool: " << error << "\n";
                return 1;
            }
        }
        if (!wait) {
            break;
        }
        host.now = until;
    }
    std::cout << animation.Pattern() << ": " << animation.Stamps() << " stamps in " << host.now
              << " ms, " << frames << " frames in " << options.out << "\n";
    return 0;
}

const Registrar kAnimate{{"animate", "NAME --seconds S --width W --height H [--set N] --out DIR",
                          "write PNG frames of a winning animation (also --game, --number, --seed)",
                          RunAnimate}};

}  // namespace
}  // namespace jw::tool
