#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "CommandIcons.h"
#include "IconKit.h"
#include "ImageCompare.h"
#include "Pointers.h"
#include "WindowPictures.h"

namespace artgen {
namespace {

// The picture as it shows on a white ground.
QImage OnWhite(const QImage& image) {
    QImage ground(image.size(), QImage::Format_RGB32);
    ground.fill(Qt::white);
    QPainter painter(&ground);
    painter.drawImage(0, 0, image);
    return ground;
}

int SolidPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
        }
    }
    return count;
}

TEST(WindowPicturesTest, EveryIconIsItsOwnShapeAtBothSizes) {
    const std::vector<IconDesign>& designs = IconDesigns();
    std::vector<QImage> large;
    for (const IconDesign& design : designs) {
        for (const int size : {16, 24}) {
            const QImage icon = RenderIcon(design.draw, size);
            ASSERT_EQ(icon.size(), QSize(size, size)) << design.base.toStdString();
            EXPECT_TRUE(icon.hasAlphaChannel());
            // Transparent corners around a shape that fills a fair part of the frame.
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)) + qAlpha(icon.pixel(size - 1, 0)), 0)
                << design.base.toStdString() << " at " << size;
            EXPECT_GT(SolidPixels(icon), size * size / 5)
                << design.base.toStdString() << " at " << size;
        }
        large.push_back(OnWhite(RenderIcon(design.draw, 24)));
    }
    for (size_t i = 0; i < designs.size(); ++i) {
        for (size_t j = i + 1; j < designs.size(); ++j) {
            EXPECT_GT(DifferingShare(large[i], large[j], 64), 0.08)
                << designs[i].base.toStdString() << " and " << designs[j].base.toStdString()
                << " look alike";
        }
    }
}

TEST(IconKitTest, SolidShapesKeepTheirRimInsideAtEveryScaleAndTurn) {
    for (const int size : {16, 24, 48}) {
        SCOPED_TRACE(size);
        // A square from 6 to 18 in the frame, drawn plain and through a mirror.
        const QImage plain = RenderIcon(
            [](QPainter& painter, bool) {
                Solid(painter, Rounded(QRectF(6, 6, 12, 12), 0), QColor(kIconJade));
            },
            size);
        const QImage mirrored = RenderIcon(
            [](QPainter& painter, bool) {
                painter.translate(kIconFrame, 0);
                painter.scale(-1, 1);
                Solid(painter, Rounded(QRectF(6, 6, 12, 12), 0), QColor(kIconJade));
            },
            size);
        EXPECT_EQ(plain, mirrored);
        const int from = size / 4;
        const int to = size * 3 / 4;
        // Nothing outside the square; its border pixel darker than its middle.
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const bool inside = x >= from && x < to && y >= from && y < to;
                EXPECT_EQ(qAlpha(plain.pixel(x, y)), inside ? 255 : 0) << x << "," << y;
            }
        }
        const QRgb rim = plain.pixel(size / 2, from);
        const QRgb middle = plain.pixel(size / 2, size / 2);
        EXPECT_LT(qGreen(rim) + 40, qGreen(middle));
        EXPECT_NEAR(qGreen(plain.pixel(size / 2, from + 1)), qGreen(middle), 40);
    }
}

TEST(IconKitTest, ArrowsEndAtTheirTipWithAHeadWiderThanTheShaft) {
    const QPainterPath arrow = Arrow({20, 12}, {4, 12}, 4, 6, 10);
    const QRectF box = arrow.boundingRect();
    EXPECT_NEAR(box.left(), 4, 0.01);
    EXPECT_NEAR(box.right(), 20, 0.01);
    EXPECT_NEAR(box.height(), 10, 0.01);
    EXPECT_TRUE(arrow.contains(QPointF(5, 12)));
    EXPECT_TRUE(arrow.contains(QPointF(9.5, 8)));  // the head, wider than the shaft
    EXPECT_FALSE(arrow.contains(QPointF(16, 8)));  // beside the shaft
    EXPECT_TRUE(arrow.contains(QPointF(16, 11)));
    // Undo's arc arrow: starting at the lower right, its head ends up on the
    // left, pointing down.
    const QPainterPath arc = ArcArrow({12, 12}, 6, -45, 215, 3, 5, 9);
    EXPECT_LT(arc.boundingRect().left(), 12 - 6 - 3);
    EXPECT_GT(arc.boundingRect().bottom(), 12 + 3);
    const QPointF star = Star({12, 12}, 10, 4).boundingRect().center();
    EXPECT_NEAR(Star({12, 12}, 10, 4).boundingRect().top(), 2, 0.01);
    EXPECT_NEAR(star.x(), 12, 0.01);
}

TEST(WindowPicturesTest, RedoIsUndoInAMirror) {
    QImage undo;
    QImage redo;
    for (const IconDesign& design : IconDesigns()) {
        if (design.base == "UNDO") {
            undo = RenderIcon(design.draw, 24);
        } else if (design.base == "REDO") {
            redo = RenderIcon(design.draw, 24);
        }
    }
    ASSERT_FALSE(undo.isNull() || redo.isNull());
    EXPECT_LT(DifferingShare(OnWhite(redo), OnWhite(undo.mirrored(true, false)), 24), 0.01);
}

TEST(WindowPicturesTest, LargePicturesAreSteadyAndFreeOfTheSeeThroughColour) {
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"SPLASH", DrawSplash()},
        {"ABOUT", DrawAboutPicture()},
        {"HOLD_AND_EXIT", DrawHoldPicture()},
        {"APP_ICON", DrawAppIcon(kAppIconSize)}};
    EXPECT_EQ(pictures[0].second.size(), QSize(kSplashWidth, kSplashHeight));
    EXPECT_EQ(pictures[0].second, DrawSplash());
    EXPECT_EQ(pictures[3].second, DrawAppIcon(kAppIconSize));
    for (const auto& [name, picture] : pictures) {
        // No trace of the tiles' magenta: no pink fringe along their edges.
        int pink = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                pink += qAlpha(pixel) > 40 && qRed(pixel) > qGreen(pixel) + 50 &&
                                qBlue(pixel) > qGreen(pixel) + 50
                            ? 1
                            : 0;
            }
        }
        EXPECT_EQ(pink, 0) << name;
    }
}

TEST(WindowPicturesTest, GreyedIconIsPaleGreyWithTheSameOutline) {
    const QImage undo = RenderIcon(IconDesigns()[8].draw, 24);
    ASSERT_EQ(IconDesigns()[8].base, "UNDO");
    const QImage greyed = Greyed(undo);
    ASSERT_EQ(greyed.size(), undo.size());
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const QRgb before = undo.pixel(x, y);
            const QRgb after = greyed.pixel(x, y);
            EXPECT_EQ(qRed(after), qGreen(after));
            EXPECT_EQ(qGreen(after), qBlue(after));
            // Clear stays clear, solid becomes partly see-through but stays visible.
            EXPECT_EQ(qAlpha(after) == 0, qAlpha(before) == 0) << x << "," << y;
            EXPECT_LE(qAlpha(after), qAlpha(before) * 2 / 3 + 1);
            if (qAlpha(before) == 255) {
                EXPECT_GE(qAlpha(after), 128);
            }
        }
    }
}

TEST(WindowPicturesTest, PointersPointWithTheirHotspots) {
    const std::vector<Pointer> pointers = DrawPointers();
    ASSERT_EQ(pointers.size(), 12u);
    for (const Pointer& pointer : pointers) {
        SCOPED_TRACE(pointer.name.toStdString());
        ASSERT_EQ(pointer.image.size(), QSize(kPointerSize, kPointerSize));
        ASSERT_TRUE(pointer.image.rect().contains(pointer.hotspot));
        EXPECT_GE(qAlpha(pointer.image.pixel(pointer.hotspot)), 128);
        // The hotspot is the tip: nothing solid lies further up than it.
        int top = kPointerSize;
        for (int y = 0; y < kPointerSize && top == kPointerSize; ++y) {
            for (int x = 0; x < kPointerSize; ++x) {
                if (qAlpha(pointer.image.pixel(x, y)) >= 128) {
                    top = y;
                    break;
                }
            }
        }
        EXPECT_LE(pointer.hotspot.y() - top, 1);
    }
    // Each left hand is its right hand in a mirror, hotspot included.
    for (const size_t base : {0u, 6u}) {
        for (const size_t hand : {2u, 3u}) {
            const Pointer& right = pointers[base + hand];
            const Pointer& left = pointers[base + hand + 2];
            ASSERT_TRUE(right.name.contains("RIGHT") && left.name.contains("LEFT"));
            EXPECT_EQ(left.hotspot, QPoint(kPointerSize - 1 - right.hotspot.x(), right.hotspot.y()))
                << left.name.toStdString();
            EXPECT_LT(
                DifferingShare(OnWhite(left.image), OnWhite(right.image.mirrored(true, false)), 96),
                0.05)
                << left.name.toStdString();
        }
    }
    // The arrows point at their top-left corner; the hands from their top.
    EXPECT_EQ(pointers[0].hotspot, QPoint(1, 1));
    EXPECT_GT(pointers[2].hotspot.x(), 4);
}

TEST(WindowPicturesTest, WriterStoresIconsAndHotspotsInPng) {
    QTemporaryDir dir;
    ResourceWriter writer(dir.path());
    const Pointer hand = DrawPointers()[2];
    ASSERT_TRUE(writer.Cursor(hand.name, hand.image, QPoint(12, 1)));
    ASSERT_TRUE(writer.Icon("HELP_256_16x16", RenderIcon(IconDesigns()[19].draw, 16)));
    EXPECT_EQ(writer.Written(), QStringList({"CURSOR/CUR_RIGHT_HAND1A", "ICON/HELP_256_16x16"}));
    QFile file(dir.filePath("CURSOR/CUR_RIGHT_HAND1A.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\x89PNG"));
    // A plain text chunk that any PNG reader can see.
    EXPECT_TRUE(
        bytes.contains(QByteArray("tEXthotspot\0"
                                  "12,1",
                                  16)));
    const QImage back = QImage::fromData(bytes, "png");
    EXPECT_EQ(back.text(kHotspotKey), "12,1");
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), hand.image);
    const QImage icon(dir.filePath("ICON/HELP_256_16x16.png"));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(icon.size(), QSize(16, 16));
}

class WindowPicturesCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResourceWriter writer(dir.path());
        ASSERT_TRUE(WriteWindowPictures(writer));
    }
    QString Path(const QString& entry) const { return dir.filePath(entry); }

    QTemporaryDir dir;
};

TEST_F(WindowPicturesCheckTest, WrittenPicturesPass) {
    const QStringList faults = CheckWindowPictures(dir.path());
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
    // The splash and the dialog pictures are written where the game looks.
    EXPECT_EQ(QImage(Path("JPEG/SPLASH.jpg")).size(), QSize(kSplashWidth, kSplashHeight));
    EXPECT_EQ(QImage(Path("ICON/APP_ICON.png")).size(), QSize(kAppIconSize, kAppIconSize));
}

TEST_F(WindowPicturesCheckTest, SpoiltPicturesAreReported) {
    ResourceWriter writer(dir.path());
    const std::vector<Pointer> pointers = DrawPointers();
    // A pointer without hotspot, one whose hotspot misses the shape.
    ASSERT_TRUE(pointers[0].image.save(Path("CURSOR/CUR_ARROW1A.png")));
    ASSERT_TRUE(writer.Cursor("CUR_LEFT_HAND2B", pointers[11].image, QPoint(31, 31)));
    // A 24-pixel icon in a 16-pixel place, an icon on a solid ground, a
    // coloured image in the greyed place, a JPEG under an icon's name.
    const QImage save = RenderIcon(IconDesigns()[5].draw, 24);
    ASSERT_TRUE(writer.Icon("SAVE_256_16x16", save));
    ASSERT_TRUE(writer.Icon("PAUSE_xp_24x24", OnWhite(save)));
    ASSERT_TRUE(writer.Icon("REDO_256_24x24_DISABLED", save));
    QFile::remove(Path("ICON/TIME_xp_24x24.png"));
    QFile::copy(Path("JPEG/SPLASH.jpg"), Path("ICON/TIME_xp_24x24.png"));
    ASSERT_TRUE(writer.Jpeg("SPLASH", QImage(400, 256, QImage::Format_RGB32)));
    QFile::remove(Path("ICON/ABOUT.png"));

    const QStringList faults = CheckWindowPictures(dir.path());
    const QStringList expected = {
        "ICON/SAVE_256_16x16: 24 x 24 pixels, expected 16 x 16",
        "ICON/PAUSE_xp_24x24: not a shape on a see-through ground",
        "ICON/REDO_256_24x24_DISABLED: not a paler grey form of REDO_xp_24x24",
        "ICON/TIME_xp_24x24: not a PNG",
        "CURSOR/CUR_ARROW1A: no hotspot inside the picture",
        "CURSOR/CUR_LEFT_HAND2B: hotspot 31,31 is off the shape",
        "ICON/ABOUT: missing",
        "JPEG/SPLASH: 400 x 256 pixels, expected 404 x 256",
    };
    for (const QString& fault : expected) {
        EXPECT_TRUE(faults.contains(fault)) << fault.toStdString();
    }
    EXPECT_EQ(faults.size(), expected.size()) << faults.join("\n").toStdString();
}

}  // namespace
}  // namespace artgen
