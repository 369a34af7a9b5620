// How the window tests answer the open-game dialog that a start without a
// held game shows: OK on the game it offers (the last game chosen, or the
// first game on a fresh start).
#pragma once

#include <QPushButton>

#include "layouts/ui/J_Open_Game.h"
#include "shell/ui/QtHost.h"

namespace jw::test {

inline void AcceptOfferedGame(QtHost& host) {
    host.openGameAnswerer = [](TfrmJOpenGame& dialog) { dialog.OkButton()->click(); };
}

}  // namespace jw::test
