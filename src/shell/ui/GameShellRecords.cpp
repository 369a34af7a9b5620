// The shell's part of the statistics: every finished game the engine hands
// over is booked by the recorder in the data folder, and the game-number
// dialog's previous and lost games are read from its log.
#include <QDate>
#include <QLocale>
#include <QTimer>

#include "engine/GameResult.h"
#include "layouts/GameNumberChoice.h"
#include "platform/Settings.h"
#include "records/LogQueries.h"
#include "records/Recorder.h"
#include "shell/ui/GameShell.h"

namespace jw {
namespace {

// A logged game as the dialog's grids show it: the date in the system's
// short form, empty when the record's date is not a valid one.
GameNumberRow RowOf(const LoggedGame& logged) {
    const QDate date =
        QDate::fromString(QString::fromStdString(logged.date), QStringLiteral("yyyyMMdd"));
    GameNumberRow row;
    row.number = logged.number;
    row.game = logged.game;
    row.result = logged.won ? "Won" : "Lost";
    row.date = date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat).toStdString()
                              : std::string();
    row.player = logged.player;
    return row;
}

std::vector<GameNumberRow> RowsOf(const std::vector<LoggedGame>& logged) {
    std::vector<GameNumberRow> rows;
    rows.reserve(logged.size());
    for (const LoggedGame& game : logged) {
        rows.push_back(RowOf(game));
    }
    return rows;
}

}  // namespace

Recorder& GameShell::Records() {
    if (!recorder) {
        recorder = std::make_unique<Recorder>(config->DataFolder());
        // A damaged overall score has been deleted: say so, and keep the
        // busy pointer a moment so that the reset is noticed.
        recorder->Overall().onReset = [this] {
            host.ShowMessage(MessageKind::Information, std::string(kOverallCorruptMessage),
                             MessageButtons::Ok);
            host.SetBusy(true);
            QTimer::singleShot(2000, this, [this] { host.SetBusy(false); });
        };
    }
    return *recorder;
}

void GameShell::WireRecords() {
    // The players window carries a rename into the records and clears a
    // deleted player's statistics.
    renamePlayerRecords = [this](const std::string& oldName, const std::string& newName,
                                 const std::function<void(int)>& progress) {
        const std::string failure =
            Records().RenamePlayerInRecords(oldName, newName, [&progress](std::size_t lines) {
                if (progress)
                    progress(static_cast<int>(lines));
            });
        if (!failure.empty())
            host.ShowMessage(MessageKind::Error, failure, MessageButtons::Ok);
    };
    clearPlayerStatistics = [this](const std::string& name) {
        Records().ClearStatistics({-1, true, false, name});
    };
    previousGameRows = [this] { return RowsOf(LoadPreviousGames(Records().LogPath())); };
    lostGameRows = [this](const std::string& game) {
        return RowsOf(LoadLostGames(Records().LogPath(), game));
    };
}

void GameShell::RecordFinishedGame(const GameResult& result) {
    if (!Records().RecordGame(result, Read(*settings, setting::kDisableStatistics))) {
        host.ShowMessage(MessageKind::Error, "Write error on file", MessageButtons::Ok);
    }
}

}  // namespace jw
