// Writes the race's three sounds into the folder given as the argument:
//   passing.wav  a short high beep at each counted passing;
//   lastlap.wav  a bell of three strokes when the last lap begins;
//   stop.wav     a long falling two-tone at the finish.
#include "ToneWave.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using rundaro::tone::Tone;

namespace {

bool write(const std::filesystem::path &path, const std::vector<Tone> &tones)
{
    const auto bytes = rundaro::tone::WaveFile(rundaro::tone::Samples(tones));
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

std::vector<Tone> bell(double start)
{
    // A struck bell: a fundamental with two inharmonic partials, dying away.
    return {{start, 0.45, 1320, 0.45, 7}, {start, 0.45, 2640 * 1.2, 0.15, 11}, {start, 0.45, 1320 * 3.0, 0.08, 15}};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::vector<Tone> lastLap;
    for (double start : {0.0, 0.3, 0.6})
        for (const Tone &t : bell(start))
            lastLap.push_back(t);
    const bool ok = write(folder / "passing.wav", {{0, 0.08, 1760, 0.6, 0}}) && write(folder / "lastlap.wav", lastLap)
        && write(folder / "stop.wav", {{0, 0.35, 880, 0.6, 0}, {0.35, 0.6, 587.33, 0.6, 2}});
    if (!ok)
        std::fprintf(stderr, "cannot write the sounds into %s\n", argv[1]);
    return ok ? 0 : 1;
}
