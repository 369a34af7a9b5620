#include "records/ui/J_StatisOverall.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "records/OverallView.h"
#include "records/StatisticsViews.h"
#include "shell/ui/HelpWindow.h"

namespace jw {

namespace {

QTableWidget* Grid(const QStringList& headers, QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void SetRow(QTableWidget* grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c > 0 && cells.size() - c <= 2)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, c, item);
    }
}

}  // namespace

QLabel* WebLinkLabel(const std::string& address, const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (address.empty()) {
        label->setText(text);  // no web site: plain text, not a dead link
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    const QString url = QString::fromStdString(address);
    label->setText(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}

// --- Standings ---

TfrmJStatisOverall::TfrmJStatisOverall(OverallWindowSetup setupIn, QWidget* parent)
    : QDialog(parent), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJStatisOverall"));
    setWindowTitle(QStringLiteral("Publish your score to: \"Overall Score\" Champions"));
    setProperty("helpTopic", QStringLiteral("html/windows/overall_score.htm"));
    auto* layout = new QVBoxLayout(this);
    grid = jw::Grid({QStringLiteral("N."), QStringLiteral("Player"), QStringLiteral("Score"),
                     QStringLiteral("Time")},
                    this);
    grid->setMinimumSize(420, 300);
    layout->addWidget(grid, 1);
    auto* champions = new QHBoxLayout;
    champions->addWidget(new QLabel(QString::fromStdString(setup.champions), this));
    champions->addWidget(WebLinkLabel(WebAddress(setup.webSite, kChampionsPage),
                                      QStringLiteral("\"Overall Score\" Champions"), this));
    champions->addStretch(1);
    layout->addLayout(champions);
    auto* buttons = new QHBoxLayout;
    detailsButton = new QPushButton(QStringLiteral("&Details..."), this);
    publishButton = new QPushButton(QStringLiteral("   &Publishing on the Web..."), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    auto* help = new QPushButton(QStringLiteral("&?"), this);
    for (QPushButton* b : {detailsButton, publishButton, close, help})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpFor(this); });
    connect(detailsButton, &QPushButton::clicked, this, [this] {
        if (const OverallStanding* s = Selected(); s != nullptr && onDetails)
            onDetails(*s);
    });
    connect(publishButton, &QPushButton::clicked, this, [this] {
        if (const OverallStanding* s = Selected(); s != nullptr && onPublish)
            onPublish(*s);
    });
    connect(grid, &QTableWidget::itemSelectionChanged, this, [this] { Enable(); });
    auto* popUp = new QMenu(this);
    QAction* clear = popUp->addAction(QStringLiteral("Clear values..."));
    connect(clear, &QAction::triggered, this, [this] { ClearValues(); });
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, popUp](const QPoint& at) { popUp->popup(grid->viewport()->mapToGlobal(at)); });
    Reload();
}

void TfrmJStatisOverall::Reload() {
    standings = setup.load ? setup.load() : std::vector<OverallStanding>();
    const int rows = std::max<int>(20, static_cast<int>(standings.size()));
    grid->clearContents();
    grid->setRowCount(rows);
    for (int r = 0; r < static_cast<int>(standings.size()); ++r) {
        const OverallStanding& s = standings[static_cast<std::size_t>(r)];
        SetRow(grid, r,
               {QString::number(r + 1), QString::fromStdString(s.player), QString::number(s.score),
                QString::fromStdString(DurationText(s.seconds, 2, setup.timeSeparator))});
    }
    grid->resizeColumnsToContents();
    if (!standings.empty())
        grid->selectRow(0);
    Enable();
}

void TfrmJStatisOverall::ClearValues() {
    if (setup.clearValues)
        setup.clearValues();
    Reload();
}

const OverallStanding* TfrmJStatisOverall::Selected() const {
    const auto rows = grid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    const int row = rows.front().row();
    return row < static_cast<int>(standings.size()) ? &standings[static_cast<std::size_t>(row)]
                                                    : nullptr;
}

void TfrmJStatisOverall::Enable() {
    const bool player = Selected() != nullptr;
    detailsButton->setEnabled(player);
    publishButton->setEnabled(player);
}

// --- One player's best games ---

TfrmJStatisOverallDetails::TfrmJStatisOverallDetails(const std::string& player,
                                                     const OverallDetails& details, char separator,
                                                     std::function<bool(GameId)> playIn,
                                                     QWidget* parent)
    : QDialog(parent), play(std::move(playIn)) {
    setObjectName(QStringLiteral("frmJStatisOverallDetails"));
    setWindowTitle(QStringLiteral("Overall score details [") + QString::fromStdString(player) +
                   QStringLiteral("]"));
    setProperty("helpTopic", QStringLiteral("html/windows/overall_score.htm"));
    auto* layout = new QVBoxLayout(this);
    grid =
        jw::Grid({QStringLiteral("Game"), QStringLiteral("Score"), QStringLiteral("Time")}, this);
    grid->setRowCount(static_cast<int>(details.games.size()));
    int row = 0;
    for (const OverallGameBest& best : details.games) {
        ids.push_back(best.id);
        SetRow(grid, row++,
               {QString::fromStdString(best.game),
                best.score != 0 ? QString::number(best.score) : QString(),
                best.seconds != 0 ? QString::fromStdString(DurationText(best.seconds, 1, separator))
                                  : QString()});
    }
    grid->resizeColumnsToContents();
    grid->setMinimumSize(380, 360);
    if (!ids.empty())
        grid->selectRow(0);
    layout->addWidget(grid, 1);
    totalScore = new QLabel(QString::number(details.score), this);
    totalTime =
        new QLabel(QString::fromStdString(DurationText(details.seconds, 2, separator)), this);
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("Overall score:"), this));
    totals->addWidget(totalScore);
    totals->addSpacing(20);
    totals->addWidget(new QLabel(QStringLiteral("Overall time:"), this));
    totals->addWidget(totalTime);
    totals->addStretch(1);
    layout->addLayout(totals);
    auto* buttons = new QHBoxLayout;
    auto* playButton = new QPushButton(QStringLiteral("&Play this game"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    buttons->addStretch(1);
    buttons->addWidget(playButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(playButton, &QPushButton::clicked, this, [this] { PlaySelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QString TfrmJStatisOverallDetails::OverallScoreText() const {
    return totalScore->text();
}

QString TfrmJStatisOverallDetails::OverallTimeText() const {
    return totalTime->text();
}

bool TfrmJStatisOverallDetails::PlaySelected() {
    const int row = grid->currentRow();
    if (row < 0 || row >= static_cast<int>(ids.size()) || !play)
        return false;
    if (!play(ids[static_cast<std::size_t>(row)]))
        return false;
    accept();
    return true;
}

// --- Publishing ---

TfrmJStatisOverallInternet1::TfrmJStatisOverallInternet1(const std::string& exportCode,
                                                         const std::string& webSite,
                                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmJStatisOverallInternet1"));
    setWindowTitle(QStringLiteral("Publish your Overall Score on the Web"));
    setProperty("helpTopic", QStringLiteral("html/windows/overall_score.htm"));
    auto* layout = new QVBoxLayout(this);
    auto* open = new QHBoxLayout;
    open->addWidget(new QLabel(QStringLiteral("Open:"), this));
    const std::string address = WebAddress(webSite, kAddScorePage);
    open->addWidget(WebLinkLabel(address,
                                 address.empty() ? QStringLiteral("the score page of the web site")
                                                 : QString::fromStdString(address),
                                 this));
    open->addStretch(1);
    layout->addLayout(open);
    layout->addWidget(new QLabel(
        QStringLiteral("1. On the Web page, fill in the \"Score\" field with the following "
                       "encrypted score."),
        this));
    layout->addWidget(new QLabel(QStringLiteral("2. (Ctrl+C and Ctrl+V to copy and paste)"), this));
    layout->addWidget(new QLabel(QStringLiteral("This is your encrypted score:"), this));
    code = new QLineEdit(QString::fromStdString(exportCode), this);
    code->setReadOnly(true);
    code->setMinimumWidth(480);
    layout->addWidget(code);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);
}

void TfrmJStatisOverallInternet1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    code->setFocus();
    code->selectAll();
}

}  // namespace jw
