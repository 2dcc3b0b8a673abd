#pragma once

#include "Events.h"
#include "Numbers.h"
#include "TypedText.h"

#include <QLineEdit>

#include <functional>

class QChar;
class QMenu;
class SpinButtons;

// Enter and the other typed characters: Sender and the character, which the
// handler may change or clear (a null character discards the key).
using TKeyPressEvent = std::function<void(QObject *Sender, QChar &Key)>;
// Replaces the built-in stepping of TSpinFloatEdit; bIncrement is true for up.
using TComputedIncrementEvent = std::function<void(QObject *Sender, bool bIncrement)>;

// A single-line editor for a decimal number whose text is the value: every
// read of Value parses the text afresh. It keeps the number within Min..Max
// with Digits decimals: keys that would make the text invalid are refused,
// written values are clamped, and leaving the editor with an invalid text
// restores the value it had on entry and keeps the focus. Stepping and the
// arrow buttons are added by TSpinFloatEdit.
class TCustomFloatEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double Value READ valueProperty WRITE setValueProperty)
    Q_PROPERTY(int Digits READ digits WRITE setDigits)
    Q_PROPERTY(double Min READ minProperty WRITE setMinProperty)
    Q_PROPERTY(double Max READ maxProperty WRITE setMaxProperty)
    Q_PROPERTY(QString ErrorMessage READ errorMessage WRITE setErrorMessage)
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)

public:
    static constexpr int kMaxDigits = 18;

    explicit TCustomFloatEdit(QWidget *parent = nullptr);
    ~TCustomFloatEdit() override;

    // The text read as a number and clamped into Min..Max; an unreadable text
    // reads as Min, and "-", the separator alone, "E" or an empty text read
    // as 0 (clamped). Never shows a message, never changes the text.
    rundaro::Real value() const;
    // Clamps into Min..Max (showing ErrorMessage when it clamps) and sets the
    // text to the number formatted with Digits decimals.
    void setValue(rundaro::Real v);

    int digits() const { return m_digits; }
    void setDigits(int n);
    rundaro::Real min() const { return m_min; }
    // Throws rundaro::Exception when the new bound would cross the other one.
    void setMin(rundaro::Real x);
    rundaro::Real max() const { return m_max; }
    void setMax(rundaro::Real x);

    QChar separatorChar() const { return m_separator; }
    QString errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const QString &message) { m_errorMessage = message; }
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }
    // Value as it was when the editor last received the focus.
    rundaro::Real entryValue() const { return m_entryValue; }

    // While loading (e.g. applying a stored set-up), Value reads and writes go
    // to a loading value that is written for real when loading ends, so Min,
    // Max and Digits given in the same load apply whatever their order.
    void beginLoading();
    void endLoading();
    bool isLoading() const { return m_loading; }

    // The standard edit menu, without its edits when the text may not change.
    QMenu *createContextMenu();

    // The text for x with Digits decimals and the locale's separator.
    QString formatValue(rundaro::Real x) const;

    // With HoldTyping on, typed text takes effect only when the input is
    // complete: leaving the editor, a step, or applyTyping() (which the
    // owner may call from OnEnterPress); until then Value and OnChange keep
    // to the value in force.
    bool holdTyping() const { return m_typed.holding(); }
    void setHoldTyping(bool on) { m_typed.setHolding(on); }
    bool typingPending() const { return m_typed.pending(); }
    // Lets waiting typed text take effect (OnChange) when it is a valid
    // number within the range; invalid text waits for leaving the editor.
    void applyTyping();

    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyPressEvent OnEnterPress;
    TKeyPressEvent OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Key-down stage, before any character: returns false when the key must
    // not reach the native edit.
    virtual bool keyDown(QKeyEvent *event);
    // Whether accepted characters may be inserted.
    virtual bool charactersAllowed() const;
    // Whether cut and paste are carried out.
    virtual bool clipboardEditAllowed() const;

private:
    Q_DISABLE_COPY(TCustomFloatEdit)

    double valueProperty() const { return static_cast<double>(value()); }
    void setValueProperty(double v) { setValue(v); }
    double minProperty() const { return static_cast<double>(m_min); }
    void setMinProperty(double x) { setMin(x); }
    double maxProperty() const { return static_cast<double>(m_max); }
    void setMaxProperty(double x) { setMax(x); }

    // The keystroke filter for one printable character: true when the
    // character is accepted; `key` then holds what is to be inserted.
    bool filterCharacter(QChar &key);
    void refuse(QChar key);
    void setShortcutText(QChar key, const QString &text, int selectionStart);
    void pressEnter(QChar key);
    void pressEscape();
    bool textIsValid(const QString &text, rundaro::Real *number) const;
    rundaro::Real valueOf(QString text) const;
    void write(const QString &text);
    void showErrorMessage();
    void updateMinimumHeight();

    quint8 m_digits = 1;
    rundaro::Real m_min = 0;
    rundaro::Real m_max = 100;
    QChar m_separator;
    QString m_errorMessage;
    rundaro::Real m_entryValue = 0;
    rundaro::Real m_loadingValue = 0;
    bool m_loading = false;
    bool m_autoSelect = true;
    bool m_restoring = false;
    TypedText m_typed;
};

// TCustomFloatEdit with a step size, the up/down buttons and the arrow keys.
class TSpinFloatEdit : public TCustomFloatEdit
{
    Q_OBJECT
    Q_PROPERTY(double Increment READ incrementProperty WRITE setIncrementProperty)
    Q_PROPERTY(bool EditorEnabled READ editorEnabled WRITE setEditorEnabled)

public:
    explicit TSpinFloatEdit(QWidget *parent = nullptr);
    ~TSpinFloatEdit() override;

    rundaro::Real increment() const { return m_increment; }
    void setIncrement(rundaro::Real step) { m_increment = step; }
    bool editorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool on) { m_editorEnabled = on; }
    SpinButtons *buttons() const { return m_buttons; }

    TComputedIncrementEvent OnComputedIncrement;

public slots:
    // With ReadOnly on they only beep.
    virtual void StepUp();
    virtual void StepDown();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool keyDown(QKeyEvent *event) override;
    bool charactersAllowed() const override;
    bool clipboardEditAllowed() const override;

private:
    Q_DISABLE_COPY(TSpinFloatEdit)

    double incrementProperty() const { return static_cast<double>(m_increment); }
    void setIncrementProperty(double step) { m_increment = step; }
    void step(bool up);
    void placeButtons();

    rundaro::Real m_increment = 1;
    SpinButtons *m_buttons = nullptr;
    bool m_editorEnabled = true;
};
