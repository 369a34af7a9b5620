#include "BackgroundsKit.h"

#include <algorithm>
#include <cmath>

namespace artgen::bg {

namespace {

uint32_t Mix32(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

uint32_t HashCell(int x, int y, uint32_t seed) {
    return Mix32(static_cast<uint32_t>(x) * 0x8da6b343U ^ static_cast<uint32_t>(y) * 0xd8163841U ^
                 seed * 0xcb1ab31fU);
}

float Fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

float Corner(int ix, int iy, float dx, float dy, uint32_t seed) {
    const uint32_t h = HashCell(ix, iy, seed);
    const float angle = static_cast<float>(h & 0xffff) * (6.2831853f / 65536.0f);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

int Wrap(int i, int period) {
    i %= period;
    return i < 0 ? i + period : i;
}

Field Octaves(int width, int height, int cellsX, int cellsY, int octaves, float gain, uint32_t seed,
              bool ridged) {
    Field field(width, height);
    float amplitude = 1.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        const int cx = cellsX << octave;
        const int cy = cellsY << octave;
        const float sx = static_cast<float>(cx) / static_cast<float>(width);
        const float sy = static_cast<float>(cy) / static_cast<float>(height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                float n = Noise(static_cast<float>(x) * sx, static_cast<float>(y) * sy, cx, cy,
                                seed + static_cast<uint32_t>(octave) * 101u);
                if (ridged) {
                    n = std::fabs(n);
                }
                field(x, y) += amplitude * n;
            }
        }
        amplitude *= gain;
    }
    return field;
}

}  // namespace

void Field::Normalize() {
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    const float low = *lo;
    const float range = std::max(*hi - low, 1e-6f);
    for (float& value : v) {
        value = (value - low) / range;
    }
}

float Noise(float x, float y, int periodX, int periodY, uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const float fx = x - static_cast<float>(x0);
    const float fy = y - static_cast<float>(y0);
    const int ax = Wrap(x0, periodX);
    const int bx = Wrap(x0 + 1, periodX);
    const int ay = Wrap(y0, periodY);
    const int by = Wrap(y0 + 1, periodY);
    const float n00 = Corner(ax, ay, fx, fy, seed);
    const float n10 = Corner(bx, ay, fx - 1, fy, seed);
    const float n01 = Corner(ax, by, fx, fy - 1, seed);
    const float n11 = Corner(bx, by, fx - 1, fy - 1, seed);
    const float u = Fade(fx);
    const float w = Fade(fy);
    const float top = n00 + u * (n10 - n00);
    const float bottom = n01 + u * (n11 - n01);
    return 1.41f * (top + w * (bottom - top));
}

Field Fbm(int width, int height, int cellsX, int cellsY, int octaves, float gain, uint32_t seed) {
    return Octaves(width, height, cellsX, cellsY, octaves, gain, seed, false);
}

Field Turbulence(int width, int height, int cellsX, int cellsY, int octaves, float gain,
                 uint32_t seed) {
    return Octaves(width, height, cellsX, cellsY, octaves, gain, seed, true);
}

Field Warp(const Field& base, const Field& dx, const Field& dy, float amount) {
    Field out(base.w, base.h);
    for (int y = 0; y < base.h; ++y) {
        for (int x = 0; x < base.w; ++x) {
            const float sx = static_cast<float>(x) + amount * (dx.At(x, y) - 0.5f);
            const float sy = static_cast<float>(y) + amount * (dy.At(x, y) - 0.5f);
            const int x0 = static_cast<int>(std::floor(sx));
            const int y0 = static_cast<int>(std::floor(sy));
            const float fx = sx - static_cast<float>(x0);
            const float fy = sy - static_cast<float>(y0);
            const float top = base.At(x0, y0) + fx * (base.At(x0 + 1, y0) - base.At(x0, y0));
            const float bottom =
                base.At(x0, y0 + 1) + fx * (base.At(x0 + 1, y0 + 1) - base.At(x0, y0 + 1));
            out(x, y) = top + fy * (bottom - top);
        }
    }
    return out;
}

float Hash(int x, int y, uint32_t seed) {
    return static_cast<float>(HashCell(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

Ramp::Ramp(std::initializer_list<std::pair<float, QColor>> list) : stops(list) {}

QRgb Ramp::At(float t) const {
    if (t <= stops.front().first) {
        return stops.front().second.rgb();
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].first) {
            const float span = std::max(stops[i].first - stops[i - 1].first, 1e-6f);
            return Mix(stops[i - 1].second.rgb(), stops[i].second.rgb(),
                       (t - stops[i - 1].first) / span);
        }
    }
    return stops.back().second.rgb();
}

QRgb Mix(QRgb a, QRgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    const auto channel = [t](int p, int q) {
        return static_cast<int>(
            std::lround(static_cast<float>(p) + (static_cast<float>(q - p)) * t));
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
}

QRgb Scale(QRgb c, float factor) {
    const auto channel = [factor](int v) {
        return std::clamp(static_cast<int>(std::lround(static_cast<float>(v) * factor)), 0, 255);
    };
    return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
}

QImage Colour(const Field& field, const Ramp& ramp) {
    QImage image(field.w, field.h, QImage::Format_RGB32);
    for (int y = 0; y < field.h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < field.w; ++x) {
            line[x] = ramp.At(field.v[static_cast<size_t>(y * field.w + x)]);
        }
    }
    return image;
}

void Relief(QImage& image, const Field& height, float strength) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const float dx = height.At(x + 1, y) - height.At(x - 1, y);
            const float dy = height.At(x, y + 1) - height.At(x, y - 1);
            // Light from the top left: slopes facing it brighten.
            const float light = 1.0f - strength * (dx + dy);
            line[x] = Scale(line[x], std::clamp(light, 0.4f, 1.6f));
        }
    }
}

void Grain(QImage& image, float amount, uint32_t seed) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = Scale(line[x], 1.0f + amount * (2.0f * Hash(x, y, seed) - 1.0f));
        }
    }
}

void Calm(QImage& image, float keep, float shift) {
    double sum[3] = {0, 0, 0};
    const double count = static_cast<double>(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            sum[0] += qRed(line[x]);
            sum[1] += qGreen(line[x]);
            sum[2] += qBlue(line[x]);
        }
    }
    const float mean[3] = {static_cast<float>(sum[0] / count), static_cast<float>(sum[1] / count),
                           static_cast<float>(sum[2] / count)};
    const auto calm = [&](int v, int c) {
        const float out = mean[c] + (static_cast<float>(v) - mean[c]) * keep + shift * 255.0f;
        return std::clamp(static_cast<int>(std::lround(out)), 0, 255);
    };
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] =
                qRgb(calm(qRed(line[x]), 0), calm(qGreen(line[x]), 1), calm(qBlue(line[x]), 2));
        }
    }
}

void WrapDraw(QImage& image, const std::function<void(QPainter&)>& draw) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
            painter.save();
            painter.translate(ox * image.width(), oy * image.height());
            draw(painter);
            painter.restore();
        }
    }
}

double Dice::Uniform(double lo, double hi) {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return lo + (hi - lo) * static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

int Dice::Int(int lo, int hiInclusive) {
    return std::min(hiInclusive, lo + static_cast<int>(Uniform(0, hiInclusive - lo + 1)));
}

}  // namespace artgen::bg
