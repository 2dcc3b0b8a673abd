#include "TrackSplit.h"

#include "Numbers.h"

namespace rundaro {

TrackSplit SplitTrackLength(std::int64_t trackLength, std::int64_t lapLength, std::int64_t minLaps,
                            std::int64_t maxLaps)
{
    const std::int64_t laps = Div(trackLength, lapLength);
    if (laps < minLaps)
        return {minLaps, 0};
    if (laps > maxLaps)
        return {maxLaps, lapLength - 1};
    return {laps, trackLength - laps * lapLength};
}

} // namespace rundaro
