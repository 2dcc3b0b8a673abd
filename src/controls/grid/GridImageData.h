#pragma once

#include <array>
#include <string_view>

// Pixels of the grid's small images, one text row per pixel row:
// '.' transparent, '#' black, 'w' white, 'o' button face, 'g' shadow grey.
namespace GridImageData {
// Pictures drawn row by row: one text per row, as they look.
// clang-format off

inline constexpr std::array<std::string_view, 7> Up{
    "........",
    "...##...",
    "..####..",
    ".######.",
    "########",
    "........",
    "........",
};

inline constexpr std::array<std::string_view, 7> Down{
    "........",
    "########",
    ".######.",
    "..####..",
    "...##...",
    "........",
    "........",
};

inline constexpr std::array<std::string_view, 10> Checked{
    "gggggggggg",
    "gwwwwwwwwg",
    "gwwwwwww#g",
    "gwwwwww##g",
    "gw#ww###wg",
    "gw#####wwg",
    "gww###wwwg",
    "gwww#wwwwg",
    "gwwwwwwwwg",
    "gggggggggg",
};

inline constexpr std::array<std::string_view, 10> Unchecked{
    "gggggggggg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gwwwwwwwwg",
    "gggggggggg",
};

inline constexpr std::array<std::string_view, 16> ComboBox{
    "wwwwwwwwwwwwwww#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooo#######ooog#",
    "woooo#####oooog#",
    "wooooo###ooooog#",
    "woooooo#oooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "ggggggggggggggg#",
    "################",
};

inline constexpr std::array<std::string_view, 16> Ellipsis{
    "wwwwwwwwwwwwwww#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "woo##oo##oo##og#",
    "woo##oo##oo##og#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "wooooooooooooog#",
    "ggggggggggggggg#",
    "################",
};

// clang-format on
} // namespace GridImageData
