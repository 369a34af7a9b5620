// The game's Host on Qt: message boxes, advice windows, timed continuations
// that keep the window responsive, the clocks, the random generator and the screen.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <functional>
#include <memory>

#include "platform/Host.h"

class QWidget;

namespace jw {

class TfrmJOpenGame;
class TfrmJSelectGameNumber;
class TfrmJStatistics;
class TfrmJStatisLog;
class TfrmJLayoutManager;
class TfrmJLayoutSave;
class TfrmJLayoutOptions;

class QtHost : public Host {
  public:
    QtHost();

    // The window that owns the message boxes (may change during the run).
    void SetOwner(QWidget* owner) { this->owner = owner; }

    // Sound playback is handed to the sound player once it exists.
    std::function<void(const std::string&)> soundPlayer;
    std::function<void()> soundStopper;
    // Answers message boxes instead of the player when set (tests drive the
    // real window with it); also records what was asked.
    std::function<MessageAnswer(MessageKind, const std::string&, MessageButtons)> answerer;
    // Refresh requests, connected by the main window.
    std::function<void()> onRefreshStatusBar;
    std::function<void()> onRefreshTitle;
    std::function<void()> onRefreshMenus;
    std::function<void()> onRefreshBoard;
    // Follows every continuation of After(), so that the window shows what
    // it changed.
    std::function<void()> onWaitOver;

    MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                              MessageButtons buttons) override;
    AdviceAnswer ShowAdviceWindow(const std::string& text, int picture) override;
    AdviceAnswer ConfirmAdviceWindow(const std::string& text, bool cancelWanted) override;
    // A single-shot timer of this host's: the continuation never runs once
    // the host is gone.
    void After(int milliseconds, std::function<void()> then) override;
    void Beep() override;
    LocalTime Now() override;
    std::int64_t MonotonicMs() override;
    int Random(int range) override;
    ScreenInfo Screen() override;
    void SetBusy(bool busy) override;
    void PlaySound(const std::string& name) override;
    void StopSound() override;
    void RefreshStatusBar() override;
    void RefreshTitle() override;
    void RefreshMenus() override;
    void RefreshBoard() override;
    NoMoreMatchesChoice ShowNoMoreMatches() override;
    void ShowMemoryUpTotals(const MemoryUpTotals& totals) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    HoldAndExitChoice ShowHoldAndExit() override;
    std::string DocumentsFolder() override;

    // Answers the engine's own windows instead of the player when set.
    std::function<NoMoreMatchesChoice()> noMoreMatchesAnswerer;
    std::function<HoldAndExitChoice()> holdAndExitAnswerer;
    // Answer the open-game and game-number dialogs instead of the player when
    // set: the dialog is shown without a loop of its own and handed over,
    // ready; what the answerer leaves open is cancelled.
    std::function<void(TfrmJOpenGame&)> openGameAnswerer;
    std::function<void(TfrmJSelectGameNumber&)> gameNumberAnswerer;
    std::function<void(TfrmJStatistics&)> statisticsAnswerer;
    std::function<void(TfrmJStatisLog&)> statisticsLogAnswerer;
    std::function<void(TfrmJLayoutManager&)> layoutManagerAnswerer;
    std::function<void(TfrmJLayoutSave&)> layoutNameAnswerer;
    std::function<void(TfrmJLayoutOptions&)> layoutOptionsAnswerer;

  private:
    QWidget* owner = nullptr;
    std::unique_ptr<QObject> timers;  // the context of the After() timers
    QElapsedTimer monotonic;
    QRandomGenerator random;
};

// Turns the game's carriage returns into line breaks for Qt's labels.
QString MessageText(const std::string& text);

}  // namespace jw
