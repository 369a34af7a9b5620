#include "presentation/Resample.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace jw {
namespace {

double Sinc(double x) {
    if (x == 0.0) {
        return 1.0;
    }
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// For every output position along one axis: the first source index and the
// normalised weights of the source pixels that contribute.
struct Taps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<float> weights;  // `stride` weights per output position
    int stride = 0;
};

Taps MakeTaps(int srcSize, int dstSize, double radius, double (*kernel)(double)) {
    Taps taps;
    const double ratio = static_cast<double>(srcSize) / dstSize;
    const double scale = std::max(1.0, ratio);
    const double support = radius * scale;
    taps.stride = static_cast<int>(std::ceil(support)) * 2 + 1;
    taps.first.resize(static_cast<std::size_t>(dstSize));
    taps.count.resize(static_cast<std::size_t>(dstSize));
    taps.weights.assign(static_cast<std::size_t>(dstSize) * taps.stride, 0.0f);
    for (int i = 0; i < dstSize; ++i) {
        const double centre = (i + 0.5) * ratio - 0.5;
        int lo = static_cast<int>(std::floor(centre - support)) + 1;
        int hi = static_cast<int>(std::ceil(centre + support)) - 1;
        hi = std::min(hi, lo + taps.stride - 1);
        std::vector<double> w;
        double sum = 0.0;
        for (int s = lo; s <= hi; ++s) {
            const double v = kernel((s - centre) / scale);
            w.push_back(v);
            sum += v;
        }
        if (sum == 0.0) {
            sum = 1.0;
        }
        taps.first[static_cast<std::size_t>(i)] = lo;
        taps.count[static_cast<std::size_t>(i)] = static_cast<int>(w.size());
        for (std::size_t k = 0; k < w.size(); ++k) {
            taps.weights[static_cast<std::size_t>(i) * taps.stride + k] =
                static_cast<float>(w[k] / sum);
        }
    }
    return taps;
}

int ToByte(float v) {
    const int r = static_cast<int>(std::lround(v));
    return r < 0 ? 0 : (r > 255 ? 255 : r);
}

Image Resample(const Image& src, int width, int height, double radius, double (*kernel)(double)) {
    if (src.Empty() || width <= 0 || height <= 0) {
        return {};
    }
    if (src.Width() == width && src.Height() == height) {
        return src;
    }
    const bool withAlpha = src.Format() == PixelFormat::Argb32;
    const int sw = src.Width();
    const int sh = src.Height();
    const Taps across = MakeTaps(sw, width, radius, kernel);
    const Taps down = MakeTaps(sh, height, radius, kernel);

    // Rows first: sh rows of `width` pixels, four float channels each.
    std::vector<float> middle(static_cast<std::size_t>(width) * sh * 4);
    for (int y = 0; y < sh; ++y) {
        const Pixel* in = src.Row(y);
        float* out = middle.data() + static_cast<std::size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            float a = 0, r = 0, g = 0, b = 0;
            const int first = across.first[static_cast<std::size_t>(x)];
            const float* w = across.weights.data() + static_cast<std::size_t>(x) * across.stride;
            for (int k = 0; k < across.count[static_cast<std::size_t>(x)]; ++k) {
                const Pixel p = in[std::clamp(first + k, 0, sw - 1)];
                a += w[k] * static_cast<float>(AlphaOf(p));
                r += w[k] * static_cast<float>(RedOf(p));
                g += w[k] * static_cast<float>(GreenOf(p));
                b += w[k] * static_cast<float>(BlueOf(p));
            }
            out[x * 4 + 0] = a;
            out[x * 4 + 1] = r;
            out[x * 4 + 2] = g;
            out[x * 4 + 3] = b;
        }
    }
    Image result(width, height, src.Format());
    std::vector<float> sum(static_cast<std::size_t>(width) * 4);
    for (int y = 0; y < height; ++y) {
        const int first = down.first[static_cast<std::size_t>(y)];
        const float* w = down.weights.data() + static_cast<std::size_t>(y) * down.stride;
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (int k = 0; k < down.count[static_cast<std::size_t>(y)]; ++k) {
            const float* m = middle.data() +
                             static_cast<std::size_t>(std::clamp(first + k, 0, sh - 1)) * width * 4;
            const float weight = w[k];
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += weight * m[i];
            }
        }
        Pixel* out = result.Row(y);
        for (int x = 0; x < width; ++x) {
            const float* v = sum.data() + static_cast<std::size_t>(x) * 4;
            out[x] = Argb(withAlpha ? ToByte(v[0]) : 0, ToByte(v[1]), ToByte(v[2]), ToByte(v[3]));
        }
    }
    return result;
}

}  // namespace

double Lanczos3Kernel(double x) {
    x = std::fabs(x);
    return x < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0;
}

double BSplineKernel(double x) {
    x = std::fabs(x);
    if (x < 1.0) {
        return (4.0 - 6.0 * x * x + 3.0 * x * x * x) / 6.0;
    }
    if (x < 2.0) {
        const double t = 2.0 - x;
        return t * t * t / 6.0;
    }
    return 0.0;
}

Image ResampleLanczos3(const Image& src, int width, int height) {
    return Resample(src, width, height, 3.0, Lanczos3Kernel);
}

Image ResampleBSpline(const Image& src, int width, int height) {
    return Resample(src, width, height, 2.0, BSplineKernel);
}

}  // namespace jw
