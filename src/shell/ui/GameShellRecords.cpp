// The shell's part of the statistics: every finished game the engine hands
// over is booked by the recorder in the data folder.
#include "engine/GameResult.h"
#include "platform/Settings.h"
#include "records/Recorder.h"
#include "shell/ui/GameShell.h"

namespace jw {

void GameShell::RecordFinishedGame(const GameResult& result) {
    if (!recorder)
        recorder = std::make_unique<Recorder>(config->DataFolder());
    if (!recorder->RecordGame(result, Read(*settings, setting::kDisableStatistics))) {
        host.ShowMessage(MessageKind::Error, "Write error on file", MessageButtons::Ok);
    }
}

}  // namespace jw
