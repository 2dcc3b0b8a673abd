#pragma once

#include <cstdint>
#include <optional>

namespace rundaro {

// Whether a segment run in `seconds` was on target against its target time
// `targetMs`: on target when run in the target time or faster, the two
// compared as doubles. Empty without a target (a target of 0 or less). Every
// view that colours or signs a measured lap asks this one function, so they
// cannot disagree.
std::optional<bool> SegmentOnTarget(double seconds, std::int64_t targetMs);

} // namespace rundaro
