#include "SevenSegment.h"
#include "DigitOutline.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ostream>
#include <vector>

using namespace rundaro::sevenseg;

namespace {

std::vector<Point> corners(const Polygon &polygon)
{
    return {polygon.points.begin(), polygon.points.begin() + polygon.count};
}

} // namespace

namespace rundaro::sevenseg {
void PrintTo(const Point &p, std::ostream *os)
{
    *os << '(' << p.x << ", " << p.y << ')';
}
} // namespace rundaro::sevenseg

TEST(SevenSegment, PatternTableLightsTheListedSegments)
{
    const struct
    {
        int value;
        std::vector<Segment> segments;
    } cases[] = {
        {0, {Top, Bottom, UpperLeft, UpperRight, LowerLeft, LowerRight}},
        {1, {UpperRight, LowerRight}},
        {2, {Top, Middle, Bottom, UpperRight, LowerLeft}},
        {3, {Top, Middle, Bottom, UpperRight, LowerRight}},
        {4, {Middle, UpperLeft, UpperRight, LowerRight}},
        {5, {Top, Middle, Bottom, UpperLeft, LowerRight}},
        {6, {Top, Middle, Bottom, UpperLeft, LowerLeft, LowerRight}},
        {7, {Top, UpperRight, LowerRight}},
        {8, {Top, Middle, Bottom, UpperLeft, UpperRight, LowerLeft, LowerRight}},
        {9, {Top, Middle, Bottom, UpperLeft, UpperRight, LowerRight}},
    };
    for (const auto &c : cases) {
        unsigned expected = 0;
        for (Segment s : c.segments)
            expected |= 1U << s;
        EXPECT_EQ(DigitPatterns[c.value], expected) << "value " << c.value;
    }
}

TEST(SevenSegment, PolygonsOfTheLargeDisplayDigit)
{
    for (int s = 0; s < SegmentCount; ++s)
        EXPECT_EQ(corners(segmentPolygon(s, 45, 89, 5, 1)), LargeDigitSegment<Point>(s)) << "segment " << s;
}

TEST(SevenSegment, PolygonsAtTheConstructionSize)
{
    EXPECT_EQ(corners(segmentPolygon(Top, 16, 32, 2, 1)),
              (std::vector<Point>{{3, 2}, {5, 0}, {10, 0}, {12, 2}, {10, 4}, {5, 4}}));
    EXPECT_EQ(corners(segmentPolygon(CornerMark, 16, 32, 2, 1)), (std::vector<Point>{{15, 31}, {12, 31}, {15, 28}}));
    // An even height halves an odd H1: the lower verticals stop one pixel
    // further above the bottom bar than at the odd height next to it.
    EXPECT_EQ(corners(segmentPolygon(LowerLeft, 16, 32, 2, 1)),
              (std::vector<Point>{{0, 18}, {2, 16}, {4, 18}, {4, 25}, {2, 27}, {0, 25}}));
    EXPECT_EQ(corners(segmentPolygon(LowerLeft, 16, 33, 2, 1)),
              (std::vector<Point>{{0, 19}, {2, 17}, {4, 19}, {4, 27}, {2, 29}, {0, 27}}));
    EXPECT_EQ(segmentPolygon(Bottom, 16, 32, 2, 1).points[1].y - segmentPolygon(LowerLeft, 16, 32, 2, 1).points[4].y,
              segmentPolygon(Bottom, 16, 33, 2, 1).points[1].y - segmentPolygon(LowerLeft, 16, 33, 2, 1).points[4].y
                  + 1);
}

TEST(SevenSegment, ExtremeSettingsStayWithinTheCoordinateLimit)
{
    // Neither thickness nor separation is bounded below (nor separation
    // above); the arithmetic must not overflow.
    const int extremes[] = {INT_MIN, -1000000000, 0, 1000000000, INT_MAX};
    for (int t : extremes) {
        for (int s : extremes) {
            for (int segment = 0; segment < SegmentCount; ++segment) {
                const Polygon polygon = segmentPolygon(segment, 45, 89, t, s);
                for (int i = 0; i < polygon.count; ++i) {
                    EXPECT_LE(std::abs(polygon.points[i].x), CoordinateLimit);
                    EXPECT_LE(std::abs(polygon.points[i].y), CoordinateLimit);
                }
            }
        }
    }
    // Within the limit nothing is clamped.
    EXPECT_EQ(segmentPolygon(Top, 45, 89, 5, -1000).points[0], (Point{-995, 5}));
}
