// The float editor's keystroke filter on random key sequences and pastes:
// whatever is typed, Value reads within Min..Max, and leaving the editor
// either commits (the text formatted with Digits decimals, reading a value
// within Min..Max) or restores the value it had on entry. ParseFloatText is
// checked on every text the editor shows: it never reads a value that the
// editor then reports outside its range.
//
// Input: byte 0 Digits (0..9); bytes 1-4 and 5-8 Min and Max as 32-bit
// numbers scaled by 10^-Digits (the editor's range is given at its own
// precision; swapped when Min > Max); then one key per byte (the low nibble
// picks the key, the high bits Shift or a repeat), where the paste key takes
// the next byte as a length and that many bytes as the clipboard's text.

#include "FlEdit.h"
#include "FloatText.h"
#include "FuzzApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using rundaro::Real;

namespace {

[[noreturn]] void fail(const char *what, const TSpinFloatEdit &edit)
{
    std::fprintf(stderr, "%s: text \"%s\", Min %.21Lg, Max %.21Lg, Digits %d, entry %.21Lg\n", what,
                 edit.text().toUtf8().constData(), edit.min(), edit.max(), edit.digits(), edit.entryValue());
    std::abort();
}

std::optional<Real> parse(const TSpinFloatEdit &edit, const QString &text)
{
    return rundaro::ParseFloatText(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size())),
        edit.separatorChar().unicode());
}

void key(QWidget *target, int code, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void focus(QWidget *target, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(target, &event);
}

std::int32_t int32At(const std::uint8_t *data)
{
    std::uint32_t v = 0;
    std::memcpy(&v, data, 4);
    return static_cast<std::int32_t>(v);
}

void checkValue(const TSpinFloatEdit &edit)
{
    const Real v = edit.value();
    if (!(v >= edit.min() && v <= edit.max()))
        fail("Value outside Min..Max", edit);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    rundaro::fuzz::FuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 9)
        return 0;
    const int digits = data[0] % 10;
    const Real scale = std::pow(10.0L, digits);
    Real min = int32At(data + 1) / scale;
    Real max = int32At(data + 5) / scale;
    if (min > max)
        std::swap(min, max);

    TSpinFloatEdit edit;
    edit.setDigits(digits);
    // The bounds in the order that never crosses them over.
    if (max < edit.min()) {
        edit.setMin(min);
        edit.setMax(max);
    } else {
        edit.setMax(max);
        edit.setMin(min);
    }
    edit.setIncrement(1);
    QClipboard *clipboard = QApplication::clipboard();
    const QChar sep = edit.separatorChar();

    focus(&edit, QEvent::FocusIn);
    const Real entry = edit.entryValue();
    if (!(entry >= min && entry <= max))
        fail("entry value outside Min..Max", edit);

    for (std::size_t i = 9; i < size; ++i) {
        const std::uint8_t b = data[i];
        const Qt::KeyboardModifiers shift = (b & 0x10) ? Qt::ShiftModifier : Qt::NoModifier;
        const int times = 1 + ((b >> 5) & 1);
        for (int n = 0; n < times; ++n) {
            switch (b & 0x0F) {
            case 0: key(&edit, Qt::Key_0 + (b >> 6) * 3, QString(QChar(u'0' + (b >> 6) * 3))); break;
            case 1: key(&edit, Qt::Key_1 + (b >> 6) * 2, QString(QChar(u'1' + (b >> 6) * 2))); break;
            case 2: key(&edit, Qt::Key_Minus, QStringLiteral("-")); break;
            case 3: key(&edit, Qt::Key_E, (b & 0x40) ? QStringLiteral("E") : QStringLiteral("e")); break;
            case 4: key(&edit, Qt::Key_Comma, QStringLiteral(",")); break;
            case 5: key(&edit, Qt::Key_Period, QStringLiteral(".")); break;
            case 6: key(&edit, Qt::Key_Backspace, QString(QChar(8))); break;
            case 7: key(&edit, Qt::Key_Delete, QString(QChar(127))); break;
            case 8: key(&edit, Qt::Key_Left, {}, shift); break;
            case 9: key(&edit, Qt::Key_Right, {}, shift); break;
            case 10: key(&edit, (b & 0x40) ? Qt::Key_End : Qt::Key_Home, {}, shift); break;
            case 11: key(&edit, (b & 0x40) ? Qt::Key_Down : Qt::Key_Up, {}); break;
            case 12: key(&edit, Qt::Key_Escape, QString(QChar(27))); break;
            case 13: key(&edit, Qt::Key_Return, QStringLiteral("\r")); break;
            case 14: key(&edit, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier); break;
            case 15: {
                // Paste: the next byte is the length, then the text.
                std::size_t length = i + 1 < size ? data[i + 1] % 16 : 0;
                length = std::min(length, size - std::min(size, i + 2));
                QString pasted;
                for (std::size_t k = 0; k < length; ++k) {
                    static const char kChars[] = "0123456789-+eE,. x";
                    pasted += QLatin1Char(kChars[data[i + 2 + k] % (sizeof kChars - 1)]);
                }
                i += 1 + length;
                n = times;
                clipboard->setText(pasted);
                key(&edit, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
                break;
            }
            }
            checkValue(edit);
        }
    }

    // Leaving the editor.
    QString before = edit.text();
    if (before.isEmpty())
        before = edit.formatValue(min);
    const auto typed = parse(edit, before);
    const bool valid = typed && *typed >= min && *typed <= max;
    focus(&edit, QEvent::FocusOut);
    const QString after = edit.text();
    const auto shown = parse(edit, after);
    if (valid) {
        if (!shown || *shown < min || *shown > max)
            fail("committed text does not read a value within Min..Max", edit);
        if (after != edit.formatValue(*shown))
            fail("committed text is not formatted", edit);
    } else if (after != edit.formatValue(entry)) {
        fail("invalid text not restored to the entry value", edit);
    }
    checkValue(edit);
    if (sep != QLatin1Char(','))
        fail("not the German separator", edit);
    return 0;
}
