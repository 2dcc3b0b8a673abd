#include "SpinEdit.h"

#include "SpinAccessible.h"
#include "SpinButtons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace {

bool isIntegerCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('+');
}

// Keeps pasted and dropped text to signs and digits within the typing limit;
// texts written by the program are not validated by QLineEdit.
class IntegerTextValidator : public QValidator
{
public:
    explicit IntegerTextValidator(const TSpinEdit *edit)
        : QValidator(const_cast<TSpinEdit *>(edit))
        , m_edit(edit)
    {
    }

    State validate(QString &input, int &) const override
    {
        const int limit = m_edit->typingLimit();
        if (limit > 0 && input.size() > limit)
            return Invalid;
        if (!std::all_of(input.cbegin(), input.cend(), isIntegerCharacter))
            return Invalid;
        bool ok = false;
        input.toInt(&ok);
        return ok ? Acceptable : Intermediate;
    }

private:
    const TSpinEdit *m_edit;
};

} // namespace

TSpinEdit::TSpinEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_buttons(new SpinButtons(this))
{
    InstallSpinAccessibility();
    setValidator(new IntegerTextValidator(this));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_typed.changed(text()))
            fire(OnChange, this);
    });
    m_buttons->setFocusControl(this);
    connect(m_buttons, &SpinButtons::upClick, this, &TSpinEdit::StepUp);
    connect(m_buttons, &SpinButtons::downClick, this, &TSpinEdit::StepDown);
    setTextMargins(0, 0, SpinButtons::kWidth + 2, 0);
    setText(QStringLiteral("0"));
}

TSpinEdit::~TSpinEdit() = default;

int TSpinEdit::value() const
{
    bool ok = false;
    const int v = (m_typed.pending() ? m_typed.told() : text()).toInt(&ok);
    return ok ? v : m_minValue;
}

int TSpinEdit::clamped(qint64 v) const
{
    if (m_minValue != m_maxValue)
        v = std::clamp<qint64>(v, m_minValue, m_maxValue);
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void TSpinEdit::setValue(int v)
{
    write(QString::number(clamped(v)));
}

void TSpinEdit::write(const QString &text)
{
    if (m_typed.write(*this, text))
        fire(OnChange, this);
}

void TSpinEdit::applyTyping()
{
    if (m_typed.pending() && m_typed.take(text()))
        fire(OnChange, this);
    const int v = value();
    if (text() != QString::number(clamped(v)))
        setValue(v);
}

void TSpinEdit::StepUp()
{
    step(m_increment);
}

void TSpinEdit::StepDown()
{
    step(-qint64(m_increment));
}

void TSpinEdit::step(qint64 delta)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    applyTyping();
    write(QString::number(clamped(value() + delta)));
}

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_typed.holding()) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            applyTyping();
        } else if (event->key() == Qt::Key_Escape && m_typed.pending()) {
            event->accept();
            write(m_typed.told());
            selectAll();
            return;
        }
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->accept();
        if (event->key() == Qt::Key_Up)
            StepUp();
        else
            StepDown();
        return;
    }
    const QString typed = event->text();
    const bool shortcut = (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
    if (!typed.isEmpty() && typed.front().unicode() >= 0x20 && typed.front().unicode() != 0x7f && !shortcut) {
        // Only signs and digits, and no more than the typing limit.
        const QString current = text();
        const int length = hasSelectedText() ? int(selectedText().size()) : 0;
        const qsizetype prospective = current.size() - length + typed.size();
        if (!std::all_of(typed.cbegin(), typed.cend(), isIntegerCharacter)
            || (m_typingLimit > 0 && prospective > m_typingLimit)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const auto reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    // Typed text takes effect; an out-of-range or unreadable text is
    // written back as the value it reads.
    applyTyping();
}

void TSpinEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_buttons->setGeometry(width() - SpinButtons::kWidth - frame, frame, SpinButtons::kWidth, height() - 2 * frame);
}
