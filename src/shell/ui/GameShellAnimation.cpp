// The game window's winning animation: the celebration of a won game, and a
// close request while it runs.
#include <QTimer>

#include "engine/Jong_class_interface.h"
#include "platform/Settings.h"
#include "presentation/BoardRenderer.h"
#include "records/SettingsFile.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/WinAnimation.h"

namespace jw {

namespace {
// The pause between the last match and the celebration.
constexpr int kWinDelayMs = 200;
}  // namespace

void GameShell::CelebrateWin(std::function<void()> playWonSound, std::function<void(bool)> done) {
    if (!winAnimation) {
        winAnimation = std::make_unique<WinAnimation>(host, *renderer);
    }
    const BoardView& view = *window->Board();
    WinAnimation::Request request;
    request.name = Read(*settings, setting::kWinningAnimations);
    request.seconds = Read(*settings, setting::kWinningAnimationsTime);
    request.delayMs = kWinDelayMs;
    request.area = AnimationAreaOf(view.width(), view.height(), renderer->Grid().TopMargin(), 0);
    request.onStart = std::move(playWonSound);
    request.onEnd = [this, done = std::move(done)] {
        const bool closing = engine->closePending;
        done(closing);
        AfterMove();
        if (closing) {
            // The close asked for during the animation, carried out now.
            QTimer::singleShot(0, window.get(), [this] { window->close(); });
        }
    };
    winAnimation->Play(std::move(request));
}

void GameShell::PreviewWinningAnimation(const std::string& name, int seconds,
                                        std::function<void()> done) {
    if (!winAnimation) {
        winAnimation = std::make_unique<WinAnimation>(host, *renderer);
    }
    const BoardView& view = *window->Board();
    WinAnimation::Request request;
    request.name = name;
    request.seconds = seconds;
    request.area = AnimationAreaOf(view.width(), view.height(), renderer->Grid().TopMargin(), 0);
    request.onStart = [this] { engine->play.winningAnimation = true; };
    request.onEnd = [this, done = std::move(done)] {
        engine->play.winningAnimation = false;
        renderer->RedrawBoard();
        if (done) {
            done();
        }
        if (engine->closePending) {
            QTimer::singleShot(0, window.get(), [this] { window->close(); });
        }
    };
    winAnimation->Play(std::move(request));
}

bool GameShell::WinAnimationActive() const {
    return winAnimation && winAnimation->Active();
}

void GameShell::StopWinAnimation() {
    if (winAnimation) {
        winAnimation->Stop();
    }
}

}  // namespace jw
