// Puts faces on bodies the way the board does, for the pictures that show
// whole tiles (contact sheets and chooser previews).
#pragma once

#include <QImage>

namespace artgen {

// Scales a body to (w + d) x (h + d), cuts its bevel corners and lays the face
// (scaled to w x h, its top-left corner rounded by the overlay) on it. The
// result is ARGB with the see-through parts transparent.
QImage ComposeTile(const QImage& body, const QImage& face, const QImage& overlay, int w, int h,
                   int d);

}  // namespace artgen
