#pragma once

#include <cstdint>

// A track length written as whole laps and the extra metres before the
// first of them.
namespace rundaro {

struct TrackSplit
{
    std::int64_t laps = 0;
    std::int64_t extraMetres = 0;
};

// Splits `trackLength` into laps of `lapLength` (at least 1) and the
// remainder. A length the lap count's range cannot hold ends at the nearest
// plan it allows: below `minLaps` laps the track is `minLaps` whole laps,
// above `maxLaps` laps it is `maxLaps` laps and a lap less one metre.
TrackSplit SplitTrackLength(std::int64_t trackLength, std::int64_t lapLength, std::int64_t minLaps,
                            std::int64_t maxLaps);

} // namespace rundaro
