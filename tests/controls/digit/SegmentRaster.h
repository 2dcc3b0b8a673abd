#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "SevenSegment.h"

// What a digit's picture must look like, worked out pixel by pixel from the
// polygon corners, independently of any painter: a whole-pixel point on a
// polygon's outline carries the background colour, a point strictly inside
// carries the segment's colour, everything else the background.
using SegmentOutlines = std::array<std::vector<QPoint>, rundaro::sevenseg::SegmentCount>;

struct DigitColours
{
    QColor background;
    QColor on;
    QColor off;
};

enum class Where { Outside, Outline, Inside };

// Position of `p` relative to the convex polygon `corners`.
Where locate(QPoint p, const std::vector<QPoint> &corners);

// The segments as the digit itself computes them for this size and setting.
SegmentOutlines outlinesFor(QSize size, int thickness, int separation);

QImage expectedPicture(QSize size, const SegmentOutlines &outlines, std::uint8_t pattern, const DigitColours &colours);

// Empty when both pictures agree; otherwise the first few differing pixels.
QString pictureDifferences(const QImage &actual, const QImage &expected);
