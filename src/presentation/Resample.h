// Resizing pictures by separable resampling: each output pixel is a weighted
// sum of the source pixels around its centre, first along rows, then along
// columns. When shrinking, the kernel is widened by the scale factor so that
// every source pixel contributes.
#pragma once

#include "presentation/Image.h"

namespace jw {

// The Lanczos kernel of radius 3, used for tile pictures: sharp, with a
// little ringing. Alpha is resampled with the colour.
Image ResampleLanczos3(const Image& src, int width, int height);

// The cubic B-spline of radius 2, used for stretched backgrounds: smooth,
// never overshooting.
Image ResampleBSpline(const Image& src, int width, int height);
// The same, written straight into the top-left width x height of `target`
// (cut off at its edges), with no picture of its own in between.
void ResampleBSpline(const Image& src, Image& target, int width, int height);

// The two kernels, for tests and for anyone resampling on their own.
double Lanczos3Kernel(double x);
double BSplineKernel(double x);

}  // namespace jw
