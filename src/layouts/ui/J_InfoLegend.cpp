#include "layouts/ui/J_InfoLegend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "presentation/Resample.h"
#include "presentation/ui/QtPicture.h"

namespace jw {
namespace {

const QColor kBackground(255, 255, 242);
const QColor kCaptionColour(52, 20, 12);
const QColor kNameColour(105, 40, 24);

QFont LegendFont(int pixels, bool bold, const char* family) {
    QFont font;
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* Text(QWidget* owner, const char* text, int x, int y, const QFont& font,
             const QColor& colour) {
    auto* label = new QLabel(QString::fromLatin1(text), owner);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

TfrmJInfoLegend::TfrmJInfoLegend(QWidget* mainWindow, LegendForm formIn, bool showValues)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), form(formIn) {
    const bool mahJong = form == LegendForm::MahJong;
    setObjectName(mahJong ? QStringLiteral("TfrmJInfoLegend")
                          : QStringLiteral("TfrmJInfoLegendMatching"));
    setWindowTitle(QStringLiteral(" Tile Legend"));
    setProperty("helpTopic", QStringLiteral("html/windows/game_info.htm"));
    setFixedSize(382, mahJong ? 415 : 341);
    picture = QImage(size(), QImage::Format_RGB32);
    picture.fill(kBackground);

    if (mahJong) {
        BuildMahJongLabels();
    } else {
        Text(this, "Tiles:", 8, 8, LegendFont(13, true, "Arial"), kCaptionColour);
    }
    chkShowTileValue = new QCheckBox(QStringLiteral("Show Tiles values"), this);
    chkShowTileValue->setFont(LegendFont(11, false, "Tahoma"));
    chkShowTileValue->move(mahJong ? 9 : 6, mahJong ? 395 : 314);
    chkShowTileValue->adjustSize();
    chkShowTileValue->setChecked(showValues);
    connect(chkShowTileValue, &QCheckBox::toggled, this, [this](bool on) {
        if (onShowValuesChanged) {
            onShowValuesChanged(on);
        }
    });
}

void TfrmJInfoLegend::BuildMahJongLabels() {
    const QFont caption = LegendFont(13, true, "Arial");
    const QFont note = LegendFont(11, false, "Tahoma");
    struct Section {
        const char* caption;
        int x, y;
        const char* note;
        int noteX, noteY;
    };
    static constexpr Section kSections[] = {
        {"Characters (cracks, actors)", 8, 8, "36 tiles: 4 series numbered from 1 to 9", 180, 10},
        {"Circles (dots)", 8, 83, "36 tiles: 4 series numbered from 1 to 9", 98, 85},
        {"Bamboos (sticks)", 8, 158, "36 tiles: 4 series numbered from 1 to 9", 120, 160},
        {"Winds", 8, 233, "16 tiles: 4 series of 4", 57, 235},
        {"Dragons", 213, 233, "12 tiles: 4 series of 3", 275, 235},
        {"Flowers", 8, 320, "4 tiles", 68, 322},
        {"Seasons", 213, 320, "4 tiles", 275, 322},
    };
    for (const Section& s : kSections) {
        Text(this, s.caption, s.x, s.y, caption, kCaptionColour);
        Text(this, s.note, s.noteX, s.noteY, note, palette().color(QPalette::WindowText));
    }
    struct Name {
        const char* text;
        int x;
    };
    static constexpr Name kNames[] = {{"East", 8},  {"South", 49},  {"West", 90},  {"North", 131},
                                      {"Red", 215}, {"Green", 254}, {"White", 295}};
    for (const Name& n : kNames) {
        Text(this, n.text, n.x, 305, note, kNameColour);
    }
}

void TfrmJInfoLegend::Rebuild(const std::function<const Image*(int face)>& face,
                              const std::string& scoreType, bool faceDown, Host& host) {
    const auto wanted = LegendFormFor(scoreType, faceDown);
    if (!wanted || *wanted != form) {
        return;  // this form does not apply: the picture stays as it was
    }
    const int extra = form == LegendForm::MahJong && logicalDpiY() > 96 ? 10 : 0;
    drawn = LegendTiles(form, scoreType, faceDown, host, extra);
    picture.fill(kBackground);
    QPainter painter(&picture);
    const QFont badgeFont = LegendFont(11, false, "Tahoma");
    painter.setFont(badgeFont);
    const int textHeight = QFontMetrics(badgeFont).boundingRect(QStringLiteral("10")).height();
    const bool values = chkShowTileValue->isChecked();
    for (const LegendTile& tile : drawn) {
        if (const Image* source = face(tile.face); source != nullptr && !source->Empty()) {
            const Image scaled = ResampleLanczos3(*source, kLegendTileWidth, kLegendTileHeight);
            painter.drawImage(tile.x, tile.y, WrapImage(scaled));
        }
        if (!values) {
            continue;
        }
        const BadgeRect b = BadgeOf(tile.x, tile.y, textHeight);
        const QRect rect(b.left, b.top, b.right - b.left, b.bottom - b.top);
        painter.fillRect(rect, QColor(255, 255, 225));
        painter.save();
        painter.setClipRect(rect);
        painter.setPen(Qt::black);
        painter.drawText(QRect(b.textX, b.textY, rect.width(), textHeight + 2),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(tile.value));
        painter.restore();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(b.left, b.bottom, b.right, b.bottom);
        painter.drawLine(b.right, b.bottom, b.right, tile.y + 49 - textHeight);
    }
    update();
}

void TfrmJInfoLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TfrmJInfoLegend::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosedByUser) {
        onClosedByUser();
    }
}

}  // namespace jw
