#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kPeak = 0.708f;  // -3 dBFS

using Samples = std::vector<float>;

class Noise {
  public:
    explicit Noise(uint64_t seed) : state(seed * 0x9e3779b97f4a7c15ULL + 7) {}
    // White noise in -1..1.
    float Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<float>(static_cast<double>(state >> 11) / 4503599627370496.0 - 1.0);
    }
    float Uniform(float lo, float hi) { return lo + (hi - lo) * (Next() * 0.5f + 0.5f); }

  private:
    uint64_t state;
};

// A state-variable filter: band-pass output with centre and damping.
class BandPass {
  public:
    float Run(float in, float centre, float q) {
        const float f = 2.0f * static_cast<float>(std::sin(kPi * centre / kSoundRate));
        low += f * band;
        const float high = in - low - band / q;
        band += f * high;
        return band;
    }

  private:
    float low = 0;
    float band = 0;
};

Samples Silence(double seconds) {
    return Samples(static_cast<size_t>(seconds * kSoundRate), 0.0f);
}

// Adds `source` into `target` from `at` seconds on, scaled.
void MixIn(Samples& target, const Samples& source, double at, float gain = 1.0f) {
    const size_t start = static_cast<size_t>(at * kSoundRate);
    if (target.size() < start + source.size()) {
        target.resize(start + source.size(), 0.0f);
    }
    for (size_t i = 0; i < source.size(); ++i) {
        target[start + i] += gain * source[i];
    }
}

// A struck tone: partials (ratio, level) with decays that speed up for the
// higher partials, a soft 3 ms attack.
Samples Bell(double frequency, double seconds,
             std::initializer_list<std::pair<double, double>> partials, double decay) {
    Samples out(static_cast<size_t>(seconds * kSoundRate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        double v = 0;
        for (const auto& [ratio, level] : partials) {
            v += level * std::sin(2 * kPi * frequency * ratio * t) * std::exp(-t * decay * ratio);
        }
        const double attack = std::min(1.0, t / 0.003);
        const double release = std::min(1.0, (seconds - t) / 0.02);
        out[i] = static_cast<float>(v * attack * release);
    }
    return out;
}

// A short knock of band-passed noise: a tile touching a tile.
Samples Click(double centre, double seconds, float q, uint64_t seed) {
    Noise noise(seed);
    BandPass filter;
    Samples out(static_cast<size_t>(seconds * kSoundRate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const float env = static_cast<float>(std::exp(-t / (seconds * 0.22)) *
                                             std::min(1.0, (seconds - t) / 0.004));
        out[i] = env * filter.Run(noise.Next(), static_cast<float>(centre), q);
    }
    return out;
}

// A brass-like note: harmonics falling off as 1/n, a slow swell and a
// touch of vibrato.
Samples Horn(double frequency, double seconds) {
    Samples out(static_cast<size_t>(seconds * kSoundRate));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
        phase += 2 * kPi * frequency * vibrato / kSoundRate;
        const double brightness = std::min(1.0, t / 0.05);  // opens up as it sounds
        double v = 0;
        for (int n = 1; n <= 8; ++n) {
            v += std::sin(phase * n) / n * std::pow(brightness, n * 0.5);
        }
        const double attack = std::min(1.0, t / 0.03);
        const double release = std::min(1.0, (seconds - t) / 0.08);
        out[i] =
            static_cast<float>(v * attack * std::max(0.0, release) * (1.0 - 0.25 * t / seconds));
    }
    return out;
}

// Scales to the peak level and softens the first and last milliseconds.
Samples Finish(Samples samples) {
    const size_t fade = static_cast<size_t>(0.004 * kSoundRate);
    for (size_t i = 0; i < std::min(fade, samples.size()); ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fade);
        samples[i] *= g;
        samples[samples.size() - 1 - i] *= g;
    }
    float peak = 0;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    if (peak > 0) {
        for (float& s : samples) {
            s *= kPeak / peak;
        }
    }
    return samples;
}

double Note(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A new game: tiles sliding and knocking as they are shuffled.
Samples Shuffle() {
    Samples out = Silence(0.75);
    Noise dice(11);
    Noise hiss(12);
    BandPass slide;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double env = std::sin(kPi * t / 0.75);
        out[i] = 0.25f * static_cast<float>(env) * slide.Run(hiss.Next(), 1800.0f, 0.8f);
    }
    double at = 0.02;
    for (int k = 0; k < 16; ++k) {
        MixIn(out, Click(dice.Uniform(1400, 2600), dice.Uniform(0.02f, 0.035f), 6.0f, 20 + k), at,
              dice.Uniform(0.4f, 1.0f));
        at += dice.Uniform(0.025f, 0.055f);
    }
    return out;
}

// A restart: a soft swoosh sweeping up and falling away.
Samples Swoosh() {
    const double seconds = 0.55;
    Samples out(static_cast<size_t>(seconds * kSoundRate));
    Noise noise(31);
    BandPass filter;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double x = t / seconds;
        const double centre = 300.0 * std::pow(12.0, x);
        const double env = std::pow(std::sin(kPi * std::pow(x, 0.7)), 2.0);
        out[i] =
            static_cast<float>(env) * filter.Run(noise.Next(), static_cast<float>(centre), 2.5f);
    }
    return out;
}

// Undo and redo: a wooden click with a small two-note step down or up.
Samples Step(bool up) {
    Samples out = Silence(0.2);
    MixIn(out, Click(2400, 0.02, 5.0f, up ? 41 : 42), 0.0, 0.8f);
    const double first = up ? Note(74) : Note(79);
    const double second = up ? Note(79) : Note(74);
    const auto pluck = [](double f) { return Bell(f, 0.12, {{1, 1.0}, {2, 0.25}, {3, 0.08}}, 30); };
    MixIn(out, pluck(first), 0.005, 0.6f);
    MixIn(out, pluck(second), 0.06, 0.6f);
    return out;
}

// A pair: a clear click and a short bell.
Samples Pairing() {
    Samples out = Silence(0.5);
    MixIn(out, Click(3000, 0.025, 7.0f, 51), 0.0, 1.0f);
    MixIn(out, Bell(Note(88), 0.48, {{1, 1.0}, {2.76, 0.3}, {5.4, 0.12}}, 7), 0.012, 0.55f);
    return out;
}

// About: a short rising jingle.
Samples Jingle() {
    Samples out = Silence(1.0);
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        MixIn(out, Bell(Note(notes[i]), 0.6, {{1, 1.0}, {2, 0.35}, {3, 0.1}, {4.2, 0.05}}, 5),
              i * 0.11, i == 3 ? 0.8f : 0.6f);
    }
    return out;
}

// Hi-scores: a small fanfare.
Samples Fanfare() {
    Samples out = Silence(1.5);
    struct Tone {
        int midi;
        double at, length;
    };
    const Tone tones[] = {
        {67, 0.0, 0.14}, {67, 0.16, 0.1}, {72, 0.28, 0.16}, {76, 0.46, 0.16}, {79, 0.64, 0.8}};
    for (const Tone& tone : tones) {
        MixIn(out, Horn(Note(tone.midi), tone.length), tone.at, 0.5f);
        MixIn(out, Horn(Note(tone.midi - 12), tone.length), tone.at, 0.2f);
    }
    // The last chord gets its third and fifth.
    MixIn(out, Horn(Note(72), 0.8), 0.64, 0.25f);
    MixIn(out, Horn(Note(76), 0.8), 0.64, 0.2f);
    return out;
}

// Entering a hi-score: a bright two-note ding.
Samples Ding() {
    Samples out = Silence(0.7);
    MixIn(out, Bell(Note(81), 0.5, {{1, 1.0}, {2, 0.4}, {3, 0.15}}, 6), 0.0, 0.6f);
    MixIn(out, Bell(Note(88), 0.6, {{1, 1.0}, {2, 0.4}, {3, 0.15}}, 5), 0.1, 0.7f);
    return out;
}

// A won game: a crowd clapping, swelling and dying away, over the murmur
// of the many claps too small to hear one by one.
Samples Applause() {
    const double seconds = 2.6;
    const auto swell = [seconds](double at) {
        const double x = at / seconds;
        return std::min(1.0, x / 0.12) * std::clamp((1.0 - x) / 0.45, 0.0, 1.0);
    };
    Samples out = Silence(seconds);
    Noise hiss(90);
    BandPass bed;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        out[i] = 0.35f * static_cast<float>(swell(t)) * bed.Run(hiss.Next(), 1500.0f, 0.7f);
    }
    Noise dice(91);
    // Each clapper has a pitch and a tempo of their own and starts anywhere
    // in their first beat.
    for (int person = 0; person < 30; ++person) {
        const double centre = dice.Uniform(900, 2200);
        const double period = dice.Uniform(0.17f, 0.26f);
        double at = dice.Uniform(0.0f, 1.0f) * period;
        while (at < seconds - 0.1) {
            MixIn(out, Click(centre, 0.05, 3.0f, 100 + static_cast<uint64_t>(at * 1000) + person),
                  at, static_cast<float>(swell(at) * dice.Uniform(0.5f, 1.0f)));
            at += period * dice.Uniform(0.85f, 1.15f);
        }
    }
    return out;
}

void Put16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>((value >> 8) & 0xff));
}

void Put32(QByteArray& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xff));
    }
}

}  // namespace

QByteArray WaveFile(const std::vector<float>& samples, int rate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    QByteArray bytes;
    bytes.reserve(static_cast<int>(44 + dataBytes));
    bytes.append("RIFF");
    Put32(bytes, 36 + dataBytes);
    bytes.append("WAVE");
    bytes.append("fmt ");
    Put32(bytes, 16);
    Put16(bytes, 1);  // PCM
    Put16(bytes, 1);  // mono
    Put32(bytes, static_cast<uint32_t>(rate));
    Put32(bytes, static_cast<uint32_t>(rate * 2));
    Put16(bytes, 2);
    Put16(bytes, 16);
    bytes.append("data");
    Put32(bytes, dataBytes);
    for (float s : samples) {
        Put16(bytes, static_cast<int>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    }
    return bytes;
}

std::vector<Sound> SynthesiseSounds() {
    const std::pair<const char*, Samples (*)()> makers[] = {
        {"New", Shuffle},
        {"Restart", Swoosh},
        {"Undo", [] { return Step(false); }},
        {"Redo", [] { return Step(true); }},
        {"Pairing", Pairing},
        {"About", Jingle},
        {"Hi_Scor", Fanfare},
        {"Scores", Ding},
        {"Won", Applause},
    };
    std::vector<Sound> sounds;
    for (const auto& [name, make] : makers) {
        sounds.push_back({name, WaveFile(Finish(make()), kSoundRate)});
    }
    return sounds;
}

}  // namespace artgen
