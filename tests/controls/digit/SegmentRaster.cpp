#include "SegmentRaster.h"

using namespace rundaro::sevenseg;

Where locate(QPoint p, const std::vector<QPoint> &corners)
{
    const std::size_t n = corners.size();
    long long area = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint a = corners[i], b = corners[(i + 1) % n];
        area += static_cast<long long>(a.x()) * b.y() - static_cast<long long>(b.x()) * a.y();
    }
    if (area == 0)
        return Where::Outside;
    const int orientation = area > 0 ? 1 : -1;
    bool onLine = false;
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint a = corners[i], b = corners[(i + 1) % n];
        const long long cross = static_cast<long long>(b.x() - a.x()) * (p.y() - a.y())
            - static_cast<long long>(b.y() - a.y()) * (p.x() - a.x());
        if (cross * orientation < 0)
            return Where::Outside;
        onLine = onLine || cross == 0;
    }
    return onLine ? Where::Outline : Where::Inside;
}

SegmentOutlines outlinesFor(QSize size, int thickness, int separation)
{
    SegmentOutlines outlines;
    for (int s = 0; s < SegmentCount; ++s) {
        const Polygon polygon = segmentPolygon(s, size.width(), size.height(), thickness, separation);
        for (int i = 0; i < polygon.count; ++i)
            outlines[s].emplace_back(polygon.points[i].x, polygon.points[i].y);
    }
    return outlines;
}

QImage expectedPicture(QSize size, const SegmentOutlines &outlines, std::uint8_t pattern, const DigitColours &colours)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            QColor colour = colours.background;
            // Later segments are drawn over earlier ones.
            for (int s = 0; s < SegmentCount; ++s) {
                switch (locate({x, y}, outlines[s])) {
                case Where::Outline: colour = colours.background; break;
                case Where::Inside: colour = isLit(pattern, s) ? colours.on : colours.off; break;
                case Where::Outside: break;
                }
            }
            picture.setPixelColor(x, y, colour);
        }
    }
    return picture;
}

QString pictureDifferences(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    QString report;
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xffffff, e = expected.pixel(x, y) & 0xffffff;
            if (a == e)
                continue;
            if (++count <= 12)
                report += QStringLiteral("(%1,%2) is %3, expected %4; ")
                              .arg(x)
                              .arg(y)
                              .arg(a, 6, 16, QLatin1Char('0'))
                              .arg(e, 6, 16, QLatin1Char('0'));
        }
    }
    if (count > 12)
        report += QStringLiteral("%1 pixels differ in all").arg(count);
    return report;
}
