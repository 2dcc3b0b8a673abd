#pragma once

#include "ButtonGlyph.h"
#include "ButtonTypes.h"
#include "Events.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

class QShortcut;

// A push button that paints its own face in a settable colour, with an
// optional glyph beside the caption. QPushButton supplies the behaviour
// (press, release, click, space and Enter, mnemonic, focus); this class
// supplies all drawing: the raised or pressed face in Color, the caption
// (embossed in fixed white and grey when disabled) and the outline and
// dotted focus rectangle of the active button. Stock kinds (OK, Cancel, ...)
// set caption, glyph, modal result, Default and Cancel in one go.
//
// The caption's colour is the palette's ButtonText.
class TBitBtnWithColor : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(ButtonTypes::TBitBtnWithColorKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(ButtonTypes::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(ButtonTypes::TButtonStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Active READ Active)

public:
    explicit TBitBtnWithColor(QWidget *parent = nullptr);
    ~TBitBtnWithColor() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString &value) { setText(value); }

    QColor Color() const { return m_color; }
    void SetColor(const QColor &value);

    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }

    QImage Glyph() const { return m_glyph.Glyph(); }
    void SetGlyph(const QImage &value);
    int NumGlyphs() const { return m_glyph.NumGlyphs(); }
    void SetNumGlyphs(int value) { m_glyph.SetNumGlyphs(value); }

    // Reads back as bkCustom once Default, Cancel, ModalResult or the glyph
    // no longer match the stock kind.
    TBitBtnWithColorKind Kind() const;
    void SetKind(TBitBtnWithColorKind value);

    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    TButtonStyle Style() const { return m_style; }
    void SetStyle(TButtonStyle value);

    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int value) { m_modalResult = value; }

    // Tool tips show when ShowHint is on; with ParentShowHint the nearest
    // ancestor's ShowHint property decides (shown when none has one).
    bool ShowHint() const;
    void SetShowHint(bool value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool value) { m_parentShowHint = value; }

    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool value) { setVisible(value); }

    // True while this is the active button of its window: it has the focus,
    // or it is the Default button and the focus is on a control that is not
    // a button.
    bool Active() const { return m_active; }

    const TButtonGlyph &ButtonGlyph() const { return m_glyph; }

    QSize sizeHint() const override;

    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void Click();
    void glyphChanged();
    void focusChanged(QWidget *old, QWidget *now);
    void updateActive();
    TButtonState drawState() const;

    TButtonGlyph m_glyph;
    QColor m_color;
    mutable TBitBtnWithColorKind m_kind = bkCustom;
    TButtonLayout m_layout = blGlyphLeft;
    TButtonStyle m_style = bsAutoDetect;
    int m_margin = -1;
    int m_spacing = 4;
    int m_modalResult = 0;
    bool m_cancel = false;
    // Kept apart from QPushButton's default flag, which an auto-default
    // button also raises while it has the focus.
    bool m_default = false;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    bool m_active = false;
    bool m_glyphChanged = false;
    QShortcut *m_cancelShortcut = nullptr;

    Q_DISABLE_COPY(TBitBtnWithColor)
};
