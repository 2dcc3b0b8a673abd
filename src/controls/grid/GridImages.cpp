#include "GridImages.h"

#include "GridImageData.h"

#include <QColor>

namespace {

template <std::size_t N> QImage fromRows(const std::array<std::string_view, N> &rows)
{
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(N), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = qRgba(0, 0, 0, 0);
            switch (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
            case '#': pixel = qRgb(0, 0, 0); break;
            case 'w': pixel = qRgb(255, 255, 255); break;
            case 'o': pixel = qRgb(212, 208, 200); break;
            case 'g': pixel = qRgb(128, 128, 128); break;
            default: break;
            }
            image.setPixel(x, y, pixel);
        }
    return image;
}

} // namespace

QImage LoadGridBitmap(QStringView name)
{
    using namespace GridImageData;
    if (name == QLatin1String("UP"))
        return fromRows(Up);
    if (name == QLatin1String("DOWN"))
        return fromRows(Down);
    if (name == QLatin1String("CHECKED"))
        return fromRows(Checked);
    if (name == QLatin1String("UNCHECKED"))
        return fromRows(Unchecked);
    if (name == QLatin1String("COMBOBOX"))
        return fromRows(ComboBox);
    if (name == QLatin1String("ELLIPSIS"))
        return fromRows(Ellipsis);
    return {};
}
