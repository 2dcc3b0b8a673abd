#pragma once

#include <QObject>

// Enumerations shared by the coloured button and its glyph. They live in a
// namespace of their own so that the glyph code needs no button header and
// the button can still publish them as typed Qt properties.
namespace ButtonTypes {
Q_NAMESPACE

// Where the glyph sits relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

// The state a glyph image and the caption are drawn for; also the order of
// the pictures side by side in a glyph bitmap.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
Q_ENUM_NS(TButtonState)

// Kept for forms that set it; it does not change the drawing.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
Q_ENUM_NS(TButtonStyle)

// Stock button kinds: caption, glyph, modal result, Default and Cancel.
enum TBitBtnWithColorKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
Q_ENUM_NS(TBitBtnWithColorKind)

} // namespace ButtonTypes

using ButtonTypes::TBitBtnWithColorKind;
using ButtonTypes::TButtonLayout;
using ButtonTypes::TButtonState;
using ButtonTypes::TButtonStyle;
using enum ButtonTypes::TBitBtnWithColorKind;
using enum ButtonTypes::TButtonLayout;
using enum ButtonTypes::TButtonState;
using enum ButtonTypes::TButtonStyle;

// Number of pictures side by side in a glyph bitmap (1 to 4).
using TNumGlyphs = int;
inline constexpr int kMaxNumGlyphs = 4;
