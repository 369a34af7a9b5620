#include "engine/GameClock.h"

#include <cstdio>

#include "engine/FixedText.h"
#include "platform/Host.h"

namespace jw {

namespace {

constexpr std::int64_t kLastSecondOfDayMs = ((23 * 60 + 59) * 60 + 59) * 1000LL;

}  // namespace

std::int64_t MillisecondsOfDay(int hour, int minute, int second, int millisecond) {
    return ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
}

std::string FormatClock(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

int ElapsedSecondsOfText(std::string_view clockText) {
    const std::string_view tail =
        Trim(clockText.size() > 7 ? clockText.substr(clockText.size() - 7) : clockText);
    if (tail.empty() || tail == "Time:") {
        return 0;
    }
    const std::size_t first = tail.find(':');
    const std::size_t second = first == std::string_view::npos ? first : tail.find(':', first + 1);
    if (second == std::string_view::npos) {
        return 0;
    }
    const auto hours = ParseInteger(tail.substr(0, first));
    const auto minutes = ParseInteger(tail.substr(first + 1, second - first - 1));
    const auto seconds = ParseInteger(tail.substr(second + 1));
    if (!hours || !minutes || !seconds || *hours < 0 || *minutes < 0 || *minutes > 59 ||
        *seconds < 0 || *seconds > 59) {
        return 0;
    }
    return static_cast<int>(*hours * 3600 + *minutes * 60 + *seconds);
}

std::int64_t GameClock::NowMs() {
    const LocalTime now = host.Now();
    return MillisecondsOfDay(now.hour, now.minute, now.second, now.millisecond);
}

void GameClock::Start() {
    startMs = NowMs();
    running = true;
    paused = false;
    text = "0:00:00";
}

void GameClock::Stop() {
    if (running) {
        Text();
    }
    running = false;
    paused = false;
}

void GameClock::Pause() {
    if (!running) {
        return;
    }
    pausedAtMs = ElapsedMs();
    text = FormatClock(pausedAtMs / 1000);
    running = false;
    paused = true;
}

void GameClock::Resume() {
    if (!paused) {
        return;
    }
    // The start moves so that the time already played is kept; a start
    // before midnight is negative.
    startMs = NowMs() - pausedAtMs;
    running = true;
    paused = false;
}

std::int64_t GameClock::ElapsedMs() {
    const std::int64_t now = NowMs();
    return now >= startMs ? now - startMs : (kLastSecondOfDayMs - startMs) + now;
}

void GameClock::SetElapsed(std::int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    startMs = NowMs() - seconds * 1000;
    running = true;
    paused = false;
    text = FormatClock(seconds);
}

void GameClock::SetElapsedText(std::string_view seconds) {
    const auto value = ParseInteger(seconds);
    SetElapsed(value ? *value : 0);
}

std::string GameClock::Text() {
    if (running) {
        text = FormatClock(ElapsedMs() / 1000);
    }
    return text;
}

}  // namespace jw
