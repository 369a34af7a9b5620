#include "CommandIcons.h"

#include <QTransform>

#include "Fonts.h"
#include "Glyphs.h"

namespace artgen {

namespace {

// A path turned by `degrees` around the middle of the icon frame; turning
// the path rather than the painter keeps the gradient running downwards.
QPainterPath Turned(const QPainterPath& path, double degrees) {
    const double half = kIconFrame / 2;
    return QTransform().translate(half, half).rotate(degrees).translate(-half, -half).map(path);
}

// A polygon with its corners rounded by `radius`.
QPainterPath RoundedPolygon(std::initializer_list<QPointF> points, double radius) {
    const QPainterPath polygon = Polygon(points);
    return polygon.united(Thick(polygon, 2 * radius));
}

// A head and shoulders, the head's centre at `head`.
void Bust(QPainter& painter, QPointF head, double scale, QRgb colour) {
    const double x = head.x();
    const double y = head.y();
    QPainterPath bottom;
    bottom.addRect(QRectF(x - 8 * scale, y, 16 * scale, 12.5 * scale));
    const QPainterPath shoulders =
        Rounded(QRectF(x - 6.5 * scale, y + 4.6 * scale, 13 * scale, 14 * scale), 5.8 * scale)
            .intersected(bottom);
    Solid(painter, shoulders, QColor(colour));
    Solid(painter, Circle(head, 3.7 * scale), QColor(colour));
}

void FolderBack(QPainter& painter) {
    const QPainterPath back =
        Rounded(QRectF(2, 5, 18, 16), 1.5).united(Rounded(QRectF(2, 3, 8, 4), 1.5));
    Solid(painter, back, QColor(kIconAmber).darker(125));
}

void FolderFront(QPainter& painter) {
    Solid(painter, Polygon({{5.5, 10.5}, {23, 10.5}, {19.5, 21}, {2, 21}}), QColor(kIconAmber));
}

void DrawNew(QPainter& painter, bool) {
    SmallTile(painter, QRectF(3, 5, 12, 16), 2.5);
    Solid(painter, Circle({9, 13}, 3.3), QColor(kIconRed));
    Solid(painter, Star({17.5, 6.5}, 6.3, 2.2, 4), QColor(kIconGold));
}

void DrawOpen(QPainter& painter, bool) {
    FolderBack(painter);
    SmallTile(painter, QRectF(8, 4.5, 8, 10), 1.5);
    FolderFront(painter);
}

void DrawFolderFavoritesOpen(QPainter& painter, bool) {
    FolderBack(painter);
    Solid(painter, Star({13.5, 9}, 6.5, 2.8), QColor(kIconGold).lighter(112));
    FolderFront(painter);
}

void DrawRestart(QPainter& painter, bool small) {
    Solid(painter, ArcArrow({12, 12.5}, 7.2, 95, -285, small ? 3.6 : 3.2, 5.5, 9),
          QColor(kIconJade));
}

void DrawSelect(QPainter& painter, bool small) {
    SmallTile(painter, QRectF(4, 3, 14, 18), 2.5);
    const double width = small ? 2.3 : 1.9;
    QPainterPath hash = Thick(Line({10, 6.5}, {9, 17.5}), width);
    hash = hash.united(Thick(Line({14.2, 6.5}, {13.2, 17.5}), width));
    hash = hash.united(Thick(Line({6.7, 10}, {16, 10}), width));
    hash = hash.united(Thick(Line({6.2, 14}, {15.5, 14}), width));
    Flat(painter, hash, QColor(kIconJadeDark));
}

void DrawRandom(QPainter& painter, bool small) {
    const QTransform turn = QTransform().translate(12, 12).rotate(-12);
    Solid(painter, turn.map(Rounded(QRectF(-9, -9, 18, 18), 3.8)), QColor(kIconIvory));
    std::vector<QPointF> pips = {{-4.3, -4.3}, {0, 0}, {4.3, 4.3}};
    if (!small) {
        pips.insert(pips.end(), {{4.3, -4.3}, {-4.3, 4.3}});
    }
    for (const QPointF& pip : pips) {
        Flat(painter, turn.map(Circle(pip, small ? 2.0 : 1.8)),
             pip == QPointF(0, 0) ? QColor(kIconRed) : QColor(kIconJadeDark));
    }
}

void DrawSave(QPainter& painter, bool small) {
    Solid(painter, RoundedPolygon({{3.5, 3.5}, {18, 3.5}, {20.5, 6}, {20.5, 20.5}, {3.5, 20.5}}, 1),
          QColor(kIconJade));
    Solid(painter, Rounded(QRectF(7, 2.5, 9.5, 6.5), 0.8), QColor(0xffdfe4e8));
    Flat(painter, Rounded(QRectF(12.5, 3.8, 2.2, 3.8), 0.4), QColor(kIconSlate));
    Solid(painter, Rounded(QRectF(6, 12, 12, 9), 1), QColor(kIconIvory));
    if (!small) {
        Flat(painter, Thick(Line({8.5, 15}, {15.5, 15}), 1), QColor(0xffb9b2a0));
        Flat(painter, Thick(Line({8.5, 18}, {15.5, 18}), 1), QColor(0xffb9b2a0));
    }
}

void DrawPlayers(QPainter& painter, bool) {
    Bust(painter, {15.8, 5.6}, 0.88, kIconGold);
    Bust(painter, {9.2, 8.6}, 1.0, kIconJade);
}

void DrawExit(QPainter& painter, bool) {
    Solid(painter, Rounded(QRectF(3, 2, 11, 20), 1), QColor(kIconWood));
    Flat(painter, Rounded(QRectF(5, 4, 7, 6.5), 0.6), QColor(kIconWood).darker(118));
    Flat(painter, Circle({11.3, 14.5}, 1.1), QColor(kIconGold));
    Solid(painter, Arrow({9, 12}, {23, 12}, 4.2, 7.5, 11), QColor(kIconRed));
}

void DrawUndo(QPainter& painter, bool small) {
    Solid(painter, ArcArrow({12.5, 14}, 6.6, -45, 215, small ? 3.8 : 3.4, 6.2, 10.5),
          QColor(kIconJade));
}

void DrawRedo(QPainter& painter, bool small) {
    painter.save();
    painter.translate(kIconFrame, 0);
    painter.scale(-1, 1);
    DrawUndo(painter, small);
    painter.restore();
}

void DrawBookmark(QPainter& painter, bool) {
    SmallTile(painter, QRectF(3, 5, 13, 16), 2);
    Solid(painter, Polygon({{11, 2}, {19.5, 2}, {19.5, 21}, {15.25, 17}, {11, 21}}),
          QColor(kIconRed));
}

void DrawPause(QPainter& painter, bool) {
    Solid(painter, Circle({12, 12}, 10.2), QColor(kIconJade));
    Flat(painter, Rounded(QRectF(7.8, 6.8, 3.2, 10.4), 0.6), QColor(kIconIvory));
    Flat(painter, Rounded(QRectF(13, 6.8, 3.2, 10.4), 0.6), QColor(kIconIvory));
}

void DrawFullScreen(QPainter& painter, bool) {
    Solid(painter, Rounded(QRectF(1.5, 3, 21, 18), 2), QColor(kIconSlate));
    Solid(painter, Rounded(QRectF(4, 5.5, 16, 13), 0.8), QColor(kIconIvory));
    const QPainterPath corner = Polygon({{5, 6.5}, {10, 6.5}, {5, 11.5}});
    for (int quarter = 0; quarter < 4; ++quarter) {
        // The screen is wider than high, so the corners are mirrored rather
        // than turned.
        const QTransform mirror = QTransform()
                                      .translate(12, 12)
                                      .scale(quarter % 2 == 0 ? 1 : -1, quarter < 2 ? 1 : -1)
                                      .translate(-12, -12);
        Flat(painter, mirror.map(corner), QColor(kIconJade));
    }
}

void DrawStats(QPainter& painter, bool) {
    Solid(painter, Rounded(QRectF(3.5, 12, 5, 8.5), 0.8), QColor(kIconGold));
    Solid(painter, Rounded(QRectF(9.5, 4, 5, 16.5), 0.8), QColor(kIconJade));
    Solid(painter, Rounded(QRectF(15.5, 8.5, 5, 12), 0.8), QColor(kIconRed));
    Flat(painter, Rounded(QRectF(2, 20.5, 20, 1.8), 0.5), QColor(kIconSlate));
}

void DrawHiScores(QPainter& painter, bool) {
    QPainterPath cup(QPointF(5.5, 2.5));
    cup.lineTo(18.5, 2.5);
    cup.lineTo(18, 8);
    cup.cubicTo(17.5, 12.5, 15, 14.2, 12, 14.2);
    cup.cubicTo(9, 14.2, 6.5, 12.5, 6, 8);
    cup.closeSubpath();
    QPainterPath left(QPointF(6.2, 4.8));
    left.cubicTo(1.5, 4.5, 2, 11.5, 7.5, 11);
    QPainterPath right(QPointF(17.8, 4.8));
    right.cubicTo(22.5, 4.5, 22, 11.5, 16.5, 11);
    cup = cup.united(Thick(left, 1.7)).united(Thick(right, 1.7));
    cup = cup.united(Rounded(QRectF(10.6, 13, 2.8, 5), 0.3));
    Solid(painter, cup, QColor(kIconGold));
    Solid(painter, Rounded(QRectF(6.5, 17.5, 11, 4.5), 1), QColor(kIconJadeDark));
}

void DrawFavorites(QPainter& painter, bool) {
    Solid(painter, Star({11, 12}, 10.5, 4.3), QColor(kIconGold));
    Solid(painter, Circle({18.3, 18.3}, 5.2), QColor(kIconJade));
    const QPainterPath plus = Thick(Line({18.3, 15.4}, {18.3, 21.2}), 2)
                                  .united(Thick(Line({15.4, 18.3}, {21.2, 18.3}), 2));
    Flat(painter, plus, QColor(kIconIvory));
}

void DrawCustomize(QPainter& painter, bool) {
    QPainterPath gear = Circle({12, 12}, 7.6);
    for (int tooth = 0; tooth < 8; ++tooth) {
        gear = gear.united(Turned(Rounded(QRectF(9.6, 1.2, 4.8, 6), 1), tooth * 45.0));
    }
    gear = gear.subtracted(Circle({12, 12}, 3.2));
    Solid(painter, gear, QColor(0xff7f8e99));
}

void DrawLayout(QPainter& painter, bool) {
    SmallTile(painter, QRectF(2, 11, 8.5, 11), 1.6);
    SmallTile(painter, QRectF(11, 11, 8.5, 11), 1.6);
    SmallTile(painter, QRectF(6.5, 2.5, 8.5, 11), 1.6);
    Flat(painter, Circle({10.75, 8}, 2), QColor(kIconRed));
}

void DrawComments(QPainter& painter, bool) {
    const QPainterPath bubble =
        Rounded(QRectF(2, 3, 20, 14), 3.5).united(Polygon({{6, 15}, {11.5, 15}, {4.5, 21.5}}));
    Solid(painter, bubble, QColor(kIconIvory));
    Flat(painter, Thick(Line({6.5, 7.8}, {17.5, 7.8}), 1.8), QColor(kIconJade));
    Flat(painter, Thick(Line({6.5, 12}, {14, 12}), 1.8), QColor(kIconJade));
}

// The marker of a game that has a comment: a filled speech bubble.
void DrawCommentYes(QPainter& painter, bool) {
    const QPainterPath bubble =
        Rounded(QRectF(1.5, 2.5, 21, 15), 4).united(Polygon({{6, 15}, {12, 15}, {4, 22.5}}));
    Solid(painter, bubble, QColor(kIconJade));
    Flat(painter, Thick(Line({6.5, 7.6}, {17.5, 7.6}), 2), QColor(kIconIvory));
    Flat(painter, Thick(Line({6.5, 12.2}, {14, 12.2}), 2), QColor(kIconIvory));
}

void DrawHelp(QPainter& painter, bool small) {
    Solid(painter, Circle({12, 12}, 10.2), QColor(kIconJade));
    Flat(painter, GlyphPath("?", Fonts().sansBold, small ? 17 : 16, {12, 12}), QColor(kIconIvory));
}

void DrawWebPage(QPainter& painter, bool small) {
    const QPainterPath globe = Circle({12, 12}, 10.2);
    Solid(painter, globe, QColor(kIconSky));
    const double width = small ? 1.5 : 1.1;
    QPainterPath grid;
    grid.addEllipse(QPointF(12, 12), 4.4, 10.2);
    grid.moveTo(12, 1.8);
    grid.lineTo(12, 22.2);
    grid.moveTo(1.8, 12);
    grid.lineTo(22.2, 12);
    if (!small) {
        grid.moveTo(3.5, 7);
        grid.lineTo(20.5, 7);
        grid.moveTo(3.5, 17);
        grid.lineTo(20.5, 17);
    }
    Flat(painter, Thick(grid, width).intersected(Circle({12, 12}, 9.3)),
         QColor(255, 255, 255, 210));
}

void DrawPlay(QPainter& painter, bool) {
    Solid(painter, RoundedPolygon({{6.5, 4}, {20, 12}, {6.5, 20}}, 1.5), QColor(kIconJade));
}

void DrawMove(QPainter& painter, double degrees) {
    Solid(painter, Turned(Arrow({21.5, 12}, {2.5, 12}, 6, 9.5, 17), degrees), QColor(kIconJade));
}

void DrawCenter(QPainter& painter, bool) {
    SmallTile(painter, QRectF(8, 6.5, 7, 9.5), 1.5);
    const QPainterPath wedge = RoundedPolygon({{1.5, 8}, {5.8, 12}, {1.5, 16}}, 0.5);
    for (int quarter = 0; quarter < 4; ++quarter) {
        Solid(painter, Turned(wedge, quarter * 90.0), QColor(kIconJade));
    }
}

void DrawOptionsLayout(QPainter& painter, bool) {
    const double rows[] = {5, 12, 19};
    const double knobs[] = {15, 7.5, 12.5};
    for (int i = 0; i < 3; ++i) {
        Flat(painter, Thick(Line({3, rows[i]}, {21, rows[i]}), 2), QColor(kIconSlate));
    }
    for (int i = 0; i < 3; ++i) {
        Solid(painter, Rounded(QRectF(knobs[i] - 2.5, rows[i] - 3.5, 5, 7), 1.2),
              QColor(kIconJade));
    }
}

void DrawScore(QPainter& painter, bool) {
    Solid(painter, Circle({12, 12}, 10.2), QColor(kIconGold));
    Flat(painter, Circle({12, 12}, 7.4).subtracted(Circle({12, 12}, 6.4)),
         QColor(kIconGold).darker(130));
    Flat(painter, Star({12, 12.4}, 5.2, 2.2), QColor(kIconGold).darker(140));
}

void DrawTime(QPainter& painter, bool small) {
    Solid(painter, Circle({12, 12}, 10.5), QColor(kIconJade));
    Solid(painter, Circle({12, 12}, 7.9), QColor(kIconIvory));
    if (!small) {
        for (int tick = 0; tick < 4; ++tick) {
            Flat(painter, Turned(Rounded(QRectF(11.4, 4.8, 1.2, 2), 0.3), tick * 90.0),
                 QColor(kIconSlate));
        }
    }
    const double width = small ? 2.2 : 1.8;
    Flat(painter,
         Thick(Line({12, 12}, {12, 6.5}), width).united(Thick(Line({12, 12}, {16, 14}), width)),
         QColor(kIconSlate));
}

void DrawMatches(QPainter& painter, bool) {
    SmallTile(painter, QRectF(1.5, 4, 9, 14), 2);
    SmallTile(painter, QRectF(12, 4, 9, 14), 2);
    Solid(painter, Circle({6, 11}, 2.8), QColor(kIconRed));
    Solid(painter, Circle({16.5, 11}, 2.8), QColor(kIconRed));
}

// The layout manager's buttons: a small tile with what is done to it.
void DrawEdit(QPainter& painter, bool) {
    SmallTile(painter, QRectF(2.5, 4, 12, 16), 2.2);
    const QPainterPath pencil = Thick(Line({9, 19}, {20.5, 5.5}), 3.4);
    Solid(painter, pencil, QColor(kIconGold));
    Flat(painter, Thick(Line({18.6, 7.8}, {20.5, 5.5}), 3.4), QColor(kIconRed));
    Flat(painter, Polygon({{7.6, 20.6}, {8.2, 17.6}, {10.4, 19.3}}), QColor(kIconSlate));
}

void DrawDelete(QPainter& painter, bool) {
    SmallTile(painter, QRectF(2.5, 4, 12, 16), 2.2);
    const QPainterPath cross =
        Thick(Line({12, 9}, {21, 18}), 3.4).united(Thick(Line({21, 9}, {12, 18}), 3.4));
    Solid(painter, cross, QColor(kIconRed));
}

void DrawDuplicate(QPainter& painter, bool) {
    SmallTile(painter, QRectF(2, 2.5, 11, 14.5), 2);
    SmallTile(painter, QRectF(10, 7.5, 11, 14.5), 2);
    Solid(painter, Circle({15.5, 14.75}, 2.6), QColor(kIconRed));
}

void DrawRename(QPainter& painter, bool small) {
    Solid(painter, Rounded(QRectF(1.5, 6, 21, 12), 2), QColor(kIconIvory));
    Flat(painter, GlyphPath("A", Fonts().sansBold, small ? 11 : 10, {7.5, 12.2}),
         QColor(kIconJade));
    Flat(painter, Thick(Line({15.5, 3.5}, {15.5, 20.5}), 1.6), QColor(kIconSlate));
    Flat(painter, Thick(Line({13, 3.5}, {18, 3.5}), 1.4), QColor(kIconSlate));
    Flat(painter, Thick(Line({13, 20.5}, {18, 20.5}), 1.4), QColor(kIconSlate));
}

void DrawImport(QPainter& painter, bool) {
    FolderBack(painter);
    FolderFront(painter);
    Solid(painter, Arrow({13, 1.5}, {13, 15.5}, 3.2, 6.5, 9.5), QColor(kIconJade));
}

void DrawExport(QPainter& painter, bool) {
    SmallTile(painter, QRectF(2.5, 3, 11, 15), 2);
    Solid(painter, Arrow({9, 15}, {22, 15}, 3.2, 6.5, 9.5), QColor(kIconJade));
}

}  // namespace

const std::vector<IconDesign>& IconDesigns() {
    static const std::vector<IconDesign> designs = {
        {"NEW", DrawNew},
        {"OPEN", DrawOpen},
        {"RESTART", DrawRestart},
        {"SELECT", DrawSelect},
        {"RANDOM", DrawRandom},
        {"SAVE", DrawSave},
        {"PLAYERS", DrawPlayers},
        {"EXIT", DrawExit},
        {"UNDO", DrawUndo},
        {"REDO", DrawRedo},
        {"BOOKMARK", DrawBookmark},
        {"PAUSE", DrawPause},
        {"FULL_SCREEN", DrawFullScreen},
        {"STATS", DrawStats},
        {"HISCORES", DrawHiScores},
        {"FAVORITES", DrawFavorites},
        {"CUSTOMIZE", DrawCustomize},
        {"LAYOUT", DrawLayout},
        {"COMMENTS", DrawComments},
        {"HELP", DrawHelp},
        {"WEBPAGE", DrawWebPage},
        {"PLAY", DrawPlay},
        {"MOVELEFT", [](QPainter& painter, bool) { DrawMove(painter, 0); }},
        {"MOVERIGHT", [](QPainter& painter, bool) { DrawMove(painter, 180); }},
        {"MOVEUP", [](QPainter& painter, bool) { DrawMove(painter, 90); }},
        {"MOVEDOWN", [](QPainter& painter, bool) { DrawMove(painter, 270); }},
        {"CENTER", DrawCenter},
        {"OPTIONSLAYOUT", DrawOptionsLayout},
        {"SCORE", DrawScore},
        {"TIME", DrawTime},
        {"MATCHES", DrawMatches},
        {"FOLDER_FAVORITES_OPEN", DrawFolderFavoritesOpen},
        {"EDIT", DrawEdit},
        {"DELETE", DrawDelete},
        {"DUPLICATE", DrawDuplicate},
        {"RENAME", DrawRename},
        {"IMPORT", DrawImport},
        {"EXPORT", DrawExport},
    };
    return designs;
}

QString SmallIconName(const QString& base) {
    return base + "_256_16x16";
}

QString LargeIconName(const QString& base) {
    return base + "_xp_24x24";
}

QString DisabledIconName(const QString& base) {
    return base + "_256_24x24_DISABLED";
}

const QStringList& DisabledIconBases() {
    static const QStringList bases = {"UNDO", "REDO"};
    return bases;
}

bool WriteCommandIcons(ResourceWriter& writer) {
    if (!writer.Icon(QStringLiteral("COMMENT_YES"), RenderIcon(DrawCommentYes, 16))) {
        return false;
    }
    for (const IconDesign& design : IconDesigns()) {
        const QImage large = RenderIcon(design.draw, 24);
        if (!writer.Icon(SmallIconName(design.base), RenderIcon(design.draw, 16)) ||
            !writer.Icon(LargeIconName(design.base), large)) {
            return false;
        }
        if (DisabledIconBases().contains(design.base) &&
            !writer.Icon(DisabledIconName(design.base), Greyed(large))) {
            return false;
        }
    }
    return true;
}

}  // namespace artgen
