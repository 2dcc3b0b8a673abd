#include "ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase
{
    const char *name;
    QRect client;
    QSize glyph;
    QSize text;
    TButtonLayout layout;
    int margin;
    int spacing;
    QPoint glyphPos;
    QPoint textPos;
};

const LayoutCase kCases[] = {
    // Glyph 18 x 18 and caption 40 x 15 in 100 x 30.
    {"left, centred pair", {0, 0, 100, 30}, {18, 18}, {40, 15}, blGlyphLeft, -1, 4, {19, 6}, {41, 8}},
    {"left, spread evenly", {0, 0, 100, 30}, {18, 18}, {40, 15}, blGlyphLeft, -1, -1, {14, 6}, {46, 8}},
    {"left, margin given", {0, 0, 100, 30}, {18, 18}, {40, 15}, blGlyphLeft, 5, -1, {5, 6}, {41, 8}},
    {"left, both given", {0, 0, 100, 30}, {18, 18}, {40, 15}, blGlyphLeft, 5, 4, {5, 6}, {27, 8}},
    {"right, both given", {0, 0, 100, 30}, {18, 18}, {40, 15}, blGlyphRight, 5, 4, {77, 6}, {33, 8}},
    // 60 x 80 at (10, 20): positions are moved by the client's corner.
    {"top, centred pair", {10, 20, 60, 80}, {18, 18}, {40, 15}, blGlyphTop, -1, 4, {31, 42}, {20, 64}},
    {"bottom, both given", {10, 20, 60, 80}, {18, 18}, {40, 15}, blGlyphBottom, 3, 2, {31, 79}, {20, 62}},
    // Without a glyph the spacing is dropped and the caption is centred.
    {"no glyph", {0, 0, 100, 30}, {0, 0}, {40, 15}, blGlyphLeft, -1, 4, {30, 15}, {30, 8}},
    {"no glyph on the main window's face", {3, 3, 103, 24}, {0, 0}, {81, 22}, blGlyphLeft, -1, 4, {14, 15}, {14, 4}},
    // Divisions truncate toward zero: (10 - 40 + 1) / 2 is -14, not -15.
    {"caption wider than the face", {0, 0, 10, 30}, {0, 0}, {40, 15}, blGlyphLeft, -1, -1, {-14, 15}, {-14, 8}},
    {"no caption", {0, 0, 100, 30}, {18, 18}, {0, 0}, blGlyphLeft, -1, 4, {41, 6}, {59, 15}},
};

class ButtonLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(ButtonLayoutTest, PlacesGlyphAndCaption)
{
    const LayoutCase &c = GetParam();
    const GlyphTextLayout placed = CalcButtonLayout(c.client, c.glyph, c.text, c.layout, c.margin, c.spacing);
    EXPECT_EQ(placed.GlyphPos, c.glyphPos);
    EXPECT_EQ(placed.TextBounds, QRect(c.textPos, c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonLayoutTest, ::testing::ValuesIn(kCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

} // namespace
