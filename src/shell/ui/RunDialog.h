// How the shell shows its modal windows: modally for the player, or handed
// to the answerer that plays the player in the window tests.
#pragma once

#include <functional>

namespace jw {

// Shows a dialog modally, or shows it and hands it to the answerer; what the
// answerer leaves open is cancelled.
template <typename Dialog>
void RunDialog(Dialog& dialog, const std::function<void(Dialog&)>& answerer) {
    if (!answerer) {
        dialog.exec();
        return;
    }
    dialog.show();
    answerer(dialog);
    if (dialog.isVisible()) {
        dialog.reject();
    }
}

}  // namespace jw
