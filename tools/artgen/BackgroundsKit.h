// Tools for drawing background pictures: periodic noise (so that tiled
// pictures have no seams), colour ramps, relief lighting, fine grain and
// drawing that wraps round the picture's edges.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace artgen::bg {

// A grid of values, one per pixel, read with wrap-around.
struct Field {
    Field(int width, int height) : w(width), h(height), v(static_cast<size_t>(width * height)) {}
    int w;
    int h;
    std::vector<float> v;
    float& operator()(int x, int y) { return v[static_cast<size_t>(y * w + x)]; }
    float At(int x, int y) const {
        x %= w;
        y %= h;
        return v[static_cast<size_t>((y < 0 ? y + h : y) * w + (x < 0 ? x + w : x))];
    }
    // Stretches the values to 0..1.
    void Normalize();
};

// Gradient noise in -1..1 at (x, y) lattice units, repeating every
// `periodX` x `periodY` lattice cells.
float Noise(float x, float y, int periodX, int periodY, uint32_t seed);

// Fractal noise over a picture: `cellsX` x `cellsY` lattice cells across
// the whole picture at the first octave, each octave twice as fine and
// `gain` times as strong. Repeats exactly at the picture's edges.
Field Fbm(int width, int height, int cellsX, int cellsY, int octaves, float gain, uint32_t seed);

// The same, with |noise| per octave: ridges and veins.
Field Turbulence(int width, int height, int cellsX, int cellsY, int octaves, float gain,
                 uint32_t seed);

// `base` read at (x + amount * dx, y + amount * dy), bilinear and wrapped:
// swirls and marbling.
Field Warp(const Field& base, const Field& dx, const Field& dy, float amount);

// A hash of integer coordinates and a seed, in 0..1.
float Hash(int x, int y, uint32_t seed);

// Colours along 0..1.
class Ramp {
  public:
    Ramp(std::initializer_list<std::pair<float, QColor>> stops);
    QRgb At(float t) const;

  private:
    std::vector<std::pair<float, QColor>> stops;
};

QRgb Mix(QRgb a, QRgb b, float t);
// Multiplies the colour by `factor` (1 unchanged), limited to 0..255.
QRgb Scale(QRgb c, float factor);

// A picture coloured from a field through a ramp.
QImage Colour(const Field& field, const Ramp& ramp);

// Lights the picture as if `height` were a relief lit from the top left;
// `strength` scales the slopes, 0 leaves it unchanged.
void Relief(QImage& image, const Field& height, float strength);

// Adds per-pixel grain of +-`amount` (0..1 of full brightness).
void Grain(QImage& image, float amount, uint32_t seed);

// Lowers the contrast towards the mean colour by `keep` (1 unchanged) and
// moves the brightness by `shift`, so that tiles stay readable.
void Calm(QImage& image, float keep, float shift = 0);

// Runs `draw` nine times, shifted by the picture's size in each direction,
// so that whatever crosses an edge comes back at the opposite one.
void WrapDraw(QImage& image, const std::function<void(QPainter&)>& draw);

// A small deterministic generator for placing shapes.
class Dice {
  public:
    explicit Dice(uint64_t seed) : state(seed * 0x9e3779b97f4a7c15ULL + 1) {}
    double Uniform(double lo, double hi);
    int Int(int lo, int hiInclusive);

  private:
    uint64_t state;
};

}  // namespace artgen::bg
