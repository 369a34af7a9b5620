// Termination signals as close requests. A desktop that logs out or shuts
// down sends SIGTERM; a terminal sends SIGINT or SIGHUP. Each becomes a call
// of `onSignal` on the event loop, so that the game closes as when its
// window is closed (holding a game in progress) instead of dying with it.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace jw {

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    // Catches SIGTERM, SIGINT and SIGHUP until destroyed (then their
    // previous handling comes back).
    explicit TerminationSignals(std::function<void(int signal)> onSignal,
                                QObject* parent = nullptr);
    ~TerminationSignals() override;

  private:
    void Deliver();

    std::function<void(int)> onSignal;
    QSocketNotifier* notifier = nullptr;
};

}  // namespace jw
