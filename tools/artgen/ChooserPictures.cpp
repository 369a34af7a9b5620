// The pictures of the open-game dialog: the node pictures of its game lists
// (16 x 16 bitmaps whose top-left pixel is the see-through colour) and the
// five 52 x 58 buttons of its left bar, drawn with the window icons' kit.
#include <QPainter>

#include "IconKit.h"
#include "ImageFiles.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

constexpr QRgb kSeeThrough = 0xffff00ff;
constexpr int kNodeSize = 16;
constexpr int kBarWidth = 52;
constexpr int kBarHeight = 58;

void Folder(QPainter& painter, bool open, const QColor& colour) {
    Solid(painter, Rounded(QRectF(2, 5, 18, 16), 1.5).united(Rounded(QRectF(2, 3, 8, 4), 1.5)),
          colour.darker(125));
    if (open) {
        Solid(painter, Polygon({{5.5, 10.5}, {23, 10.5}, {19.5, 21}, {2, 21}}), colour);
    } else {
        Solid(painter, Rounded(QRectF(2, 8, 20, 13), 1.5), colour);
    }
}

// A badge in the lower right corner of a folder, telling what it groups.
void Badge(QPainter& painter, char kind) {
    switch (kind) {
        case 'F':  // features: a gold star
            Solid(painter, Star({16, 15}, 6.5, 2.8), QColor(kIconGold));
            break;
        case 'S':  // sets: two stacked tiles
            SmallTile(painter, QRectF(10, 9, 7, 9), 1.5);
            SmallTile(painter, QRectF(14, 12, 7, 9), 1.5);
            break;
        case 'D':  // chance: a die
            Solid(painter, Rounded(QRectF(11, 10, 11, 11), 2), QColor(kIconIvory));
            for (const QPointF& pip : {QPointF(14, 13), QPointF(16.5, 15.5), QPointF(19, 18)}) {
                Flat(painter, Circle(pip, 1.3), QColor(kIconRed));
            }
            break;
        case 'C':  // new games: a red burst
            Solid(painter, Star({16, 15}, 7, 3.5, 8), QColor(kIconRed));
            break;
        case 'T':  // game type: a tile with a dot
            SmallTile(painter, QRectF(11, 9, 9, 12), 1.5);
            Flat(painter, Circle({15.5, 15}, 2), QColor(kIconRed));
            break;
        case 'I':  // levels: three layers
            for (int layer = 0; layer < 3; ++layer) {
                Solid(painter, Rounded(QRectF(10 + layer, 18 - 4 * layer, 12 - 2 * layer, 4), 1),
                      QColor(kIconSky).lighter(100 + 15 * layer));
            }
            break;
        default:
            break;
    }
}

QImage NodePicture(const std::function<void(QPainter&)>& draw) {
    const QImage icon = RenderIcon([&](QPainter& painter, bool) { draw(painter); }, kNodeSize);
    // Bitmaps carry no alpha: the icon goes onto the see-through colour,
    // its soft edges cut at half opacity so no magenta fringe shows.
    QImage image(kNodeSize, kNodeSize, QImage::Format_RGB32);
    for (int y = 0; y < kNodeSize; ++y) {
        for (int x = 0; x < kNodeSize; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            image.setPixel(x, y, qAlpha(pixel) < 128 ? kSeeThrough : (pixel | 0xff000000u));
        }
    }
    image.setPixel(0, 0, kSeeThrough);
    return image;
}

void MahJongTile(QPainter& painter) {
    SmallTile(painter, QRectF(5, 3, 13, 17), 2.5);
    Solid(painter, Circle({11.5, 11.5}, 3.6), QColor(kIconRed));
}

void MatchingTile(QPainter& painter) {
    Solid(painter, Rounded(QRectF(7, 5, 13, 17), 2), QColor(kIconJadeDark));
    Solid(painter, Rounded(QRectF(5, 3, 13, 17), 2), QColor(kIconJade));
    Flat(painter, Polygon({{11.5, 7}, {15, 11.5}, {11.5, 16}, {8, 11.5}}), QColor(kIconJadeLight));
}

// The node pictures by name, in list order.
std::vector<std::pair<QString, std::function<void(QPainter&)>>> NodeDesigns() {
    std::vector<std::pair<QString, std::function<void(QPainter&)>>> designs;
    designs.push_back({"TREE1", [](QPainter& p) { Folder(p, false, QColor(kIconAmber)); }});
    designs.push_back({"TREE2", [](QPainter& p) { Folder(p, true, QColor(kIconAmber)); }});
    designs.push_back({"N_TREE3", [](QPainter& p) { SmallTile(p, QRectF(5, 3, 13, 17), 2.5); }});
    designs.push_back(
        {"N_TREE4", [](QPainter& p) {
             Solid(p, Polygon({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}}), QColor(kIconIvory));
             Flat(p, Thick(Line({8, 11}, {17, 11}), 1.6), QColor(kIconSlate));
             Flat(p, Thick(Line({8, 15}, {17, 15}), 1.6), QColor(kIconSlate));
         }});
    designs.push_back({"N_TREE5", [](QPainter& p) {
                           Solid(p, Star({12, 12.5}, 10, 4.2), QColor(kIconGold));
                       }});
    for (const char kind : {'F', 'S', 'D', 'C', 'T', 'I'}) {
        for (const bool open : {false, true}) {
            const QString name = QString(QChar(kind)) + (open ? "_TREE2" : "_TREE1");
            designs.push_back({name, [kind, open](QPainter& p) {
                                   Folder(p, open, QColor(kIconAmber));
                                   Badge(p, kind);
                               }});
        }
    }
    designs.push_back(
        {"TREE5_CUSTOMIZED_GAMES", [](QPainter& p) {
             SmallTile(p, QRectF(3, 5, 12, 16), 2.5);
             Solid(p, Thick(Line({21, 4}, {11, 15}), 3.4), QColor(kIconWood));
             Flat(p, Polygon({{9.2, 16.8}, {11.8, 14.2}, {8, 19}}), QColor(kIconSlate));
         }});
    designs.push_back({"TREE_MAHJONG", MahJongTile});
    designs.push_back({"TREE_MATCHING", MatchingTile});
    return designs;
}

// One left-bar button: a big picture over a soft panel.
QImage BarButton(const std::function<void(QPainter&)>& draw) {
    QImage image(kBarWidth, kBarHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 40.0 / kIconFrame;
    painter.translate((kBarWidth - 40) / 2.0, (kBarHeight - 40) / 2.0);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

}  // namespace

bool WriteChooserPictures(ResourceWriter& writer) {
    for (const auto& [name, draw] : NodeDesigns()) {
        if (!writer.Bitmap(name, NodePicture(draw))) {
            return false;
        }
    }
    const std::pair<const char*, std::function<void(QPainter&)>> buttons[] = {
        {"OPEN_ALL_GAMES",
         [](QPainter& p) {
             MatchingTile(p);
             p.translate(4, 2);
             MahJongTile(p);
         }},
        {"OPEN_GAME_GROUPS",
         [](QPainter& p) {
             Folder(p, true, QColor(kIconAmber));
             Badge(p, 'T');
         }},
        {"OPEN_CUSTOM_LAYOUTS",
         [](QPainter& p) {
             SmallTile(p, QRectF(3, 5, 12, 16), 2.5);
             Solid(p, Thick(Line({21, 4}, {11, 15}), 3.4), QColor(kIconWood));
         }},
        {"OPEN_FAVORITES",
         [](QPainter& p) {
             Folder(p, true, QColor(kIconAmber));
             Solid(p, Star({13.5, 12}, 7.5, 3.2), QColor(kIconGold).lighter(112));
         }},
        {"OPEN_RECENT_GAMES",
         [](QPainter& p) {
             Solid(p, Circle({12, 12}, 10), QColor(kIconIvory));
             Flat(p, Thick(Line({12, 12}, {12, 5.5}), 2), QColor(kIconSlate));
             Flat(p, Thick(Line({12, 12}, {16.5, 14.5}), 2), QColor(kIconSlate));
             Solid(p, ArcArrow({12, 12}, 10, 100, 70, 2.2, 4, 6), QColor(kIconJade));
         }},
    };
    for (const auto& [name, draw] : buttons) {
        if (!writer.Icon(name, BarButton(draw))) {
            return false;
        }
    }
    return true;
}

}  // namespace artgen
