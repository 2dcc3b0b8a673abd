#include "DigitOutline.h"
#include "SegmentRaster.h"
#include "TestOutput.h"
#include "Udigit.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>

using namespace rundaro::sevenseg;

namespace {

const QColor Black(0, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor DarkBlue(0, 0, 160);

const SegmentOutlines LargeDigit = [] {
    SegmentOutlines outlines;
    for (int s = 0; s < SegmentCount; ++s)
        outlines[std::size_t(s)] = LargeDigitSegment<QPoint>(s);
    return outlines;
}();

void makeLarge(TDigit &digit)
{
    digit.resize(45, 89);
    digit.setThickness(5);
    digit.setSeparation(1);
}

QImage picture(TDigit &digit)
{
    return digit.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Centre of a segment's corners: inside every segment of these shapes.
QPoint centreOf(const std::vector<QPoint> &corners)
{
    QPoint sum;
    for (const QPoint &p : corners)
        sum += p;
    return sum / static_cast<int>(corners.size());
}

} // namespace

TEST(DigitPixels, LargeDigitMatchesItsPolygonsPixelForPixel)
{
    const std::uint8_t patterns[] = {125, 255, 128, 127, 0, 0x55};
    for (std::uint8_t pattern : patterns) {
        TDigit digit;
        makeLarge(digit);
        digit.setColorOff(DarkBlue);
        digit.setValueBinary(pattern);
        const QImage expected = expectedPicture({45, 89}, LargeDigit, pattern, {Black, Yellow, DarkBlue});
        EXPECT_EQ(pictureDifferences(picture(digit), expected), QString()) << "pattern " << int(pattern);
    }
}

TEST(DigitPixels, LargeDigitSeamsAndCornerMark)
{
    TDigit digit;
    makeLarge(digit);
    digit.setValueBinary(255);
    const QImage image = picture(digit);

    // Lit just inside each bar's outline, dark on it.
    EXPECT_EQ(at(image, 22, 1), Yellow);
    EXPECT_EQ(at(image, 22, 0), Black);
    EXPECT_EQ(at(image, 7, 5), Yellow);
    EXPECT_EQ(at(image, 6, 5), Black);
    EXPECT_EQ(at(image, 22, 48), Yellow);
    EXPECT_EQ(at(image, 22, 49), Black);
    EXPECT_EQ(at(image, 1, 38), Yellow);
    EXPECT_EQ(at(image, 0, 38), Black);
    EXPECT_EQ(at(image, 43, 50), Yellow);
    EXPECT_EQ(at(image, 44, 50), Black);

    // Seams: where the top bar meets the upper-left column, where the
    // columns meet the middle bar, and between the two middle-bar tips.
    EXPECT_EQ(at(image, 6, 6), Black);
    EXPECT_EQ(at(image, 7, 7), Black);
    EXPECT_EQ(at(image, 38, 6), Black);
    EXPECT_EQ(at(image, 5, 44), Black);
    EXPECT_EQ(at(image, 39, 44), Black);
    EXPECT_EQ(at(image, 5, 43), Black);
    EXPECT_EQ(at(image, 5, 45), Black);

    // The corner mark: a triangle with legs 2T − S = 9 whose hypotenuse
    // (x + y = 123) is kept apart from the bottom bar (x + y = 121) by a
    // dark diagonal (x + y = 122).
    EXPECT_EQ(at(image, 43, 87), Yellow);
    EXPECT_EQ(at(image, 43, 81), Yellow);
    EXPECT_EQ(at(image, 37, 87), Yellow);
    EXPECT_EQ(at(image, 43, 80), Black);
    EXPECT_EQ(at(image, 36, 87), Black);
    EXPECT_EQ(at(image, 44, 84), Black);
    EXPECT_EQ(at(image, 40, 88), Black);
    EXPECT_EQ(at(image, 36, 86), Black);
    EXPECT_EQ(at(image, 34, 86), Yellow);
}

TEST(DigitPixels, NewDigitShowsZeroAtTheConstructionSize)
{
    TDigit digit;
    const QImage image = picture(digit);
    ASSERT_EQ(image.size(), QSize(16, 32));
    EXPECT_EQ(
        pictureDifferences(image, expectedPicture({16, 32}, outlinesFor({16, 32}, 2, 1), 125, {Black, Yellow, Black})),
        QString());
    EXPECT_EQ(at(image, 7, 2), Yellow); // top bar
    EXPECT_EQ(at(image, 7, 16), Black); // middle bar, unlit in black
    EXPECT_EQ(at(image, 2, 22), Yellow); // lower-left column
    EXPECT_EQ(at(image, 15, 31), Black); // corner mark, unlit
}

TEST(DigitPixels, EvenHeightLeavesOneMorePixelAboveTheBottomBar)
{
    // Rows between the lowest lit pixel of the lower-left column (x = 2) and
    // the first lit pixel of the bottom bar (x = 7).
    auto gap = [](int height) {
        TDigit digit;
        digit.resize(16, height);
        digit.setValueBinary(127);
        const QImage image = picture(digit);
        EXPECT_EQ(
            pictureDifferences(
                image, expectedPicture({16, height}, outlinesFor({16, height}, 2, 1), 127, {Black, Yellow, Black})),
            QString())
            << "height " << height;
        int column = height - 1;
        while (column > 0 && at(image, 2, column) != Yellow)
            --column;
        int bar = height / 2 + 3;
        while (bar < height && at(image, 7, bar) != Yellow)
            ++bar;
        return bar - column;
    };
    EXPECT_EQ(gap(32), 2);
    EXPECT_EQ(gap(33), 1);
}

TEST(DigitPixels, UnlitSegmentsVanishInTheBackgroundColour)
{
    TDigit digit;
    makeLarge(digit);
    digit.setValue(1);
    const QImage image = picture(digit);
    EXPECT_EQ(at(image, 22, 5), Black); // top bar, off
    EXPECT_EQ(at(image, 39, 22), Yellow); // upper-right column, on
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 34; ++x)
            coloured += at(image, x, y) != Black;
    EXPECT_EQ(coloured, 0);
}

TEST(DigitPixels, BackgroundFollowsTheParentWhileParentColorIsSet)
{
    const QColor green(0, 128, 0);
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, green);
    parent.setPalette(palette);
    auto *digit = new TDigit(&parent);
    EXPECT_EQ(digit->Color(), Black);

    digit->setParentColor(true);
    EXPECT_EQ(digit->Color(), green);
    EXPECT_EQ(at(picture(*digit), 0, 0), green);
    EXPECT_EQ(at(picture(*digit), 7, 0), green); // the top bar's outline

    digit->setColor(DarkBlue);
    EXPECT_FALSE(digit->ParentColor());
    EXPECT_EQ(at(picture(*digit), 0, 0), DarkBlue);
    palette.setColor(QPalette::Window, Yellow);
    parent.setPalette(palette);
    EXPECT_EQ(digit->Color(), DarkBlue);
}

TEST(DigitPixels, SheetOfAllDecimalDigits)
{
    // Row one as on the race display (unlit segments black); row two with
    // the unlit segments faintly visible, then all bits and the corner mark.
    QWidget sheet;
    QPalette palette = sheet.palette();
    palette.setColor(QPalette::Window, Black);
    sheet.setPalette(palette);
    sheet.setAutoFillBackground(true);
    sheet.resize(10 * 48 + 8, 2 * 97 + 8);
    TDigit *row[10] = {};
    for (int v = 0; v < 10; ++v) {
        row[v] = new TDigit(&sheet);
        row[v]->setGeometry(8 + 48 * v, 8, 45, 89);
        row[v]->setThickness(5);
        row[v]->setValue(v);

        auto *faint = new TDigit(&sheet);
        faint->setGeometry(8 + 48 * v, 8 + 97, 45, 89);
        faint->setThickness(5);
        faint->setColorOff(QColor(48, 48, 48));
        faint->setValue(v);
        if (v == 8)
            faint->setValueBinary(255);
        if (v == 9)
            faint->setValueBinary(128);
    }
    saveTestPng(&sheet, QStringLiteral("digit_sheet"));

    // One digit with every bit set, six times enlarged, to see the seams.
    TDigit all;
    makeLarge(all);
    all.setValueBinary(255);
    QLabel zoom;
    zoom.setPixmap(all.grab().scaled(45 * 6, 89 * 6));
    zoom.resize(45 * 6, 89 * 6);
    saveTestPng(&zoom, QStringLiteral("digit_zoom"));

    const QImage image = sheet.grab().toImage();
    for (int v = 0; v < 10; ++v) {
        for (int s = 0; s < SegmentCount; ++s) {
            const QPoint centre = row[v]->pos() + centreOf(LargeDigit[s]);
            EXPECT_EQ(at(image, centre.x(), centre.y()), isLit(DigitPatterns[v], s) ? Yellow : Black) << v << '/' << s;
        }
    }
}
