#include "shell/ui/J_Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "platform/ResourceStore.h"
#include "shell/CommandTable.h"

namespace jw {

namespace {
constexpr int kSplashWidth = 404;
constexpr int kSplashHeight = 256;
}  // namespace

TfrmJSplashForm::TfrmJSplashForm(const ResourceStore& resources)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmJSplashForm"));
    setFixedSize(kSplashWidth, kSplashHeight);
    picture = LibraryPicture(resources, "JPEG", "SPLASH");
    if (picture.isNull()) {
        picture = LibraryPicture(resources, "BITMAP", "SPLASH");
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kSplashWidth) / 2,
             area.y() + (area.height() - kSplashHeight) / 2);
    }
}

void TfrmJSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture.isNull()) {
        painter.drawImage(rect(), picture);
        return;
    }
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(18, 110, 70));
    gradient.setColorAt(1, QColor(4, 40, 24));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(235, 245, 235));
    QFont font = painter.font();
    font.setPixelSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, QString::fromLatin1(kProgramName));
}

}  // namespace jw
