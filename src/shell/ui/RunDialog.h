// Shows the shell's dialogs, or hands them to a test that plays the player.
#pragma once

#include <functional>

namespace jw {

// Shows a dialog modally, or hands it to the answerer that plays the player
// (tests); what the answerer leaves open is cancelled.
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
