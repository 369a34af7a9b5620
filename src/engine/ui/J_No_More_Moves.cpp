#include "engine/ui/J_No_More_Moves.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace jw {

namespace {

QLabel* Bold(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

NoMoreMatchesChoice RunNoMoreMatchesWindow(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("frmJNoMoreMoves"));
    dialog.setWindowTitle(QStringLiteral("No more matches"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(Bold(QStringLiteral("There are no more matches available."), &dialog));
    texts->addWidget(new QLabel(QStringLiteral("What do you want to do?"), &dialog));
    top->addLayout(texts, 1);
    layout->addLayout(top);

    NoMoreMatchesChoice choice = NoMoreMatchesChoice::Close;
    auto* buttons = new QGridLayout;
    const struct {
        const char* caption;
        NoMoreMatchesChoice choice;
    } kButtons[] = {
        {"Shuffle", NoMoreMatchesChoice::Shuffle}, {"  New  ", NoMoreMatchesChoice::New},
        {"  Open  ", NoMoreMatchesChoice::Open},   {" Restart ", NoMoreMatchesChoice::Restart},
        {" Undo ", NoMoreMatchesChoice::Undo},     {"End this game", NoMoreMatchesChoice::EndGame},
        {"Close", NoMoreMatchesChoice::Close},
    };
    int index = 0;
    for (const auto& entry : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(entry.caption).trimmed(), &dialog);
        const NoMoreMatchesChoice chosen = entry.choice;
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &choice, chosen] {
            choice = chosen;
            dialog.accept();
        });
        buttons->addWidget(button, index / 4, index % 4);
        if (chosen == NoMoreMatchesChoice::Shuffle) {
            button->setDefault(true);
        }
        ++index;
    }
    layout->addLayout(buttons);
    dialog.exec();
    return choice;
}

void RunMemoryUpTotalsWindow(QWidget* owner, const MemoryUpTotals& totals) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("frmJMemoryShowTotals"));
    dialog.setWindowTitle(totals.won ? QStringLiteral("Game Won") : QStringLiteral("Game Lost"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* picture = new QLabel(&dialog);
    picture->setPixmap(dialog.style()
                           ->standardIcon(totals.won ? QStyle::SP_DialogApplyButton
                                                     : QStyle::SP_MessageBoxCritical)
                           .pixmap(48, 48));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(Bold(QStringLiteral("Tiles: %1 ").arg(totals.tileCount), &dialog));
    auto* grid = new QGridLayout;
    const auto addRow = [&](int row, const QString& what, const QString& count, const QString& each,
                            const QString& product) {
        grid->addWidget(new QLabel(what, &dialog), row, 0);
        grid->addWidget(new QLabel(count, &dialog), row, 1, Qt::AlignRight);
        grid->addWidget(new QLabel(each, &dialog), row, 2, Qt::AlignRight);
        grid->addWidget(new QLabel(product, &dialog), row, 3, Qt::AlignRight);
    };
    addRow(0, QStringLiteral("Matches"), QString::number(totals.matches),
           QStringLiteral("x %1").arg(totals.pointsPerMatch), QString::number(totals.matchPoints));
    addRow(1, QStringLiteral("Misses"), QString::number(totals.misses),
           QStringLiteral("x %1").arg(totals.pointsPerMiss), QString::number(totals.missPoints));
    layout->addLayout(grid);
    layout->addWidget(
        new QLabel(QStringLiteral("(Score needed to win: %1)").arg(totals.needed), &dialog));
    layout->addWidget(Bold(QStringLiteral("Total: %1").arg(totals.total), &dialog));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    dialog.exec();
}

HoldAndExitChoice RunHoldAndExitWindow(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("frmJHoldAndExit"));
    dialog.setWindowTitle(QStringLiteral("Jadewind 2007"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(Bold(QStringLiteral("The current game is unfinished."), &dialog));
    layout->addWidget(new QLabel(
        QStringLiteral("Do you want to exit or \"hold\" this game to play it later?"), &dialog));
    layout->addWidget(Bold(QStringLiteral("Note"), &dialog));
    auto* note = new QLabel(
        QStringLiteral(
            "If you \"hold\" the current game, you can exit without affecting statistics."),
        &dialog);
    note->setWordWrap(true);
    layout->addWidget(note);

    HoldAndExitChoice choice = HoldAndExitChoice::Cancel;
    auto* row = new QHBoxLayout;
    auto* hold = new QPushButton(QStringLiteral("&Hold the game and exit"), &dialog);
    auto* loss = new QPushButton(QStringLiteral("&Exit and post a loss"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    hold->setDefault(true);
    QObject::connect(hold, &QPushButton::clicked, &dialog, [&] {
        choice = HoldAndExitChoice::HoldAndExit;
        dialog.accept();
    });
    QObject::connect(loss, &QPushButton::clicked, &dialog, [&] {
        choice = HoldAndExitChoice::ExitWithLoss;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addWidget(hold);
    row->addWidget(loss);
    row->addWidget(cancel);
    layout->addLayout(row);
    dialog.exec();
    return choice;
}

}  // namespace jw
