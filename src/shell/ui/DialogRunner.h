// Shows a dialog modally, or hands it to an answerer that plays the player
// (the window tests); what the answerer leaves open is cancelled.
#pragma once

#include <functional>

namespace jw {

template <typename Dialog>
void RunOrAnswer(Dialog& dialog, const std::function<void(Dialog&)>& answerer) {
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
