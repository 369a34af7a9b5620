#include "shell/ui/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace jw {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// The self-pipe: the handler only writes the signal's number into it; the
// event loop reads it. Nothing else is safe inside a signal handler.
int pipeEnds[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void WriteSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int signal)> onSignalIn, QObject* parent)
    : QObject(parent), onSignal(std::move(onSignalIn)) {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // one catcher at a time; without a pipe the signals keep their default
    }
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { Deliver(); });
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previous[i]);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous[i], nullptr);
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::Deliver() {
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1) {
        if (onSignal) {
            onSignal(byte);
        }
    }
}

}  // namespace jw
