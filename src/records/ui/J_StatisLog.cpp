#include "records/ui/J_StatisLog.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/StatisticsViews.h"

namespace jw {

namespace {

enum Column { kGameColumn = 3, kNumberColumn = 16, kColumns = 18 };

QComboBox* NameBox(QWidget* parent, std::string_view all, const std::vector<std::string>& names,
                   const std::string& chosen) {
    auto* box = new QComboBox(parent);
    box->addItem(QString::fromUtf8(all.data(), static_cast<int>(all.size())));
    for (const std::string& name : names)
        box->addItem(QString::fromStdString(name));
    box->setCurrentIndex(
        chosen.empty() ? 0 : std::max(0, box->findText(QString::fromStdString(chosen))));
    return box;
}

QTableWidgetItem* NumberItem(std::int64_t value) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, static_cast<qlonglong>(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

TfrmJStatisLog::TfrmJStatisLog(StatisLogSetup setupIn, QWidget* parent)
    : QDialog(parent), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJStatisLog"));
    setWindowTitle(QStringLiteral("Log statistics"));
    setProperty("helpTopic", QStringLiteral("html/windows/statistics.htm"));
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    playerBox = NameBox(this, kAllPlayers, setup.players, setup.player);
    playerBox->setObjectName(QStringLiteral("cboPlayer"));
    gameBox = NameBox(this, kAllGames, setup.games, setup.game);
    gameBox->setObjectName(QStringLiteral("cboGame"));
    auto* playerLabel = new QLabel(QStringLiteral("&Player:"), this);
    playerLabel->setBuddy(playerBox);
    auto* gameLabel = new QLabel(QStringLiteral("&Game:"), this);
    gameLabel->setBuddy(gameBox);
    browseBox = new QComboBox(this);
    browseBox->setObjectName(QStringLiteral("cboBrowse"));
    browseBox->addItems({QStringLiteral("Last records (fast)"), QStringLiteral("All records")});
    auto* browseLabel = new QLabel(QStringLiteral("&Browse:"), this);
    browseLabel->setBuddy(browseBox);
    top->addWidget(playerLabel);
    top->addWidget(playerBox, 1);
    top->addWidget(gameLabel);
    top->addWidget(gameBox, 2);
    top->addWidget(browseLabel);
    top->addWidget(browseBox);
    // Only a long log is read in part.
    const bool longLog = EstimateLogRecords(setup.logPath) > kFastLogRecords;
    browseLabel->setVisible(longLog);
    browseBox->setVisible(longLog);
    outer->addLayout(top);

    grid = new QTableWidget(0, kColumns, this);
    grid->setObjectName(QStringLiteral("grdLog"));
    grid->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Start"), QStringLiteral("Time"),
         QStringLiteral("Game"), QStringLiteral("W/L"), QStringLiteral("Score"),
         QStringLiteral("Tiles Left"), QStringLiteral("Shuffles"), QStringLiteral("Sugg. Move"),
         QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("Score Shuffles"),
         QStringLiteral("Score Sugg. Move"), QStringLiteral("Score Undo"),
         QStringLiteral("Score Redo"), QStringLiteral("Player"), QStringLiteral("Game number"),
         QStringLiteral("Game type")});
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    outer->addWidget(grid, 1);

    auto* bottom = new QHBoxLayout;
    count = new QLabel(this);
    count->setObjectName(QStringLiteral("lblRecords"));
    bottom->addWidget(new QLabel(QStringLiteral("Records shown:"), this));
    bottom->addWidget(count);
    bottom->addStretch(1);
    playButton = new QPushButton(QStringLiteral("Play the &selected game"), this);
    playButton->setObjectName(QStringLiteral("btnPlay"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setDefault(true);
    bottom->addWidget(playButton);
    bottom->addWidget(close);
    outer->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(playButton, &QPushButton::clicked, this, [this] { PlaySelected(); });
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this] { PlaySelected(); });
    for (QComboBox* box : {playerBox, gameBox, browseBox})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
    connect(grid, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = grid->currentRow();
        playButton->setEnabled(static_cast<bool>(setup.playGame) && row >= 0 &&
                               grid->item(row, kGameColumn) != nullptr &&
                               !grid->item(row, kGameColumn)->text().isEmpty());
    });
    resize(900, 480);
    Reload();
}

void TfrmJStatisLog::Reload() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<LogRow> rows = ReadLogRows(
        setup.logPath, gameBox->currentText().toStdString(), playerBox->currentText().toStdString(),
        !browseBox->isVisible() || browseBox->currentIndex() == 0);
    grid->setSortingEnabled(false);
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    const QLocale locale = QLocale::system();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const LogRow& row = rows[static_cast<std::size_t>(r)];
        const QDate date =
            QDate::fromString(QString::fromStdString(row.date), QStringLiteral("yyyyMMdd"));
        int c = 0;
        const auto text = [&](const QString& value) {
            grid->setItem(r, c++, new QTableWidgetItem(value));
        };
        const auto number = [&](std::int64_t value) { grid->setItem(r, c++, NumberItem(value)); };
        text(date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString());
        text(QString::fromStdString(row.start));
        text(QString::fromStdString(row.time));
        text(QString::fromStdString(row.game));
        text(row.won ? QStringLiteral("Won") : QStringLiteral("Lost"));
        number(row.score);
        number(row.tilesLeft);
        number(row.shuffles);
        number(row.suggested);
        number(row.undos);
        number(row.redos);
        number(row.shufflePenalty);
        number(row.suggestPenalty);
        number(row.undoPenalty);
        number(row.redoPenalty);
        text(QString::fromStdString(row.player));
        text(QString::fromStdString(row.number));
        text(QString::fromStdString(row.gameType));
    }
    grid->setSortingEnabled(true);
    grid->resizeColumnsToContents();
    count->setNum(static_cast<int>(rows.size()));
    if (!rows.empty())
        grid->selectRow(0);
    playButton->setEnabled(!rows.empty() && static_cast<bool>(setup.playGame));
    QApplication::restoreOverrideCursor();
}

void TfrmJStatisLog::PlaySelected() {
    const int row = grid->currentRow();
    if (row < 0 || !setup.playGame || grid->item(row, kGameColumn) == nullptr)
        return;
    const std::string game = grid->item(row, kGameColumn)->text().toStdString();
    const std::string number = grid->item(row, kNumberColumn)->text().toStdString();
    hide();
    if (setup.playGame(game, number)) {
        started = true;
        accept();
    } else {
        show();
    }
}

}  // namespace jw
