// A sheet of every window picture, for looking at them side by side: icons
// at both sizes on a light and a dark ground and enlarged, pointers with their
// hotspots marked, and the larger pictures reduced.
#include <QPainter>

#include "CommandIcons.h"
#include "Fonts.h"
#include "Pointers.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

constexpr int kColumns = 4;
constexpr int kIconCellWidth = 200;
constexpr int kIconCellHeight = 84;
constexpr int kPointerCellWidth = 132;
constexpr int kPointerCellHeight = 96;
constexpr QRgb kLightGround = 0xfff2f2f0;
constexpr QRgb kDarkGround = 0xff34393d;

struct IconEntry {
    QString label;
    QImage small;  // may be null (the greyed forms exist at 24 only)
    QImage large;
};

void Label(QPainter& painter, const QString& text, QPointF at) {
    QFont font(Fonts().sans);
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(at, text);
}

void IconCell(QPainter& painter, const IconEntry& entry, QPoint at) {
    if (!entry.small.isNull()) {
        painter.drawImage(at + QPoint(8, 10), entry.small);
    }
    painter.drawImage(at + QPoint(32, 6), entry.large);
    painter.fillRect(QRect(at + QPoint(62, 2), QSize(32, 32)), QColor(kDarkGround));
    painter.drawImage(at + QPoint(66, 6), entry.large);
    painter.drawImage(QRect(at + QPoint(112, 4), QSize(72, 72)), entry.large);
    Label(painter, entry.label, at + QPointF(8, 52));
}

void PointerCell(QPainter& painter, const Pointer& pointer, QPoint at) {
    painter.drawImage(at + QPoint(6, 6), pointer.image);
    painter.fillRect(QRect(at + QPoint(6, 44), QSize(32, 32)), QColor(kDarkGround));
    painter.drawImage(at + QPoint(6, 44), pointer.image);
    const QRect zoom(at + QPoint(48, 6), QSize(64, 64));
    painter.fillRect(zoom, Qt::white);
    painter.drawImage(zoom, pointer.image);
    painter.setPen(QColor(230, 20, 20));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(zoom.topLeft() + pointer.hotspot * 2 - QPoint(1, 1), QSize(3, 3)));
    Label(painter, pointer.name, at + QPointF(6, 90));
}

}  // namespace

bool WriteWindowPictureSheet(const QString& file, QString* error) {
    std::vector<IconEntry> icons;
    for (const IconDesign& design : IconDesigns()) {
        const QImage large = RenderIcon(design.draw, 24);
        icons.push_back({design.base, RenderIcon(design.draw, 16), large});
        if (DisabledIconBases().contains(design.base)) {
            icons.push_back({design.base + " disabled", {}, Greyed(large)});
        }
    }
    const std::vector<Pointer> pointers = DrawPointers();
    const int iconRows = (static_cast<int>(icons.size()) + kColumns - 1) / kColumns;
    const int pointersPerRow = kColumns * kIconCellWidth / kPointerCellWidth;
    const int pointerRows =
        (static_cast<int>(pointers.size()) + pointersPerRow - 1) / pointersPerRow;
    const int picturesTop = iconRows * kIconCellHeight + pointerRows * kPointerCellHeight + 8;
    QImage sheet(kColumns * kIconCellWidth, picturesTop + kSplashHeight / 2 + 16,
                 QImage::Format_RGB32);
    sheet.fill(kLightGround);
    QPainter painter(&sheet);
    for (size_t i = 0; i < icons.size(); ++i) {
        const int index = static_cast<int>(i);
        IconCell(painter, icons[i],
                 QPoint(index % kColumns * kIconCellWidth, index / kColumns * kIconCellHeight));
    }
    for (size_t i = 0; i < pointers.size(); ++i) {
        const int index = static_cast<int>(i);
        PointerCell(
            painter, pointers[i],
            QPoint(index % pointersPerRow * kPointerCellWidth,
                   iconRows * kIconCellHeight + index / pointersPerRow * kPointerCellHeight));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(8, picturesTop, kSplashWidth / 2, kSplashHeight / 2), DrawSplash());
    const int x = 16 + kSplashWidth / 2;
    painter.drawImage(x, picturesTop, DrawAboutPicture());
    painter.drawImage(x + 104, picturesTop, DrawHoldPicture());
    painter.drawImage(x + 208, picturesTop, DrawAppIcon(kDialogPictureSize));
    painter.end();
    if (!sheet.save(file, "png")) {
        *error = "cannot write " + file;
        return false;
    }
    return true;
}

}  // namespace artgen
