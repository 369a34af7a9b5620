// Moving and changing pixels: opaque and key-colour copies, alpha blending,
// fills, darkening, colour replacement and the vertical gradient.
//
// Every operation clips against both pictures, so callers may pass
// positions partly or wholly outside them.
#pragma once

#include "presentation/Image.h"

namespace jw {

// Clips a copy of `from` (a rectangle of a picture with `srcBounds`) to
// (dx, dy) of a picture with `dstBounds`. On return `from` is the part that
// lands inside both and (dx, dy) its destination; false when nothing does.
bool ClipCopy(Rect dstBounds, int& dx, int& dy, Rect srcBounds, Rect& from);

// Copies `from` (a rectangle of `src`) to (dx, dy) of `dst`.
void Copy(Image& dst, int dx, int dy, const Image& src, Rect from);
// Copies the whole of `src` to (dx, dy) of `dst`.
void Copy(Image& dst, int dx, int dy, const Image& src);

// As Copy, leaving out every source pixel equal to `key`.
void CopyKeyed(Image& dst, int dx, int dy, const Image& src, Rect from, Pixel key);
void CopyKeyed(Image& dst, int dx, int dy, const Image& src, Pixel key);

// Blends a 32-bit picture whose colours are premultiplied by their alpha onto
// `dst` at (dx, dy): dst = src + dst x (255 - alpha x master / 255) / 255,
// with the source colour scaled by master / 255 as well.
void AlphaBlend(Image& dst, int dx, int dy, const Image& src, int masterAlpha);

// Fills a rectangle with one colour.
void FillRect(Image& dst, Rect rect, Pixel colour);

// Lowers red, green and blue of every pixel in the rectangle by `amount`,
// stopping at 0.
void Darken(Image& dst, Rect rect, int amount);

// Darkens the pixels of `dst` at (dx, dy) whose counterpart in `from` (a
// rectangle of `mask`) is not the key colour.
void DarkenWhere(Image& dst, int dx, int dy, const Image& mask, Rect from, Pixel key, int amount);

// Turns every pixel of colour `from` inside the rectangle into `to`.
void ReplaceColour(Image& dst, Rect rect, Pixel from, Pixel to);

// a x b / c rounded to the nearest integer (halves away from zero); -1 when
// c is 0, like the system call the gradient was designed with.
int MulDiv(int a, int b, int c);

// Paints the rectangle in 256 horizontal bands from `bottom` (band 0, at the
// bottom edge) to `top`: band n spans the rows from bottom edge -
// MulDiv(n + 1, height, 256) to bottom edge - MulDiv(n, height, 256) and has
// the colour bottom + MulDiv(n, top - bottom, 256) in every channel.
void VerticalGradient(Image& dst, Rect rect, Pixel top, Pixel bottom);

}  // namespace jw
