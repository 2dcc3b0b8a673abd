#include "FlEdit.h"

#include "Errors.h"
#include "FloatText.h"
#include "LocaleNumber.h"
#include "SpinAccessible.h"
#include "SpinButtons.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>
#include <memory>

using rundaro::Real;

namespace {

std::optional<Real> parseText(const QString &text, QChar separator)
{
    return rundaro::ParseFloatText(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size())),
        separator.unicode());
}

bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

} // namespace

TCustomFloatEdit::TCustomFloatEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_separator(rundaro::LocaleDecimalSeparator())
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Every character goes through the keystroke filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_typed.changed(text()))
            fire(OnChange, this);
    });
    setText(formatValue(m_min));
    updateMinimumHeight();
}

TCustomFloatEdit::~TCustomFloatEdit() = default;

QString TCustomFloatEdit::formatValue(Real x) const
{
    return rundaro::FormatFixedText(x, m_digits, m_separator);
}

Real TCustomFloatEdit::value() const
{
    if (m_loading)
        return m_loadingValue;
    return valueOf(m_typed.pending() ? m_typed.told() : text());
}

Real TCustomFloatEdit::valueOf(QString text) const
{
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("E")
        || (text.size() == 1 && text.front() == m_separator))
        text = QStringLiteral("0");
    const Real v = parseText(text, m_separator).value_or(m_min);
    if (v < m_min)
        return m_min;
    if (v > m_max)
        return m_max;
    return v;
}

void TCustomFloatEdit::setValue(Real v)
{
    if (m_loading) {
        m_loadingValue = v;
        return;
    }
    if (v > m_max) {
        showErrorMessage();
        v = m_max;
    }
    if (v < m_min) {
        showErrorMessage();
        v = m_min;
    }
    write(formatValue(v));
}

void TCustomFloatEdit::write(const QString &text)
{
    if (m_typed.write(*this, text))
        fire(OnChange, this);
}

void TCustomFloatEdit::applyTyping()
{
    Real number = 0;
    if (m_typed.pending() && textIsValid(text(), &number) && m_typed.take(text()))
        fire(OnChange, this);
}

void TCustomFloatEdit::setDigits(int n)
{
    n = std::clamp(n, 0, 255);
    if (n == m_digits)
        return;
    m_digits = static_cast<quint8>(std::min(n, kMaxDigits));
    setValue(value());
}

void TCustomFloatEdit::setMin(Real x)
{
    if (x == m_min)
        return;
    if (x > m_max)
        throw rundaro::Exception("Minimum value must not be greater than maximum value !");
    m_min = x;
    setValue(value());
}

void TCustomFloatEdit::setMax(Real x)
{
    if (x == m_max)
        return;
    if (x < m_min)
        throw rundaro::Exception("Maximum value must not be less than minimum value !");
    m_max = x;
    setValue(value());
}

void TCustomFloatEdit::beginLoading()
{
    if (m_loading)
        return;
    m_loadingValue = 0;
    m_loading = true;
}

void TCustomFloatEdit::endLoading()
{
    if (!m_loading)
        return;
    m_loading = false;
    setValue(m_loadingValue);
}

void TCustomFloatEdit::showErrorMessage()
{
    if (m_errorMessage.isEmpty())
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), m_errorMessage, QMessageBox::Ok, this);
    box.exec();
}

bool TCustomFloatEdit::keyDown(QKeyEvent *)
{
    return true;
}

bool TCustomFloatEdit::charactersAllowed() const
{
    return true;
}

bool TCustomFloatEdit::clipboardEditAllowed() const
{
    return !isReadOnly();
}

void TCustomFloatEdit::keyPressEvent(QKeyEvent *event)
{
    const bool toNativeEdit = keyDown(event);
    event->accept();
    const QString text = event->text();

    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pressEnter(text.isEmpty() ? QChar(u'\r') : text.front());
        return;
    }
    // Ctrl+J types a line feed, which counts as Enter.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (text == QLatin1String("\n")
        || (event->key() == Qt::Key_J && (mods & Qt::ControlModifier)
            && !(mods & (Qt::AltModifier | Qt::MetaModifier)))) {
        pressEnter(QChar(u'\n'));
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        pressEscape();
        return;
    }
    // Ctrl with a letter is a shortcut (Ctrl+Alt is AltGr and types).
    const bool shortcut = (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
    if (text.isEmpty() || isControlCharacter(text.front()) || shortcut) {
        // Navigation, deletion and the clipboard shortcuts pass unfiltered.
        if (!toNativeEdit)
            return;
        if ((event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) && !clipboardEditAllowed())
            return;
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (text.size() != 1) // composed multi-character input cannot be filtered key by key
        return;

    QChar key = text.front();
    if (!filterCharacter(key) || !charactersAllowed() || !toNativeEdit)
        return;
    if (key == text.front())
        QLineEdit::keyPressEvent(event);
    else if (!isReadOnly())
        insert(QString(key));
}

void TCustomFloatEdit::pressEnter(QChar key)
{
    fire(OnEnterPress, this, key);
}

void TCustomFloatEdit::pressEscape()
{
    setValue(m_entryValue);
    selectAll();
    QChar none;
    fire(OnKeyPress, this, none);
}

void TCustomFloatEdit::refuse(QChar key)
{
    fire(OnKeyPress, this, key);
}

bool TCustomFloatEdit::filterCharacter(QChar &key)
{
    const QChar c = key;
    const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-')
        || c == QLatin1Char('e') || c == m_separator;
    // Without decimals the separator is refused before it could become the
    // shortcut text 0,0.
    if (!allowed || (c == m_separator && m_digits == 0)) {
        refuse(key);
        return false;
    }

    // The character replaces the selection, or goes in at the cursor.
    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? int(selectedText().size()) : 0;
    const QString prospective = current.left(start) + c + current.mid(start + length);

    if (prospective == QLatin1String("-")) {
        setShortcutText(key, QStringLiteral("-0"), 1);
        return false;
    }
    if (prospective.size() == 1 && prospective.front() == m_separator) {
        setShortcutText(key, QStringLiteral("0") + m_separator + QStringLiteral("0"), 2);
        return false;
    }
    const auto number = parseText(prospective, m_separator);
    const bool fits = number && *number >= m_min && *number <= m_max;
    bool tooManyDecimals = false;
    if (fits && !prospective.contains(QLatin1Char('e'), Qt::CaseInsensitive)) {
        const auto sep = prospective.indexOf(m_separator);
        tooManyDecimals = sep >= 0 && prospective.size() - sep - 1 > m_digits;
    }
    if (!fits || tooManyDecimals) {
        refuse(key);
        return false;
    }
    fire(OnKeyPress, this, key);
    return !key.isNull();
}

void TCustomFloatEdit::setShortcutText(QChar key, const QString &text, int selectionStart)
{
    fire(OnKeyPress, this, key);
    // A read-only or locked editor does not change from the keyboard at all.
    if (isReadOnly() || !charactersAllowed())
        return;
    setText(text);
    setSelection(selectionStart, 1);
}

void TCustomFloatEdit::focusInEvent(QFocusEvent *event)
{
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    // QLineEdit selects all on tabbing in by itself.
    if (!m_autoSelect && !hadSelection)
        deselect();
    const auto reason = event->reason();
    // Getting the window back or closing a popup menu is no entering.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (m_autoSelect && reason != Qt::MouseFocusReason)
        selectAll();
    if (m_restoring)
        return;
    m_entryValue = value();
    fire(OnEnter, this);
}

bool TCustomFloatEdit::textIsValid(const QString &text, Real *number) const
{
    const auto v = parseText(text, m_separator);
    if (!v || *v < m_min || *v > m_max)
        return false;
    *number = *v;
    return true;
}

void TCustomFloatEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const auto reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || m_restoring)
        return;

    QString text = this->text();
    if (text.isEmpty())
        text = formatValue(m_min);
    Real number = 0;
    if (!textIsValid(text, &number)) {
        // Restore the value from the entry and keep the focus; no OnExit.
        m_restoring = true;
        showErrorMessage();
        setValue(m_entryValue);
        selectAll();
        setFocus(Qt::OtherFocusReason);
        m_restoring = false;
        return;
    }
    if (m_typed.pending() && m_typed.take(this->text()))
        fire(OnChange, this);
    write(formatValue(number));
    setValue(parseText(this->text(), m_separator).value_or(number));
    fire(OnExit, this);
}

QMenu *TCustomFloatEdit::createContextMenu()
{
    if (clipboardEditAllowed())
        return createStandardContextMenu();
    // The standard menu of a read-only edit has no cut, paste or other edits.
    const bool wasReadOnly = isReadOnly();
    setReadOnly(true);
    QMenu *menu = createStandardContextMenu();
    setReadOnly(wasReadOnly);
    return menu;
}

void TCustomFloatEdit::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createContextMenu());
    menu->exec(event->globalPos());
}

void TCustomFloatEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection clipboard on X11.
    if (event->button() == Qt::MiddleButton && !clipboardEditAllowed()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TCustomFloatEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (!clipboardEditAllowed()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void TCustomFloatEdit::dropEvent(QDropEvent *event)
{
    if (!clipboardEditAllowed()) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void TCustomFloatEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateMinimumHeight();
}

void TCustomFloatEdit::updateMinimumHeight()
{
    // Font height plus a quarter of the smaller of the system and own font,
    // the borders and a little air.
    const int own = fontMetrics().height();
    const int system = QFontMetrics(QApplication::font()).height();
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    setMinimumHeight(own + std::min(system, own) / 4 + 4 * std::max(border, 1) + 2);
}

// ---------------------------------------------------------------------------

TSpinFloatEdit::TSpinFloatEdit(QWidget *parent)
    : TCustomFloatEdit(parent)
    , m_buttons(new SpinButtons(this))
{
    InstallSpinAccessibility();
    m_buttons->setFocusControl(this);
    connect(m_buttons, &SpinButtons::upClick, this, &TSpinFloatEdit::StepUp);
    connect(m_buttons, &SpinButtons::downClick, this, &TSpinFloatEdit::StepDown);
    placeButtons();
}

TSpinFloatEdit::~TSpinFloatEdit() = default;

void TSpinFloatEdit::StepUp()
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    step(true);
}

void TSpinFloatEdit::StepDown()
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    step(false);
}

void TSpinFloatEdit::step(bool up)
{
    applyTyping();
    if (OnComputedIncrement) {
        OnComputedIncrement(this, up);
        return;
    }
    // Each step starts from the value read back from the text, so steps
    // never drift.
    setValue(up ? value() + m_increment : value() - m_increment);
}

bool TSpinFloatEdit::keyDown(QKeyEvent *event)
{
    if (!m_editorEnabled)
        return false;
    if (event->key() == Qt::Key_Up) {
        StepUp();
        return false;
    }
    if (event->key() == Qt::Key_Down) {
        StepDown();
        return false;
    }
    return true;
}

bool TSpinFloatEdit::charactersAllowed() const
{
    return m_editorEnabled;
}

bool TSpinFloatEdit::clipboardEditAllowed() const
{
    return m_editorEnabled && TCustomFloatEdit::clipboardEditAllowed();
}

void TSpinFloatEdit::resizeEvent(QResizeEvent *event)
{
    TCustomFloatEdit::resizeEvent(event);
    placeButtons();
}

void TSpinFloatEdit::placeButtons()
{
    // At the right edge: with a frame (the sunken look) 5 pixels short of
    // the right and bottom edges, without one flush with the right edge.
    const int w = SpinButtons::kWidth;
    const QRect buttons
        = hasFrame() ? QRect(width() - w - 5, 0, w, height() - 5) : QRect(width() - w, 1, w, height() - 3);
    m_buttons->setGeometry(buttons);
    // The text stops two pixels before the buttons.
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    setTextMargins(0, 0, std::max(width() - buttons.left() + 2 - frame, 0), 0);
}
