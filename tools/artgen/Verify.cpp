#include "Verify.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include "ArtCommon.h"
#include "ImageCompare.h"
#include "Previews.h"
#include "Sheet.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

// Two faces count as different pictures when at least this share of their
// pixels differ clearly (by more than kClearDifference in some channel);
// JPEG noise alone stays far below it.
constexpr double kDistinctShare = 0.006;
constexpr int kClearDifference = 64;

class Checker {
  public:
    explicit Checker(const QString& outDir) : root(outDir) {}

    // Loads KIND/NAME, checking that the file is of that kind; an empty
    // picture when it is missing or of another kind.
    QImage Load(const QString& kind, const QString& name) {
        const bool bitmap = kind == "BITMAP";
        const QString path = root.filePath(kind + "/" + name + (bitmap ? ".bmp" : ".jpg"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Fault(kind + "/" + name + ": missing");
            return {};
        }
        const QByteArray bytes = file.readAll();
        if (bitmap) {
            // A 24-bit uncompressed bitmap: "BM", 24 bits per pixel, no compression.
            const auto at16 = [&](int offset) {
                return static_cast<uint8_t>(bytes[offset]) |
                       (static_cast<uint8_t>(bytes[offset + 1]) << 8);
            };
            if (bytes.size() < 54 || !bytes.startsWith("BM") || at16(28) != 24 || at16(30) != 0) {
                Fault(kind + "/" + name + ": not a 24-bit bitmap");
                return {};
            }
        } else if (!bytes.startsWith("\xff\xd8\xff")) {
            Fault(kind + "/" + name + ": not a JPEG stream");
            return {};
        }
        QImage image = QImage::fromData(bytes, bitmap ? "bmp" : "jpg");
        if (image.isNull()) {
            Fault(kind + "/" + name + ": cannot be decoded");
            return {};
        }
        return image.convertToFormat(QImage::Format_RGB32);
    }

    bool Size(const QString& name, const QImage& image, QSize expected) {
        if (image.isNull()) {
            return false;
        }
        if (image.size() != expected) {
            Fault(QString("%1: %2 x %3 pixels, expected %4 x %5")
                      .arg(name)
                      .arg(image.width())
                      .arg(image.height())
                      .arg(expected.width())
                      .arg(expected.height()));
            return false;
        }
        return true;
    }

    void Fault(const QString& text) { faults.append(text); }

    QStringList faults;

  private:
    QDir root;
};

// The sheet's 42 faces and its blank cell must all differ from each other.
void CheckSheet(Checker& checker, const QString& name, const QImage& sheet, QSize cell, int clear,
                double share) {
    std::vector<QImage> faces;
    for (int face = 1; face <= kFaceCount; ++face) {
        faces.push_back(SheetFace(sheet, cell, face));
    }
    // The unused cells 34 and 44 both hold the blank face: the blank must differ
    // from every face, and the two copies must not (else compression noise
    // alone would pass for a difference).
    const auto unused = [&](int column, int row) {
        return sheet.copy(QRect(column * (cell.width() + 1) + 1, row * (cell.height() + 1) + 1,
                                cell.width(), cell.height()));
    };
    const QImage blank = unused(8, 4);
    if (DifferingShare(blank, unused(7, 3), clear) >= share) {
        checker.Fault(name + ": the unused cells do not hold the same blank face");
    }
    faces.push_back(blank);
    for (size_t i = 0; i < faces.size(); ++i) {
        for (size_t j = i + 1; j < faces.size(); ++j) {
            const double difference = DifferingShare(faces[i], faces[j], clear);
            if (difference < share) {
                checker.Fault(QString("%1: faces %2 and %3 look alike (difference %4)")
                                  .arg(name)
                                  .arg(i + 1)
                                  .arg(j + 1)
                                  .arg(difference, 0, 'f', 4));
            }
        }
    }
}

bool IsMagenta(QRgb pixel) {
    return (pixel & 0xffffff) == (kMagenta & 0xffffff);
}

// Bodies: magenta in both bevel corners, none on the face, the three
// variants different.
void CheckBodies(Checker& checker, const QString& prefix, int w, int h, int d) {
    std::vector<QImage> bodies;
    for (int variant = 1; variant <= 3; ++variant) {
        const QString name = prefix + QString("_%1_3D_Border").arg(variant);
        const QImage body = checker.Load("BITMAP", name);
        if (!checker.Size(name, body, QSize(w + d, h + d))) {
            continue;
        }
        if (!IsMagenta(body.pixel(w + d - 1, 0)) || !IsMagenta(body.pixel(0, h + d - 1))) {
            checker.Fault(name + ": bevel corners are not magenta");
        }
        bool faceClean = true;
        for (int y = 0; y < h && faceClean; ++y) {
            for (int x = 0; x < w && faceClean; ++x) {
                faceClean = !IsMagenta(body.pixel(x, y));
            }
        }
        if (!faceClean || IsMagenta(body.pixel(w + d - 1, h + d - 1))) {
            checker.Fault(name + ": magenta inside the tile");
        }
        bodies.push_back(body);
    }
    for (size_t i = 0; i < bodies.size(); ++i) {
        for (size_t j = i + 1; j < bodies.size(); ++j) {
            if (bodies[i] == bodies[j]) {
                checker.Fault(
                    prefix +
                    QString(": body variants %1 and %2 are the same").arg(i + 1).arg(j + 1));
            }
        }
    }
}

// The face overlay: a small corner mask of black and magenta only.
void CheckOverlay(Checker& checker, const QString& name) {
    const QImage overlay = checker.Load("BITMAP", name);
    if (overlay.isNull()) {
        return;
    }
    if (overlay.width() > 8 || overlay.height() > 8) {
        checker.Fault(name + ": too large for a corner mask");
    }
    int magenta = 0;
    for (int y = 0; y < overlay.height(); ++y) {
        for (int x = 0; x < overlay.width(); ++x) {
            const QRgb pixel = overlay.pixel(x, y);
            if (IsMagenta(pixel)) {
                ++magenta;
            } else if ((pixel & 0xffffff) != 0) {
                checker.Fault(name + ": holds colours other than black and magenta");
                return;
            }
        }
    }
    if (!IsMagenta(overlay.pixel(0, 0)) || magenta >= overlay.width() * overlay.height() / 2) {
        checker.Fault(name + ": does not round the top-left corner");
    }
}

void CheckShared(Checker& checker) {
    const TileSetInfo& first = BuiltInTileSets().front();
    const QImage silhouette = checker.Load("BITMAP", "tiles_3D_border_transparent");
    if (!silhouette.isNull()) {
        for (int y = 0; y < silhouette.height(); ++y) {
            for (int x = 0; x < silhouette.width(); ++x) {
                if (!IsMagenta(silhouette.pixel(x, y))) {
                    checker.Fault("tiles_3D_border_transparent: not magenta inside the tile");
                    y = silhouette.height();
                    break;
                }
            }
        }
    }
    const QImage mask = checker.Load("BITMAP", "high_tld_alph");
    if (checker.Size("high_tld_alph", mask, QSize(first.faceWidth, first.faceHeight))) {
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb pixel = mask.pixel(x, y);
                if (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)) {
                    checker.Fault("high_tld_alph: not grey");
                    return;
                }
            }
        }
        const int centre = qRed(mask.pixel(mask.width() / 2, mask.height() / 2));
        const int edge = qRed(mask.pixel(0, mask.height() / 2));
        if (centre <= edge || centre < 40 || centre > 200) {
            checker.Fault("high_tld_alph: not bright over the face and soft at the edges");
        }
    }
}

void CheckPreviews(Checker& checker) {
    const QSize cell(kPreviewCellWidth, kPreviewCellHeight);
    // The widest layout, 60 half-tile columns by 20 rows, must fit a preview
    // canvas of 320 x 220 with its margins of 2 pixels.
    if ((kPreviewCellWidth / 2) * 60 + kPreviewDepth >= 320 - 4 ||
        (kPreviewCellHeight / 2) * 20 + kPreviewDepth >= 220 - 4) {
        checker.Fault("preview_001: cells too large for the preview canvas");
    }
    const QImage sheet = checker.Load("BITMAP", "preview_001");
    if (checker.Size("preview_001", sheet, SheetSize(cell))) {
        // A bitmap, so exact: faces must differ in at least one pixel.
        CheckSheet(checker, "preview_001", sheet, cell, 0, 1e-9);
    }
    CheckBodies(checker, "preview_001", kPreviewCellWidth, kPreviewCellHeight, kPreviewDepth);
    for (const TileSetInfo& set : BuiltInTileSets()) {
        const QString name = ChooserPreviewName(set);
        checker.Size(name, checker.Load("JPEG", name), QSize(kChooserWidth, kChooserHeight));
    }
    const QSize marker(kChooserWidth + 2 * kMarkerMargin - 1,
                       kChooserHeight + 2 * kMarkerMargin - 1);
    const QImage halo = checker.Load("BITMAP", "sel_cell_alph");
    if (checker.Size("sel_cell_alph", halo, marker) &&
        qRed(halo.pixel(marker.width() / 2, marker.height() / 2)) != 0) {
        checker.Fault("sel_cell_alph: the halo covers the preview");
    }
    const QImage frame = checker.Load("BITMAP", "sel_cell_alph2");
    if (checker.Size("sel_cell_alph2", frame, marker) &&
        (frame.pixel(0, 0) != 0xffffffff ||
         frame.pixel(kMarkerMargin - 6, marker.height() / 2) == 0xffffffff)) {
        checker.Fault("sel_cell_alph2: no frame on a white ground");
    }
}

}  // namespace

QStringList VerifyFolder(const QString& outDir) {
    Checker checker(outDir);
    for (const TileSetInfo& set : BuiltInTileSets()) {
        const QSize cell(set.faceWidth, set.faceHeight);
        const QImage sheet = checker.Load("JPEG", set.sheetName);
        if (checker.Size(set.sheetName, sheet, SheetSize(cell))) {
            CheckSheet(checker, set.sheetName, sheet, cell, kClearDifference, kDistinctShare);
        }
        CheckBodies(checker, BodyPrefix(set), set.faceWidth, set.faceHeight, set.depth);
        CheckOverlay(checker, BodyPrefix(set) + "_3D_Border_Transparent");
    }
    CheckShared(checker);
    CheckPreviews(checker);
    checker.faults += CheckWindowPictures(outDir);
    return checker.faults;
}

}  // namespace artgen
