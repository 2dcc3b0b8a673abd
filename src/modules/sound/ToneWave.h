#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A sound made of tones: each has a start, a length, a frequency and a
// loudness, and fades in and out over a few milliseconds so that it does not
// click. Written as a WAV file of 16-bit mono samples.
namespace rundaro::tone {

inline constexpr int kSampleRate = 22050;

struct Tone
{
    double startSeconds = 0;
    double seconds = 0;
    double hertz = 0;
    double loudness = 0; // 0 to 1
    double decayPerSecond = 0; // 0: even loudness; otherwise an exponential decay like a bell's
};

std::vector<std::int16_t> Samples(const std::vector<Tone> &tones);

// The bytes of a WAV file holding `samples`.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t> &samples);

} // namespace rundaro::tone
