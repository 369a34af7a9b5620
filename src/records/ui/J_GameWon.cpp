#include "records/ui/J_GameWon.h"

#include "records/ui/StatCharts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace jw {

TfrmJGameWon::TfrmJGameWon(const std::array<QIcon, 6>& icons, const QImage& emptyChart,
                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmJGameWon"));
    setWindowTitle(QStringLiteral("Game won"));
    setProperty("helpTopic", QStringLiteral("html/windows/game_won.htm"));
    auto* layout = new QVBoxLayout(this);

    group = new QGroupBox(this);
    auto* groupLayout = new QHBoxLayout(group);
    auto* grid = new QGridLayout;
    const char* const kRows[] = {"Won:", "Lost:", "Total:"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRows[i]), group), i, 0);
        counts[i] = new QLabel(group);
        counts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts[i]->setMinimumWidth(40);
        grid->addWidget(counts[i], i, 1);
        percents[i] = new QLabel(group);
        percents[i]->setMinimumWidth(60);
        grid->addWidget(percents[i], i, 2);
    }
    grid->setRowStretch(3, 1);
    groupLayout->addLayout(grid);
    pie = new WonLostPie(emptyChart, group);
    pie->setFixedSize(130, 130);
    groupLayout->addWidget(pie);
    layout->addWidget(group);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    const struct {
        const char* caption;
        const char* hint;
        GameWonChoice choice;
        bool separatorAfter;
    } kButtons[] = {
        {"New", "Start a new game", GameWonChoice::New, false},
        {"Open", "Select a new game", GameWonChoice::Open, true},
        {"Restart", "Restart the current game", GameWonChoice::Restart, true},
        {"Random", "Random game", GameWonChoice::Random, false},
        {"Select", "Select a game number", GameWonChoice::Select, true},
    };
    int icon = 0;
    for (const auto& entry : kButtons) {
        QAction* action = bar->addAction(icons[static_cast<std::size_t>(icon++)],
                                         QString::fromLatin1(entry.caption));
        action->setToolTip(QString::fromLatin1(entry.hint));
        const GameWonChoice chosen = entry.choice;
        connect(action, &QAction::triggered, this, [this, chosen] { Choose(chosen); });
        if (entry.separatorAfter)
            bar->addSeparator();
    }
    QAction* stats = bar->addAction(icons[5], QStringLiteral("Stats"));
    stats->setToolTip(QStringLiteral("Statistics"));
    connect(stats, &QAction::triggered, this, [this] {
        if (showStatistics)
            showStatistics();
        Refresh();
    });
    layout->addWidget(bar);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] { Choose(GameWonChoice::Close); });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    bottom->addStretch(1);
    layout->addLayout(bottom);
}

void TfrmJGameWon::Choose(GameWonChoice chosen) {
    choice = chosen;
    accept();
}

void TfrmJGameWon::Refresh() {
    choice = GameWonChoice::Close;
    const GameWonFigures f = figures ? figures() : GameWonFigures{};
    group->setTitle(QString::fromStdString(f.groupCaption));
    const std::string* texts[] = {&f.won, &f.lost, &f.total};
    const std::string* percentTexts[] = {&f.wonPercent, &f.lostPercent, &f.totalPercent};
    for (int i = 0; i < 3; ++i) {
        counts[i]->setText(QString::fromStdString(*texts[i]));
        percents[i]->setText(QString::fromStdString(*percentTexts[i]));
    }
    WonLostView view;
    view.empty = !f.showPie;
    view.pieValue = f.pieValue;
    pie->Show(view);
}

QAbstractButton* TfrmJGameWon::Button(const QString& caption) const {
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

QString TfrmJGameWon::WonText() const {
    return counts[0]->text();
}
QString TfrmJGameWon::LostText() const {
    return counts[1]->text();
}
QString TfrmJGameWon::TotalText() const {
    return counts[2]->text();
}
QString TfrmJGameWon::WonPercentText() const {
    return percents[0]->text();
}
QString TfrmJGameWon::LostPercentText() const {
    return percents[1]->text();
}
bool TfrmJGameWon::PieShown() const {
    return pie->ShowsPie();
}
QString TfrmJGameWon::GroupCaption() const {
    return group->title();
}

}  // namespace jw
