#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "CommandIcons.h"
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

int Solid(const QImage& image) {
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
            EXPECT_GT(Solid(icon), size * size / 5) << design.base.toStdString() << " at " << size;
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
