#include "layouts/ui/J_InfoGame.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace jw {
namespace {

constexpr QRgb kFrameColour = qRgb(127, 157, 185);

QFrame* Rule() {
    auto* line = new QFrame;
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: rgb(127, 157, 185);"));
    return line;
}

}  // namespace

TfrmJInfoGame::TfrmJInfoGame(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfrmJInfoGame"));
    setWindowTitle(QStringLiteral(" Game info"));
    setProperty("helpTopic", QStringLiteral("html/windows/game_info.htm"));
    setFixedSize(kGameInfoWidth, kGameInfoHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlInfo"));
    panel->setStyleSheet(QStringLiteral("#pnlInfo { background: white; border: 1px solid %1; }")
                             .arg(QColor(kFrameColour).name()));
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(11);
    panel->setFont(font);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (int line = 0; line < kGameInfoLines; ++line) {
        icons[static_cast<std::size_t>(line)] = new QLabel;
        icons[static_cast<std::size_t>(line)]->setFixedSize(16, 16);
        auto* caption =
            new QLabel(QString::fromLatin1(kGameInfoCaptions[static_cast<std::size_t>(line)]));
        auto* number = new QLabel;
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        numbers[static_cast<std::size_t>(line)] = number;
        grid->addWidget(icons[static_cast<std::size_t>(line)], row, 0);
        grid->addWidget(caption, row, 1);
        grid->addWidget(number, row, 2);
        ++row;
        // Thin rules set the first three lines apart, then the levels.
        if (line == 2 || line == 3) {
            grid->addWidget(Rule(), row++, 0, 1, 3);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(panel);
}

void TfrmJInfoGame::SetNumbers(const std::array<std::string, kGameInfoLines>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        numbers[i]->setText(QString::fromStdString(texts[i]));
    }
}

QString TfrmJInfoGame::Number(int line) const {
    return line >= 0 && line < kGameInfoLines ? numbers[static_cast<std::size_t>(line)]->text()
                                              : QString();
}

void TfrmJInfoGame::SetIcons(const std::array<QPixmap, kGameInfoLines>& pictures) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        icons[i]->setPixmap(pictures[i]);
    }
}

void TfrmJInfoGame::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosedByUser) {
        onClosedByUser();
    }
}

}  // namespace jw
