#pragma once

#include <array>
#include <utility>
#include <vector>

// The large display's digit, 45 × 89 with thickness 5 and separation 1,
// written out corner by corner by hand, segments in bit order (the last is
// the decimal point's triangle): what the segment arithmetic must give and
// what a painted digit must show.
inline const std::array<std::vector<std::pair<int, int>>, 8> kLargeDigitOutline = {{
    {{6, 5}, {11, 0}, {33, 0}, {38, 5}, {33, 10}, {11, 10}},
    {{6, 44}, {11, 39}, {33, 39}, {38, 44}, {33, 49}, {11, 49}},
    {{6, 83}, {11, 78}, {33, 78}, {38, 83}, {33, 88}, {11, 88}},
    {{0, 11}, {5, 6}, {10, 11}, {10, 38}, {5, 43}, {0, 38}},
    {{34, 11}, {39, 6}, {44, 11}, {44, 38}, {39, 43}, {34, 38}},
    {{0, 50}, {5, 45}, {10, 50}, {10, 77}, {5, 82}, {0, 77}},
    {{34, 50}, {39, 45}, {44, 50}, {44, 77}, {39, 82}, {34, 77}},
    {{44, 88}, {35, 88}, {44, 79}},
}};

// The outline of segment `s` as a list of the caller's point type.
template <typename PointType> std::vector<PointType> LargeDigitSegment(int s)
{
    std::vector<PointType> points;
    for (const auto &[x, y] : kLargeDigitOutline[std::size_t(s)])
        points.push_back(PointType{x, y});
    return points;
}
