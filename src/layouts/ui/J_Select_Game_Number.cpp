#include "layouts/ui/J_Select_Game_Number.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/GameNumber.h"
#include "platform/Host.h"

namespace jw {

namespace {

QTableWidget* MakeGrid(QWidget* parent, const QStringList& headings) {
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    grid->setHorizontalHeaderLabels(headings);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows stay in the order given (newest first) until a heading is clicked.
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid->setSortingEnabled(true);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

}  // namespace

TfrmJSelectGameNumber::TfrmJSelectGameNumber(Host& hostIn, SelectNumberSetup setupIn,
                                             QWidget* parent)
    : QDialog(parent), host(hostIn), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJSelectGameNumber"));
    setWindowTitle(QStringLiteral("Select a game number"));
    setProperty("helpTopic", QStringLiteral("html/windows/game_number.htm"));
    auto* outer = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    outer->addWidget(pages, 1);

    QStringList games;
    for (const std::string& name : setup.gameNames) {
        games.append(QString::fromStdString(name));
    }
    const QString current = QString::fromStdString(setup.currentGame);

    auto* selectPage = new QWidget(pages);
    auto* selectLayout = new QVBoxLayout(selectPage);
    selectLayout->addWidget(
        new QLabel(QStringLiteral("Select a game and a game number to play: "), selectPage));
    auto* form = new QFormLayout;
    numberBox = new QComboBox(selectPage);
    numberBox->setObjectName(QStringLiteral("cboGameNumber"));
    numberBox->setEditable(true);
    numberBox->lineEdit()->setMaxLength(kGameNumberDigits);
    for (const std::string& number : setup.numberHistory) {
        numberBox->addItem(QString::fromStdString(number));
    }
    numberBox->setEditText(QString::fromStdString(setup.currentNumber));
    gameBox = new QComboBox(selectPage);
    gameBox->setObjectName(QStringLiteral("cboGame"));
    gameBox->addItems(games);
    gameBox->setCurrentIndex(std::max(0, gameBox->findText(current)));
    form->addRow(QStringLiteral("Ga&me number:"), numberBox);
    form->addRow(QStringLiteral("G&ame:"), gameBox);
    selectLayout->addLayout(form);
    selectLayout->addStretch(1);
    pages->addTab(selectPage, QStringLiteral("&Select a game"));

    auto* previousPage = new QWidget(pages);
    auto* previousLayout = new QVBoxLayout(previousPage);
    auto* previousLabel =
        new QLabel(QStringLiteral("  &Select a previous played game:"), previousPage);
    previousLayout->addWidget(previousLabel);
    previousGrid = MakeGrid(
        previousPage, {QStringLiteral("Game number"), QStringLiteral("Game"), QStringLiteral("W/L"),
                       QStringLiteral("Date"), QStringLiteral("Player")});
    previousLabel->setBuddy(previousGrid);
    previousLayout->addWidget(previousGrid, 1);
    pages->addTab(previousPage, QStringLiteral("&Previous games"));

    auto* lostPage = new QWidget(pages);
    auto* lostLayout = new QVBoxLayout(lostPage);
    auto* lostTop = new QHBoxLayout;
    auto* lostLabel = new QLabel(QStringLiteral("&Select a previous lost game:"), lostPage);
    lostTop->addWidget(lostLabel);
    lostGameBox = new QComboBox(lostPage);
    lostGameBox->setObjectName(QStringLiteral("cboLostGame"));
    lostGameBox->addItems(games);
    lostGameBox->setCurrentIndex(std::max(0, lostGameBox->findText(current)));
    lostLabel->setBuddy(lostGameBox);
    lostTop->addWidget(lostGameBox, 1);
    lostLayout->addLayout(lostTop);
    lostGrid = MakeGrid(lostPage, {QStringLiteral("Game number"), QStringLiteral("W/L"),
                                   QStringLiteral("Date"), QStringLiteral("Player")});
    lostLayout->addWidget(lostGrid, 1);
    pages->addTab(lostPage, QStringLiteral("&Lost games"));

    auto* bottom = new QHBoxLayout;
    playButton = new QPushButton(QStringLiteral("Play &this game"), this);
    playButton->setObjectName(QStringLiteral("btnPlay"));
    playButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    auto* logButton = new QPushButton(QStringLiteral("L&og..."), this);
    logButton->setObjectName(QStringLiteral("btnLog"));
    // The statistics log is another window; without it the button stays off.
    logButton->setEnabled(static_cast<bool>(setup.log));
    bottom->addStretch(1);
    bottom->addWidget(playButton);
    bottom->addWidget(cancelButton);
    bottom->addWidget(logButton);
    outer->addLayout(bottom);
    resize(560, 380);

    connect(playButton, &QPushButton::clicked, this, [this] { Play(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(logButton, &QPushButton::clicked, this, [this] {
        if (setup.log && setup.log()) {
            reject();
        }
    });
    connect(pages, &QTabWidget::currentChanged, this, [this](int page) { PageShown(page); });
    connect(lostGameBox, &QComboBox::currentIndexChanged, this, [this] { FillLost(); });
}

void TfrmJSelectGameNumber::FillGrid(QTableWidget* grid, const std::vector<GameNumberRow>& rows,
                                     bool withGame) {
    grid->setSortingEnabled(false);
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const GameNumberRow& data = rows[static_cast<std::size_t>(row)];
        std::vector<std::string> cells{data.number};
        if (withGame) {
            cells.push_back(data.game);
        }
        cells.insert(cells.end(), {data.result, data.date, data.player});
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            grid->setItem(row, column,
                          new QTableWidgetItem(
                              QString::fromStdString(cells[static_cast<std::size_t>(column)])));
        }
    }
    grid->setSortingEnabled(true);
    grid->resizeColumnsToContents();
}

void TfrmJSelectGameNumber::PageShown(int page) {
    if (page == 1 && !previousFilled) {
        previousFilled = true;
        FillGrid(previousGrid,
                 setup.previousGames ? setup.previousGames() : std::vector<GameNumberRow>{}, true);
    } else if (page == 2 && lostGrid->rowCount() == 0) {
        FillLost();
    }
}

void TfrmJSelectGameNumber::FillLost() {
    const std::string game = lostGameBox->currentText().toStdString();
    FillGrid(lostGrid, setup.lostGames ? setup.lostGames(game) : std::vector<GameNumberRow>{},
             false);
}

void TfrmJSelectGameNumber::Play() {
    QString number;
    QString game;
    const int page = pages->currentIndex();
    if (page == 0) {
        number = numberBox->currentText();
        game = gameBox->currentText();
    } else if (page == 1) {
        const int row = previousGrid->currentRow();
        number = CellText(previousGrid, row, 0);
        game = CellText(previousGrid, row, 1);
    } else {
        number = CellText(lostGrid, lostGrid->currentRow(), 0);
        game = lostGameBox->currentText();
    }
    const NumberChoice checked =
        CheckNumberChoice(number.toStdString(), game.toStdString(), page != 0, *setup.catalog);
    if (checked.outcome == NumberChoice::Outcome::Refuse) {
        host.Inform(checked.message);
        return;
    }
    if (checked.outcome == NumberChoice::Outcome::Ignore) {
        return;
    }
    choice = checked;
    accept();
}

}  // namespace jw
