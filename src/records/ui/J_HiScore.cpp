#include "records/ui/J_HiScore.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/SoundEvents.h"
#include "platform/Settings.h"
#include "records/HiScoreView.h"
#include "records/HiScores.h"

namespace jw {

namespace {

const char* const kColumns[] = {"N.",       "Player",    "Score", "Time",        "W/L",
                                "Shuffles", "Sugg.Move", "Date",  "Game number", "Game type"};
constexpr int kColumnCount = 10;

QString ShortDate(const std::string& yyyymmdd) {
    const QDate date =
        QDate::fromString(QString::fromStdString(yyyymmdd), QStringLiteral("yyyyMMdd"));
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : QString();
}

}  // namespace

TfrmJHiScore::TfrmJHiScore(Host& host, SettingsStore& settings, HiScoreWindowSetup setupIn,
                           QWidget* parent)
    : QDialog(parent), host(host), settings(settings), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJHiScore"));
    setWindowTitle(QStringLiteral("Hi-Scores"));
    setProperty("helpTopic", QStringLiteral("html/windows/hi_scores.htm"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    picture = new QLabel(this);
    picture->setObjectName(setup.newEntry ? QStringLiteral("imgNewScore")
                                          : QStringLiteral("imgScore"));
    const QPixmap& shown = setup.newEntry ? setup.newScorePicture : setup.scorePicture;
    if (!shown.isNull())
        picture->setPixmap(shown.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    top->addWidget(picture, 0, Qt::AlignTop);
    auto* gameColumn = new QVBoxLayout;
    auto* gameLabel = new QLabel(QStringLiteral("&Game:"), this);
    games = new QListWidget(this);
    games->setObjectName(QStringLiteral("lsbGames"));
    games->setFixedHeight(110);
    for (const std::string& name : setup.gameNames)
        games->addItem(QString::fromStdString(name));
    gameLabel->setBuddy(games);
    gameColumn->addWidget(gameLabel);
    gameColumn->addWidget(games);
    top->addLayout(gameColumn, 1);
    layout->addLayout(top);

    scores = new QTableWidget(kHiScoreEntries, kColumnCount, this);
    scores->setObjectName(QStringLiteral("slScores"));
    QStringList headers;
    for (const char* column : kColumns)
        headers << QString::fromLatin1(column);
    scores->setHorizontalHeaderLabels(headers);
    scores->verticalHeader()->hide();
    scores->horizontalHeader()->setStretchLastSection(true);
    scores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    scores->setSelectionBehavior(QAbstractItemView::SelectRows);
    scores->setSelectionMode(QAbstractItemView::SingleSelection);
    scores->verticalHeader()->setDefaultSectionSize(20);
    scores->setMinimumSize(760, 20 * 20 + 30);
    layout->addWidget(scores, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    layout->addLayout(bottom);

    popUp = new QMenu(this);
    dontShow = popUp->addAction(QStringLiteral("&Don't show Hi-Scores dialog box again..."));
    dontShow->setObjectName(QStringLiteral("mnuDontShow"));
    dontShow->setVisible(setup.newEntry);
    popUp->addSeparator()->setVisible(setup.newEntry);
    QAction* clear = popUp->addAction(QStringLiteral("Clear values..."));
    clear->setObjectName(QStringLiteral("mnuClearScores"));
    connect(dontShow, &QAction::triggered, this, [this] { DontShowAgain(); });
    connect(clear, &QAction::triggered, this, [this] { ClearValues(); });
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(scores)}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& at) { popUp->popup(area->mapToGlobal(at)); });
    }

    connect(games, &QListWidget::currentRowChanged, this, [this](int index) { ShowGame(index); });
    const int start = HiScoreGameIndex(setup.gameNames, setup.wantedGame, setup.currentGame);
    if (start >= 0)
        games->setCurrentRow(start);  // shows the table
}

void TfrmJHiScore::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (soundPlayed)
        return;
    soundPlayed = true;
    PlaySoundEvent(host, &settings,
                   setup.newEntry ? SoundEvent::EnterHiScore : SoundEvent::HiScores);
}

void TfrmJHiScore::ShowGame(int index) {
    if (index < 0 || index >= static_cast<int>(setup.gameNames.size()))
        return;
    const std::string& name = setup.gameNames[static_cast<std::size_t>(index)];
    if (!captionShown && !setup.caption.empty()) {
        setWindowTitle(QString::fromStdString(setup.caption));
    } else {
        setWindowTitle(QStringLiteral("Hi-Scores [") + QString::fromStdString(name) +
                       QStringLiteral("]"));
    }
    captionShown = true;
    const GameId id = setup.catalog != nullptr ? setup.catalog->IdOf(name) : -1;
    const int type = setup.catalog != nullptr ? setup.catalog->TypeOf(id) : -1;
    const std::vector<std::string> table =
        setup.loadTable ? setup.loadTable(id) : std::vector<std::string>();
    scores->clearContents();
    for (int r = 0; r < kHiScoreEntries; ++r) {
        const std::string entry =
            r < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(r)] : std::string();
        const HiScoreRow row = HiScoreRowOf(entry, r, type, setup.timeSeparator);
        const QString cells[kColumnCount] = {
            QString::fromStdString(row.rank),        QString::fromStdString(row.player),
            QString::fromStdString(row.score),       QString::fromStdString(row.time),
            QString::fromStdString(row.result),      QString::fromStdString(row.shuffles),
            QString::fromStdString(row.suggestions), ShortDate(row.date),
            QString::fromStdString(row.gameNumber),  QString::fromStdString(row.gameType)};
        for (int c = 0; c < kColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 2 || c == 5 || c == 6)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            scores->setItem(r, c, item);
        }
    }
    scores->resizeColumnsToContents();
    if (setup.newEntry && setup.row >= 0 && name == setup.wantedGame)
        scores->selectRow(setup.row);
}

void TfrmJHiScore::DontShowAgain() {
    if (host.ShowMessage(MessageKind::Information, std::string(kDontShowHiScoresQuestion),
                         MessageButtons::OkCancel) == MessageAnswer::Ok) {
        Write(settings, setting::kConfirmEnterHiScores, false);
    }
}

void TfrmJHiScore::ClearValues() {
    if (setup.clearValues)
        setup.clearValues();
    ShowGame(games->currentRow());
}

}  // namespace jw
