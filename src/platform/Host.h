// The seam between the game's core and the outside world.
//
// Engine and records code never talk to the window system, the clock, the
// random generator or the sound device directly: they call a Host. The game
// window implements it with Qt; the tests implement it with a scripted double
// that records every message and answers from a queue.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace jw {

enum class MessageKind { Information, Warning, Confirmation, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What an advice window returned: whether it was left with OK, and whether
// the player ticked "Don't show this message box again".
struct AdviceAnswer {
    bool ok = true;
    bool dontShowAgain = false;
};

// A calendar date and time of day as the local clock shows it.
struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The choices of the "No more matches" window.
enum class NoMoreMatchesChoice { Shuffle, New, Open, Restart, Undo, EndGame, Close };

// What the Memory-Up totals window shows at the end of a face-down game.
struct MemoryUpTotals {
    bool won = false;
    int tileCount = 0;
    int pointsPerMatch = 0;  // tiles to match x 50
    int pointsPerMiss = 0;   // tiles to match x -10
    int matches = 0;
    int misses = 0;
    std::int64_t matchPoints = 0;  // matches x points per match
    std::int64_t missPoints = 0;   // misses x points per miss
    std::int64_t needed = 0;       // the score needed to win
    std::int64_t total = 0;        // the raw score
};

// A file dialog as the engine asks for it: the title, the filter as
// "Description (*.ext)|*.ext", the folder it opens in and the file name it
// proposes (empty: none).
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string folder;
    std::string fileName;
};

// The choices of the hold-and-exit window.
enum class HoldAndExitChoice { HoldAndExit, ExitWithLoss, Cancel };

struct ScreenInfo {
    int width = 1920;
    int height = 1080;
    int colorDepth = 24;
};

class Host {
  public:
    virtual ~Host() = default;

    // A modal message box with the given buttons; returns the button chosen.
    virtual MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                                      MessageButtons buttons) = 0;

    // The information window with a "Don't show again" box and a picture
    // (0 colour depth, 1 screen resolution).
    virtual AdviceAnswer ShowAdviceWindow(const std::string& text, int picture) = 0;
    // The confirmation window with a "Don't show again" box; without Cancel
    // only OK is offered.
    virtual AdviceAnswer ConfirmAdviceWindow(const std::string& text, bool cancelWanted) = 0;

    // Runs `then` once `milliseconds` have passed and returns at once; the
    // interface stays responsive meanwhile. Nothing runs when the host is
    // destroyed first.
    virtual void After(int milliseconds, std::function<void()> then) = 0;
    virtual void Beep() = 0;

    virtual LocalTime Now() = 0;
    // Milliseconds from an arbitrary start, never going backwards.
    virtual std::int64_t MonotonicMs() = 0;
    // A random integer in 0 .. range-1 (0 when range is below 1).
    virtual int Random(int range) = 0;

    virtual ScreenInfo Screen() = 0;
    virtual void SetBusy(bool busy) = 0;

    virtual void PlaySound(const std::string& name) = 0;
    virtual void StopSound() = 0;

    // Requests to refresh parts of the window after the game state changed.
    virtual void RefreshStatusBar() {}
    virtual void RefreshTitle() {}
    virtual void RefreshMenus() {}
    virtual void RefreshBoard() {}

    // The windows the engine opens. The defaults stand for a player who
    // closes them at once.
    // "There are no more matches available." with its seven choices.
    virtual NoMoreMatchesChoice ShowNoMoreMatches() { return NoMoreMatchesChoice::Close; }
    // The points of a finished Memory-Up game.
    virtual void ShowMemoryUpTotals(const MemoryUpTotals& totals) { (void)totals; }
    // The file-save and file-open dialogs; the full path of the chosen file,
    // or nothing when the dialog was cancelled.
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) {
        (void)request;
        return std::nullopt;
    }
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) {
        (void)request;
        return std::nullopt;
    }
    // "The current game is unfinished." with its three choices.
    virtual HoldAndExitChoice ShowHoldAndExit() { return HoldAndExitChoice::Cancel; }
    // The player's documents folder, ending in '/'; empty when unknown.
    virtual std::string DocumentsFolder() { return {}; }

    // Convenience: an information box with OK.
    void Inform(const std::string& text) {
        ShowMessage(MessageKind::Information, text, MessageButtons::Ok);
    }
};

}  // namespace jw
