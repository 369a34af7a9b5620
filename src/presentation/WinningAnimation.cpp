#include "presentation/WinningAnimation.h"

#include <algorithm>

#include "platform/Host.h"

namespace jw {

namespace {

constexpr int kBasicWait = 5;
constexpr int kRowPause = 700;
constexpr int kCircleDiameter = 300;
constexpr int kCircleCorner = 150;  // half the circle, kept off the far edges
constexpr int kMaxCirclePoints = 300;

// Whether a pixel of the 300 x 300 square lies inside the circle; pixel
// centres are tested against the circle round the square's centre.
bool InsideCircle(int x, int y) {
    const int r2 = kCircleDiameter * kCircleDiameter;  // (2 r)^2, in doubled units
    const int dx = 2 * x + 1 - kCircleDiameter;
    const int dy = 2 * y + 1 - kCircleDiameter;
    return dx * dx + dy * dy <= r2;
}

// An outline pixel: inside, with a 4-neighbour outside.
bool OnOutline(int x, int y) {
    return InsideCircle(x, y) && (!InsideCircle(x - 1, y) || !InsideCircle(x + 1, y) ||
                                  !InsideCircle(x, y - 1) || !InsideCircle(x, y + 1));
}

// Whether a stamp at (x, y) is at least partly inside the client area.
bool PartlyInside(int x, int y, int w, int h, int clientWidth, int clientHeight) {
    const auto within = [](int v, int limit) { return v >= 0 && v <= limit; };
    return (within(x, clientWidth) || within(x + w, clientWidth)) &&
           (within(y, clientHeight) || within(y + h, clientHeight));
}

// The corner of a circle: a random place, moved back in front of the far
// edge when the circle would start past it.
int CircleCorner(int random, int extent) {
    return random > extent - kCircleCorner ? extent - kCircleCorner - random : random;
}

}  // namespace

const std::vector<std::array<int, 2>>& CirclePoints() {
    static const std::vector<std::array<int, 2>> points = [] {
        std::vector<std::array<int, 2>> traced;
        // The right half from the top down, then the left half from the
        // bottom up: clockwise from twelve o'clock.
        for (int y = 0; y < kCircleDiameter; ++y) {
            for (int x = kCircleDiameter / 2; x < kCircleDiameter; ++x) {
                if (OnOutline(x, y)) {
                    traced.push_back({x, y});
                    break;
                }
            }
        }
        for (int y = kCircleDiameter - 1; y >= 0; --y) {
            for (int x = kCircleDiameter / 2 - 1; x >= 0; --x) {
                if (OnOutline(x, y)) {
                    traced.push_back({x, y});
                    break;
                }
            }
        }
        std::vector<std::array<int, 2>> used;
        for (std::size_t i = 0; i < traced.size() && used.size() < kMaxCirclePoints; i += 4) {
            used.push_back(traced[i]);
        }
        return used;
    }();
    return points;
}

std::array<FestoonRun, 21> FestoonFall() {
    std::array<FestoonRun, 21> runs{};
    for (int k = 1; k <= 20; ++k) {
        runs[static_cast<std::size_t>(k)] = {2 * k + 1, k == 20 ? 100 : 2 * k + 1};
    }
    return runs;
}

std::array<FestoonRun, 65> FestoonBounce(int s) {
    std::array<FestoonRun, 65> runs{};
    std::size_t k = 0;
    // Four arcs, each falling to the ground, resting two steps and rising
    // again, lower every time; then a last run that rolls out of the window.
    for (const int height : {38, 30, 22, 14}) {
        for (int step = -height; step <= -2; step += 4) {
            runs[k++].step = step;
        }
        runs[k++].step = 0;
        runs[k++].step = 0;
        for (int step = 2; step <= height; step += 4) {
            runs[k++].step = step;
        }
    }
    runs[k].step = 0;
    // The first arc's lengths follow the throw's bounce length S.
    const std::array<int, 22> first = {0,     0,     s,     s + 1, s + 2, s + 3, s + 2, s + 1,
                                       s,     s - 1, s - 2, s - 2, s - 1, s,     s + 1, s + 2,
                                       s + 3, s + 2, s + 1, s,     0,     0};
    const std::array<int, 43> rest = {1, 3, 4, 5, 5, 4, 3, 1, 0, 0, 1, 3, 4,   5, 4,
                                      4, 3, 1, 0, 1, 3, 4, 3, 1, 0, 0, 1, 3,   4, 3,
                                      1, 0, 0, 1, 3, 4, 3, 0, 1, 3, 4, 3, 1000};
    for (std::size_t i = 0; i < first.size(); ++i) {
        runs[i].length = first[i];
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        runs[first.size() + i].length = rest[i];
    }
    return runs;
}

PatternTask& PatternTask::operator=(PatternTask&& other) noexcept {
    if (this != &other) {
        if (handle) {
            handle.destroy();
        }
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}

PatternTask::~PatternTask() {
    if (handle) {
        handle.destroy();
    }
}

std::optional<int> PatternTask::Next() {
    if (!handle || handle.done()) {
        return std::nullopt;
    }
    handle.resume();
    if (handle.done()) {
        return std::nullopt;
    }
    return handle.promise().wait;
}

WinningAnimation::WinningAnimation(Host& hostIn, StampTarget& targetIn)
    : host(hostIn), target(targetIn) {}

bool WinningAnimation::Start(std::string_view name, int seconds, const AnimationArea& areaIn,
                             const AnimationTile& tileIn) {
    task = PatternTask();
    running = false;
    pattern = {};
    stamps = 0;
    if (name == kRandomAnimation) {
        name = kAnimationPatterns[static_cast<std::size_t>(host.Random(6))];
    }
    const auto found = std::find(kAnimationPatterns.begin(), kAnimationPatterns.end(), name);
    if (found == kAnimationPatterns.end() || tileIn.faceWidth <= 0 || tileIn.faceHeight <= 0) {
        return false;
    }
    pattern = *found;
    area = areaIn;
    tile = tileIn;
    start = host.MonotonicMs();
    duration = static_cast<std::int64_t>(std::max(seconds, 0)) * 1000;
    running = true;
    switch (found - kAnimationPatterns.begin()) {
        case 0:
            task = Festoons();
            break;
        case 1:
            task = Circles();
            break;
        case 2:
            task = Lines();
            break;
        case 3:
            task = OpenOrder();
            break;
        case 4:
            task = LeftToRight();
            break;
        default:
            task = UpToDown();
            break;
    }
    return true;
}

std::optional<int> WinningAnimation::Resume() {
    const std::optional<int> wait = running ? task.Next() : std::nullopt;
    if (!wait) {
        running = false;
        task = PatternTask();
    }
    return wait;
}

bool WinningAnimation::StampAt(int face, int x, int y) {
    target.Stamp(face, x, y);
    ++stamps;
    return running;
}

int WinningAnimation::RandomFace() {
    return host.Random(42) + 1;
}

bool WinningAnimation::TimeUp() const {
    return host.MonotonicMs() >= start + duration;
}

// Tiles anywhere, as fast as they come; a short rest every fifth.
PatternTask WinningAnimation::OpenOrder() {
    const int w = tile.faceWidth;
    const int h = tile.faceHeight;
    for (int count = 1;; ++count) {
        const int y = host.Random(area.windowHeight + h / 2) - h / 2;
        const int x = host.Random(area.windowWidth + w / 2) - w / 2;
        if (!StampAt(RandomFace(), x, y) || TimeUp()) {
            co_return;
        }
        if (count % 5 == 0) {
            co_yield kBasicWait;
            if (!running) {
                co_return;
            }
        }
    }
}

// Rows of tiles from the top down, each filled from the left.
PatternTask WinningAnimation::LeftToRight() {
    int x = -tile.TileWidth();
    int y = area.top;
    for (;;) {
        if (!StampAt(RandomFace(), x, y) || TimeUp()) {
            co_return;
        }
        co_yield 15;
        if (!running) {
            co_return;
        }
        x += tile.faceWidth;
        if (x >= area.windowWidth) {
            co_yield kRowPause;
            if (!running) {
                co_return;
            }
            y += tile.faceHeight;
            x = -host.Random(tile.TileWidth()) - 5;
        }
        if (y + tile.TileHeight() >= area.windowHeight) {
            y = area.top;
            x = -host.Random(tile.TileWidth()) - 5;
        }
    }
}

// Columns of tiles from the left, each filled from the top.
PatternTask WinningAnimation::UpToDown() {
    int x = 0;
    int y = -tile.TileHeight();
    for (;;) {
        if (!StampAt(RandomFace(), x, y) || TimeUp()) {
            co_return;
        }
        co_yield 15;
        if (!running) {
            co_return;
        }
        y += tile.faceHeight;
        if (y >= area.windowHeight) {
            y = -host.Random(tile.TileHeight()) - 5;
            co_yield kRowPause;
            if (!running) {
                co_return;
            }
            x += tile.faceWidth;
        }
        if (x >= area.windowWidth) {
            x = -host.Random(tile.TileWidth()) - 5;
            y = -host.Random(tile.TileHeight()) - 5;
        }
    }
}

// One tile bouncing at 45 degrees off the edges of the board, a new face
// and speed at every edge.
PatternTask WinningAnimation::Lines() {
    const int w = tile.faceWidth;
    const int h = tile.faceHeight;
    int x = host.Random(area.windowWidth);
    if (x + w > area.clientWidth) {
        x = area.clientWidth - w;
    }
    int y = area.top;
    // The first run goes right and down; every later one keeps the signs the
    // previous run ended with.
    int signX = 1;
    int signY = 1;
    for (;;) {
        const int speed = host.Random(8) + 4;
        int dx = speed * signX;
        int dy = speed * signY;
        const int face = RandomFace();
        if (x + dx < 1 || x + dx + w >= area.clientWidth) {
            dx = -dx;
        }
        if (y + dy <= area.top || y + dy + h >= area.bottom) {
            dy = -dy;
        }
        for (int step = 1;; ++step) {
            if (!StampAt(face, x, y)) {
                co_return;
            }
            x += dx;
            y += dy;
            if (x < 1 || x + w >= area.clientWidth || y <= area.top || y + h >= area.bottom) {
                // A board too small to move in still lets time pass.
                if (step == 1) {
                    co_yield kBasicWait;
                    if (!running) {
                        co_return;
                    }
                }
                break;
            }
            co_yield step % 2 == 0 ? 10 + kBasicWait : kBasicWait;
            if (!running) {
                co_return;
            }
        }
        signX = dx < 0 ? -1 : 1;
        signY = dy < 0 ? -1 : 1;
        if (TimeUp()) {
            co_return;
        }
    }
}

// Circles of one face each, traced clockwise from the top.
PatternTask WinningAnimation::Circles() {
    const std::vector<std::array<int, 2>>& points = CirclePoints();
    for (;;) {
        const int cy = CircleCorner(host.Random(area.clientHeight), area.clientHeight);
        const int cx = CircleCorner(host.Random(area.clientWidth), area.clientWidth);
        const int face = RandomFace();
        bool stampedAny = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const int x = cx + points[i][0];
            const int y = cy + points[i][1];
            const bool inside = PartlyInside(x, y, tile.faceWidth, tile.faceHeight,
                                             area.clientWidth, area.clientHeight);
            if (inside) {
                stampedAny = true;
                if (!StampAt(face, x, y)) {
                    co_return;
                }
            }
            if (i % 4 == 0) {
                co_yield inside ? kBasicWait : 0;
                if (!running) {
                    co_return;
                }
            }
        }
        if (!stampedAny) {
            co_yield kBasicWait;  // nothing showed: let time pass all the same
        }
        if (!running || TimeUp()) {
            co_return;
        }
    }
}

// Tiles dropped from the top that bounce along the bottom in lower and
// lower arcs while they drift sideways.
PatternTask WinningAnimation::Festoons() {
    const int w = tile.faceWidth;
    const int h = tile.faceHeight;
    const std::array<FestoonRun, 21> fall = FestoonFall();
    for (;;) {
        const int r = host.Random(10) + 1;
        const int sign = r % 2 != 0 ? -1 : 1;
        const int dx = (host.Random(5) + 3) * sign;
        const int face = RandomFace();
        int x = host.Random(area.windowWidth);
        if (x + w > area.clientWidth) {
            x = area.clientWidth - w;
        }
        int y = host.Random(40) + area.top - 50;

        bool landed = false;
        for (const FestoonRun& run : fall) {
            for (int i = 0; i <= run.length && !landed; ++i) {
                if (i % 7 != 0 && i != run.length) {
                    continue;
                }
                if (!StampAt(face, x, y)) {
                    co_return;
                }
                y += run.step;
                x += dx;
                if (i % 4 == 0) {
                    co_yield kBasicWait;
                    if (!running) {
                        co_return;
                    }
                }
                landed = y + h >= area.bottom;
            }
            if (landed) {
                break;
            }
        }
        if (TimeUp()) {
            co_return;
        }

        const int t = host.Random(10) + 1;
        const std::array<FestoonRun, 65> bounce = FestoonBounce(t % 2 != 0 ? 2 : 3);
        bool gone = false;
        for (const FestoonRun& run : bounce) {
            for (int count = 0; count <= run.length && !gone; count += 2) {
                if (!StampAt(face, x, y)) {
                    co_return;
                }
                y += run.step;
                x += dx;
                if (count % 4 == 0) {
                    co_yield kBasicWait;
                    if (!running) {
                        co_return;
                    }
                }
                gone = x > area.windowWidth || x < -w;
            }
            if (gone) {
                break;
            }
        }
        co_yield 0;
        if (!running || TimeUp()) {
            co_return;
        }
    }
}

}  // namespace jw
