#include "LapVerdict.h"

namespace rundaro {

std::optional<bool> SegmentOnTarget(double seconds, std::int64_t targetMs)
{
    if (targetMs <= 0)
        return std::nullopt;
    return double(targetMs) / 1000 >= seconds;
}

} // namespace rundaro
