#include "ImageCompare.h"

#include <algorithm>
#include <cstdlib>

namespace artgen {

double DifferingShare(const QImage& first, const QImage& second, int clear) {
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size() || a.isNull()) {
        return 1.0;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int worst = std::max({std::abs(qRed(la[x]) - qRed(lb[x])),
                                        std::abs(qGreen(la[x]) - qGreen(lb[x])),
                                        std::abs(qBlue(la[x]) - qBlue(lb[x]))});
            count += worst > clear ? 1 : 0;
        }
    }
    return static_cast<double>(count) / (a.width() * a.height());
}

}  // namespace artgen
