#include "presentation/Resample.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "presentation/Blit.h"
#include "presentation/Parallel.h"

namespace jw {
namespace {

// Results at least this large are made on two cores.
constexpr long long kTwoCoreResultPixels = 256 * 1024;

double Sinc(double x) {
    if (x == 0.0) {
        return 1.0;
    }
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}

// For every output position along one axis: the source indices (clamped to
// the picture) and the normalised weights of the source pixels that
// contribute, `stride` of each per position.
struct Taps {
    std::vector<int> count;
    std::vector<int> index;
    std::vector<float> weights;
    int stride = 0;
};

Taps MakeTaps(int srcSize, int dstSize, double radius, double (*kernel)(double)) {
    Taps taps;
    const double ratio = static_cast<double>(srcSize) / dstSize;
    const double scale = std::max(1.0, ratio);
    const double support = radius * scale;
    taps.stride = static_cast<int>(std::ceil(support)) * 2 + 1;
    const std::size_t slots = static_cast<std::size_t>(dstSize) * taps.stride;
    taps.count.resize(static_cast<std::size_t>(dstSize));
    taps.index.assign(slots, 0);
    taps.weights.assign(slots, 0.0f);
    std::vector<double> w;
    for (int i = 0; i < dstSize; ++i) {
        const double centre = (i + 0.5) * ratio - 0.5;
        const int lo = static_cast<int>(std::floor(centre - support)) + 1;
        int hi = static_cast<int>(std::ceil(centre + support)) - 1;
        hi = std::min(hi, lo + taps.stride - 1);
        w.clear();
        double sum = 0.0;
        for (int s = lo; s <= hi; ++s) {
            const double v = kernel((s - centre) / scale);
            w.push_back(v);
            sum += v;
        }
        if (sum == 0.0) {
            sum = 1.0;
        }
        const std::size_t base = static_cast<std::size_t>(i) * taps.stride;
        taps.count[static_cast<std::size_t>(i)] = static_cast<int>(w.size());
        for (std::size_t k = 0; k < w.size(); ++k) {
            taps.index[base + k] = std::clamp(lo + static_cast<int>(k), 0, srcSize - 1);
            taps.weights[base + k] = static_cast<float>(w[k] / sum);
        }
    }
    return taps;
}

int ToByte(float v) {
    // Rounded half up; the clamp comes first, so no value reaches the cast
    // out of range.
    return static_cast<int>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
}

// One source row resampled across into `width` pixels of four float
// channels (alpha, red, green, blue); `unpacked` is scratch space.
void ResampleRow(const Pixel* in, int sw, const Taps& across, int width,
                 std::vector<float>& unpacked, float* out) {
    for (int x = 0; x < sw; ++x) {
        const Pixel p = in[x];
        float* u = unpacked.data() + static_cast<std::size_t>(x) * 4;
        u[0] = static_cast<float>(AlphaOf(p));
        u[1] = static_cast<float>(RedOf(p));
        u[2] = static_cast<float>(GreenOf(p));
        u[3] = static_cast<float>(BlueOf(p));
    }
    for (int x = 0; x < width; ++x) {
        float sum[4] = {0, 0, 0, 0};
        const std::size_t base = static_cast<std::size_t>(x) * across.stride;
        const int* index = across.index.data() + base;
        const float* w = across.weights.data() + base;
        const int count = across.count[static_cast<std::size_t>(x)];
        for (int k = 0; k < count; ++k) {
            const float* u = unpacked.data() + static_cast<std::size_t>(index[k]) * 4;
            for (int c = 0; c < 4; ++c) {
                sum[c] += w[k] * u[c];
            }
        }
        std::copy(sum, sum + 4, out + static_cast<std::size_t>(x) * 4);
    }
}

// Writes the resampled picture into the top-left width x height of
// `result`, which is at least that large.
void ResampleInto(const Image& src, Image& result, int width, int height, double radius,
                  double (*kernel)(double)) {
    const bool withAlpha = src.Format() == PixelFormat::Argb32;
    const int sw = src.Width();
    const Taps across = MakeTaps(sw, width, radius, kernel);
    const Taps down = MakeTaps(src.Height(), height, radius, kernel);

    // The rows resampled across are made when a row of the result first
    // needs them and kept in a ring just deep enough for one row's taps, so
    // that a large picture never needs a float copy of itself. A large
    // result is made in two halves at once, each with its own ring.
    const std::size_t rowFloats = static_cast<std::size_t>(width) * 4;
    const auto makeRows = [&](int firstRow, int endRow) {
        const int ringRows = down.stride;
        std::vector<float> ring(rowFloats * static_cast<std::size_t>(ringRows));
        std::vector<int> ringHolds(static_cast<std::size_t>(ringRows), -1);
        std::vector<float> unpacked(static_cast<std::size_t>(sw) * 4);
        std::vector<float> sum(rowFloats);
        const auto acrossRow = [&](int sy) -> const float* {
            const auto slot = static_cast<std::size_t>(sy % ringRows);
            float* row = ring.data() + slot * rowFloats;
            if (ringHolds[slot] != sy) {
                ResampleRow(src.Row(sy), sw, across, width, unpacked, row);
                ringHolds[slot] = sy;
            }
            return row;
        };
        for (int y = firstRow; y < endRow; ++y) {
            const std::size_t base = static_cast<std::size_t>(y) * down.stride;
            std::fill(sum.begin(), sum.end(), 0.0f);
            for (int k = 0; k < down.count[static_cast<std::size_t>(y)]; ++k) {
                const float* m = acrossRow(down.index[base + k]);
                const float weight = down.weights[base + k];
                for (std::size_t i = 0; i < rowFloats; ++i) {
                    sum[i] += weight * m[i];
                }
            }
            Pixel* out = result.Row(y);
            for (int x = 0; x < width; ++x) {
                const float* v = sum.data() + static_cast<std::size_t>(x) * 4;
                out[x] =
                    Argb(withAlpha ? ToByte(v[0]) : 0, ToByte(v[1]), ToByte(v[2]), ToByte(v[3]));
            }
        }
    };
    if (static_cast<long long>(width) * height >= kTwoCoreResultPixels) {
        InTwoHalves(height, makeRows);
    } else {
        makeRows(0, height);
    }
}

Image Resample(const Image& src, int width, int height, double radius, double (*kernel)(double)) {
    if (src.Empty() || width <= 0 || height <= 0) {
        return {};
    }
    if (src.Width() == width && src.Height() == height) {
        return src;
    }
    Image result(width, height, src.Format());
    ResampleInto(src, result, width, height, radius, kernel);
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

void ResampleBSpline(const Image& src, Image& target, int width, int height) {
    if (src.Empty() || width <= 0 || height <= 0) {
        return;
    }
    if ((src.Width() == width && src.Height() == height) || width > target.Width() ||
        height > target.Height()) {
        // Nothing to stretch, or a result larger than the target, cut off.
        Copy(target, 0, 0, ResampleBSpline(src, width, height));
        return;
    }
    ResampleInto(src, target, width, height, 2.0, BSplineKernel);
}

}  // namespace jw
