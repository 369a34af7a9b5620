#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "Generator.h"
#include "ImageFiles.h"
#include "Sheet.h"
#include "Verify.h"

namespace artgen {
namespace {

bool Mentions(const QStringList& faults, const QString& text) {
    for (const QString& fault : faults) {
        if (fault.contains(text)) {
            return true;
        }
    }
    return false;
}

class VerifyTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        ResourceWriter writer(folder->path());
        ASSERT_TRUE(GenerateAll(writer));
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    // A scratch copy of the generated folder that a test may spoil.
    QString Copy() {
        scratch = std::make_unique<QTemporaryDir>();
        for (const QString kind : {"BITMAP", "JPEG", "ICON", "CURSOR"}) {
            QDir(scratch->path()).mkpath(kind);
            const QDir from(folder->filePath(kind));
            for (const QString& name : from.entryList(QDir::Files)) {
                QFile::copy(from.filePath(name), scratch->filePath(kind + "/" + name));
            }
        }
        return scratch->path();
    }

    static QTemporaryDir* folder;
    std::unique_ptr<QTemporaryDir> scratch;
};

QTemporaryDir* VerifyTest::folder = nullptr;

TEST_F(VerifyTest, GeneratedFolderPasses) {
    const QStringList faults = VerifyFolder(folder->path());
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

TEST_F(VerifyTest, MissingPictureIsReported) {
    const QString dir = Copy();
    QFile::remove(dir + "/BITMAP/tiles_x_003_2_3D_Border.bmp");
    EXPECT_TRUE(Mentions(VerifyFolder(dir), "BITMAP/tiles_x_003_2_3D_Border: missing"));
}

TEST_F(VerifyTest, WrongKindIsReported) {
    const QString dir = Copy();
    {
        // Marked as 32 bits per pixel in its header.
        QFile body(dir + "/BITMAP/tiles_x_001_1_3D_Border.bmp");
        ASSERT_TRUE(body.open(QIODevice::ReadWrite));
        body.seek(28);
        body.write("\x20", 1);
    }
    QFile::remove(dir + "/JPEG/preview_tiles_matching_shapes.jpg");
    QFile::copy(dir + "/BITMAP/sel_cell_alph.bmp", dir + "/JPEG/preview_tiles_matching_shapes.jpg");
    const QStringList faults = VerifyFolder(dir);
    EXPECT_TRUE(Mentions(faults, "tiles_x_001_1_3D_Border: not a 24-bit bitmap"));
    EXPECT_TRUE(Mentions(faults, "preview_tiles_matching_shapes: not a JPEG stream"));
}

TEST_F(VerifyTest, LookAlikeFacesAndWrongSizesAreReported) {
    const QString dir = Copy();
    const QSize cell(88, 120);
    QImage sheet(dir + "/JPEG/tiles_X_004.jpg");
    {
        // Face 20 (two bamboos) replaced by face 19 (the bird).
        QPainter painter(&sheet);
        const QPoint to = CellOfFace(20);
        painter.drawImage(to.x() * 89 + 1, to.y() * 121 + 1, SheetFace(sheet, cell, 19));
    }
    ResourceWriter writer(dir);
    ASSERT_TRUE(writer.Jpeg("tiles_X_004", sheet));
    ASSERT_TRUE(
        writer.Jpeg("preview_tiles_mahjong_modern", QImage(200, 120, QImage::Format_RGB32)));
    const QStringList faults = VerifyFolder(dir);
    EXPECT_TRUE(Mentions(faults, "tiles_X_004: faces 19 and 20 look alike"));
    EXPECT_TRUE(Mentions(faults, "preview_tiles_mahjong_modern: 200 x 120 pixels"));
    EXPECT_EQ(faults.size(), 2) << faults.join("\n").toStdString();
}

}  // namespace
}  // namespace artgen
