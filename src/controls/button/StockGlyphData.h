#pragma once

#include "ButtonTypes.h"

#include <array>
#include <cstddef>

// Pixel pictures of the stock kinds' glyphs, one character per pixel:
//   .  transparent (olive)      k  black          w  white
//   g  grey                     s  silver         r  maroon
//   R  red                      e  green          G  lime
//   n  navy                     B  blue           Y  yellow
//   t  teal                     C  cyan           p  purple
//   M  magenta
// Only the up picture is drawn here; the disabled picture is derived from it.
struct StockPicture
{
    const char *const *Rows;
    int Width;
    int Height;
};

namespace StockGlyphData {
// Pictures drawn row by row: one text per row, as they look.
// clang-format off

inline constexpr const char *kOK[] = {
    "..................",
    "..................",
    "..................",
    "...............e..",
    "..............eee.",
    ".............eeGe.",
    "............eeGe..",
    "...........eeGe...",
    "...e......eeGe....",
    "..eee....eeGe.....",
    "..eGee..eeGe......",
    "...eGeeeeGe.......",
    "....eGeeGe........",
    ".....eGGe.........",
    "......ee..........",
    "..................",
    "..................",
    "..................",
};

inline constexpr const char *kCancel[] = {
    "..................",
    "..................",
    "..................",
    "....r........r....",
    "...rRr......rRr...",
    "....rRr....rRr....",
    ".....rRr..rRr.....",
    "......rRrrRr......",
    ".......rRRr.......",
    ".......rRRr.......",
    "......rRrrRr......",
    ".....rRr..rRr.....",
    "....rRr....rRr....",
    "...rRr......rRr...",
    "....r........r....",
    "..................",
    "..................",
    "..................",
};

inline constexpr const char *kHelp[] = {
    "..................",
    "..................",
    "......nnnnnn......",
    ".....nnBBBBnn.....",
    "....nnBn..nBnn....",
    "....nBn....nBn....",
    "....nnn....nBn....",
    "..........nBnn....",
    ".........nBnn.....",
    "........nBnn......",
    "........nBn.......",
    "........nBn.......",
    "........nnn.......",
    "..................",
    "........nnn.......",
    "........nBn.......",
    "........nnn.......",
    "..................",
};

inline constexpr const char *kYes[] = {
    "..................",
    "..................",
    "..................",
    "..................",
    "..............ee..",
    ".............eGe..",
    "............eGe...",
    "...........eGe....",
    "..ee......eGe.....",
    "..eGe....eGe......",
    "...eGe..eGe.......",
    "....eGeeGe........",
    ".....eGGe.........",
    "......ee..........",
    "..................",
    "..................",
    "..................",
    "..................",
};

inline constexpr const char *kNo[] = {
    "..................",
    "......rrrrrr......",
    "....rrRRRRRRrr....",
    "...rRRrrrrrrRRr...",
    "..rRRRr.....rRRr..",
    "..rRrRRr.....rRr..",
    ".rRr.rRRr.....rRr.",
    ".rRr..rRRr....rRr.",
    ".rRr...rRRr...rRr.",
    ".rRr....rRRr..rRr.",
    ".rRr.....rRRr.rRr.",
    ".rRr......rRRrrRr.",
    "..rRr.....rRRRRr..",
    "..rRRr.....rRRRr..",
    "...rRRrrrrrrRRr...",
    "....rrRRRRRRrr....",
    "......rrrrrr......",
    "..................",
};

inline constexpr const char *kClose[] = {
    "..................",
    "..kkkkkkkkkkkk....",
    "..kgrr.......k....",
    "..kgrrrr.....k....",
    "..kgrrrrrr...k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrYrr..k....",
    "..kgrrrrYrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrrr..k....",
    "..kgrrrrrr...k....",
    "..kgrrrr.....k....",
    "..kkrrkkkkkkkk....",
    "..................",
};

inline constexpr const char *kAbort[] = {
    "..................",
    "......rrrrrr......",
    "....rrRRRRRRrr....",
    "...rRRRRRRRRRRr...",
    "..rRRRRRRRRRRRRr..",
    "..rRRwwRRRRwwRRr..",
    ".rRRRwwwRRwwwRRRr.",
    ".rRRRRwwwwwwRRRRr.",
    ".rRRRRRwwwwRRRRRr.",
    ".rRRRRRwwwwRRRRRr.",
    ".rRRRRwwwwwwRRRRr.",
    ".rRRRwwwRRwwwRRRr.",
    "..rRRwwRRRRwwRRr..",
    "..rRRRRRRRRRRRRr..",
    "...rRRRRRRRRRRr...",
    "....rrRRRRRRrr....",
    "......rrrrrr......",
    "..................",
};

inline constexpr const char *kRetry[] = {
    "..................",
    "..................",
    "......eeeee.......",
    "....eeGGGGGee.....",
    "...eGGeeeeeGGe....",
    "..eGe.......eGe...",
    "..eGe........e....",
    ".eGe.....eeeeeeee.",
    ".eGe......eGGGGe..",
    ".eGe.......eGGe...",
    ".eGe........ee....",
    "..eGe.............",
    "..eGe........e....",
    "...eGGeeeeeeGe....",
    "....eeGGGGGGe.....",
    "......eeeeee......",
    "..................",
    "..................",
};

inline constexpr const char *kIgnore[] = {
    "..................",
    "..................",
    "......eeeee.......",
    "....eeGGGGGee.....",
    "...eGGeeeeeGGe....",
    "..eGe.......eGe...",
    "..eGe........eGe..",
    ".eGe.........eGe..",
    ".eGe.......eeeGeee",
    ".eGe........eGGGe.",
    ".eGe.........eGe..",
    "..............e...",
    ".......kkkk.......",
    ".......kggk.......",
    ".......kggk.......",
    ".......kggk.......",
    "..kkkkkkkkkkkkkk..",
    "..................",
};

inline constexpr const char *kAll[] = {
    "..................",
    "..................",
    "..................",
    "..................",
    "................e.",
    "..........e....eGe",
    ".........eGe..eGe.",
    "........eGe..eGe..",
    "........eGe..eGe..",
    ".e.....eGe..eGe...",
    "eGe...eGe..eGe....",
    ".eGe.eGeGe.eGe....",
    "..eGeGe.eGeGe.....",
    "...eGe...eGe......",
    "....e.....e.......",
    "..................",
    "..................",
    "..................",
    "..................",
};

// clang-format on
} // namespace StockGlyphData

// Indexed by TBitBtnWithColorKind; bkCustom has no picture.
inline constexpr std::array<StockPicture, 11> kStockPictures{{
    {nullptr, 0, 0},
    {StockGlyphData::kOK, 18, 18},
    {StockGlyphData::kCancel, 18, 18},
    {StockGlyphData::kHelp, 18, 18},
    {StockGlyphData::kYes, 18, 18},
    {StockGlyphData::kNo, 18, 18},
    {StockGlyphData::kClose, 18, 18},
    {StockGlyphData::kAbort, 18, 18},
    {StockGlyphData::kRetry, 18, 18},
    {StockGlyphData::kIgnore, 18, 18},
    {StockGlyphData::kAll, 18, 19},
}};
