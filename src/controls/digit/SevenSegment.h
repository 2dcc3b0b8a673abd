#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

// The seven-segment digit's data: which segments each decimal value lights
// and where each segment lies for a given size, thickness and separation.
// Pure and Qt-free, so the tables can be checked without painting.
namespace rundaro::sevenseg {

// Bit positions in a segment pattern; the polygons are drawn in this order.
enum Segment : int {
    Top = 0,
    Middle = 1,
    Bottom = 2,
    UpperLeft = 3,
    UpperRight = 4,
    LowerLeft = 5,
    LowerRight = 6,
    CornerMark = 7,
};
inline constexpr int SegmentCount = 8;

// Segment pattern of each decimal value 0 to 9; none lights the corner mark.
inline constexpr std::array<std::uint8_t, 10> DigitPatterns{
    125, 80, 55, 87, 90, 79, 111, 81, 127, 95,
};

constexpr bool isLit(std::uint8_t pattern, int segment)
{
    return (pattern >> segment) & 1U;
}

struct Point
{
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point &, const Point &) = default;
};

// A segment outline: six corners for the bars, three for the corner mark.
struct Polygon
{
    std::array<Point, 6> points{};
    int count = 0;
};

// Coordinates are kept within this range so that absurd thickness or
// separation values cannot overflow or upset the rasteriser; anything that
// far out lies off the control anyway.
inline constexpr std::int64_t CoordinateLimit = 1 << 20;

namespace detail {

constexpr Point point(std::int64_t x, std::int64_t y)
{
    return {static_cast<int>(std::clamp(x, -CoordinateLimit, CoordinateLimit)),
            static_cast<int>(std::clamp(y, -CoordinateLimit, CoordinateLimit))};
}

constexpr Polygon horizontal(std::int64_t b, std::int64_t w1, std::int64_t t, std::int64_t s)
{
    return {{point(s + t, b + t), point(s + 2 * t, b), point(w1 - s - 2 * t, b), point(w1 - s - t, b + t),
             point(w1 - s - 2 * t, b + 2 * t), point(s + 2 * t, b + 2 * t)},
            6};
}

constexpr Polygon vertical(std::int64_t e, std::int64_t b, std::int64_t h, std::int64_t t, std::int64_t s)
{
    return {{point(e, b + 2 * t + s), point(e + t, b + t + s), point(e + 2 * t, b + 2 * t + s),
             point(e + 2 * t, b + h - t - s), point(e + t, b + h - s), point(e, b + h - t - s)},
            6};
}

} // namespace detail

// Outline of `segment` (0 to 7) on a control of width × height with the
// given half stroke width and separation, in whole pixels from the control's
// top-left corner.
constexpr Polygon segmentPolygon(int segment, int width, int height, int thickness, int separation)
{
    const std::int64_t w1 = std::int64_t{width} - 1;
    const std::int64_t h1 = std::int64_t{height} - 1;
    const std::int64_t t = thickness;
    const std::int64_t s = separation;
    const std::int64_t h = h1 / 2; // truncates toward zero, also for an empty control

    switch (segment) {
    case Top: return detail::horizontal(0, w1, t, s);
    case Middle: return detail::horizontal(h - t, w1, t, s);
    case Bottom: return detail::horizontal(h1 - 2 * t, w1, t, s);
    case UpperLeft: return detail::vertical(0, 0, h, t, s);
    case UpperRight: return detail::vertical(w1 - 2 * t, 0, h, t, s);
    case LowerLeft: return detail::vertical(0, h - t, h, t, s);
    case LowerRight: return detail::vertical(w1 - 2 * t, h - t, h, t, s);
    case CornerMark:
        return {{detail::point(w1, h1), detail::point(w1 - 2 * t + s, h1), detail::point(w1, h1 - 2 * t + s)}, 3};
    default: return {};
    }
}

} // namespace rundaro::sevenseg
