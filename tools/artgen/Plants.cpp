#include "Plants.h"

#include <QPainterPath>

#include "Drawing.h"

namespace artgen {

namespace {

QColor Bark(const SetLook& look) {
    return look.stroke == Stroke::Brush ? look.ink : Mix(QColor(92, 58, 36), look.ink, 0.2);
}

QColor Leaf(const SetLook& look) {
    return Mix(look.green, QColor(120, 180, 60), 0.25);
}

void Branch(QPainter& painter, const SetLook& look, const QPainterPath& path, double width) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Bark(look), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

// A pointed leaf from `base` towards `tip`, `width` wide at its middle.
QPainterPath LeafPath(QPointF base, QPointF tip, double width) {
    const QPointF along = tip - base;
    const double length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length * width, along.x() / length * width);
    const QPointF mid = base + along * 0.45;
    QPainterPath path(base);
    path.quadTo(mid + normal, tip);
    path.quadTo(mid - normal, base);
    return path;
}

}  // namespace

void DrawBlossom(QPainter& painter, const SetLook& look, QPointF centre, double radius, int petals,
                 const QColor& petal, const QColor& heart, double turn) {
    for (int i = 0; i < petals; ++i) {
        const double angle = turn + i * 2 * M_PI / petals;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        FillShape(painter, look, Ellipse(at, radius * 0.48, radius * 0.4, angle * 180 / M_PI),
                  petal);
    }
    FillShape(painter, look, Ellipse(centre, radius * 0.24, radius * 0.24), heart);
}

void DrawPlum(QPainter& painter, const SetLook& look, const QRectF& a) {
    QPainterPath branch(At(a, 0.1, 0.98));
    branch.cubicTo(At(a, 0.3, 0.7), At(a, 0.2, 0.45), At(a, 0.55, 0.3));
    branch.quadTo(At(a, 0.75, 0.2), At(a, 0.85, 0.05));
    Branch(painter, look, branch, 4.5);
    QPainterPath twig(At(a, 0.28, 0.62));
    twig.quadTo(At(a, 0.55, 0.6), At(a, 0.8, 0.72));
    Branch(painter, look, twig, 2.5);
    const QColor pink = Mix(look.red, Qt::white, 0.45);
    const QColor heart(240, 200, 60);
    DrawBlossom(painter, look, At(a, 0.55, 0.3), 14, 5, pink, heart, 0.3);
    DrawBlossom(painter, look, At(a, 0.78, 0.72), 12, 5, pink, heart, 0.9);
    DrawBlossom(painter, look, At(a, 0.24, 0.5), 10, 5, pink, heart, 0.1);
    DrawBlossom(painter, look, At(a, 0.8, 0.1), 8, 5, pink, heart, 0.5);
    FillShape(painter, look, Ellipse(At(a, 0.5, 0.62), 3.5, 3.5), look.red);
}

void DrawOrchid(QPainter& painter, const SetLook& look, const QRectF& a) {
    const QPointF root = At(a, 0.45, 0.98);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (auto [tx, ty, cx, cy] : {std::array<double, 4>{0.02, 0.35, 0.1, 0.7},
                                  {0.95, 0.45, 0.75, 0.55},
                                  {0.2, 0.15, 0.3, 0.5},
                                  {0.75, 0.95, 0.7, 0.8},
                                  {0.98, 0.2, 0.6, 0.4}}) {
        QPainterPath leaf(root);
        leaf.quadTo(At(a, cx, cy), At(a, tx, ty));
        painter.setPen(QPen(look.stroke == Stroke::Brush ? look.ink : Leaf(look), 3.2,
                            Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(leaf);
    }
    painter.restore();
    const QColor petal = Mix(QColor(150, 70, 170), look.blue, 0.2);
    for (QPointF at : {At(a, 0.62, 0.22), At(a, 0.38, 0.42)}) {
        for (int i = 0; i < 5; ++i) {
            const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
            FillShape(painter, look,
                      LeafPath(at, at + QPointF(std::cos(angle), std::sin(angle)) * 13, 4.5),
                      petal);
        }
        FillShape(painter, look, Ellipse(at, 2.8, 2.8), QColor(240, 210, 80));
    }
}

void DrawChrysanthemum(QPainter& painter, const SetLook& look, const QRectF& a) {
    QPainterPath stem(At(a, 0.5, 0.98));
    stem.quadTo(At(a, 0.42, 0.7), At(a, 0.5, 0.42));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(look.stroke == Stroke::Brush ? look.ink : look.green, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
    painter.restore();
    FillShape(painter, look, LeafPath(At(a, 0.47, 0.78), At(a, 0.12, 0.66), 7), Leaf(look));
    FillShape(painter, look, LeafPath(At(a, 0.47, 0.68), At(a, 0.85, 0.6), 7), Leaf(look));
    const QPointF centre = At(a, 0.5, 0.32);
    const QColor outer(236, 160, 30);
    const QColor inner(250, 206, 60);
    for (int ring = 0; ring < 2; ++ring) {
        const int petals = ring == 0 ? 18 : 12;
        const double length = ring == 0 ? 25 : 15;
        for (int i = 0; i < petals; ++i) {
            const double angle = (i + 0.5 * ring) * 2 * M_PI / petals;
            FillShape(
                painter, look,
                LeafPath(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * length, 2.6),
                ring == 0 ? outer : inner);
        }
    }
    FillShape(painter, look, Ellipse(centre, 4, 4), look.red);
}

void DrawBambooPlant(QPainter& painter, const SetLook& look, const QRectF& a) {
    painter.save();
    for (auto [x, top] : {std::array<double, 2>{0.35, 0.02}, {0.62, 0.18}}) {
        painter.setPen(QPen(look.stroke == Stroke::Brush ? look.ink : look.green.darker(120), 5.5,
                            Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(At(a, x, top), At(a, x, 1.0));
        painter.setPen(QPen(look.surfaceLight, 1.4));
        for (double y = top + 0.2; y < 0.98; y += 0.22) {
            painter.drawLine(At(a, x - 0.04, y), At(a, x + 0.04, y));
        }
    }
    painter.restore();
    const QColor leaf = Leaf(look);
    for (auto [bx, by, tx, ty] : {std::array<double, 4>{0.35, 0.22, 0.02, 0.12},
                                  {0.35, 0.22, 0.1, 0.34},
                                  {0.62, 0.4, 0.96, 0.3},
                                  {0.62, 0.4, 0.92, 0.52},
                                  {0.35, 0.64, 0.05, 0.72},
                                  {0.62, 0.8, 0.95, 0.86}}) {
        FillShape(painter, look, LeafPath(At(a, bx, by), At(a, tx, ty), 4.5), leaf);
    }
}

void DrawSpring(QPainter& painter, const SetLook& look, const QRectF& a) {
    // A willow twig with fresh leaves and a swallow.
    QPainterPath twig(At(a, 0.05, 0.05));
    twig.quadTo(At(a, 0.5, 0.0), At(a, 0.6, 0.45));
    Branch(painter, look, twig, 2.5);
    const QColor leaf = Mix(Leaf(look), Qt::white, 0.2);
    for (double t : {0.2, 0.35, 0.5, 0.65, 0.8, 0.95}) {
        const QPointF base = twig.pointAtPercent(t);
        FillShape(painter, look, LeafPath(base, base + QPointF(-5, 12), 3), leaf);
    }
    QPainterPath swallow;
    const QPointF body = At(a, 0.55, 0.75);
    swallow.moveTo(body + QPointF(-22, -8));
    swallow.quadTo(body + QPointF(-8, -4), body + QPointF(0, 2));
    swallow.quadTo(body + QPointF(8, -10), body + QPointF(24, -16));
    swallow.quadTo(body + QPointF(10, 2), body + QPointF(4, 8));
    swallow.lineTo(body + QPointF(12, 22));
    swallow.lineTo(body + QPointF(0, 11));
    swallow.lineTo(body + QPointF(-8, 20));
    swallow.lineTo(body + QPointF(-4, 8));
    swallow.quadTo(body + QPointF(-10, 0), body + QPointF(-22, -8));
    FillShape(painter, look, swallow, look.blue.darker(130));
    FillShape(painter, look, Ellipse(body + QPointF(0, 4), 3, 3), look.red);
}

void DrawSummer(QPainter& painter, const SetLook& look, const QRectF& a) {
    // A lotus over water under the sun.
    const QPointF sun = At(a, 0.75, 0.15);
    painter.save();
    painter.setPen(QPen(look.red, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        const double angle = i * M_PI / 5;
        const QPointF dir(std::cos(angle), std::sin(angle));
        painter.drawLine(sun + dir * 11, sun + dir * 15);
    }
    painter.restore();
    FillShape(painter, look, Ellipse(sun, 8.5, 8.5), Mix(look.red, QColor(250, 180, 40), 0.5));
    FillShape(painter, look, Ellipse(At(a, 0.3, 0.86), 20, 6), Leaf(look));
    const QPointF lotus = At(a, 0.45, 0.66);
    const QColor pink = Mix(look.red, Qt::white, 0.5);
    for (double angle : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
        const double rad = angle * M_PI / 180;
        FillShape(painter, look,
                  LeafPath(lotus, lotus + QPointF(std::cos(rad), std::sin(rad)) * 22, 6), pink);
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.blue, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double y : {0.93, 1.0}) {
        QPainterPath wave(At(a, 0.0, y));
        for (double x = 0.0; x < 1.0; x += 0.25) {
            wave.quadTo(At(a, x + 0.0625, y - 0.04), At(a, x + 0.125, y));
            wave.quadTo(At(a, x + 0.1875, y + 0.04), At(a, x + 0.25, y));
        }
        painter.drawPath(wave);
    }
    painter.restore();
}

void DrawAutumn(QPainter& painter, const SetLook& look, const QRectF& a) {
    // Two maple leaves.
    auto maple = [&](QPointF centre, double size, double turn, const QColor& colour) {
        QPainterPath leaf;
        const int points = 5;
        for (int i = 0; i <= points * 2; ++i) {
            const double angle = turn - M_PI / 2 + i * M_PI / points * 0.8 - M_PI * 0.4 * 0.8 * 0;
            const double spread = -M_PI * 0.8 + i * (1.6 * M_PI) / (points * 2);
            const double r = (i % 2 == 0) ? size : size * 0.45;
            const QPointF p =
                centre +
                QPointF(std::cos(turn - M_PI / 2 + spread), std::sin(turn - M_PI / 2 + spread)) * r;
            (void)angle;
            if (i == 0) {
                leaf.moveTo(p);
            } else {
                leaf.lineTo(p);
            }
        }
        leaf.lineTo(centre +
                    QPointF(std::cos(turn + M_PI / 2), std::sin(turn + M_PI / 2)) * size * 0.2);
        leaf.closeSubpath();
        FillShape(painter, look, leaf, colour);
        painter.save();
        painter.setPen(QPen(Bark(look), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(
            centre,
            centre + QPointF(std::cos(turn + M_PI / 2), std::sin(turn + M_PI / 2)) * size * 0.9);
        painter.restore();
    };
    maple(At(a, 0.38, 0.32), 24, -0.3, Mix(look.red, QColor(230, 90, 20), 0.4));
    maple(At(a, 0.66, 0.72), 19, 0.5, QColor(226, 150, 30));
}

void DrawWinter(QPainter& painter, const SetLook& look, const QRectF& a) {
    // A snowflake over a snowy pine branch.
    const QPointF centre = At(a, 0.5, 0.36);
    painter.save();
    painter.setPen(QPen(look.blue, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double angle = i * M_PI / 3 + M_PI / 2;
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF side(-dir.y(), dir.x());
        painter.drawLine(centre, centre + dir * 26);
        for (double d : {12.0, 19.0}) {
            painter.drawLine(centre + dir * d, centre + dir * (d + 6) + side * 6);
            painter.drawLine(centre + dir * d, centre + dir * (d + 6) - side * 6);
        }
    }
    painter.restore();
    QPainterPath branch(At(a, 0.0, 0.92));
    branch.quadTo(At(a, 0.5, 0.8), At(a, 1.0, 0.86));
    Branch(painter, look, branch, 3);
    painter.save();
    painter.setPen(QPen(Leaf(look).darker(130), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double t = 0.05; t < 1.0; t += 0.07) {
        const QPointF p = branch.pointAtPercent(t);
        painter.drawLine(p, p + QPointF(4, 7));
        painter.drawLine(p, p + QPointF(-3, 8));
    }
    painter.restore();
    for (double t : {0.2, 0.5, 0.8}) {
        FillShape(painter, look, Ellipse(branch.pointAtPercent(t) + QPointF(0, -3), 9, 3.5),
                  Qt::white);
    }
}

}  // namespace artgen
