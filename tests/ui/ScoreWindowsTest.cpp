// The score windows driven through the running game: the hi-score window
// on its command and as the congratulation after a new hi-score.
#include <gtest/gtest.h>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <map>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <fstream>
#include "engine/Jong_class_interface.h"
#include "engine/Scoring.h"
#include "layouts/ui/J_Open_Game.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"
#include "records/ui/J_ClearValues.h"
#include "records/ui/J_GameWon.h"
#include "records/ui/J_HiScore.h"
#include "records/ui/J_StatisOverall.h"
#include "records/ui/J_Statistics.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"
#include "ui/Screenshot.h"

namespace jw {
namespace {

using test::Shot;

// What a hi-score window showed while it was up.
struct SeenHiScores {
    QString title;
    int selectedRow = -1;
    int rows = 0;
    std::vector<QString> players;
    std::vector<QString> scores;
    QString currentGame;
    bool dontShowOffered = false;
};

class ScoreWindows : public ::testing::Test {
  protected:
    ScoreWindows()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {}

    std::unique_ptr<GameShell> StartShell(bool statisticsDisabled = false) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        {
            SettingsFile stored((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
            Write(stored, setting::kSelectTilesStartup, false);
            Write(stored, setting::kDisableStatistics, statisticsDisabled);
            Write(stored, setting::kShowGameWonDialogBox, true);
            Write(stored, setting::kWinningAnimations, "(None)");
        }
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
        QtHost& host = shell->GetHost();
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons buttons) {
            asked.push_back(text);
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        };
        host.noMoreMatchesAnswerer = [] { return NoMoreMatchesChoice::Close; };
        host.holdAndExitAnswerer = [] { return HoldAndExitChoice::HoldAndExit; };
        test::AcceptOfferedGame(host);
        if (!shell->Start())
            return nullptr;
        shell->Window()->resize(1280, 900);
        QTest::qWait(100);
        shell->hiScoreAnswerer = [this](TfrmJHiScore& window) {
            QTest::qWait(20);
            SeenHiScores s;
            s.title = window.windowTitle();
            const auto selected = window.Scores()->selectionModel()->selectedRows();
            s.selectedRow = selected.isEmpty() ? -1 : selected.front().row();
            s.rows = window.Scores()->rowCount();
            for (int r = 0; r < s.rows; ++r) {
                s.players.push_back(window.Scores()->item(r, 1)->text());
                s.scores.push_back(window.Scores()->item(r, 2)->text());
            }
            s.currentGame =
                window.Games()->currentItem() ? window.Games()->currentItem()->text() : QString();
            s.dontShowOffered = window.DontShowItem()->isVisible();
            seen.push_back(s);
            Shot(window, s.selectedRow >= 0 ? "hi-scores-congratulation" : "hi-scores");
            if (onWindow)
                onWindow(window);
        };
        return shell;
    }

    // Removes one free pair through the engine, as two clicks would.
    static bool RemoveAPair(TMahJong_interface& engine) {
        std::map<MatchGroup, BoardPos> free;
        for (int level = 1; level <= kTileLevels; ++level)
            for (int column = 1; column < kBoardColumns; ++column)
                for (int row = 1; row < kBoardRows; ++row) {
                    const CellCode code = engine.board.At(level, column, row);
                    if (!IsAnchor(code) || !engine.IsTileFree(level, column, row, false))
                        continue;
                    const BoardPos pos{level, column, row};
                    const auto [found, fresh] = free.emplace(engine.MatchGroupOfTile(code), pos);
                    if (!fresh) {
                        const BoardPos first = found->second;
                        const int before = engine.counters.matchesMade;
                        engine.PickTile(first.level, first.column, first.row,
                                        engine.board.At(first.level, first.column, first.row));
                        engine.PickTile(level, column, row, code);
                        return engine.counters.matchesMade == before + 1;
                    }
                }
        return false;
    }

    // Books one game as lost: a pair removed, then a new deal.
    static void BookAGame(GameShell& shell) {
        ASSERT_TRUE(RemoveAPair(*shell.Engine()));
        shell.Window()->Action(CommandId::New)->trigger();
        QTest::qWait(50);
    }

    // Every file of the data folder with its bytes.
    std::map<std::string, std::string> DataFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Data())) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }

    // Wins the game in play after one pair: what the last pair does.
    static void WinTheGame(GameShell& shell) {
        TMahJong_interface& engine = *shell.Engine();
        ASSERT_TRUE(RemoveAPair(engine));
        engine.play.won = true;
        engine.board.tilesLeft = 0;
        engine.EndGame();
        QTest::qWait(600);  // the celebration
    }

    std::filesystem::path Data() const { return folder.Path() / "data" / "Jadewind"; }

    // Opens the clear-values window from the hi-score window's pop-up item;
    // `inside` plays the player in the clearing windows.
    void ClearFromHiScores(GameShell& shell, std::function<void(QDialog&)> inside) {
        shell.clearWindowsAnswerer = std::move(inside);
        onWindow = [this](TfrmJHiScore& window) {
            window.ClearValues();
            afterClear.clear();
            for (int r = 0; r < window.Scores()->rowCount(); ++r)
                afterClear.push_back(window.Scores()->item(r, 1)->text());
        };
        shell.Window()->Action(CommandId::HiScores)->trigger();
        onWindow = nullptr;
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
    std::vector<SeenHiScores> seen;
    std::function<void(TfrmJHiScore&)> onWindow;
    std::vector<QString> afterClear;  // the players column after clearing
};

TEST_F(ScoreWindows, HiScoresCommandShowsTheCurrentGamesSeededTable) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const std::string game = shell->Engine()->catalog.NameOf(shell->Engine()->gameId);
    shell->Window()->Action(CommandId::HiScores)->trigger();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, QString::fromStdString("Hi-Scores [" + game + "]"));
    EXPECT_EQ(seen[0].currentGame, QString::fromStdString(game));
    EXPECT_EQ(seen[0].rows, 20);
    EXPECT_EQ(seen[0].selectedRow, -1);
    EXPECT_FALSE(seen[0].dontShowOffered);
    // A table never played is seeded: invented players, best first.
    EXPECT_TRUE(seen[0].players[0].startsWith(QStringLiteral("* ")));
    EXPECT_EQ(seen[0].scores[0], QStringLiteral("50"));
    EXPECT_EQ(seen[0].scores[19], QStringLiteral("1"));
    EXPECT_TRUE(asked.empty());
}

TEST_F(ScoreWindows, DisabledStatisticsAnswerTheCommandWithAMessage) {
    auto shell = StartShell(true);
    ASSERT_NE(shell, nullptr);
    shell->Window()->Action(CommandId::HiScores)->trigger();
    EXPECT_TRUE(seen.empty());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("The Statistics are disabled."), std::string::npos);
}

TEST_F(ScoreWindows, ANewHiScoreOpensTheCongratulationOnItsRowUntilSwitchedOff) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const GameId id = engine.gameId;
    const std::string game = engine.catalog.NameOf(id);
    ASSERT_TRUE(RemoveAPair(engine));
    const std::int64_t score = DisplayedScore(engine.counters);

    // A table of five better and five worse results than the game's.
    Recorder other(shell->DataFolder());
    ASSERT_TRUE(other.ClearHiScores(
        ClearScope{.gameId = -1, .allGames = true, .allPlayers = true, .player = {}}));
    for (int i = 0; i < 10; ++i) {
        GameResult r;
        r.gameId = id;
        r.player = i < 5 ? "Above" : "Below";
        r.scoreType = "01";
        r.score = i < 5 ? score + 100 : score - 100;
        r.elapsed = 10;
        r.end = {2007, 1, 2, 3, 4, 5, 0};
        ASSERT_GE(other.OfferHiScore(r), 0);
    }

    onWindow = [](TfrmJHiScore& window) { window.DontShowItem()->trigger(); };
    shell->Window()->Action(CommandId::New)->trigger();  // books the game as lost
    QTest::qWait(50);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, QString::fromStdString("Congratulations! Your score has made the \"" +
                                                    game + "\" Hi-Scores list!"));
    EXPECT_EQ(seen[0].selectedRow, 5);
    EXPECT_EQ(seen[0].scores[5], QString::number(score));
    EXPECT_EQ(seen[0].players[4], QStringLiteral("Above"));
    EXPECT_EQ(seen[0].players[6], QStringLiteral("Below"));
    EXPECT_TRUE(seen[0].dontShowOffered);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("will not open again"), std::string::npos);

    // Switched off: the next hi-score enters the table without a window.
    onWindow = nullptr;
    ASSERT_TRUE(RemoveAPair(engine));
    shell->Window()->Action(CommandId::New)->trigger();
    QTest::qWait(50);
    EXPECT_EQ(seen.size(), 1u);
    const auto table = other.LoadHiScores(id, {2007, 1, 2, 3, 4, 5, 0}, false);
    int mine = 0;
    for (const std::string& entry : table)
        mine += entry.find("Above") == std::string::npos &&
                entry.find("Below") == std::string::npos && entry[0] != ' ';
    EXPECT_EQ(mine, 2);
}

TEST_F(ScoreWindows, AllValuesNeedTwoYesAnswersAndANoChangesNoFile) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    BookAGame(*shell);
    ASSERT_TRUE(std::filesystem::file_size(Data() / "Stat_log.dat") > 0);
    std::vector<MessageAnswer> answers;
    shell->GetHost().answerer = [&](MessageKind, const std::string& text, MessageButtons) {
        asked.push_back(text);
        if (answers.empty())
            return MessageAnswer::Ok;
        const MessageAnswer next = answers.front();
        answers.erase(answers.begin());
        return next;
    };
    bool refused = false;
    bool closedAfterYes = false;
    QString description;
    ClearFromHiScores(*shell, [&](QDialog& dialog) {
        auto& window = dynamic_cast<TfrmJClearValues&>(dialog);
        EXPECT_EQ(window.Choice(), ClearChoice::All);
        description = window.Description();
        Shot(window, "clear-values");
        const auto before = DataFiles();
        answers = {MessageAnswer::Yes, MessageAnswer::No};
        window.Ok();
        refused = window.isVisible() && DataFiles() == before;
        answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        window.Ok();
        closedAfterYes = !window.isVisible();
    });
    EXPECT_TRUE(refused);
    EXPECT_TRUE(closedAfterYes);
    EXPECT_TRUE(description.startsWith(QStringLiteral("This will clear all values")));
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0], std::string(kClearAllQuestion));
    EXPECT_EQ(asked[1], std::string(kClearAllWarning));
    EXPECT_EQ(asked[4], std::string(kAllClearedMessage));
    // Cleared: no log records, and the refreshed table stays empty, unseeded.
    const auto log = ReadLines((Data() / "Stat_log.dat").string(), 1 << 20);
    EXPECT_TRUE(!log.has_value() || log->empty());
    ASSERT_EQ(afterClear.size(), 20u);
    EXPECT_EQ(afterClear[0], QString());
}

TEST_F(ScoreWindows, ClearLogBoxFollowsTheLogsSize) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    for (const int records : {3000, 12000}) {
        SCOPED_TRACE(records);
        {
            std::ofstream log(Data() / "Stat_log.dat", std::ios::binary);
            for (int i = 0; i < records; ++i)
                log << std::string(254, i == records - 1 ? 'z' : 'a') << "\r\n";
        }
        int start = -1;
        bool okAtStart = false;
        bool okBelow = false;
        bool okAtZero = true;
        std::size_t counted = 0;
        ClearFromHiScores(*shell, [&](QDialog& dialog) {
            if (auto* values = dynamic_cast<TfrmJClearValues*>(&dialog)) {
                values->Choose(ClearChoice::Log);
                values->Ok();
                return;
            }
            auto& window = dynamic_cast<TfrmJStatisDeleteLog&>(dialog);
            counted = window.Records();
            if (records > 5000)
                Shot(window, "clear-log");
            start = window.Keep()->value();
            okAtStart = window.OkButton()->isEnabled();
            window.Keep()->setValue(0);
            okAtZero = window.OkButton()->isEnabled();
            window.Keep()->setValue(records - 1);
            okBelow = window.OkButton()->isEnabled();
            if (records > 5000) {
                window.Keep()->setValue(5000);
                window.Ok();
            }
        });
        EXPECT_EQ(counted, static_cast<std::size_t>(records));
        EXPECT_EQ(start, std::min(records, 5000));
        EXPECT_EQ(okAtStart, records > 5000);
        EXPECT_FALSE(okAtZero);
        EXPECT_TRUE(okBelow);
        const auto lines = ReadLines((Data() / "Stat_log.dat").string(), 1 << 24);
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(lines->size(), records > 5000 ? 5000u : static_cast<std::size_t>(records));
        EXPECT_EQ(lines->back()[0], 'z');  // the newest records stay
    }
    EXPECT_EQ(asked.back(), "Log Statistics have been cleared.");
}

TEST_F(ScoreWindows, ClearingAllHiScoresOfAllPlayersLeavesEveryTableEmpty) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    BookAGame(*shell);
    QString caption;
    int firstPlayer = -1;
    int firstGame = -1;
    ClearFromHiScores(*shell, [&](QDialog& dialog) {
        if (auto* values = dynamic_cast<TfrmJClearValues*>(&dialog)) {
            values->Choose(ClearChoice::HiScores);
            values->Ok();
            return;
        }
        auto& window = dynamic_cast<TfrmJStatisDelete&>(dialog);
        caption = window.windowTitle();
        Shot(window, "clear-hi-scores");
        firstPlayer = window.Players()->findText(QStringLiteral("[All players]"));
        firstGame = window.Games()->findText(QStringLiteral("[All games]"));
        window.Ok();
    });
    EXPECT_EQ(caption, QStringLiteral("Clear Hi-Scores"));
    EXPECT_EQ(firstPlayer, 0);
    EXPECT_EQ(firstGame, 0);
    ASSERT_GE(asked.size(), 2u);
    EXPECT_EQ(asked[asked.size() - 2],
              "Are you sure you want to clear the Hi-Scores? for player: [All players]\r"
              "for game: [All games]?");
    EXPECT_EQ(asked.back(), "Hi-Scores have been cleared.");
    ASSERT_EQ(afterClear.size(), 20u);
    for (const QString& player : afterClear)
        EXPECT_EQ(player, QString());
    // Another game's table is not seeded any more either.
    Recorder other(shell->DataFolder());
    EXPECT_TRUE(other.HiScoresCleared());
    const auto table =
        other.LoadHiScores(shell->Engine()->gameId == 1 ? 2 : 1, {2007, 1, 2, 3, 4, 5, 0}, false);
    EXPECT_EQ(table[0][0], ' ');
}

// What the game-won window showed.
struct SeenGameWon {
    QString caption, won, lost, total, wonPercent, lostPercent;
    bool pie = false;
};

SeenGameWon Seen(const TfrmJGameWon& window) {
    return {window.GroupCaption(), window.WonText(),        window.LostText(),
            window.TotalText(),    window.WonPercentText(), window.LostPercentText(),
            window.PieShown()};
}

TEST_F(ScoreWindows, TheFirstWinShowsOneWonAndRestartDealsTheSameGameAgain) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const std::string number = engine.gameNumber;
    const int tiles = engine.board.tileCount;
    std::vector<SeenGameWon> shown;
    shell->gameWonAnswerer = [&](TfrmJGameWon& window) {
        shown.push_back(Seen(window));
        Shot(window, "game-won");
        window.Button(QStringLiteral("Restart"))->click();
    };
    WinTheGame(*shell);
    ASSERT_EQ(shown.size(), 1u);
    const std::string game = engine.catalog.NameOf(engine.gameId);
    EXPECT_EQ(shown[0].caption, QString::fromStdString("Total [" + game + "]"));
    EXPECT_EQ(shown[0].won, QStringLiteral("1"));
    EXPECT_EQ(shown[0].lost, QStringLiteral("0"));
    EXPECT_EQ(shown[0].total, QStringLiteral("1"));
    EXPECT_EQ(shown[0].wonPercent, QStringLiteral("(100%)"));
    EXPECT_EQ(shown[0].lostPercent, QStringLiteral("(0%)"));
    EXPECT_TRUE(shown[0].pie);
    // Restarted without a question: the same deal, whole again.
    EXPECT_TRUE(engine.play.playing);
    EXPECT_EQ(engine.gameNumber, number);
    EXPECT_EQ(engine.board.tilesLeft, tiles);
    EXPECT_EQ(engine.counters.matchesMade, 0);
    for (const std::string& question : asked)
        EXPECT_EQ(question.find("Restart"), std::string::npos) << question;
}

TEST_F(ScoreWindows, GameWonComesBackWhenOpenIsCancelledAndStatsRecomputes) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const GameId id = shell->Engine()->gameId;
    int opened = 0;
    shell->GetHost().openGameAnswerer = [&opened](TfrmJOpenGame&) { ++opened; };  // cancelled
    std::vector<std::pair<GameId, std::string>> statistics;
    shell->GetHost().statisticsAnswerer = [&](TfrmJStatistics& window) {
        const GameId game = window.Game();
        const std::string player = window.Player();
        statistics.emplace_back(game, player);
        // Meanwhile the player's totals change: a lost game is booked.
        Recorder other(shell->DataFolder());
        GameResult lost;
        lost.gameId = game;
        lost.player = player;
        lost.scoreType = "01";
        lost.counted = 1;
        lost.end = {2007, 1, 2, 3, 4, 5, 0};
        other.RecordGame(lost, false);
    };
    std::vector<SeenGameWon> shown;
    shell->gameWonAnswerer = [&](TfrmJGameWon& window) {
        shown.push_back(Seen(window));
        if (shown.size() == 1) {
            window.Button(QStringLiteral("Open"))->click();
            return;
        }
        window.Button(QStringLiteral("Stats"))->click();
        shown.push_back(Seen(window));
        window.Button(QStringLiteral("Close"))->click();
    };
    WinTheGame(*shell);
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(shown.size(), 3u);  // shown again after the cancelled dialog
    EXPECT_EQ(shown[1].won, QStringLiteral("1"));
    ASSERT_EQ(statistics.size(), 1u);
    EXPECT_EQ(statistics[0].first, id);
    EXPECT_EQ(statistics[0].second, shell->Engine()->playerName);
    EXPECT_EQ(shown[2].lost, QStringLiteral("1"));
    EXPECT_EQ(shown[2].total, QStringLiteral("2"));
    EXPECT_EQ(shown[2].wonPercent, QStringLiteral("(50%)"));
    EXPECT_FALSE(shell->Engine()->play.playing);
}

TEST_F(ScoreWindows, OverallStandingsRankPlayersAndOpenTheirDetailsAndExportCode) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const GameCatalog& catalog = shell->Engine()->catalog;
    const GameId first = catalog.Ids()[0];
    const GameId second = catalog.Ids()[1];
    Recorder other(shell->DataFolder());
    // Update takes the seconds, then the score.
    ASSERT_TRUE(other.Overall().Update(first, "Ann", false, 100, 500));
    ASSERT_TRUE(other.Overall().Update(second, "Ann", false, 3700, 300));
    ASSERT_TRUE(other.Overall().Update(first, "Bob", false, 200, 400));

    QStringList rows;
    bool enabledOnPlayer = false;
    bool enabledOnEmptyRow = true;
    QString detailsTitle, detailsScore, detailsTime, detailsSecond;
    QString code;
    bool codeSelected = false;
    shell->overallAnswerer = [&](QDialog& dialog) {
        if (auto* standings = dynamic_cast<TfrmJStatisOverall*>(&dialog)) {
            for (int r = 0; r < 3; ++r) {
                QStringList cells;
                for (int c = 0; c < 4; ++c) {
                    QTableWidgetItem* item = standings->Grid()->item(r, c);
                    cells << (item ? item->text() : QString());
                }
                rows << cells.join(QLatin1Char('|'));
            }
            Shot(*standings, "overall-score");
            standings->Grid()->selectRow(5);
            enabledOnEmptyRow = standings->DetailsButton()->isEnabled();
            standings->Grid()->selectRow(0);
            enabledOnPlayer =
                standings->DetailsButton()->isEnabled() && standings->PublishButton()->isEnabled();
            standings->DetailsButton()->click();
            standings->PublishButton()->click();
        } else if (auto* details = dynamic_cast<TfrmJStatisOverallDetails*>(&dialog)) {
            detailsTitle = details->windowTitle();
            detailsScore = details->OverallScoreText();
            detailsTime = details->OverallTimeText();
            const auto found = details->Grid()->findItems(
                QString::fromStdString(catalog.NameOf(second)), Qt::MatchExactly);
            if (!found.isEmpty())
                detailsSecond = details->Grid()->item(found.front()->row(), 2)->text();
        } else if (auto* publish = dynamic_cast<TfrmJStatisOverallInternet1*>(&dialog)) {
            Shot(*publish, "overall-publish");
            code = publish->Code()->text();
            codeSelected = publish->Code()->selectedText() == code;
        }
    };
    shell->Window()->Action(CommandId::OverallScore)->trigger();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringLiteral("1|Ann|800|01:03:20"));
    EXPECT_EQ(rows[1], QStringLiteral("2|Bob|400|00:03:20"));
    EXPECT_EQ(rows[2], QStringLiteral("|||"));
    EXPECT_TRUE(enabledOnPlayer);
    EXPECT_FALSE(enabledOnEmptyRow);
    EXPECT_EQ(detailsTitle, QStringLiteral("Overall score details [Ann]"));
    EXPECT_EQ(detailsScore, QStringLiteral("800"));
    EXPECT_EQ(detailsTime, QStringLiteral("01:03:20"));
    EXPECT_EQ(detailsSecond, QStringLiteral("1:01:40"));
    EXPECT_TRUE(codeSelected);
    const auto decoded = DecodeOverallExportCode(code.toStdString());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->player, "Ann");
    EXPECT_TRUE(decoded->checksumValid);
}

TEST_F(ScoreWindows, PlayThisGameStartsTheChosenGameAndClosesTheStandings) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const GameId chosen = engine.gameId;
    const std::string number = engine.gameNumber;
    Recorder other(shell->DataFolder());
    ASSERT_TRUE(other.Overall().Update(chosen, "Ann", false, 60, 90));
    bool started = false;
    bool standingsOpenAfter = true;
    TfrmJStatisOverall* standings = nullptr;
    shell->overallAnswerer = [&](QDialog& dialog) {
        if (auto* window = dynamic_cast<TfrmJStatisOverall*>(&dialog)) {
            standings = window;
            window->DetailsButton()->click();
            standingsOpenAfter = window->isVisible();
        } else if (auto* details = dynamic_cast<TfrmJStatisOverallDetails*>(&dialog)) {
            const auto found = details->Grid()->findItems(
                QString::fromStdString(engine.catalog.NameOf(chosen)), Qt::MatchExactly);
            ASSERT_FALSE(found.isEmpty());
            details->Grid()->setCurrentCell(found.front()->row(), 0);
            started = details->PlaySelected();
        }
    };
    shell->Window()->Action(CommandId::OverallScore)->trigger();
    ASSERT_NE(standings, nullptr);
    EXPECT_TRUE(started) << (asked.empty() ? std::string() : asked.back());
    EXPECT_FALSE(standingsOpenAfter);
    EXPECT_EQ(engine.gameId, chosen);
    EXPECT_NE(engine.gameNumber, number);  // a new deal
    EXPECT_EQ(engine.playerName, "Ann");
    EXPECT_TRUE(engine.play.playing);
}

}  // namespace
}  // namespace jw
