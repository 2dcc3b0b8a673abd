#include "ToneWave.h"

#include <algorithm>
#include <cmath>

namespace rundaro::tone {

namespace {

constexpr double kFadeSeconds = 0.005;

void put16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Byte by byte: GCC 12 takes a range insert into the empty vector for an
// overflow (-Wstringop-overflow), which it is not.
void putTag(std::vector<std::uint8_t> &out, const char *tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}

} // namespace

std::vector<std::int16_t> Samples(const std::vector<Tone> &tones)
{
    double end = 0;
    for (const Tone &t : tones)
        end = std::max(end, t.startSeconds + t.seconds);
    std::vector<double> mix(std::size_t(std::ceil(end * kSampleRate)), 0.0);
    for (const Tone &t : tones) {
        const auto first = std::size_t(t.startSeconds * kSampleRate);
        const auto count = std::size_t(t.seconds * kSampleRate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double s = double(i) / kSampleRate;
            const double fade = std::min({1.0, s / kFadeSeconds, (t.seconds - s) / kFadeSeconds});
            const double envelope = fade * std::exp(-t.decayPerSecond * s);
            mix[first + i] += t.loudness * envelope * std::sin(2 * M_PI * t.hertz * s);
        }
    }
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [](double v) { return std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767)); });
    return samples;
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t> &samples)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, std::uint16_t(s));
    return out;
}

} // namespace rundaro::tone
