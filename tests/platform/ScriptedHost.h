// A Host for tests: records everything the code under test asks of the
// outside world and answers from scripts.
//
// - Messages are recorded (kind, text, buttons) and answered from `answers`;
//   when the queue is empty the answer is Ok for OK and OK/Cancel boxes and
//   Yes for Yes/No and Yes/No/Cancel boxes.
// - Advice windows are recorded and answered from `adviceAnswers` (default:
//   OK, box not ticked).
// - The clocks stand still unless a test moves them. After() records the time
//   asked for in `waits` and queues its continuation; Elapse() and
//   RunWaits() let the time pass and run what falls due, moving the
//   monotonic clock along when `waitAdvancesClock` is set. A test can so look
//   at the state during a wait and after it.
// - Random() draws from a std::mt19937 seeded with a fixed value (see
//   SeedRandom), or from `randomValues` while that queue is not empty.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace jw::test {

struct RecordedMessage {
    MessageKind kind;
    std::string text;
    MessageButtons buttons;
};

struct RecordedAdvice {
    bool confirmation = false;  // ConfirmAdviceWindow rather than ShowAdviceWindow
    std::string text;
    int picture = 0;            // ShowAdviceWindow only
    bool cancelWanted = false;  // ConfirmAdviceWindow only
};

class ScriptedHost : public Host {
  public:
    static constexpr std::uint32_t kDefaultSeed = 20070101u;

    ScriptedHost();

    MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                              MessageButtons buttons) override;
    AdviceAnswer ShowAdviceWindow(const std::string& text, int picture) override;
    AdviceAnswer ConfirmAdviceWindow(const std::string& text, bool cancelWanted) override;

    void After(int milliseconds, std::function<void()> then) override;
    void Beep() override { ++beeps; }

    LocalTime Now() override { return now; }
    std::int64_t MonotonicMs() override { return monotonicMs; }
    // A value in 0 .. range-1 (0 when range < 1): the next scripted value
    // reduced modulo range, else the generator's next output modulo range.
    int Random(int range) override;

    ScreenInfo Screen() override { return screen; }
    void SetBusy(bool value) override;

    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void StopSound() override { ++soundStops; }

    void RefreshStatusBar() override { ++statusBarRefreshes; }
    void RefreshTitle() override { ++titleRefreshes; }
    void RefreshMenus() override { ++menuRefreshes; }
    void RefreshBoard() override { ++boardRefreshes; }

    // The "No more matches" window answers from `noMoreMatchesAnswers`
    // (Close when empty); the Memory-Up totals are recorded.
    NoMoreMatchesChoice ShowNoMoreMatches() override;
    void ShowMemoryUpTotals(const MemoryUpTotals& totals) override {
        memoryUpTotals.push_back(totals);
    }
    // The file dialogs are recorded and answered from `fileAnswers`
    // (cancelled when empty); the hold-and-exit window answers from
    // `holdAndExitAnswers` (Cancel when empty).
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    HoldAndExitChoice ShowHoldAndExit() override;
    std::string DocumentsFolder() override { return documentsFolder; }

    // Lets `milliseconds` pass, running in order of due time every queued
    // continuation that falls due, also those queued meanwhile.
    void Elapse(int milliseconds);
    // Lets time pass until nothing is queued any more.
    void RunWaits();
    // The continuations still queued.
    std::size_t PendingWaits() const { return pending.size(); }

    // Restarts the random generator with `seed`.
    void SeedRandom(std::uint32_t seed) { generator.seed(seed); }
    // The texts of all recorded messages, in order.
    std::vector<std::string> MessageTexts() const;

    // Scripts.
    std::deque<MessageAnswer> answers;
    std::deque<AdviceAnswer> adviceAnswers;
    std::deque<int> randomValues;
    std::deque<NoMoreMatchesChoice> noMoreMatchesAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<HoldAndExitChoice> holdAndExitAnswers;
    std::string documentsFolder;
    LocalTime now;
    std::int64_t monotonicMs = 0;
    bool waitAdvancesClock = true;
    ScreenInfo screen;

    // Records.
    std::vector<RecordedMessage> messages;
    std::vector<RecordedAdvice> advices;
    std::vector<int> waits;
    std::vector<std::string> sounds;
    std::vector<bool> busyChanges;
    bool busy = false;
    int beeps = 0;
    int soundStops = 0;
    int statusBarRefreshes = 0;
    int titleRefreshes = 0;
    int menuRefreshes = 0;
    int boardRefreshes = 0;
    int noMoreMatchesShown = 0;
    std::vector<MemoryUpTotals> memoryUpTotals;
    std::vector<FileDialogRequest> fileDialogs;  // save and open dialogs, in order
    int holdAndExitShown = 0;

  private:
    struct Pending {
        std::int64_t due = 0;  // on the wait clock
        std::function<void()> then;
    };
    // Runs the earliest continuation due by `until`; false when none is.
    bool RunNextDue(std::int64_t until);
    void PassTime(std::int64_t until);

    std::mt19937 generator;
    std::int64_t waitClock = 0;    // the time waits are measured on
    std::vector<Pending> pending;  // in the order queued
};

}  // namespace jw::test
