#include "records/ui/J_StatisLog.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "records/StatisticsViews.h"

namespace jw {

namespace {

enum Column { kGameColumn = 3, kNumberColumn = 16, kColumns = 18 };

const char* const kHeadings[kColumns] = {"Date",
                                         "Start",
                                         "Time",
                                         "Game",
                                         "W/L",
                                         "Score",
                                         "Tiles Left",
                                         "Shuffles",
                                         "Sugg. Move",
                                         "Undo",
                                         "Redo",
                                         "Score Shuffles",
                                         "Score Sugg. Move",
                                         "Score Undo",
                                         "Score Redo",
                                         "Player",
                                         "Game number",
                                         "Game type"};

}  // namespace

// The log's rows as the grid shows them: read once, shown by the view
// without a widget per cell, sorted by a clicked column.
class LogTableModel : public QAbstractTableModel {
  public:
    explicit LogTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetRows(std::vector<LogRow> newRows) {
        beginResetModel();
        rows = std::move(newRows);
        dates.clear();
        dates.reserve(rows.size());
        const QLocale locale = QLocale::system();
        for (const LogRow& row : rows) {
            const QDate date =
                QDate::fromString(QString::fromStdString(row.date), QStringLiteral("yyyyMMdd"));
            dates.push_back(date.isValid() ? locale.toString(date, QLocale::ShortFormat)
                                           : QString());
        }
        order.resize(rows.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(order.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            section >= kColumns)
            return {};
        return QString::fromLatin1(kHeadings[section]);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const std::size_t at = order[static_cast<std::size_t>(index.row())];
        if (role == Qt::TextAlignmentRole) {
            const bool number = index.column() >= 5 && index.column() <= 14;
            return QVariant::fromValue(number ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole)
            return {};
        return Value(at, index.column());
    }
    void sort(int column, Qt::SortOrder sortOrder) override {
        beginResetModel();
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const QVariant x = Key(a, column);
            const QVariant y = Key(b, column);
            const bool less = QVariant::compare(x, y) == QPartialOrdering::Less;
            const bool greater = QVariant::compare(x, y) == QPartialOrdering::Greater;
            return sortOrder == Qt::AscendingOrder ? less : greater;
        });
        endResetModel();
    }

  private:
    QVariant Value(std::size_t at, int column) const {
        const LogRow& row = rows[at];
        switch (column) {
            case 0:
                return dates[at];
            case 1:
                return QString::fromStdString(row.start);
            case 2:
                return QString::fromStdString(row.time);
            case 3:
                return QString::fromStdString(row.game);
            case 4:
                return row.won ? QStringLiteral("Won") : QStringLiteral("Lost");
            case 5:
                return static_cast<qlonglong>(row.score);
            case 6:
                return static_cast<qlonglong>(row.tilesLeft);
            case 7:
                return static_cast<qlonglong>(row.shuffles);
            case 8:
                return static_cast<qlonglong>(row.suggested);
            case 9:
                return static_cast<qlonglong>(row.undos);
            case 10:
                return static_cast<qlonglong>(row.redos);
            case 11:
                return static_cast<qlonglong>(row.shufflePenalty);
            case 12:
                return static_cast<qlonglong>(row.suggestPenalty);
            case 13:
                return static_cast<qlonglong>(row.undoPenalty);
            case 14:
                return static_cast<qlonglong>(row.redoPenalty);
            case 15:
                return QString::fromStdString(row.player);
            case 16:
                return QString::fromStdString(row.number);
            case 17:
                return QString::fromStdString(row.gameType);
            default:
                return {};
        }
    }
    // Dates sort by the stored "yyyymmdd", not by their shown form.
    QVariant Key(std::size_t at, int column) const {
        return column == 0 ? QVariant(QString::fromStdString(rows[at].date)) : Value(at, column);
    }

    std::vector<LogRow> rows;
    std::vector<QString> dates;
    std::vector<std::size_t> order;
};

namespace {

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
    longLog = EstimateLogRecords(setup.logPath) > kFastLogRecords;
    browseLabel->setVisible(longLog);
    browseBox->setVisible(longLog);
    outer->addLayout(top);

    model = new LogTableModel(this);
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grdLog"));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSortingEnabled(true);
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
    connect(grid, &QTableView::doubleClicked, this, [this] { PlaySelected(); });
    for (QComboBox* box : {playerBox, gameBox, browseBox})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Reload(); });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        const int row = grid->currentIndex().row();
        playButton->setEnabled(static_cast<bool>(setup.playGame) && row >= 0 &&
                               !Cell(row, kGameColumn).isEmpty());
    });
    resize(900, 480);
    Reload();
}

void TfrmJStatisLog::Reload() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model->SetRows(ReadLogRows(setup.logPath, gameBox->currentText().toStdString(),
                               playerBox->currentText().toStdString(),
                               longLog && browseBox->currentIndex() == 0));
    // Newest first until a heading is clicked.
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    if (!sized && model->rowCount() > 0) {
        // Columns sized once, from the rows at the top.
        grid->resizeColumnsToContents();
        sized = true;
    }
    count->setNum(model->rowCount());
    if (model->rowCount() > 0)
        grid->selectRow(0);
    playButton->setEnabled(model->rowCount() > 0 && static_cast<bool>(setup.playGame));
    QApplication::restoreOverrideCursor();
}

QString TfrmJStatisLog::Cell(int row, int column) const {
    return model->index(row, column).data().toString();
}

int TfrmJStatisLog::Rows() const {
    return model->rowCount();
}

void TfrmJStatisLog::PlaySelected() {
    const int row = grid->currentIndex().row();
    if (row < 0 || !setup.playGame || Cell(row, kGameColumn).isEmpty())
        return;
    const std::string game = Cell(row, kGameColumn).toStdString();
    const std::string number = Cell(row, kNumberColumn).toStdString();
    hide();
    if (setup.playGame(game, number)) {
        started = true;
        accept();
    } else {
        show();
    }
}

}  // namespace jw
