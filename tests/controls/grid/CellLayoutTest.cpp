#include "CellLayout.h"

#include <gtest/gtest.h>

namespace {

// One pixel per character keeps the shortening arithmetic visible.
int charWidth(const QString &text)
{
    return static_cast<int>(text.size());
}

struct ShortenCase
{
    const char *text;
    int avail;
    const char *expected;
};

TEST(CellLayoutTest, HeaderShortening)
{
    const ShortenCase cases[] = {
        {"Runden", 6, "Runden"}, // exactly fits
        {"Runden", 5, "Run.."}, // one pixel over: the last two become full stops
        {"Runden", 4, "Ru.."},
        {"Runden", 3, "R.."},
        {"Runden", 0, "R.."}, // never below 3 characters
        {"Ab", 1, ".."},
        {"A", 0, "A"}, // too short to end in two full stops
        {"", 0, ""},
    };
    for (const ShortenCase &c : cases)
        EXPECT_EQ(CellLayout::ShortenHeader(QString::fromLatin1(c.text), c.avail, charWidth),
                  QString::fromLatin1(c.expected))
            << c.text << " in " << c.avail;
}

struct OffsetCase
{
    TAlignment alignment;
    int cellWidth;
    int textWidth;
    int expected;
};

TEST(CellLayoutTest, HorizontalOffsets)
{
    const OffsetCase cases[] = {
        {taLeftJustify, 50, 80, 2}, {taRightJustify, 50, 20, 28}, {taRightJustify, 50, 60, -12}, // start clipped away
        {taCenter, 50, 43, 3}, // 7 pixels to spare
        {taCenter, 50, 57, -3}, // 7 pixels too wide: clipped on both sides
        {taCenter, 50, 44, 3},      {taCenter, 50, 56, -3}, // halves truncate toward zero
    };
    for (const OffsetCase &c : cases)
        EXPECT_EQ(CellLayout::HorzOffset(c.alignment, c.cellWidth, c.textWidth), c.expected)
            << int(c.alignment) << " " << c.cellWidth << " " << c.textWidth;
}

TEST(CellLayoutTest, VerticalOffsets)
{
    EXPECT_EQ(CellLayout::VertOffset(taTopJustify, 20, 30), 2);
    EXPECT_EQ(CellLayout::VertOffset(taBottomJustify, 20, 13), 4);
    EXPECT_EQ(CellLayout::VertOffset(taMiddle, 20, 13), 3);
    EXPECT_EQ(CellLayout::VertOffset(taMiddle, 20, 27), -3);
}

} // namespace
