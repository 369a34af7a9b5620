// The nine sounds of the game, synthesised: no recording goes into them.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace artgen {

inline constexpr int kSoundRate = 22050;

struct Sound {
    QString name;      // the WAVE entry's name
    QByteArray bytes;  // a complete RIFF WAVE file, 16-bit mono
};

// All nine, in the order of the sound-event table.
std::vector<Sound> SynthesiseSounds();

// A RIFF WAVE file of 16-bit mono samples; `samples` in -1..1.
QByteArray WaveFile(const std::vector<float>& samples, int rate);

}  // namespace artgen
