#pragma once

#include "Events.h"
#include "TypedText.h"

#include <QLineEdit>

class SpinButtons;

// An integer spin box whose text is the value. Value reads the text as typed
// (an unreadable text reads as MinValue, a typed number outside the range is
// returned as it is); writing Value clamps into MinValue..MaxValue (when the
// two differ) and sets the text. OnChange fires synchronously on every real
// change of the text, typed or written, and never otherwise. Leaving the
// editor writes the value back clamped. Changing the range never re-clamps.
//
// With HoldTyping on, typed text takes effect only when the input is
// complete: Enter, leaving the editor, a step, or applyTyping() from the
// owner; until then Value and OnChange keep to the value in force, and
// Escape brings it back.
class TSpinEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Increment READ increment WRITE setIncrement)
    Q_PROPERTY(int MaxLength READ typingLimit WRITE setTypingLimit)

public:
    explicit TSpinEdit(QWidget *parent = nullptr);
    ~TSpinEdit() override;

    int value() const;
    void setValue(int v);
    int minValue() const { return m_minValue; }
    void setMinValue(int v) { m_minValue = v; }
    int maxValue() const { return m_maxValue; }
    void setMaxValue(int v) { m_maxValue = v; }
    int increment() const { return m_increment; }
    void setIncrement(int step) { m_increment = step; }
    // The most characters the user may type or paste; 0 means no limit.
    // Texts written through Value are never cut.
    int typingLimit() const { return m_typingLimit; }
    void setTypingLimit(int characters) { m_typingLimit = qMax(0, characters); }

    SpinButtons *buttons() const { return m_buttons; }

    bool holdTyping() const { return m_typed.holding(); }
    void setHoldTyping(bool on) { m_typed.setHolding(on); }
    // True while typed text waits to take effect.
    bool typingPending() const { return m_typed.pending(); }
    // Lets waiting typed text take effect (OnChange), written back clamped.
    void applyTyping();

    TNotifyEvent OnChange;

public slots:
    // Value ± Increment; with ReadOnly on they only beep.
    void StepUp();
    void StepDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Q_DISABLE_COPY(TSpinEdit)

    void step(qint64 delta);
    int clamped(qint64 v) const;
    void write(const QString &text);

    int m_minValue = 0;
    int m_maxValue = 100;
    int m_increment = 1;
    int m_typingLimit = 0;
    SpinButtons *m_buttons = nullptr;
    TypedText m_typed;
};
