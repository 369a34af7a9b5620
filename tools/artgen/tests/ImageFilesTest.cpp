#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ImageFiles.h"

namespace artgen {
namespace {

uint32_t Read32(const QByteArray& bytes, int offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    }
    return value;
}

TEST(ImageFilesTest, BitmapIs24BitBottomUpWithPaddedRows) {
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(2, 0, qRgb(7, 8, 9));
    image.setPixel(0, 1, qRgb(10, 11, 12));
    image.setPixel(1, 1, qRgb(13, 14, 15));
    image.setPixel(2, 1, qRgb(16, 17, 18));
    const QString path = dir.filePath("x.bmp");
    ASSERT_TRUE(WriteBmp24(image, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // 3 pixels of 3 bytes padded to 12 bytes per row.
    ASSERT_EQ(bytes.size(), 54 + 2 * 12);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(Read32(bytes, 2), 78u);
    EXPECT_EQ(Read32(bytes, 10), 54u);
    EXPECT_EQ(Read32(bytes, 18), 3u);
    EXPECT_EQ(Read32(bytes, 22), 2u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 24);
    EXPECT_EQ(Read32(bytes, 30), 0u);
    // The first stored row is the bottom one, blue-green-red.
    EXPECT_EQ(static_cast<uint8_t>(bytes[54]), 12);
    EXPECT_EQ(static_cast<uint8_t>(bytes[55]), 11);
    EXPECT_EQ(static_cast<uint8_t>(bytes[56]), 10);
    EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 12]), 3);
    EXPECT_EQ(bytes[54 + 9], '\0');
    const QImage back(path);
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
}

TEST(ImageFilesTest, WriterFilesByKindAndRemembersNames) {
    QTemporaryDir dir;
    ResourceWriter writer(dir.path());
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(writer.Bitmap("tiles_x_001_1_3D_Border", image));
    ASSERT_TRUE(writer.Jpeg("tiles_X_001", image));
    EXPECT_TRUE(QFile::exists(dir.filePath("BITMAP/tiles_x_001_1_3D_Border.bmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath("JPEG/tiles_X_001.jpg")));
    EXPECT_EQ(writer.Written(),
              QStringList({"BITMAP/tiles_x_001_1_3D_Border", "JPEG/tiles_X_001"}));
    QFile jpeg(dir.filePath("JPEG/tiles_X_001.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpeg.readAll().startsWith("\xff\xd8\xff"));
}

}  // namespace
}  // namespace artgen
