#include "Backgrounds.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>
#include <QPainter>

#include "BackgroundsDesigns.h"
#include "Fonts.h"
#include "Sounds.h"

namespace artgen {

namespace {

// The catalogue lists some pictures twice under one drawing with a
// variant; these wrappers give each code its own function.
QImage Marble401() {
    return bg::Marble(false);
}
QImage Marble260() {
    return bg::Marble(true);
}
QImage DarkBrown() {
    return bg::WoodPlanks(0);
}
QImage Light() {
    return bg::WoodPlanks(1);
}
QImage Light02() {
    return bg::WoodPlanks(2);
}
QImage LightBrown() {
    return bg::WoodPlanks(3);
}
QImage Stucco1() {
    return bg::Stucco(0);
}
QImage Stucco2() {
    return bg::Stucco(1);
}
QImage Stucco3() {
    return bg::Stucco(2);
}
QImage Stucco4() {
    return bg::Stucco(3);
}
QImage Brick1() {
    return bg::Bricks(0);
}
QImage Brick2() {
    return bg::Bricks(1);
}
QImage Brick3() {
    return bg::Bricks(2);
}
QImage Pattern1() {
    return bg::Pattern(0);
}
QImage Pattern2() {
    return bg::Pattern(1);
}
QImage Pattern3() {
    return bg::Pattern(2);
}
QImage Pattern4() {
    return bg::Pattern(3);
}

QImage JpegRoundTrip(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(kJpegQuality);
    writer.write(image);
    return QImage::fromData(buffer.data(), "jpg");
}

}  // namespace

const std::vector<BackgroundArt>& BackgroundArtwork() {
    static const std::vector<BackgroundArt> art = {
        {297, "Abstract", bg::Abstract},
        {299, "Abstract 02", bg::Abstract02},
        {274, "Blue", bg::BlueMottle},
        {265, "Bubbles", bg::Bubbles},
        {405, "Honeycomb", bg::Honeycomb},
        {276, "Zigzag", bg::Zigzag},
        {403, "Brick", Brick1},
        {404, "Brick 02", Brick2},
        {406, "Brick 03", Brick3},
        {279, "Fantasy", bg::Fantasy},
        {316, "Puzzle", bg::Puzzle},
        {267, "Carpet", bg::Carpet},
        {323, "Cloth", bg::Cloth},
        {266, "Flowers", bg::FlowerFabric},
        {321, "Moquette", bg::Moquette},
        {268, "Tablecloth", bg::Tablecloth},
        {296, "Yellow", bg::YellowLinen},
        {285, "Floor", bg::Floor},
        {407, "Floor 02", bg::Floor02},
        {401, "Marble", Marble401},
        {260, "Marble 02", Marble260},
        {272, "Metallic", bg::Metallic},
        {301, "Ribbon", bg::Ribbon},
        {408, "Algae", bg::Algae},
        {410, "Sky", bg::Sky},
        {324, "Meadow", bg::Meadow},
        {257, "Ocean", bg::Ocean},
        {303, "Fold paper", bg::FoldPaper},
        {259, "Rough paper", bg::RoughPaper},
        {258, "Straw", bg::Straw},
        {302, "Pattern", Pattern1},
        {318, "Pattern 02", Pattern2},
        {319, "Pattern 03", Pattern3},
        {320, "Pattern 04", Pattern4},
        {284, "Letters", bg::Letters},
        {291, "Stucco", Stucco1},
        {306, "Stucco 02", Stucco2},
        {402, "Stucco 03", Stucco3},
        {288, "Stucco 04", Stucco4},
        {270, "Carved wood", bg::CarvedWood},
        {315, "Dark brown", DarkBrown},
        {269, "Light", Light},
        {313, "Light 02", Light02},
        {312, "Light brown", LightBrown},
        {311, "Parquet", bg::Parquet},
        {289, "Ply-wood", bg::PlyWood},
    };
    return art;
}

QString BackgroundName(int code) {
    return QString("B%1").arg(code, 3, 10, QChar('0'));
}

bool WriteBackgroundsAndSounds(ResourceWriter& writer) {
    for (const BackgroundArt& art : BackgroundArtwork()) {
        if (!writer.Jpeg(BackgroundName(art.code), art.draw())) {
            return false;
        }
    }
    if (!writer.Bitmap("BMP_PAUSE_1", DrawPausePicture(1)) ||
        !writer.Bitmap("BMP_PAUSE_2", DrawPausePicture(2))) {
        return false;
    }
    for (const Sound& sound : SynthesiseSounds()) {
        if (!writer.Wave(sound.name, sound.bytes)) {
            return false;
        }
    }
    return true;
}

bool WriteBackgroundSheet(const QString& path, QString* error) {
    const int thumbW = 160;
    const int thumbH = 120;
    const int labelH = 18;
    const int gap = 8;
    const int columns = 8;
    const int count = static_cast<int>(BackgroundArtwork().size());
    const int rows = (count + columns - 1) / columns;
    QImage sheet(gap + columns * (thumbW + gap), gap + rows * (thumbH + labelH + gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(40, 44, 48));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(Fonts().sans);
    font.setPixelSize(11);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const BackgroundArt& art = BackgroundArtwork()[static_cast<size_t>(i)];
        const QImage picture = JpegRoundTrip(art.draw());
        const int x = gap + (i % columns) * (thumbW + gap);
        const int y = gap + (i / columns) * (thumbH + labelH + gap);
        // Tiled pictures are shown tiled at half size, stretched ones whole,
        // as the board would show them.
        QImage thumb(thumbW, thumbH, QImage::Format_RGB32);
        if (picture.width() < 512 || picture.height() < 384) {
            const QImage half =
                picture.scaled(picture.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QPainter tiler(&thumb);
            tiler.fillRect(thumb.rect(), QBrush(half));
        } else {
            thumb = picture.scaled(thumbW, thumbH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        painter.drawImage(x, y, thumb);
        painter.setPen(QColor(220, 220, 210));
        painter.drawText(QRect(x, y + thumbH, thumbW, labelH), Qt::AlignCenter,
                         QString("%1  %2").arg(BackgroundName(art.code), art.name));
    }
    painter.end();
    QImageWriter out(path, "png");
    out.setQuality(0);
    // 256 colours with error diffusion keep the sheet small and still true
    // to the pictures at this size.
    if (!out.write(sheet.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither))) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace artgen
