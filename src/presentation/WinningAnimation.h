// The winning animations: six patterns that throw tile pictures across the
// board when a game is won, for a number of seconds or until the player
// presses a key or a mouse button.
//
// A pattern never waits by itself. It is a coroutine that stamps tiles
// through a StampTarget and, wherever it would pause, hands back the number
// of milliseconds to wait (0: only let queued input run). Whoever drives it
// (the game window's timer, the command-line tool, a test on a scripted
// clock) calls Resume() again once that time has passed. The clock and the
// random numbers come from the Host.
#pragma once

#include <array>
#include <coroutine>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

class Host;

// The names the settings may hold, in the order the lists show them.
inline constexpr std::string_view kRandomAnimation = "(Random)";
inline constexpr std::string_view kNoAnimation = "(None)";
inline constexpr std::array<std::string_view, 6> kAnimationPatterns = {
    "Festoons", "Circles", "Lines", "Open order", "Left to right", "Up to down"};

// The space the tiles are thrown in, in board-picture pixels.
struct AnimationArea {
    int windowWidth = 0;
    int windowHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int top = 0;     // the board's top margin
    int bottom = 0;  // the client height less the big status bar when it shows
};

// The tile sizes the patterns step by.
struct AnimationTile {
    int faceWidth = 0;   // W
    int faceHeight = 0;  // H
    int depth = 0;       // D
    int TileWidth() const { return faceWidth + depth; }
    int TileHeight() const { return faceHeight + depth; }
};

// What the patterns draw on.
class StampTarget {
  public:
    virtual ~StampTarget() = default;
    // Draws the tile buffer with face `face` (1..42) with its top-left
    // corner at (x, y), on the board picture and on the window.
    virtual void Stamp(int face, int x, int y) = 0;
};

// The points of the circle pattern: the outline of a circle of diameter 300
// in a 300 x 300 square, traced clockwise from the top; every fourth point,
// at most 300 of them.
const std::vector<std::array<int, 2>>& CirclePoints();

// The fall and bounce tables of "Festoons": vertical steps and lengths of
// the 21 falling runs, and of the 65 bouncing runs for a bounce length S
// (2 or 3).
struct FestoonRun {
    int step = 0;
    int length = 0;
};
std::array<FestoonRun, 21> FestoonFall();
std::array<FestoonRun, 65> FestoonBounce(int s);

// A resumable pattern: a coroutine that yields the milliseconds to wait.
class PatternTask {
  public:
    struct promise_type {
        int wait = 0;
        PatternTask get_return_object() {
            return PatternTask(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(int milliseconds) noexcept {
            wait = milliseconds;
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept {}
    };

    PatternTask() = default;
    explicit PatternTask(std::coroutine_handle<promise_type> h) : handle(h) {}
    PatternTask(PatternTask&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    PatternTask& operator=(PatternTask&& other) noexcept;
    PatternTask(const PatternTask&) = delete;
    PatternTask& operator=(const PatternTask&) = delete;
    ~PatternTask();

    // Runs to the next wait; nothing when the pattern has ended.
    std::optional<int> Next();

  private:
    std::coroutine_handle<promise_type> handle;
};

class WinningAnimation {
  public:
    WinningAnimation(Host& host, StampTarget& target);
    WinningAnimation(const WinningAnimation&) = delete;
    WinningAnimation& operator=(const WinningAnimation&) = delete;

    // Starts `name` for `seconds`: "(Random)" picks one of the six patterns;
    // "(None)" and any other name draw nothing and return false (the
    // animation is then not running).
    bool Start(std::string_view name, int seconds, const AnimationArea& area,
               const AnimationTile& tile);
    // Runs until the pattern's next wait and returns its milliseconds, or
    // nothing when the animation has ended (it is then no longer running).
    std::optional<int> Resume();
    // Ends the animation at its next check (after the stamp or wait in
    // progress); input does this through the window's filter.
    void Stop() { running = false; }
    bool Running() const { return running; }
    // The pattern running or last run; empty for none.
    std::string_view Pattern() const { return pattern; }
    // How many tiles were stamped since the start.
    int Stamps() const { return stamps; }

  private:
    PatternTask OpenOrder();
    PatternTask LeftToRight();
    PatternTask UpToDown();
    PatternTask Lines();
    PatternTask Circles();
    PatternTask Festoons();

    // Stamps `face` on (x, y); returns whether the animation still runs.
    bool StampAt(int face, int x, int y);
    int RandomFace();
    bool TimeUp() const;

    Host& host;
    StampTarget& target;
    AnimationArea area;
    AnimationTile tile;
    PatternTask task;
    std::string_view pattern;
    std::int64_t start = 0;
    std::int64_t duration = 0;
    bool running = false;
    int stamps = 0;
};

}  // namespace jw
