// Telling pictures apart.
#pragma once

#include <QImage>

namespace artgen {

// Share (0..1) of the pixels of two same-sized RGB pictures that differ by
// more than `clear` in some channel.
double DifferingShare(const QImage& a, const QImage& b, int clear);

}  // namespace artgen
