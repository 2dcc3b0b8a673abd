#pragma once

#include "Errors.h"

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QRect>

#include <cstdint>
#include <functional>

class QObject;

// Grid options; the bit position is the option's ordinal.
enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = QFlags<TGridOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine
                                                 | goRangeSelect};

enum TGridDrawStateItem : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
};
using TGridDrawState = QFlags<TGridDrawStateItem>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVertAlignment : std::uint8_t { taTopJustify, taBottomJustify, taMiddle };
enum TCellBevelStyle : std::uint8_t { cbNone, cbRaised, cbLowered };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

// Column and row of a cell.
struct GridCoord
{
    int X = 0;
    int Y = 0;
    friend bool operator==(const GridCoord &, const GridCoord &) = default;
};

// Inclusive cell range: left and right column, top and bottom row.
struct GridRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const GridRect &, const GridRect &) = default;
    bool containsCell(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};

// The canvas font: a font with its colour, as the cell drawing and the
// format event see it.
class CanvasFont : public QFont
{
public:
    CanvasFont() = default;
    CanvasFont(const QFont &font, const QColor &color)
        : QFont(font)
        , Color(color)
    {
    }
    QColor Color;
};

// The canvas brush: the colour that fills cells, or no filling at all.
struct CanvasBrush
{
    QColor Color;
    Qt::BrushStyle Style = Qt::SolidPattern;
};

// What the format event may change for one cell. Brush and Font point at the
// grid canvas's own objects; the record owns nothing.
struct TFormatOptions
{
    CanvasBrush *Brush = nullptr;
    CanvasFont *Font = nullptr;
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelStyle BevelStyle = cbNone;
    QColor TopLeftColor;
    QColor BottomRightColor;
    bool HideText = false;
};

using TFormatDrawCellEvent
    = std::function<void(QObject *Sender, int Col, int Row, TGridDrawState State, TFormatOptions &FormatOptions,
                         bool &CheckBox, bool &Combobox, bool &Ellipsis)>;
using TDrawCellEvent
    = std::function<void(QObject *Sender, int ACol, int ARow, const QRect &Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(QObject *Sender, int ACol, int ARow, bool &CanSelect)>;
using TMovedEvent = std::function<void(QObject *Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = std::function<void(QObject *Sender, int ACol, int ARow, QString &Value)>;
using TSetEditEvent = std::function<void(QObject *Sender, int ACol, int ARow, const QString &Value)>;
using TSizeChangedEvent = std::function<void(QObject *Sender, int OldColCount, int OldRowCount)>;

// A list was given an index it cannot hold.
class EListError : public rundaro::Exception
{
public:
    using Exception::Exception;
};

namespace GridColors {
inline QColor clBlack()
{
    return QColor(0, 0, 0);
}
inline QColor clSilver()
{
    return QColor(192, 192, 192);
}
inline QColor clGray()
{
    return QColor(128, 128, 128);
}
} // namespace GridColors
