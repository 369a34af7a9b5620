#include "records/ui/J_Statistics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "presentation/ui/QtPicture.h"
#include "records/ui/StatCharts.h"

namespace jw {

namespace {

QLabel* Value(QWidget* parent, const char* name = nullptr) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(48);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (name != nullptr)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QGroupBox* MakeWonLostGroup(const QString& title, const QImage& empty, QWidget* parent,
                            WonLostWidgets& g) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(box);
    auto* grid = new QGridLayout;
    g.won = Value(box, "lblWon");
    g.lost = Value(box, "lblLost");
    g.total = Value(box, "lblTotal");
    g.wonPercent = Value(box, "lblWonPercent");
    g.lostPercent = Value(box, "lblLostPercent");
    grid->addWidget(new QLabel(QStringLiteral("Won:"), box), 0, 0);
    grid->addWidget(g.won, 0, 1);
    grid->addWidget(g.wonPercent, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Lost:"), box), 1, 0);
    grid->addWidget(g.lost, 1, 1);
    grid->addWidget(g.lostPercent, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Total:"), box), 2, 0);
    grid->addWidget(g.total, 2, 1);
    grid->setRowStretch(3, 1);
    layout->addLayout(grid);
    g.pie = new WonLostPie(empty, box);
    g.pie->setMinimumSize(150, 120);
    layout->addWidget(g.pie, 1);
    return box;
}

void Fill(const WonLostWidgets& g, const WonLostView& view) {
    g.won->setNum(static_cast<double>(view.won));
    g.lost->setNum(static_cast<double>(view.lost));
    g.total->setNum(static_cast<double>(view.total));
    g.wonPercent->setText(Text(view.wonLabel));
    g.lostPercent->setText(Text(view.lostLabel));
    g.pie->Show(view);
}

void Bold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

std::vector<Bar> ChanceBars(double yours, double average) {
    return {{QStringLiteral("Yours"), yours, QColor(153, 255, 102)},
            {QStringLiteral("Average"), static_cast<double>(static_cast<int>(average)),
             QColor(120, 160, 230)}};
}

QGroupBox* MakeChanceGroup(const QString& title, QWidget* parent, ChanceWidgets& c) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(box);
    auto* grid = new QGridLayout;
    c.average = Value(box, "lblAverage");
    c.yours = Value(box, "lblYours");
    c.line = new QLabel(box);
    c.line->setObjectName(QStringLiteral("lblChance"));
    grid->addWidget(new QLabel(QStringLiteral("Average:"), box), 0, 0);
    grid->addWidget(c.average, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Yours:"), box), 1, 0);
    grid->addWidget(c.yours, 1, 1);
    grid->addWidget(c.line, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    layout->addLayout(grid);
    c.chart = MakeBarChart(ChanceBars(0, 0), 100, box);
    layout->addWidget(c.chart, 1);
    return box;
}

void Fill(const ChanceWidgets& c, double yours, const std::string& yoursText, double average,
          const std::string& averageText, bool ahead, const std::string& line) {
    c.average->setText(Text(averageText));
    c.yours->setText(Text(yoursText));
    Bold(c.yours, ahead);
    c.line->setText(Text(line));
    SetBars(c.chart, ChanceBars(yours, average), 100);
}

// A small window with a caption, a group of labelled values and a chart.
std::unique_ptr<QDialog> SmallWindow(QWidget* parent, const QString& caption, const QString& group,
                                     const std::vector<std::pair<QString, QString>>& rows,
                                     QWidget* chart,
                                     const QString& closeText = QStringLiteral("Close")) {
    auto window = std::make_unique<QDialog>(parent);
    window->setWindowTitle(caption);
    auto* outer = new QVBoxLayout(window.get());
    auto* box = new QGroupBox(group, window.get());
    auto* layout = new QHBoxLayout(box);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [name, value] : rows) {
        grid->addWidget(new QLabel(name, box), row, 0);
        auto* label = new QLabel(value, box);
        label->setObjectName(QStringLiteral("value%1").arg(row));
        grid->addWidget(label, row++, 1);
    }
    grid->setRowStretch(row, 1);
    layout->addLayout(grid);
    chart->setParent(box);
    chart->setMinimumSize(200, 150);
    layout->addWidget(chart, 1);
    outer->addWidget(box, 1);
    auto* close = new QPushButton(closeText, window.get());
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, window.get(), &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    outer->addLayout(bottom);
    window->resize(440, 240);
    return window;
}

QString Share(std::int64_t count, double share) {
    return QStringLiteral("%1  (%2%)").arg(count).arg(Text(FormatPercent(share)));
}

}  // namespace

TfrmJStatistics::TfrmJStatistics(StatisticsSetup setupIn, QWidget* parent)
    : QDialog(parent), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJStatistics"));
    setProperty("helpTopic", QStringLiteral("html/windows/statistics.htm"));
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    gameBox = new QComboBox(this);
    gameBox->setObjectName(QStringLiteral("cboGame"));
    for (const auto& [id, name] : setup.games)
        gameBox->addItem(Text(name), id);
    int gameIndex = gameBox->findData(setup.game);
    if (gameIndex < 0 && !setup.games.empty())
        gameIndex = 0;  // an unknown game: the first one
    gameBox->setCurrentIndex(gameIndex);
    playerBox = new QComboBox(this);
    playerBox->setObjectName(QStringLiteral("cboPlayer"));
    for (const std::string& name : setup.players)
        playerBox->addItem(Text(name));
    playerBox->setCurrentIndex(std::max(0, playerBox->findText(Text(setup.player))));
    auto* gameLabel = new QLabel(QStringLiteral("&Game:"), this);
    gameLabel->setBuddy(gameBox);
    auto* playerLabel = new QLabel(QStringLiteral("&Player:"), this);
    playerLabel->setBuddy(playerBox);
    top->addWidget(gameLabel);
    top->addWidget(gameBox, 2);
    top->addSpacing(12);
    top->addWidget(playerLabel);
    top->addWidget(playerBox, 1);
    outer->addLayout(top);

    pages = new QTabWidget(this);
    outer->addWidget(pages, 1);
    BuildGamePage();
    BuildTotalPage();
    BuildListPage();

    auto* bottom = new QHBoxLayout;
    progressionBox = new QCheckBox(QStringLiteral("Show Progression"), this);
    progressionBox->setObjectName(QStringLiteral("chkProgression"));
    progressionBox->setChecked(setup.showProgression);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* hiScores = new QPushButton(QStringLiteral("  &Hi-Scores..."), this);
    hiScores->setEnabled(static_cast<bool>(setup.showHiScores));
    auto* players = new QPushButton(QStringLiteral("Pla&yers..."), this);
    bottom->addWidget(progressionBox);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(hiScores);
    bottom->addWidget(players);
    outer->addLayout(bottom);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(hiScores, &QPushButton::clicked, this, [this] { setup.showHiScores(Game()); });
    connect(players, &QPushButton::clicked, this, [this] { Open(MakePlayersWindow()); });
    connect(gameBox, &QComboBox::currentIndexChanged, this, [this] { ShowGamePage(); });
    connect(playerBox, &QComboBox::currentIndexChanged, this, [this] { PlayerChanged(); });
    connect(pages, &QTabWidget::currentChanged, this, [this](int page) { PageShown(page); });
    connect(progressionBox, &QCheckBox::toggled, this, [this](bool on) {
        gameProgression->setVisible(on);
        totalProgression->setVisible(on);
        gameZoom->setEnabled(on);
        totalZoom->setEnabled(on);
        adjustSize();
        // Centred again on the screen, a little higher on very small ones.
        if (const QScreen* screen = this->screen()) {
            QRect area = screen->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveCenter(area.center());
            if (area.height() < 500)
                frame.translate(0, -5);
            move(frame.topLeft());
        }
    });

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* clear = menu.addAction(QStringLiteral("Clear values..."));
        clear->setEnabled(static_cast<bool>(setup.clearValues));
        if (menu.exec(mapToGlobal(at)) == clear) {
            setup.clearValues();
            Recompute();
        }
    });

    const bool on = setup.showProgression;
    gameProgression->setVisible(on);
    totalProgression->setVisible(on);
    gameZoom->setEnabled(on);
    totalZoom->setEnabled(on);
    ShowGamePage();
    resize(720, on ? 620 : 440);
}

GameId TfrmJStatistics::Game() const {
    return gameBox->currentIndex() >= 0 ? gameBox->currentData().toInt() : -1;
}

std::string TfrmJStatistics::Player() const {
    return playerBox->currentText().toStdString();
}

bool TfrmJStatistics::ProgressionShown() const {
    return progressionBox->isChecked();
}

std::vector<ProgressionRecord> TfrmJStatistics::Progression() const {
    return setup.progression ? ParseProgression(setup.progression(Player()))
                             : std::vector<ProgressionRecord>{};
}

std::vector<GameTotals> TfrmJStatistics::AllGames() const {
    std::vector<GameTotals> games;
    const std::string player = Player();
    for (const auto& [id, name] : setup.games) {
        const GameStats stats = setup.stats ? setup.stats(id, player) : GameStats{};
        games.push_back({id, name, stats[0], stats[1],
                         id < kFirstCustomGameId && setup.chance ? setup.chance(id) : std::nullopt,
                         stats[6]});
    }
    return games;
}

QImage TfrmJStatistics::EmptyChart() const {
    return setup.library != nullptr ? LibraryPicture(*setup.library, "ICON", "EMPTY_CHART")
                                    : QImage();
}

void TfrmJStatistics::Open(std::unique_ptr<QDialog> window) {
    window->exec();
}

QVBoxLayout* TfrmJStatistics::BuildChartPage(QWidget* page, const QString& prefix,
                                             WonLostWidgets& wonLost, ChanceWidgets& chance,
                                             QWidget*& progression) {
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(
        MakeWonLostGroup(prefix + QStringLiteral("Won / Lost "), EmptyChart(), page, wonLost), 1);
    row->addWidget(MakeChanceGroup(prefix + QStringLiteral("Chance of Winning "), page, chance), 1);
    layout->addLayout(row);
    auto* group = new QGroupBox(prefix + QStringLiteral("Progression % Won "), page);
    auto* groupLayout = new QVBoxLayout(group);
    progression = MakeProgressionChart(group);
    progression->setMinimumHeight(170);
    groupLayout->addWidget(progression);
    layout->addWidget(group, 1);
    return layout;
}

void TfrmJStatistics::BuildGamePage() {
    auto* page = new QWidget(pages);
    QVBoxLayout* layout = BuildChartPage(page, QString(), gameWonLost, gameChance, gameProgression);
    auto* buttons = new QHBoxLayout;
    gameZoom = new QPushButton(QStringLiteral("Zoom..."), page);
    auto* listPlayed = new QPushButton(QStringLiteral("List played..."), page);
    listPlayed->setEnabled(static_cast<bool>(setup.showLog));
    auto* sequences = new QPushButton(QStringLiteral("Se&quences..."), page);
    auto* session = new QPushButton(QStringLiteral("&Session..."), page);
    buttons->addWidget(gameZoom);
    buttons->addStretch(1);
    buttons->addWidget(listPlayed);
    buttons->addWidget(sequences);
    buttons->addWidget(session);
    layout->addLayout(buttons);
    pages->addTab(page, QStringLiteral("Game"));

    connect(gameZoom, &QPushButton::clicked, this, [this] { Open(MakeZoomWindow(false)); });
    connect(sequences, &QPushButton::clicked, this, [this] { Open(MakeSequencesWindow()); });
    connect(session, &QPushButton::clicked, this, [this] { Open(MakeSessionWindow()); });
    connect(listPlayed, &QPushButton::clicked, this, [this] {
        if (setup.showLog(gameBox->currentText().toStdString(), Player())) {
            started = true;
            accept();
        }
    });
}

void TfrmJStatistics::BuildTotalPage() {
    auto* page = new QWidget(pages);
    QVBoxLayout* layout = BuildChartPage(page, QStringLiteral("Total played Games - "),
                                         totalWonLost, totalChance, totalProgression);
    auto* buttons = new QHBoxLayout;
    totalZoom = new QPushButton(QStringLiteral("Zoom..."), page);
    auto* log = new QPushButton(QStringLiteral("&Log..."), page);
    log->setEnabled(static_cast<bool>(setup.showLog));
    buttons->addWidget(totalZoom);
    buttons->addStretch(1);
    buttons->addWidget(log);
    layout->addLayout(buttons);
    pages->addTab(page, QStringLiteral("Total"));

    connect(totalZoom, &QPushButton::clicked, this, [this] { Open(MakeZoomWindow(true)); });
    connect(log, &QPushButton::clicked, this, [this] {
        if (setup.showLog("", "")) {
            started = true;
            accept();
        }
    });
}

void TfrmJStatistics::BuildListPage() {
    auto* page = new QWidget(pages);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    filterBox = new QComboBox(page);
    filterBox->setObjectName(QStringLiteral("cboShow"));
    filterBox->addItems({QStringLiteral("All games"), QStringLiteral("Won"),
                         QStringLiteral("Not Won"), QStringLiteral("Over Average"),
                         QStringLiteral("Under Average"), QStringLiteral("Not Played")});
    top->addWidget(new QLabel(QStringLiteral("Show: "), page));
    top->addWidget(filterBox);
    top->addStretch(1);
    listCount = new QLabel(page);
    listCount->setObjectName(QStringLiteral("lblTotGames"));
    top->addWidget(new QLabel(QStringLiteral("Tot. games:"), page));
    top->addWidget(listCount);
    layout->addLayout(top);
    listGrid = new QTableWidget(0, 5, page);
    listGrid->setObjectName(QStringLiteral("grdList"));
    listGrid->setHorizontalHeaderLabels({QStringLiteral("Game"), QStringLiteral("Won"),
                                         QStringLiteral("Lost"), QStringLiteral("%Won"),
                                         QStringLiteral("%Av")});
    listGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    listGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    listGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listGrid->verticalHeader()->hide();
    listGrid->verticalHeader()->setDefaultSectionSize(listGrid->fontMetrics().height() + 6);
    listGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    listGrid->setSortingEnabled(true);
    layout->addWidget(listGrid, 1);
    auto* buttons = new QHBoxLayout;
    playButton = new QPushButton(QStringLiteral("&Play this game"), page);
    playButton->setObjectName(QStringLiteral("btnPlay"));
    auto* wonShares = new QPushButton(QStringLiteral("% Won..."), page);
    auto* averageShares = new QPushButton(QStringLiteral("% Average..."), page);
    buttons->addWidget(playButton);
    buttons->addStretch(1);
    buttons->addWidget(wonShares);
    buttons->addWidget(averageShares);
    layout->addLayout(buttons);
    pages->addTab(page, QStringLiteral("List"));

    connect(filterBox, &QComboBox::currentIndexChanged, this, [this] {
        listStale = true;
        ShowListPage();
    });
    connect(playButton, &QPushButton::clicked, this, [this] { PlaySelected(); });
    connect(listGrid, &QTableWidget::cellDoubleClicked, this, [this] { PlaySelected(); });
    connect(wonShares, &QPushButton::clicked, this, [this] { Open(MakeSharesWindow(false)); });
    connect(averageShares, &QPushButton::clicked, this, [this] { Open(MakeSharesWindow(true)); });
}

void TfrmJStatistics::ShowGamePage() {
    const GameId id = Game();
    setWindowTitle(QStringLiteral("Statistics [%1]").arg(gameBox->currentText()));
    const GameStats stats = setup.stats ? setup.stats(id, Player()) : GameStats{};
    Fill(gameWonLost, MakeWonLost(stats[0], stats[1]));

    const std::optional<GameChance> expected =
        id >= 0 && id < kFirstCustomGameId && setup.chance ? setup.chance(id) : std::nullopt;
    const ChanceView chance = MakeGameChance(stats, expected);
    Fill(gameChance, chance.yours, chance.yoursText, chance.average.value_or(0), chance.averageText,
         chance.yoursAhead, chance.line);
    SetProgression(gameProgression, BuildProgression(Progression(), {id, {}, {}, 30}));
}

void TfrmJStatistics::ShowTotalPage() {
    if (!totalStale)
        return;
    totalStale = false;
    const TotalView view = MakeTotals(AllGames());
    Fill(totalWonLost, view.wonLost);
    Fill(totalChance, view.yours, view.yoursText, view.average, view.averageText, view.yoursAhead,
         "");
    SetProgression(totalProgression, BuildProgression(Progression(), {{}, {}, {}, 30}));
}

void TfrmJStatistics::ShowListPage() {
    if (!listStale)
        return;
    listStale = false;
    const auto rows =
        MakeList(AllGames(), static_cast<ListFilter>(std::max(0, filterBox->currentIndex())));
    listGrid->setSortingEnabled(false);
    listGrid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ListRow& row = rows[static_cast<std::size_t>(r)];
        const std::string cells[] = {row.game, row.won, row.lost, row.percentWon,
                                     row.percentAverage};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(Text(cells[c]));
            if (c > 0) {
                // Numbers sort as numbers.
                item->setData(Qt::DisplayRole, cells[c].empty() ? QVariant(QString())
                                                                : QVariant(std::stod(cells[c])));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (c == 0)
                item->setData(Qt::UserRole, row.id);
            listGrid->setItem(r, c, item);
        }
    }
    listGrid->setSortingEnabled(true);
    if (!rows.empty())
        listGrid->selectRow(0);
    listCount->setNum(static_cast<int>(rows.size()));
    playButton->setEnabled(!rows.empty() && static_cast<bool>(setup.playGame));
}

void TfrmJStatistics::PageShown(int page) {
    if (page == 1)
        ShowTotalPage();
    else if (page == 2)
        ShowListPage();
}

void TfrmJStatistics::PlayerChanged() {
    totalStale = true;
    listStale = true;
    ShowGamePage();
    PageShown(pages->currentIndex());
}

void TfrmJStatistics::Recompute() {
    PlayerChanged();
}

void TfrmJStatistics::PlaySelected() {
    const int row = listGrid->currentRow();
    const QTableWidgetItem* item = row >= 0 ? listGrid->item(row, 0) : nullptr;
    if (item == nullptr || !setup.playGame)
        return;
    hide();
    if (setup.playGame(item->data(Qt::UserRole).toInt(), Player())) {
        started = true;
        accept();
    } else {
        show();
    }
}

std::unique_ptr<QDialog> TfrmJStatistics::MakeSessionWindow() {
    const GameStats stats = setup.stats ? setup.stats(Game(), Player()) : GameStats{};
    const WonLostView view = MakeWonLost(stats[7], stats[8]);
    auto* pie = new WonLostPie(EmptyChart(), nullptr);
    pie->Show(view);
    auto window = SmallWindow(
        this, QStringLiteral("Session statistics"), QStringLiteral("Current session "),
        {{QStringLiteral("Won:"), QStringLiteral("%1  %2").arg(view.won).arg(Text(view.wonLabel))},
         {QStringLiteral("Lost:"),
          QStringLiteral("%1  %2").arg(view.lost).arg(Text(view.lostLabel))},
         {QStringLiteral("Total:"), QString::number(view.total)}},
        pie);
    window->setObjectName(QStringLiteral("frmJStatSession"));
    return window;
}

std::unique_ptr<QDialog> TfrmJStatistics::MakeSequencesWindow() {
    const GameStats stats = setup.stats ? setup.stats(Game(), Player()) : GameStats{};
    const SequenceView view = MakeSequences(stats);
    auto* chart = MakeBarChart(
        {{QStringLiteral("Won"), static_cast<double>(view.longestWon), QColor(153, 255, 102)},
         {QStringLiteral("Lost"), static_cast<double>(view.longestLost), QColor(255, 121, 75)}},
        0, nullptr);
    auto window =
        SmallWindow(this, QStringLiteral("Sequences statistics"), QStringLiteral("Sequences "),
                    {{QStringLiteral("Won:"), Share(view.longestWon, view.wonShare)},
                     {QStringLiteral("Lost:"), Share(view.longestLost, view.lostShare)},
                     {QString(), Text(view.current)}},
                    chart);
    window->setObjectName(QStringLiteral("frmJStatSequences"));
    return window;
}

std::unique_ptr<QDialog> TfrmJStatistics::MakeSharesWindow(bool average) {
    const ShareView view = average ? MakeAverageShares(AllGames()) : MakeWonShares(AllGames());
    const QString first =
        average ? QStringLiteral("Over the Average:") : QStringLiteral("Games Won:");
    const QString second =
        average ? QStringLiteral("Under the Average:") : QStringLiteral("Games not Won:");
    auto* chart = MakeBarChart(
        {{first.chopped(1), static_cast<double>(view.first), SeriesColour(3)},
         {second.chopped(1), static_cast<double>(view.second), SeriesColour(1)},
         {QStringLiteral("Not Played"), static_cast<double>(view.notPlayed), SeriesColour(2)}},
        0, nullptr);
    auto window = SmallWindow(
        this,
        average ? QStringLiteral("Statistics % Average Won") : QStringLiteral("Statistics % Won"),
        QString::fromStdString(Player()) + QStringLiteral(" "),
        {{first, Share(view.first, view.firstShare)},
         {second, Share(view.second, view.secondShare)},
         {QStringLiteral("Not Played"), Share(view.notPlayed, view.notPlayedShare)},
         {QStringLiteral("Total:"), QString::number(view.total)}},
        chart);
    window->setObjectName(average ? QStringLiteral("frmJStatTotAverage")
                                  : QStringLiteral("frmJStatTotWon"));
    return window;
}

std::unique_ptr<QDialog> TfrmJStatistics::MakePlayersWindow() {
    auto window = std::make_unique<QDialog>(this);
    window->setObjectName(QStringLiteral("frmJStatisOperat"));
    window->setWindowTitle(QStringLiteral("Players' statistics"));
    auto* outer = new QVBoxLayout(window.get());
    auto* games = new QComboBox(window.get());
    games->setObjectName(QStringLiteral("cboGame"));
    for (const auto& [id, name] : setup.games)
        games->addItem(Text(name), id);
    games->setCurrentIndex(gameBox->currentIndex());
    outer->addWidget(games);
    auto* row = new QHBoxLayout;
    auto* series = new QGroupBox(QStringLiteral("Series values "), window.get());
    auto* seriesLayout = new QVBoxLayout(series);
    auto* percent = new QRadioButton(QStringLiteral("% Games &won"), series);
    auto* won = new QRadioButton(QStringLiteral("&Num. Games Won"), series);
    auto* average = new QRadioButton(QStringLiteral("&Average score"), series);
    percent->setChecked(true);
    seriesLayout->addWidget(percent);
    seriesLayout->addWidget(won);
    seriesLayout->addWidget(average);
    seriesLayout->addStretch(1);
    row->addWidget(series);
    QWidget* chart = MakeBarChart({}, 0, window.get());
    chart->setObjectName(QStringLiteral("chtPlayers"));
    chart->setMinimumSize(360, 220);
    row->addWidget(chart, 1);
    outer->addLayout(row, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), window.get());
    connect(ok, &QPushButton::clicked, window.get(), &QDialog::accept);
    outer->addWidget(ok, 0, Qt::AlignRight);
    const auto redraw = [this, games, percent, won, chart] {
        std::vector<std::pair<std::string, GameStats>> players;
        for (const std::string& name : setup.players)
            players.emplace_back(
                name, setup.stats ? setup.stats(games->currentData().toInt(), name) : GameStats{});
        const PlayerValue value = percent->isChecked() ? PlayerValue::PercentWon
                                  : won->isChecked()   ? PlayerValue::GamesWon
                                                       : PlayerValue::AverageScore;
        std::vector<Bar> bars;
        for (const PlayerBar& bar : MakePlayerBars(players, value))
            bars.push_back({Text(bar.label), static_cast<double>(bar.value),
                            SeriesColour(static_cast<int>(bars.size()))});
        SetBars(chart, bars, value == PlayerValue::PercentWon ? 100 : 0);
    };
    redraw();
    connect(games, &QComboBox::currentIndexChanged, window.get(), redraw);
    for (QRadioButton* button : {percent, won, average})
        connect(button, &QRadioButton::toggled, window.get(), redraw);
    window->resize(560, 320);
    return window;
}

std::unique_ptr<QDialog> TfrmJStatistics::MakeZoomWindow(bool allGames) {
    auto window = std::make_unique<QDialog>(this);
    QDialog* w = window.get();
    w->setObjectName(QStringLiteral("frmJStatisProgression"));
    w->setWindowTitle(QStringLiteral("Progression % Won - Zoom"));
    const std::optional<GameId> game = allGames ? std::nullopt : std::optional<GameId>(Game());
    const auto records = Progression();
    const std::vector<Month> months = ProgressionMonths(records, game);
    auto* outer = new QVBoxLayout(w);
    auto* top = new QHBoxLayout;
    auto* range = new QGroupBox(QStringLiteral("Date  "), w);
    auto* rangeLayout = new QHBoxLayout(range);
    auto* start = new QComboBox(range);
    auto* end = new QComboBox(range);
    start->setObjectName(QStringLiteral("cboStart"));
    end->setObjectName(QStringLiteral("cboEnd"));
    start->addItem(QStringLiteral("First"));
    end->addItem(QStringLiteral("Last"));
    for (const Month& m : months) {
        start->addItem(Text(MonthLabel(m)), m.year * 100 + m.month);
        end->addItem(Text(MonthLabel(m)), m.year * 100 + m.month);
    }
    auto* allValues = new QCheckBox(QStringLiteral("All Values"), range);
    allValues->setChecked(true);
    start->setEnabled(false);
    end->setEnabled(false);
    rangeLayout->addWidget(allValues);
    rangeLayout->addWidget(new QLabel(QStringLiteral("Start:"), range));
    rangeLayout->addWidget(start);
    rangeLayout->addWidget(new QLabel(QStringLiteral("End:"), range));
    rangeLayout->addWidget(end);
    top->addWidget(range);
    auto* fit = new QCheckBox(QStringLiteral("Fit to Screen"), w);
    fit->setObjectName(QStringLiteral("chkFit"));
    fit->setChecked(true);
    top->addWidget(fit);
    auto* zoomIn = new QPushButton(QStringLiteral("+"), w);
    auto* zoomOut = new QPushButton(QStringLiteral("-"), w);
    zoomIn->setFixedWidth(28);
    zoomOut->setFixedWidth(28);
    top->addWidget(zoomIn);
    top->addWidget(zoomOut);
    top->addStretch(1);
    outer->addLayout(top);
    QWidget* chart = MakeProgressionChart(w);
    chart->setObjectName(QStringLiteral("chtProgression"));
    chart->setMinimumSize(600, 280);
    outer->addWidget(chart, 1);
    auto* scroll = new QScrollBar(Qt::Horizontal, w);
    scroll->setObjectName(QStringLiteral("sbHorizScroll"));
    auto* scrollRow = new QHBoxLayout;
    scrollRow->addWidget(new QLabel(QStringLiteral("Horiz. Scroll"), w));
    scrollRow->addWidget(scroll, 1);
    outer->addLayout(scrollRow);
    auto* ok = new QPushButton(QStringLiteral("OK"), w);
    connect(ok, &QPushButton::clicked, w, &QDialog::accept);
    outer->addWidget(ok, 0, Qt::AlignRight);

    struct State {
        ProgressionSeries series;
        int window = 25;
    };
    auto state = std::make_shared<State>();
    const auto monthOf = [](const QComboBox* box) -> std::optional<Month> {
        if (box->currentIndex() <= 0)
            return std::nullopt;
        const int code = box->currentData().toInt();
        return Month{code / 100, code % 100};
    };
    const auto redraw = [=] {
        const int shown = fit->isChecked() ? 0 : state->window;
        SetProgression(chart, state->series, scroll->value(), shown);
    };
    const auto rebuild = [=, this] {
        ProgressionFilter filter{game, {}, {}, fit->isChecked() ? 30 : 150};
        if (!allValues->isChecked()) {
            filter.from = monthOf(start);
            filter.to = monthOf(end);
            if (filter.from && filter.to && *filter.to < *filter.from) {
                if (setup.host != nullptr)
                    setup.host->ShowMessage(MessageKind::Warning,
                                            "Start Date is more recent than End Date.",
                                            MessageButtons::Ok);
                start->setCurrentIndex(0);
                return;
            }
        }
        state->series = BuildProgression(records, filter);
        const int count = static_cast<int>(state->series.values.size());
        scroll->setEnabled(!fit->isChecked() && count > state->window);
        scroll->setRange(0, std::max(0, count - state->window));
        redraw();
    };
    connect(allValues, &QCheckBox::toggled, w, [=](bool on) {
        start->setEnabled(!on);
        end->setEnabled(!on);
        rebuild();
    });
    connect(start, &QComboBox::currentIndexChanged, w, rebuild);
    connect(end, &QComboBox::currentIndexChanged, w, rebuild);
    connect(fit, &QCheckBox::toggled, w, rebuild);
    connect(scroll, &QScrollBar::valueChanged, w, redraw);
    connect(zoomIn, &QPushButton::clicked, w, [=] {
        state->window = std::max(5, state->window * 4 / 5);
        rebuild();
    });
    connect(zoomOut, &QPushButton::clicked, w, [=] {
        state->window = std::min(150, state->window * 5 / 4 + 1);
        rebuild();
    });
    rebuild();
    w->resize(760, 420);
    return window;
}

}  // namespace jw
