// The game clock: the playing time of a game, measured from the time of day
// the Host reports, across midnight and pauses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jw {

class Host;

// Milliseconds since midnight of a time of day.
std::int64_t MillisecondsOfDay(int hour, int minute, int second, int millisecond = 0);

// A duration in whole seconds as "h:nn:ss" (hours not padded).
std::string FormatClock(std::int64_t seconds);

// Seconds of a clock text: its last 7 characters, trimmed, read as h:nn:ss;
// 0 when they are empty, read "Time:" or cannot be read. Only the last 7
// characters count, so the value is exact below ten hours.
int ElapsedSecondsOfText(std::string_view clockText);

class GameClock {
  public:
    explicit GameClock(Host& host) : host(host) {}

    // Starts counting from now (game start).
    void Start();
    // Stops the clock, keeping the time shown (end of a game).
    void Stop();
    // Pauses: notes the moment and stops counting.
    void Pause();
    // Resumes after a pause: the start moves forward by the paused time.
    void Resume();
    // Starts the clock so that `seconds` have already elapsed (a saved game).
    void SetElapsed(std::int64_t seconds);
    // As SetElapsed, from the text of a number; 0 when it is not one.
    void SetElapsedText(std::string_view seconds);

    // The elapsed time as "h:nn:ss". While the clock runs it is computed from
    // the time of day now; when the day has changed since the start, the time
    // to 23:59:59 and the time since 0:00:00 are added. When stopped the last
    // text stays.
    std::string Text();
    // Elapsed whole seconds, read back from Text().
    int ElapsedSeconds() { return ElapsedSecondsOfText(Text()); }

    bool Running() const { return running; }
    bool Paused() const { return paused; }

  private:
    std::int64_t NowMs();
    std::int64_t ElapsedMs();

    Host& host;
    std::int64_t startMs = 0;     // milliseconds of the day; may lie before midnight
    std::int64_t pausedAtMs = 0;  // time played when the pause began
    bool running = false;
    bool paused = false;
    std::string text = "0:00:00";
};

}  // namespace jw
